// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/doublevalidator.h"

QValidator::State DoubleValidator::validate(QString& input, int& pos) const {
    // A decimal comma means what a decimal point means, whatever the language: Czech and
    // Slovak students write 1,5. The field keeps what was typed.
    QString number = input;
    number.replace(QLatin1Char(','), QLatin1Char('.'));
    static const QStringList signedStarts = {QString(), QStringLiteral("."), QStringLiteral("-"),
                                             QStringLiteral("-.")};
    const qsizetype startCount = bottom() < 0 ? signedStarts.size() : 2;
    for (qsizetype i = 0; i < startCount; ++i) {
        if (number == signedStarts.at(i))
            return Intermediate;
    }
    if (QDoubleValidator::validate(number, pos) != Acceptable)
        return Invalid;
    const qsizetype point = number.indexOf(QLatin1Char('.'));
    const qsizetype fraction = point < 0 ? 0 : number.size() - point - 1;
    return fraction > decimals() ? Invalid : Acceptable;
}

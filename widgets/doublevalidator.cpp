// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/doublevalidator.h"

QValidator::State DoubleValidator::validate(QString& input, int& pos) const {
    static const QStringList signedStarts = {
        QString(),           QStringLiteral("."),  QStringLiteral(","),
        QStringLiteral("-"), QStringLiteral("-."), QStringLiteral("-,")};
    const qsizetype startCount = bottom() < 0 ? signedStarts.size() : 3;
    for (qsizetype i = 0; i < startCount; ++i) {
        if (input == signedStarts.at(i))
            return Intermediate;
    }

    // The fields are read without group separators: "1,000" would become 0.
    if (input.contains(locale().groupSeparator()))
        return Invalid;
    if (QDoubleValidator::validate(input, pos) != Acceptable)
        return Invalid;
    const qsizetype point = input.indexOf(locale().decimalPoint());
    const qsizetype fraction = point < 0 ? 0 : input.size() - point - 1;
    return fraction > decimals() ? Invalid : Acceptable;
}

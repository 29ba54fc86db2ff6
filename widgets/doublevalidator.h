// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDoubleValidator>

// Refuses every keystroke that would leave a number half-typed, except the few starts of a
// number ("", ".", "-" ...), inputs with too many decimals and grouped digits.
class DoubleValidator : public QDoubleValidator {
    Q_OBJECT
public:
    using QDoubleValidator::QDoubleValidator;

    State validate(QString& input, int& pos) const override;
};

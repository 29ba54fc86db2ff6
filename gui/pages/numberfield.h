// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

#include <cmath>
#include <optional>

// The number a field holds, read in the C locale as the fields are typed; none for a field
// the commands cannot use (empty, half-typed, not finite).
inline std::optional<double> numberIn(const QLineEdit* edit) {
    bool ok = false;
    const double value = edit->text().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

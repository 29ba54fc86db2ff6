// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// A double as a default-settings output stream prints it: six significant digits,
// general notation, and the exponent written with a sign and three digits (1e-005,
// 1.23457e+006). Used by the equation texts and the lists; session files ask for more
// digits where six would not read back to the same value.
std::string formatNumber(double value, int significantDigits = 6);

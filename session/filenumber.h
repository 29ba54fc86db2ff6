// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// A coordinate as a session file holds it: the fewest significant digits, from six up to
// seventeen, that read back to exactly the same double, in the notation of formatNumber.
// Everything a user types fits in six digits and is written as before.
std::string fileNumber(double value);

// Reads a coordinate field: optional blanks and sign, a decimal number, optional blanks.
// False for anything else, and for a value that is not finite.
bool parseFileNumber(const std::string& text, double& value);

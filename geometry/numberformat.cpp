// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/numberformat.h"

#include <charconv>

std::string formatNumber(double value, int significantDigits) {
    // to_chars writes as printf's %g does, but in no locale: a Czech one would otherwise
    // bring a decimal comma.
    char buffer[64];
    const std::to_chars_result written = std::to_chars(
        buffer, buffer + sizeof buffer, value, std::chars_format::general, significantDigits);
    std::string out(buffer, written.ptr);
    const std::string::size_type e = out.find('e');
    if (e == std::string::npos || e + 2 > out.size())
        return out;
    // printf writes at least two exponent digits; the format wants three.
    const std::string digits = out.substr(e + 2);
    if (digits.size() < 3)
        out = out.substr(0, e + 2) + std::string(3 - digits.size(), '0') + digits;
    return out;
}

#include "geometry/numberformat.h"

#include <cstdio>
#include <cstring>

std::string formatNumber(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%g", value);
    std::string out(text);
    const std::string::size_type e = out.find('e');
    if (e == std::string::npos || e + 2 > out.size())
        return out;
    // printf writes at least two exponent digits; the format wants three.
    const std::string digits = out.substr(e + 2);
    if (digits.size() < 3)
        out = out.substr(0, e + 2) + std::string(3 - digits.size(), '0') + digits;
    return out;
}

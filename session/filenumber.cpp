// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/filenumber.h"

#include "geometry/numberformat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

std::string fileNumber(double value) {
    const std::string six = formatNumber(value);
    double back = 0.0;
    if (!std::isfinite(value) ||
        (parseFileNumber(six, back) && std::memcmp(&back, &value, sizeof value) == 0))
        return six;
    // The shortest form that reads back has as many digits as are needed, and no fewer
    // digits than those can: count them in its mantissa.
    char shortest[64];
    const std::to_chars_result written =
        std::to_chars(shortest, shortest + sizeof shortest, value, std::chars_format::scientific);
    const char* begin = shortest;
    const char* exponent = std::find(begin, static_cast<const char*>(written.ptr), 'e');
    const auto digits = std::count_if(begin, exponent, [](char c) { return c >= '0' && c <= '9'; });
    return formatNumber(value, std::max(6, static_cast<int>(digits)));
}

bool parseFileNumber(const std::string& text, double& value) {
    const char* begin = text.data();
    const char* end = begin + text.size();
    while (begin < end && isBlank(*begin))
        ++begin;
    while (end > begin && isBlank(end[-1]))
        --end;
    // from_chars takes no '+'; a '-' stays for it to read.
    if (begin < end && *begin == '+' && end - begin > 1 && begin[1] != '-' && begin[1] != '+')
        ++begin;
    if (begin == end)
        return false;
    const auto [stop, error] = std::from_chars(begin, end, value, std::chars_format::general);
    if (stop != end)
        return false;
    if (error == std::errc::result_out_of_range) {
        // Underflow (a negative exponent) reads as zero of the same sign; overflow is no number.
        const char* e = std::find_if(begin, stop, [](char c) { return c == 'e' || c == 'E'; });
        if (e == stop || e + 1 == stop || e[1] != '-')
            return false;
        value = *begin == '-' ? -0.0 : 0.0;
        return true;
    }
    return error == std::errc() && std::isfinite(value);
}

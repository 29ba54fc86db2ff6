#include "geometry/numberformat.h"

#include <iomanip>
#include <locale>
#include <sstream>

std::string formatNumber(double value, int significantDigits) {
    // A stream with the classic locale: the window sets the process locale from the
    // environment, and a Czech one would otherwise print a decimal comma.
    std::ostringstream stream;
    stream.imbue(std::locale::classic());
    stream << std::setprecision(significantDigits) << value;
    std::string out = stream.str();
    const std::string::size_type e = out.find('e');
    if (e == std::string::npos || e + 2 > out.size())
        return out;
    // printf writes at least two exponent digits; the format wants three.
    const std::string digits = out.substr(e + 2);
    if (digits.size() < 3)
        out = out.substr(0, e + 2) + std::string(3 - digits.size(), '0') + digits;
    return out;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/numeric.h"

#include <algorithm>
#include <cmath>
#include <sstream>

bool nearlyEqual(double a, double b) {
    return std::fabs(a - b) < geom::tolerance;
}

double snapToInteger(double x) {
    const double a = std::fabs(x);
    const double down = std::floor(a);
    if (a - down < geom::tolerance)
        return std::copysign(down, x);
    const double up = std::ceil(a);
    if (up - a < geom::tolerance)
        return std::copysign(up, x);
    return x;
}

double positiveModulo(double a, double b) {
    return a - std::floor(a / b) * b;
}

double commonDivisor(double a, double b) {
    // Each pass the remainder shrinks; the bound only guards against NaN or infinite input.
    for (int pass = 0; pass < 10000; ++pass) {
        const double A = std::fabs(snapToInteger(a));
        const double B = std::fabs(snapToInteger(b));
        if (!(B >= geom::tolerance))
            return A;
        a = B;
        b = positiveModulo(A, B);
    }
    return 1.0;
}

double commonDivisor(double a, double b, double c) {
    if (std::fabs(a) < geom::tolerance && std::fabs(b) < geom::tolerance &&
        std::fabs(c) < geom::tolerance)
        return 1.0;
    double v[3] = {a, b, c};
    std::sort(v, v + 3);
    return commonDivisor(commonDivisor(v[0], v[1]), v[2]);
}

std::string joinText(const std::string& a, const std::string& b) {
    std::ostringstream out;
    out << a << b;
    return out.str();
}

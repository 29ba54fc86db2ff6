// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/vector4d.h"

#include "geometry/numeric.h"

#include <cmath>
#include <cstdio>

void vector4D::normalise() {
    const double len = std::sqrt(x_ * x_ + y_ * y_ + z_ * z_);
    x_ /= len;
    y_ /= len;
    z_ /= len;
}

double vector4D::simplify() {
    double factor = commonDivisor(std::fabs(x_), std::fabs(y_), std::fabs(z_));
    x_ /= factor;
    z_ /= factor;
    y_ /= factor;
    if (x_ > geom::simplificationLimit || y_ > geom::simplificationLimit ||
        z_ > geom::simplificationLimit) {
        x_ /= geom::simplificationDivisor;
        y_ /= geom::simplificationDivisor;
        z_ /= geom::simplificationDivisor;
        factor *= geom::simplificationDivisor;
    }
    return factor;
}

bool vector4D::isFinite() const {
    return std::isfinite(x_) && std::isfinite(y_) && std::isfinite(z_);
}

vector4D operator+(const vector4D& a, const vector4D& b) {
    return {snapToInteger(a.x() + b.x()), snapToInteger(a.y() + b.y()),
            snapToInteger(a.z() + b.z()), snapToInteger(a.w() + b.w())};
}

vector4D operator-(const vector4D& a, const vector4D& b) {
    return {snapToInteger(a.x() - b.x()), snapToInteger(a.y() - b.y()),
            snapToInteger(a.z() - b.z()), snapToInteger(a.w() - b.w())};
}

vector4D operator*(const vector4D& a, double k) {
    return {a.x() * k, a.y() * k, a.z() * k, a.w() * k};
}

vector4D operator/(const vector4D& a, double k) {
    if (k == 0.0) {
        std::fputs("vector4D delenie nulou. Vraciam novy vektor.\n", stdout);
        std::fflush(stdout);
        return {};
    }
    return {a.x() / k, a.y() / k, a.z() / k, a.w() / k};
}

vector4D cross(const vector4D& a, const vector4D& b) {
    return {snapToInteger(a.y() * b.z() - a.z() * b.y()),
            snapToInteger(a.z() * b.x() - a.x() * b.z()),
            snapToInteger(a.x() * b.y() - a.y() * b.x()), 0.0};
}

double dot(const vector4D& a, const vector4D& b) {
    return a.x() * b.x() + a.y() * b.y() + a.z() * b.z();
}

double length(const vector4D& a) {
    return snapToInteger(std::sqrt(dot(a, a)));
}

double angle(const vector4D& a, const vector4D& b) {
    return std::acos(dot(a, b) / (std::sqrt(dot(a, a)) * std::sqrt(dot(b, b))));
}

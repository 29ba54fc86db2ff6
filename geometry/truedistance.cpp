// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/truedistance.h"

#include "geometry/numeric.h"

#include <cmath>
#include <limits>

namespace {

// Long double keeps the cancellation in differences and cross products small, and its
// range holds the products of up to four doubles that meetingParameter forms: only the
// final conversion to double can overflow, and callers see that as infinity.
static_assert(std::numeric_limits<long double>::max_exponent >=
                  5 * std::numeric_limits<double>::max_exponent,
              "the distances need a long double with a wider exponent than double");

struct Exact {
    long double x, y, z;
};

Exact exact(const vector4D& a) {
    return {a.x(), a.y(), a.z()};
}

Exact minus(const Exact& a, const Exact& b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

Exact crossOf(const Exact& a, const Exact& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

long double dotOf(const Exact& a, const Exact& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

long double norm(const Exact& a) {
    return std::sqrt(dotOf(a, a));
}

Exact unit(const Exact& a) {
    const long double n = norm(a);
    return {a.x / n, a.y / n, a.z / n};
}

bool isZero(const Exact& a) {
    return a.x == 0.0L && a.y == 0.0L && a.z == 0.0L;
}

} // namespace

double pointDistance(const vector4D& a, const vector4D& b) {
    return double(norm(minus(exact(a), exact(b))));
}

double pointLineDistance(const vector4D& p, const vector4D& q, const vector4D& d) {
    const Exact direction = exact(d);
    return double(norm(crossOf(minus(exact(p), exact(q)), direction)) / norm(direction));
}

double pointPlaneDistance(const vector4D& p, const vector4D& n, double c) {
    const Exact normal = exact(n);
    return double(std::fabs(dotOf(normal, exact(p)) + c) / norm(normal));
}

double crossingLinesDistance(const vector4D& pA, const vector4D& dA, const vector4D& pB,
                             const vector4D& dB) {
    const Exact across = crossOf(exact(dA), exact(dB));
    return double(std::fabs(dotOf(minus(exact(pB), exact(pA)), across)) / norm(across));
}

bool parallelDirections(const vector4D& a, const vector4D& b) {
    const Exact ea = exact(a);
    const Exact eb = exact(b);
    if (isZero(ea) || isZero(eb))
        return true;
    return norm(crossOf(unit(ea), unit(eb))) < geom::tolerance;
}

bool parallelToPlane(const vector4D& d, const vector4D& n) {
    return std::fabs(dotOf(unit(exact(d)), unit(exact(n)))) < geom::tolerance;
}

bool pointOnLineWithin(const vector4D& p, const vector4D& q, const vector4D& d) {
    return pointLineDistance(p, q, d) < geom::tolerance;
}

bool pointOnPlaneWithin(const vector4D& p, const vector4D& n, double c) {
    return pointPlaneDistance(p, n, c) < geom::tolerance;
}

double meetingParameter(const vector4D& pA, const vector4D& dA, const vector4D& pB,
                        const vector4D& dB) {
    const Exact alongA = exact(dA);
    const Exact across = crossOf(crossOf(alongA, exact(dB)), alongA);
    return double(dotOf(across, minus(exact(pA), exact(pB))) / dotOf(across, exact(dB)));
}

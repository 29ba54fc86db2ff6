// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/surface.h"

#include "geometry/numeric.h"
#include "geometry/objectdrawer.h"

#include <algorithm>
#include <cmath>

namespace {

// The cross products snap to integers, and the tests that place the plane's point compare
// within the tolerance: both would wipe out a short normal (its spanning vectors vanish, its
// point leaves the plane). So both work on the normal times a power of ten that brings its
// largest component to 1 at least; normals of that size or more are taken as they are, as
// huge ones are scaled down by the simplification.
double scaleUpFactor(const vector4D& n) {
    const double largest = std::max({std::fabs(n.x()), std::fabs(n.y()), std::fabs(n.z())});
    double factor = 1.0;
    if (largest > 0.0 && std::isfinite(largest))
        while (largest * factor < 1.0)
            factor *= 10.0;
    return factor;
}

} // namespace

surface::surface(const surface& other) : SpaceObject() {
    copyGeometry(other);
}

surface& surface::operator=(const surface& other) {
    copyGeometry(other);
    return *this;
}

void surface::copyGeometry(const surface& other) {
    normal = other.normal;
    d = other.d;
    u = other.u;
    v = other.v;
    point = other.point;
    parents = other.parents;
    normalMarks = other.normalMarks;
}

void surface::draw() const {
    if (ObjectDrawer* drawer = objectDrawer())
        drawer->drawSurface(*this);
}

void surface::setPlane(const Vector& n, double constant) {
    normal = n;
    // The constant is a computed sum like any other: rounding noise must not reach the
    // equation text.
    d = snapToInteger(constant);

    const double factor = scaleUpFactor(n.coordinates);
    const vector4D c = n.coordinates * factor;
    vector4D t(1.0, 1.0, 1.0, 0.0);
    if (nearlyEqual(c.x(), c.y()) && nearlyEqual(c.y(), c.z()) && nearlyEqual(c.z(), c.x()))
        t = vector4D(1.0, 0.0, 0.0, 0.0);
    u = Vector(cross(c, t));
    v = Vector(cross(c, u.coordinates));

    if (snapToInteger(d) == 0.0) {
        point = Point(0.0, 0.0, 0.0);
        return;
    }
    const double m = std::max({std::fabs(c.x()), std::fabs(c.y()), std::fabs(c.z())});
    if (nearlyEqual(m, 0.0))
        return;
    const double q = d * factor / m;
    if (nearlyEqual(m, c.x()))
        point = Point(-q, 0.0, 0.0);
    if (nearlyEqual(m, c.y()))
        point = Point(0.0, -q, 0.0);
    if (nearlyEqual(m, c.z()))
        point = Point(0.0, 0.0, -q);
    if (nearlyEqual(-m, c.x()))
        point = Point(q, 0.0, 0.0);
    if (nearlyEqual(-m, c.y()))
        point = Point(0.0, q, 0.0);
    if (nearlyEqual(-m, c.z()))
        point = Point(0.0, 0.0, q);

    u.simplify();
    v.simplify();
    d = snapToInteger(d / normal.coordinates.simplify());
}

void surface::setPlane(const Vector& n, const Point& P) {
    setPlane(n, -dot(n.coordinates, P.coordinates));
}

void surface::setPlane(const Vector& a, const Vector& b, const Point& P) {
    Vector n = a * b;
    n.simplify();
    setPlane(n, -dot(n.coordinates, P.coordinates));
}

void surface::setPlane(const Point& A, const Point& B, const Point& C) {
    setPlane(Vector(B.coordinates - A.coordinates), Vector(C.coordinates - B.coordinates), A);
}

void surface::setPlaneKeepingPoint(const Vector& n, const Point& P) {
    const vector4D& c = n.coordinates;
    const vector4D& at = P.coordinates;
    const double d = -dot(c, at);
    setPlane(n, d);
    const auto keeps = [&at](const surface& plane) {
        const vector4D& p = plane.point.coordinates;
        return p.x() == at.x() && p.y() == at.y() && p.z() == at.z();
    };
    if (keeps(*this) || !std::isfinite(d))
        return;
    // setPlane(n, d) puts its point at -d/m or d/m on the axis of the largest component m,
    // which need not be the axis whose component of n is exactly m.
    const double m = std::max({std::fabs(c.x()), std::fabs(c.y()), std::fabs(c.z())});
    const double onAxis = at.x() + at.y() + at.z();
    surface near;
    for (const double guess : {d, -onAxis * m, onAxis * m}) {
        double up = guess, down = guess;
        for (int step = 0; step <= 4; ++step) {
            for (const double candidate : {up, down}) {
                near.setPlane(n, candidate);
                if (keeps(near)) {
                    setPlane(n, candidate);
                    return;
                }
            }
            up = std::nextafter(up, HUGE_VAL);
            down = std::nextafter(down, -HUGE_VAL);
        }
    }
}

void surface::setParts(const Vector& n, const Vector& spanU, const Vector& spanV, const Point& P) {
    normal = n;
    u = spanU;
    v = spanV;
    point = P;
    d = snapToInteger(-dot(n.coordinates, P.coordinates));
}

bool surface::isValid() const {
    return normal.coordinates.isFinite() && std::isfinite(d) && u.coordinates.isFinite() &&
           v.coordinates.isFinite() && point.coordinates.isFinite() && !normal.isZero();
}

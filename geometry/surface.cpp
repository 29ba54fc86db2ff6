#include "geometry/surface.h"

#include "geometry/numeric.h"
#include "geometry/objectdrawer.h"

#include <algorithm>
#include <cmath>

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

    const vector4D& c = n.coordinates;
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
    const double q = d / m;
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

bool surface::isValid() const {
    return normal.coordinates.isFinite() && std::isfinite(d) && u.coordinates.isFinite() &&
           v.coordinates.isFinite() && point.coordinates.isFinite() && !normal.isZero();
}

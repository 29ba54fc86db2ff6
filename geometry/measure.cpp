// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/measure.h"

#include "geometry/line.h"
#include "geometry/numeric.h"
#include "geometry/surface.h"
#include "geometry/truedistance.h"
#include "geometry/usability.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// The direction that angles are measured on: a line's direction, a plane's normal,
// a vector itself; null for points.
const Vector* directionOf(const SpaceObject* object) {
    switch (object->type()) {
    case Kind::Vector:
        return static_cast<const Vector*>(object);
    case Kind::Line:
        return &static_cast<const line*>(object)->direction;
    case Kind::Plane:
        return &static_cast<const surface*>(object)->normal;
    default:
        return nullptr;
    }
}

std::optional<double> refused(Refusal* why, Refusal reason) {
    tellRefusal(why, reason);
    return std::nullopt;
}

// A value beyond the range of a double is no result.
std::optional<double> finished(double value, Refusal* why) {
    if (std::isfinite(value))
        return snapToInteger(value);
    return refused(why, Refusal::TooLarge);
}

// Null for a kind that has no distance from a point.
std::optional<double> pointAndOther(const vector4D& p, const SpaceObject* other) {
    switch (other->type()) {
    case Kind::Point:
        return pointDistance(p, static_cast<const Point*>(other)->coordinates);
    case Kind::Line: {
        const auto* l = static_cast<const line*>(other);
        return pointLineDistance(p, l->point.coordinates, l->direction.coordinates);
    }
    case Kind::Plane: {
        const auto* s = static_cast<const surface*>(other);
        return pointPlaneDistance(p, s->normal.coordinates, s->d);
    }
    default:
        return std::nullopt;
    }
}

// Directions judged parallel need not be exactly so: each line's point is measured from
// the other line and the halves are added, which gives the same bits in either order.
double twoLines(const line& a, const line& b) {
    const vector4D& dA = a.direction.coordinates;
    const vector4D& dB = b.direction.coordinates;
    if (parallelDirections(dA, dB))
        return 0.5 * pointLineDistance(b.point.coordinates, a.point.coordinates, dA) +
               0.5 * pointLineDistance(a.point.coordinates, b.point.coordinates, dB);
    return crossingLinesDistance(a.point.coordinates, dA, b.point.coordinates, dB);
}

// A line that is not parallel to the plane meets it.
double lineAndPlane(const line& l, const surface& s) {
    const vector4D& n = s.normal.coordinates;
    if (!parallelToPlane(l.direction.coordinates, n))
        return 0.0;
    return pointPlaneDistance(l.point.coordinates, n, s.d);
}

// Planes that are not parallel meet. Parallel ones are measured both ways, as lines are.
double twoPlanes(const surface& a, const surface& b) {
    const vector4D& nA = a.normal.coordinates;
    const vector4D& nB = b.normal.coordinates;
    if (!parallelDirections(nA, nB))
        return 0.0;
    return 0.5 * pointPlaneDistance(b.point.coordinates, nA, a.d) +
           0.5 * pointPlaneDistance(a.point.coordinates, nB, b.d);
}

} // namespace

std::optional<double> vectorAngle(const Vector& a, const Vector& b) {
    const vector4D& p = a.coordinates;
    const vector4D& q = b.coordinates;
    if (a.isZero() || b.isZero() || !p.isFinite() || !q.isFinite())
        return std::nullopt;
    const long double ax = p.x(), ay = p.y(), az = p.z();
    const long double bx = q.x(), by = q.y(), bz = q.z();
    const long double dotProduct = ax * bx + ay * by + az * bz;
    const long double lengths =
        std::sqrt(ax * ax + ay * ay + az * az) * std::sqrt(bx * bx + by * by + bz * bz);
    // Rounding can push the cosine of parallel vectors just past 1.
    const long double quotient = dotProduct / lengths;
    if (!std::isfinite(quotient))
        return std::nullopt;
    const long double cosine = std::clamp(quotient, -1.0L, 1.0L);
    return double(std::acos(cosine) * geom::degreesPerRadian);
}

std::optional<double> angleBetween(const ObjectStore& store, const std::string& first,
                                   const std::string& second, Refusal* why) {
    tellRefusal(why, Refusal::None);
    const SpaceObject* a = store.find(first);
    const SpaceObject* b = store.find(second);
    if (!a || !b)
        return refused(why, Refusal::UnknownName);
    const Vector* da = directionOf(a);
    const Vector* db = directionOf(b);
    if (!da || !db)
        return refused(why, Refusal::WrongKinds);
    if (!isUsable(a) || !isUsable(b) || da->isZero() || db->isZero())
        return refused(why, Refusal::Degenerate);
    // With usable, non-zero directions only an overflow leaves no angle.
    const std::optional<double> angle = vectorAngle(*db, *da);
    if (!angle)
        return refused(why, Refusal::TooLarge);
    // Against a plane the angle is measured to the plane itself, not to its normal.
    const bool onePlane = (a->type() == Kind::Plane) != (b->type() == Kind::Plane);
    return finished(onePlane ? 90.0 - *angle : *angle, why);
}

std::optional<double> distanceBetween(const ObjectStore& store, const std::string& first,
                                      const std::string& second, Refusal* why) {
    tellRefusal(why, Refusal::None);
    const SpaceObject* a = store.find(first);
    const SpaceObject* b = store.find(second);
    if (!a || !b)
        return refused(why, Refusal::UnknownName);
    if (a->type() == Kind::Vector || b->type() == Kind::Vector)
        return refused(why, Refusal::WrongKinds);
    if (!isUsable(a) || !isUsable(b))
        return refused(why, Refusal::Degenerate);
    // Pairs are handled with the lower kind first: point before line before plane.
    if (a->type() > b->type())
        std::swap(a, b);
    if (a->type() == Kind::Point) {
        const std::optional<double> d = pointAndOther(static_cast<const Point*>(a)->coordinates, b);
        return d ? finished(*d, why) : refused(why, Refusal::WrongKinds);
    }
    if (a->type() == Kind::Line && b->type() == Kind::Line)
        return finished(twoLines(*static_cast<const line*>(a), *static_cast<const line*>(b)), why);
    if (a->type() == Kind::Line)
        return finished(lineAndPlane(*static_cast<const line*>(a), *static_cast<const surface*>(b)),
                        why);
    return finished(twoPlanes(*static_cast<const surface*>(a), *static_cast<const surface*>(b)),
                    why);
}

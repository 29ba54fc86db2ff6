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
    case 1:
        return static_cast<const Vector*>(object);
    case 2:
        return &static_cast<const line*>(object)->direction;
    case 3:
        return &static_cast<const surface*>(object)->normal;
    default:
        return nullptr;
    }
}

double finished(double value) {
    return std::isfinite(value) ? snapToInteger(value) : noResult;
}

double pointAndOther(const vector4D& p, const SpaceObject* other) {
    switch (other->type()) {
    case 0:
        return pointDistance(p, static_cast<const Point*>(other)->coordinates);
    case 2: {
        const auto* l = static_cast<const line*>(other);
        return pointLineDistance(p, l->point.coordinates, l->direction.coordinates);
    }
    case 3: {
        const auto* s = static_cast<const surface*>(other);
        return pointPlaneDistance(p, s->normal.coordinates, s->d);
    }
    default:
        return noResult;
    }
}

double twoLines(const line& a, const line& b) {
    const vector4D& dA = a.direction.coordinates;
    if (parallelDirections(dA, b.direction.coordinates))
        return pointLineDistance(b.point.coordinates, a.point.coordinates, dA);
    return crossingLinesDistance(a.point.coordinates, dA, b.point.coordinates,
                                 b.direction.coordinates);
}

// A line that is not parallel to the plane meets it.
double lineAndPlane(const line& l, const surface& s) {
    const vector4D& n = s.normal.coordinates;
    if (!parallelToPlane(l.direction.coordinates, n))
        return 0.0;
    return pointPlaneDistance(l.point.coordinates, n, s.d);
}

// Planes that are not parallel meet.
double twoPlanes(const surface& a, const surface& b) {
    const vector4D& n = a.normal.coordinates;
    if (!parallelDirections(n, b.normal.coordinates))
        return 0.0;
    return pointPlaneDistance(b.point.coordinates, n, a.d);
}

} // namespace

double vectorAngle(const Vector& a, const Vector& b) {
    const vector4D& p = a.coordinates;
    const vector4D& q = b.coordinates;
    if (a.isZero() || b.isZero() || !p.isFinite() || !q.isFinite())
        return noResult;
    const long double ax = p.x(), ay = p.y(), az = p.z();
    const long double bx = q.x(), by = q.y(), bz = q.z();
    const long double dotProduct = ax * bx + ay * by + az * bz;
    const long double lengths =
        std::sqrt(ax * ax + ay * ay + az * az) * std::sqrt(bx * bx + by * by + bz * bz);
    // Rounding can push the cosine of parallel vectors just past 1.
    const long double cosine = std::clamp(dotProduct / lengths, -1.0L, 1.0L);
    return double(std::acos(cosine) * geom::degreesPerRadian);
}

double angleBetween(const ObjectStore& store, const std::string& first, const std::string& second) {
    const SpaceObject* a = store.find(first);
    const SpaceObject* b = store.find(second);
    if (!isUsable(a) || !isUsable(b))
        return noResult;
    const Vector* da = directionOf(a);
    const Vector* db = directionOf(b);
    if (!da || !db)
        return noResult;
    const double angle = vectorAngle(*db, *da);
    if (angle == noResult)
        return noResult;
    // Against a plane the angle is measured to the plane itself, not to its normal.
    const bool onePlane = (a->type() == 3) != (b->type() == 3);
    return finished(onePlane ? 90.0 - angle : angle);
}

double distanceBetween(const ObjectStore& store, const std::string& first,
                       const std::string& second) {
    const SpaceObject* a = store.find(first);
    const SpaceObject* b = store.find(second);
    if (!isUsable(a) || !isUsable(b) || a->type() == 1 || b->type() == 1)
        return noResult;
    // Pairs are handled with the lower kind first: point before line before plane.
    if (a->type() > b->type())
        std::swap(a, b);
    if (a->type() == 0)
        return finished(pointAndOther(static_cast<const Point*>(a)->coordinates, b));
    if (a->type() == 2 && b->type() == 2)
        return finished(twoLines(*static_cast<const line*>(a), *static_cast<const line*>(b)));
    if (a->type() == 2)
        return finished(
            lineAndPlane(*static_cast<const line*>(a), *static_cast<const surface*>(b)));
    return finished(twoPlanes(*static_cast<const surface*>(a), *static_cast<const surface*>(b)));
}

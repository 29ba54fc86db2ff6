#include "geometry/intersection.h"

#include "geometry/description.h"
#include "geometry/line.h"
#include "geometry/numeric.h"
#include "geometry/surface.h"
#include "geometry/truedistance.h"
#include "geometry/usability.h"

#include <utility>

namespace {

const std::string resultName = "Intersection";

IntersectionResult errorResult() {
    IntersectionResult result;
    result.head.kind = intersection::errorKind;
    result.head.visible = true;
    result.head.name = "Err";
    return result;
}

bool usableOfKind(const SpaceObject* object, int kind) {
    return object && object->type() == kind && isUsable(object);
}

const vector4D& coordinatesOf(const SpaceObject* p) {
    return static_cast<const Point*>(p)->coordinates;
}

std::unique_ptr<SpaceObject> newLine(const Vector& direction, const Point& point) {
    auto result = std::make_unique<line>();
    result->setLine(point, direction);
    return result;
}

// Formulas near the tolerance can still overflow; such a result is no result.
std::unique_ptr<SpaceObject> finiteOnly(std::unique_ptr<SpaceObject> result) {
    if (result->type() != -2 && !isUsable(result.get()))
        return nullptr;
    return result;
}

} // namespace

int pointsEqual(const SpaceObject* a, const SpaceObject* b) {
    if (!usableOfKind(a, 0) || !usableOfKind(b, 0))
        return -2;
    const vector4D& p = coordinatesOf(a);
    const vector4D& q = coordinatesOf(b);
    return nearlyEqual(p.x(), q.x()) && nearlyEqual(p.y(), q.y()) && nearlyEqual(p.z(), q.z());
}

int pointOnLine(const SpaceObject* p, const SpaceObject* l) {
    if (!usableOfKind(p, 0) || !usableOfKind(l, 2))
        return -2;
    const auto* L = static_cast<const line*>(l);
    return pointOnLineWithin(coordinatesOf(p), L->point.coordinates, L->direction.coordinates);
}

int pointOnSurface(const SpaceObject* p, const SpaceObject* s) {
    if (!usableOfKind(p, 0) || !usableOfKind(s, 3))
        return -2;
    const auto* S = static_cast<const surface*>(s);
    return pointOnPlaneWithin(coordinatesOf(p), S->normal.coordinates, S->d);
}

std::unique_ptr<SpaceObject> intersectLines(const SpaceObject* a, const SpaceObject* b) {
    if (!usableOfKind(a, 2) || !usableOfKind(b, 2))
        return nullptr;
    const auto* A = static_cast<const line*>(a);
    const auto* B = static_cast<const line*>(b);
    const vector4D& dA = A->direction.coordinates;
    const vector4D& pA = A->point.coordinates;
    const vector4D& dB = B->direction.coordinates;
    const vector4D& pB = B->point.coordinates;

    if (parallelDirections(dA, dB)) {
        if (pointOnLineWithin(pB, pA, dA))
            return newLine(A->direction, A->point);
        return std::make_unique<empty_set>();
    }
    // The distance of pB from the plane through line A spanned by both directions.
    if (crossingLinesDistance(pA, dA, pB, dB) >= geom::tolerance)
        return std::make_unique<empty_set>();
    if (pointOnLineWithin(pB, pA, dA))
        return std::make_unique<Point>(pB);
    const double t = meetingParameter(pA, dA, pB, dB);
    return finiteOnly(std::make_unique<Point>(pB + dB * t));
}

std::unique_ptr<SpaceObject> intersectLineSurface(const SpaceObject* l, const SpaceObject* s) {
    if (!usableOfKind(l, 2) || !usableOfKind(s, 3))
        return nullptr;
    const auto* L = static_cast<const line*>(l);
    const auto* S = static_cast<const surface*>(s);
    const vector4D& dL = L->direction.coordinates;
    const vector4D& pL = L->point.coordinates;
    const vector4D& n = S->normal.coordinates;

    if (parallelToPlane(dL, n)) {
        if (pointOnPlaneWithin(pL, n, S->d))
            return newLine(L->direction, L->point);
        return std::make_unique<empty_set>();
    }
    const double t = -(dot(n, pL) + S->d) / dot(n, dL);
    return finiteOnly(std::make_unique<Point>(pL + dL * t));
}

std::unique_ptr<SpaceObject> intersectSurfaces(const SpaceObject* a, const SpaceObject* b) {
    if (!usableOfKind(a, 3) || !usableOfKind(b, 3))
        return nullptr;
    const auto* S1 = static_cast<const surface*>(a);
    const auto* S2 = static_cast<const surface*>(b);
    const vector4D& n1 = S1->normal.coordinates;
    const vector4D& n2 = S2->normal.coordinates;
    const vector4D& P2 = S2->point.coordinates;

    if (parallelDirections(n1, n2)) {
        if (!pointOnPlaneWithin(P2, n1, S1->d))
            return std::make_unique<empty_set>();
        auto plane = std::make_unique<surface>();
        plane->setPlane(S1->normal, S1->point);
        return finiteOnly(std::move(plane));
    }
    const Vector direction(cross(n1, n2));
    // A direction inside plane 2 across the line leads from P2 to the line.
    const vector4D across = cross(direction.coordinates, n2);
    const double t = -(dot(n1, P2) + S1->d) / dot(n1, across);
    return finiteOnly(newLine(direction, Point(P2 + across * t)));
}

IntersectionResult intersect(const ObjectStore& store, const std::string& first,
                             const std::string& second) {
    SpaceObject* a = store.find(first);
    SpaceObject* b = store.find(second);
    if (!isUsable(a) || !isUsable(b))
        return errorResult();
    // Mixed pairs are handled with the lower kind first: point before line before plane.
    const SpaceObject* lo = a;
    const SpaceObject* hi = b;
    if (lo->type() > hi->type())
        std::swap(lo, hi);

    IntersectionResult result;
    result.head.visible = true;
    result.head.name = resultName;
    if (lo->type() == 0) {
        const int kind = hi->type();
        const int truth = kind == 0   ? pointsEqual(lo, hi)
                          : kind == 2 ? pointOnLine(lo, hi)
                          : kind == 3 ? pointOnSurface(lo, hi)
                                      : -2;
        if (truth == -2)
            return errorResult();
        SpaceObject relation;
        relation.parents = {a, b};
        result.head.kind = intersection::relationKind;
        result.head.visible = truth == 1;
        result.rows = describeObject(store, &relation);
        return result;
    }

    std::unique_ptr<SpaceObject> r;
    if (lo->type() == 2 && hi->type() == 2)
        r = intersectLines(lo, hi);
    else if (lo->type() == 2 && hi->type() == 3)
        r = intersectLineSurface(lo, hi);
    else if (lo->type() == 3 && hi->type() == 3)
        r = intersectSurfaces(lo, hi);
    if (!r)
        return errorResult();
    r->parents = {a, b};
    r->name = resultName;
    r->visible = true;
    result.head.kind = r->type();
    if (r->type() == 0) {
        const vector4D& c = coordinatesOf(r.get());
        result.head.x = c.x();
        result.head.y = c.y();
        result.head.z = c.z();
    }
    result.rows = describeObject(store, r.get());
    return result;
}

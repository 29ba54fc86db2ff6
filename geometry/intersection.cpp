// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/intersection.h"

#include "geometry/description.h"
#include "geometry/line.h"
#include "geometry/numeric.h"
#include "geometry/surface.h"
#include "geometry/truedistance.h"
#include "geometry/usability.h"

#include <cmath>
#include <initializer_list>
#include <utility>

namespace {

const std::string resultName = "Intersection";

IntersectionResult errorResult(Refusal* why, Refusal reason) {
    tellRefusal(why, reason);
    IntersectionResult result;
    result.outcome = IntersectionResult::Outcome::Error;
    result.head.visible = true;
    result.head.name = "Err";
    return result;
}

// Null or another kind is a wrong pair; the right kind that cannot be computed with is
// degenerate.
bool fits(const SpaceObject* object, Kind kind, Refusal* why) {
    if (!object || object->type() != kind) {
        tellRefusal(why, Refusal::WrongKinds);
        return false;
    }
    if (!isUsable(object)) {
        tellRefusal(why, Refusal::Degenerate);
        return false;
    }
    return true;
}

bool usableOfKind(const SpaceObject* object, Kind kind) {
    return object && object->type() == kind && isUsable(object);
}

std::unique_ptr<SpaceObject> refused(Refusal* why, Refusal reason) {
    tellRefusal(why, reason);
    return nullptr;
}

bool allFinite(std::initializer_list<double> values) {
    for (double v : values)
        if (!std::isfinite(v))
            return false;
    return true;
}

const vector4D& coordinatesOf(const SpaceObject* p) {
    return static_cast<const Point*>(p)->coordinates;
}

std::unique_ptr<SpaceObject> newLine(const Vector& direction, const Point& point) {
    auto result = std::make_unique<line>();
    result->setLine(point, direction);
    return result;
}

bool finiteGeometry(const SpaceObject* object) {
    switch (object->type()) {
    case Kind::Line: {
        const auto* l = static_cast<const line*>(object);
        return l->direction.coordinates.isFinite() && l->point.coordinates.isFinite();
    }
    case Kind::Plane: {
        const auto* s = static_cast<const surface*>(object);
        return s->normal.coordinates.isFinite() && std::isfinite(s->d) &&
               s->u.coordinates.isFinite() && s->v.coordinates.isFinite() &&
               s->point.coordinates.isFinite();
    }
    default:
        return coordinatesOf(object).isFinite();
    }
}

// Formulas near the tolerance can still overflow; such a result is no result. A direction
// or normal that snapped to zero is degenerate.
std::unique_ptr<SpaceObject> finiteOnly(std::unique_ptr<SpaceObject> result, Refusal* why) {
    if (result->type() == Kind::Empty || isUsable(result.get()))
        return result;
    return refused(why, finiteGeometry(result.get()) ? Refusal::Degenerate : Refusal::TooLarge);
}

} // namespace

std::optional<bool> pointsEqual(const SpaceObject* a, const SpaceObject* b) {
    if (!usableOfKind(a, Kind::Point) || !usableOfKind(b, Kind::Point))
        return std::nullopt;
    const vector4D& p = coordinatesOf(a);
    const vector4D& q = coordinatesOf(b);
    return nearlyEqual(p.x(), q.x()) && nearlyEqual(p.y(), q.y()) && nearlyEqual(p.z(), q.z());
}

std::optional<bool> pointOnLine(const SpaceObject* p, const SpaceObject* l) {
    if (!usableOfKind(p, Kind::Point) || !usableOfKind(l, Kind::Line))
        return std::nullopt;
    const auto* L = static_cast<const line*>(l);
    return pointOnLineWithin(coordinatesOf(p), L->point.coordinates, L->direction.coordinates);
}

std::optional<bool> pointOnSurface(const SpaceObject* p, const SpaceObject* s) {
    if (!usableOfKind(p, Kind::Point) || !usableOfKind(s, Kind::Plane))
        return std::nullopt;
    const auto* S = static_cast<const surface*>(s);
    return pointOnPlaneWithin(coordinatesOf(p), S->normal.coordinates, S->d);
}

std::unique_ptr<SpaceObject> intersectLines(const SpaceObject* a, const SpaceObject* b,
                                            Refusal* why) {
    tellRefusal(why, Refusal::None);
    if (!fits(a, Kind::Line, why) || !fits(b, Kind::Line, why))
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
    // The distance of pB from the plane through line A spanned by both directions; beyond
    // the range of a double it is still no meeting.
    if (crossingLinesDistance(pA, dA, pB, dB) >= geom::tolerance)
        return std::make_unique<empty_set>();
    if (pointOnLineWithin(pB, pA, dA))
        return std::make_unique<Point>(pB);
    const double t = meetingParameter(pA, dA, pB, dB);
    if (!std::isfinite(t))
        return refused(why, Refusal::TooLarge);
    return finiteOnly(std::make_unique<Point>(pB + dB * t), why);
}

std::unique_ptr<SpaceObject> intersectLineSurface(const SpaceObject* l, const SpaceObject* s,
                                                  Refusal* why) {
    tellRefusal(why, Refusal::None);
    if (!fits(l, Kind::Line, why) || !fits(s, Kind::Plane, why))
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
    // An infinite n . dL would make t zero and put the point on the line's own point.
    const double offset = dot(n, pL) + S->d;
    const double rate = dot(n, dL);
    const double t = -offset / rate;
    if (!allFinite({offset, rate, t}))
        return refused(why, Refusal::TooLarge);
    return finiteOnly(std::make_unique<Point>(pL + dL * t), why);
}

std::unique_ptr<SpaceObject> intersectSurfaces(const SpaceObject* a, const SpaceObject* b,
                                               Refusal* why) {
    tellRefusal(why, Refusal::None);
    if (!fits(a, Kind::Plane, why) || !fits(b, Kind::Plane, why))
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
        // A filed copy is kept by its parts alone: take d from them, so it comes back exactly.
        plane->setParts(plane->normal, plane->u, plane->v, plane->point);
        return finiteOnly(std::move(plane), why);
    }
    const Vector direction(cross(n1, n2));
    // A direction inside plane 2 across the line leads from P2 to the line.
    const vector4D across = cross(direction.coordinates, n2);
    if (!direction.coordinates.isFinite() || !across.isFinite())
        return refused(why, Refusal::TooLarge);
    const double offset = dot(n1, P2) + S1->d;
    const double rate = dot(n1, across);
    const double t = -offset / rate;
    if (!allFinite({offset, rate, t}))
        return refused(why, Refusal::TooLarge);
    return finiteOnly(newLine(direction, Point(P2 + across * t)), why);
}

IntersectionResult intersect(const ObjectStore& store, const std::string& first,
                             const std::string& second, Refusal* why) {
    tellRefusal(why, Refusal::None);
    SpaceObject* a = store.find(first);
    SpaceObject* b = store.find(second);
    if (!a || !b)
        return errorResult(why, Refusal::UnknownName);
    if (!isUsable(a) || !isUsable(b))
        return errorResult(why, Refusal::Degenerate);
    // Mixed pairs are handled with the lower kind first: point before line before plane.
    const SpaceObject* lo = a;
    const SpaceObject* hi = b;
    if (lo->type() > hi->type())
        std::swap(lo, hi);

    IntersectionResult result;
    result.head.visible = true;
    result.head.name = resultName;
    if (lo->type() == Kind::Point) {
        const Kind kind = hi->type();
        const std::optional<bool> truth = kind == Kind::Point   ? pointsEqual(lo, hi)
                                          : kind == Kind::Line  ? pointOnLine(lo, hi)
                                          : kind == Kind::Plane ? pointOnSurface(lo, hi)
                                                                : std::nullopt;
        if (!truth)
            return errorResult(why, Refusal::WrongKinds);
        SpaceObject relation;
        relation.parents = {a, b};
        result.outcome = IntersectionResult::Outcome::Relation;
        result.holds = *truth;
        result.rows = describeObject(store, &relation);
        return result;
    }

    std::unique_ptr<SpaceObject> r;
    Refusal reason = Refusal::WrongKinds;
    if (lo->type() == Kind::Line && hi->type() == Kind::Line)
        r = intersectLines(lo, hi, &reason);
    else if (lo->type() == Kind::Line && hi->type() == Kind::Plane)
        r = intersectLineSurface(lo, hi, &reason);
    else if (lo->type() == Kind::Plane && hi->type() == Kind::Plane)
        r = intersectSurfaces(lo, hi, &reason);
    if (!r)
        return errorResult(why, reason);
    r->parents = {a, b};
    r->name = resultName;
    r->visible = true;
    result.outcome = r->type() == Kind::Empty ? IntersectionResult::Outcome::Empty
                                              : IntersectionResult::Outcome::Object;
    result.head.kind = r->type();
    if (r->type() == Kind::Point) {
        const vector4D& c = coordinatesOf(r.get());
        result.head.x = c.x();
        result.head.y = c.y();
        result.head.z = c.z();
    }
    result.rows = describeObject(store, r.get());
    return result;
}

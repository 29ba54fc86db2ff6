// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/construction.h"

#include "geometry/auxiliaryname.h"
#include "geometry/intersection.h"
#include "geometry/line.h"
#include "geometry/numeric.h"
#include "geometry/surface.h"
#include "geometry/truedistance.h"
#include "geometry/usability.h"

#include <cmath>
#include <initializer_list>
#include <memory>
#include <utility>
#include <vector>

namespace {

bool refuse(Refusal* why, Refusal reason) {
    tellRefusal(why, reason);
    return false;
}

// A plane built from usable operands can still come out unusable: with a zero normal the
// input was degenerate, otherwise a value overflowed on the way.
Refusal planeRefusal(const surface& plane) {
    return plane.normal.isZero() ? Refusal::Degenerate : Refusal::TooLarge;
}

// Every operand must be in the store and the new name free in every map. All later
// refusals happen before the first object is filed, so a refusal changes nothing.
Refusal checkNames(const ObjectStore& store, std::initializer_list<std::string> operands,
                   const std::string& name) {
    for (const std::string& operand : operands)
        if (!store.exists(operand))
            return Refusal::UnknownName;
    return store.exists(name) ? Refusal::NameTaken : Refusal::None;
}

const vector4D& coordinatesOf(const SpaceObject* p) {
    return static_cast<const Point*>(p)->coordinates;
}

// A hidden companion: a geometry-only copy, invisible, under a free name.
template <class T>
SpaceObject* fileHidden(ObjectStore& store, const T& geometry, const std::string& base) {
    auto object = std::make_unique<T>(geometry);
    object->name = auxiliaryName(store, base);
    SpaceObject* filed = object.get();
    store.insert(filed->type(), std::move(object));
    return filed;
}

bool fileVisible(ObjectStore& store, std::unique_ptr<SpaceObject> object, const std::string& name,
                 std::vector<SpaceObject*> parents, Refusal* why) {
    object->name = name;
    object->visible = true;
    object->parents = std::move(parents);
    const Kind kind = object->type();
    store.insert(kind, std::move(object));
    tellRefusal(why, Refusal::None);
    return true;
}

template <class T>
bool createFromCoordinates(ObjectStore& store, double x, double y, double z,
                           const std::string& name, Refusal* why) {
    if (store.exists(name))
        return refuse(why, Refusal::NameTaken);
    if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(z))
        return refuse(why, Refusal::Degenerate);
    return fileVisible(store, std::make_unique<T>(x, y, z), name, {}, why);
}

// The plane's u and v as hidden companions "u_" + name and "v_" + name, v first.
std::vector<SpaceObject*> fileSpanning(ObjectStore& store, const surface& plane,
                                       const std::string& name) {
    SpaceObject* v = fileHidden(store, plane.v, joinText("v_", name));
    SpaceObject* u = fileHidden(store, plane.u, joinText("u_", name));
    return {v, u};
}

} // namespace

bool createPoint(ObjectStore& store, double x, double y, double z, const std::string& name,
                 Refusal* why) {
    return createFromCoordinates<Point>(store, x, y, z, name, why);
}

bool createVector(ObjectStore& store, double x, double y, double z, const std::string& name,
                  Refusal* why) {
    return createFromCoordinates<Vector>(store, x, y, z, name, why);
}

bool createVectorFromPoints(ObjectStore& store, const std::string& first, const std::string& second,
                            const std::string& name, Refusal* why) {
    if (const Refusal r = checkNames(store, {first, second}, name); r != Refusal::None)
        return refuse(why, r);
    SpaceObject* a = store.find(first);
    SpaceObject* b = store.find(second);
    if (a->type() != Kind::Point || b->type() != Kind::Point)
        return refuse(why, Refusal::WrongKinds);
    if (!isUsable(a) || !isUsable(b))
        return refuse(why, Refusal::Degenerate);
    auto vector = std::make_unique<Vector>(coordinatesOf(b) - coordinatesOf(a));
    if (!vector->coordinates.isFinite())
        return refuse(why, Refusal::TooLarge);
    return fileVisible(store, std::move(vector), name, {a, b}, why);
}

bool createLine(ObjectStore& store, const std::string& first, const std::string& second,
                const std::string& name, Refusal* why) {
    if (const Refusal r = checkNames(store, {first, second}, name); r != Refusal::None)
        return refuse(why, r);
    SpaceObject* a = store.find(first);
    SpaceObject* b = store.find(second);
    const bool twoPoints = a->type() == Kind::Point && b->type() == Kind::Point;
    const bool pointAndVector = (a->type() == Kind::Point && b->type() == Kind::Vector) ||
                                (a->type() == Kind::Vector && b->type() == Kind::Point);
    if (!twoPoints && !pointAndVector)
        return refuse(why, Refusal::WrongKinds);
    if (!isUsable(a) || !isUsable(b))
        return refuse(why, Refusal::Degenerate);
    const auto* point = static_cast<const Point*>(a->type() == Kind::Point ? a : b);
    const Vector direction = twoPoints
                                 ? Vector(coordinatesOf(b) - coordinatesOf(a))
                                 : *static_cast<const Vector*>(a->type() == Kind::Vector ? a : b);
    if (!direction.coordinates.isFinite())
        return refuse(why, Refusal::TooLarge);
    auto result = std::make_unique<line>();
    result->setLine(*point, direction);
    if (!result->isValid())
        return refuse(why, Refusal::Degenerate);

    std::vector<SpaceObject*> parents{a, b};
    if (twoPoints)
        parents.insert(parents.begin(),
                       fileHidden(store, result->direction, joinText(name, "_sv")));
    return fileVisible(store, std::move(result), name, std::move(parents), why);
}

bool createSurfaceFromPointAndNormal(ObjectStore& store, const std::string& first,
                                     const std::string& second, const std::string& name,
                                     Refusal* why) {
    if (const Refusal r = checkNames(store, {first, second}, name); r != Refusal::None)
        return refuse(why, r);
    SpaceObject* a = store.find(first);
    SpaceObject* b = store.find(second);
    const bool pointFirst = a->type() == Kind::Point && b->type() == Kind::Vector;
    if (!pointFirst && !(a->type() == Kind::Vector && b->type() == Kind::Point))
        return refuse(why, Refusal::WrongKinds);
    if (!isUsable(a) || !isUsable(b))
        return refuse(why, Refusal::Degenerate);
    const auto* point = static_cast<const Point*>(pointFirst ? a : b);
    const auto* normal = static_cast<const Vector*>(pointFirst ? b : a);
    auto plane = std::make_unique<surface>();
    // As the file rebuilds it from these two.
    plane->setPlaneKeepingPoint(*normal, *point);
    if (!plane->isValid())
        return refuse(why, planeRefusal(*plane));

    std::vector<SpaceObject*> parents = fileSpanning(store, *plane, name);
    parents.insert(parents.end(), {a, b});
    return fileVisible(store, std::move(plane), name, std::move(parents), why);
}

bool createSurfaceFromThree(ObjectStore& store, const std::string& first, const std::string& second,
                            const std::string& third, const std::string& name, Refusal* why) {
    if (const Refusal r = checkNames(store, {first, second, third}, name); r != Refusal::None)
        return refuse(why, r);
    SpaceObject* a = store.find(first);
    SpaceObject* b = store.find(second);
    SpaceObject* c = store.find(third);
    const auto vectorOf = [](const SpaceObject* o) { return *static_cast<const Vector*>(o); };
    const auto kindsAre = [&](Kind first, Kind second, Kind third) {
        return a->type() == first && b->type() == second && c->type() == third;
    };
    constexpr Kind P = Kind::Point, V = Kind::Vector;
    const bool threePoints = kindsAre(P, P, P);
    // The plane is spanned by "along" then "across" through "at".
    Vector along, across;
    const SpaceObject* at = nullptr;
    if (threePoints) {
        along = Vector(coordinatesOf(b) - coordinatesOf(a));
        across = Vector(coordinatesOf(c) - coordinatesOf(b));
        at = a;
    } else if (kindsAre(V, V, P)) {
        along = vectorOf(b);
        across = vectorOf(a);
        at = c;
    } else if (kindsAre(V, P, V)) {
        along = vectorOf(c);
        across = vectorOf(a);
        at = b;
    } else if (kindsAre(P, V, V)) {
        along = vectorOf(c);
        across = vectorOf(b);
        at = a;
    } else {
        return refuse(why, Refusal::WrongKinds);
    }
    if (!isUsable(a) || !isUsable(b) || !isUsable(c))
        return refuse(why, Refusal::Degenerate);
    // Differences of far-apart points can overflow before any plane is made.
    if (!along.coordinates.isFinite() || !across.coordinates.isFinite())
        return refuse(why, Refusal::TooLarge);
    if (parallelDirections(along.coordinates, across.coordinates))
        return refuse(why, Refusal::Degenerate);
    auto plane = std::make_unique<surface>();
    plane->setPlane(along, across, *static_cast<const Point*>(at));
    if (!plane->isValid())
        return refuse(why, planeRefusal(*plane));

    std::vector<SpaceObject*> parents;
    if (threePoints)
        parents = fileSpanning(store, *plane, name);
    parents.push_back(fileHidden(store, plane->normal, joinText("n_", name)));
    parents.insert(parents.end(), {a, b, c});
    return fileVisible(store, std::move(plane), name, std::move(parents), why);
}

bool createSurfaceFromEquation(ObjectStore& store, const std::string& vector, double d,
                               const std::string& name, Refusal* why) {
    if (const Refusal r = checkNames(store, {vector}, name); r != Refusal::None)
        return refuse(why, r);
    SpaceObject* normal = store.find(vector);
    if (normal->type() != Kind::Vector)
        return refuse(why, Refusal::WrongKinds);
    if (!isUsable(normal) || !std::isfinite(d))
        return refuse(why, Refusal::Degenerate);
    auto plane = std::make_unique<surface>();
    const Vector& n = *static_cast<const Vector*>(normal);
    plane->setPlane(n, d);
    // The file keeps the plane by n and its point B_: settle d on the value that point
    // gives back (a rounding step or two from the one typed).
    for (int pass = 0; pass < 3 && plane->isValid(); ++pass)
        plane->setPlaneKeepingPoint(n, Point(plane->point));
    if (!plane->isValid())
        return refuse(why, planeRefusal(*plane));

    std::vector<SpaceObject*> parents = fileSpanning(store, *plane, name);
    parents.push_back(fileHidden(store, plane->point, joinText("B_", name)));
    parents.push_back(normal);
    return fileVisible(store, std::move(plane), name, std::move(parents), why);
}

bool createIntersection(ObjectStore& store, const std::string& first, const std::string& second,
                        const std::string& name, Refusal* why) {
    if (const Refusal r = checkNames(store, {first, second}, name); r != Refusal::None)
        return refuse(why, r);
    const SpaceObject* a = store.find(first);
    const SpaceObject* b = store.find(second);
    std::unique_ptr<SpaceObject> result;
    Refusal reason = Refusal::None;
    const Kind ka = a->type(), kb = b->type();
    if (ka == Kind::Line && kb == Kind::Line)
        result = intersectLines(a, b, &reason);
    else if (ka == Kind::Line && kb == Kind::Plane)
        result = intersectLineSurface(a, b, &reason);
    else if (ka == Kind::Plane && kb == Kind::Line)
        result = intersectLineSurface(b, a, &reason);
    else if (ka == Kind::Plane && kb == Kind::Plane)
        result = intersectSurfaces(a, b, &reason);
    else
        return refuse(why, Refusal::WrongKinds);
    if (!result)
        return refuse(why, reason);
    if (result->type() == Kind::Empty)
        return refuse(why, Refusal::NoCommonPoint);

    std::vector<SpaceObject*> parents;
    if (result->type() == Kind::Line) {
        const auto* l = static_cast<const line*>(result.get());
        parents.push_back(fileHidden(store, l->direction, joinText("v_", name)));
        parents.push_back(fileHidden(store, l->point, joinText("P_", name)));
    } else if (result->type() == Kind::Plane) {
        const auto* s = static_cast<const surface*>(result.get());
        const std::vector<SpaceObject*> vu = fileSpanning(store, *s, name);
        SpaceObject* n = fileHidden(store, s->normal, joinText("n_", name));
        parents = {n, vu[1], vu[0], fileHidden(store, s->point, joinText("P_", name))};
    }
    return fileVisible(store, std::move(result), name, std::move(parents), why);
}

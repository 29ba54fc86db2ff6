#pragma once

#include "geometry/objectstore.h"
#include "geometry/objectsummary.h"
#include "geometry/usability.h"

#include <memory>
#include <string>
#include <vector>

// The answer of intersect: head.kind is one of the codes below; rows describe the
// result object (its equations, then the two operands as its parents).
struct IntersectionResult {
    ObjectSummary head;
    std::vector<ObjectSummary> rows;
};

namespace intersection {
constexpr int errorKind = -1; // unknown name, unsupported pair, degenerate operand, overflow
constexpr int emptyKind = -2; // no common point
constexpr int pointKind = 0;
constexpr int lineKind = 2;
constexpr int planeKind = 3;    // coincident planes
constexpr int relationKind = 7; // head.visible carries the truth of the relation
} // namespace intersection

// Two lines, a line and a plane or two planes give their intersection; a point with a
// point, line or plane gives the relation; anything else is the error result, whose
// reason goes to *why when given (None for every other result).
IntersectionResult intersect(const ObjectStore& store, const std::string& first,
                             const std::string& second, Refusal* why = nullptr);

// Relations: -2 when the operands are not of the accepted kinds (or are degenerate),
// 0 false, 1 true. Incidence is decided on true distances below the tolerance.
int pointsEqual(const SpaceObject* a, const SpaceObject* b);
int pointOnLine(const SpaceObject* p, const SpaceObject* l);
int pointOnSurface(const SpaceObject* p, const SpaceObject* s);

// A new unnamed, invisible Point, line, surface or empty_set owned by the caller. Null,
// with the reason in *why when given, on wrong kinds, degenerate operands, or a result or
// intermediate value that overflows (TooLarge).
std::unique_ptr<SpaceObject> intersectLines(const SpaceObject* a, const SpaceObject* b,
                                            Refusal* why = nullptr);
std::unique_ptr<SpaceObject> intersectLineSurface(const SpaceObject* l, const SpaceObject* s,
                                                  Refusal* why = nullptr);
std::unique_ptr<SpaceObject> intersectSurfaces(const SpaceObject* a, const SpaceObject* b,
                                               Refusal* why = nullptr);

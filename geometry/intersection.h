// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/objectstore.h"
#include "geometry/objectsummary.h"
#include "geometry/usability.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

// The answer of intersect. Error: an unknown name, an unsupported pair, a degenerate
// operand or an overflow. Empty: no common point. Object: a point, a line, or the plane of
// two coincident planes. Relation: the truth of a point's relation to the other operand.
// rows describe the result (an object's equations, then the two operands as its parents).
struct IntersectionResult {
    enum class Outcome { Error, Empty, Object, Relation };
    Outcome outcome = Outcome::Error;
    bool holds = false; // Relation: whether it is true
    ObjectSummary head; // Object: the new object's kind (Point, Line or Plane) and point
    std::vector<ObjectSummary> rows;
};

// Two lines, a line and a plane or two planes give their intersection; a point with a
// point, line or plane gives the relation; anything else is the error result, whose
// reason goes to *why when given (None for every other result).
IntersectionResult intersect(const ObjectStore& store, const std::string& first,
                             const std::string& second, Refusal* why = nullptr);

// Relations: none when the operands are not of the accepted kinds (or are degenerate).
// Incidence is decided on true distances below the tolerance.
std::optional<bool> pointsEqual(const SpaceObject* a, const SpaceObject* b);
std::optional<bool> pointOnLine(const SpaceObject* p, const SpaceObject* l);
std::optional<bool> pointOnSurface(const SpaceObject* p, const SpaceObject* s);

// A new unnamed, invisible Point, line, surface or empty_set owned by the caller. Null,
// with the reason in *why when given, on wrong kinds, degenerate operands, or a result or
// intermediate value that overflows (TooLarge).
std::unique_ptr<SpaceObject> intersectLines(const SpaceObject* a, const SpaceObject* b,
                                            Refusal* why = nullptr);
std::unique_ptr<SpaceObject> intersectLineSurface(const SpaceObject* l, const SpaceObject* s,
                                                  Refusal* why = nullptr);
std::unique_ptr<SpaceObject> intersectSurfaces(const SpaceObject* a, const SpaceObject* b,
                                               Refusal* why = nullptr);

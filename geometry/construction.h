// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/objectstore.h"
#include "geometry/usability.h"

#include <string>

// Each construction files a new visible object under name together with its hidden
// companions (named by auxiliaryName) and returns true. On refusal it returns false,
// sets *why when given, and leaves the store exactly as it was. Input that is not finite
// is Degenerate; a result or intermediate value that overflows is TooLarge.

bool createPoint(ObjectStore& store, double x, double y, double z, const std::string& name,
                 Refusal* why = nullptr);
bool createVector(ObjectStore& store, double x, double y, double z, const std::string& name,
                  Refusal* why = nullptr);
// second - first; a zero vector is a legal vector.
bool createVectorFromPoints(ObjectStore& store, const std::string& first, const std::string& second,
                            const std::string& name, Refusal* why = nullptr);
// Through two points (companion name + "_sv" holds the direction), or through a point
// along a vector, in either order.
bool createLine(ObjectStore& store, const std::string& first, const std::string& second,
                const std::string& name, Refusal* why = nullptr);
// A point and a normal vector in either order.
bool createSurfaceFromPointAndNormal(ObjectStore& store, const std::string& first,
                                     const std::string& second, const std::string& name,
                                     Refusal* why = nullptr);
// Three points, or a point and two vectors in any order; with vectors the later one in
// argument order comes first in the cross product that gives the normal.
bool createSurfaceFromThree(ObjectStore& store, const std::string& first, const std::string& second,
                            const std::string& third, const std::string& name,
                            Refusal* why = nullptr);
// The plane vector . X + d = 0.
bool createSurfaceFromEquation(ObjectStore& store, const std::string& vector, double d,
                               const std::string& name, Refusal* why = nullptr);
// Files the intersection of two lines, a line and a plane or two planes. An empty
// intersection is refused as NoCommonPoint.
bool createIntersection(ObjectStore& store, const std::string& first, const std::string& second,
                        const std::string& name, Refusal* why = nullptr);

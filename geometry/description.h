// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/objectstore.h"
#include "geometry/objectsummary.h"
#include "geometry/point.h"
#include "geometry/vector.h"

#include <string>
#include <vector>

// The equation records of the object (line: parametric; plane: general, then
// parametric), then one record per parent in parent order; a point or vector parent at the
// coordinates of a plane's normal is a NormalVector row. Null gives an empty list.
std::vector<ObjectSummary> describeObject(const ObjectStore& store, const SpaceObject* object);
std::vector<ObjectSummary> describeObjectByName(const ObjectStore& store, const std::string& name);

// "{x= 1; y= +3k; z= -2 -1k; }"; an axis with nothing else reads "y= 0", and a line
// whose point and direction are zero "{}".
std::string lineEquation(const Point& P, const Vector& V);
// As the line's, with a "k" term for v and an "l" term for u.
std::string planeParametricEquation(const Point& P, const Vector& u, const Vector& v);
// "1x +2y -3z +4 = 0".
std::string planeGeneralEquation(const Vector& n, double d);

// The equation a parent's record shows beside its name: a line's parametric, a plane's
// general one, from its geometry alone (describing it would list its own parents as well,
// which made long files quadratic). Empty for any but an object row, and when the store
// holds no line or plane of that record's name and kind.
std::string parentEquation(const ObjectStore& store, const ObjectSummary& record);

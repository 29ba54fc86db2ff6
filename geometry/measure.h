#pragma once

#include "geometry/objectstore.h"
#include "geometry/usability.h"
#include "geometry/vector.h"

#include <string>

// The value of an angle or distance that cannot be computed: an unknown name, a pair of
// kinds without an angle or distance, a degenerate operand, or numbers too large for a
// double. The reason goes to *why when given (None with a result).
constexpr double noResult = 400.0;

// Angle of two vectors in degrees, 0 to 180; noResult when either is zero or not finite.
double vectorAngle(const Vector& a, const Vector& b);

// Between the directions and normals of lines, planes and vectors, in degrees: 0 to 180
// for two of a kind, -90 to 90 between a plane and a line or vector. Snapped to an
// integer within the tolerance.
double angleBetween(const ObjectStore& store, const std::string& first, const std::string& second,
                    Refusal* why = nullptr);
// The true distance of points, lines and planes in any combination, snapped to an
// integer within the tolerance; the same bits in either order.
double distanceBetween(const ObjectStore& store, const std::string& first,
                       const std::string& second, Refusal* why = nullptr);

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/objectstore.h"
#include "geometry/usability.h"
#include "geometry/vector.h"

#include <optional>
#include <string>

// Angle of two vectors in degrees, 0 to 180; none when either is zero or not finite.
std::optional<double> vectorAngle(const Vector& a, const Vector& b);

// An angle or distance is none when it cannot be computed: an unknown name, a pair of
// kinds without an angle or distance, a degenerate operand, or numbers too large for a
// double. The reason goes to *why when given (None with a result).

// Between the directions and normals of lines, planes and vectors, in degrees: 0 to 180
// for two of a kind, -90 to 90 between a plane and a line or vector. Snapped to an
// integer within the tolerance.
std::optional<double> angleBetween(const ObjectStore& store, const std::string& first,
                                   const std::string& second, Refusal* why = nullptr);
// The true distance of points, lines and planes in any combination, snapped to an
// integer within the tolerance; the same bits in either order.
std::optional<double> distanceBetween(const ObjectStore& store, const std::string& first,
                                      const std::string& second, Refusal* why = nullptr);

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/vector4d.h"

// Unsnapped distances between points, lines (point q, direction d) and planes
// (n . X + d = 0), and the tolerance decisions built on them. Snapped arithmetic would
// move the operands by up to the tolerance itself, so none of it is used here. For finite
// operands nothing overflows on the way; a value beyond the range of a double comes back
// infinite, which the decisions read as "far apart".

double pointDistance(const vector4D& a, const vector4D& b);
// Distance of p from the line through q along the non-zero direction d.
double pointLineDistance(const vector4D& p, const vector4D& q, const vector4D& d);
// Distance of p from the plane n . X + c = 0, n non-zero.
double pointPlaneDistance(const vector4D& p, const vector4D& n, double c);
// Distance of two lines whose directions are not parallel.
double crossingLinesDistance(const vector4D& pA, const vector4D& dA, const vector4D& pB,
                             const vector4D& dB);

// The cross product of the unit vectors is shorter than the tolerance. A zero vector
// has no direction and counts as parallel to everything.
bool parallelDirections(const vector4D& a, const vector4D& b);
// The direction d is parallel to a plane with normal n: the cosine of their angle is
// below the tolerance.
bool parallelToPlane(const vector4D& d, const vector4D& n);

bool pointOnLineWithin(const vector4D& p, const vector4D& q, const vector4D& d);
bool pointOnPlaneWithin(const vector4D& p, const vector4D& n, double c);

// For two crossing lines in one plane: the parameter t of line B (pB + t . dB) at
// which it meets line A, computed against the plane through line A across their plane.
double meetingParameter(const vector4D& pA, const vector4D& dA, const vector4D& pB,
                        const vector4D& dB);

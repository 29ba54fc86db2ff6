// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/vector.h"

#include <vector>

// A plane: normal . X + d = 0, spanned by u and v through point.
class surface : public SpaceObject {
public:
    surface() = default;
    // Copies take geometry and parents; assignment keeps the target's name and flag.
    surface(const surface& other);
    surface& operator=(const surface& other);

    Kind type() const override { return Kind::Plane; }
    void draw() const override;

    void setPlane(const Vector& n, double d);
    void setPlane(const Vector& n, const Point& P);
    void setPlane(const Vector& a, const Vector& b, const Point& P);
    void setPlane(const Point& A, const Point& B, const Point& C);
    // The plane of normal n through P, as setPlane(n, P), except when P is a point that
    // setPlane(n, d) puts on an axis: then d is the constant, within a few rounding steps of
    // -n.P, that puts it back there exactly. A plane from a normal and D keeps only that
    // point, and comes back from it the same.
    void setPlaneKeepingPoint(const Vector& n, const Point& P);
    // Takes the parts as they are, with d = -n . P: a plane kept only by its normal,
    // spanning vectors and point (a filed intersection of two planes) comes back exactly.
    void setParts(const Vector& n, const Vector& spanU, const Vector& spanV, const Point& P);

    // A usable plane has a finite, non-zero normal and finite parameters.
    bool isValid() const;

    Vector normal;
    double d = 0.0;
    Vector u;
    Vector v;
    Point point;
    // Which parents a session file marked as the normal, as read, so that saving the plane
    // again marks them alike and it is rebuilt the same way. Empty for a plane built here:
    // the writer then marks the vector parents along the normal.
    std::vector<bool> normalMarks;

private:
    void copyGeometry(const surface& other);
};

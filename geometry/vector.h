// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/point.h"

// A free vector: the inherited coordinates are its components; start is where the
// 3D view anchors its arrow.
class Vector : public Point {
public:
    Vector() = default;
    Vector(double x, double y, double z) : Point(x, y, z) {}
    explicit Vector(const vector4D& c) : Point(c) {}
    Vector(const Vector& other) : Point(other), start(other.start) {}
    Vector& operator=(const Vector& other) {
        Point::operator=(other);
        start = other.start;
        return *this;
    }

    Kind type() const override { return Kind::Vector; }
    void draw() const override;

    void setStart(double x, double y, double z) { start = vector4D(x, y, z, 0.0); }
    void resetStart() { start = vector4D(); }
    void simplify() { coordinates.simplify(); }
    bool isZero() const;

    // Angle of the two vectors in degrees.
    static double angleDegrees(const Vector& a, const Vector& b);

    vector4D start;
};

Vector operator*(const Vector& a, const Vector& b); // cross product
Vector operator-(const Vector& a, const Vector& b); // snapped difference

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/spaceobject.h"
#include "geometry/vector4d.h"

class Point : public SpaceObject {
public:
    Point() = default;
    Point(double x, double y, double z) : coordinates(x, y, z, 0.0) {}
    explicit Point(const vector4D& c) : coordinates(c) {}
    // A copy takes the geometry only: no name, invisible, no parents.
    Point(const Point& other) : SpaceObject(), coordinates(other.coordinates) {}
    Point& operator=(const Point& other) {
        coordinates = other.coordinates;
        return *this;
    }

    Kind type() const override { return Kind::Point; }
    void draw() const override;

    // Snapped length of a - b.
    static double distance(const Point& a, const Point& b);

    vector4D coordinates;
};

Point operator*(const Point& p, double k);
Point operator+(const Point& p, const Point& q);

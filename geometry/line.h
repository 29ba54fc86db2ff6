// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/vector.h"

// The set point + k * direction.
class line : public SpaceObject {
public:
    Kind type() const override { return Kind::Line; }
    void draw() const override;

    void setLine(const Point& P, const Vector& V);
    // A usable line has a finite, non-zero direction and a finite point.
    bool isValid() const;

    Vector direction;
    Point point;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>

// A plain double triple for drawing maths; unlike vector4D it never snaps, so drawn
// positions stay exactly where the arithmetic puts them.
struct Vec3 {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;

    Vec3 operator+(const Vec3& o) const { return {x + o.x, y + o.y, z + o.z}; }
    Vec3 operator-(const Vec3& o) const { return {x - o.x, y - o.y, z - o.z}; }
    Vec3 operator*(double k) const { return {x * k, y * k, z * k}; }
    bool operator==(const Vec3& o) const { return x == o.x && y == o.y && z == o.z; }

    double length() const { return std::sqrt(x * x + y * y + z * z); }
    bool isFinite() const { return std::isfinite(x) && std::isfinite(y) && std::isfinite(z); }
};

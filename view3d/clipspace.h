// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "view3d/vec3.h"

#include <array>

// Where a world point lands before the perspective divide, for a camera as GL hands it out.
class ClipSpace {
public:
    using Clip = std::array<double, 4>;

    // A corner of a polygon being cut.
    struct Corner {
        Clip clip;
        // Made where a cut crossed an edge, not a corner of the polygon as given.
        bool made = false;
    };

    // A convex polygon: a quadrilateral cut by up to five planes, one more corner a plane.
    struct Polygon {
        static constexpr int most = 9;
        std::array<Corner, most> corners{};
        int count = 0;
        void push(const Corner& c) { corners[size_t(count++)] = c; }
    };

    // Matrices column-major, as glGetDoublev gives them.
    ClipSpace(const double* modelView, const double* projection);

    Clip operator()(const Vec3& p) const;
    // The corners in order around the quadrilateral.
    Polygon polygon(const std::array<Vec3, 4>& corners) const;

    // The part of the polygon where side(clip) >= 0, as GL cuts at a clip plane.
    template <class Side> static Polygon cut(const Polygon& in, Side side) {
        Polygon out;
        for (int i = 0; i < in.count; ++i) {
            const Corner& a = in.corners[size_t(i)];
            const Corner& b = in.corners[size_t((i + 1) % in.count)];
            const double da = side(a.clip);
            const double db = side(b.clip);
            if (da >= 0.0)
                out.push(a);
            if ((da >= 0.0) != (db >= 0.0)) {
                const double t = da / (da - db);
                Corner between;
                for (size_t k = 0; k < 4; ++k)
                    between.clip[k] = a.clip[k] + (b.clip[k] - a.clip[k]) * t;
                between.made = true;
                out.push(between);
            }
        }
        return out;
    }
    // In front of the near plane, where w is positive.
    static Polygon cutAtNear(const Polygon& in) {
        return cut(in, [](const Clip& c) { return c[2] + c[3]; });
    }

private:
    double matrix_[16];
};

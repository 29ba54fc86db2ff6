// SPDX-License-Identifier: GPL-3.0-or-later
#include "view3d/clipspace.h"

ClipSpace::ClipSpace(const double* modelView, const double* projection) {
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r) {
            double sum = 0.0;
            for (int k = 0; k < 4; ++k)
                sum += projection[k * 4 + r] * modelView[c * 4 + k];
            matrix_[c * 4 + r] = sum;
        }
}

ClipSpace::Clip ClipSpace::operator()(const Vec3& p) const {
    Clip c;
    for (int r = 0; r < 4; ++r)
        c[size_t(r)] =
            matrix_[r] * p.x + matrix_[4 + r] * p.y + matrix_[8 + r] * p.z + matrix_[12 + r];
    return c;
}

ClipSpace::Polygon ClipSpace::polygon(const std::array<Vec3, 4>& corners) const {
    Polygon p;
    for (const Vec3& c : corners)
        p.push({(*this)(c)});
    return p;
}

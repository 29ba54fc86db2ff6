// SPDX-License-Identifier: GPL-3.0-or-later
#include "view3d/screenscale.h"

#include <limits>

ScreenScale::ScreenScale(const double* modelView, const double* projection, int viewportHeight) {
    // Row 3 of projection times model-view.
    for (int c = 0; c < 4; ++c) {
        depthRow_[c] = 0.0;
        for (int k = 0; k < 4; ++k)
            depthRow_[c] += projection[k * 4 + 3] * modelView[c * 4 + k];
    }
    pixelsPerUnitAtUnitDepth_ = projection[5] * viewportHeight / 2.0;
}

double ScreenScale::pixelRadius(const Vec3& centre, double radius) const {
    const double w =
        depthRow_[0] * centre.x + depthRow_[1] * centre.y + depthRow_[2] * centre.z + depthRow_[3];
    if (!(w > 0.0))
        return std::numeric_limits<double>::infinity();
    return radius * pixelsPerUnitAtUnitDepth_ / w;
}

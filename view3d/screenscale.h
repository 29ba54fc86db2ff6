// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "view3d/vec3.h"

// How large things near a place look on screen under a perspective camera that moves and
// turns but does not scale: built from the model-view and projection matrices
// (column-major, as GL hands them out) and the viewport's height in pixels.
class ScreenScale {
public:
    ScreenScale(const double* modelView, const double* projection, int viewportHeight);

    // The radius in pixels that a sphere of the given radius around centre spans near the
    // middle of the view; infinite when the centre is not in front of the eye.
    double pixelRadius(const Vec3& centre, double radius) const;

private:
    // The clip w of a world point is depthRow . (x, y, z, 1).
    double depthRow_[4];
    double pixelsPerUnitAtUnitDepth_;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "view3d/vec3.h"

// The view's camera on a sphere around the origin: yaw turns about the y axis, pitch
// raises the eye above the x-z plane, distance is the radius. Angles in degrees.
struct Camera {
    static constexpr double minDistance = 1.0;
    // Well inside the far clipping plane, so the scene around the origin stays in view.
    static constexpr double maxDistance = 50.0;
    static constexpr double zoomStep = 0.2;
    static constexpr double animationStep = 0.5;

    double yaw = 0.0;
    double pitch = 0.0;
    double distance = 10.0;

    // Yaw above 360 wraps to 0, below 0 to 360; pitch is clamped to -90..90.
    void normalise();
    // One drag step: a pixel is a degree; moving the mouse down raises the eye.
    void turn(int dx, int dy);
    // One wheel step whatever the size of the delta, kept within minDistance and maxDistance;
    // false for a zero delta.
    bool zoom(int wheelDelta);
    // One step of the automatic turning.
    void advance();

    Vec3 eye() const;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#include "view3d/camera.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double radiansPerDegree = 0.017453292519943295;
}

void Camera::normalise() {
    if (yaw > 360.0)
        yaw = 0.0;
    else if (yaw < 0.0)
        yaw = 360.0;
    if (pitch > 90.0)
        pitch = 90.0;
    if (pitch < -90.0)
        pitch = -90.0;
}

void Camera::turn(int dx, int dy) {
    yaw += dx;
    pitch += dy;
    // Clamped at once, so dragging past the pole does nothing and dragging back acts
    // immediately, whether or not a frame was drawn in between.
    normalise();
}

bool Camera::zoom(int wheelDelta) {
    if (wheelDelta == 0)
        return false;
    distance += wheelDelta < 0 ? zoomStep : -zoomStep;
    distance = std::clamp(distance, minDistance, maxDistance);
    return true;
}

void Camera::advance() {
    yaw += animationStep;
    if (yaw > 360.0)
        yaw = 0.0;
}

Vec3 Camera::eye() const {
    const double a = -yaw * radiansPerDegree;
    const double b = pitch * radiansPerDegree;
    return {std::sin(a) * std::cos(b) * distance, std::sin(b) * distance,
            std::cos(a) * std::cos(b) * distance};
}

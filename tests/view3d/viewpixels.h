// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>

#include <cmath>

// The side of the views the pixel tests read back.
inline constexpr int viewSize = 400;

// Where the default camera (yaw 0, pitch 0) shows a point at the given depth.
inline QPoint screenOf(double x, double y, double depth) {
    const double focal = viewSize / 2.0 / std::tan(22.5 * M_PI / 180.0);
    return {int(std::lround(viewSize / 2.0 + x * focal / depth)),
            int(std::lround(viewSize / 2.0 - y * focal / depth))};
}

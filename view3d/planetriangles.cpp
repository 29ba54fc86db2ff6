// SPDX-License-Identifier: GPL-3.0-or-later
#include "view3d/planetriangles.h"

#include <algorithm>
#include <cmath>

using Clip = ClipSpace::Clip;

PlaneTriangles::PlaneTriangles(const double* modelView, const double* projection,
                               const int* viewport)
    : toClip_(modelView, projection) {
    std::copy(viewport, viewport + 4, viewport_);
}

void PlaneTriangles::addVertex(const Clip& c, const std::array<GLfloat, 4>& colour) {
    positions_.insert(positions_.end(),
                      {GLfloat(c[0]), GLfloat(c[1]), GLfloat(c[2]), GLfloat(c[3])});
    colours_.insert(colours_.end(), colour.begin(), colour.end());
}

void PlaneTriangles::addFan(const ClipSpace::Polygon& polygon,
                            const std::array<GLfloat, 4>& colour) {
    for (int i = 1; i + 1 < polygon.count; ++i) {
        addVertex(polygon.corners[0].clip, colour);
        addVertex(polygon.corners[size_t(i)].clip, colour);
        addVertex(polygon.corners[size_t(i + 1)].clip, colour);
    }
}

void PlaneTriangles::addFill(const std::array<Vec3, 4>& corners,
                             const std::array<GLfloat, 4>& colour) {
    addFan(ClipSpace::cutAtNear(toClip_.polygon(corners)), colour);
}

void PlaneTriangles::addFill(const std::array<Vec3, 4>& corners,
                             const std::vector<Occlusion::Rect>& rects,
                             const std::array<GLfloat, 4>& colour) {
    // The near plane first: in front of it w is positive, so that the sides below, taken as
    // x >= a * w and the like, bound what is on screen and nothing behind the eye.
    const ClipSpace::Polygon inFront = ClipSpace::cutAtNear(toClip_.polygon(corners));
    for (const Occlusion::Rect& r : rects) {
        // The rectangle's edges as normalised device coordinates.
        const double left = 2.0 * (r.x - viewport_[0]) / viewport_[2] - 1.0;
        const double right = 2.0 * (r.x + r.width - viewport_[0]) / viewport_[2] - 1.0;
        const double bottom = 2.0 * (r.y - viewport_[1]) / viewport_[3] - 1.0;
        const double top = 2.0 * (r.y + r.height - viewport_[1]) / viewport_[3] - 1.0;
        ClipSpace::Polygon p = inFront;
        p = ClipSpace::cut(p, [left](const Clip& c) { return c[0] - left * c[3]; });
        p = ClipSpace::cut(p, [right](const Clip& c) { return right * c[3] - c[0]; });
        p = ClipSpace::cut(p, [bottom](const Clip& c) { return c[1] - bottom * c[3]; });
        p = ClipSpace::cut(p, [top](const Clip& c) { return top * c[3] - c[1]; });
        addFan(p, colour);
    }
}

void PlaneTriangles::addOutline(const std::array<Vec3, 4>& corners,
                                const std::array<GLfloat, 4>& colour) {
    const ClipSpace::Polygon p = ClipSpace::cutAtNear(toClip_.polygon(corners));
    // Half a pixel in normalised device coordinates, across and up.
    const double halfX = 1.0 / viewport_[2];
    const double halfY = 1.0 / viewport_[3];
    for (int i = 0; i < p.count; ++i) {
        const ClipSpace::Corner& a = p.corners[size_t(i)];
        const ClipSpace::Corner& b = p.corners[size_t((i + 1) % p.count)];
        // Where the near plane cut the patch it has no edge.
        if (a.made && b.made)
            continue;
        const double dx = (b.clip[0] / b.clip[3] - a.clip[0] / a.clip[3]) / halfX;
        const double dy = (b.clip[1] / b.clip[3] - a.clip[1] / a.clip[3]) / halfY;
        if (!(std::fabs(dx) + std::fabs(dy) > 0.0))
            continue;
        // Half a pixel either side, up or across, scaled by w as clip coordinates are.
        const bool acrossX = std::fabs(dx) >= std::fabs(dy);
        auto moved = [acrossX, halfX, halfY](Clip c, double side) {
            c[acrossX ? 1 : 0] += side * (acrossX ? halfY : halfX) * c[3];
            return c;
        };
        const Clip a0 = moved(a.clip, -1.0), a1 = moved(a.clip, 1.0);
        const Clip b0 = moved(b.clip, -1.0), b1 = moved(b.clip, 1.0);
        for (const Clip& c : {a0, b0, b1, a0, b1, a1})
            addVertex(c, colour);
    }
}

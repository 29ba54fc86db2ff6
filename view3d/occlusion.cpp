// SPDX-License-Identifier: GPL-3.0-or-later
#include "view3d/occlusion.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// Cells this large cost the rasteriser next to nothing more than finer ones (whose pieces,
// each with edges of its own, it pays for), and the sums here a tenth.
constexpr int cellSize = 32;
// Pixel centres lie half a pixel inside a cell, and the rasteriser snaps vertices to a
// fraction of a pixel: half a pixel of margin covers both.
constexpr double edgeMargin = 0.5;
// Window depth: well above the depth buffer's step and the rasteriser's float rounding.
constexpr double depthTolerance = 1e-6;
// The rasteriser snaps vertices to a fraction of a pixel, which tilts a patch's depth by up
// to its slope times that much anywhere; a whole pixel of slope covers it.
constexpr double snapReach = 1.0;
constexpr double farAway = 2.0;
// Bits 0 to 5 tell the edges apart.
constexpr unsigned char insideAll = 1u << 7;
// A patch with less area on screen than this is seen edge-on: its depth slope is unreliable.
constexpr double leastArea = 1.0;
constexpr double shortestEdge = 1e-6;
// Farther out than this many half-viewports, window coordinates grow so large that the
// edge distances lose their precision (and whole pixels no longer fit an int).
constexpr double farthestOut = 1e4;

} // namespace

Occlusion::Occlusion(const double* modelView, const double* projection, const int* viewport,
                     const std::vector<scene::Patch>& occluders)
    : toClip_(modelView, projection) {
    std::copy(viewport, viewport + 4, viewport_);
    columns_ = std::max(0, (viewport_[2] + cellSize - 1) / cellSize);
    rows_ = std::max(0, (viewport_[3] + cellSize - 1) / cellSize);
    bounds_.assign(size_t(columns_) * size_t(rows_) * layers, farAway);

    // Nearest first: each patch is weighed against those drawn over it.
    rects_.resize(occluders.size());
    Footprint f;
    for (size_t i = occluders.size(); i-- > 0;) {
        if (!footprint(occluders[i], f)) {
            rects_[i] = {{viewport_[0], viewport_[1], viewport_[2], viewport_[3]}};
            continue;
        }
        rects_[i] = shownRects(f);
        for (int row = f.firstRow; row <= f.lastRow; ++row)
            for (int column = f.firstColumn; column <= f.lastColumn; ++column)
                if (f.covers(column, row))
                    cover(column, row, f.farthest(column, row) + f.slack);
    }
}

void Occlusion::cover(int column, int row, double depth) {
    const auto first = bounds_.begin() + std::ptrdiff_t(size_t(row * columns_ + column) * layers);
    const auto last = first + layers;
    if (!(depth < *(last - 1)))
        return;
    // Kept in order: the new depth goes in its place, the farthest drops out.
    const auto at = std::upper_bound(first, last - 1, depth);
    std::move_backward(at, last - 1, last);
    *at = depth;
}

double Occlusion::cornerX(int column) const {
    return viewport_[0] + std::min(column * cellSize, viewport_[2]);
}

double Occlusion::cornerY(int row) const {
    return viewport_[1] + std::min(row * cellSize, viewport_[3]);
}

Occlusion::Window Occlusion::toWindow(const Clip& c) const {
    return {viewport_[0] + viewport_[2] * (c[0] / c[3] + 1.0) / 2.0,
            viewport_[1] + viewport_[3] * (c[1] / c[3] + 1.0) / 2.0, (c[2] / c[3] + 1.0) / 2.0};
}

bool Occlusion::nearView(const Clip& c) {
    const double w = c[3];
    return w > 0.0 && std::fabs(c[0]) <= farthestOut * w && std::fabs(c[1]) <= farthestOut * w;
}

bool Occlusion::footprint(const scene::Patch& patch, Footprint& out) const {
    out.firstColumn = 0;
    out.lastColumn = -1;
    out.firstRow = 0;
    out.lastRow = -1;
    out.sides.clear();
    out.depths.clear();

    // The strip's corners in order around the patch, cut as GL cuts them at the near
    // plane and the far plane (z <= w); a convex polygon of up to six corners.
    const auto& c = patch.corners;
    ClipSpace::Polygon polygon =
        ClipSpace::cut(ClipSpace::cutAtNear(toClip_.polygon({c[0], c[1], c[3], c[2]})),
                       [](const Clip& p) { return p[3] - p[2]; });
    // Wholly beyond the near or far plane: it leaves no pixel.
    if (polygon.count < 3)
        return true;

    std::array<Window, ClipSpace::Polygon::most> w;
    const int n = polygon.count;
    for (int i = 0; i < n; ++i) {
        const Clip& corner = polygon.corners[size_t(i)].clip;
        if (!nearView(corner))
            return false;
        w[size_t(i)] = toWindow(corner);
    }
    double area = 0.0;
    for (int i = 0; i < n; ++i) {
        const Window& a = w[size_t(i)];
        const Window& b = w[size_t((i + 1) % n)];
        area += a.x * b.y - b.x * a.y;
    }
    area /= 2.0;
    if (std::fabs(area) < leastArea)
        return false;

    // Edge i as a*x + b*y + c: the distance in pixels, positive inside. The cut can leave
    // corners next to each other; such an edge bounds nothing.
    const double turn = area > 0.0 ? 1.0 : -1.0;
    std::array<std::array<double, 3>, ClipSpace::Polygon::most> edge;
    int edges = 0;
    for (int i = 0; i < n; ++i) {
        const Window& a = w[size_t(i)];
        const Window& b = w[size_t((i + 1) % n)];
        const double dx = b.x - a.x;
        const double dy = b.y - a.y;
        const double length = std::hypot(dx, dy);
        if (!(length > shortestEdge))
            continue;
        auto& e = edge[size_t(edges++)];
        e[0] = -dy * turn / length;
        e[1] = dx * turn / length;
        e[2] = -(e[0] * a.x + e[1] * a.y);
    }
    // Window depth is affine in window x and y over a plane seen in perspective; the
    // corner opposite the widest triangle from corner 0 gives the steadiest slopes.
    int widest = 1;
    double widestArea = 0.0;
    for (int i = 1; i + 1 < n; ++i) {
        const double cross = (w[size_t(i)].x - w[0].x) * (w[size_t(i + 1)].y - w[0].y) -
                             (w[size_t(i)].y - w[0].y) * (w[size_t(i + 1)].x - w[0].x);
        if (std::fabs(cross) > widestArea) {
            widestArea = std::fabs(cross);
            widest = i;
        }
    }
    const Window& p1 = w[size_t(widest)];
    const Window& p2 = w[size_t(widest + 1)];
    const double e1x = p1.x - w[0].x, e1y = p1.y - w[0].y, dz1 = p1.z - w[0].z;
    const double e2x = p2.x - w[0].x, e2y = p2.y - w[0].y, dz2 = p2.z - w[0].z;
    const double det = e1x * e2y - e1y * e2x;
    const double slopeX = (dz1 * e2y - dz2 * e1y) / det;
    const double slopeY = (e1x * dz2 - e2x * dz1) / det;
    out.slack = (std::fabs(slopeX) + std::fabs(slopeY)) * snapReach + depthTolerance;

    double minX = w[0].x, maxX = w[0].x, minY = w[0].y, maxY = w[0].y;
    for (int i = 0; i < n; ++i) {
        const Window& p = w[size_t(i)];
        minX = std::min(minX, p.x);
        maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
    auto cell = [](double offset) { return int(std::floor(offset / cellSize)); };
    out.firstColumn = std::max(0, cell(minX - edgeMargin - viewport_[0]));
    out.lastColumn = std::min(columns_ - 1, cell(maxX + edgeMargin - viewport_[0]));
    out.firstRow = std::max(0, cell(minY - edgeMargin - viewport_[1]));
    out.lastRow = std::min(rows_ - 1, cell(maxY + edgeMargin - viewport_[1]));

    const int across = out.lastColumn - out.firstColumn + 2;
    const int up = out.lastRow - out.firstRow + 2;
    if (across < 2 || up < 2)
        return true;
    out.sides.reserve(size_t(across) * size_t(up));
    out.depths.reserve(size_t(across) * size_t(up));
    for (int row = out.firstRow; row <= out.lastRow + 1; ++row) {
        const double y = cornerY(row);
        for (int column = out.firstColumn; column <= out.lastColumn + 1; ++column) {
            const double x = cornerX(column);
            unsigned char sides = insideAll;
            for (int i = 0; i < edges; ++i) {
                const auto& e = edge[size_t(i)];
                const double d = e[0] * x + e[1] * y + e[2];
                if (d <= -edgeMargin)
                    sides |= 1u << i;
                if (d < edgeMargin)
                    sides &= ~insideAll;
            }
            out.sides.push_back(sides);
            out.depths.push_back(w[0].z + slopeX * (x - w[0].x) + slopeY * (y - w[0].y));
        }
    }
    return true;
}

std::array<size_t, 4> Occlusion::Footprint::corners(int column, int row) const {
    const int across = lastColumn - firstColumn + 2;
    const size_t i = size_t((row - firstRow) * across + (column - firstColumn));
    return {i, i + 1, i + size_t(across), i + size_t(across) + 1};
}

unsigned char Occlusion::Footprint::sidesOfAll(int column, int row) const {
    const auto c = corners(column, row);
    return sides[c[0]] & sides[c[1]] & sides[c[2]] & sides[c[3]];
}

bool Occlusion::Footprint::covers(int column, int row) const {
    return (sidesOfAll(column, row) & insideAll) != 0;
}

bool Occlusion::Footprint::misses(int column, int row) const {
    return (sidesOfAll(column, row) & ~insideAll) != 0;
}

double Occlusion::Footprint::nearest(int column, int row) const {
    const auto c = corners(column, row);
    return std::min({depths[c[0]], depths[c[1]], depths[c[2]], depths[c[3]]});
}

double Occlusion::Footprint::farthest(int column, int row) const {
    const auto c = corners(column, row);
    return std::max({depths[c[0]], depths[c[1]], depths[c[2]], depths[c[3]]});
}

std::vector<Occlusion::Rect> Occlusion::shownRects(const Footprint& f) const {
    // Per row the span of cells the patch may show in; rows with the same span share a
    // rectangle.
    std::vector<Rect> rects;
    int spanFirst = -1;
    int spanLast = -1;
    int bandFirstRow = 0;
    auto close = [&](int lastRow) {
        if (spanFirst < 0)
            return;
        const int x = int(cornerX(spanFirst));
        const int y = int(cornerY(bandFirstRow));
        rects.push_back({x, y, int(cornerX(spanLast + 1)) - x, int(cornerY(lastRow + 1)) - y});
    };
    for (int row = f.firstRow; row <= f.lastRow; ++row) {
        int first = -1;
        int last = -1;
        for (int column = f.firstColumn; column <= f.lastColumn; ++column) {
            if (f.misses(column, row) || f.nearest(column, row) - f.slack > bound(column, row))
                continue;
            if (first < 0)
                first = column;
            last = column;
        }
        if (first == spanFirst && last == spanLast)
            continue;
        close(row - 1);
        spanFirst = first;
        spanLast = last;
        bandFirstRow = row;
    }
    close(f.lastRow);
    return rects;
}

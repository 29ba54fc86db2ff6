// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "view3d/scenegeometry.h"

#include <array>
#include <vector>

// Which parts of a frame the plane patches hide, worked out on the CPU. A software
// rasteriser pays for every pixel a patch covers, even the pixels that then fail the depth
// test, and patches 12 units wide lie many deep over the view; most of that work is for
// pixels that a nearer patch paints over anyway.
//
// The viewport is cut into square cells. A patch that covers a whole cell leaves no depth
// there farther than its largest depth over the cell. Anything farther than the nearest of
// those bounds cannot show in that cell, so leaving it out changes no pixel: the picture is
// the one the depth test gives.
class Occlusion {
public:
    // Window pixels, y counted from the bottom, as glScissor takes them.
    struct Rect {
        int x = 0;
        int y = 0;
        int width = 0;
        int height = 0;
    };

    // Matrices column-major as GL hands them out; viewport as glGetIntegerv gives it.
    Occlusion(const double* modelView, const double* projection, const int* viewport,
              const std::vector<scene::Patch>& occluders);

    // True when nothing inside the box from low to high can show: it lies wholly behind
    // the patches, or wholly off screen. margin is how many pixels beyond the outline of
    // the box its drawing may reach (wide lines).
    bool hides(const Vec3& low, const Vec3& high, double margin) const;

    // Rectangles outside which the patch would leave no pixel; the whole viewport when that
    // cannot be worked out.
    std::vector<Rect> drawnRects(const scene::Patch& patch) const;

    // How many cells across and up the viewport is cut into.
    int columns() const { return columns_; }
    int rows() const { return rows_; }

private:
    struct Window {
        double x = 0.0;
        double y = 0.0;
        double z = 0.0;
    };
    using Clip = std::array<double, 4>;
    struct Polygon {
        static constexpr int most = 6;
        std::array<Clip, most> corners{};
        int count = 0;
        void push(const Clip& c) { corners[size_t(count++)] = c; }
    };
    // A patch on screen, with what it does at the cell corners of its bounding box.
    struct Footprint {
        int firstColumn = 0;
        int lastColumn = -1;
        int firstRow = 0;
        int lastRow = -1;
        // Per corner of the cells in range, row by row: bit i set when the corner lies
        // outside edge i, bit 7 when it lies inside every edge (both with a margin), and
        // the patch's depth there.
        std::vector<unsigned char> sides;
        std::vector<double> depths;
        // How far the drawn depth may stray from the exact one.
        double slack = 0.0;

        // The corners of a cell, as indices into sides and depths.
        std::array<size_t, 4> corners(int column, int row) const;
        unsigned char sidesOfAll(int column, int row) const;
        bool covers(int column, int row) const;
        bool misses(int column, int row) const;
        double nearest(int column, int row) const;
        double farthest(int column, int row) const;
    };

    Clip toClip(const Vec3& p) const;
    // In front of the eye, and not so far off to the side that precision is lost.
    static bool nearView(const Clip& c);
    Window toWindow(const Clip& c) const;
    // False when the point lies before the near or beyond the far plane, or far off the view.
    bool project(const Vec3& p, Window& out) const;
    // The part of the patch between the near and far planes, on screen; false when it is
    // seen nearly edge-on or reaches far off the view, so that what it hides cannot be
    // told reliably.
    bool footprint(const scene::Patch& patch, Footprint& out) const;
    double cornerX(int column) const;
    double cornerY(int row) const;
    double& bound(int column, int row) { return bounds_[size_t(row * columns_ + column)]; }
    double bound(int column, int row) const { return bounds_[size_t(row * columns_ + column)]; }

    double matrix_[16];
    int viewport_[4];
    int columns_ = 0;
    int rows_ = 0;
    // Per cell, the depth beyond which nothing can show; 2 (beyond any depth) for none.
    std::vector<double> bounds_;
};

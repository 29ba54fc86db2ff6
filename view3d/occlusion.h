// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "view3d/clipspace.h"
#include "view3d/scenegeometry.h"

#include <array>
#include <vector>

// Which parts of a frame the plane patches hide, worked out on the CPU. A software
// rasteriser pays for every pixel a patch covers, and patches 12 units wide lie many deep
// over the view.
//
// The patches are translucent, blended one over another: each lets half of what lies under it
// through. Under `layers` of them, whatever a patch drew adds less than one step of an 8-bit
// colour channel to the pixel, so it may be left out. The viewport is cut into square cells. A
// patch that covers a whole cell lies nowhere in it farther than its largest depth over the
// cell; a patch farther than `layers` such bounds of patches blended over it is left out there.
// The opaque objects are drawn whole: planes write no depth, so what an object behind them
// would have hidden is not known without drawing it.
class Occlusion {
public:
    // Half the light through each: 0.5^8 of what lies behind is below one step of 255.
    static constexpr int layers = 8;

    // Window pixels, y counted from the bottom, as GL counts them.
    struct Rect {
        int x = 0;
        int y = 0;
        int width = 0;
        int height = 0;
    };

    // Matrices column-major as GL hands them out; viewport as glGetIntegerv gives it. The
    // patches in the order they blend, each over those before it (however they are issued).
    Occlusion(const double* modelView, const double* projection, const int* viewport,
              const std::vector<scene::Patch>& occluders);

    // Rectangles outside which the patch of that index would change no pixel by a step, for
    // the patches drawn after it lie over it there; the whole viewport when that cannot be
    // worked out.
    const std::vector<Rect>& drawnRects(size_t patch) const { return rects_[patch]; }

    // How many cells across and up the viewport is cut into.
    int columns() const { return columns_; }
    int rows() const { return rows_; }

private:
    struct Window {
        double x = 0.0;
        double y = 0.0;
        double z = 0.0;
    };
    using Clip = ClipSpace::Clip;
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

    // In front of the eye, and not so far off to the side that precision is lost.
    static bool nearView(const Clip& c);
    Window toWindow(const Clip& c) const;
    // The part of the patch between the near and far planes, on screen; false when it is
    // seen nearly edge-on or reaches far off the view, so that what it hides cannot be
    // told reliably.
    bool footprint(const scene::Patch& patch, Footprint& out) const;
    // Where the patch of the footprint may show, as the bounds are now.
    std::vector<Rect> shownRects(const Footprint& f) const;
    double cornerX(int column) const;
    double cornerY(int row) const;
    // The depth beyond which nothing shows in that cell.
    double bound(int column, int row) const {
        return bounds_[size_t(row * columns_ + column) * layers + layers - 1];
    }
    // Counts a patch that covers the cell and reaches no farther than depth.
    void cover(int column, int row, double depth);

    ClipSpace toClip_;
    int viewport_[4];
    int columns_ = 0;
    int rows_ = 0;
    // Per cell, the farthest depths of the nearest `layers` patches that cover it, nearest
    // first; 2 (beyond any depth) while fewer cover it.
    std::vector<double> bounds_;
    std::vector<std::vector<Rect>> rects_;
};

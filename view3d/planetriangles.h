// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "view3d/clipspace.h"
#include "view3d/occlusion.h"

#include <GL/gl.h>

#include <array>
#include <vector>

// The translucent fills and the outlines of a frame's planes as one list of triangles, in clip
// coordinates with a colour each, so that all of them take one draw call in the order they
// blend. A software rasteriser copies tens of kilobytes of state for every draw call and tests
// a scissor box on every pixel; cutting the fills to where they show costs far less.
class PlaneTriangles {
public:
    // Matrices column-major as GL hands them out; viewport as glGetIntegerv gives it.
    PlaneTriangles(const double* modelView, const double* projection, const int* viewport);

    // The part of the quadrilateral (corners in order around it) in front of the near plane
    // and inside the rectangles: it leaves the pixels that the whole of it drawn under each of
    // them as a scissor box would.
    void addFill(const std::array<Vec3, 4>& corners, const std::vector<Occlusion::Rect>& rects,
                 const std::array<GLfloat, 4>& colour);
    // All of it in front of the near plane.
    void addFill(const std::array<Vec3, 4>& corners, const std::array<GLfloat, 4>& colour);
    // Its edges, a pixel wide, as GL draws a line loop through its corners: for an edge
    // steeper than 45 degrees a pixel across, else a pixel up.
    void addOutline(const std::array<Vec3, 4>& corners, const std::array<GLfloat, 4>& colour);

    // Four floats a vertex, x y z w.
    const std::vector<GLfloat>& positions() const { return positions_; }
    // Four floats a vertex, red green blue alpha.
    const std::vector<GLfloat>& colours() const { return colours_; }
    GLsizei vertexCount() const { return GLsizei(positions_.size() / 4); }

private:
    void addFan(const ClipSpace::Polygon& polygon, const std::array<GLfloat, 4>& colour);
    void addVertex(const ClipSpace::Clip& c, const std::array<GLfloat, 4>& colour);

    ClipSpace toClip_;
    int viewport_[4];
    std::vector<GLfloat> positions_;
    std::vector<GLfloat> colours_;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/objectdrawer.h"
#include "view3d/scenegeometry.h"
#include "view3d/screenscale.h"

#include <GL/gl.h>

#include <map>
#include <vector>

class Occlusion;

// Draws the four kinds with the fixed-function pipeline into the current context: a lit
// orange sphere for a point, a red arrow for a vector, a long blue segment for a line and
// a green lit patch for a plane. Degenerate objects draw nothing. A sphere only a few
// pixels wide is drawn with a coarser mesh that shows nearly the same pixels.
//
// Objects are gathered and issued by flush(), consecutive objects of one kind as one batch,
// in the order they came: the picture is the one object-by-object drawing gives, at a
// fraction of the draw calls. What the plane patches hide is left out (see Occlusion): the
// same picture again, with far less rasterising. A batch leaves the matrix stack, the
// lighting switch, the line width, the scissor test and the buffer bindings as it found
// them; points, lines and planes leave the diffuse and specular material white, planes
// leave the colour white.
class ObjectDrawing : public ObjectDrawer {
public:
    ObjectDrawing();

    void drawPoint(const Point& p) override;
    void drawVector(const Vector& v) override;
    void drawLine(const line& l) override;
    void drawSurface(const surface& s) override;

    // Issues what is gathered; call it with the context current before the frame ends.
    void flush();

    // On by default; off draws every object whole, as a reference to compare with.
    void setCulling(bool on) { culling_ = on; }

private:
    enum class Batch { Points, Vectors, Lines, Surfaces };
    // Objects begin to end of one kind's list, drawn one after another.
    struct Run {
        Batch kind;
        size_t begin;
        size_t end;
    };

    // Records that the object just added to kind's list, at end - 1, comes next.
    void extend(Batch kind, size_t end);
    void flushPoints(const Run& run, const ScreenScale& scale, const Occlusion* occlusion);
    void flushVectors(const Run& run, const Occlusion* occlusion);
    void flushLines(const Run& run);
    void flushSurfaces(const Run& run, const Occlusion* occlusion);
    // Appends mesh, moved by place, to the scratch arrays.
    template <class Place> void appendMesh(const scene::Mesh& mesh, Place place);
    // Draws the scratch arrays as closed meshes and empties them.
    void drawScratchTriangles(bool withNormals);

    // The sphere with that many segments, made on first use.
    const scene::Mesh& sphere(int segments);

    std::map<int, scene::Mesh> spheres_;
    const scene::Mesh cone_;
    bool culling_ = true;
    std::vector<Run> runs_;
    std::vector<Vec3> centres_;
    std::vector<scene::Arrow> arrows_;
    std::vector<scene::Segment> segments_;
    std::vector<scene::Patch> patches_;
    // Vertex arrays rebuilt per batch; their memory is kept between frames.
    std::vector<GLfloat> vertices_;
    std::vector<GLfloat> normals_;
    std::vector<GLuint> indices_;
};

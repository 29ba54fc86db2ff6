// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/objectdrawer.h"
#include "view3d/scenegeometry.h"
#include "view3d/screenscale.h"

#include <GL/gl.h>

#include <functional>
#include <string>
#include <vector>

struct CurrentCamera;
class NameLabels;
class Occlusion;
class QColor;

// Draws the four kinds with the fixed-function pipeline into the current context: a lit
// orange sphere for a point, at least 7 pixels across, a red arrow for a vector, a
// long light blue segment for a line and a translucent patch with a darker outline for a
// plane, in a shade of green of its own that its name picks. Degenerate objects draw nothing.
//
// Objects are gathered and issued by flush(), consecutive objects of one kind as one batch,
// in the order they came, and the planes last, sorted by depth, so each blends over what lies
// behind it: the picture is the one object-by-object drawing gives, at a fraction of the
// draw calls. The planes take one draw call, nearest first, each laid under those before it;
// a pixel takes no more than eight, and the parts of planes that lie behind many others are
// not even cut out (see Occlusion): the same picture within a step or two of rounding, with
// far less rasterising. A batch leaves the matrix stack, the lighting switch, the line width,
// blending, the depth and stencil state and the buffer bindings as it found them; points,
// lines and planes leave the diffuse and specular material white, planes leave the colour
// white.
class ObjectDrawing : public ObjectDrawer {
public:
    ObjectDrawing();

    void drawPoint(const Point& p) override;
    void drawVector(const Vector& v) override;
    void drawLine(const line& l) override;
    void drawSurface(const surface& s) override;

    // Issues what is gathered; call it with the context current before the frame ends.
    // beforePlanes runs when everything opaque is drawn, before the translucent planes.
    void flush(const std::function<void()>& beforePlanes = {});

    // On by default; off draws every object whole and every plane in every pixel, as a
    // reference to compare with.
    void setCulling(bool on) { culling_ = on; }
    // Where the objects drawn leave their names; null (the default) keeps none.
    void setNameLabels(NameLabels* labels) { labels_ = labels; }

    // The shade of a plane of that name: the same in every session.
    static QColor planeShade(const std::string& name);

private:
    enum class Batch { Points, Vectors, Lines };
    // Objects begin to end of one kind's list, drawn one after another.
    struct Run {
        Batch kind;
        size_t begin;
        size_t end;
    };

    // Records that the object just added to kind's list, at end - 1, comes next.
    void extend(Batch kind, size_t end);
    void flushPoints(const Run& run, const ScreenScale& scale);
    void flushVectors(const Run& run);
    void flushLines(const Run& run);
    // Puts the patches in the order they are drawn: farthest first.
    void sortPatches(const double* modelView);
    void flushSurfaces(const CurrentCamera& camera, const Occlusion* occlusion);
    // Appends mesh, moved by place, to the scratch arrays.
    template <class Place> void appendMesh(const scene::Mesh& mesh, Place place);
    // Draws the scratch arrays as closed meshes and empties them.
    void drawScratchTriangles(bool withNormals);

    const scene::Mesh sphere_;
    // For points a few pixels wide, where the full sphere's triangles would be lost anyway
    // and cost most of a frame of many points under software rendering.
    const scene::Mesh smallSphere_;
    const scene::Mesh cone_;
    bool culling_ = true;
    std::vector<Run> runs_;
    std::vector<Vec3> centres_;
    std::vector<scene::Arrow> arrows_;
    std::vector<scene::Segment> segments_;
    std::vector<scene::Patch> patches_;
    std::vector<std::string> patchNames_;
    NameLabels* labels_ = nullptr;
    // Vertex arrays rebuilt per batch; their memory is kept between frames.
    std::vector<GLfloat> vertices_;
    std::vector<GLfloat> normals_;
    std::vector<GLuint> indices_;
    // The picture before the planes, laid under them.
    std::vector<GLubyte> behind_;
};

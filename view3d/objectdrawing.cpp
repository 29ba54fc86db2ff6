// SPDX-License-Identifier: GPL-3.0-or-later
#include "view3d/objectdrawing.h"

#include "geometry/line.h"
#include "geometry/surface.h"
#include "view3d/occlusion.h"

#include <QOpenGLContext>
#include <QOpenGLFunctions>

#include <algorithm>
#include <optional>

namespace {

const GLfloat white[] = {1.0f, 1.0f, 1.0f, 1.0f};
const GLfloat pointDiffuse[] = {0.8f, 0.5f, 0.2f, 1.0f};
const GLfloat pointSpecular[] = {0.8f, 0.5f, 0.4f, 1.0f};
const GLfloat lineDiffuse[] = {0.0f, 0.0f, 1.0f, 1.0f};
const GLfloat lineSpecular[] = {0.0f, 0.0f, 1.2f, 1.0f};
const GLfloat surfaceDiffuse[] = {0.196f, 0.8f, 0.196f, 1.0f};
const GLfloat surfaceSpecular[] = {0.196f, 0.8f, 0.396f, 1.0f};
const GLfloat lineWidthOfVector = 2.5f;

Vec3 toVec3(const vector4D& v) {
    return {v.x(), v.y(), v.z()};
}

// The camera of the current GL state.
struct CurrentCamera {
    GLdouble modelView[16];
    GLdouble projection[16];
    GLint viewport[4];

    CurrentCamera() {
        glGetDoublev(GL_MODELVIEW_MATRIX, modelView);
        glGetDoublev(GL_PROJECTION_MATRIX, projection);
        glGetIntegerv(GL_VIEWPORT, viewport);
    }
};

void setMaterial(const GLfloat* diffuse, const GLfloat* specular) {
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, diffuse);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, specular);
}

void vertex(const Vec3& v) {
    glVertex3d(v.x, v.y, v.z);
}

void append(std::vector<GLfloat>& to, const Vec3& v) {
    to.insert(to.end(), {GLfloat(v.x), GLfloat(v.y), GLfloat(v.z)});
}

// Keeps the lighting switch as the caller had it around unlit drawing.
class UnlitScope {
public:
    UnlitScope() : wasLit_(glIsEnabled(GL_LIGHTING)) { glDisable(GL_LIGHTING); }
    ~UnlitScope() {
        if (wasLit_)
            glEnable(GL_LIGHTING);
    }
    UnlitScope(const UnlitScope&) = delete;
    UnlitScope& operator=(const UnlitScope&) = delete;

private:
    GLboolean wasLit_;
};

// Client-side arrays need no buffer bound (a painter may have left one); the caller's
// bindings come back afterwards.
class ClientArraysScope {
public:
    ClientArraysScope(const GLfloat* vertices, const GLfloat* normals)
        : gl_(QOpenGLContext::currentContext()->functions()), normals_(normals != nullptr) {
        glGetIntegerv(GL_ARRAY_BUFFER_BINDING, &arrayBuffer_);
        glGetIntegerv(GL_ELEMENT_ARRAY_BUFFER_BINDING, &elementBuffer_);
        gl_->glBindBuffer(GL_ARRAY_BUFFER, 0);
        gl_->glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
        glEnableClientState(GL_VERTEX_ARRAY);
        glVertexPointer(3, GL_FLOAT, 0, vertices);
        if (normals_) {
            glEnableClientState(GL_NORMAL_ARRAY);
            glNormalPointer(GL_FLOAT, 0, normals);
        }
    }
    ~ClientArraysScope() {
        if (normals_)
            glDisableClientState(GL_NORMAL_ARRAY);
        glDisableClientState(GL_VERTEX_ARRAY);
        gl_->glBindBuffer(GL_ARRAY_BUFFER, GLuint(arrayBuffer_));
        gl_->glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, GLuint(elementBuffer_));
    }
    ClientArraysScope(const ClientArraysScope&) = delete;
    ClientArraysScope& operator=(const ClientArraysScope&) = delete;

private:
    QOpenGLFunctions* gl_;
    bool normals_;
    GLint arrayBuffer_ = 0;
    GLint elementBuffer_ = 0;
};

// The meshes are closed and wound counter-clockwise outwards: their back faces always lie
// behind front faces, so skipping them changes no pixel and halves the triangle set-up.
class CullBackScope {
public:
    CullBackScope() : wasCulling_(glIsEnabled(GL_CULL_FACE)) {
        glGetIntegerv(GL_CULL_FACE_MODE, &mode_);
        glGetIntegerv(GL_FRONT_FACE, &front_);
        glEnable(GL_CULL_FACE);
        glCullFace(GL_BACK);
        glFrontFace(GL_CCW);
    }
    ~CullBackScope() {
        glFrontFace(GLenum(front_));
        glCullFace(GLenum(mode_));
        if (!wasCulling_)
            glDisable(GL_CULL_FACE);
    }
    CullBackScope(const CullBackScope&) = delete;
    CullBackScope& operator=(const CullBackScope&) = delete;

private:
    GLboolean wasCulling_;
    GLint mode_ = GL_BACK;
    GLint front_ = GL_CCW;
};

// Keeps the caller's scissor test and box around drawing limited to rectangles.
class ScissorScope {
public:
    ScissorScope() : wasScissoring_(glIsEnabled(GL_SCISSOR_TEST)) {
        glGetIntegerv(GL_SCISSOR_BOX, box_);
        glEnable(GL_SCISSOR_TEST);
    }
    ~ScissorScope() {
        glScissor(box_[0], box_[1], box_[2], box_[3]);
        if (!wasScissoring_)
            glDisable(GL_SCISSOR_TEST);
    }
    ScissorScope(const ScissorScope&) = delete;
    ScissorScope& operator=(const ScissorScope&) = delete;

private:
    GLboolean wasScissoring_;
    GLint box_[4] = {0, 0, 0, 0};
};

} // namespace

ObjectDrawing::ObjectDrawing() : cone_(scene::coneMesh()) {}

const scene::Mesh& ObjectDrawing::sphere(int segments) {
    auto found = spheres_.find(segments);
    if (found == spheres_.end())
        found = spheres_.emplace(segments, scene::sphereMesh(segments)).first;
    return found->second;
}

void ObjectDrawing::extend(Batch kind, size_t end) {
    if (runs_.empty() || runs_.back().kind != kind)
        runs_.push_back({kind, end - 1, end});
    else
        runs_.back().end = end;
}

void ObjectDrawing::drawPoint(const Point& p) {
    const Vec3 centre = toVec3(p.coordinates);
    if (!centre.isFinite())
        return;
    centres_.push_back(centre);
    extend(Batch::Points, centres_.size());
}

void ObjectDrawing::drawVector(const Vector& v) {
    const auto arrow = scene::arrowGeometry(toVec3(v.start), toVec3(v.coordinates));
    if (!arrow)
        return;
    arrows_.push_back(*arrow);
    extend(Batch::Vectors, arrows_.size());
}

void ObjectDrawing::drawLine(const line& l) {
    const auto segment =
        scene::lineSegment(toVec3(l.point.coordinates), toVec3(l.direction.coordinates));
    if (!segment)
        return;
    segments_.push_back(*segment);
    extend(Batch::Lines, segments_.size());
}

void ObjectDrawing::drawSurface(const surface& s) {
    const auto patch = scene::patchGeometry(toVec3(s.point.coordinates), toVec3(s.u.coordinates),
                                            toVec3(s.v.coordinates), toVec3(s.normal.coordinates));
    if (!patch)
        return;
    patches_.push_back(*patch);
    extend(Batch::Surfaces, patches_.size());
}

void ObjectDrawing::flush() {
    if (runs_.empty())
        return;
    const CurrentCamera camera;
    const ScreenScale scale(camera.modelView, camera.projection, camera.viewport[3]);
    std::optional<Occlusion> occlusion;
    if (culling_ && !patches_.empty())
        occlusion.emplace(camera.modelView, camera.projection, camera.viewport, patches_);
    const Occlusion* hiding = occlusion ? &*occlusion : nullptr;
    for (const Run& run : runs_) {
        switch (run.kind) {
        case Batch::Points:
            flushPoints(run, scale, hiding);
            break;
        case Batch::Vectors:
            flushVectors(run, hiding);
            break;
        case Batch::Lines:
            flushLines(run);
            break;
        case Batch::Surfaces:
            flushSurfaces(run, hiding);
            break;
        }
    }
    runs_.clear();
    centres_.clear();
    arrows_.clear();
    segments_.clear();
    patches_.clear();
}

template <class Place> void ObjectDrawing::appendMesh(const scene::Mesh& mesh, Place place) {
    const GLuint base = GLuint(vertices_.size() / 3);
    for (const Vec3& v : mesh.vertices)
        append(vertices_, place(v));
    for (const Vec3& n : mesh.normals)
        append(normals_, n);
    for (unsigned i : mesh.triangles)
        indices_.push_back(base + i);
}

void ObjectDrawing::drawScratchTriangles(bool withNormals) {
    ClientArraysScope arrays(vertices_.data(), withNormals ? normals_.data() : nullptr);
    CullBackScope culling;
    glDrawElements(GL_TRIANGLES, GLsizei(indices_.size()), GL_UNSIGNED_INT, indices_.data());
    vertices_.clear();
    normals_.clear();
    indices_.clear();
}

void ObjectDrawing::flushPoints(const Run& run, const ScreenScale& scale,
                                const Occlusion* occlusion) {
    const Vec3 reach{scene::sphereRadius, scene::sphereRadius, scene::sphereRadius};
    for (size_t i = run.begin; i < run.end; ++i) {
        const Vec3& centre = centres_[i];
        if (occlusion && occlusion->hides(centre - reach, centre + reach, 0.0))
            continue;
        // Triangle set-up dominates a software rasteriser: small spheres get coarser meshes.
        const int segments =
            scene::sphereSegmentsFor(scale.pixelRadius(centre, scene::sphereRadius));
        appendMesh(sphere(segments), [&centre](const Vec3& v) { return centre + v; });
    }
    setMaterial(pointDiffuse, pointSpecular);
    drawScratchTriangles(true);
    setMaterial(white, white);
}

void ObjectDrawing::flushVectors(const Run& run, const Occlusion* occlusion) {
    GLfloat lineWidth = 1.0f;
    glGetFloatv(GL_LINE_WIDTH, &lineWidth);
    UnlitScope unlit;
    glLineWidth(lineWidthOfVector);
    glColor3d(1.0, 0.0, 0.0);

    const Vec3 reach{scene::headRadius, scene::headRadius, scene::headRadius};
    std::vector<const scene::Arrow*> shown;
    for (size_t i = run.begin; i < run.end; ++i) {
        const scene::Arrow& a = arrows_[i];
        const Vec3 low{std::min(a.start.x, a.tip.x), std::min(a.start.y, a.tip.y),
                       std::min(a.start.z, a.tip.z)};
        const Vec3 high{std::max(a.start.x, a.tip.x), std::max(a.start.y, a.tip.y),
                        std::max(a.start.z, a.tip.z)};
        if (occlusion && occlusion->hides(low - reach, high + reach, lineWidthOfVector))
            continue;
        shown.push_back(&a);
        appendMesh(cone_,
                   [&a](const Vec3& v) { return a.headBase + scene::rotated(v, a.angle, a.axis); });
    }
    drawScratchTriangles(false);

    glBegin(GL_LINES);
    for (const scene::Arrow* a : shown) {
        vertex(a->start);
        vertex(a->shaftEnd);
    }
    glEnd();
    glLineWidth(lineWidth);
}

void ObjectDrawing::flushLines(const Run& run) {
    setMaterial(lineDiffuse, lineSpecular);
    {
        UnlitScope unlit;
        glColor3d(0.0, 0.0, 1.0);
        glBegin(GL_LINES);
        for (size_t i = run.begin; i < run.end; ++i) {
            vertex(segments_[i].from);
            vertex(segments_[i].to);
        }
        glEnd();
    }
    setMaterial(white, white);
}

void ObjectDrawing::flushSurfaces(const Run& run, const Occlusion* occlusion) {
    glColor4d(0.196, 0.8, 0.196, 1.0);
    setMaterial(surfaceDiffuse, surfaceSpecular);
    auto strip = [](const scene::Patch& patch) {
        glBegin(GL_QUAD_STRIP);
        for (const Vec3& corner : patch.corners) {
            glNormal3d(patch.normal.x, patch.normal.y, patch.normal.z);
            vertex(corner);
        }
        glEnd();
    };
    if (occlusion) {
        ScissorScope scissor;
        for (size_t i = run.begin; i < run.end; ++i)
            for (const Occlusion::Rect& r : occlusion->drawnRects(patches_[i])) {
                glScissor(r.x, r.y, r.width, r.height);
                strip(patches_[i]);
            }
    } else {
        for (size_t i = run.begin; i < run.end; ++i)
            strip(patches_[i]);
    }
    setMaterial(white, white);
    glColor4d(1.0, 1.0, 1.0, 1.0);
}

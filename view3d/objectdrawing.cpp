// SPDX-License-Identifier: GPL-3.0-or-later
#include "view3d/objectdrawing.h"

#include "geometry/line.h"
#include "geometry/surface.h"
#include "view3d/currentcamera.h"
#include "view3d/namelabels.h"
#include "view3d/occlusion.h"

#include <QColor>
#include <QOpenGLContext>
#include <QOpenGLFunctions>

#include <algorithm>
#include <optional>

namespace {

const GLfloat white[] = {1.0f, 1.0f, 1.0f, 1.0f};
const GLfloat defaultAmbient[] = {0.2f, 0.2f, 0.2f, 1.0f};
const GLfloat pointDiffuse[] = {0.8f, 0.5f, 0.2f, 1.0f};
const GLfloat pointSpecular[] = {0.8f, 0.5f, 0.4f, 1.0f};
const GLfloat lineDiffuse[] = {0.0f, 0.0f, 1.0f, 1.0f};
const GLfloat lineSpecular[] = {0.0f, 0.0f, 1.2f, 1.0f};
const GLfloat lineWidthOfVector = 2.5f;
// Pure blue all but vanishes on black.
const double lineColour[] = {0.3, 0.6, 1.0};
const GLfloat lineWidthOfLine = 2.0f;
// What lies behind a plane shows through it.
constexpr double planeAlpha = 0.5;
// A plane's outline is its shade this much darker.
constexpr double outlineShade = 0.55;
// A plane facing the camera gets its full shade, one seen edge-on this share of it: the
// light comes from the eye.
constexpr double planeAmbient = 0.55;

Vec3 toVec3(const vector4D& v) {
    return {v.x(), v.y(), v.z()};
}

// The camera of the current GL state.
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

// Blends what comes over what was drawn before. Depth is tested, so an opaque object in front
// stays in front, but not written: each plane shows what lies behind it, planes included.
class TranslucentScope {
public:
    TranslucentScope() : wasBlending_(glIsEnabled(GL_BLEND)), wasLit_(glIsEnabled(GL_LIGHTING)) {
        glGetIntegerv(GL_BLEND_SRC, &source_);
        glGetIntegerv(GL_BLEND_DST, &destination_);
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glDisable(GL_LIGHTING);
        glGetBooleanv(GL_DEPTH_WRITEMASK, &depthMask_);
        glDepthMask(GL_FALSE);
    }
    ~TranslucentScope() {
        glDepthMask(depthMask_);
        if (wasLit_)
            glEnable(GL_LIGHTING);
        glBlendFunc(GLenum(source_), GLenum(destination_));
        if (!wasBlending_)
            glDisable(GL_BLEND);
    }
    TranslucentScope(const TranslucentScope&) = delete;
    TranslucentScope& operator=(const TranslucentScope&) = delete;

private:
    GLboolean wasBlending_;
    GLboolean wasLit_;
    GLboolean depthMask_ = GL_TRUE;
    GLint source_ = GL_ONE;
    GLint destination_ = GL_ZERO;
};

} // namespace

ObjectDrawing::ObjectDrawing()
    : sphere_(scene::sphereMesh()), smallSphere_(scene::sphereMesh(scene::smallSphereSegments)),
      cone_(scene::coneMesh()) {}

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
    if (labels_)
        labels_->add(Kind::Point, p.name, centre);
}

void ObjectDrawing::drawVector(const Vector& v) {
    const auto arrow = scene::arrowGeometry(toVec3(v.start), toVec3(v.coordinates));
    if (!arrow)
        return;
    arrows_.push_back(*arrow);
    extend(Batch::Vectors, arrows_.size());
    if (labels_)
        labels_->add(Kind::Vector, v.name, arrow->tip);
}

void ObjectDrawing::drawLine(const line& l) {
    const auto segment =
        scene::lineSegment(toVec3(l.point.coordinates), toVec3(l.direction.coordinates));
    if (!segment)
        return;
    segments_.push_back(*segment);
    extend(Batch::Lines, segments_.size());
    if (labels_)
        labels_->add(Kind::Line, l.name, toVec3(l.point.coordinates));
}

void ObjectDrawing::drawSurface(const surface& s) {
    const auto patch = scene::patchGeometry(toVec3(s.point.coordinates), toVec3(s.u.coordinates),
                                            toVec3(s.v.coordinates), toVec3(s.normal.coordinates));
    if (!patch)
        return;
    patches_.push_back(*patch);
    patchNames_.push_back(s.name);
    if (labels_)
        labels_->add(Kind::Plane, s.name, toVec3(s.point.coordinates));
}

void ObjectDrawing::flush(const std::function<void()>& beforePlanes) {
    if (runs_.empty() && patches_.empty()) {
        if (beforePlanes)
            beforePlanes();
        return;
    }
    const CurrentCamera camera;
    const ScreenScale scale(camera.modelView, camera.projection, camera.viewport[3]);
    sortPatches(camera.modelView);
    std::optional<Occlusion> occlusion;
    if (culling_ && !patches_.empty())
        occlusion.emplace(camera.modelView, camera.projection, camera.viewport, patches_);
    const Occlusion* hiding = occlusion ? &*occlusion : nullptr;
    for (const Run& run : runs_) {
        switch (run.kind) {
        case Batch::Points:
            flushPoints(run, scale);
            break;
        case Batch::Vectors:
            flushVectors(run);
            break;
        case Batch::Lines:
            flushLines(run);
            break;
        }
    }
    if (beforePlanes)
        beforePlanes();
    if (!patches_.empty())
        flushSurfaces(camera.modelView, hiding);
    runs_.clear();
    centres_.clear();
    arrows_.clear();
    segments_.clear();
    patches_.clear();
    patchNames_.clear();
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

void ObjectDrawing::flushPoints(const Run& run, const ScreenScale& scale) {
    for (size_t i = run.begin; i < run.end; ++i) {
        const Vec3& centre = centres_[i];
        // A point far away grows to stay visible.
        const double pixels = scale.pixelRadius(centre, scene::sphereRadius);
        const double grown = std::max(1.0, scene::leastPointRadiusPixels / pixels);
        const bool small = pixels * grown <= scene::smallSphereRadiusPixels;
        appendMesh(small ? smallSphere_ : sphere_,
                   [&centre, grown](const Vec3& v) { return centre + v * grown; });
    }
    setMaterial(pointDiffuse, pointSpecular);
    // Orange to the rim, where the light from the eye grazes the sphere.
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, pointDiffuse);
    drawScratchTriangles(true);
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, defaultAmbient);
    setMaterial(white, white);
}

void ObjectDrawing::flushVectors(const Run& run) {
    GLfloat lineWidth = 1.0f;
    glGetFloatv(GL_LINE_WIDTH, &lineWidth);
    UnlitScope unlit;
    glLineWidth(lineWidthOfVector);
    glColor3d(1.0, 0.0, 0.0);

    for (size_t i = run.begin; i < run.end; ++i) {
        const scene::Arrow& a = arrows_[i];
        appendMesh(cone_,
                   [&a](const Vec3& v) { return a.headBase + scene::rotated(v, a.angle, a.axis); });
    }
    drawScratchTriangles(false);

    glBegin(GL_LINES);
    for (size_t i = run.begin; i < run.end; ++i) {
        vertex(arrows_[i].start);
        vertex(arrows_[i].shaftEnd);
    }
    glEnd();
    glLineWidth(lineWidth);
}

void ObjectDrawing::flushLines(const Run& run) {
    setMaterial(lineDiffuse, lineSpecular);
    GLfloat lineWidth = 1.0f;
    glGetFloatv(GL_LINE_WIDTH, &lineWidth);
    {
        UnlitScope unlit;
        glLineWidth(lineWidthOfLine);
        glColor3dv(lineColour);
        glBegin(GL_LINES);
        for (size_t i = run.begin; i < run.end; ++i) {
            vertex(segments_[i].from);
            vertex(segments_[i].to);
        }
        glEnd();
    }
    glLineWidth(lineWidth);
    setMaterial(white, white);
}

QColor ObjectDrawing::planeShade(const std::string& name) {
    // Hues from green to sea green, in three brightnesses: 33 shades, each name always the
    // same one. Green stays the strongest channel by far in every one.
    constexpr int hues = 11;
    const quint16 sum = qChecksum(QByteArrayView(name.data(), qsizetype(name.size())));
    const double hue = (100.0 + 4.0 * (sum % hues)) / 360.0;
    const double value = 0.72 + 0.14 * ((sum / hues) % 3);
    return QColor::fromHsvF(float(hue), 0.85f, float(value));
}

void ObjectDrawing::sortPatches(const double* modelView) {
    auto eyeDepth = [modelView](const Vec3& p) {
        return modelView[2] * p.x + modelView[6] * p.y + modelView[10] * p.z + modelView[14];
    };
    std::vector<std::pair<double, size_t>> order;
    order.reserve(patches_.size());
    for (size_t i = 0; i < patches_.size(); ++i) {
        const auto& c = patches_[i].corners;
        order.emplace_back(eyeDepth((c[0] + c[3]) * 0.5), i);
    }
    std::sort(order.begin(), order.end());
    std::vector<scene::Patch> patches;
    std::vector<std::string> names;
    patches.reserve(order.size());
    names.reserve(order.size());
    for (const auto& entry : order) {
        patches.push_back(patches_[entry.second]);
        names.push_back(std::move(patchNames_[entry.second]));
    }
    patches_.swap(patches);
    patchNames_.swap(names);
}

void ObjectDrawing::flushSurfaces(const double* modelView, const Occlusion* occlusion) {
    // The eye looks along -z of the model-view: its row 2 is the view direction in the world.
    const Vec3 towardsEye{modelView[2], modelView[6], modelView[10]};
    // All corners in one array: every draw then names its four, and Mesa copies no
    // vertices of its own for it.
    for (const scene::Patch& patch : patches_)
        for (const Vec3& corner : patch.corners)
            append(vertices_, corner);
    TranslucentScope translucent;
    ClientArraysScope arrays(vertices_.data(), nullptr);
    for (size_t i = 0; i < patches_.size(); ++i) {
        const Vec3& n = patches_[i].normal;
        const double facing =
            std::fabs(n.x * towardsEye.x + n.y * towardsEye.y + n.z * towardsEye.z);
        const QColor shade = planeShade(patchNames_[i]);
        const QColor fill =
            shade.lighter(int(100 * (planeAmbient + (1.0 - planeAmbient) * facing)));
        const QColor outline = shade.darker(int(100 / outlineShade));
        const GLint first = GLint(4 * i);
        glColor4d(fill.redF(), fill.greenF(), fill.blueF(), planeAlpha);
        if (occlusion) {
            ScissorScope scissor;
            for (const Occlusion::Rect& r : occlusion->drawnRects(i)) {
                glScissor(r.x, r.y, r.width, r.height);
                glDrawArrays(GL_TRIANGLE_STRIP, first, 4);
            }
        } else {
            glDrawArrays(GL_TRIANGLE_STRIP, first, 4);
        }
        // Over its own fill, and under the planes drawn after it.
        const GLuint around[] = {GLuint(first), GLuint(first + 1), GLuint(first + 3),
                                 GLuint(first + 2)};
        glColor4d(outline.redF(), outline.greenF(), outline.blueF(), 1.0);
        glDrawElements(GL_LINE_LOOP, 4, GL_UNSIGNED_INT, around);
    }
    vertices_.clear();
    setMaterial(white, white);
    glColor4d(1.0, 1.0, 1.0, 1.0);
}

#include "view3d/objectdrawing.h"

#include "geometry/line.h"
#include "geometry/surface.h"
#include "view3d/screenscale.h"

#include <QOpenGLContext>
#include <QOpenGLFunctions>

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
ScreenScale currentScreenScale() {
    GLdouble modelView[16];
    GLdouble projection[16];
    GLint viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, modelView);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    return ScreenScale(modelView, projection, viewport[3]);
}

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

} // namespace

ObjectDrawing::ObjectDrawing() : cone_(scene::coneMesh()) {}

const scene::Mesh& ObjectDrawing::sphere(int segments) {
    auto found = spheres_.find(segments);
    if (found == spheres_.end())
        found = spheres_.emplace(segments, scene::sphereMesh(segments)).first;
    return found->second;
}

void ObjectDrawing::gather(Batch kind) {
    if (pending_ != kind)
        flush();
    pending_ = kind;
}

void ObjectDrawing::drawPoint(const Point& p) {
    const Vec3 centre = toVec3(p.coordinates);
    if (!centre.isFinite())
        return;
    gather(Batch::Points);
    centres_.push_back(centre);
}

void ObjectDrawing::drawVector(const Vector& v) {
    const auto arrow = scene::arrowGeometry(toVec3(v.start), toVec3(v.coordinates));
    if (!arrow)
        return;
    gather(Batch::Vectors);
    arrows_.push_back(*arrow);
}

void ObjectDrawing::drawLine(const line& l) {
    const auto segment =
        scene::lineSegment(toVec3(l.point.coordinates), toVec3(l.direction.coordinates));
    if (!segment)
        return;
    gather(Batch::Lines);
    segments_.push_back(*segment);
}

void ObjectDrawing::drawSurface(const surface& s) {
    const auto patch = scene::patchGeometry(toVec3(s.point.coordinates), toVec3(s.u.coordinates),
                                            toVec3(s.v.coordinates), toVec3(s.normal.coordinates));
    if (!patch)
        return;
    gather(Batch::Surfaces);
    patches_.push_back(*patch);
}

void ObjectDrawing::flush() {
    switch (pending_) {
    case Batch::None:
        break;
    case Batch::Points:
        flushPoints();
        break;
    case Batch::Vectors:
        flushVectors();
        break;
    case Batch::Lines:
        flushLines();
        break;
    case Batch::Surfaces:
        flushSurfaces();
        break;
    }
    pending_ = Batch::None;
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

void ObjectDrawing::flushPoints() {
    const ScreenScale scale = currentScreenScale();
    // Triangle set-up dominates a software rasteriser: small spheres get coarser meshes.
    for (const Vec3& centre : centres_) {
        const int segments =
            scene::sphereSegmentsFor(scale.pixelRadius(centre, scene::sphereRadius));
        appendMesh(sphere(segments), [&centre](const Vec3& v) { return centre + v; });
    }
    centres_.clear();
    setMaterial(pointDiffuse, pointSpecular);
    drawScratchTriangles(true);
    setMaterial(white, white);
}

void ObjectDrawing::flushVectors() {
    GLfloat lineWidth = 1.0f;
    glGetFloatv(GL_LINE_WIDTH, &lineWidth);
    UnlitScope unlit;
    glLineWidth(lineWidthOfVector);
    glColor3d(1.0, 0.0, 0.0);

    for (const scene::Arrow& a : arrows_)
        appendMesh(cone_,
                   [&a](const Vec3& v) { return a.headBase + scene::rotated(v, a.angle, a.axis); });
    drawScratchTriangles(false);

    glBegin(GL_LINES);
    for (const scene::Arrow& a : arrows_) {
        vertex(a.start);
        vertex(a.shaftEnd);
    }
    glEnd();
    arrows_.clear();
    glLineWidth(lineWidth);
}

void ObjectDrawing::flushLines() {
    setMaterial(lineDiffuse, lineSpecular);
    {
        UnlitScope unlit;
        glColor3d(0.0, 0.0, 1.0);
        glBegin(GL_LINES);
        for (const scene::Segment& s : segments_) {
            vertex(s.from);
            vertex(s.to);
        }
        glEnd();
    }
    segments_.clear();
    setMaterial(white, white);
}

void ObjectDrawing::flushSurfaces() {
    glColor4d(0.196, 0.8, 0.196, 1.0);
    setMaterial(surfaceDiffuse, surfaceSpecular);
    for (const scene::Patch& patch : patches_) {
        glBegin(GL_QUAD_STRIP);
        for (const Vec3& corner : patch.corners) {
            glNormal3d(patch.normal.x, patch.normal.y, patch.normal.z);
            vertex(corner);
        }
        glEnd();
    }
    patches_.clear();
    setMaterial(white, white);
    glColor4d(1.0, 1.0, 1.0, 1.0);
}

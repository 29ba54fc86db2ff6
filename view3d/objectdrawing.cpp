// SPDX-License-Identifier: GPL-3.0-or-later
#include "view3d/objectdrawing.h"

#include "geometry/line.h"
#include "geometry/surface.h"
#include "view3d/currentcamera.h"
#include "view3d/glscopes.h"
#include "view3d/namelabels.h"
#include "view3d/occlusion.h"
#include "view3d/planetriangles.h"

#include <QColor>

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
        flushSurfaces(camera, hiding);
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
    ClientArraysScope arrays(3, vertices_.data());
    if (withNormals)
        arrays.addNormals(normals_.data());
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

void ObjectDrawing::flushSurfaces(const CurrentCamera& camera, const Occlusion* occlusion) {
    // The eye looks along -z of the model-view: its row 2 is the view direction in the world.
    const double* modelView = camera.modelView;
    const Vec3 towardsEye{modelView[2], modelView[6], modelView[10]};
    PlaneTriangles triangles(camera.modelView, camera.projection, camera.viewport);
    // Nearest first, each laid under those before it: the picture of drawing them farthest
    // first, each over the others, but a pixel under enough of them takes no more.
    for (size_t i = patches_.size(); i-- > 0;) {
        const auto& c = patches_[i].corners;
        const std::array<Vec3, 4> around{c[0], c[1], c[3], c[2]};
        const Vec3& n = patches_[i].normal;
        const double facing =
            std::fabs(n.x * towardsEye.x + n.y * towardsEye.y + n.z * towardsEye.z);
        const QColor shade = planeShade(patchNames_[i]);
        const QColor fill =
            shade.lighter(int(100 * (planeAmbient + (1.0 - planeAmbient) * facing)));
        const QColor outline = shade.darker(int(100 / outlineShade));
        // Over its own fill: laid before it.
        triangles.addOutline(around, {GLfloat(outline.redF()), GLfloat(outline.greenF()),
                                      GLfloat(outline.blueF()), 1.0f});
        // Laid under others, a colour counts as much as its alpha.
        const std::array<GLfloat, 4> fillColour{
            GLfloat(fill.redF() * planeAlpha), GLfloat(fill.greenF() * planeAlpha),
            GLfloat(fill.blueF() * planeAlpha), GLfloat(planeAlpha)};
        if (occlusion)
            triangles.addFill(around, occlusion->drawnRects(i), fillColour);
        else
            triangles.addFill(around, fillColour);
    }
    {
        UnderScope under(camera.viewport, occlusion ? Occlusion::layers : 0, behind_);
        {
            const ClipCoordinatesScope clipCoordinates;
            ClientArraysScope arrays(4, triangles.positions().data());
            arrays.addColours(triangles.colours().data());
            glDrawArrays(GL_TRIANGLES, 0, triangles.vertexCount());
        }
        under.layBehind();
    }
    setMaterial(white, white);
    glColor4d(1.0, 1.0, 1.0, 1.0);
}

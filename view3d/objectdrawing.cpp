#include "view3d/objectdrawing.h"

#include "geometry/line.h"
#include "geometry/surface.h"
#include "view3d/scenegeometry.h"

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

void setMaterial(const GLfloat* diffuse, const GLfloat* specular) {
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, diffuse);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, specular);
}

void vertex(const Vec3& v) {
    glVertex3d(v.x, v.y, v.z);
}

void emitMesh(const scene::Mesh& mesh) {
    glBegin(GL_TRIANGLES);
    for (unsigned i : mesh.triangles) {
        if (!mesh.normals.empty())
            glNormal3d(mesh.normals[i].x, mesh.normals[i].y, mesh.normals[i].z);
        vertex(mesh.vertices[i]);
    }
    glEnd();
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

} // namespace

ObjectDrawing::ObjectDrawing() {
    sphereList_ = glGenLists(2);
    coneList_ = sphereList_ + 1;

    glNewList(sphereList_, GL_COMPILE);
    setMaterial(pointDiffuse, pointSpecular);
    emitMesh(scene::sphereMesh());
    setMaterial(white, white);
    glEndList();

    glNewList(coneList_, GL_COMPILE);
    emitMesh(scene::coneMesh());
    glEndList();
}

ObjectDrawing::~ObjectDrawing() {
    glDeleteLists(sphereList_, 2);
}

void ObjectDrawing::drawPoint(const Point& p) {
    const Vec3 centre = toVec3(p.coordinates);
    if (!centre.isFinite())
        return;
    glPushMatrix();
    glTranslated(centre.x, centre.y, centre.z);
    glCallList(sphereList_);
    glPopMatrix();
}

void ObjectDrawing::drawVector(const Vector& v) {
    const auto arrow = scene::arrowGeometry(toVec3(v.start), toVec3(v.coordinates));
    if (!arrow)
        return;
    GLfloat lineWidth = 1.0f;
    glGetFloatv(GL_LINE_WIDTH, &lineWidth);
    UnlitScope unlit;
    glLineWidth(lineWidthOfVector);
    glColor3d(1.0, 0.0, 0.0);

    glPushMatrix();
    glTranslated(arrow->headBase.x, arrow->headBase.y, arrow->headBase.z);
    glRotated(arrow->angle, arrow->axis.x, arrow->axis.y, arrow->axis.z);
    glCallList(coneList_);
    glPopMatrix();

    glBegin(GL_LINES);
    vertex(arrow->start);
    vertex(arrow->shaftEnd);
    glEnd();

    glLineWidth(lineWidth);
}

void ObjectDrawing::drawLine(const line& l) {
    const auto segment =
        scene::lineSegment(toVec3(l.point.coordinates), toVec3(l.direction.coordinates));
    if (!segment)
        return;
    setMaterial(lineDiffuse, lineSpecular);
    {
        UnlitScope unlit;
        glColor3d(0.0, 0.0, 1.0);
        glBegin(GL_LINES);
        vertex(segment->from);
        vertex(segment->to);
        glEnd();
    }
    setMaterial(white, white);
}

void ObjectDrawing::drawSurface(const surface& s) {
    const auto patch = scene::patchGeometry(toVec3(s.point.coordinates), toVec3(s.u.coordinates),
                                            toVec3(s.v.coordinates), toVec3(s.normal.coordinates));
    if (!patch)
        return;
    glColor4d(0.196, 0.8, 0.196, 1.0);
    setMaterial(surfaceDiffuse, surfaceSpecular);
    glBegin(GL_QUAD_STRIP);
    for (const Vec3& corner : patch->corners) {
        glNormal3d(patch->normal.x, patch->normal.y, patch->normal.z);
        vertex(corner);
    }
    glEnd();
    setMaterial(white, white);
    glColor4d(1.0, 1.0, 1.0, 1.0);
}

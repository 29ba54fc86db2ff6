#pragma once

#include "geometry/objectdrawer.h"

#include <GL/gl.h>

// Draws the four kinds with the fixed-function pipeline into the current context: a lit
// orange sphere for a point, a red arrow for a vector, a long blue segment for a line and
// a green lit patch for a plane. Each call leaves the matrix stack, the lighting switch
// and the line width as it found them; points, lines and planes leave the diffuse and
// specular material white, a plane leaves the colour white. The sphere and cone meshes are compiled
// once into display lists, so create and destroy it with the view's context current.
class ObjectDrawing : public ObjectDrawer {
public:
    ObjectDrawing();
    ~ObjectDrawing() override;
    ObjectDrawing(const ObjectDrawing&) = delete;
    ObjectDrawing& operator=(const ObjectDrawing&) = delete;

    void drawPoint(const Point& p) override;
    void drawVector(const Vector& v) override;
    void drawLine(const line& l) override;
    void drawSurface(const surface& s) override;

private:
    GLuint sphereList_ = 0;
    GLuint coneList_ = 0;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QOpenGLFunctions>

// The camera GL draws with now: matrices column-major as GL hands them out, the viewport in
// device pixels.
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

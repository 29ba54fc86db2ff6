// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// GL state set for a while: each scope sets what it names and leaves it as the caller had it.

#include <QOpenGLContext>
#include <QOpenGLFunctions>

#include <array>
#include <vector>

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
    ClientArraysScope(GLint size, const GLfloat* vertices)
        : gl_(QOpenGLContext::currentContext()->functions()) {
        glGetIntegerv(GL_ARRAY_BUFFER_BINDING, &arrayBuffer_);
        glGetIntegerv(GL_ELEMENT_ARRAY_BUFFER_BINDING, &elementBuffer_);
        gl_->glBindBuffer(GL_ARRAY_BUFFER, 0);
        gl_->glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
        glEnableClientState(GL_VERTEX_ARRAY);
        glVertexPointer(size, GL_FLOAT, 0, vertices);
    }
    void addNormals(const GLfloat* normals) {
        glEnableClientState(GL_NORMAL_ARRAY);
        glNormalPointer(GL_FLOAT, 0, normals);
        normals_ = true;
    }
    void addColours(const GLfloat* colours) {
        glEnableClientState(GL_COLOR_ARRAY);
        glColorPointer(4, GL_FLOAT, 0, colours);
        colours_ = true;
    }
    ~ClientArraysScope() {
        if (colours_)
            glDisableClientState(GL_COLOR_ARRAY);
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
    bool normals_ = false;
    bool colours_ = false;
    GLint arrayBuffer_ = 0;
    GLint elementBuffer_ = 0;
};

// Vertices given in clip coordinates: both matrices are the identity meanwhile, and the
// caller's come back afterwards.
class ClipCoordinatesScope {
public:
    ClipCoordinatesScope() {
        glGetIntegerv(GL_MATRIX_MODE, &mode_);
        for (GLenum stack : {GL_PROJECTION, GL_MODELVIEW}) {
            glMatrixMode(stack);
            glPushMatrix();
            glLoadIdentity();
        }
    }
    ~ClipCoordinatesScope() {
        for (GLenum stack : {GL_PROJECTION, GL_MODELVIEW}) {
            glMatrixMode(stack);
            glPopMatrix();
        }
        glMatrixMode(GLenum(mode_));
    }
    ClipCoordinatesScope(const ClipCoordinatesScope&) = delete;
    ClipCoordinatesScope& operator=(const ClipCoordinatesScope&) = delete;

private:
    GLint mode_ = GL_MODELVIEW;
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

// Lays what is drawn under what was drawn before, for translucent layers given nearest first,
// and then lays the picture that was there under them all. Depth is tested but not written:
// an opaque object in front of a layer hides it, and a layer shows what lies behind it. With
// a cap, a pixel takes no more than that many layers: the rasteriser skips the rest early, as
// a scissor box or cells of the screen cannot, pixel by pixel.
class UnderScope {
public:
    // The viewport as glGetIntegerv gives it; cap 0 for no cap. The picture is kept in behind
    // meanwhile, and the viewport cleared.
    UnderScope(const GLint* viewport, int cap, std::vector<GLubyte>& behind);
    // Lays the picture kept under the layers drawn; call it once they are.
    void layBehind();
    ~UnderScope();
    UnderScope(const UnderScope&) = delete;
    UnderScope& operator=(const UnderScope&) = delete;

private:
    GLint viewport_[4];
    std::array<GLint, 6> pixelStore_{};
    GLboolean wasBlending_;
    GLboolean wasLit_;
    GLboolean wasStencilling_;
    GLboolean wasScissoring_;
    GLboolean wasDepthTesting_;
    GLboolean depthMask_ = GL_TRUE;
    GLint source_ = GL_ONE;
    GLint destination_ = GL_ZERO;
    GLint stencil_[6] = {}; // function, reference, mask, fail, depth fail, pass
    GLint shadeModel_ = GL_SMOOTH;
    GLint clearStencil_ = 0;
    GLint stencilWriteMask_ = 0xff;
    GLfloat clearColour_[4] = {};
    GLint scissorBox_[4] = {};
    std::vector<GLubyte>& behind_;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#include "view3d/glscopes.h"

#include <algorithm>

namespace {

// Rows read and written whole and packed: a painter may have left other settings.
constexpr std::array<GLenum, 6> pixelStoreNames = {GL_PACK_ROW_LENGTH,  GL_PACK_SKIP_ROWS,
                                                   GL_PACK_SKIP_PIXELS, GL_UNPACK_ROW_LENGTH,
                                                   GL_UNPACK_SKIP_ROWS, GL_UNPACK_SKIP_PIXELS};

} // namespace

UnderScope::UnderScope(const GLint* viewport, int cap, std::vector<GLubyte>& behind)
    : wasBlending_(glIsEnabled(GL_BLEND)), wasLit_(glIsEnabled(GL_LIGHTING)),
      wasStencilling_(glIsEnabled(GL_STENCIL_TEST)), wasScissoring_(glIsEnabled(GL_SCISSOR_TEST)),
      wasDepthTesting_(glIsEnabled(GL_DEPTH_TEST)), behind_(behind) {
    std::copy(viewport, viewport + 4, viewport_);
    for (size_t i = 0; i < pixelStoreNames.size(); ++i) {
        glGetIntegerv(pixelStoreNames[i], &pixelStore_[i]);
        glPixelStorei(pixelStoreNames[i], 0);
    }
    glGetIntegerv(GL_BLEND_SRC, &source_);
    glGetIntegerv(GL_BLEND_DST, &destination_);
    glGetBooleanv(GL_DEPTH_WRITEMASK, &depthMask_);
    const GLenum stencilNames[] = {GL_STENCIL_FUNC,
                                   GL_STENCIL_REF,
                                   GL_STENCIL_VALUE_MASK,
                                   GL_STENCIL_FAIL,
                                   GL_STENCIL_PASS_DEPTH_FAIL,
                                   GL_STENCIL_PASS_DEPTH_PASS};
    for (size_t i = 0; i < 6; ++i)
        glGetIntegerv(stencilNames[i], &stencil_[i]);
    glGetIntegerv(GL_SHADE_MODEL, &shadeModel_);
    glGetIntegerv(GL_STENCIL_CLEAR_VALUE, &clearStencil_);
    glGetIntegerv(GL_STENCIL_WRITEMASK, &stencilWriteMask_);
    glGetFloatv(GL_COLOR_CLEAR_VALUE, clearColour_);

    behind_.resize(size_t(viewport_[2]) * size_t(viewport_[3]) * 4);
    glReadPixels(viewport_[0], viewport_[1], viewport_[2], viewport_[3], GL_RGBA, GL_UNSIGNED_BYTE,
                 behind_.data());
    // Nothing laid yet: no colour, and alpha 0, so the first layer goes in whole. Only the
    // viewport, which is all that is laid back; then no scissor box, which costs a software
    // rasteriser on every pixel.
    glGetIntegerv(GL_SCISSOR_BOX, scissorBox_);
    glEnable(GL_SCISSOR_TEST);
    glScissor(viewport_[0], viewport_[1], viewport_[2], viewport_[3]);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClearStencil(0);
    // A painter leaves the stencil buffer closed to writes.
    glStencilMask(0xff);
    glClear(GL_COLOR_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    glDisable(GL_SCISSOR_TEST);

    // What a layer adds is weighed by what the layers before it let through.
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE_MINUS_DST_ALPHA, GL_ONE);
    glDisable(GL_LIGHTING);
    // A layer's triangles are each of one colour: taken as it is, not interpolated from
    // corners far off the view, which strays by a step that the layers under it add up.
    glShadeModel(GL_FLAT);
    glDepthMask(GL_FALSE);
    if (cap > 0) {
        glEnable(GL_STENCIL_TEST);
        // Counts the layers each pixel took; past the cap it takes none.
        glStencilFunc(GL_GREATER, cap, 0xff);
        glStencilOp(GL_KEEP, GL_KEEP, GL_INCR);
    }
}

void UnderScope::layBehind() {
    glDisable(GL_STENCIL_TEST);
    glDisable(GL_DEPTH_TEST);
    // The raster position at the viewport's lower left corner, whatever the matrices.
    const ClipCoordinatesScope identity;
    glRasterPos2f(-1.0f, -1.0f);
    glDrawPixels(viewport_[2], viewport_[3], GL_RGBA, GL_UNSIGNED_BYTE, behind_.data());
}

UnderScope::~UnderScope() {
    for (size_t i = 0; i < pixelStoreNames.size(); ++i)
        glPixelStorei(pixelStoreNames[i], pixelStore_[i]);
    glClearColor(clearColour_[0], clearColour_[1], clearColour_[2], clearColour_[3]);
    glScissor(scissorBox_[0], scissorBox_[1], scissorBox_[2], scissorBox_[3]);
    glClearStencil(clearStencil_);
    glStencilMask(GLuint(stencilWriteMask_));
    glStencilFunc(GLenum(stencil_[0]), stencil_[1], GLuint(stencil_[2]));
    glStencilOp(GLenum(stencil_[3]), GLenum(stencil_[4]), GLenum(stencil_[5]));
    glDepthMask(depthMask_);
    glShadeModel(GLenum(shadeModel_));
    glBlendFunc(GLenum(source_), GLenum(destination_));
    const std::pair<GLenum, GLboolean> switches[] = {{GL_BLEND, wasBlending_},
                                                     {GL_LIGHTING, wasLit_},
                                                     {GL_STENCIL_TEST, wasStencilling_},
                                                     {GL_SCISSOR_TEST, wasScissoring_},
                                                     {GL_DEPTH_TEST, wasDepthTesting_}};
    for (const auto& [name, on] : switches) {
        if (on)
            glEnable(name);
        else
            glDisable(name);
    }
}

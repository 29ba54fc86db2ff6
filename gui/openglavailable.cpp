// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/openglavailable.h"

#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>

namespace {

bool probeOpenGL() {
    // These platforms draw widgets without OpenGL and cannot host an OpenGL widget, even
    // where they hand out a context.
    const QString platform = QGuiApplication::platformName();
    for (const char* rasterOnly : {"offscreen", "minimal", "vnc", "linuxfb"}) {
        if (platform == QLatin1String(rasterOnly))
            return false;
    }
    QOffscreenSurface surface;
    surface.create();
    if (!surface.isValid())
        return false;
    QOpenGLContext context;
    if (!context.create())
        return false;
    const bool current = context.makeCurrent(&surface);
    if (current)
        context.doneCurrent();
    return current;
}

} // namespace

bool openGLAvailable() {
    static const bool available = probeOpenGL();
    return available;
}

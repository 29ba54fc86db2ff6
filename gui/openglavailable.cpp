#include "gui/openglavailable.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>

bool openGLAvailable() {
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

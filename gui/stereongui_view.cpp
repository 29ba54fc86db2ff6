// The 3D view's part in the window. The view draws the store's visible objects within its
// own frame, after the axes and with the same camera, so its end-of-frame signal needs no
// answer here; the window only points the view at the current store and asks for a frame.
#include "gui/stereongui.h"

#include "view3d/glwidget.h"

namespace {
// Where a detached view first appears, and its size.
constexpr int detachedX = 650;
constexpr int detachedY = 10;
constexpr int detachedSize = 400;
} // namespace

void StereonGUI::repaintDrawer() {
    if (!glWidget)
        return;
    glWidget->setStore(objectStore.get());
    glWidget->redrawNow();
}

void StereonGUI::makeDrawer() {
    if (!glWidget)
        return;
    displayListMenu();
    glWidget->setParent(nullptr);
    glWidget->resize(detachedSize, detachedSize);
    glWidget->move(detachedX, detachedY);
    glWidget->show();
    repaintDrawer();
}

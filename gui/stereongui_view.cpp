// The 3D view's part in the window: drawing the objects and detaching the view.
#include "gui/stereongui.h"

void StereonGUI::repaintDrawer() {}

void StereonGUI::makeDrawer() {}

// The object list rebuilt from the store, and the 3D view's part in it.
#include "gui/stereongui.h"

void StereonGUI::rebuildList() {}

void StereonGUI::changeItemVisibility(bool, const QString&, const QString&) {}

void StereonGUI::repaintDrawer() {}

void StereonGUI::makeDrawer() {}

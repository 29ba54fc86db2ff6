// The object list rebuilt from the store.
#include "gui/stereongui.h"

void StereonGUI::rebuildList() {}

void StereonGUI::changeItemVisibility(bool, const QString&, const QString&) {}

// The add commands of the point, vector, line and surface pages.
#include "gui/stereongui.h"

void StereonGUI::addPoint() {}

void StereonGUI::addVector() {}

void StereonGUI::addLine() {}

void StereonGUI::addSurface() {}

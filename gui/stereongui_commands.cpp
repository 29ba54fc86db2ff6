// The add and compute commands of the input pages.
#include "gui/stereongui.h"

void StereonGUI::addPoint() {}

void StereonGUI::addVector() {}

void StereonGUI::addLine() {}

void StereonGUI::addSurface() {}

void StereonGUI::compIntersect() {}

void StereonGUI::addIntersect() {}

void StereonGUI::compAngle() {}

void StereonGUI::compDistance() {}

// The compute commands of the intersection, angle and distance pages.
#include "gui/stereongui.h"

void StereonGUI::compIntersect() {}

void StereonGUI::addIntersect() {}

void StereonGUI::compAngle() {}

void StereonGUI::compDistance() {}

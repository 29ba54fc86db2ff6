// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/objectdrawer.h"

namespace {
ObjectDrawer* installedDrawer = nullptr;
}

void setObjectDrawer(ObjectDrawer* drawer) {
    installedDrawer = drawer;
}

ObjectDrawer* objectDrawer() {
    return installedDrawer;
}

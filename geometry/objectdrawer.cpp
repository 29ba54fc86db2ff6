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

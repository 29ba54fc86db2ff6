// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/spaceobject.h"

SpaceObject::~SpaceObject() = default;

// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/usability.h"

#include "geometry/line.h"
#include "geometry/surface.h"

bool isUsable(const SpaceObject* object) {
    if (!object)
        return false;
    switch (object->type()) {
    case Kind::Point:
    case Kind::Vector:
        return static_cast<const Point*>(object)->coordinates.isFinite();
    case Kind::Line:
        return static_cast<const line*>(object)->isValid();
    case Kind::Plane:
        return static_cast<const surface*>(object)->isValid();
    default:
        return false;
    }
}

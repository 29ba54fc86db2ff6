#include "geometry/usability.h"

#include "geometry/line.h"
#include "geometry/surface.h"

bool isUsable(const SpaceObject* object) {
    if (!object)
        return false;
    switch (object->type()) {
    case 0:
    case 1:
        return static_cast<const Point*>(object)->coordinates.isFinite();
    case 2:
        return static_cast<const line*>(object)->isValid();
    case 3:
        return static_cast<const surface*>(object)->isValid();
    default:
        return false;
    }
}

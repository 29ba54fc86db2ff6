// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/pages/operands.h"

#include "geometry/numeric.h"
#include "geometry/point.h"

const vector4D* coordinatesOf(const ObjectStore& store, const std::string& name) {
    const SpaceObject* object = store.find(name);
    return object && (object->type() == Kind::Point || object->type() == Kind::Vector)
               ? &static_cast<const Point*>(object)->coordinates
               : nullptr;
}

bool isZeroVector(const vector4D& v) {
    return nearlyEqual(v.x(), 0.0) && nearlyEqual(v.y(), 0.0) && nearlyEqual(v.z(), 0.0);
}

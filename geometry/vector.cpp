// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/vector.h"

#include "geometry/numeric.h"
#include "geometry/objectdrawer.h"

void Vector::draw() const {
    if (ObjectDrawer* drawer = objectDrawer())
        drawer->drawVector(*this);
}

bool Vector::isZero() const {
    return coordinates.x() == 0.0 && coordinates.y() == 0.0 && coordinates.z() == 0.0;
}

double Vector::angleDegrees(const Vector& a, const Vector& b) {
    return angle(a.coordinates, b.coordinates) * geom::degreesPerRadian;
}

Vector operator*(const Vector& a, const Vector& b) {
    return Vector(cross(a.coordinates, b.coordinates));
}

Vector operator-(const Vector& a, const Vector& b) {
    return Vector(a.coordinates - b.coordinates);
}

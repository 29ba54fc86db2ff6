// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/line.h"

#include "geometry/objectdrawer.h"

void line::draw() const {
    if (ObjectDrawer* drawer = objectDrawer())
        drawer->drawLine(*this);
}

void line::setLine(const Point& P, const Vector& V) {
    point.coordinates = P.coordinates;
    direction = V;
}

bool line::isValid() const {
    return direction.coordinates.isFinite() && point.coordinates.isFinite() &&
           !direction.isZero();
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/point.h"

#include "geometry/objectdrawer.h"

void Point::draw() const {
    if (ObjectDrawer* drawer = objectDrawer())
        drawer->drawPoint(*this);
}

double Point::distance(const Point& a, const Point& b) {
    return length(a.coordinates - b.coordinates);
}

Point operator*(const Point& p, double k) {
    return Point(p.coordinates * k);
}

Point operator+(const Point& p, const Point& q) {
    return Point(p.coordinates + q.coordinates);
}

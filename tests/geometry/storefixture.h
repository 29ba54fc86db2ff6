#pragma once

#include "geometry/line.h"
#include "geometry/objectstore.h"
#include "geometry/surface.h"

#include <QVector>

#include <memory>
#include <string>

// Files hand-made objects under a name, so operations can be tested without the
// constructions that normally make them.
template <class T> T* fileObject(ObjectStore& store, const std::string& name, const T& object) {
    auto p = std::make_unique<T>(object);
    p->name = name;
    p->visible = true;
    T* raw = p.get();
    store.insert(raw->type(), std::move(p));
    return raw;
}

inline Point* filePoint(ObjectStore& store, const std::string& name, double x, double y, double z) {
    return fileObject(store, name, Point(x, y, z));
}

// c = point x, y, z, then direction x, y, z.
inline line* fileLine(ObjectStore& store, const std::string& name, const QVector<double>& c) {
    line l;
    l.setLine(Point(c[0], c[1], c[2]), Vector(c[3], c[4], c[5]));
    return fileObject(store, name, l);
}

// c = normal x, y, z, then d.
inline surface* filePlane(ObjectStore& store, const std::string& name, const QVector<double>& c) {
    surface s;
    s.setPlane(Vector(c[0], c[1], c[2]), c[3]);
    return fileObject(store, name, s);
}

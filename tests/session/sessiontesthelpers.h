#pragma once

// Objects built by hand (without the construction operations) and file helpers for the
// session tests.

#include "geometry/line.h"
#include "geometry/objectstore.h"
#include "geometry/surface.h"

#include <QByteArray>
#include <QFile>

#include <initializer_list>
#include <memory>
#include <string>

inline Point* addPoint(ObjectStore& store, const std::string& name, double x, double y, double z,
                       bool visible = true) {
    auto p = std::make_unique<Point>(x, y, z);
    p->name = name;
    p->visible = visible;
    Point* raw = p.get();
    return store.insert(0, std::move(p)) ? raw : nullptr;
}

inline Vector* addVector(ObjectStore& store, const std::string& name, double x, double y, double z,
                         bool visible = true) {
    auto v = std::make_unique<Vector>(x, y, z);
    v->name = name;
    v->visible = visible;
    Vector* raw = v.get();
    return store.insert(1, std::move(v)) ? raw : nullptr;
}

inline line* addLine(ObjectStore& store, const std::string& name, const Point& point,
                     const Vector& direction, std::initializer_list<SpaceObject*> parents) {
    auto l = std::make_unique<line>();
    l->setLine(point, direction);
    l->name = name;
    l->visible = true;
    l->parents.assign(parents);
    line* raw = l.get();
    return store.insert(2, std::move(l)) ? raw : nullptr;
}

// A plane through point with the given normal, as a point-and-normal construction makes it.
inline surface* addPlane(ObjectStore& store, const std::string& name, const Vector& normal,
                         const Point& point, std::initializer_list<SpaceObject*> parents) {
    auto s = std::make_unique<surface>();
    s->setPlane(normal, point);
    s->name = name;
    s->visible = true;
    s->parents.assign(parents);
    surface* raw = s.get();
    return store.insert(3, std::move(s)) ? raw : nullptr;
}

inline bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline std::string local(const QString& path) {
    return path.toStdString();
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/construction.h"
#include "geometry/line.h"
#include "geometry/surface.h"

#include <QStringList>

#include <cstdio>
#include <memory>
#include <vector>

// Files a copy of a hand-made object under name; null when the store refuses it.
template <class T>
T* add(ObjectStore& store, const std::string& name, const T& object, bool visible = true,
       std::vector<SpaceObject*> parents = {}) {
    auto p = std::make_unique<T>(object);
    p->name = name;
    p->visible = visible;
    p->parents = std::move(parents);
    T* raw = p.get();
    return store.insert(raw->type(), std::move(p)) ? raw : nullptr;
}

// "code name visible numbers <parents", code as a file writes the kind: the coordinates of a
// point or vector (a negative zero kept when asked: what a file says); the point and direction
// of a line; the normal, d and point of a plane.
inline QString objectState(const SpaceObject& o, bool zeroSigns = false) {
    std::vector<double> n;
    const auto put = [&n](const vector4D& c) { n.insert(n.end(), {c.x(), c.y(), c.z()}); };
    const bool coordinates = o.type() == Kind::Point || o.type() == Kind::Vector;
    const bool signs = zeroSigns && coordinates;
    if (coordinates) {
        put(static_cast<const Point&>(o).coordinates);
    } else if (o.type() == Kind::Line) {
        put(static_cast<const line&>(o).point.coordinates);
        put(static_cast<const line&>(o).direction.coordinates);
    } else {
        const auto& s = static_cast<const surface&>(o);
        put(s.normal.coordinates);
        n.push_back(s.d);
        put(s.point.coordinates);
    }
    QString text = QString::number(fileCode(o.type())) + ' ' + QString::fromStdString(o.name) +
                   (o.visible ? " 1" : " 0");
    char number[32];
    for (double v : n)
        text +=
            QLatin1String(number, std::snprintf(number, sizeof number, " %g", signs ? v : v + 0.0));
    for (std::size_t i = 0; i < o.parents.size(); ++i)
        text += (i ? "," : " <") + QString::fromStdString(o.parents[i]->name);
    return text;
}

// Builds "kind name operands;...": P and V coordinates, F two points, L two operands, S three,
// N a point and a normal, E a normal and d, X two objects. False at the first refusal.
inline bool buildObjects(ObjectStore& store, const QString& script, Refusal* why = nullptr) {
    for (const QString& command : script.split(';', Qt::SkipEmptyParts)) {
        const QStringList w = command.split(' ', Qt::SkipEmptyParts);
        const auto s = [&w](int i) { return w.value(i).toStdString(); };
        const auto n = [&w](int i) { return w.value(i).toDouble(); };
        const QString kind = w.value(0);
        const bool filed =
            kind == "P"   ? createPoint(store, n(2), n(3), n(4), s(1), why)
            : kind == "V" ? createVector(store, n(2), n(3), n(4), s(1), why)
            : kind == "F" ? createVectorFromPoints(store, s(2), s(3), s(1), why)
            : kind == "L" ? createLine(store, s(2), s(3), s(1), why)
            : kind == "S" ? createSurfaceFromThree(store, s(2), s(3), s(4), s(1), why)
            : kind == "N" ? createSurfaceFromPointAndNormal(store, s(2), s(3), s(1), why)
            : kind == "E" ? createSurfaceFromEquation(store, s(2), n(3), s(1), why)
                          : kind == "X" && createIntersection(store, s(2), s(3), s(1), why);
        if (!filed)
            return false;
    }
    return true;
}

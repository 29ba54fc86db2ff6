#pragma once

#include "geometry/construction.h"

#include <QStringList>

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

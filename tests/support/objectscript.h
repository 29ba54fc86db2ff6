#pragma once

#include "geometry/construction.h"

#include <QStringList>

// Files the objects of a script of ";"-separated commands "kind name operands" through the
// constructions: P and V take coordinates, F two points (a vector between them), L two
// operands, S three (points, or two vectors and a point), N a point and a normal, E a normal
// and d, X two objects to intersect. False at the first refusal.
inline bool buildObjects(ObjectStore& store, const QString& script) {
    for (const QString& command : script.split(';', Qt::SkipEmptyParts)) {
        const QStringList w = command.split(' ', Qt::SkipEmptyParts);
        const auto s = [&w](int i) { return w.value(i).toStdString(); };
        const auto n = [&w](int i) { return w.value(i).toDouble(); };
        const QString kind = w.value(0);
        const bool filed = kind == "P"   ? createPoint(store, n(2), n(3), n(4), s(1))
                           : kind == "V" ? createVector(store, n(2), n(3), n(4), s(1))
                           : kind == "F" ? createVectorFromPoints(store, s(2), s(3), s(1))
                           : kind == "L" ? createLine(store, s(2), s(3), s(1))
                           : kind == "S" ? createSurfaceFromThree(store, s(2), s(3), s(4), s(1))
                           : kind == "N" ? createSurfaceFromPointAndNormal(store, s(2), s(3), s(1))
                           : kind == "E"
                               ? createSurfaceFromEquation(store, s(2), n(3), s(1))
                               : kind == "X" && createIntersection(store, s(2), s(3), s(1));
        if (!filed)
            return false;
    }
    return true;
}

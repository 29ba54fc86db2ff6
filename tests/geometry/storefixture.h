// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/line.h"
#include "geometry/objectstore.h"
#include "geometry/objectsummary.h"
#include "geometry/surface.h"
#include "support/objectscript.h"

#include <QStringList>
#include <QTest>
#include <QVector>

#include <string>
#include <vector>

using Coords = QVector<double>;

inline constexpr Kind P = Kind::Point, V = Kind::Vector, L = Kind::Line, S = Kind::Plane;

// Files "name kind numbers": P or V x y z; L point, direction; S normal, d, or three points.
inline SpaceObject* file(ObjectStore& store, const QString& entry) {
    const QStringList f = entry.split(' ');
    Coords c;
    for (int i = 2; i < f.size(); ++i)
        c << f[i].toDouble();
    const auto at = [&c](int i) { return Point(c[i], c[i + 1], c[i + 2]); };
    const auto along = [&c](int i) { return Vector(c[i], c[i + 1], c[i + 2]); };
    const std::string name = f[0].toStdString();
    const int letter = QString("PVLS").indexOf(f[1]);
    const Kind kind = letter < 0 ? Kind::Root : storedKinds[letter];
    if (kind == P)
        return add(store, name, at(0));
    if (kind == V)
        return add(store, name, along(0));
    if (kind == L) {
        line l;
        l.setLine(at(0), along(3));
        return add(store, name, l);
    }
    if (kind != S)
        return nullptr;
    surface s;
    if (c.size() == 9)
        s.setPlane(at(0), at(3), at(6));
    else
        s.setPlane(along(0), c[3]);
    return add(store, name, s);
}

inline void fileAll(ObjectStore& store, const QStringList& entries) {
    for (const QString& entry : entries)
        file(store, entry);
}

// "none" for the root kind.
inline QString kindName(Kind kind) {
    const char* const names[] = {"empty", "none", "point", "vector", "line", "plane"};
    return names[fileCode(kind) - fileCode(Kind::Empty)];
}

// "row kind|name|visible|x,y,z" of a record; the row is left out for an object.
inline QString summary(const ObjectSummary& r) {
    const char* const rows[] = {"", "normal ", "parametric ", "general "};
    return QString::asprintf("%s%s|%s|%d|%g,%g,%g", rows[static_cast<int>(r.row)],
                             qPrintable(kindName(r.kind)), r.name.c_str(), r.visible, r.x, r.y,
                             r.z);
}

inline QStringList summaries(const std::vector<ObjectSummary>& records) {
    QStringList out;
    for (const ObjectSummary& r : records)
        out << summary(r);
    return out;
}

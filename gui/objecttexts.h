// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/kind.h"
#include "geometry/objectstore.h"
#include "geometry/objectsummary.h"
#include "widgets/infoline.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

#include <vector>

// The window's texts, in the context every catalogue files them under.
inline QString uiText(const char* source) {
    return QCoreApplication::translate("StereonGUI", source);
}

// How the window names and shows objects: the kind word, numbers with six significant
// digits, "name [x; y; z]" for points and "name (x; y; z)" for vectors.
QString kindWord(Kind kind);
QString numberText(double value);
QString pointText(const QString& name, double x, double y, double z);
QString vectorText(const QString& name, double x, double y, double z);

// The title of an object's entry: "Point A [1; 2; 3]", "Line p", "Surface s: 1x +2y  = 0".
QString objectTitle(const SpaceObject& object);

// What an entry shows when unfolded, from the object's description.
struct EntryInfo {
    QList<InfoLine> lines;
    QString generalEquation;
};
EntryInfo describeEntry(const ObjectStore& store, const std::vector<ObjectSummary>& description);

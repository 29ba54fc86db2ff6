// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/intersection.h"
#include "geometry/objectstore.h"

#include <QJsonObject>
#include <QStringList>

// Texts as the window shows them (English) and their JSON counterparts.

// A coordinate as the object list writes it: six significant digits.
QString listNumber(double value);

// The text with control characters and line breaks written as escapes ("\n", "\t",
// "\x1b", "\u2028"): a name in a file must not drive the terminal or split a line of the
// output. JSON needs none of this; QJsonDocument escapes its strings itself.
QString printable(const QString& text);

// The title of an object's entry, e.g. "Point A [1; 2.5; -3]" or "Surface S: 1x  = 0".
QString objectTitle(const SpaceObject* object);
// The lines of an entry's information: the parametric equation and one line per parent.
QStringList objectDetails(const ObjectStore& store, const SpaceObject* object);
QJsonObject objectJson(const ObjectStore& store, const SpaceObject* object);

// The answer of an intersection as the intersection page gives it.
QStringList intersectionText(const IntersectionResult& result);
QJsonObject intersectionJson(const IntersectionResult& result);

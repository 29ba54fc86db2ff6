// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/objecttexts.h"
#include "gui/sessionmodel.h"
#include "widgets/objectroles.h"

#include <QComboBox>

#include <string>

class vector4D;

// What an object picker has chosen: the object's name in the store, whatever the entry shows.
inline std::string operand(const QComboBox* combo) {
    return SessionModel::storeName(combo->currentData(ObjectRole::Name).toString());
}

inline bool chosen(const QComboBox* combo) {
    return combo->currentIndex() != -1;
}

inline bool sameOperand(const QComboBox* a, const QComboBox* b) {
    return a->currentData(ObjectRole::Name) == b->currentData(ObjectRole::Name);
}

// The coordinates of a point or vector in the store; null for anything else.
const vector4D* coordinatesOf(const ObjectStore& store, const std::string& name);
// Zero within the tolerance in every coordinate.
bool isZeroVector(const vector4D& v);

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/kind.h"

#include <cstdint>
#include <string>

// What a row of a description stands for: an object (of `kind`), or an equation line.
enum class Row : std::int8_t { Object, NormalVector, ParametricEquation, GeneralEquation };

// One record: what the store's cursor yields, the head of an intersection and the
// rows of an object description.
struct ObjectSummary {
    Kind kind = Kind::Root;
    Row row = Row::Object;
    bool visible = false;
    std::string name;
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

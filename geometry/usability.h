// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/spaceobject.h"

// Why a construction filed nothing, or a query gave no result.
enum class Refusal {
    None,
    UnknownName,   // an operand name is not in the store
    NameTaken,     // the new name is held by an object of any kind
    WrongKinds,    // the operands do not fit this construction or query
    Degenerate,    // zero direction or normal, non-finite input, or nothing to file
    NoCommonPoint, // the intersection is empty: parallel or skew operands
    TooLarge       // a result or an intermediate value overflows a double
};

// Passes the reason on when the caller asked for it.
inline void tellRefusal(Refusal* why, Refusal reason) {
    if (why)
        *why = reason;
}

// An operand the operations can compute with: a point or vector with finite
// coordinates, a line or plane whose isValid() holds. Objects loaded from old files can
// carry zero directions or normals; those are refused rather than turned into NaN.
bool isUsable(const SpaceObject* object);

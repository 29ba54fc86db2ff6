// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/line.h"
#include "geometry/surface.h"

#include <memory>
#include <vector>

// A parent as a session file names it: the object, and whether it is marked as the normal.
struct FileParent {
    SpaceObject* object;
    bool markedNormal;
};

// A line or plane made again the way it was built, from the parents its line in the file
// lists; null when they do not define a usable one.
//
// A line goes through its first point along its last vector (two points: the direction
// companion, then the points; a point and a vector; a filed intersection's companions).
//
// A plane, by the parents it shows:
// - three points: through them, in order;
// - a normal marked before two spanning vectors and a point: spanned by the later vector
//   and then the earlier one, as built from a point and two vectors; when that would turn
//   the normal round, it is a filed intersection of two planes, whose parts are its own;
// - a normal marked after the spanning vectors: from that normal and the point (a plane
//   from a point and a normal, or from a normal and D, whose companion point lies on it);
// - otherwise the first two unmarked vectors and the first point, oriented like the marked
//   normal when there is one.
std::unique_ptr<line> rebuildLine(const std::vector<FileParent>& parents);
std::unique_ptr<surface> rebuildPlane(const std::vector<FileParent>& parents);

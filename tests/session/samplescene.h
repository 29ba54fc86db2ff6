// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/objectstore.h"

#include <string>

// A scene with every kind of object and every way of building one: points, vectors, lines
// from two points and from a point and a vector, planes of all four constructions, and
// filed intersections (point, line, plane), with their hidden companions. Every name ends
// in suffix and every point is moved by offset along x, so copies can share a store.
// Returns false when a construction was refused.
bool buildSampleScene(ObjectStore& store, const std::string& suffix = std::string(),
                      double offset = 0.0);

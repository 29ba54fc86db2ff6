#pragma once

#include "geometry/spaceobject.h"

// An operand the operations can compute with: a point or vector with finite
// coordinates, a line or plane whose isValid() holds. Objects loaded from old files can
// carry zero directions or normals; those are refused rather than turned into NaN.
bool isUsable(const SpaceObject* object);

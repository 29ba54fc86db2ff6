// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/objectstore.h"

#include <string>

// The name for a hidden companion object: base itself when no object has that name,
// otherwise the first free one of base + "2", base + "3", ... An existing object is never
// replaced by a companion.
std::string auxiliaryName(const ObjectStore& store, const std::string& base);

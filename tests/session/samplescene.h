// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/objectstore.h"

#include <string>

// Every kind of object built every way, with hidden companions. Names end in suffix and
// points move by offset along x, so that copies can share a store.
bool buildSampleScene(ObjectStore& store, const std::string& suffix = std::string(),
                      double offset = 0.0);

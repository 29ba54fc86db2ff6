// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/objectstore.h"
#include "session/filestatus.h"

#include <string>

// Saves every object of the store to a session file: points, vectors, lines, planes, each
// kind in name order. The previous file is replaced only when the whole session was
// written; false leaves it untouched. Refused (false) for a store holding a coordinate
// that is not finite or a name the format cannot carry ("$$", a line break, a final '$').
FileStatus writeSession(const ObjectStore& store, const std::string& path);

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/objectstore.h"
#include "session/filestatus.h"

#include <string>

// Reads a session file into the store, replacing what it held, or leaves the store as it
// was and says why not: the line and the reason (not a session file, a truncated or broken
// record, an unknown parent, a repeated name, a coordinate that is not a number, a line or
// plane its parents do not define, too large for memory). Blank lines are skipped. Lines
// and planes are rebuilt the way they were built; names that are not UTF-8 are read as
// Windows-1250.
FileStatus readSession(ObjectStore& store, const std::string& path);

#pragma once

#include "geometry/objectstore.h"

#include <string>

// Clears the store and rebuilds it from a session file; lines and planes are rebuilt
// from their parents. A blank or truncated line ends the reading (true) and keeps what
// came before. False when the file cannot be opened (store untouched) or a line is
// invalid: bad kind or flag, bad parent count, unknown parent, repeated name, a
// coordinate that is not finite, a line or plane that cannot be rebuilt, or a line
// longer than a megabyte. The objects read before the failing line stay.
bool readSession(ObjectStore& store, const std::string& path);

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/objectstore.h"

#include <string>
#include <vector>

// What goes when the named object is deleted: the object, everything built from it (the
// objects that name it as a parent, and theirs, and so on), and the hidden companions of
// those that nothing left behind uses. In store order (kind, then name); empty when there
// is no such object.
std::vector<std::string> deletionOf(const ObjectStore& store, const std::string& name);

// Everything built from the named object, directly or not, in store order: what
// deletionOf() takes besides the object and the companions.
std::vector<std::string> dependentsOf(const ObjectStore& store, const std::string& name);

// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/auxiliaryname.h"

#include "geometry/numeric.h"

std::string auxiliaryName(const ObjectStore& store, const std::string& base) {
    std::string name = base;
    for (int n = 2; store.exists(name); ++n)
        name = joinText(base, std::to_string(n));
    return name;
}

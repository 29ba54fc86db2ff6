// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/kind.h"

std::optional<Kind> kindFromFileCode(long code) {
    for (Kind kind : storedKinds)
        if (fileCode(kind) == code)
            return kind;
    return std::nullopt;
}

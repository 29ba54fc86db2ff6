// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Entries that show no object: a relation that holds, and no result at all.
namespace entryKind {
constexpr int relationHolds = 4;
constexpr int noResult = -1;
} // namespace entryKind

// The background of an entry by its kind's code (point, vector, line, plane) or entryKind.
inline QString kindColour(int code) {
    static const char* const colours[] = {"peru", "tomato", "deepskyblue", "limegreen", "wheat"};
    return QLatin1String(code >= 0 && code <= 4 ? colours[code] : "crimson");
}

#pragma once

#include <QString>

// The background of an entry by its kind's code: point, vector, line, plane, then 4 for a
// relation that holds; any other code is "no result".
inline QString kindColour(int code) {
    static const char* const colours[] = {"peru", "tomato", "deepskyblue", "limegreen", "wheat"};
    return QLatin1String(code >= 0 && code <= 4 ? colours[code] : "crimson");
}

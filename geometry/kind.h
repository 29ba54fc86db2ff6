// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>

// What an object is; the stored kinds' values are the codes of the session file.
enum class Kind : std::int8_t { Empty = -2, Root = -1, Point = 0, Vector = 1, Line = 2, Plane = 3 };

// The kinds a store holds, in the order lists and files walk them.
constexpr std::array<Kind, 4> storedKinds{Kind::Point, Kind::Vector, Kind::Line, Kind::Plane};

constexpr int fileCode(Kind kind) {
    return static_cast<int>(kind);
}

// The stored kind of a file code, or none for any other number.
std::optional<Kind> kindFromFileCode(long code);

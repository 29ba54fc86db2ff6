// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/kind.h"

#include <string>
#include <vector>

// Root of the object family. The store owns every object; parents are non-owning.
class SpaceObject {
public:
    SpaceObject() = default;
    SpaceObject(const SpaceObject&) = default;
    SpaceObject& operator=(const SpaceObject&) = default;
    virtual ~SpaceObject();

    virtual Kind type() const { return Kind::Root; }
    // Draws through the installed ObjectDrawer (the 3D view installs one).
    virtual void draw() const {}

    bool visible = false;
    std::string name;
    std::vector<SpaceObject*> parents;
};

// The answer "no common point" of an intersection; never stored.
class empty_set : public SpaceObject {
public:
    Kind type() const override { return Kind::Empty; }
};

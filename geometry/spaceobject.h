#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Root of the object family. Kind codes: -1 root, 0 point, 1 vector, 2 line, 3 plane,
// -2 empty set. The store owns every object; parents are non-owning.
class SpaceObject {
public:
    SpaceObject() = default;
    SpaceObject(const SpaceObject&) = default;
    SpaceObject& operator=(const SpaceObject&) = default;
    virtual ~SpaceObject();

    virtual std::int8_t type() const { return -1; }
    // Draws through the installed ObjectDrawer (the 3D view installs one).
    virtual void draw() const {}

    bool visible = false;
    std::string name;
    std::vector<SpaceObject*> parents;
};

// The answer "no common point" of an intersection; never stored.
class empty_set : public SpaceObject {
public:
    std::int8_t type() const override { return -2; }
};

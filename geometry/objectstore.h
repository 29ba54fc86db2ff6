// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/objectsummary.h"
#include "geometry/spaceobject.h"

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

// Owns every object of a session in four name-ordered maps, one per stored kind.
// A name is unique across all four maps.
class ObjectStore {
public:
    using Map = std::map<std::string, std::unique_ptr<SpaceObject>>;

    ObjectStore();
    ObjectStore(const ObjectStore&) = delete;
    ObjectStore& operator=(const ObjectStore&) = delete;

    // Takes the object in under its name. Refused (and the object discarded) when the
    // kind is not a stored one, does not match the object, or the name is taken in any map.
    bool insert(Kind kind, std::unique_ptr<SpaceObject> object);

    // Takes the named object out of the store and hands it over; null when there is none.
    // Whatever still names it as a parent must go too, or get it back.
    std::unique_ptr<SpaceObject> take(const std::string& name);

    // While set, insert() appends the name of each object it takes in: how a caller learns
    // what a construction filed besides the object it named.
    void setJournal(std::vector<std::string>* journal) { journal_ = journal; }

    int count(Kind kind) const;
    std::int32_t visibleCount() const { return visible_; }
    bool exists(const std::string& name) const;
    SpaceObject* find(const std::string& name) const;
    void setVisible(const std::string& name, bool flag);

    void resetCursor(Kind kind);
    // The record under the cursor of that kind, then moves the cursor.
    ObjectSummary step(Kind kind, bool forward);

    // Draws every visible object: points, vectors, lines, planes, each in name order.
    void drawAll() const;
    void clear();
    // Exchanges the whole contents with other; cursors go back to the first entries.
    void swap(ObjectStore& other);

    // Read access for writers and lists that walk a kind in name order.
    // Empty for a kind that is not stored.
    const Map& objects(Kind kind) const { return stored(kind) ? maps_[fileCode(kind)] : none_; }

private:
    static bool stored(Kind kind) { return fileCode(kind) >= 0 && fileCode(kind) < 4; }

    std::array<Map, 4> maps_;
    std::array<Map::const_iterator, 4> cursors_;
    std::int32_t visible_ = 0;
    std::vector<std::string>* journal_ = nullptr;
    static const Map none_;
};

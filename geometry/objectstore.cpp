// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/objectstore.h"

#include "geometry/point.h"

#include <utility>

const ObjectStore::Map ObjectStore::none_;

ObjectStore::ObjectStore() {
    for (std::size_t k = 0; k < maps_.size(); ++k)
        cursors_[k] = maps_[k].cbegin();
}

bool ObjectStore::insert(Kind kind, std::unique_ptr<SpaceObject> object) {
    if (!object || !stored(kind) || object->type() != kind || exists(object->name))
        return false;
    Map& map = maps_[fileCode(kind)];
    const bool wasEmpty = map.empty();
    const bool isVisible = object->visible;
    std::string key = object->name;
    if (journal_)
        journal_->push_back(key);
    map.emplace(std::move(key), std::move(object));
    if (wasEmpty)
        cursors_[fileCode(kind)] = map.cbegin();
    if (isVisible)
        ++visible_;
    return true;
}

std::unique_ptr<SpaceObject> ObjectStore::take(const std::string& name) {
    for (std::size_t k = 0; k < maps_.size(); ++k) {
        const auto it = maps_[k].find(name);
        if (it == maps_[k].end())
            continue;
        // A cursor on the object moves on to the next one.
        if (cursors_[k] == it)
            ++cursors_[k];
        std::unique_ptr<SpaceObject> object = std::move(it->second);
        maps_[k].erase(it);
        if (object->visible)
            --visible_;
        return object;
    }
    return nullptr;
}

int ObjectStore::count(Kind kind) const {
    return static_cast<int>(objects(kind).size());
}

bool ObjectStore::exists(const std::string& name) const {
    return find(name) != nullptr;
}

SpaceObject* ObjectStore::find(const std::string& name) const {
    for (const Map& map : maps_) {
        auto it = map.find(name);
        if (it != map.end())
            return it->second.get();
    }
    return nullptr;
}

void ObjectStore::setVisible(const std::string& name, bool flag) {
    SpaceObject* object = find(name);
    if (!object)
        return;
    if (object->visible != flag)
        visible_ += flag ? 1 : -1;
    object->visible = flag;
}

void ObjectStore::resetCursor(Kind kind) {
    if (stored(kind))
        cursors_[fileCode(kind)] = maps_[fileCode(kind)].cbegin();
}

ObjectSummary ObjectStore::step(Kind kind, bool forward) {
    ObjectSummary record;
    if (!stored(kind) || cursors_[fileCode(kind)] == maps_[fileCode(kind)].cend()) {
        record.name = "e";
        return record;
    }
    const Map& map = maps_[fileCode(kind)];
    Map::const_iterator& cursor = cursors_[fileCode(kind)];
    const SpaceObject* object = cursor->second.get();
    record.kind = kind;
    record.visible = object->visible;
    record.name = object->name;
    if (kind == Kind::Point || kind == Kind::Vector) {
        const auto* p = static_cast<const Point*>(object);
        record.x = p->coordinates.x();
        record.y = p->coordinates.y();
        record.z = p->coordinates.z();
    }
    // Stepping back from the first entry parks the cursor at the end instead of
    // walking off the map.
    if (forward)
        ++cursor;
    else if (cursor == map.cbegin())
        cursor = map.cend();
    else
        --cursor;
    return record;
}

void ObjectStore::drawAll() const {
    for (const Map& map : maps_)
        for (const auto& entry : map)
            if (entry.second->visible)
                entry.second->draw();
}

void ObjectStore::clear() {
    for (std::size_t k = 0; k < maps_.size(); ++k) {
        maps_[k].clear();
        cursors_[k] = maps_[k].cbegin();
    }
    visible_ = 0;
}

void ObjectStore::swap(ObjectStore& other) {
    maps_.swap(other.maps_);
    std::swap(visible_, other.visible_);
    for (std::size_t k = 0; k < maps_.size(); ++k) {
        cursors_[k] = maps_[k].cbegin();
        other.cursors_[k] = other.maps_[k].cbegin();
    }
}

#include "geometry/objectstore.h"

#include "geometry/point.h"

#include <utility>

ObjectStore::ObjectStore() {
    for (int k = 0; k < 4; ++k)
        cursors_[k] = maps_[k].cbegin();
}

bool ObjectStore::insert(int kind, std::unique_ptr<SpaceObject> object) {
    if (!object || !validKind(kind) || object->type() != kind || exists(object->name))
        return false;
    const bool wasEmpty = maps_[kind].empty();
    const bool isVisible = object->visible;
    std::string key = object->name;
    maps_[kind].emplace(std::move(key), std::move(object));
    if (wasEmpty)
        cursors_[kind] = maps_[kind].cbegin();
    if (isVisible)
        ++visible_;
    return true;
}

int ObjectStore::count(int kind) const {
    return validKind(kind) ? static_cast<int>(maps_[kind].size()) : 0;
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

void ObjectStore::resetCursor(int kind) {
    if (validKind(kind))
        cursors_[kind] = maps_[kind].cbegin();
}

ObjectSummary ObjectStore::step(int kind, bool forward) {
    ObjectSummary record;
    if (!validKind(kind) || cursors_[kind] == maps_[kind].cend()) {
        record.name = "e";
        return record;
    }
    const SpaceObject* object = cursors_[kind]->second.get();
    record.kind = kind;
    record.visible = object->visible;
    record.name = object->name;
    if (kind <= 1) {
        const auto* p = static_cast<const Point*>(object);
        record.x = p->coordinates.x();
        record.y = p->coordinates.y();
        record.z = p->coordinates.z();
    }
    // Stepping back from the first entry parks the cursor at the end instead of
    // walking off the map.
    if (forward)
        ++cursors_[kind];
    else if (cursors_[kind] == maps_[kind].cbegin())
        cursors_[kind] = maps_[kind].cend();
    else
        --cursors_[kind];
    return record;
}

void ObjectStore::drawAll() const {
    for (const Map& map : maps_)
        for (const auto& entry : map)
            if (entry.second->visible)
                entry.second->draw();
}

void ObjectStore::clear() {
    for (int k = 0; k < 4; ++k) {
        maps_[k].clear();
        cursors_[k] = maps_[k].cbegin();
    }
    visible_ = 0;
}

void ObjectStore::swap(ObjectStore& other) {
    maps_.swap(other.maps_);
    std::swap(visible_, other.visible_);
    for (int k = 0; k < 4; ++k) {
        cursors_[k] = maps_[k].cbegin();
        other.cursors_[k] = other.maps_[k].cbegin();
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/removal.h"

#include <algorithm>
#include <set>

namespace {

using Objects = std::set<const SpaceObject*>;

std::vector<std::string> inStoreOrder(const ObjectStore& store, const Objects& objects) {
    std::vector<std::string> names;
    for (Kind kind : storedKinds)
        for (const auto& [key, object] : store.objects(kind))
            if (objects.count(object.get()))
                names.push_back(key);
    return names;
}

// The object and whatever names one of them as a parent, until nothing more does.
Objects withDependents(const ObjectStore& store, const SpaceObject* start) {
    Objects going{start};
    for (bool grew = true; grew;) {
        grew = false;
        for (Kind kind : storedKinds) {
            for (const auto& [key, object] : store.objects(kind)) {
                if (going.count(object.get()))
                    continue;
                const auto& parents = object->parents;
                if (std::any_of(parents.begin(), parents.end(),
                                [&going](const SpaceObject* p) { return going.count(p) > 0; })) {
                    going.insert(object.get());
                    grew = true;
                }
            }
        }
    }
    return going;
}

} // namespace

std::vector<std::string> dependentsOf(const ObjectStore& store, const std::string& name) {
    const SpaceObject* start = store.find(name);
    if (!start)
        return {};
    Objects dependents = withDependents(store, start);
    dependents.erase(start);
    return inStoreOrder(store, dependents);
}

std::vector<std::string> deletionOf(const ObjectStore& store, const std::string& name) {
    const SpaceObject* start = store.find(name);
    if (!start)
        return {};
    Objects going = withDependents(store, start);
    // Companions: a hidden parent of a going object goes when no staying object uses it.
    for (bool grew = true; grew;) {
        grew = false;
        Objects used;
        for (Kind kind : storedKinds)
            for (const auto& [key, object] : store.objects(kind))
                if (!going.count(object.get()))
                    used.insert(object->parents.begin(), object->parents.end());
        Objects companions;
        for (const SpaceObject* object : going)
            for (const SpaceObject* parent : object->parents)
                if (!parent->visible && !going.count(parent) && !used.count(parent))
                    companions.insert(parent);
        going.insert(companions.begin(), companions.end());
        grew = !companions.empty();
    }
    return inStoreOrder(store, going);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/rebuild.h"

namespace {

struct Indexed {
    const Vector* vector;
    std::size_t index;
};

std::unique_ptr<surface> usable(std::unique_ptr<surface> plane) {
    return plane->isValid() ? std::move(plane) : nullptr;
}

std::unique_ptr<surface> fromNormal(const Vector& n, const Point& at) {
    auto plane = std::make_unique<surface>();
    plane->setPlaneKeepingPoint(n, at);
    return usable(std::move(plane));
}

std::unique_ptr<surface> spanned(const Vector& a, const Vector& b, const Point& at) {
    auto plane = std::make_unique<surface>();
    plane->setPlane(a, b, at);
    return usable(std::move(plane));
}

bool sameSense(const Vector& a, const Vector& b, const Vector& normal) {
    return dot(cross(a.coordinates, b.coordinates), normal.coordinates) > 0.0;
}

} // namespace

std::unique_ptr<line> rebuildLine(const std::vector<FileParent>& parents) {
    const Point* point = nullptr;
    const Vector* vector = nullptr;
    for (const FileParent& p : parents) {
        if (p.object->type() == Kind::Point && !point)
            point = static_cast<const Point*>(p.object);
        else if (p.object->type() == Kind::Vector)
            vector = static_cast<const Vector*>(p.object);
    }
    if (!point || !vector)
        return nullptr;
    auto result = std::make_unique<line>();
    result->setLine(*point, *vector);
    return result->isValid() ? std::move(result) : nullptr;
}

std::unique_ptr<surface> rebuildPlane(const std::vector<FileParent>& parents) {
    std::vector<const Point*> points;
    std::vector<Indexed> spanning, normals;
    for (std::size_t i = 0; i < parents.size(); ++i) {
        const SpaceObject* object = parents[i].object;
        if (object->type() == Kind::Point)
            points.push_back(static_cast<const Point*>(object));
        else if (object->type() == Kind::Vector)
            (parents[i].markedNormal ? normals : spanning)
                .push_back({static_cast<const Vector*>(object), i});
    }
    if (points.size() >= 3) {
        auto plane = std::make_unique<surface>();
        plane->setPlane(*points[0], *points[1], *points[2]);
        if (plane->isValid())
            return plane;
    }
    if (points.empty())
        return nullptr;
    const Point& at = *points[0];
    if (!normals.empty()) {
        const Vector& n = *normals[0].vector;
        if (spanning.size() >= 2 && normals[0].index < spanning[0].index) {
            const Vector& earlier = *spanning[0].vector;
            const Vector& later = *spanning[1].vector;
            if (sameSense(later, earlier, n))
                if (auto plane = spanned(later, earlier, at))
                    return plane;
            if (sameSense(earlier, later, n)) {
                auto plane = std::make_unique<surface>();
                plane->setParts(n, earlier, later, at);
                if (plane->isValid())
                    return plane;
            }
        }
        if (auto plane = fromNormal(n, at))
            return plane;
    }
    if (spanning.size() < 2)
        return nullptr;
    const Vector& a = *spanning[0].vector;
    const Vector& b = *spanning[1].vector;
    if (!normals.empty() && !sameSense(a, b, *normals[0].vector))
        return spanned(b, a, at);
    return spanned(a, b, at);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/sessionwriter.h"

#include "geometry/numeric.h"
#include "geometry/surface.h"
#include "session/atomicwrite.h"
#include "session/cnumericlocale.h"
#include "session/filenumber.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace {

const std::string separator = "$$";

// A name followed by the separator must split back into exactly that name.
bool storableName(const std::string& name) {
    return name.find(separator) == std::string::npos && name.find('\n') == std::string::npos &&
           (name.empty() || name.back() != '$');
}

// Same or opposite direction, whatever the lengths: the cross product of the unit
// vectors is shorter than the tolerance. Zero or non-finite vectors are parallel to nothing.
bool parallel(const vector4D& a, const vector4D& b) {
    const auto unit = [](const vector4D& v, double out[3]) {
        const double m = std::max({std::fabs(v.x()), std::fabs(v.y()), std::fabs(v.z())});
        if (!(m > 0.0) || !std::isfinite(m))
            return false;
        const double x = v.x() / m, y = v.y() / m, z = v.z() / m;
        const double len = std::sqrt(x * x + y * y + z * z);
        out[0] = x / len;
        out[1] = y / len;
        out[2] = z / len;
        return true;
    };
    double p[3], q[3];
    if (!unit(a, p) || !unit(b, q))
        return false;
    const double cx = p[1] * q[2] - p[2] * q[1];
    const double cy = p[2] * q[0] - p[0] * q[2];
    const double cz = p[0] * q[1] - p[1] * q[0];
    return std::sqrt(cx * cx + cy * cy + cz * cz) < geom::tolerance;
}

// 'n' tells the reader which vector parents of a plane stand for its normal. A plane read
// from a file keeps the marks it was read with; for one built here, every vector along the
// normal is marked.
char marker(const SpaceObject& object, std::size_t index) {
    const SpaceObject& parent = *object.parents[index];
    if (object.type() != Kind::Plane || parent.type() != Kind::Vector)
        return '-';
    const auto& plane = static_cast<const surface&>(object);
    if (plane.normalMarks.size() == plane.parents.size())
        return plane.normalMarks[index] ? 'n' : '-';
    const auto& vector = static_cast<const Point&>(parent);
    return parallel(vector.coordinates, plane.normal.coordinates) ? 'n' : '-';
}

FileStatus appendLine(std::string& out, const SpaceObject& object) {
    if (!storableName(object.name))
        return fileProblem(FileProblem::UnstorableName, 0, object.name);
    const Kind kind = object.type();
    out += separator;
    out += std::to_string(fileCode(kind));
    out += separator;
    out += object.visible ? '1' : '0';
    out += separator;
    out += object.name;
    out += separator;
    if (kind == Kind::Point || kind == Kind::Vector) {
        const vector4D& c = static_cast<const Point&>(object).coordinates;
        if (!c.isFinite())
            return fileProblem(FileProblem::NotFinite, 0, object.name);
        for (double value : {c.x(), c.y(), c.z()}) {
            out += fileNumber(value);
            out += separator;
        }
    }
    out += std::to_string(object.parents.size());
    out += separator;
    for (std::size_t i = 0; i < object.parents.size(); ++i) {
        out += object.parents[i]->name;
        out += marker(object, i);
        out += separator;
    }
    out += '\n';
    return {};
}

// Kind by kind in name order, except that an object whose parents would come later
// (a line built on a line of a later name, say) waits until the last of them is written.
std::vector<const SpaceObject*> writingOrder(const ObjectStore& store) {
    std::vector<const SpaceObject*> order;
    std::unordered_set<const SpaceObject*> written;
    std::unordered_map<const SpaceObject*, std::vector<const SpaceObject*>> waiting;
    std::unordered_map<const SpaceObject*, std::size_t> checked; // parents known written
    std::vector<const SpaceObject*> ready;
    for (Kind kind : storedKinds)
        for (const auto& entry : store.objects(kind)) {
            ready.push_back(entry.second.get());
            while (!ready.empty()) {
                const SpaceObject* object = ready.back();
                ready.pop_back();
                std::size_t& next = checked[object];
                while (next < object->parents.size() && written.count(object->parents[next]))
                    ++next;
                if (next < object->parents.size()) {
                    waiting[object->parents[next]].push_back(object);
                    continue;
                }
                order.push_back(object);
                written.insert(object);
                auto released = waiting.find(object);
                if (released == waiting.end())
                    continue;
                // In reverse, so that the earliest waiting object comes out first.
                ready.insert(ready.end(), released->second.rbegin(), released->second.rend());
                waiting.erase(released);
            }
        }
    return order;
}

FileStatus sessionText(const ObjectStore& store, std::string& content) {
    const std::vector<const SpaceObject*> order = writingOrder(store);
    std::size_t total = 0;
    for (Kind kind : storedKinds)
        total += store.objects(kind).size();
    // A parent outside the store would hold its children back for good: never drop them.
    if (order.size() != total)
        for (Kind kind : storedKinds)
            for (const auto& entry : store.objects(kind))
                if (std::find(order.begin(), order.end(), entry.second.get()) == order.end())
                    return fileProblem(FileProblem::UnknownParent, 0, entry.first);
    content.reserve(64 * total);
    const CNumericLocale cLocale;
    for (const SpaceObject* object : order)
        if (const FileStatus status = appendLine(content, *object); !status)
            return status;
    return {};
}

} // namespace

FileStatus writeSession(const ObjectStore& store, const std::string& path) {
    std::string content;
    try {
        if (const FileStatus status = sessionText(store, content); !status)
            return status;
    } catch (const std::bad_alloc&) {
        return fileProblem(FileProblem::TooLarge);
    }
    return writeFileAtomically(path, content);
}

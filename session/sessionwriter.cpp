#include "session/sessionwriter.h"

#include "geometry/numberformat.h"
#include "geometry/numeric.h"
#include "geometry/surface.h"
#include "session/atomicwrite.h"
#include "session/cnumericlocale.h"

#include <algorithm>
#include <cmath>

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

// 'n' tells the reader to pass over a plane's normal when it picks the spanning vectors.
// Any vector along the normal is marked, so a normal that flipped or was scaled on an
// earlier load is still recognised.
char marker(const SpaceObject& object, const SpaceObject& parent) {
    if (object.type() != 3 || parent.type() != 1)
        return '-';
    const auto& plane = static_cast<const surface&>(object);
    const auto& vector = static_cast<const Point&>(parent);
    return parallel(vector.coordinates, plane.normal.coordinates) ? 'n' : '-';
}

bool appendLine(std::string& out, int kind, const SpaceObject& object) {
    if (!storableName(object.name))
        return false;
    out += separator;
    out += std::to_string(kind);
    out += separator;
    out += object.visible ? '1' : '0';
    out += separator;
    out += object.name;
    out += separator;
    if (kind <= 1) {
        const vector4D& c = static_cast<const Point&>(object).coordinates;
        if (!c.isFinite())
            return false;
        for (double value : {c.x(), c.y(), c.z()}) {
            out += formatNumber(value);
            out += separator;
        }
    }
    out += std::to_string(object.parents.size());
    out += separator;
    for (const SpaceObject* parent : object.parents) {
        out += parent->name;
        out += marker(object, *parent);
        out += separator;
    }
    out += '\n';
    return true;
}

} // namespace

bool writeSession(const ObjectStore& store, const std::string& path) {
    std::string content;
    content.reserve(64 * static_cast<std::size_t>(store.count(0) + store.count(1) + store.count(2) +
                                                  store.count(3)));
    {
        const CNumericLocale cLocale;
        for (int kind = 0; kind <= 3; ++kind)
            for (const auto& entry : store.objects(kind))
                if (!appendLine(content, kind, *entry.second))
                    return false;
    }
    return writeFileAtomically(path, content);
}

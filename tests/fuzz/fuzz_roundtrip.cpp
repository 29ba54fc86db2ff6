// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer, any bytes as a session file: a failed read leaves the store as it was; what the
// reader accepts is written and read again to the same objects, bit for bit, and written again
// to the same bytes.
#include "scratchfile.h"

#include "geometry/description.h"
#include "geometry/line.h"
#include "geometry/surface.h"
#include "session/sessionreader.h"
#include "session/sessionwriter.h"

#include <cstring>
#include <memory>

namespace {

void require(bool condition) {
    if (!condition)
        std::abort();
}

void sameBits(const vector4D& a, const vector4D& b) {
    const double p[] = {a.x(), a.y(), a.z()}, q[] = {b.x(), b.y(), b.z()};
    require(std::memcmp(p, q, sizeof p) == 0);
}

void sameObject(const ObjectStore& first, const SpaceObject& a, const ObjectStore& second,
                const SpaceObject& b) {
    require(a.type() == b.type() && a.visible == b.visible && a.name == b.name);
    require(a.parents.size() == b.parents.size());
    for (std::size_t i = 0; i < a.parents.size(); ++i)
        require(a.parents[i]->name == b.parents[i]->name);
    switch (a.type()) {
    case Kind::Point:
    case Kind::Vector:
        sameBits(static_cast<const Point&>(a).coordinates,
                 static_cast<const Point&>(b).coordinates);
        break;
    case Kind::Line:
        sameBits(static_cast<const line&>(a).point.coordinates,
                 static_cast<const line&>(b).point.coordinates);
        sameBits(static_cast<const line&>(a).direction.coordinates,
                 static_cast<const line&>(b).direction.coordinates);
        break;
    case Kind::Plane: {
        const auto& p = static_cast<const surface&>(a);
        const auto& q = static_cast<const surface&>(b);
        for (auto member : {&surface::normal, &surface::u, &surface::v})
            sameBits((p.*member).coordinates, (q.*member).coordinates);
        sameBits(p.point.coordinates, q.point.coordinates);
        require(std::memcmp(&p.d, &q.d, sizeof p.d) == 0);
        break;
    }
    default:
        require(false);
    }
    const auto rowsA = describeObject(first, &a);
    const auto rowsB = describeObject(second, &b);
    require(rowsA.size() == rowsB.size());
    for (std::size_t i = 0; i < rowsA.size(); ++i)
        require(rowsA[i].kind == rowsB[i].kind && rowsA[i].row == rowsB[i].row &&
                rowsA[i].name == rowsB[i].name);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const ScratchFile input(".zdr");
    static const ScratchFile written("-1.zdr");
    static const ScratchFile rewritten("-2.zdr");
    input.write(data, size);

    ObjectStore first;
    auto kept = std::make_unique<Point>(1, 2, 3);
    kept->name = "kept";
    first.insert(Kind::Point, std::move(kept));
    if (!readSession(first, input.path)) {
        require(first.count(Kind::Point) == 1 && first.exists("kept"));
        return 0;
    }
    require(writeSession(first, written.path).ok());
    ObjectStore second;
    require(readSession(second, written.path).ok());
    for (Kind kind : storedKinds) {
        require(first.count(kind) == second.count(kind));
        for (const auto& [name, object] : first.objects(kind)) {
            const SpaceObject* again = second.find(name);
            require(again != nullptr);
            sameObject(first, *object, second, *again);
        }
    }
    require(writeSession(second, rewritten.path).ok());
    require(written.read() == rewritten.read());
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "view3d/scenegeometry.h"

#include <algorithm>
#include <cmath>

namespace scene {

namespace {
constexpr double pi = 3.14159265358979323846;
constexpr double degreesPerRadian = 57.29577951308232;
constexpr int tickFirst = -100;
constexpr int tickEnd = 100; // exclusive

Vec3 unit(const Vec3& v) {
    return v * (1.0 / v.length());
}

bool usableDirection(const Vec3& v) {
    return v.isFinite() && v.length() > 0.0;
}
} // namespace

std::vector<Segment> axisSegments() {
    const double a = axisLength;
    return {{{a, 0, 0}, {-a, 0, 0}}, {{0, a, 0}, {0, -a, 0}}, {{0, 0, a}, {0, 0, -a}}};
}

std::vector<Segment> tickSegments() {
    const double h = tickHalfSize;
    std::vector<Segment> ticks;
    ticks.reserve(3 * (tickEnd - tickFirst));
    for (int i = tickFirst; i < tickEnd; ++i) {
        ticks.push_back({{double(i), -h, -h}, {double(i), h, h}});
        ticks.push_back({{h, double(i), h}, {-h, double(i), -h}});
        ticks.push_back({{h, h, double(i)}, {-h, -h, double(i)}});
    }
    return ticks;
}

Vec3 labelPosition(int axis, double distance) {
    const double s = labelScale * distance;
    return {axis == 0 ? s : 0.0, axis == 1 ? s : 0.0, axis == 2 ? s : 0.0};
}

std::optional<Arrow> arrowGeometry(const Vec3& start, const Vec3& components) {
    if (!start.isFinite() || !usableDirection(components))
        return std::nullopt;
    const Vec3 c = unit(components);
    Arrow arrow;
    arrow.start = start;
    arrow.tip = start + components;
    arrow.headBase = arrow.tip - c * headLength;
    arrow.shaftEnd = arrow.headBase;
    // The cone is built along +y: turn y onto c. The cross product y x c vanishes for
    // c along either y direction, where a half turn about x does for -y.
    const Vec3 axis{c.z, 0.0, -c.x};
    if (axis.length() > 0.0) {
        arrow.angle = std::acos(std::clamp(c.y, -1.0, 1.0)) * degreesPerRadian;
        arrow.axis = axis;
    } else {
        arrow.angle = c.y > 0.0 ? 0.0 : 180.0;
        arrow.axis = {1.0, 0.0, 0.0};
    }
    return arrow;
}

std::optional<Segment> lineSegment(const Vec3& point, const Vec3& direction) {
    if (!point.isFinite() || !usableDirection(direction))
        return std::nullopt;
    const Segment s{point + direction * lineReach, point - direction * lineReach};
    if (!s.from.isFinite() || !s.to.isFinite())
        return std::nullopt;
    return s;
}

std::optional<Patch> patchGeometry(const Vec3& point, const Vec3& u, const Vec3& v,
                                   const Vec3& normal) {
    if (!point.isFinite() || !usableDirection(u) || !usableDirection(v) || !usableDirection(normal))
        return std::nullopt;
    const Vec3 a = unit(u) * patchHalfSide;
    const Vec3 b = unit(v) * patchHalfSide;
    Patch patch;
    patch.corners = {point + a + b, point + a - b, point - a + b, point - a - b};
    patch.normal = unit(normal);
    return patch;
}

Vec3 rotated(const Vec3& v, double degrees, const Vec3& axis) {
    const Vec3 k = unit(axis);
    const double a = degrees / degreesPerRadian;
    const Vec3 kxv{k.y * v.z - k.z * v.y, k.z * v.x - k.x * v.z, k.x * v.y - k.y * v.x};
    const double kv = k.x * v.x + k.y * v.y + k.z * v.z;
    return v * std::cos(a) + kxv * std::sin(a) + k * (kv * (1.0 - std::cos(a)));
}

Mesh sphereMesh(int segments) {
    // Rings as far apart in latitude as the segments are in longitude (18 degrees in full).
    const int rings = segments / 2;
    const double step = 2.0 * pi / segments;
    Mesh mesh;
    for (int r = 0; r <= rings; ++r) {
        const double latitude = -pi / 2 + r * step;
        for (int s = 0; s <= segments; ++s) {
            const double longitude = s * step;
            const Vec3 n{std::cos(latitude) * std::sin(longitude), std::sin(latitude),
                         std::cos(latitude) * std::cos(longitude)};
            mesh.normals.push_back(n);
            mesh.vertices.push_back(n * sphereRadius);
        }
    }
    const unsigned row = unsigned(segments) + 1;
    for (unsigned r = 0; r < unsigned(rings); ++r) {
        for (unsigned s = 0; s < unsigned(segments); ++s) {
            const unsigned a = r * row + s;
            const unsigned b = a + 1;
            const unsigned c = a + row;
            const unsigned d = c + 1;
            // Each quad as two triangles; at the poles one of them has no area.
            if (r != 0)
                mesh.triangles.insert(mesh.triangles.end(), {a, b, d});
            if (r + 1 != unsigned(rings))
                mesh.triangles.insert(mesh.triangles.end(), {a, d, c});
        }
    }
    return mesh;
}

Mesh coneMesh() {
    Mesh mesh;
    mesh.vertices.push_back({0.0, headLength, 0.0}); // apex
    mesh.vertices.push_back({0.0, 0.0, 0.0});        // base centre
    for (int s = 0; s < headSegments; ++s) {
        const double angle = 2.0 * pi * s / headSegments;
        mesh.vertices.push_back({headRadius * std::sin(angle), 0.0, headRadius * std::cos(angle)});
    }
    for (unsigned s = 0; s < unsigned(headSegments); ++s) {
        const unsigned a = 2 + s;
        const unsigned b = 2 + (s + 1) % headSegments;
        mesh.triangles.insert(mesh.triangles.end(), {a, b, 0u, b, a, 1u});
    }
    return mesh;
}

} // namespace scene

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "view3d/vec3.h"

#include <array>
#include <optional>
#include <vector>

// What the view issues to GL, computed without a context: the axes and their ticks, the
// label anchors, and the shapes of the four object kinds. Degenerate input (zero or
// non-finite directions, non-finite positions) yields nothing rather than NaN vertices.
namespace scene {

struct Segment {
    Vec3 from;
    Vec3 to;
};

// Triangles over shared vertices, counter-clockwise seen from outside; normals (one per
// vertex) only for lit meshes.
struct Mesh {
    std::vector<Vec3> vertices;
    std::vector<Vec3> normals;
    std::vector<unsigned> triangles;
};

// A vector's arrow: a shaft from start to shaftEnd and a cone on the y axis turned by
// angle degrees about axis and moved to headBase, so that its apex lands on tip.
struct Arrow {
    Vec3 start;
    Vec3 shaftEnd;
    Vec3 headBase;
    Vec3 tip;
    double angle = 0.0;
    Vec3 axis;
};

// A plane's patch as a quad strip, with its unit normal.
struct Patch {
    std::array<Vec3, 4> corners;
    Vec3 normal;
};

constexpr double axisLength = 100.0;
constexpr double tickHalfSize = 0.05;
constexpr double labelScale = 0.2;
constexpr double sphereRadius = 0.05;
// However far away, a point's sphere spans this many pixels from its centre: at least 7
// pixels across once the flat sides of its mesh and the pixel centres are allowed for.
constexpr double leastPointRadiusPixels = 4.0;
constexpr int sphereSegments = 20;
// Up to this radius in pixels a point is drawn with fewer segments; at 8 segments a sphere
// of 4 pixels is still at least 7 pixels across.
constexpr double smallSphereRadiusPixels = 8.0;
constexpr int smallSphereSegments = 8;
constexpr double headLength = 0.2;
constexpr double headRadius = 0.05;
constexpr int headSegments = 10;
constexpr double lineReach = 100.0;
constexpr double patchHalfSide = 6.0;

std::vector<Segment> axisSegments();
// Three ticks (x, y, z) for every integer from -100 to 99: none at +100.
std::vector<Segment> tickSegments();
// The anchor of an axis label (0 x, 1 y, 2 z); it scales with the distance so the label
// keeps its place on screen while zooming.
Vec3 labelPosition(int axis, double distance);

std::optional<Arrow> arrowGeometry(const Vec3& start, const Vec3& components);
// P - 100 d to P + 100 d; the drawn length follows the stored direction's length.
std::optional<Segment> lineSegment(const Vec3& point, const Vec3& direction);
// A 12 by 12 patch along u and v centred on point.
std::optional<Patch> patchGeometry(const Vec3& point, const Vec3& u, const Vec3& v,
                                   const Vec3& normal);

// v turned by degrees about axis, counter-clockwise as glRotated turns it.
Vec3 rotated(const Vec3& v, double degrees, const Vec3& axis);

// A point's sphere with the given (even) number of segments and half as many rings.
Mesh sphereMesh(int segments = sphereSegments);
Mesh coneMesh();

} // namespace scene

#include "doublecompare.h"

#include "view3d/scenegeometry.h"

#include <QTest>

#include <algorithm>
#include <limits>

Q_DECLARE_METATYPE(Vec3)

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

#define COMPARE_POINT(v, ex, ey, ez)                                                               \
    do {                                                                                           \
        COMPARE_CLOSE((v).x, (ex));                                                                \
        COMPARE_CLOSE((v).y, (ey));                                                                \
        COMPARE_CLOSE((v).z, (ez));                                                                \
    } while (0)

// Every triangle turns counter-clockwise seen from outside, as culling expects: its
// normal points away from an inner point.
bool woundOutwards(const scene::Mesh& mesh, const Vec3& inside) {
    for (size_t t = 0; t + 2 < mesh.triangles.size(); t += 3) {
        const Vec3& a = mesh.vertices[mesh.triangles[t]];
        const Vec3 ab = mesh.vertices[mesh.triangles[t + 1]] - a;
        const Vec3 ac = mesh.vertices[mesh.triangles[t + 2]] - a;
        const Vec3 n{ab.y * ac.z - ab.z * ac.y, ab.z * ac.x - ab.x * ac.z,
                     ab.x * ac.y - ab.y * ac.x};
        const Vec3 out = a - inside;
        if (n.x * out.x + n.y * out.y + n.z * out.z <= 0.0)
            return false;
    }
    return true;
}

bool hasXTickAt(const std::vector<scene::Segment>& ticks, double x) {
    return std::any_of(ticks.begin(), ticks.end(), [x](const scene::Segment& s) {
        return s.from.x == x && s.to.x == x && s.from.y == -0.05 && s.to.y == 0.05;
    });
}

} // namespace

class TestSceneGeometry : public QObject {
    Q_OBJECT
private slots:
    void ticksStopBeforePlus100();
    void labelsScaleWithDistance();
    void arrowEndsAtTip_data();
    void arrowEndsAtTip();
    void degenerateArrowDrawsNothing_data();
    void degenerateArrowDrawsNothing();
    void lineLengthFollowsDirection();
    void degenerateLineDrawsNothing_data();
    void degenerateLineDrawsNothing();
    void patchCorners();
    void rhombusHasSides12();
    void patchNormalFoldsIntoPositiveOctant_data();
    void patchNormalFoldsIntoPositiveOctant();
    void degeneratePatchDrawsNothing_data();
    void degeneratePatchDrawsNothing();
    void rotationMatchesGlRotate_data();
    void rotationMatchesGlRotate();
    void sphereIsClosedAndOutward_data();
    void sphereIsClosedAndOutward();
    void sphereDetailFollowsSize_data();
    void sphereDetailFollowsSize();
    void sphereDetailNeverFallsWithSize();
    void coneSitsOnTheYAxis();
};

void TestSceneGeometry::ticksStopBeforePlus100() {
    const auto ticks = scene::tickSegments();
    QCOMPARE(int(ticks.size()), 600);
    QVERIFY(hasXTickAt(ticks, -100.0));
    QVERIFY(hasXTickAt(ticks, 99.0));
    QVERIFY(!hasXTickAt(ticks, 100.0));
    QVERIFY(hasXTickAt(ticks, 0.0));
    const auto axes = scene::axisSegments();
    QCOMPARE(int(axes.size()), 3);
    COMPARE_EXACT(axes[1].from.y, 100.0);
    COMPARE_EXACT(axes[1].to.y, -100.0);
}

void TestSceneGeometry::labelsScaleWithDistance() {
    const Vec3 x = scene::labelPosition(0, 10.0);
    const Vec3 z = scene::labelPosition(2, 5.0);
    QVERIFY(x == (Vec3{2.0, 0.0, 0.0}));
    QVERIFY(z == (Vec3{0.0, 0.0, 1.0}));
}

void TestSceneGeometry::arrowEndsAtTip_data() {
    QTest::addColumn<Vec3>("start");
    QTest::addColumn<Vec3>("c");
    QTest::newRow("along +y, no turn") << Vec3{0, 0, 0} << Vec3{0, 3, 0};
    QTest::newRow("straight down") << Vec3{1, 1, 0} << Vec3{0, -3, 0};
    QTest::newRow("oblique") << Vec3{1, 2, 3} << Vec3{2, -1, 4};
    QTest::newRow("along x") << Vec3{0, 0, 0} << Vec3{5, 0, 0};
    QTest::newRow("shorter than its head") << Vec3{0, 0, 0} << Vec3{0.1, 0, 0};
}

void TestSceneGeometry::arrowEndsAtTip() {
    QFETCH(Vec3, start);
    QFETCH(Vec3, c);
    const auto arrow = scene::arrowGeometry(start, c);
    QVERIFY(arrow);
    const Vec3 tip = start + c;
    QVERIFY(arrow->tip == tip);
    // The cone's apex (0, 0.2, 0), turned and moved, is the tip.
    const Vec3 apex = arrow->headBase + scene::rotated({0, 0.2, 0}, arrow->angle, arrow->axis);
    COMPARE_POINT(apex, tip.x, tip.y, tip.z);
    // The shaft runs from the start to the head's base, backwards when c is short.
    QVERIFY(arrow->shaftEnd == arrow->headBase);
    COMPARE_CLOSE((arrow->tip - arrow->headBase).length(), 0.2);
    const Vec3 shaft = arrow->shaftEnd - start;
    COMPARE_CLOSE(shaft.length(), std::fabs(c.length() - 0.2));
}

void TestSceneGeometry::degenerateArrowDrawsNothing_data() {
    QTest::addColumn<Vec3>("start");
    QTest::addColumn<Vec3>("c");
    QTest::newRow("zero length") << Vec3{1, 1, 1} << Vec3{0, 0, 0};
    QTest::newRow("NaN component") << Vec3{0, 0, 0} << Vec3{1, kNaN, 0};
    QTest::newRow("infinite component") << Vec3{0, 0, 0} << Vec3{kInf, 0, 0};
    QTest::newRow("NaN start") << Vec3{kNaN, 0, 0} << Vec3{1, 0, 0};
}

void TestSceneGeometry::degenerateArrowDrawsNothing() {
    QFETCH(Vec3, start);
    QFETCH(Vec3, c);
    QVERIFY(!scene::arrowGeometry(start, c));
}

void TestSceneGeometry::lineLengthFollowsDirection() {
    const auto half = scene::lineSegment({1, 2, 3}, {0, 0.5, 0});
    QVERIFY(half);
    COMPARE_CLOSE((half->from - half->to).length(), 100.0);
    COMPARE_POINT(half->from, 1.0, 52.0, 3.0);
    const auto two = scene::lineSegment({0, 0, 0}, {2, 0, 0});
    QVERIFY(two);
    COMPARE_CLOSE((two->from - two->to).length(), 400.0);
}

void TestSceneGeometry::degenerateLineDrawsNothing_data() {
    QTest::addColumn<Vec3>("point");
    QTest::addColumn<Vec3>("direction");
    QTest::newRow("zero direction") << Vec3{0, 0, 0} << Vec3{0, 0, 0};
    QTest::newRow("NaN direction") << Vec3{0, 0, 0} << Vec3{kNaN, kNaN, kNaN};
    QTest::newRow("infinite point") << Vec3{0, -kInf, 0} << Vec3{1, 0, 0};
    QTest::newRow("overflowing reach") << Vec3{0, 0, 0} << Vec3{1e307, 0, 0};
}

void TestSceneGeometry::degenerateLineDrawsNothing() {
    QFETCH(Vec3, point);
    QFETCH(Vec3, direction);
    QVERIFY(!scene::lineSegment(point, direction));
}

void TestSceneGeometry::patchCorners() {
    const auto patch = scene::patchGeometry({1, 1, 1}, {0, 2, 0}, {0, 0, -3}, {1, 0, 0});
    QVERIFY(patch);
    COMPARE_POINT(patch->corners[0], 1.0, 7.0, -5.0);
    COMPARE_POINT(patch->corners[1], 1.0, 7.0, 7.0);
    COMPARE_POINT(patch->corners[2], 1.0, -5.0, -5.0);
    COMPARE_POINT(patch->corners[3], 1.0, -5.0, 7.0);
}

void TestSceneGeometry::rhombusHasSides12() {
    const Vec3 u{1, 0, 0};
    const Vec3 v{0.5, std::sqrt(3.0) / 2.0, 0};
    const auto patch = scene::patchGeometry({0, 0, 0}, u * 3.0, v * 7.0, {0, 0, 1});
    QVERIFY(patch);
    const auto& c = patch->corners;
    // Strip order: 0-1 and 2-3 run along v, 0-2 and 1-3 along u.
    COMPARE_CLOSE((c[0] - c[1]).length(), 12.0);
    COMPARE_CLOSE((c[0] - c[2]).length(), 12.0);
    COMPARE_CLOSE((c[1] - c[3]).length(), 12.0);
    COMPARE_CLOSE((c[2] - c[3]).length(), 12.0);
    // A rhombus, not a square: the diagonals differ.
    QVERIFY(std::fabs((c[0] - c[3]).length() - (c[1] - c[2]).length()) > 1.0);
}

void TestSceneGeometry::patchNormalFoldsIntoPositiveOctant_data() {
    QTest::addColumn<Vec3>("normal");
    QTest::addColumn<Vec3>("expected");
    QTest::newRow("0 0 -1 lit like 0 0 1") << Vec3{0, 0, -1} << Vec3{0, 0, 1};
    QTest::newRow("0 0 5") << Vec3{0, 0, 5} << Vec3{0, 0, 1};
    QTest::newRow("mixed signs") << Vec3{-2, 2, -1} << Vec3{2.0 / 3, 2.0 / 3, 1.0 / 3};
}

void TestSceneGeometry::patchNormalFoldsIntoPositiveOctant() {
    QFETCH(Vec3, normal);
    QFETCH(Vec3, expected);
    const auto patch = scene::patchGeometry({0, 0, 0}, {1, 0, 0}, {0, 1, 0}, normal);
    QVERIFY(patch);
    COMPARE_POINT(patch->normal, expected.x, expected.y, expected.z);
}

void TestSceneGeometry::degeneratePatchDrawsNothing_data() {
    QTest::addColumn<Vec3>("point");
    QTest::addColumn<Vec3>("u");
    QTest::addColumn<Vec3>("v");
    QTest::addColumn<Vec3>("normal");
    const Vec3 o{0, 0, 0};
    QTest::newRow("zero normal") << o << Vec3{1, 0, 0} << Vec3{0, 1, 0} << o;
    QTest::newRow("zero u") << o << o << Vec3{0, 1, 0} << Vec3{0, 0, 1};
    QTest::newRow("zero v") << o << Vec3{1, 0, 0} << o << Vec3{0, 0, 1};
    QTest::newRow("NaN normal") << o << Vec3{1, 0, 0} << Vec3{0, 1, 0} << Vec3{kNaN, 0, 1};
    QTest::newRow("infinite point")
        << Vec3{kInf, 0, 0} << Vec3{1, 0, 0} << Vec3{0, 1, 0} << Vec3{0, 0, 1};
}

void TestSceneGeometry::degeneratePatchDrawsNothing() {
    QFETCH(Vec3, point);
    QFETCH(Vec3, u);
    QFETCH(Vec3, v);
    QFETCH(Vec3, normal);
    QVERIFY(!scene::patchGeometry(point, u, v, normal));
}

void TestSceneGeometry::rotationMatchesGlRotate_data() {
    QTest::addColumn<Vec3>("v");
    QTest::addColumn<double>("degrees");
    QTest::addColumn<Vec3>("axis");
    QTest::addColumn<Vec3>("expected");
    QTest::newRow("x by 90 about z") << Vec3{1, 0, 0} << 90.0 << Vec3{0, 0, 1} << Vec3{0, 1, 0};
    QTest::newRow("y by 90 about x") << Vec3{0, 1, 0} << 90.0 << Vec3{2, 0, 0} << Vec3{0, 0, 1};
    QTest::newRow("y by 180 about x") << Vec3{0, 1, 0} << 180.0 << Vec3{1, 0, 0} << Vec3{0, -1, 0};
    QTest::newRow("on the axis") << Vec3{0, 0, 3} << 37.0 << Vec3{0, 0, 1} << Vec3{0, 0, 3};
    QTest::newRow("120 about the diagonal")
        << Vec3{1, 0, 0} << 120.0 << Vec3{1, 1, 1} << Vec3{0, 1, 0};
}

void TestSceneGeometry::rotationMatchesGlRotate() {
    QFETCH(Vec3, v);
    QFETCH(double, degrees);
    QFETCH(Vec3, axis);
    QFETCH(Vec3, expected);
    COMPARE_POINT(scene::rotated(v, degrees, axis), expected.x, expected.y, expected.z);
}

void TestSceneGeometry::sphereIsClosedAndOutward_data() {
    QTest::addColumn<int>("segments");
    QTest::newRow("full") << scene::sphereSegments;
    QTest::newRow("coarse, for small spheres") << scene::sphereSegmentsFor(1.0);
}

void TestSceneGeometry::sphereIsClosedAndOutward() {
    QFETCH(int, segments);
    const scene::Mesh mesh = scene::sphereMesh(segments);
    QCOMPARE(mesh.normals.size(), mesh.vertices.size());
    QCOMPARE(mesh.triangles.size() % 3, size_t(0));
    // Rings as far apart as the segments (18 degrees in full); the pole rings close in
    // triangles.
    const int rings = segments / 2;
    QCOMPARE(int(mesh.triangles.size() / 3), segments * rings * 2 - 2 * segments);
    for (size_t i = 0; i < mesh.vertices.size(); ++i) {
        COMPARE_CLOSE(mesh.vertices[i].length(), 0.05);
        const Vec3 outward = mesh.vertices[i] * 20.0;
        COMPARE_POINT(mesh.normals[i], outward.x, outward.y, outward.z);
    }
    double lowest = 1.0;
    double highest = -1.0;
    for (unsigned i : mesh.triangles) {
        QVERIFY(i < mesh.vertices.size());
        lowest = std::min(lowest, mesh.vertices[i].y);
        highest = std::max(highest, mesh.vertices[i].y);
    }
    COMPARE_CLOSE(lowest, -0.05);
    COMPARE_CLOSE(highest, 0.05);
    QVERIFY(woundOutwards(mesh, {0, 0, 0}));
}

void TestSceneGeometry::sphereDetailFollowsSize_data() {
    QTest::addColumn<double>("pixelRadius");
    QTest::addColumn<bool>("full");
    QTest::newRow("a dot") << 0.5 << false;
    QTest::newRow("the default view's size") << 2.4 << false;
    QTest::newRow("close up") << 20.0 << true;
    QTest::newRow("filling the view") << 500.0 << true;
    QTest::newRow("at or behind the eye") << kInf << true;
    QTest::newRow("unknown") << kNaN << true;
}

void TestSceneGeometry::sphereDetailFollowsSize() {
    QFETCH(double, pixelRadius);
    QFETCH(bool, full);
    const int segments = scene::sphereSegmentsFor(pixelRadius);
    QCOMPARE(segments == scene::sphereSegments, full);
    QVERIFY(segments <= scene::sphereSegments);
    // Rings are half the segments and must meet at the poles.
    QCOMPARE(segments % 2, 0);
}

void TestSceneGeometry::sphereDetailNeverFallsWithSize() {
    for (double r = 0.25; r < 64.0; r *= 1.25)
        QVERIFY2(scene::sphereSegmentsFor(r) <= scene::sphereSegmentsFor(r * 1.25),
                 qPrintable(QString::number(r)));
}

void TestSceneGeometry::coneSitsOnTheYAxis() {
    const scene::Mesh mesh = scene::coneMesh();
    QCOMPARE(int(mesh.triangles.size() / 3), 20);
    double top = 0.0;
    for (unsigned i : mesh.triangles) {
        const Vec3& p = mesh.vertices[i];
        top = std::max(top, p.y);
        if (p.y == 0.0)
            QVERIFY(closeDouble(std::hypot(p.x, p.z), 0.05) || std::hypot(p.x, p.z) == 0.0);
        else
            QVERIFY(p == (Vec3{0, 0.2, 0}));
    }
    COMPARE_EXACT(top, 0.2);
    QVERIFY(woundOutwards(mesh, {0, 0.05, 0}));
}

QTEST_APPLESS_MAIN(TestSceneGeometry)
#include "test_scenegeometry.moc"

#include "doublecompare.h"

#include "view3d/camera.h"
#include "view3d/scenegeometry.h"
#include "view3d/screenscale.h"

#include <QMatrix4x4>
#include <QTest>

#include <algorithm>
#include <functional>
#include <limits>

Q_DECLARE_METATYPE(Vec3)

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

#define COMPARE_POINT(v, e)                                                                        \
    do {                                                                                           \
        const Vec3 expected_ = (e);                                                                \
        COMPARE_CLOSE((v).x, expected_.x);                                                         \
        COMPARE_CLOSE((v).y, expected_.y);                                                         \
        COMPARE_CLOSE((v).z, expected_.z);                                                         \
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

// Whether the shape of some input is drawn at all.
using Shape = std::function<bool()>;

} // namespace

Q_DECLARE_METATYPE(Shape)

// The camera's arithmetic and what the view issues to GL, checked without a context.
class TestSceneGeometry : public QObject {
    Q_OBJECT
private slots:
    void eyePosition_data();
    void eyePosition();
    void cameraMoves_data();
    void cameraMoves();
    void pixelRadiusFollowsDepth_data();
    void pixelRadiusFollowsDepth();

    void ticksStopBeforePlus100();
    void arrowEndsAtTip_data();
    void arrowEndsAtTip();
    void degenerateInputDrawsNothing_data();
    void degenerateInputDrawsNothing();
    void lineAndPatchFollowTheirVectors();
    void sphereIsClosedAndOutward_data();
    void sphereIsClosedAndOutward();
    void sphereDetailFollowsSize();
};

void TestSceneGeometry::eyePosition_data() {
    QTest::addColumn<double>("yaw");
    QTest::addColumn<double>("pitch");
    QTest::addColumn<Vec3>("eye"); // its length is the distance
    const double h = 10.0 * std::sqrt(0.5);
    QTest::newRow("start on +z") << 0.0 << 0.0 << Vec3{0, 0, 10};
    QTest::newRow("yaw 90 turns to -x") << 90.0 << 0.0 << Vec3{-10, 0, 0};
    QTest::newRow("pitch -90 below, nearer") << 45.0 << -90.0 << Vec3{0, -3, 0};
    QTest::newRow("yaw 45 pitch 45")
        << 45.0 << 45.0 << Vec3{-h * std::sqrt(0.5), h, h * std::sqrt(0.5)};
}

void TestSceneGeometry::eyePosition() {
    QFETCH(double, yaw);
    QFETCH(double, pitch);
    QFETCH(Vec3, eye);
    COMPARE_POINT((Camera{yaw, pitch, eye.length()}.eye()), eye);
}

void TestSceneGeometry::cameraMoves_data() {
    QTest::addColumn<Vec3>("before"); // yaw, pitch, distance
    QTest::addColumn<QString>("move");
    QTest::addColumn<Vec3>("after");
    QTest::newRow("yaw 361 wraps to 0") << Vec3{361, 0, 10} << "normalise" << Vec3{0, 0, 10};
    QTest::newRow("yaw -1 wraps to 360") << Vec3{-1, 0, 10} << "normalise" << Vec3{360, 0, 10};
    QTest::newRow("yaw 360 stays") << Vec3{360, 0, 10} << "normalise" << Vec3{360, 0, 10};
    QTest::newRow("pitch -91 clamps") << Vec3{10, -91, 10} << "normalise" << Vec3{10, -90, 10};
    // Clamped at once, so dragging back acts at once.
    QTest::newRow("200-pixel drag") << Vec3{0, 0, 10} << "turn 0 200" << Vec3{0, 90, 10};
    QTest::newRow("twenty wheel steps") << Vec3{0, 0, 10} << "zoom 120 20" << Vec3{0, 0, 6};
    QTest::newRow("fifty stop at the minimum") << Vec3{0, 0, 10} << "zoom 120 50" << Vec3{0, 0, 1};
    QTest::newRow("a big delta is one step") << Vec3{0, 0, 10} << "zoom 960 20" << Vec3{0, 0, 6};
    QTest::newRow("ten away") << Vec3{0, 0, 10} << "zoom -120 10" << Vec3{0, 0, 12};
    QTest::newRow("zero delta") << Vec3{0, 0, 10} << "zoom 0 1" << Vec3{0, 0, 10};
    QTest::newRow("turning wraps past 360") << Vec3{359.75, 0, 10} << "advance" << Vec3{0, 0, 10};
    QTest::newRow("turning") << Vec3{0, 0, 10} << "advance" << Vec3{0.5, 0, 10};
}

void TestSceneGeometry::cameraMoves() {
    QFETCH(Vec3, before);
    QFETCH(QString, move);
    QFETCH(Vec3, after);
    Camera camera{before.x, before.y, before.z};
    const QStringList words = move.split(' ');
    if (words[0] == "normalise")
        camera.normalise();
    else if (words[0] == "turn")
        camera.turn(words[1].toInt(), words[2].toInt());
    else if (words[0] == "advance")
        camera.advance();
    for (int i = 0; words[0] == "zoom" && i < words[2].toInt(); ++i)
        QCOMPARE(camera.zoom(words[1].toInt()), words[1] != "0");
    COMPARE_POINT((Vec3{camera.yaw, camera.pitch, camera.distance}), after);
}

void TestSceneGeometry::pixelRadiusFollowsDepth_data() {
    QTest::addColumn<Vec3>("eye");
    QTest::addColumn<Vec3>("centre");
    QTest::addColumn<double>("depth"); // 0: behind the eye
    QTest::newRow("origin from 10") << Vec3{0, 0, 10} << Vec3{0, 0, 0} << 10.0;
    QTest::newRow("off the axis, nearer") << Vec3{0, 0, 10} << Vec3{1, 1, 4} << 6.0;
    QTest::newRow("turned camera") << Vec3{6, 0, 8} << Vec3{0, 0, 0} << 10.0;
    QTest::newRow("from above") << Vec3{0, 10, 0.001} << Vec3{0, 2, 0} << 8.0;
    QTest::newRow("behind the eye") << Vec3{0, 0, 10} << Vec3{5, -5, 11} << 0.0;
}

// A sphere's radius on screen, under the view's gluPerspective(45, 1, 0.1, 100) over 400
// pixels, shrinks with its depth, not with its distance from the axis.
void TestSceneGeometry::pixelRadiusFollowsDepth() {
    QFETCH(Vec3, eye);
    QFETCH(Vec3, centre);
    QFETCH(double, depth);
    QMatrix4x4 projection;
    projection.perspective(45.0f, 1.0f, 0.1f, 100.0f);
    QMatrix4x4 modelView;
    modelView.lookAt(QVector3D(float(eye.x), float(eye.y), float(eye.z)), {}, {0, 1, 0});
    double p[16];
    double m[16];
    std::copy_n(projection.constData(), 16, p);
    std::copy_n(modelView.constData(), 16, m);
    const double r = ScreenScale(m, p, 400).pixelRadius(centre, 0.05);
    const double focal = 200.0 / std::tan(22.5 * M_PI / 180.0);
    // The matrices come in float precision.
    QVERIFY2(depth == 0.0 ? std::isinf(r) : closeDouble(r, 0.05 * focal / depth, 1e-4),
             qPrintable(QString::number(r)));
}

void TestSceneGeometry::ticksStopBeforePlus100() {
    const auto ticks = scene::tickSegments();
    auto xTickAt = [&ticks](double x) {
        return std::any_of(ticks.begin(), ticks.end(), [x](const scene::Segment& s) {
            return s.from.x == x && s.to.x == x && s.from.y == -0.05 && s.to.y == 0.05;
        });
    };
    QVERIFY(xTickAt(-100.0));
    QVERIFY(xTickAt(0.0));
    QVERIFY(xTickAt(99.0));
    QVERIFY(!xTickAt(100.0));
}

void TestSceneGeometry::arrowEndsAtTip_data() {
    QTest::addColumn<Vec3>("start");
    QTest::addColumn<Vec3>("c");
    QTest::newRow("along +y, no turn") << Vec3{0, 0, 0} << Vec3{0, 3, 0};
    QTest::newRow("straight down") << Vec3{1, 1, 0} << Vec3{0, -3, 0};
    QTest::newRow("oblique") << Vec3{1, 2, 3} << Vec3{2, -1, 4};
    QTest::newRow("shorter than its head") << Vec3{0, 0, 0} << Vec3{0.1, 0, 0};
}

void TestSceneGeometry::arrowEndsAtTip() {
    QFETCH(Vec3, start);
    QFETCH(Vec3, c);
    const auto arrow = scene::arrowGeometry(start, c);
    QVERIFY(arrow);
    QVERIFY(arrow->tip == start + c);
    // The cone's apex (0, 0.2, 0), turned and moved, is the tip.
    COMPARE_POINT(arrow->headBase + scene::rotated({0, 0.2, 0}, arrow->angle, arrow->axis),
                  start + c);
    // The shaft runs to the head's base, backwards when c is short.
    COMPARE_CLOSE((arrow->shaftEnd - start).length(), std::fabs(c.length() - 0.2));
}

void TestSceneGeometry::degenerateInputDrawsNothing_data() {
    QTest::addColumn<Shape>("shape");
    const Vec3 o{0, 0, 0};
    const Vec3 x{1, 0, 0};
    const Vec3 y{0, 1, 0};
    const Vec3 z{0, 0, 1};
    auto arrow = [](Vec3 start, Vec3 c) {
        return Shape([=] { return scene::arrowGeometry(start, c).has_value(); });
    };
    auto line = [](Vec3 p, Vec3 d) {
        return Shape([=] { return scene::lineSegment(p, d).has_value(); });
    };
    auto patch = [](Vec3 p, Vec3 u, Vec3 v, Vec3 n) {
        return Shape([=] { return scene::patchGeometry(p, u, v, n).has_value(); });
    };
    QTest::newRow("zero vector") << arrow({1, 1, 1}, o);
    QTest::newRow("NaN in a vector") << arrow(o, {1, kNaN, 0});
    QTest::newRow("vector from NaN") << arrow({kNaN, 0, 0}, x);
    QTest::newRow("zero direction") << line(o, o);
    QTest::newRow("line through infinity") << line({0, -kInf, 0}, x);
    QTest::newRow("overflowing reach") << line(o, {1e307, 0, 0});
    QTest::newRow("NaN normal") << patch(o, x, y, {kNaN, 0, 1});
    QTest::newRow("zero u") << patch(o, o, y, z);
    QTest::newRow("zero v") << patch(o, x, o, z);
    QTest::newRow("plane through infinity") << patch({kInf, 0, 0}, x, y, z);
}

void TestSceneGeometry::degenerateInputDrawsNothing() {
    QFETCH(Shape, shape);
    QVERIFY(!shape());
}

// A line reaches 100 direction vectors either way, whatever their length. A patch is 12 by
// 12 along u and v as given, not squared up, its normal folded into the positive octant so
// that every plane faces the light the same way.
void TestSceneGeometry::lineAndPatchFollowTheirVectors() {
    const auto line = scene::lineSegment({1, 2, 3}, {0, 0.5, 0});
    QVERIFY(line);
    COMPARE_POINT(line->from, (Vec3{1, 52, 3}));
    COMPARE_POINT(line->to, (Vec3{1, -48, 3}));
    const auto patch = scene::patchGeometry({1, 1, 1}, {0, 2, 0}, {0, 3, -4}, {-2, 2, -1});
    QVERIFY(patch);
    COMPARE_POINT(patch->corners[0], (Vec3{1, 10.6, -3.8}));
    COMPARE_POINT(patch->corners[1], (Vec3{1, 3.4, 5.8}));
    COMPARE_POINT(patch->corners[2], (Vec3{1, -1.4, -3.8}));
    COMPARE_POINT(patch->corners[3], (Vec3{1, -8.6, 5.8}));
    COMPARE_POINT(patch->normal, (Vec3{2.0 / 3, 2.0 / 3, 1.0 / 3}));
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
    for (size_t i = 0; i < mesh.vertices.size(); ++i) {
        COMPARE_CLOSE(mesh.vertices[i].length(), 0.05);
        COMPARE_POINT(mesh.normals[i], mesh.vertices[i] * 20.0);
    }
    // The triangles reach both poles.
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

// Coarse for a sphere a few pixels wide; full close up and wherever the size is not known.
void TestSceneGeometry::sphereDetailFollowsSize() {
    for (const double dot : {0.5, 2.4}) {
        QVERIFY(scene::sphereSegmentsFor(dot) < scene::sphereSegments);
        // Rings are half the segments and must meet at the poles.
        QCOMPARE(scene::sphereSegmentsFor(dot) % 2, 0);
    }
    for (const double large : {20.0, kInf, kNaN})
        QCOMPARE(scene::sphereSegmentsFor(large), scene::sphereSegments);
}

QTEST_APPLESS_MAIN(TestSceneGeometry)
#include "test_scenegeometry.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#include "doublecompare.h"

#include "view3d/camera.h"
#include "view3d/occlusion.h"
#include "view3d/scenegeometry.h"

#include <QMatrix4x4>
#include <QTest>

#include <algorithm>
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

// A 12 by 12 patch facing the camera at depth z, centred on (x, 0, z).
scene::Patch facing(double x, double z) {
    return *scene::patchGeometry({x, 0, z}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1});
}

// What the patches hide from the view's camera at (0, 0, distance), looking at the origin:
// 45 degrees, square, 0.1 to 100, over 400 by 400 pixels.
Occlusion occlusion(double distance, const std::vector<scene::Patch>& patches) {
    QMatrix4x4 perspective;
    perspective.perspective(45.0f, 1.0f, 0.1f, 100.0f);
    double projection[16];
    std::copy_n(perspective.constData(), 16, projection);
    const double modelView[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, -distance, 1};
    const int viewport[4] = {0, 0, 400, 400};
    return Occlusion(modelView, projection, viewport, patches);
}

} // namespace

// The camera's arithmetic, what the view issues to GL and what its planes hide, checked
// without a context.
class TestSceneGeometry : public QObject {
    Q_OBJECT
private slots:
    void cameraMoves_data() {
        QTest::addColumn<Vec3>("before"); // yaw, pitch, distance
        QTest::addColumn<QString>("move");
        QTest::addColumn<Vec3>("after"); // or where the eye is
        const double r3 = std::sqrt(3.0);
        // Neither angle at 45 degrees, so that sine and cosine cannot stand for each other.
        QTest::newRow("eye") << Vec3{30, 60, 10} << "eye" << Vec3{-2.5, 5 * r3, 2.5 * r3};
        QTest::newRow("yaw 361 wraps to 0") << Vec3{361, 0, 10} << "normalise" << Vec3{0, 0, 10};
        QTest::newRow("yaw -1 wraps to 360") << Vec3{-1, 0, 10} << "normalise" << Vec3{360, 0, 10};
        QTest::newRow("yaw 360 stays") << Vec3{360, 0, 10} << "normalise" << Vec3{360, 0, 10};
        QTest::newRow("pitch -91 clamps") << Vec3{10, -91, 10} << "normalise" << Vec3{10, -90, 10};
        // Clamped at once, so dragging back acts at once.
        QTest::newRow("200-pixel drag") << Vec3{0, 0, 10} << "turn 0 200" << Vec3{0, 90, 10};
        QTest::newRow("a big delta, one step") << Vec3{0, 0, 10} << "zoom 960 20" << Vec3{0, 0, 6};
        QTest::newRow("fifty, to the minimum") << Vec3{0, 0, 10} << "zoom 120 50" << Vec3{0, 0, 1};
        QTest::newRow("ten away") << Vec3{0, 0, 10} << "zoom -120 10" << Vec3{0, 0, 12};
        QTest::newRow("zero delta") << Vec3{0, 0, 10} << "zoom 0 1" << Vec3{0, 0, 10};
        QTest::newRow("turning wraps") << Vec3{359.75, 0, 10} << "advance" << Vec3{0, 0, 10};
        QTest::newRow("turning") << Vec3{0, 0, 10} << "advance" << Vec3{0.5, 0, 10};
    }
    void cameraMoves() {
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
        const Vec3 now{camera.yaw, camera.pitch, camera.distance};
        COMPARE_POINT(words[0] == "eye" ? camera.eye() : now, after);
    }

    void ticksStopBeforePlus100() {
        const auto ticks = scene::tickSegments();
        auto xTickAt = [&ticks](double x) {
            return std::any_of(ticks.begin(), ticks.end(), [x](const scene::Segment& s) {
                return s.from.x == x && s.to.x == x && s.from.y == -0.05 && s.to.y == 0.05;
            });
        };
        QVERIFY(xTickAt(-100.0) && xTickAt(99.0) && !xTickAt(100.0));
    }

    void arrowEndsAtTip_data() {
        QTest::addColumn<Vec3>("start");
        QTest::addColumn<Vec3>("c");
        QTest::newRow("along +y, no turn") << Vec3{0, 0, 0} << Vec3{0, 3, 0};
        QTest::newRow("straight down") << Vec3{1, 1, 0} << Vec3{0, -3, 0};
        QTest::newRow("oblique") << Vec3{1, 2, 3} << Vec3{2, -1, 4};
        QTest::newRow("shorter than its head") << Vec3{0, 0, 0} << Vec3{0.1, 0, 0};
    }
    void arrowEndsAtTip() {
        QFETCH(Vec3, start);
        QFETCH(Vec3, c);
        const auto arrow = scene::arrowGeometry(start, c);
        QVERIFY(arrow && arrow->tip == start + c);
        // The cone's apex (0, 0.2, 0), turned and moved, is the tip.
        COMPARE_POINT(arrow->headBase + scene::rotated({0, 0.2, 0}, arrow->angle, arrow->axis),
                      start + c);
        // The shaft runs to the head's base, backwards when c is short.
        COMPARE_CLOSE((arrow->shaftEnd - start).length(), std::fabs(c.length() - 0.2));
    }

    // Zero, NaN and infinite input draws nothing, nor does a line whose reach overflows.
    // A line reaches 100 direction vectors either way, whatever their length. A patch is 12 by
    // 12 along u and v as given, not squared up, with the plane's unit normal.
    void linesAndPatches() {
        const Vec3 o{0, 0, 0}, x{1, 0, 0}, y{0, 1, 0}, z{0, 0, 1};
        QVERIFY(!scene::arrowGeometry({1, 1, 1}, o) && !scene::arrowGeometry({kNaN, 0, 0}, x));
        QVERIFY(!scene::lineSegment(o, o) && !scene::lineSegment({0, -kInf, 0}, x));
        QVERIFY(!scene::lineSegment(o, {1e307, 0, 0}));
        QVERIFY(!scene::patchGeometry(o, x, y, {kNaN, 0, 1}) && !scene::patchGeometry(o, o, y, z));
        QVERIFY(!scene::patchGeometry(o, x, o, z) && !scene::patchGeometry({kInf, 0, 0}, x, y, z));
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
        COMPARE_POINT(patch->normal, (Vec3{-2.0 / 3, 2.0 / 3, -1.0 / 3}));
    }

    void sphereIsClosedAndOutward_data() {
        QTest::addColumn<int>("segments");
        QTest::newRow("full") << scene::sphereSegments;
        QTest::newRow("coarse") << 12;
    }
    void sphereIsClosedAndOutward() {
        QFETCH(int, segments);
        const scene::Mesh mesh = scene::sphereMesh(segments);
        QCOMPARE(mesh.normals.size(), mesh.vertices.size());
        for (size_t i = 0; i < mesh.vertices.size(); ++i) {
            COMPARE_CLOSE(mesh.vertices[i].length(), 0.05);
            COMPARE_POINT(mesh.normals[i], mesh.vertices[i] * 20.0);
        }
        // The triangles reach both poles, and each turns counter-clockwise seen from outside,
        // as culling expects.
        double lowest = 1.0, highest = -1.0;
        for (size_t t = 0; t < mesh.triangles.size(); t += 3) {
            for (size_t k = 0; k < 3; ++k) {
                QVERIFY(mesh.triangles[t + k] < mesh.vertices.size());
                lowest = std::min(lowest, mesh.vertices[mesh.triangles[t + k]].y);
                highest = std::max(highest, mesh.vertices[mesh.triangles[t + k]].y);
            }
            const Vec3& a = mesh.vertices[mesh.triangles[t]];
            const Vec3 b = mesh.vertices[mesh.triangles[t + 1]] - a;
            const Vec3 c = mesh.vertices[mesh.triangles[t + 2]] - a;
            QVERIFY((b.y * c.z - b.z * c.y) * a.x + (b.z * c.x - b.x * c.z) * a.y +
                        (b.x * c.y - b.y * c.x) * a.z >
                    0.0);
        }
        COMPARE_CLOSE(lowest, -0.05);
        COMPARE_CLOSE(highest, 0.05);
    }

    // Where a patch shows: each patch drawn after it lets half of it through, so under eight
    // of those that cover it wholly it changes no pixel by a step and is left out; under
    // seven, or under eight drawn before it, it is drawn. One partly under them is drawn where
    // it shows.
    void drawnRectsHoldTheVisiblePart() {
        const scene::Patch front = facing(0.0, 0.0);
        const scene::Patch hidden = facing(0.0, -40.0);
        const std::vector<scene::Patch> seven(7, front), eight(8, front);
        auto drawn = [](std::vector<scene::Patch> patches, const scene::Patch& first) {
            patches.insert(patches.begin(), first);
            return occlusion(40.0, patches).drawnRects(0);
        };
        QVERIFY(drawn(eight, hidden).empty());
        QVERIFY(!drawn(seven, hidden).empty());
        std::vector<scene::Patch> after = eight;
        after.push_back(hidden);
        QVERIFY(!occlusion(40.0, after).drawnRects(8).empty());
        // On screen the front patches span x and y from 128 to 272; the back one x from 176
        // to 318 and y from 129 to 271, so it shows right of x = 272 only, and is drawn in
        // the cells of 32 pixels that the front ones do not cover wholly: right of x = 256
        // and along the bottom and top rows.
        const std::vector<Occlusion::Rect> rects = drawn(eight, facing(4.0, -1.0));
        QString shows;
        for (const QPoint p : {QPoint(300, 200), QPoint(275, 200), QPoint(316, 131),
                               QPoint(316, 269), QPoint(230, 200), QPoint(180, 170)}) {
            bool in = false;
            for (const Occlusion::Rect& r : rects)
                in = in || QRect(r.x, r.y, r.width, r.height).contains(p);
            shows += in ? '1' : '0';
        }
        QCOMPARE(shows, "111100");
    }

    // Seen from distance 3, the plane x + z = 0 reaches behind the eye: the part in front is
    // drawn. Wholly behind the eye, a patch draws nothing.
    void patchCutAtTheNearPlane() {
        const scene::Patch cut = *scene::patchGeometry({0, 0, 0}, {1, 0, -1}, {0, 1, 0}, {1, 0, 1});
        QVERIFY(!occlusion(3.0, {cut}).drawnRects(0).empty());
        QVERIFY(occlusion(3.0, {facing(0.0, 5.0)}).drawnRects(0).empty());
    }

    // Window coordinates of a million pixels and more lose the precision the cells need:
    // such a patch is drawn whole and covers nothing.
    void farOffTheViewIsLeftAlone() {
        std::vector<scene::Patch> patches(9, facing(1e9, -5.0));
        patches[0] = facing(0.0, -10.0);
        const Occlusion o = occlusion(40.0, patches);
        QVERIFY(!o.drawnRects(0).empty());
        const std::vector<Occlusion::Rect> rects = o.drawnRects(1);
        QCOMPARE(rects.size(), size_t(1));
        QCOMPARE(QRect(rects[0].x, rects[0].y, rects[0].width, rects[0].height),
                 QRect(0, 0, 400, 400));
    }
};

QTEST_APPLESS_MAIN(TestSceneGeometry)
#include "test_scenegeometry.moc"

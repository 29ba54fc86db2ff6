#include "view3d/occlusion.h"

#include <QMatrix4x4>
#include <QTest>

#include <algorithm>

namespace {

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

bool hidesAround(const Occlusion& o, const Vec3& centre, double margin = 0.0) {
    const Vec3 r{0.05, 0.05, 0.05};
    return o.hides(centre - r, centre + r, margin);
}

} // namespace

class TestOcclusion : public QObject {
    Q_OBJECT
private slots:
    void patchHidesOnlyWhatLiesWhollyBehindIt();
    void hiddenPatchIsNotDrawn();
    void drawnRectsHoldTheVisiblePart();
    void patchCutAtTheNearPlaneHidesWithWhatIsLeft();
    void farOffTheViewIsLeftAlone();
};

void TestOcclusion::patchHidesOnlyWhatLiesWhollyBehindIt() {
    // At distance 40 the patch at z = 0 spans about a third of the view.
    const Occlusion o = occlusion(40.0, {facing(0.0, 0.0)});
    QVERIFY(hidesAround(o, {0, 0, -2}));
    QVERIFY(hidesAround(o, {3, 3, -1}));
    QVERIFY(!hidesAround(o, {0, 0, 2}));      // in front
    QVERIFY(!hidesAround(o, {0, 0, 0}));      // pierces it
    QVERIFY(!hidesAround(o, {0, 0, -0.04}));  // closer than its radius
    QVERIFY(!hidesAround(o, {10, 0, -2}));    // beside it on screen
    QVERIFY(!hidesAround(o, {6.3, 0, -0.5})); // peeks out at the edge
    // Wide lines drawn near the edge could reach past it.
    QVERIFY(hidesAround(o, {4.3, 0, -0.1}, 0.0));
    QVERIFY(!hidesAround(o, {4.3, 0, -0.1}, 10.0));
    // Off screen nothing shows anyway; behind the eye nothing is known.
    QVERIFY(hidesAround(o, {200, 0, 0}));
    QVERIFY(!hidesAround(o, {0, 0, 45}));

    const Occlusion none = occlusion(40.0, {});
    QVERIFY(!hidesAround(none, {0, 0, -2}));
}

void TestOcclusion::hiddenPatchIsNotDrawn() {
    const scene::Patch front = facing(0.0, 0.0);
    const scene::Patch back = facing(0.0, -20.0);
    const Occlusion o = occlusion(40.0, {front, back});
    QVERIFY(o.drawnRects(back).empty());
    QVERIFY(!o.drawnRects(front).empty());
    // The order they come in does not matter.
    QVERIFY(occlusion(40.0, {back, front}).drawnRects(back).empty());
}

void TestOcclusion::drawnRectsHoldTheVisiblePart() {
    // On screen the front patch spans x and y from 128 to 272; the back one x from 176 to
    // 318 and y from 129 to 271, so it shows right of x = 272 only.
    const scene::Patch front = facing(0.0, 0.0);
    const scene::Patch back = facing(4.0, -1.0);
    const Occlusion o = occlusion(40.0, {front, back});
    const std::vector<Occlusion::Rect> rects = o.drawnRects(back);
    auto drawn = [&rects](int x, int y) {
        for (const Occlusion::Rect& r : rects)
            if (x >= r.x && x < r.x + r.width && y >= r.y && y < r.y + r.height)
                return true;
        return false;
    };
    const std::pair<QPoint, bool> shown[] = {{{300, 200}, true},  {{275, 200}, true},
                                             {{316, 131}, true},  {{316, 269}, true},
                                             {{230, 200}, false}, {{180, 150}, false}};
    for (const auto& [p, shows] : shown)
        QVERIFY2(drawn(p.x(), p.y()) == shows,
                 qPrintable(QStringLiteral("%1, %2").arg(p.x()).arg(p.y())));
}

void TestOcclusion::patchCutAtTheNearPlaneHidesWithWhatIsLeft() {
    // Seen from distance 3, the plane x + z = 0 reaches behind the eye; what is in front
    // still covers the right half of the view.
    const scene::Patch cut = *scene::patchGeometry({0, 0, 0}, {1, 0, -1}, {0, 1, 0}, {1, 0, 1});
    const Occlusion o = occlusion(3.0, {cut});
    QVERIFY(hidesAround(o, {1, 0, -3}));
    QVERIFY(!hidesAround(o, {0.5, 0, 1}));
    QVERIFY(!o.drawnRects(cut).empty());

    // Wholly behind the eye: it draws nothing and hides nothing.
    const scene::Patch behind = facing(0.0, 5.0);
    const Occlusion none = occlusion(3.0, {behind});
    QVERIFY(none.drawnRects(behind).empty());
    QVERIFY(!hidesAround(none, {0, 0, 0}));
}

// Window coordinates of a million pixels and more lose the precision the cells need: such a
// patch is drawn as it is and hides nothing.
void TestOcclusion::farOffTheViewIsLeftAlone() {
    const scene::Patch far = facing(1e9, -5.0);
    const Occlusion o = occlusion(40.0, {far, facing(0.0, 0.0)});
    const std::vector<Occlusion::Rect> rects = o.drawnRects(far);
    QCOMPARE(rects.size(), size_t(1));
    QCOMPARE(QRect(rects[0].x, rects[0].y, rects[0].width, rects[0].height), QRect(0, 0, 400, 400));
    QVERIFY(!hidesAround(o, {1e9, 0, -6}));
    QVERIFY(hidesAround(o, {0, 0, -2}));
}

QTEST_APPLESS_MAIN(TestOcclusion)
#include "test_occlusion.moc"

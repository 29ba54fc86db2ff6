#include "doublecompare.h"

#include "view3d/camera.h"

#include <QTest>

class TestCamera : public QObject {
    Q_OBJECT
private slots:
    void eyePosition_data();
    void eyePosition();
    void normalise_data();
    void normalise();
    void dragClampsPitchAtOnce();
    void zoom_data();
    void zoom();
    void zeroWheelDeltaChangesNothing();
    void advanceWrapsPast360();
};

void TestCamera::eyePosition_data() {
    QTest::addColumn<double>("yaw");
    QTest::addColumn<double>("pitch");
    QTest::addColumn<double>("distance");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("z");
    QTest::newRow("start on +z") << 0.0 << 0.0 << 10.0 << 0.0 << 0.0 << 10.0;
    QTest::newRow("yaw 90 turns to -x") << 90.0 << 0.0 << 10.0 << -10.0 << 0.0 << 0.0;
    QTest::newRow("yaw 180 behind") << 180.0 << 0.0 << 4.0 << 0.0 << 0.0 << -4.0;
    QTest::newRow("yaw 270 to +x") << 270.0 << 0.0 << 2.0 << 2.0 << 0.0 << 0.0;
    QTest::newRow("pitch 90 overhead") << 0.0 << 90.0 << 10.0 << 0.0 << 10.0 << 0.0;
    QTest::newRow("pitch -90 below") << 45.0 << -90.0 << 3.0 << 0.0 << -3.0 << 0.0;
    const double h = 10.0 * std::sqrt(0.5);
    QTest::newRow("yaw 45 pitch 45")
        << 45.0 << 45.0 << 10.0 << -h * std::sqrt(0.5) << h << h * std::sqrt(0.5);
}

void TestCamera::eyePosition() {
    QFETCH(double, yaw);
    QFETCH(double, pitch);
    QFETCH(double, distance);
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(double, z);
    Camera camera;
    camera.yaw = yaw;
    camera.pitch = pitch;
    camera.distance = distance;
    const Vec3 eye = camera.eye();
    COMPARE_CLOSE(eye.x, x);
    COMPARE_CLOSE(eye.y, y);
    COMPARE_CLOSE(eye.z, z);
    COMPARE_CLOSE(eye.length(), distance);
}

void TestCamera::normalise_data() {
    QTest::addColumn<double>("yaw");
    QTest::addColumn<double>("pitch");
    QTest::addColumn<double>("expectedYaw");
    QTest::addColumn<double>("expectedPitch");
    QTest::newRow("yaw 361 wraps to 0") << 361.0 << 0.0 << 0.0 << 0.0;
    QTest::newRow("yaw -1 wraps to 360") << -1.0 << 0.0 << 360.0 << 0.0;
    QTest::newRow("yaw 360 stays") << 360.0 << 0.0 << 360.0 << 0.0;
    QTest::newRow("pitch 200 clamps to 90") << 10.0 << 200.0 << 10.0 << 90.0;
    QTest::newRow("pitch -91 clamps to -90") << 10.0 << -91.0 << 10.0 << -90.0;
    QTest::newRow("inside ranges") << 359.5 << -89.5 << 359.5 << -89.5;
}

void TestCamera::normalise() {
    QFETCH(double, yaw);
    QFETCH(double, pitch);
    QFETCH(double, expectedYaw);
    QFETCH(double, expectedPitch);
    Camera camera;
    camera.yaw = yaw;
    camera.pitch = pitch;
    camera.normalise();
    COMPARE_EXACT(camera.yaw, expectedYaw);
    COMPARE_EXACT(camera.pitch, expectedPitch);
}

void TestCamera::dragClampsPitchAtOnce() {
    Camera camera;
    camera.turn(0, 200);
    COMPARE_EXACT(camera.pitch, 90.0);
    camera.turn(0, 50);
    COMPARE_EXACT(camera.pitch, 90.0);
    camera.turn(0, -10);
    COMPARE_EXACT(camera.pitch, 80.0);
    camera.turn(-5, 0);
    COMPARE_EXACT(camera.yaw, 360.0);
}

void TestCamera::zoom_data() {
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("delta");
    QTest::addColumn<double>("expected");
    QTest::newRow("twenty towards the screen") << 20 << 120 << 6.0;
    QTest::newRow("fifty towards the screen") << 50 << 120 << 1.0;
    QTest::newRow("sixty stay at the minimum") << 60 << 120 << 1.0;
    QTest::newRow("big deltas count as one step") << 20 << 960 << 6.0;
    QTest::newRow("ten away") << 10 << -120 << 12.0;
}

void TestCamera::zoom() {
    QFETCH(int, steps);
    QFETCH(int, delta);
    QFETCH(double, expected);
    Camera camera;
    for (int i = 0; i < steps; ++i)
        QVERIFY(camera.zoom(delta));
    COMPARE_CLOSE(camera.distance, expected);
}

void TestCamera::zeroWheelDeltaChangesNothing() {
    Camera camera;
    QVERIFY(!camera.zoom(0));
    COMPARE_EXACT(camera.distance, 10.0);
}

void TestCamera::advanceWrapsPast360() {
    Camera camera;
    camera.yaw = 359.75;
    camera.advance();
    COMPARE_EXACT(camera.yaw, 0.0);
    camera.advance();
    COMPARE_EXACT(camera.yaw, 0.5);
}

QTEST_APPLESS_MAIN(TestCamera)
#include "test_camera.moc"

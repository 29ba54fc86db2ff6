#include "geometry/objectstore.h"
#include "geometry/surface.h"
#include "view3d/glwidget.h"

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <memory>

namespace {

const int viewSize = 400;

// Where the default camera (yaw 0, pitch 0) at the given distance shows a point of the
// plane z = 0 in a 400 by 400 view with a 45 degree field of view.
QPoint screenOf(double x, double y, double distance) {
    const double focal = viewSize / 2.0 / std::tan(22.5 * M_PI / 180.0);
    return {int(std::lround(viewSize / 2.0 + x * focal / distance)),
            int(std::lround(viewSize / 2.0 - y * focal / distance))};
}

bool isGreen(QRgb c) {
    return qGreen(c) > 80 && qGreen(c) > 2 * qRed(c) && qGreen(c) > 2 * qBlue(c);
}

bool isRed(QRgb c) {
    return qRed(c) > 200 && qGreen(c) < 40 && qBlue(c) < 40;
}

bool isBlack(QRgb c) {
    return qRed(c) == 0 && qGreen(c) == 0 && qBlue(c) == 0;
}

// The plane z = 1, in front of the origin as the default camera sees it.
std::unique_ptr<surface> planeZ1(bool visible) {
    auto plane = std::make_unique<surface>();
    plane->setPlane(Vector(0, 0, 1), Point(0, 0, 1));
    plane->name = "S1";
    plane->visible = visible;
    return plane;
}

void sendMouse(QWidget* w, QEvent::Type type, Qt::MouseButton button, QPoint at) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
    QMouseEvent event(type, at, w->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

void sendWheel(QWidget* w, int delta) {
    const QPointF at(10, 10);
    QWheelEvent event(at, w->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &event);
}

} // namespace

class TestGLWidget : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void dragTurnsAndClampsPitch();
    void otherButtonsDoNotDrag();
    void wheelSteps();
    void showStartsIdleCountdownHideStopsAll();
    void idleTimeoutStartsTurning();
    void inputStopsTurning();
    void keyAStartsTurningAtOnce();
    void f5AndEscapeSwitchWindowStates();
    void escapeInNormalStateCloses();
    void languageChangeRetranslatesTitle();

    void planeShowsGreenUnlessHidden_data();
    void planeShowsGreenUnlessHidden();
    void planeGreenAtCentre();
    void planeHidesLabelBehindIt_data();
    void planeHidesLabelBehindIt();
    void vectorPointingDownHasHeadBelow();
    void degenerateObjectsLeaveTheBackground();
    void frameEndsWithRepaintObjects();

    void screenshotFormats_data();
    void screenshotFormats();
    void screenshotQuality_data();
    void screenshotQuality();
    void failedScreenshotIsReported();
    void withoutContextNothingCrashes();

private:
    QTimer* timer(const char* name) const { return view->findChild<QTimer*>(name); }
    QImage frame() { return view->grabFramebuffer(); }

    std::unique_ptr<GLWidget> view;
    ObjectStore store;
};

void TestGLWidget::init() {
    store.clear();
    view = std::make_unique<GLWidget>();
    view->resize(viewSize, viewSize);
    view->setStore(&store);
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view.get()));
}

void TestGLWidget::cleanup() {
    view.reset();
}

void TestGLWidget::dragTurnsAndClampsPitch() {
    sendMouse(view.get(), QEvent::MouseButtonPress, Qt::LeftButton, {100, 100});
    sendMouse(view.get(), QEvent::MouseMove, Qt::LeftButton, {130, 300});
    QCOMPARE(view->camera().pitch, 90.0);
    QCOMPARE(view->camera().yaw, 30.0);
    sendMouse(view.get(), QEvent::MouseMove, Qt::LeftButton, {130, 350});
    QCOMPARE(view->camera().pitch, 90.0);
    sendMouse(view.get(), QEvent::MouseMove, Qt::LeftButton, {130, 340});
    QCOMPARE(view->camera().pitch, 80.0);
    sendMouse(view.get(), QEvent::MouseButtonRelease, Qt::LeftButton, {130, 340});
    sendMouse(view.get(), QEvent::MouseMove, Qt::LeftButton, {10, 10});
    QCOMPARE(view->camera().pitch, 80.0);
    QCOMPARE(view->camera().yaw, 30.0);
}

void TestGLWidget::otherButtonsDoNotDrag() {
    sendMouse(view.get(), QEvent::MouseButtonPress, Qt::RightButton, {100, 100});
    QVERIFY(timer("idleTimer")->isActive());
    sendMouse(view.get(), QEvent::MouseMove, Qt::RightButton, {150, 150});
    sendMouse(view.get(), QEvent::MouseButtonRelease, Qt::RightButton, {150, 150});
    QCOMPARE(view->camera().yaw, 0.0);
    QCOMPARE(view->camera().pitch, 0.0);
    QVERIFY(timer("idleTimer")->isActive());
}

void TestGLWidget::wheelSteps() {
    for (int i = 0; i < 20; ++i)
        sendWheel(view.get(), 120);
    QVERIFY(std::fabs(view->camera().distance - 6.0) < 1e-9);
    for (int i = 0; i < 30; ++i)
        sendWheel(view.get(), 15);
    QCOMPARE(view->camera().distance, 1.0);
    sendWheel(view.get(), -120);
    QVERIFY(std::fabs(view->camera().distance - 1.2) < 1e-9);
    timer("idleTimer")->stop();
    sendWheel(view.get(), 0);
    QVERIFY(std::fabs(view->camera().distance - 1.2) < 1e-9);
    QVERIFY(timer("idleTimer")->isActive());
}

void TestGLWidget::showStartsIdleCountdownHideStopsAll() {
    QTimer* idle = timer("idleTimer");
    QTimer* animation = timer("animationTimer");
    QVERIFY(idle->isActive());
    QVERIFY(idle->isSingleShot());
    QCOMPARE(idle->interval(), 20000);
    QVERIFY(!animation->isActive());
    animation->start();
    view->hide();
    QVERIFY(!idle->isActive());
    QVERIFY(!animation->isActive());
}

void TestGLWidget::idleTimeoutStartsTurning() {
    QTimer* animation = timer("animationTimer");
    QCOMPARE(animation->interval(), 30);
    QVERIFY(QMetaObject::invokeMethod(timer("idleTimer"), "timeout"));
    QVERIFY(animation->isActive());
    QCOMPARE(view->camera().yaw, 0.5);
    QSignalSpy frames(view.get(), &GLWidget::repaintObjects);
    QTRY_VERIFY(view->camera().yaw >= 1.5);
    QTRY_VERIFY(frames.count() >= 1);
}

void TestGLWidget::inputStopsTurning() {
    QTimer* idle = timer("idleTimer");
    QTimer* animation = timer("animationTimer");
    view->animate();
    sendMouse(view.get(), QEvent::MouseButtonPress, Qt::LeftButton, {50, 50});
    QVERIFY(!animation->isActive());
    QVERIFY(idle->isActive());
    // A move stops the countdown; the release starts it again.
    sendMouse(view.get(), QEvent::MouseMove, Qt::LeftButton, {60, 50});
    QVERIFY(!idle->isActive());
    sendMouse(view.get(), QEvent::MouseButtonRelease, Qt::LeftButton, {60, 50});
    QVERIFY(idle->isActive());
    view->animate();
    QTest::keyClick(view.get(), Qt::Key_B);
    QVERIFY(!animation->isActive());
    QVERIFY(idle->isActive());
}

void TestGLWidget::keyAStartsTurningAtOnce() {
    QTest::keyClick(view.get(), Qt::Key_A);
    QVERIFY(timer("animationTimer")->isActive());
    QVERIFY(timer("idleTimer")->isActive());
}

void TestGLWidget::f5AndEscapeSwitchWindowStates() {
    QTest::keyClick(view.get(), Qt::Key_F5);
    QTRY_VERIFY(view->isFullScreen());
    QTest::keyClick(view.get(), Qt::Key_Escape);
    QTRY_VERIFY(!view->isFullScreen());
    QVERIFY(view->isVisible());
    view->showMaximized();
    QTRY_VERIFY(view->isMaximized());
    QTest::keyClick(view.get(), Qt::Key_Escape);
    QTRY_VERIFY(!view->isMaximized());
    QVERIFY(view->isVisible());
}

void TestGLWidget::escapeInNormalStateCloses() {
    QTest::keyClick(view.get(), Qt::Key_Escape);
    QVERIFY(!view->isVisible());
    QVERIFY(!timer("idleTimer")->isActive());
}

void TestGLWidget::languageChangeRetranslatesTitle() {
    QCOMPARE(view->windowTitle(), QString("OpenGL 3D Demonstration"));
    view->setWindowTitle("stale");
    QEvent change(QEvent::LanguageChange);
    QApplication::sendEvent(view.get(), &change);
    QCOMPARE(view->windowTitle(), QString("OpenGL 3D Demonstration"));
}

void TestGLWidget::planeShowsGreenUnlessHidden_data() {
    QTest::addColumn<bool>("visible");
    QTest::newRow("visible") << true;
    QTest::newRow("hidden") << false;
}

void TestGLWidget::planeShowsGreenUnlessHidden() {
    QFETCH(bool, visible);
    QVERIFY(store.insert(3, planeZ1(visible)));
    // Off the axes, their ticks and labels.
    const QRgb c = frame().pixel(260, 230);
    QVERIFY2(visible ? isGreen(c) : isBlack(c), qPrintable(QColor(c).name()));
    store.setVisible("S1", !visible);
    view->redrawNow();
    const QRgb after = frame().pixel(260, 230);
    QVERIFY2(visible ? isBlack(after) : isGreen(after), qPrintable(QColor(after).name()));
}

void TestGLWidget::planeGreenAtCentre() {
    QVERIFY(store.insert(3, planeZ1(true)));
    Camera camera;
    camera.yaw = 30.0;
    camera.pitch = 20.0;
    view->setCamera(camera);
    const QRgb c = frame().pixel(viewSize / 2, viewSize / 2);
    QVERIFY2(isGreen(c), qPrintable(QColor(c).name()));
}

void TestGLWidget::planeHidesLabelBehindIt_data() {
    planeShowsGreenUnlessHidden_data();
}

void TestGLWidget::planeHidesLabelBehindIt() {
    QFETCH(bool, visible);
    QVERIFY(store.insert(3, planeZ1(visible)));
    const QImage image = frame();
    // "  X" sits on (2, 0, 0), behind the plane z = 1; its glyphs rise above the axis.
    const QPoint anchor = screenOf(2, 0, 10);
    int bright = 0;
    for (int x = anchor.x(); x < anchor.x() + 30; ++x)
        for (int y = anchor.y() - 12; y < anchor.y() - 2; ++y)
            bright += qGray(image.pixel(x, y)) > 150 ? 1 : 0;
    QVERIFY2(visible ? bright == 0 : bright > 5, qPrintable(QString::number(bright)));
}

void TestGLWidget::vectorPointingDownHasHeadBelow() {
    auto down = std::make_unique<Vector>(0, -2, 0);
    down->setStart(1, 0.5, 0);
    down->name = "v";
    down->visible = true;
    QVERIFY(store.insert(1, std::move(down)));
    Camera camera;
    camera.distance = 5.0;
    view->setCamera(camera);
    const QImage image = frame();
    // Tip at y = -1.5, the head's base at -1.3.
    const QPoint shaft = screenOf(1, 0, 5);
    const QPoint head = screenOf(1, -1.4, 5);
    const QPoint beyond = screenOf(1, -1.6, 5);
    QVERIFY2(isRed(image.pixel(shaft)), qPrintable(QColor(image.pixel(shaft)).name()));
    QVERIFY2(isRed(image.pixel(head)), qPrintable(QColor(image.pixel(head)).name()));
    QVERIFY2(isBlack(image.pixel(beyond)), qPrintable(QColor(image.pixel(beyond)).name()));
    // Nothing above the start.
    QVERIFY(isBlack(image.pixel(screenOf(1, 0.7, 5))));
}

void TestGLWidget::degenerateObjectsLeaveTheBackground() {
    const double nan = std::nan("");
    auto zero = std::make_unique<Vector>(0, 0, 0);
    zero->name = "v0";
    zero->visible = true;
    zero->setStart(0.5, 0.3, 0);
    QVERIFY(store.insert(1, std::move(zero)));
    auto broken = std::make_unique<surface>();
    broken->normal = Vector(nan, 0, 1);
    broken->u = Vector(1, 0, 0);
    broken->v = Vector(0, 1, 0);
    broken->point = Point(0, 0, 1);
    broken->name = "S0";
    broken->visible = true;
    QVERIFY(store.insert(3, std::move(broken)));
    auto nowhere = std::make_unique<Point>(nan, nan, nan);
    nowhere->name = "P0";
    nowhere->visible = true;
    QVERIFY(store.insert(0, std::move(nowhere)));
    const QImage image = frame();
    QVERIFY(isBlack(image.pixel(260, 230)));
    QVERIFY(isBlack(image.pixel(screenOf(0.5, 0.3, 10))));
}

void TestGLWidget::frameEndsWithRepaintObjects() {
    QSignalSpy frames(view.get(), &GLWidget::repaintObjects);
    view->redrawNow();
    QTRY_VERIFY(frames.count() >= 1);
}

void TestGLWidget::screenshotFormats_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("png") << "shot.png";
    QTest::newRow("jpg") << "shot.jpg";
    QTest::newRow("JPG") << "shot.JPG";
    QTest::newRow("bmp") << "shot.bmp";
    QTest::newRow("ppm") << "shot.ppm";
    QTest::newRow("xbm") << "shot.xbm";
    QTest::newRow("xpm") << "shot.xpm";
}

void TestGLWidget::screenshotFormats() {
    QFETCH(QString, name);
    QVERIFY(store.insert(3, planeZ1(true)));
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    QVERIFY(view->saveScreenshot(path));
    const QImage saved(path);
    QCOMPARE(saved.size(), QSize(viewSize, viewSize));
    if (name.endsWith(".png")) {
        QVERIFY(isGreen(saved.pixel(260, 230)));
        QCOMPARE(qAlpha(saved.pixel(0, 0)), 255);
    }
}

void TestGLWidget::screenshotQuality_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("quality");
    QTest::newRow(".jpg") << "/tmp/a.jpg" << 100;
    QTest::newRow(".JPG") << "/tmp/a.JPG" << -1;
    QTest::newRow(".Jpg") << "/tmp/a.Jpg" << -1;
    QTest::newRow(".png") << "/tmp/a.png" << -1;
    QTest::newRow(".jpg inside") << "/tmp/a.jpg.png" << -1;
}

void TestGLWidget::screenshotQuality() {
    QFETCH(QString, name);
    QFETCH(int, quality);
    QCOMPARE(GLWidget::screenshotQuality(name), quality);
}

void TestGLWidget::failedScreenshotIsReported() {
    QTemporaryDir dir;
    QVERIFY(!view->saveScreenshot(dir.filePath("missing/shot.png")));
    QVERIFY(!view->saveScreenshot(dir.filePath("shot.unknown")));
}

void TestGLWidget::withoutContextNothingCrashes() {
    GLWidget hidden;
    hidden.setStore(&store);
    hidden.redrawNow();
    QTemporaryDir dir;
    QVERIFY(!hidden.saveScreenshot(dir.filePath("shot.png")));
    QVERIFY(!QFile::exists(dir.filePath("shot.png")));
}

QTEST_MAIN(TestGLWidget)
#include "test_glwidget.moc"

#include "doublecompare.h"
#include "support/dialogscript.h"

#include "geometry/objectstore.h"
#include "geometry/surface.h"
#include "view3d/glwidget.h"

#include <QApplication>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <memory>

Q_DECLARE_METATYPE(Vec3)

namespace {

const int viewSize = 400;

// Where the default camera (yaw 0, pitch 0) shows a point at the given depth.
QPoint screenOf(double x, double y, double depth) {
    const double focal = viewSize / 2.0 / std::tan(22.5 * M_PI / 180.0);
    return {int(std::lround(viewSize / 2.0 + x * focal / depth)),
            int(std::lround(viewSize / 2.0 - y * focal / depth))};
}

// What a pixel shows: the background, a plane, a vector, or else its colour.
QString shows(QRgb c) {
    const int r = qRed(c);
    const int g = qGreen(c);
    const int b = qBlue(c);
    if (r == 0 && g == 0 && b == 0)
        return "black";
    if (g > 80 && g > 2 * r && g > 2 * b)
        return "green";
    if (r > 200 && g < 40 && b < 40)
        return "red";
    return QColor(c).name();
}

bool add(ObjectStore& store, int kind, SpaceObject* object, bool visible = true) {
    static int made = 0;
    object->name = "o" + std::to_string(++made);
    object->visible = visible;
    return store.insert(kind, std::unique_ptr<SpaceObject>(object));
}

// The plane z = 1, in front of the origin as the default camera sees it.
surface* planeZ1() {
    auto* plane = new surface;
    plane->setPlane(Vector(0, 0, 1), Point(0, 0, 1));
    return plane;
}

QTimer* timer(GLWidget* w, const char* name) {
    return w->findChild<QTimer*>(name);
}

void sendMouse(GLWidget* w, QEvent::Type type, Qt::MouseButton button, QPoint at) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
    QMouseEvent event(type, at, w->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

// Plays input words on the view: press (left), rpress, move (by 30, 200), release, wheel,
// wheel0, hide, show, max, stop (the turning), timeout (of the idle countdown), or a key.
void play(GLWidget* w, const QString& words) {
    QPoint at(50, 50);
    Qt::MouseButton button = Qt::LeftButton;
    for (const QString& word : words.split(' ')) {
        if (word == "press" || word == "rpress") {
            button = word == "press" ? Qt::LeftButton : Qt::RightButton;
            sendMouse(w, QEvent::MouseButtonPress, button, at);
        } else if (word == "move") {
            sendMouse(w, QEvent::MouseMove, button, at += QPoint(30, 200));
        } else if (word == "release") {
            sendMouse(w, QEvent::MouseButtonRelease, button, at);
        } else if (word.startsWith("wheel")) {
            QWheelEvent event(at, w->mapToGlobal(at), {}, {0, word == "wheel" ? 120 : 0},
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(w, &event);
        } else if (word == "hide" || word == "show" || word == "max") {
            QMetaObject::invokeMethod(w, word == "max" ? "showMaximized" : qPrintable(word));
        } else if (word == "stop") {
            timer(w, "animationTimer")->stop();
        } else if (word == "timeout") {
            timer(w, "idleTimer")->stop();
            QMetaObject::invokeMethod(timer(w, "idleTimer"), "timeout");
        } else {
            QTest::keyClick(w, QKeySequence::fromString(word)[0].key());
        }
    }
}

QString windowOf(const GLWidget* w) {
    if (!w->isVisible())
        return "hidden";
    return w->isFullScreen() ? "full screen" : w->isMaximized() ? "maximised" : "normal";
}

} // namespace

class TestGLWidget : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void input_data();
    void input();
    void f12SavesScreenshotOrWarns();
    void screenshotQuality();
    void withoutContextNothingCrashes();

    void planeHidesWhatIsBehindIt_data();
    void planeHidesWhatIsBehindIt();
    void lightStaysAtItsWorldPoint();
    void vectorPointingDownHasHeadBelow();
    void degenerateObjectsLeaveTheBackground();

private:
    QImage frame() { return view->grabFramebuffer(); }

    std::unique_ptr<GLWidget> view;
    ObjectStore store;
};

void TestGLWidget::initTestCase() {
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
}

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

void TestGLWidget::input_data() {
    QTest::addColumn<QString>("words");
    QTest::addColumn<bool>("idle");
    QTest::addColumn<bool>("turning");
    QTest::addColumn<QString>("window");
    QTest::addColumn<Vec3>("camera"); // yaw, pitch, distance
    const Vec3 start{0, 0, 10};
    const Vec3 dragged{30, 90, 10};
    QTest::newRow("hide") << "hide" << false << false << "hidden" << start;
    QTest::newRow("show again") << "hide show" << true << false << "normal" << start;
    QTest::newRow("idle timeout") << "stop timeout" << false << true << "normal"
                                  << Vec3{0.5, 0, 10};
    QTest::newRow("A") << "stop A" << true << true << "normal" << start;
    QTest::newRow("another key") << "B" << true << false << "normal" << start;
    QTest::newRow("F5") << "F5" << true << false << "full screen" << start;
    QTest::newRow("Escape from full screen") << "F5 Esc" << true << false << "normal" << start;
    QTest::newRow("Escape from maximised") << "max Esc" << true << false << "normal" << start;
    QTest::newRow("Escape closes") << "Esc" << false << false << "hidden" << start;
    QTest::newRow("right drag") << "rpress move release" << true << false << "normal" << start;
    // A drag holds the countdown until the button is let go; the pitch stops at 90.
    QTest::newRow("drag") << "press move" << false << false << "normal" << dragged;
    QTest::newRow("drag released") << "press move release" << true << false << "normal" << dragged;
    QTest::newRow("move after release")
        << "press move release move" << false << false << "normal" << dragged;
    QTest::newRow("wheel") << "wheel" << true << false << "normal" << Vec3{0, 0, 9.8};
    QTest::newRow("zero wheel delta")
        << "press move wheel0" << true << false << "normal" << dragged;
}

// Each row starts shown, with the camera turning, then plays its input.
void TestGLWidget::input() {
    QFETCH(QString, words);
    QFETCH(bool, idle);
    QFETCH(bool, turning);
    QFETCH(QString, window);
    QFETCH(Vec3, camera);
    QTimer* idleTimer = timer(view.get(), "idleTimer");
    QVERIFY(idleTimer->isActive());
    QCOMPARE(idleTimer->interval(), 20000);
    QVERIFY(idleTimer->isSingleShot());
    timer(view.get(), "animationTimer")->start();
    play(view.get(), words);
    QCOMPARE(idleTimer->isActive(), idle);
    QCOMPARE(timer(view.get(), "animationTimer")->isActive(), turning);
    const Camera c = view->camera();
    COMPARE_CLOSE(c.yaw, camera.x);
    COMPARE_CLOSE(c.pitch, camera.y);
    COMPARE_CLOSE(c.distance, camera.z);
    QTRY_COMPARE(windowOf(view.get()), window);
    if (turning)
        QTRY_VERIFY(view->camera().yaw >= camera.x + 1.0);
}

void TestGLWidget::f12SavesScreenshotOrWarns() {
    QVERIFY(add(store, 3, planeZ1()));
    QTemporaryDir dir;
    DialogScript script;
    script.choose(dir.filePath("missing/shot.png")).press(QMessageBox::Ok);
    script.choose(dir.filePath("shot.png"));
    QTest::keyClick(view.get(), Qt::Key_F12);
    QVERIFY2(script.seen().last().startsWith("Save Error: "), qPrintable(script.seen().join('|')));
    QTest::keyClick(view.get(), Qt::Key_F12);
    QCOMPARE(script.seen().size(), 3);
    QVERIFY2(script.seen().filter(QRegularExpression("^unexpected")).isEmpty(),
             qPrintable(script.seen().join('|')));
    const QImage shot(dir.filePath("shot.png"));
    QCOMPARE(shot.size(), QSize(viewSize, viewSize));
    QCOMPARE(shows(shot.pixel(260, 230)), "green");
    // The clear colour's alpha 0 does not make the file transparent.
    QCOMPARE(qAlpha(shot.pixel(0, 0)), 255);
}

void TestGLWidget::screenshotQuality() {
    QCOMPARE(GLWidget::screenshotQuality("/tmp/a.jpg"), 100);
    QCOMPARE(GLWidget::screenshotQuality("/tmp/a.JPG"), -1);
    QCOMPARE(GLWidget::screenshotQuality("/tmp/a.jpg.png"), -1);
}

void TestGLWidget::withoutContextNothingCrashes() {
    GLWidget hidden;
    hidden.setStore(&store);
    hidden.redrawNow();
    QTemporaryDir dir;
    QVERIFY(!hidden.saveScreenshot(dir.filePath("shot.png")));
    QVERIFY(!QFile::exists(dir.filePath("shot.png")));
}

void TestGLWidget::planeHidesWhatIsBehindIt_data() {
    QTest::addColumn<bool>("visible");
    QTest::newRow("visible") << true;
    QTest::newRow("hidden") << false;
}

void TestGLWidget::planeHidesWhatIsBehindIt() {
    QFETCH(bool, visible);
    surface* plane = planeZ1();
    QVERIFY(add(store, 3, plane, visible));
    // Off the axes, their ticks and labels.
    QImage image = frame();
    QCOMPARE(shows(image.pixel(260, 230)), visible ? "green" : "black");
    // "  X" sits on (2, 0, 0), behind the plane; its glyphs rise above the axis.
    const QPoint anchor = screenOf(2, 0, 10);
    int bright = 0;
    for (int x = anchor.x(); x < anchor.x() + 30; ++x)
        for (int y = anchor.y() - 12; y < anchor.y() - 2; ++y)
            bright += qGray(image.pixel(x, y)) > 150 ? 1 : 0;
    QVERIFY2(visible ? bright == 0 : bright > 5, QByteArray::number(bright));

    store.setVisible(plane->name, !visible);
    view->redrawNow();
    QCOMPARE(shows(frame().pixel(260, 230)), visible ? "black" : "green");
    // Turned and raised, the plane still fills the middle.
    view->setCamera({30.0, 20.0, 10.0});
    QCOMPARE(shows(frame().pixel(viewSize / 2, viewSize / 2)) == "green", !visible);
}

// The plane's shading at one of its points is the same from near and far: the light stays
// at its world point instead of moving with the camera.
void TestGLWidget::lightStaysAtItsWorldPoint() {
    QVERIFY(add(store, 3, planeZ1()));
    const QRgb far = frame().pixel(screenOf(-0.8, -0.6, 9.0));
    view->setCamera({0.0, 0.0, 4.0});
    const QRgb near = frame().pixel(screenOf(-0.8, -0.6, 3.0));
    QCOMPARE(shows(far), "green");
    QVERIFY2(std::abs(qGreen(far) - qGreen(near)) <= 3,
             qPrintable(shows(far) + " " + QColor(near).name()));
}

void TestGLWidget::vectorPointingDownHasHeadBelow() {
    auto* down = new Vector(0, -2, 0);
    down->setStart(1, 0.5, 0);
    QVERIFY(add(store, 1, down));
    view->setCamera({0.0, 0.0, 5.0});
    const QImage image = frame();
    // Tip at y = -1.5, the head's base at -1.3; nothing above the start.
    QCOMPARE(shows(image.pixel(screenOf(1, 0.0, 5))), "red");
    QCOMPARE(shows(image.pixel(screenOf(1, -1.4, 5))), "red");
    QCOMPARE(shows(image.pixel(screenOf(1, -1.6, 5))), "black");
    QCOMPARE(shows(image.pixel(screenOf(1, 0.7, 5))), "black");
}

void TestGLWidget::degenerateObjectsLeaveTheBackground() {
    const double nan = std::nan("");
    auto* zero = new Vector(0, 0, 0);
    zero->setStart(0.5, 0.3, 0);
    auto* broken = planeZ1();
    broken->normal = Vector(nan, 0, 1);
    QVERIFY(add(store, 1, zero));
    QVERIFY(add(store, 3, broken));
    QVERIFY(add(store, 0, new Point(nan, nan, nan)));
    const QImage image = frame();
    QCOMPARE(shows(image.pixel(260, 230)), "black");
    QCOMPARE(shows(image.pixel(screenOf(0.5, 0.3, 10))), "black");
}

QTEST_MAIN(TestGLWidget)
#include "test_glwidget.moc"

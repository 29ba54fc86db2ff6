// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/dialogscript.h"

#include "geometry/line.h"
#include "geometry/objectstore.h"
#include "geometry/surface.h"
#include "view3d/glwidget.h"
#include "view3d/objectdrawing.h"
#include "viewpixels.h"

#include <QMouseEvent>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <random>

Q_DECLARE_METATYPE(Vec3)
Q_DECLARE_METATYPE(Kind)

namespace {

// What a pixel shows: the background, a plane, a vector, or else its colour.
QString shows(QRgb c) {
    const int r = qRed(c), g = qGreen(c), b = qBlue(c);
    if (r == 0 && g == 0 && b == 0)
        return "black";
    if (g > 80 && g > 2 * r && g > 2 * b)
        return "green";
    if (r > 200 && g < 40 && b < 40)
        return "red";
    return QColor(c).name();
}

bool add(ObjectStore& store, SpaceObject* object, bool visible = true) {
    static int made = 0;
    object->name = "o" + std::to_string(++made);
    object->visible = visible;
    return store.insert(object->type(), std::unique_ptr<SpaceObject>(object));
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

// Plays input words on the view: press (left), rpress, move (by 30, 200), release, wheel,
// wheel0, hide, show, max, stop (the turning), timeout (of the idle countdown), or a key.
void play(GLWidget* w, const QString& words) {
    QPoint at(50, 50);
    Qt::MouseButton button = Qt::LeftButton;
    // The button stays held in every move, so a move after the release reaches the view too.
    auto mouse = [&](QEvent::Type type) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
        QMouseEvent event(type, at, w->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(w, &event);
    };
    for (const QString& word : words.split(' ')) {
        if (word == "press" || word == "rpress") {
            button = word == "press" ? Qt::LeftButton : Qt::RightButton;
            mouse(QEvent::MouseButtonPress);
        } else if (word == "move") {
            at += QPoint(30, 200);
            mouse(QEvent::MouseMove);
        } else if (word == "release") {
            mouse(QEvent::MouseButtonRelease);
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

// One object of the kind somewhere in a small cube around the origin.
void drawOne(ObjectDrawing& d, Kind kind, std::mt19937& random) {
    std::uniform_real_distribution<double> spread(-3.0, 3.0);
    std::uniform_real_distribution<double> direction(-1.0, 1.0);
    auto vec = [&] { return Vector(direction(random), direction(random), direction(random)); };
    const Point at(spread(random), spread(random), spread(random));
    if (kind == Kind::Point) {
        d.drawPoint(at);
    } else if (kind == Kind::Vector) {
        Vector v = vec();
        v.setStart(at.coordinates.x(), at.coordinates.y(), at.coordinates.z());
        d.drawVector(v);
    } else if (kind == Kind::Line) {
        line l;
        l.setLine(at, vec());
        d.drawLine(l);
    } else {
        surface s;
        s.setPlane(vec(), at);
        d.drawSurface(s);
    }
}

// What a batch must leave as it found it: errors, lighting, the scissor test, the line width
// and the model-view stack.
QString glState() {
    GLint depth = 0;
    GLfloat width = 0.0f;
    GLfloat matrix[16];
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    glGetFloatv(GL_LINE_WIDTH, &width);
    glGetFloatv(GL_MODELVIEW_MATRIX, matrix);
    QString text = QString::asprintf(
        "error %x, lighting %d, scissor %d, width %g, depth %d, matrix", glGetError(),
        glIsEnabled(GL_LIGHTING), glIsEnabled(GL_SCISSOR_TEST), width, depth);
    for (const GLfloat v : matrix)
        text += QString::asprintf(" %g", v);
    return text;
}

} // namespace

class TestGLWidget : public QObject {
    Q_OBJECT
    std::unique_ptr<GLWidget> view;
    ObjectStore store;

    QImage frame() { return view->grabFramebuffer(); }

    // The view's own frame from the camera, with draw() called where the view lets others
    // draw: after its axes, in its state.
    QImage render(const Camera& camera, const std::function<void()>& draw) {
        view->setCamera(camera);
        const auto drawing = connect(view.get(), &GLWidget::repaintObjects, draw);
        const QImage image = frame();
        disconnect(drawing);
        return image;
    }

private slots:
    void initTestCase() { QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs); }
    void init() {
        store.clear();
        view = std::make_unique<GLWidget>();
        view->resize(viewSize, viewSize);
        view->setStore(&store);
        view->setNamesShown(false); // test_legibility has the names
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view.get()));
    }
    void cleanup() { view.reset(); }

    void input_data() {
        QTest::addColumn<QString>("words");
        QTest::addColumn<Vec3>("camera");   // yaw, pitch, distance
        QTest::addColumn<QString>("state"); // the running timers and the window
        const Vec3 start{0, 0, 10};
        const Vec3 dragged{30, 90, 10};
        QTest::newRow("hide") << "hide" << start << "hidden";
        QTest::newRow("show again") << "hide show" << start << "idle normal";
        QTest::newRow("idle timeout") << "stop timeout" << Vec3{0.5, 0, 10} << "turning normal";
        QTest::newRow("A") << "stop A" << start << "idle turning normal";
        QTest::newRow("another key") << "B" << start << "idle normal";
        QTest::newRow("F5") << "F5" << start << "idle full screen";
        QTest::newRow("Escape from full screen") << "F5 Esc" << start << "idle normal";
        QTest::newRow("Escape from maximised") << "max Esc" << start << "idle normal";
        QTest::newRow("Escape closes") << "Esc" << start << "hidden";
        QTest::newRow("right drag") << "rpress move release" << start << "idle normal";
        // A drag holds the countdown until the button is let go; the pitch stops at 90.
        QTest::newRow("drag") << "press move" << dragged << "normal";
        QTest::newRow("drag released") << "press move release" << dragged << "idle normal";
        QTest::newRow("move after release") << "press move release move" << dragged << "normal";
        QTest::newRow("wheel") << "wheel" << Vec3{0, 0, 9.8} << "idle normal";
        QTest::newRow("zero wheel delta") << "press move wheel0" << dragged << "idle normal";
    }

    // Each row starts shown, with the camera turning and the idle countdown of 20 s running,
    // then plays its input.
    void input() {
        QFETCH(QString, words);
        QFETCH(Vec3, camera);
        QFETCH(QString, state);
        QTimer* idle = timer(view.get(), "idleTimer");
        QTimer* turning = timer(view.get(), "animationTimer");
        QVERIFY(idle->isActive() && idle->isSingleShot());
        QCOMPARE(idle->interval(), 20000);
        turning->start();
        play(view.get(), words);
        const Camera c = view->camera();
        QCOMPARE(QString::asprintf("%g %g %g", c.yaw, c.pitch, c.distance),
                 QString::asprintf("%g %g %g", camera.x, camera.y, camera.z));
        QTRY_COMPARE(QString(idle->isActive() ? "idle " : "") +
                         (turning->isActive() ? "turning " : "") + windowOf(view.get()),
                     state);
        if (turning->isActive())
            QTRY_VERIFY(view->camera().yaw >= camera.x + 1.0);
    }

    // A drag or a turn of the wheel only asks for a frame: none is drawn while the events are
    // handled, and one is once the event loop runs.
    void inputAsksForFrames() {
        QSignalSpy frames(view.get(), &GLWidget::repaintObjects);
        for (const char* words : {"press move move release", "wheel wheel"}) {
            // Settled first: while a frame is pending, even a frame asked for at once waits.
            do {
                frames.clear();
                QTest::qWait(100);
            } while (!frames.isEmpty());
            play(view.get(), words);
            QVERIFY2(frames.isEmpty(), words);
            QTRY_VERIFY(!frames.isEmpty());
        }
    }

    // F12 saves what the view shows, on black, or warns; ".jpg" is written at full quality.
    // Without a context there is no picture to save, and nothing crashes.
    void screenshots() {
        QVERIFY(add(store, planeZ1()));
        QTemporaryDir dir;
        DialogScript script;
        script.choose(dir.filePath("missing/shot.png")).press(QMessageBox::Ok);
        script.choose(dir.filePath("shot.png"));
        QTest::keyClick(view.get(), Qt::Key_F12);
        QTest::keyClick(view.get(), Qt::Key_F12);
        const QStringList seen = script.seen();
        QVERIFY2(seen.size() == 3 && seen[1].startsWith("Save Error: ") && seen[2] == seen[0],
                 qPrintable(seen.join('|')));
        const QImage shot(dir.filePath("shot.png"));
        QCOMPARE(shot.size(), QSize(viewSize, viewSize));
        QCOMPARE(shows(shot.pixel(260, 230)), "green");
        QCOMPARE(qAlpha(shot.pixel(0, 0)), 255); // not the clear colour's alpha 0
        QCOMPARE(GLWidget::screenshotQuality("/tmp/a.jpg"), 100);
        QCOMPARE(GLWidget::screenshotQuality("/tmp/a.JPG"), -1);
        QCOMPARE(GLWidget::screenshotQuality("/tmp/a.jpg.png"), -1);

        GLWidget hidden;
        hidden.setStore(&store);
        hidden.redrawNow();
        QVERIFY(!hidden.saveScreenshot(dir.filePath("hidden.png")));
    }

    // Hidden, the plane z = 1 leaves the background and the "  X" label behind it; shown, the
    // label still reads through it. Its shading at a point is the same from near and far: the light
    // stays at its world point instead of moving with the camera.
    void plane() {
        surface* plane = planeZ1();
        QVERIFY(add(store, plane, false));
        // "  X" sits on (2, 0, 0), behind the plane; its glyphs rise above the axis.
        const QPoint anchor = screenOf(2, 0, 10);
        const auto labelPixels = [&anchor](const QImage& image) {
            int bright = 0;
            for (int x = anchor.x(); x < anchor.x() + 30; ++x)
                for (int y = anchor.y() - 12; y < anchor.y() - 2; ++y)
                    bright += qGray(image.pixel(x, y)) > 150 ? 1 : 0;
            return bright;
        };
        QImage image = frame();
        QCOMPARE(shows(image.pixel(260, 230)), "black"); // off the axes, their ticks and labels
        QVERIFY2(labelPixels(image) > 5, QByteArray::number(labelPixels(image)));
        store.setVisible(plane->name, true);
        image = frame();
        QVERIFY2(labelPixels(image) > 5, QByteArray::number(labelPixels(image)));
        const QRgb far = image.pixel(screenOf(-0.8, -0.6, 9.0));
        QCOMPARE(shows(far), "green");
        view->setCamera({0.0, 0.0, 4.0});
        const QRgb near = frame().pixel(screenOf(-0.8, -0.6, 3.0));
        QVERIFY2(std::abs(qGreen(far) - qGreen(near)) <= 3, qPrintable(QColor(near).name()));
        // Turned and raised, the plane still fills the middle.
        view->setCamera({30.0, 20.0, 10.0});
        QCOMPARE(shows(frame().pixel(viewSize / 2 + 30, viewSize / 2 - 30)), "green");
    }

    // A vector pointing down has its head below; a zero vector, a plane with a NaN normal and
    // a NaN point draw nothing, and do not spoil what is drawn with them.
    void vectorAmongDegenerateObjects() {
        const double nan = std::nan("");
        auto* down = new Vector(0, -2, 0);
        down->setStart(1, 0.5, 0);
        auto* zero = new Vector(0, 0, 0);
        zero->setStart(0.5, 0.3, 0);
        auto* broken = planeZ1();
        broken->normal = Vector(nan, 0, 1);
        for (SpaceObject* o :
             std::initializer_list<SpaceObject*>{down, zero, broken, new Point(nan, nan, nan)})
            QVERIFY(add(store, o));
        view->setCamera({0.0, 0.0, 5.0});
        const QImage image = frame();
        // Tip at y = -1.5, the head's base at -1.3; nothing above the start.
        const QPointF points[] = {{1, 0}, {1, -1.4}, {1, -1.6}, {1, 0.7}, {0.5, 0.3}};
        QStringList seen;
        for (const QPointF& at : points)
            seen << shows(image.pixel(screenOf(at.x(), at.y(), 5)));
        QCOMPARE(seen.join(' '), "red red black black black");
    }

    // ObjectDrawing on its own, drawn into the view's frames: each kind leaves the GL state
    // as the next one expects it, and all but vectors leave the material white.
    void drawingLeavesStateAsFound_data() {
        QTest::addColumn<Kind>("kind");
        for (Kind kind : storedKinds)
            QTest::addRow("kind %d", fileCode(kind)) << kind;
    }
    void drawingLeavesStateAsFound() {
        QFETCH(Kind, kind);
        view->makeCurrent();
        const GLfloat grey[] = {0.3f, 0.3f, 0.3f, 1.0f};
        glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, grey);
        glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, grey);
        glEnable(GL_LIGHTING);
        glDisable(GL_SCISSOR_TEST);
        glLineWidth(1.0f);
        while (glGetError() != GL_NO_ERROR) {
        }
        const QString before = glState();
        ObjectDrawing drawing;
        std::mt19937 random(7);
        drawOne(drawing, kind, random);
        drawing.flush();
        QCOMPARE(glState(), before);
        GLfloat diffuse[4], specular[4];
        glGetMaterialfv(GL_FRONT, GL_DIFFUSE, diffuse);
        glGetMaterialfv(GL_BACK, GL_SPECULAR, specular);
        const GLfloat white[] = {1.0f, 1.0f, 1.0f, 1.0f};
        QCOMPARE(std::equal(diffuse, diffuse + 4, white) &&
                     std::equal(specular, specular + 4, white),
                 kind != Kind::Vector);
    }

    void cullingKeepsThePicture_data() {
        QTest::addColumn<Vec3>("camera"); // yaw, pitch, distance
        QTest::newRow("default view") << Vec3{0, 0, 10};
        QTest::newRow("turned and raised") << Vec3{130, 35, 10};
        QTest::newRow("from below") << Vec3{250, -60, 14};
        // Inside the crowd: most planes reach behind the eye.
        QTest::newRow("close up") << Vec3{40, 10, 2};
        QTest::newRow("far away") << Vec3{300, 80, 40};
    }

    // Leaving out what lies under many planes may change no pixel of a crowded scene by more
    // than a step or two of rounding (many planes through a small cube, with points, vectors
    // and lines among them), but for a few pixel centres that lie on a patch's edge: the corners
    // that cutting a patch adds there are snapped to the rasteriser's grid, and such a pixel may
    // fall to either side. A part left out wrongly changes many pixels of a 32 by 32 cell.
    void cullingKeepsThePicture() {
        QFETCH(Vec3, camera);
        auto crowd = [](bool culling) {
            return [culling] {
                ObjectDrawing d;
                d.setCulling(culling);
                std::mt19937 random(1);
                constexpr Kind P = Kind::Point, V = Kind::Vector, L = Kind::Line;
                const Kind mix[] = {P, P, P, P, V, V, L, L, L, Kind::Plane};
                for (int i = 0; i < 600; ++i)
                    drawOne(d, mix[i % 10], random);
                d.flush();
            };
        };
        const Camera c{camera.x, camera.y, camera.z};
        const QImage whole = render(c, crowd(false));
        QVERIFY(whole != render(c, [] {})); // the crowd is there at all
        const QImage culled = render(c, crowd(true));
        int changed = 0;
        for (int i = 0; i < viewSize * viewSize; ++i) {
            const QRgb p = culled.pixel(i % viewSize, i / viewSize);
            const QRgb q = whole.pixel(i % viewSize, i / viewSize);
            const int step = std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                       std::abs(qBlue(p) - qBlue(q))});
            changed += step > 2 ? 1 : 0;
        }
        QVERIFY2(changed <= 8, QByteArray::number(changed));
    }
};

QTEST_MAIN(TestGLWidget)
#include "test_glwidget.moc"

#include "geometry/line.h"
#include "geometry/surface.h"
#include "view3d/camera.h"
#include "view3d/objectdrawing.h"

#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QTest>

#include <GL/glu.h>

#include <functional>
#include <memory>
#include <random>

namespace {

using Draw = std::function<void(ObjectDrawing&)>;

surface plane() {
    surface s;
    s.setPlane(Vector(0, 0, -1), Point(0, 0, 2));
    return s;
}

line lineThroughOrigin() {
    line l;
    l.setLine(Point(0, 0, 0), Vector(1, 2, 3));
    return l;
}

bool isWhite(const GLfloat* c) {
    return c[0] == 1.0f && c[1] == 1.0f && c[2] == 1.0f && c[3] == 1.0f;
}

// A crowded scene: many planes through a small cube, with points, vectors and lines among
// them, as seen from the view's default distance.
void drawCrowd(ObjectDrawing& d, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> spread(-3.0, 3.0);
    std::uniform_real_distribution<double> direction(-1.0, 1.0);
    auto vec = [&] { return Vector(direction(random), direction(random), direction(random)); };
    auto at = [&] { return Point(spread(random), spread(random), spread(random)); };
    for (int i = 0; i < 600; ++i) {
        switch (i % 10) {
        case 0:
        case 1:
        case 2:
        case 3:
            d.drawPoint(at());
            break;
        case 4:
        case 5: {
            Vector v = vec();
            const Point s = at();
            v.setStart(s.coordinates.x(), s.coordinates.y(), s.coordinates.z());
            d.drawVector(v);
            break;
        }
        case 6:
        case 7:
        case 8: {
            line l;
            l.setLine(at(), vec());
            d.drawLine(l);
            break;
        }
        default: {
            surface s;
            s.setPlane(vec(), at());
            d.drawSurface(s);
        }
        }
    }
}

// The frame as the view sets it up: camera, light, depth test.
void setUpFrame(const Camera& camera, int size) {
    const GLfloat diffuse[] = {1.0f, 1.0f, 1.0f, 1.0f};
    const GLfloat ambient[] = {0.5f, 0.5f, 0.5f, 1.0f};
    const GLfloat position[] = {10.0f, 10.0f, 10.0f, 1.0f};
    glViewport(0, 0, size, size);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, 1.0, 0.1, 100.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    const Vec3 eye = camera.eye();
    gluLookAt(eye.x, eye.y, eye.z, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0);
    glLightfv(GL_LIGHT1, GL_DIFFUSE, diffuse);
    glLightfv(GL_LIGHT1, GL_AMBIENT, ambient);
    glLightfv(GL_LIGHT1, GL_POSITION, position);
    glEnable(GL_LIGHT1);
    glEnable(GL_LIGHTING);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

} // namespace

Q_DECLARE_METATYPE(Draw)

// Each kind leaves the GL state as the next one expects it.
class TestObjectDrawing : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void leavesStateAsFound_data();
    void leavesStateAsFound();
    void cullingKeepsThePicture_data();
    void cullingKeepsThePicture();

private:
    QOpenGLContext context;
    QOffscreenSurface surface_;
    std::unique_ptr<ObjectDrawing> drawing;
};

void TestObjectDrawing::initTestCase() {
    QVERIFY(context.create());
    surface_.setFormat(context.format());
    surface_.create();
    QVERIFY(context.makeCurrent(&surface_));
    drawing = std::make_unique<ObjectDrawing>();
}

void TestObjectDrawing::cleanupTestCase() {
    drawing.reset();
    context.doneCurrent();
}

void TestObjectDrawing::leavesStateAsFound_data() {
    QTest::addColumn<Draw>("draw");
    QTest::addColumn<bool>("whiteMaterial");
    QTest::newRow("point") << Draw([](ObjectDrawing& d) { d.drawPoint(Point(1, 2, 3)); }) << true;
    QTest::newRow("vector") << Draw([](ObjectDrawing& d) { d.drawVector(Vector(0, -2, 0)); })
                            << false;
    QTest::newRow("zero vector") << Draw([](ObjectDrawing& d) { d.drawVector(Vector()); }) << false;
    QTest::newRow("line") << Draw([](ObjectDrawing& d) { d.drawLine(lineThroughOrigin()); })
                          << true;
    QTest::newRow("surface") << Draw([](ObjectDrawing& d) { d.drawSurface(plane()); }) << true;
}

void TestObjectDrawing::leavesStateAsFound() {
    QFETCH(Draw, draw);
    QFETCH(bool, whiteMaterial);
    const GLfloat grey[] = {0.3f, 0.3f, 0.3f, 1.0f};
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, grey);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, grey);
    glEnable(GL_LIGHTING);
    glLineWidth(1.0f);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    GLint depthBefore = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depthBefore);
    while (glGetError() != GL_NO_ERROR) {
    }

    draw(*drawing);
    drawing->flush();

    QCOMPARE(glGetError(), GLenum(GL_NO_ERROR));
    QVERIFY(glIsEnabled(GL_LIGHTING));
    GLfloat width = 0.0f;
    glGetFloatv(GL_LINE_WIDTH, &width);
    QCOMPARE(width, 1.0f);
    GLint depthAfter = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depthAfter);
    QCOMPARE(depthAfter, depthBefore);
    GLfloat matrix[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, matrix);
    QCOMPARE(matrix[12], 0.0f);
    GLfloat diffuse[4];
    GLfloat specular[4];
    glGetMaterialfv(GL_FRONT, GL_DIFFUSE, diffuse);
    glGetMaterialfv(GL_BACK, GL_SPECULAR, specular);
    QCOMPARE(isWhite(diffuse) && isWhite(specular), whiteMaterial);
}

void TestObjectDrawing::cullingKeepsThePicture_data() {
    QTest::addColumn<double>("yaw");
    QTest::addColumn<double>("pitch");
    QTest::addColumn<double>("distance");
    QTest::addColumn<unsigned>("seed");
    QTest::newRow("default view") << 0.0 << 0.0 << 10.0 << 1u;
    QTest::newRow("turned and raised") << 130.0 << 35.0 << 10.0 << 2u;
    QTest::newRow("from below") << 250.0 << -60.0 << 14.0 << 3u;
    // Inside the crowd: most planes reach behind the eye.
    QTest::newRow("close up") << 40.0 << 10.0 << 2.0 << 4u;
    QTest::newRow("far away") << 300.0 << 80.0 << 40.0 << 5u;
}

// Leaving out what the planes hide must not change a single pixel.
void TestObjectDrawing::cullingKeepsThePicture() {
    QFETCH(double, yaw);
    QFETCH(double, pitch);
    QFETCH(double, distance);
    QFETCH(unsigned, seed);
    const int size = 400;
    QOpenGLFramebufferObject target(size, size, QOpenGLFramebufferObject::CombinedDepthStencil);
    QVERIFY(target.bind());
    Camera camera;
    camera.yaw = yaw;
    camera.pitch = pitch;
    camera.distance = distance;

    auto render = [&](bool culling) {
        setUpFrame(camera, size);
        ObjectDrawing d;
        d.setCulling(culling);
        drawCrowd(d, seed);
        d.flush();
        return target.toImage();
    };
    const QImage culled = render(true);
    const QImage whole = render(false);
    target.release();

    int differing = 0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            differing += culled.pixel(x, y) != whole.pixel(x, y) ? 1 : 0;
    QCOMPARE(differing, 0);
    // The scene is there at all.
    QVERIFY(whole.pixel(size / 2, size / 2) != qRgb(0, 0, 0));
}

QTEST_MAIN(TestObjectDrawing)
#include "test_objectdrawing.moc"

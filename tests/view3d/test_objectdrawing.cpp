#include "geometry/line.h"
#include "geometry/surface.h"
#include "view3d/camera.h"
#include "view3d/objectdrawing.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QTest>

#include <GL/glu.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <random>

namespace {

enum Kind { Points, Vectors, Lines, Planes };

// One object of the kind somewhere in a small cube around the origin.
void drawOne(ObjectDrawing& d, Kind kind, std::mt19937& random) {
    std::uniform_real_distribution<double> spread(-3.0, 3.0);
    std::uniform_real_distribution<double> direction(-1.0, 1.0);
    auto vec = [&] { return Vector(direction(random), direction(random), direction(random)); };
    const Point at(spread(random), spread(random), spread(random));
    if (kind == Points) {
        d.drawPoint(at);
    } else if (kind == Vectors) {
        Vector v = vec();
        v.setStart(at.coordinates.x(), at.coordinates.y(), at.coordinates.z());
        d.drawVector(v);
    } else if (kind == Lines) {
        line l;
        l.setLine(at, vec());
        d.drawLine(l);
    } else {
        surface s;
        s.setPlane(vec(), at);
        d.drawSurface(s);
    }
}

// draw() rendered into a 400 by 400 frame set up as the view sets it up: camera, light,
// depth test.
QImage render(const Camera& camera, const std::function<void()>& draw) {
    QOpenGLFramebufferObject target(400, 400, QOpenGLFramebufferObject::CombinedDepthStencil);
    target.bind();
    const GLfloat diffuse[] = {1.0f, 1.0f, 1.0f, 1.0f};
    const GLfloat ambient[] = {0.5f, 0.5f, 0.5f, 1.0f};
    const GLfloat position[] = {10.0f, 10.0f, 10.0f, 1.0f};
    glViewport(0, 0, 400, 400);
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
    draw();
    const QImage image = target.toImage();
    target.release();
    return image;
}

// How many pixels differ by more than a faint step in some channel, and by how much at most.
std::pair<int, int> compare(const QImage& a, const QImage& b, int faint) {
    std::pair<int, int> d{0, 0};
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            const int step = std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                       std::abs(qBlue(p) - qBlue(q))});
            d.first += step > faint ? 1 : 0;
            d.second = std::max(d.second, step);
        }
    }
    return d;
}

} // namespace

Q_DECLARE_METATYPE(Vec3)

class TestObjectDrawing : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void leavesStateAsFound_data();
    void leavesStateAsFound();
    void cullingKeepsThePicture_data();
    void cullingKeepsThePicture();
    void pointLooksLikeTheFullSphere_data();
    void pointLooksLikeTheFullSphere();

private:
    QOpenGLContext context;
    QOffscreenSurface surface_;
};

void TestObjectDrawing::initTestCase() {
    QVERIFY(context.create());
    surface_.setFormat(context.format());
    surface_.create();
    QVERIFY(context.makeCurrent(&surface_));
}

void TestObjectDrawing::leavesStateAsFound_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("whiteMaterial");
    QTest::newRow("point") << int(Points) << true;
    QTest::newRow("vector") << int(Vectors) << false;
    QTest::newRow("line") << int(Lines) << true;
    QTest::newRow("plane") << int(Planes) << true;
}

// Each kind leaves the GL state as the next one expects it.
void TestObjectDrawing::leavesStateAsFound() {
    QFETCH(int, kind);
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

    ObjectDrawing drawing;
    std::mt19937 random(7);
    drawOne(drawing, Kind(kind), random);
    drawing.flush();

    QCOMPARE(glGetError(), GLenum(GL_NO_ERROR));
    QVERIFY(glIsEnabled(GL_LIGHTING));
    QVERIFY(!glIsEnabled(GL_SCISSOR_TEST));
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
    const auto white = [](const GLfloat* c) {
        return c[0] == 1.0f && c[1] == 1.0f && c[2] == 1.0f && c[3] == 1.0f;
    };
    QCOMPARE(white(diffuse) && white(specular), whiteMaterial);
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

// Leaving out what the planes hide must not change a single pixel of a crowded scene: many
// planes through a small cube, with points, vectors and lines among them.
void TestObjectDrawing::cullingKeepsThePicture() {
    QFETCH(double, yaw);
    QFETCH(double, pitch);
    QFETCH(double, distance);
    QFETCH(unsigned, seed);
    auto crowd = [seed](bool culling) {
        return [seed, culling] {
            ObjectDrawing d;
            d.setCulling(culling);
            std::mt19937 random(seed);
            const Kind mix[] = {Points,  Points, Points, Points, Vectors,
                                Vectors, Lines,  Lines,  Lines,  Planes};
            for (int i = 0; i < 600; ++i)
                drawOne(d, mix[i % 10], random);
            d.flush();
        };
    };
    const QImage whole = render({yaw, pitch, distance}, crowd(false));
    QCOMPARE(compare(render({yaw, pitch, distance}, crowd(true)), whole, 0).first, 0);
    QVERIFY(whole.pixel(200, 200) != qRgb(0, 0, 0)); // the scene is there at all
}

void TestObjectDrawing::pointLooksLikeTheFullSphere_data() {
    QTest::addColumn<Vec3>("centre");
    QTest::addColumn<double>("distance");
    QTest::addColumn<int>("allowedPixels");
    // Large enough for the full mesh: the very same pixels.
    QTest::newRow("just too large for the coarse mesh") << Vec3{0.3, 0.2, 0.1} << 7.9 << 0;
    // A sphere of a few pixels: up to three outline pixels may be taken or left by the
    // other outline, the rest differs by a faint step at most.
    QTest::newRow("just small enough") << Vec3{0.3, 0.2, 0.1} << 8.2 << 3;
    QTest::newRow("towards the corner") << Vec3{3, 3, 0} << 10.0 << 3;
    QTest::newRow("far") << Vec3{-1, 0.5, 2} << 20.0 << 3;
}

// A point far away is drawn with a coarser sphere; the picture must stay the one the
// full sphere gives.
void TestObjectDrawing::pointLooksLikeTheFullSphere() {
    QFETCH(Vec3, centre);
    QFETCH(double, distance);
    QFETCH(int, allowedPixels);
    const Camera camera{0.0, 0.0, distance};
    const QImage drawn = render(camera, [&] {
        ObjectDrawing d;
        d.drawPoint(Point(centre.x, centre.y, centre.z));
        d.flush();
    });
    // The full sphere by hand, with the point's material.
    const QImage full = render(camera, [&] {
        const GLfloat diffuse[] = {0.8f, 0.5f, 0.2f, 1.0f};
        const GLfloat specular[] = {0.8f, 0.5f, 0.4f, 1.0f};
        const scene::Mesh mesh = scene::sphereMesh(scene::sphereSegments);
        glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, diffuse);
        glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, specular);
        glEnable(GL_CULL_FACE);
        glBegin(GL_TRIANGLES);
        for (unsigned i : mesh.triangles) {
            glNormal3d(mesh.normals[i].x, mesh.normals[i].y, mesh.normals[i].z);
            const Vec3 v = centre + mesh.vertices[i];
            glVertex3d(v.x, v.y, v.z);
        }
        glEnd();
        glDisable(GL_CULL_FACE);
    });
    QVERIFY(full != render(camera, [] {})); // the sphere is there at all
    const auto [pixels, largest] = compare(drawn, full, 8);
    QVERIFY2(pixels <= allowedPixels,
             qPrintable(QStringLiteral("%1 pixels differ, by up to %2").arg(pixels).arg(largest)));
}

QTEST_MAIN(TestObjectDrawing)
#include "test_objectdrawing.moc"

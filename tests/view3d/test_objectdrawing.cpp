#include "geometry/line.h"
#include "geometry/surface.h"
#include "view3d/objectdrawing.h"

#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QTest>

#include <functional>
#include <memory>

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

QTEST_MAIN(TestObjectDrawing)
#include "test_objectdrawing.moc"

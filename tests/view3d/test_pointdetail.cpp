#include "geometry/objectstore.h"
#include "geometry/point.h"
#include "view3d/glwidget.h"
#include "view3d/scenegeometry.h"

#include <QApplication>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QTest>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <vector>

Q_DECLARE_METATYPE(Vec3)

namespace {

const int viewSize = 400;
const GLfloat pointDiffuse[] = {0.8f, 0.5f, 0.2f, 1.0f};
const GLfloat pointSpecular[] = {0.8f, 0.5f, 0.4f, 1.0f};
const GLfloat white[] = {1.0f, 1.0f, 1.0f, 1.0f};

// The point as the full 20-segment sphere, drawn into the view's frame with its state.
void drawFullSphere(const Vec3& centre) {
    const scene::Mesh mesh = scene::sphereMesh(scene::sphereSegments);
    std::vector<GLfloat> vertices;
    std::vector<GLfloat> normals;
    for (size_t i = 0; i < mesh.vertices.size(); ++i) {
        const Vec3 v = centre + mesh.vertices[i];
        const Vec3& n = mesh.normals[i];
        vertices.insert(vertices.end(), {GLfloat(v.x), GLfloat(v.y), GLfloat(v.z)});
        normals.insert(normals.end(), {GLfloat(n.x), GLfloat(n.y), GLfloat(n.z)});
    }
    QOpenGLFunctions* gl = QOpenGLContext::currentContext()->functions();
    gl->glBindBuffer(GL_ARRAY_BUFFER, 0);
    gl->glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, pointDiffuse);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, pointSpecular);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, vertices.data());
    glNormalPointer(GL_FLOAT, 0, normals.data());
    glEnable(GL_CULL_FACE);
    glDrawElements(GL_TRIANGLES, GLsizei(mesh.triangles.size()), GL_UNSIGNED_INT,
                   mesh.triangles.data());
    glDisable(GL_CULL_FACE);
    glDisableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, white);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, white);
}

struct Difference {
    int pixels = 0; // differing by more than a faint step in some channel
    int largest = 0;
};

Difference compare(const QImage& a, const QImage& b) {
    constexpr int faint = 8;
    Difference d;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            const int step = std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                       std::abs(qBlue(p) - qBlue(q))});
            d.largest = std::max(d.largest, step);
            d.pixels += step > faint ? 1 : 0;
        }
    }
    return d;
}

} // namespace

// A point far away is drawn with a coarser sphere; the picture must stay the one the
// full sphere gives.
class TestPointDetail : public QObject {
    Q_OBJECT
private slots:
    void pointLooksLikeTheFullSphere_data();
    void pointLooksLikeTheFullSphere();
};

void TestPointDetail::pointLooksLikeTheFullSphere_data() {
    QTest::addColumn<Vec3>("centre");
    QTest::addColumn<double>("distance");
    QTest::addColumn<int>("allowedPixels");
    // Near: the full mesh, so the very same pixels.
    QTest::newRow("near") << Vec3{0.3, 0.2, 0.1} << 1.5 << 0;
    QTest::newRow("just too large for the coarse mesh") << Vec3{0.3, 0.2, 0.1} << 7.9 << 0;
    // Small: a sphere of a few pixels; up to three outline pixels may be taken or left
    // by the other outline, the rest differs by a faint step at most.
    QTest::newRow("just small enough") << Vec3{0.3, 0.2, 0.1} << 8.2 << 3;
    QTest::newRow("default distance") << Vec3{0.3, 0.2, 0.1} << 10.0 << 3;
    QTest::newRow("towards the corner") << Vec3{3.0, 3.0, 0.0} << 10.0 << 3;
    QTest::newRow("far") << Vec3{-1.0, 0.5, 2.0} << 20.0 << 3;
}

void TestPointDetail::pointLooksLikeTheFullSphere() {
    QFETCH(Vec3, centre);
    QFETCH(double, distance);
    QFETCH(int, allowedPixels);
    ObjectStore store;
    GLWidget view;
    view.resize(viewSize, viewSize);
    view.setStore(&store);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    Camera camera;
    camera.distance = distance;
    view.setCamera(camera);

    auto point = std::make_unique<Point>(centre.x, centre.y, centre.z);
    point->name = "P";
    point->visible = true;
    QVERIFY(store.insert(0, std::move(point)));
    const QImage drawn = view.grabFramebuffer();

    store.clear();
    const auto connection =
        connect(&view, &GLWidget::repaintObjects, [&centre] { drawFullSphere(centre); });
    const QImage full = view.grabFramebuffer();
    disconnect(connection);
    // The sphere is there at all.
    QVERIFY(full != view.grabFramebuffer());

    const Difference d = compare(drawn, full);
    QVERIFY2(
        d.pixels <= allowedPixels,
        qPrintable(QStringLiteral("%1 pixels differ, by up to %2").arg(d.pixels).arg(d.largest)));
}

QTEST_MAIN(TestPointDetail)
#include "test_pointdetail.moc"

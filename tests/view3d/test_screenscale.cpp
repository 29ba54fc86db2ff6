#include "doublecompare.h"

#include "view3d/screenscale.h"

#include <QMatrix4x4>
#include <QTest>

#include <cmath>

Q_DECLARE_METATYPE(Vec3)

namespace {

const int viewHeight = 400;
// Pixels per unit at depth 1 for a 45 degree field of view over 400 pixels.
const double focal = viewHeight / 2.0 / std::tan(22.5 * M_PI / 180.0);

// The view's camera: gluPerspective(45, 1, 0.1, 100) and an eye on a sphere around the
// origin looking at it.
ScreenScale scaleSeenFrom(const Vec3& eye) {
    QMatrix4x4 projection;
    projection.perspective(45.0f, 1.0f, 0.1f, 100.0f);
    QMatrix4x4 modelView;
    modelView.lookAt(QVector3D(float(eye.x), float(eye.y), float(eye.z)), QVector3D(0, 0, 0),
                     QVector3D(0, 1, 0));
    double p[16];
    double m[16];
    for (int i = 0; i < 16; ++i) {
        p[i] = projection.constData()[i];
        m[i] = modelView.constData()[i];
    }
    return ScreenScale(m, p, viewHeight);
}

} // namespace

class TestScreenScale : public QObject {
    Q_OBJECT
private slots:
    void radiusShrinksWithDepth_data();
    void radiusShrinksWithDepth();
    void nothingInFrontOfTheEyeIsInfinite_data();
    void nothingInFrontOfTheEyeIsInfinite();
};

void TestScreenScale::radiusShrinksWithDepth_data() {
    QTest::addColumn<Vec3>("eye");
    QTest::addColumn<Vec3>("centre");
    QTest::addColumn<double>("depth");
    QTest::newRow("origin from 10") << Vec3{0, 0, 10} << Vec3{0, 0, 0} << 10.0;
    QTest::newRow("origin from 5") << Vec3{0, 0, 5} << Vec3{0, 0, 0} << 5.0;
    QTest::newRow("off the axis, same depth") << Vec3{0, 0, 10} << Vec3{3, -2, 0} << 10.0;
    QTest::newRow("nearer the eye") << Vec3{0, 0, 10} << Vec3{1, 1, 4} << 6.0;
    QTest::newRow("turned camera") << Vec3{6, 0, 8} << Vec3{0, 0, 0} << 10.0;
    QTest::newRow("from above") << Vec3{0, 10, 0.001} << Vec3{0, 2, 0} << 8.0;
}

void TestScreenScale::radiusShrinksWithDepth() {
    QFETCH(Vec3, eye);
    QFETCH(Vec3, centre);
    QFETCH(double, depth);
    const double r = scaleSeenFrom(eye).pixelRadius(centre, 0.05);
    // The matrices come in float precision.
    QVERIFY2(closeDouble(r, 0.05 * focal / depth, 1e-4), qPrintable(QString::number(r)));
}

void TestScreenScale::nothingInFrontOfTheEyeIsInfinite_data() {
    QTest::addColumn<Vec3>("centre");
    QTest::newRow("behind the eye") << Vec3{0, 0, 12};
    QTest::newRow("behind and aside") << Vec3{5, -5, 11};
}

void TestScreenScale::nothingInFrontOfTheEyeIsInfinite() {
    QFETCH(Vec3, centre);
    QVERIFY(std::isinf(scaleSeenFrom({0, 0, 10}).pixelRadius(centre, 0.05)));
}

QTEST_APPLESS_MAIN(TestScreenScale)
#include "test_screenscale.moc"

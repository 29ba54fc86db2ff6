#include "doublecompare.h"
#include "storefixture.h"

#include "geometry/measure.h"

#include <QTest>

#include <cmath>

using Coords = QVector<double>;

namespace {

// kind 0 point (x, y, z), 1 vector (x, y, z), 2 line (point, direction), 3 plane (n, d).
void fileKind(ObjectStore& store, const std::string& name, int kind, const Coords& c) {
    if (kind == 0)
        filePoint(store, name, c[0], c[1], c[2]);
    else if (kind == 1)
        fileObject(store, name, Vector(c[0], c[1], c[2]));
    else if (kind == 2)
        fileLine(store, name, c);
    else
        filePlane(store, name, c);
}

constexpr int P = 0, V = 1, L = 2, S = 3;

} // namespace

class TestMeasure : public QObject {
    Q_OBJECT
private slots:
    void vectorAngles_data();
    void vectorAngles();
    void angles_data();
    void angles();
    void distances_data();
    void distances();
    void unknownNames();

private:
    void measureTable();
    void measure(double (*operation)(const ObjectStore&, const std::string&, const std::string&));
};

void TestMeasure::vectorAngles_data() {
    QTest::addColumn<Coords>("a");
    QTest::addColumn<Coords>("b");
    QTest::addColumn<double>("degrees");
    QTest::newRow("parallel, not NaN") << Coords{1, 1, 3} << Coords{2, 2, 6} << 0.0;
    QTest::newRow("parallel, small") << Coords{0.1, 0.1, 0.3} << Coords{0.3, 0.3, 0.9} << 0.0;
    QTest::newRow("opposite") << Coords{1, 1, 3} << Coords{-3, -3, -9} << 180.0;
    QTest::newRow("right") << Coords{1, 0, 0} << Coords{0, 0, 5} << 90.0;
    QTest::newRow("zero vector") << Coords{0, 0, 0} << Coords{1, 0, 0} << noResult;
}

void TestMeasure::vectorAngles() {
    QFETCH(Coords, a);
    QFETCH(Coords, b);
    QFETCH(double, degrees);
    const double angle = vectorAngle(Vector(a[0], a[1], a[2]), Vector(b[0], b[1], b[2]));
    QVERIFY(std::isfinite(angle));
    COMPARE_CLOSE(angle, degrees);
}

void TestMeasure::measureTable() {
    QTest::addColumn<int>("kindA");
    QTest::addColumn<Coords>("a");
    QTest::addColumn<int>("kindB");
    QTest::addColumn<Coords>("b");
    QTest::addColumn<double>("expected");
}

// Both name orders give the value; integers must come out exactly.
void TestMeasure::measure(double (*operation)(const ObjectStore&, const std::string&,
                                              const std::string&)) {
    QFETCH(int, kindA);
    QFETCH(Coords, a);
    QFETCH(int, kindB);
    QFETCH(Coords, b);
    QFETCH(double, expected);
    ObjectStore store;
    fileKind(store, "A", kindA, a);
    fileKind(store, "B", kindB, b);
    for (const auto& [first, second] : {std::pair{"A", "B"}, std::pair{"B", "A"}}) {
        const double value = operation(store, first, second);
        if (expected == std::round(expected))
            COMPARE_EXACT(value, expected);
        else
            COMPARE_CLOSE(value, expected);
    }
}

void TestMeasure::angles_data() {
    measureTable();
    const double deg60 = 60.00005 / 57.29577951308232;
    QTest::newRow("opposite lines")
        << L << Coords{0, 0, 0, 1, 0, 0} << L << Coords{1, 1, 1, -1, 0, 0} << 180.0;
    QTest::newRow("parallel lines")
        << L << Coords{0, 0, 0, 1, 1, 3} << L << Coords{1, 1, 1, 2, 2, 6} << 0.0;
    QTest::newRow("lines at 45") << L << Coords{0, 0, 0, 1, 0, 0} << L << Coords{0, 0, 0, 1, 1, 0}
                                 << 45.0;
    QTest::newRow("line in a plane's direction")
        << L << Coords{0, 0, 0, 1, 1, 0} << S << Coords{0, 0, 1, 0} << 0.0;
    QTest::newRow("line against the normal")
        << L << Coords{0, 0, 0, 0, 0, -1} << S << Coords{0, 0, 1, 0} << -90.0;
    QTest::newRow("line along the normal")
        << L << Coords{0, 0, 0, 0, 0, 1} << S << Coords{0, 0, 1, 0} << 90.0;
    QTest::newRow("line and plane, not round")
        << L << Coords{0, 0, 0, 2, 0, 1} << S << Coords{0, 0, 1, 0}
        << 90.0 - std::atan2(2.0, 1.0) * 57.29577951308232;
    QTest::newRow("opposite planes")
        << S << Coords{0, 0, 1, 0} << S << Coords{0, 0, -1, 0} << 180.0;
    QTest::newRow("planes at 45") << S << Coords{1, 0, 0, 0} << S << Coords{1, 1, 0, 3} << 45.0;
    QTest::newRow("vectors, not round")
        << V << Coords{1, 0, 0} << V << Coords{1, 2, 0} << std::atan2(2.0, 1.0) * 57.29577951308232;
    QTest::newRow("vectors within the tolerance of 60")
        << V << Coords{1, 0, 0} << V << Coords{std::cos(deg60), std::sin(deg60), 0} << 60.0;
    QTest::newRow("line and vector")
        << L << Coords{0, 0, 0, 0, 1, 0} << V << Coords{0, -2, 0} << 180.0;
    QTest::newRow("plane and vector") << S << Coords{0, 0, 1, 0} << V << Coords{0, 0, -3} << -90.0;
    QTest::newRow("point and vector") << P << Coords{1, 2, 3} << V << Coords{1, 0, 0} << noResult;
    QTest::newRow("point and plane") << P << Coords{1, 2, 3} << S << Coords{0, 0, 1, 0} << noResult;
    QTest::newRow("zero vector and line")
        << V << Coords{0, 0, 0} << L << Coords{0, 0, 0, 1, 0, 0} << noResult;
    QTest::newRow("zero vector and plane")
        << V << Coords{0, 0, 0} << S << Coords{0, 0, 1, 0} << noResult;
    QTest::newRow("degenerate line")
        << L << Coords{0, 0, 0, 0, 0, 0} << L << Coords{0, 0, 0, 1, 0, 0} << noResult;
}

void TestMeasure::angles() {
    measure(angleBetween);
}

void TestMeasure::distances_data() {
    measureTable();
    QTest::newRow("points") << P << Coords{1, 2, 3} << P << Coords{4, 6, 3} << 5.0;
    QTest::newRow("points, snapped up")
        << P << Coords{0, 0, 0} << P << Coords{0.99999, 0, 0} << 1.0;
    QTest::newRow("points, snapped down")
        << P << Coords{0, 0, 0} << P << Coords{0, 2.00004, 0} << 2.0;
    QTest::newRow("points, not round")
        << P << Coords{0, 0, 0} << P << Coords{1, 1, 0} << std::sqrt(2.0);
    QTest::newRow("point and plane") << P << Coords{0, 0, 5} << S << Coords{0, 0, 1, 0} << 5.0;
    QTest::newRow("point and slanted plane")
        << P << Coords{1, 1, 1} << S << Coords{1, 2, 2, 0} << 5.0 / 3.0;
    QTest::newRow("point and line")
        << P << Coords{5, 3, 7} << L << Coords{0, 0, 0, 1, 0, 0} << std::sqrt(58.0);
    QTest::newRow("point on a line")
        << P << Coords{2, 4, 6} << L << Coords{1, 2, 3, 1, 2, 3} << 0.0;
    QTest::newRow("parallel planes") << S << Coords{0, 0, 1, 0} << S << Coords{0, 0, 1, -3} << 3.0;
    QTest::newRow("planes with opposite normals")
        << S << Coords{0, 0, 1, 0} << S << Coords{0, 0, -1, 3} << 3.0;
    QTest::newRow("planes with normals of other lengths")
        << S << Coords{0, 0, 2, 0} << S << Coords{0, 0, 1, -3} << 3.0;
    QTest::newRow("crossing planes") << S << Coords{1, 0, 0, 0} << S << Coords{0, 0, 1, -3} << 0.0;
    QTest::newRow("parallel lines")
        << L << Coords{0, 0, 0, 1, 0, 0} << L << Coords{7, 3, 4, -2, 0, 0} << 5.0;
    QTest::newRow("skew lines") << L << Coords{0, 0, 0, 1, 0, 0} << L << Coords{0, 1, 2.5, 0, 1, 0}
                                << 2.5;
    QTest::newRow("crossing lines")
        << L << Coords{0, 0, 0, 1, 2, 3} << L << Coords{1, 1, 1, 0, 1, 2} << 0.0;
    QTest::newRow("line parallel to a plane")
        << L << Coords{0, 0, 7, 1, 1, 0} << S << Coords{0, 0, 1, 0} << 7.0;
    QTest::newRow("line crossing a plane")
        << L << Coords{0, 0, 7, 1, 1, 1} << S << Coords{0, 0, 1, 0} << 0.0;
    QTest::newRow("vector and point") << V << Coords{1, 0, 0} << P << Coords{1, 0, 0} << noResult;
    QTest::newRow("vectors") << V << Coords{1, 0, 0} << V << Coords{1, 0, 0} << noResult;
    QTest::newRow("line and vector")
        << L << Coords{0, 0, 0, 1, 0, 0} << V << Coords{1, 0, 0} << noResult;
    QTest::newRow("degenerate plane")
        << P << Coords{0, 0, 0} << S << Coords{0, 0, 0, 1} << noResult;
}

void TestMeasure::distances() {
    measure(distanceBetween);
}

void TestMeasure::unknownNames() {
    ObjectStore store;
    filePoint(store, "A", 0, 0, 0);
    fileLine(store, "L", Coords{0, 0, 0, 1, 0, 0});
    COMPARE_EXACT(distanceBetween(store, "A", "missing"), noResult);
    COMPARE_EXACT(angleBetween(store, "missing", "L"), noResult);
}

QTEST_APPLESS_MAIN(TestMeasure)
#include "test_measure.moc"

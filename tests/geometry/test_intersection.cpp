#include "doublecompare.h"
#include "storefixture.h"

#include "geometry/intersection.h"
#include "geometry/truedistance.h"

#include <QTest>

#include <limits>

using Coords = QVector<double>;

class TestIntersection : public QObject {
    Q_OBJECT
private slots:
    void twoLines_data();
    void twoLines();
    void lineAndPlane_data();
    void lineAndPlane();
    void computedPointLiesOnThePlane();
    void twoPlanes_data();
    void twoPlanes();
    void relations_data();
    void relations();
    void errors_data();
    void errors();
    void wrongKindsGiveNoObject();
};

// kind: expected head kind; expected: the point for kind 0.
void TestIntersection::twoLines_data() {
    QTest::addColumn<Coords>("a");
    QTest::addColumn<Coords>("b");
    QTest::addColumn<int>("kind");
    QTest::addColumn<Coords>("expected");
    QTest::newRow("parallel, coincident")
        << Coords{0, 0, 0, 1, 0, 0} << Coords{5, 0, 0, 2, 0, 0} << 2 << Coords{};
    QTest::newRow("opposite, coincident")
        << Coords{0, 0, 0, 1, 0, 0} << Coords{3, 0, 0, -1, 0, 0} << 2 << Coords{};
    QTest::newRow("parallel, apart")
        << Coords{0, 0, 0, 1, 0, 0} << Coords{0, 1, 0, 2, 0, 0} << -2 << Coords{};
    QTest::newRow("nearly parallel counts as parallel")
        << Coords{0, 0, 0, 1, 0, 0} << Coords{0, 1, 0, 1, 1e-6, 0} << -2 << Coords{};
    QTest::newRow("skew") << Coords{0, 0, 0, 1, 0, 0} << Coords{0, 1, 1, 0, 1, 0} << -2 << Coords{};
    QTest::newRow("skew by 0.001")
        << Coords{0, 0, 0, 1, 0, 0} << Coords{0, 1, 0.001, 0, 1, 0} << -2 << Coords{};
    QTest::newRow("shortcut: B's point on A")
        << Coords{0, 0, 0, 1, 1, 0} << Coords{2, 2, 0, 0, 0, 1} << 0 << Coords{2, 2, 0};
    QTest::newRow("general case") << Coords{0, 0, 0, 1, 2, 3} << Coords{1, 1, 1, 0, 1, 2} << 0
                                  << Coords{1, 2, 3};
    QTest::newRow("general case, fractions")
        << Coords{0.1, 0.2, 0.3, 1, 0.5, 0} << Coords{0.2, 2.55, 0.3, 0.3, -1, 0} << 0
        << Coords{0.8, 0.55, 0.3};
    QTest::newRow("zero component in A")
        << Coords{1, 0, 0, 0, 1, 0} << Coords{0, 5, 0, 1, 0, 0} << 0 << Coords{1, 5, 0};
}

void TestIntersection::twoLines() {
    QFETCH(Coords, a);
    QFETCH(Coords, b);
    QFETCH(int, kind);
    QFETCH(Coords, expected);
    ObjectStore store;
    fileLine(store, "A", a);
    fileLine(store, "B", b);
    const IntersectionResult r = intersect(store, "A", "B");
    QCOMPARE(r.head.kind, kind);
    QVERIFY(r.head.visible);
    QCOMPARE(r.head.name, std::string("Intersection"));
    if (kind == 0) {
        COMPARE_CLOSE(r.head.x, expected[0]);
        COMPARE_CLOSE(r.head.y, expected[1]);
        COMPARE_CLOSE(r.head.z, expected[2]);
    }
    // The operands close the rows, after the line's equation when there is one.
    const int equations = kind == 2 ? 1 : 0;
    QCOMPARE(int(r.rows.size()), equations + 2);
    QCOMPARE(r.rows[equations].name, std::string("A"));
    QCOMPARE(r.rows[equations + 1].name, std::string("B"));
    if (kind == 2) {
        // The coincident result is line A itself.
        const std::unique_ptr<SpaceObject> same = intersectLines(store.find("A"), store.find("B"));
        const auto* l = static_cast<const line*>(same.get());
        COMPARE_VEC(l->direction.coordinates, a[3], a[4], a[5]);
        COMPARE_VEC(l->point.coordinates, a[0], a[1], a[2]);
    }
}

void TestIntersection::lineAndPlane_data() {
    QTest::addColumn<Coords>("l");
    QTest::addColumn<Coords>("s");
    QTest::addColumn<int>("kind");
    QTest::addColumn<Coords>("expected");
    QTest::newRow("crossing") << Coords{0, 0, 0, 1, 1, 1} << Coords{0, 0, 1, -2} << 0
                              << Coords{2, 2, 2};
    QTest::newRow("backwards along the line")
        << Coords{1, 1, 5, 0, 0, 2} << Coords{0, 0, 1, 1} << 0 << Coords{1, 1, -1};
    QTest::newRow("lying in the plane")
        << Coords{0, 0, 0, 1, 1, 0} << Coords{0, 0, 1, 0} << 2 << Coords{};
    QTest::newRow("parallel, above")
        << Coords{0, 0, 1, 1, 1, 0} << Coords{0, 0, 1, 0} << -2 << Coords{};
    QTest::newRow("nearly parallel, inside")
        << Coords{0, 0, 0, 1, 0, 1e-6} << Coords{0, 0, 1, 0} << 2 << Coords{};
}

void TestIntersection::lineAndPlane() {
    QFETCH(Coords, l);
    QFETCH(Coords, s);
    QFETCH(int, kind);
    QFETCH(Coords, expected);
    ObjectStore store;
    fileLine(store, "L", l);
    filePlane(store, "S", s);
    // Either order gives the same answer.
    for (const auto& [first, second] : {std::pair{"L", "S"}, std::pair{"S", "L"}}) {
        const IntersectionResult r = intersect(store, first, second);
        QCOMPARE(r.head.kind, kind);
        if (kind == 0) {
            COMPARE_CLOSE(r.head.x, expected[0]);
            COMPARE_CLOSE(r.head.y, expected[1]);
            COMPARE_CLOSE(r.head.z, expected[2]);
        }
        QCOMPARE(r.rows.back().name, std::string(second));
    }
}

void TestIntersection::computedPointLiesOnThePlane() {
    ObjectStore store;
    surface* s = fileObject(store, "S", [] {
        surface plane;
        plane.setPlane(Point(0.3, 0.7, 0.1), Point(1.1, -0.4, 0.25), Point(-0.6, 0.35, 1.9));
        return plane;
    }());
    fileLine(store, "L", Coords{0.11, 0.23, -0.7, 1.0 / 3, 0.2, 0.9});
    const IntersectionResult r = intersect(store, "L", "S");
    QCOMPARE(r.head.kind, 0);
    filePoint(store, "X", r.head.x, r.head.y, r.head.z);
    const IntersectionResult on = intersect(store, "X", "S");
    QCOMPARE(on.head.kind, 7);
    QVERIFY(on.head.visible);
    QCOMPARE(pointOnSurface(store.find("X"), s), 1);
    QCOMPARE(pointOnLine(store.find("X"), store.find("L")), 1);
}

void TestIntersection::twoPlanes_data() {
    QTest::addColumn<Coords>("s1");
    QTest::addColumn<Coords>("s2");
    QTest::addColumn<int>("kind");
    QTest::newRow("x = 0 and y = 0") << Coords{1, 0, 0, 0} << Coords{0, 1, 0, 0} << 2;
    QTest::newRow("slanted") << Coords{1, 2, 3, 4} << Coords{-2, 0.5, 1, -7} << 2;
    QTest::newRow("fractions") << Coords{0.3, -1.7, 2.9, 0.45} << Coords{1.25, 0.5, -0.75, 2.2}
                               << 2;
    QTest::newRow("opposite normals, apart") << Coords{1, 1, 0, 0} << Coords{-1, -1, 0, 4} << -2;
    QTest::newRow("opposite normals, same plane")
        << Coords{1, 1, 0, 0} << Coords{-2, -2, 0, 0} << 3;
    QTest::newRow("same plane, other scale") << Coords{0, 0, 1, -3} << Coords{0, 0, 5, -15} << 3;
}

void TestIntersection::twoPlanes() {
    QFETCH(Coords, s1);
    QFETCH(Coords, s2);
    QFETCH(int, kind);
    ObjectStore store;
    const surface* a = filePlane(store, "A", s1);
    const surface* b = filePlane(store, "B", s2);
    const IntersectionResult r = intersect(store, "A", "B");
    QCOMPARE(r.head.kind, kind);
    const std::unique_ptr<SpaceObject> result = intersectSurfaces(a, b);
    QCOMPARE(int(result->type()), kind);
    if (kind == 2) {
        // Two points of the line lie on both planes.
        QCOMPARE(r.rows[0].kind, 4);
        const auto* l = static_cast<const line*>(result.get());
        const vector4D far = l->point.coordinates + l->direction.coordinates * 3.0;
        for (const surface* s : {a, b}) {
            QVERIFY(pointOnPlaneWithin(l->point.coordinates, s->normal.coordinates, s->d));
            QVERIFY(pointOnPlaneWithin(far, s->normal.coordinates, s->d));
        }
    } else if (kind == 3) {
        QCOMPARE(r.rows[0].kind, 5);
        QCOMPARE(r.rows[1].kind, 4);
        QCOMPARE(int(r.rows.size()), 4);
        const auto* s = static_cast<const surface*>(result.get());
        COMPARE_VEC(s->normal.coordinates, a->normal.coordinates.x(), a->normal.coordinates.y(),
                    a->normal.coordinates.z());
        COMPARE_CLOSE(s->d, a->d);
    }
}

// The relation and its truth, in either name order.
void TestIntersection::relations_data() {
    QTest::addColumn<Coords>("p");
    QTest::addColumn<int>("otherKind");
    QTest::addColumn<Coords>("other");
    QTest::addColumn<bool>("truth");
    QTest::newRow("equal points") << Coords{1, 2, 3} << 0 << Coords{1.00005, 2, 3} << true;
    QTest::newRow("different points") << Coords{1, 2, 3} << 0 << Coords{1.001, 2, 3} << false;
    QTest::newRow("off the x axis") << Coords{5, 3, 7} << 2 << Coords{0, 0, 0, 1, 0, 0} << false;
    QTest::newRow("on the x axis") << Coords{5, 0, 0} << 2 << Coords{0, 0, 0, 1, 0, 0} << true;
    QTest::newRow("on a slanted line, within tolerance")
        << Coords{3.00003, 4, 5} << 2 << Coords{1, 2, 3, 0.5, 0.5, 0.5} << true;
    QTest::newRow("near a slanted line, beyond tolerance")
        << Coords{3.001, 4, 5} << 2 << Coords{1, 2, 3, 0.5, 0.5, 0.5} << false;
    QTest::newRow("on a plane") << Coords{1, 1, 1} << 3 << Coords{1, 2, 3, -6} << true;
    QTest::newRow("on a plane, within tolerance")
        << Coords{1, 1, 1.00001} << 3 << Coords{1, 2, 3, -6} << true;
    QTest::newRow("off a plane") << Coords{1, 1, 1.001} << 3 << Coords{1, 2, 3, -6} << false;
}

void TestIntersection::relations() {
    QFETCH(Coords, p);
    QFETCH(int, otherKind);
    QFETCH(Coords, other);
    QFETCH(bool, truth);
    ObjectStore store;
    filePoint(store, "P", p[0], p[1], p[2]);
    if (otherKind == 0)
        filePoint(store, "O", other[0], other[1], other[2]);
    else if (otherKind == 2)
        fileLine(store, "O", other);
    else
        filePlane(store, "O", other);
    for (const auto& [first, second] : {std::pair{"P", "O"}, std::pair{"O", "P"}}) {
        const IntersectionResult r = intersect(store, first, second);
        QCOMPARE(r.head.kind, 7);
        QCOMPARE(r.head.visible, truth);
        QCOMPARE(r.head.name, std::string("Intersection"));
        QCOMPARE(int(r.rows.size()), 2);
        QCOMPARE(r.rows[0].name, std::string(first));
        QCOMPARE(r.rows[1].name, std::string(second));
        QCOMPARE(r.rows[1].kind, std::string(second) == "P" ? 0 : otherKind);
    }
}

void TestIntersection::errors_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::newRow("unknown name") << "P"
                                  << "nothing";
    QTest::newRow("point and vector") << "P"
                                      << "V";
    QTest::newRow("vector and point") << "V"
                                      << "P";
    QTest::newRow("vector and vector") << "V"
                                       << "W";
    QTest::newRow("line and vector") << "L"
                                     << "V";
    QTest::newRow("vector and plane") << "V"
                                      << "S";
    QTest::newRow("zero-direction line and plane") << "Z"
                                                   << "S";
    QTest::newRow("point and zero-direction line") << "P"
                                                   << "Z";
    QTest::newRow("zero-normal plane and line") << "N"
                                                << "L";
    QTest::newRow("point at infinity and plane") << "I"
                                                 << "S";
}

void TestIntersection::errors() {
    QFETCH(QString, first);
    QFETCH(QString, second);
    ObjectStore store;
    filePoint(store, "P", 1, 2, 3);
    filePoint(store, "I", std::numeric_limits<double>::infinity(), 0, 0);
    fileObject(store, "V", Vector(1, 0, 0));
    fileObject(store, "W", Vector(0, 1, 0));
    fileLine(store, "L", Coords{0, 0, 0, 1, 0, 0});
    fileLine(store, "Z", Coords{0, 0, 0, 0, 0, 0});
    filePlane(store, "S", Coords{0, 0, 1, 0});
    filePlane(store, "N", Coords{0, 0, 0, 2});
    const IntersectionResult r = intersect(store, first.toStdString(), second.toStdString());
    QCOMPARE(r.head.kind, -1);
    QVERIFY(r.head.visible);
    QCOMPARE(r.head.name, std::string("Err"));
    COMPARE_EXACT(r.head.x, 0.0);
    QVERIFY(r.rows.empty());
}

void TestIntersection::wrongKindsGiveNoObject() {
    const Point p(1, 2, 3);
    const Vector v(1, 0, 0);
    line l;
    l.setLine(Point(0, 0, 0), v);
    surface s;
    s.setPlane(Vector(0, 0, 1), 0.0);
    QVERIFY(!intersectLines(&l, &p));
    QVERIFY(!intersectLines(nullptr, &l));
    QVERIFY(!intersectLineSurface(&s, &l));
    QVERIFY(!intersectSurfaces(&s, &v));
    QVERIFY(intersectLines(&l, &l));
    // A vector is not a point, whatever its coordinates.
    QCOMPARE(pointOnLine(&v, &l), -2);
    QCOMPARE(pointsEqual(&p, &v), -2);
    QCOMPARE(pointOnSurface(&p, &l), -2);
    QCOMPARE(pointOnSurface(&p, &s), 0);
}

QTEST_APPLESS_MAIN(TestIntersection)
#include "test_intersection.moc"

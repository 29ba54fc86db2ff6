#include "doublecompare.h"

#include "geometry/line.h"
#include "geometry/objectdrawer.h"
#include "geometry/objectstore.h"
#include "geometry/surface.h"

#include <QTest>

#include <memory>

namespace {

template <class T> std::unique_ptr<T> named(const std::string& name, bool visible, T object) {
    auto p = std::make_unique<T>(object);
    p->name = name;
    p->visible = visible;
    return p;
}

std::unique_ptr<Point> point(const std::string& name, double x, double y, double z,
                             bool visible = true) {
    return named(name, visible, Point(x, y, z));
}

// Records the order in which the store draws.
class RecordingDrawer : public ObjectDrawer {
public:
    std::vector<std::string> drawn;
    void drawPoint(const Point& p) override { drawn.push_back("P:" + p.name); }
    void drawVector(const Vector& v) override { drawn.push_back("V:" + v.name); }
    void drawLine(const line& l) override { drawn.push_back("L:" + l.name); }
    void drawSurface(const surface& s) override { drawn.push_back("S:" + s.name); }
};

} // namespace

class TestObjectStore : public QObject {
    Q_OBJECT
private slots:
    void setPlaneForms_data();
    void setPlaneForms();
    void degeneratePlane();
    void copySemantics();
    void insertRefusesTakenNames();
    void byteOrderAndCursor();
    void visibilityCounting();
    void findSearchesAllKinds();
    void drawAllOrder();
    void clearEmptiesEverything();
};

void TestObjectStore::setPlaneForms_data() {
    QTest::addColumn<int>("form");
    QTest::addColumn<QVector<double>>("in");
    QTest::addColumn<QVector<double>>("normalAndD");
    QTest::addColumn<QVector<double>>("pointUV");
    // form 0: setPlane(n, d) with in = n, d
    QTest::newRow("n=(2,4,6) d=8") << 0 << QVector<double>{2, 4, 6, 8}
                                   << QVector<double>{1, 2, 3, 4}
                                   << QVector<double>{0, 0, -4.0 / 3, -1, 2, -1, -4, -1, 2};
    QTest::newRow("n=(1,1,1) d=0") << 0 << QVector<double>{1, 1, 1, 0}
                                   << QVector<double>{1, 1, 1, 0}
                                   << QVector<double>{0, 0, 0, 0, 1, -1, -2, 1, 1};
    QTest::newRow("n=(0,0,-2) d=6") << 0 << QVector<double>{0, 0, -2, 6}
                                    << QVector<double>{0, 0, -1, 3}
                                    << QVector<double>{0, 0, 3, 1, -1, 0, -1, -1, 0};
    // form 1: setPlane(n, P): plane through (-4,0,0) with normal (1,2,3)
    QTest::newRow("normal and point") << 1 << QVector<double>{1, 2, 3, -4, 0, 0}
                                      << QVector<double>{1, 2, 3, 4}
                                      << QVector<double>{0, 0, -4.0 / 3, -1, 2, -1, -4, -1, 2};
    // form 2: setPlane(a, b, P): normal a x b
    QTest::newRow("two vectors") << 2 << QVector<double>{1, 0, 0, 0, 1, 0, 0, 0, 5}
                                 << QVector<double>{0, 0, 1, -5}
                                 << QVector<double>{0, 0, 5, -1, 1, 0, -1, -1, 0};
    // form 3: three points (0,0,0), (2,0,0), (0,2,0)
    QTest::newRow("three points") << 3 << QVector<double>{0, 0, 0, 2, 0, 0, 0, 2, 0}
                                  << QVector<double>{0, 0, 1, 0}
                                  << QVector<double>{0, 0, 0, -1, 1, 0, -1, -1, 0};
}

void TestObjectStore::setPlaneForms() {
    QFETCH(int, form);
    QFETCH(QVector<double>, in);
    QFETCH(QVector<double>, normalAndD);
    QFETCH(QVector<double>, pointUV);
    surface s;
    switch (form) {
    case 0:
        s.setPlane(Vector(in[0], in[1], in[2]), in[3]);
        break;
    case 1:
        s.setPlane(Vector(in[0], in[1], in[2]), Point(in[3], in[4], in[5]));
        break;
    case 2:
        s.setPlane(Vector(in[0], in[1], in[2]), Vector(in[3], in[4], in[5]),
                   Point(in[6], in[7], in[8]));
        break;
    default:
        s.setPlane(Point(in[0], in[1], in[2]), Point(in[3], in[4], in[5]),
                   Point(in[6], in[7], in[8]));
    }
    COMPARE_VEC(s.normal.coordinates, normalAndD[0], normalAndD[1], normalAndD[2]);
    COMPARE_CLOSE(s.d, normalAndD[3]);
    COMPARE_VEC(s.point.coordinates, pointUV[0], pointUV[1], pointUV[2]);
    COMPARE_VEC(s.u.coordinates, pointUV[3], pointUV[4], pointUV[5]);
    COMPARE_VEC(s.v.coordinates, pointUV[6], pointUV[7], pointUV[8]);
    // Invariants: the point lies on the plane; u and v are perpendicular to the normal.
    COMPARE_CLOSE(dot(s.normal.coordinates, s.point.coordinates) + s.d, 0.0);
    COMPARE_CLOSE(dot(s.normal.coordinates, s.u.coordinates), 0.0);
    COMPARE_CLOSE(dot(s.normal.coordinates, s.v.coordinates), 0.0);
    QVERIFY(s.isValid());
}

void TestObjectStore::degeneratePlane() {
    surface s;
    s.setPlane(Point(0, 0, 0), Point(1, 1, 1), Point(2, 2, 2));
    COMPARE_VEC(s.normal.coordinates, 0.0, 0.0, 0.0);
    COMPARE_EXACT(std::fabs(s.d), 0.0);
    COMPARE_VEC(s.u.coordinates, 0.0, 0.0, 0.0);
    COMPARE_VEC(s.v.coordinates, 0.0, 0.0, 0.0);
    COMPARE_VEC(s.point.coordinates, 0.0, 0.0, 0.0);
    QVERIFY(!s.isValid());

    // The constant term is snapped: no rounding noise in d.
    surface t;
    t.setPlane(Vector(1, 1, -1), Point(0.1, 0.2, 0.3));
    COMPARE_EXACT(std::fabs(t.d), 0.0);
}

void TestObjectStore::copySemantics() {
    Point p(1, 2, 3);
    p.name = "A";
    p.visible = true;
    p.parents.push_back(&p);
    Point copy(p);
    QVERIFY(copy.name.empty());
    QVERIFY(!copy.visible);
    QVERIFY(copy.parents.empty());
    COMPARE_VEC(copy.coordinates, 1.0, 2.0, 3.0);

    surface a;
    a.setPlane(Vector(0, 0, 1), 2.0);
    a.name = "S";
    a.parents.push_back(&p);
    surface b(a);
    QVERIFY(b.name.empty());
    QCOMPARE(b.parents.size(), size_t(1));
    surface c;
    c.name = "T";
    c.visible = true;
    c = a;
    QCOMPARE(c.name, std::string("T"));
    QVERIFY(c.visible);
    COMPARE_CLOSE(c.d, 2.0);
    QCOMPARE(c.parents.size(), size_t(1));
}

void TestObjectStore::insertRefusesTakenNames() {
    ObjectStore store;
    QVERIFY(store.insert(0, point("A", 1, 2, 3)));
    QVERIFY(!store.insert(0, point("A", 9, 9, 9)));
    QVERIFY(!store.insert(1, named("A", true, Vector(1, 0, 0))));
    QVERIFY(!store.insert(1, point("B", 0, 0, 0))); // a point is not a vector
    QVERIFY(!store.insert(7, point("C", 0, 0, 0)));
    QVERIFY(!store.insert(0, nullptr));
    QCOMPARE(store.count(0), 1);
    QCOMPARE(store.count(1), 0);
    QCOMPARE(store.visibleCount(), 1);
    const auto* a = static_cast<const Point*>(store.find("A"));
    COMPARE_VEC(a->coordinates, 1.0, 2.0, 3.0);
}

void TestObjectStore::byteOrderAndCursor() {
    ObjectStore store;
    for (const char* n : {"A2", "AB", "A10", "A", "\xc5\xa0"})
        QVERIFY(store.insert(0, point(n, 1, 2, 3, n[0] != 'A' || n[1] != 'B')));
    store.insert(2, named("L", true, line()));

    store.resetCursor(0);
    QStringList order;
    for (int i = 0; i < store.count(0); ++i)
        order << QString::fromStdString(store.step(0, true).name);
    QCOMPARE(order, QStringList({"A", "A10", "A2", "AB", "\u0160"}));

    store.resetCursor(0);
    ObjectSummary first = store.step(0, true);
    QCOMPARE(first.kind, 0);
    QVERIFY(first.visible);
    COMPARE_EXACT(first.y, 2.0);
    store.step(0, true);
    QCOMPARE(store.step(0, false).name, std::string("A2")); // backwards from the third
    QCOMPARE(store.step(0, true).name, std::string("A10"));

    // Lines report zero coordinates.
    store.resetCursor(2);
    ObjectSummary l = store.step(2, true);
    QCOMPARE(l.kind, 2);
    COMPARE_EXACT(l.x, 0.0);

    // An invalid kind yields the invalid record and moves nothing.
    store.resetCursor(0);
    ObjectSummary bad = store.step(4, true);
    QCOMPARE(bad.kind, -1);
    QVERIFY(!bad.visible);
    QCOMPARE(bad.name, std::string("e"));
    COMPARE_EXACT(bad.x + bad.y + bad.z, 0.0);
    QCOMPARE(store.step(0, true).name, std::string("A"));
    // Stepping past the end is answered, not undefined.
    store.resetCursor(2);
    store.step(2, true);
    QCOMPARE(store.step(2, true).kind, -1);
}

void TestObjectStore::visibilityCounting() {
    ObjectStore store;
    store.insert(0, point("A", 0, 0, 0, true));
    store.insert(0, point("B", 0, 0, 0, false));
    QCOMPARE(store.visibleCount(), 1);
    store.setVisible("A", true);
    QCOMPARE(store.visibleCount(), 1);
    store.setVisible("B", true);
    QCOMPARE(store.visibleCount(), 2);
    store.setVisible("A", false);
    store.setVisible("A", false);
    QCOMPARE(store.visibleCount(), 1);
    store.setVisible("nobody", true);
    QCOMPARE(store.visibleCount(), 1);
    QVERIFY(!store.find("A")->visible);
}

void TestObjectStore::findSearchesAllKinds() {
    ObjectStore store;
    store.insert(2, named("p", true, line()));
    QVERIFY(store.exists("p"));
    QCOMPARE(int(store.find("p")->type()), 2);
    QVERIFY(!store.exists("q"));
    QVERIFY(store.find("q") == nullptr);
}

void TestObjectStore::drawAllOrder() {
    ObjectStore store;
    surface s;
    s.setPlane(Vector(0, 0, 1), 0.0);
    store.insert(3, named("S", true, s));
    store.insert(2, named("L", true, line()));
    store.insert(1, named("w", true, Vector(1, 0, 0)));
    store.insert(1, named("hidden", false, Vector(1, 0, 0)));
    store.insert(0, point("B", 0, 0, 0));
    store.insert(0, point("A", 0, 0, 0));
    RecordingDrawer drawer;
    setObjectDrawer(&drawer);
    store.drawAll();
    setObjectDrawer(nullptr);
    QCOMPARE(drawer.drawn, std::vector<std::string>({"P:A", "P:B", "V:w", "L:L", "S:S"}));
    store.drawAll(); // no drawer installed: nothing happens
    QCOMPARE(drawer.drawn.size(), size_t(5));
}

void TestObjectStore::clearEmptiesEverything() {
    ObjectStore store;
    store.insert(0, point("A", 0, 0, 0));
    store.insert(1, named("w", true, Vector(1, 0, 0)));
    store.clear();
    for (int k = 0; k < 4; ++k)
        QCOMPARE(store.count(k), 0);
    QCOMPARE(store.visibleCount(), 0);
    QVERIFY(!store.exists("A"));
    store.resetCursor(0);
    QCOMPARE(store.step(0, true).kind, -1);
    QVERIFY(store.insert(0, point("A", 0, 0, 0)));
}

QTEST_APPLESS_MAIN(TestObjectStore)
#include "test_objectstore.moc"

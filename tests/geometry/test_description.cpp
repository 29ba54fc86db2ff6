#include "doublecompare.h"

#include "geometry/description.h"
#include "geometry/line.h"
#include "geometry/surface.h"

#include <QTest>

#include <limits>
#include <memory>

namespace {

template <class T> T* file(ObjectStore& store, const std::string& name, T object, bool visible) {
    auto p = std::make_unique<T>(object);
    p->name = name;
    p->visible = visible;
    T* raw = p.get();
    store.insert(raw->type(), std::move(p));
    return raw;
}

} // namespace

class TestDescription : public QObject {
    Q_OBJECT
private slots:
    void lineEquations_data();
    void lineEquations();
    void planeParametric_data();
    void planeParametric();
    void generalEquations_data();
    void generalEquations();
    void planeRecords();
    void lineRecords();
    void plainObjectListsItsParents();
    void unknownAndNull();
};

void TestDescription::lineEquations_data() {
    QTest::addColumn<QVector<double>>("pv");
    QTest::addColumn<QString>("text");
    QTest::newRow("worked example")
        << QVector<double>{1, 0, -2, 0, 3, -1} << "{x= 1; y= +3k; z= -2 -1k; }";
    QTest::newRow("z only") << QVector<double>{0, 0, 0, 0, 0, 1} << "{z= +1k; }";
    QTest::newRow("x axis") << QVector<double>{0, 0, 0, 1, 0, 0} << "{x= +1k; }";
    QTest::newRow("all zero") << QVector<double>{0, 0, 0, 0, 0, 0} << "{}";
    QTest::newRow("negative zero left out")
        << QVector<double>{-0.0, 2, 0, -0.0, 0, -0.0} << "{y= 2; }";
    QTest::newRow("fractions") << QVector<double>{0.5, 1.0 / 3, 0, -0.25, 0, 2}
                               << "{x= 0.5 -0.25k; y= 0.333333; z= +2k; }";
    QTest::newRow("exponents") << QVector<double>{1e6, -1.5e-5, 0, 0, 1234567, 0}
                               << "{x= 1e+006; y= -1.5e-005 +1.23457e+006k; }";
}

void TestDescription::lineEquations() {
    QFETCH(QVector<double>, pv);
    QFETCH(QString, text);
    const std::string got = lineEquation(Point(pv[0], pv[1], pv[2]), Vector(pv[3], pv[4], pv[5]));
    QCOMPARE(QString::fromStdString(got), text);
}

void TestDescription::planeParametric_data() {
    QTest::addColumn<QVector<double>>("puv");
    QTest::addColumn<QString>("text");
    QTest::newRow("worked example")
        << QVector<double>{0, 0, 0, -1, 1, 0, -1, -1, 0} << "{x= -1k -1l; y= -1k +1l; }";
    QTest::newRow("point and one term per axis")
        << QVector<double>{2, 0, -3, 0, 4, 0, 1, 0, 0} << "{x= 2 +1k; y= +4l; z= -3; }";
    QTest::newRow("nothing") << QVector<double>{0, 0, 0, 0, 0, 0, 0, 0, 0} << "{}";
}

void TestDescription::planeParametric() {
    QFETCH(QVector<double>, puv);
    QFETCH(QString, text);
    const std::string got =
        planeParametricEquation(Point(puv[0], puv[1], puv[2]), Vector(puv[3], puv[4], puv[5]),
                                Vector(puv[6], puv[7], puv[8]));
    QCOMPARE(QString::fromStdString(got), text);
}

void TestDescription::generalEquations_data() {
    QTest::addColumn<QVector<double>>("nd");
    QTest::addColumn<QString>("text");
    QTest::newRow("worked example") << QVector<double>{1, 2, -3, 4} << "1x +2y -3z +4 = 0";
    QTest::newRow("z only") << QVector<double>{0, 0, 1, -3} << "+1z -3 = 0";
    QTest::newRow("x only, two spaces") << QVector<double>{2, 0, 0, 0} << "2x  = 0";
    QTest::newRow("negative x") << QVector<double>{-1.5, 0, 0, 2} << "-1.5x +2 = 0";
    QTest::newRow("all zero") << QVector<double>{0, 0, 0, 0} << " = 0";
    QTest::newRow("negative zeros") << QVector<double>{-0.0, -0.0, 1, -0.0} << "+1z  = 0";
    QTest::newRow("exponent") << QVector<double>{0, 2e7, 0, -3e-7} << "+2e+007y -3e-007 = 0";
}

void TestDescription::generalEquations() {
    QFETCH(QVector<double>, nd);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(planeGeneralEquation(Vector(nd[0], nd[1], nd[2]), nd[3])),
             text);
}

void TestDescription::planeRecords() {
    ObjectStore store;
    // A sits at the coordinates of the plane's normal, so it is listed as the normal too.
    Point* a = file(store, "A", Point(0, 0, 1), true);
    Point* b = file(store, "B", Point(1, 0, 1), false);
    Point* c = file(store, "C", Point(0, 1, 1), true);
    surface plane;
    plane.setPlane(*a, *b, *c);
    Vector* v = file(store, "v_S", plane.v, false);
    Vector* n = file(store, "n_S", plane.normal, false);
    plane.parents = {v, n, a, b, c};
    surface* s = file(store, "S", plane, true);
    COMPARE_VEC(s->normal.coordinates, 0.0, 0.0, 1.0);

    const std::vector<ObjectSummary> records = describeObjectByName(store, "S");
    QCOMPARE(int(records.size()), 7);
    QCOMPARE(records[0].kind, 5);
    QCOMPARE(QString::fromStdString(records[0].name),
             QString::fromStdString(planeGeneralEquation(s->normal, s->d)));
    QCOMPARE(records[1].kind, 4);
    QCOMPARE(QString::fromStdString(records[1].name),
             QString::fromStdString(planeParametricEquation(s->point, s->u, s->v)));
    const int kinds[] = {1, 6, 6, 0, 0};
    const char* names[] = {"v_S", "n_S", "A", "B", "C"};
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(records[2 + i].kind, kinds[i]);
        QCOMPARE(records[2 + i].name, std::string(names[i]));
        QVERIFY(!records[2 + i].visible == (i < 2 || i == 3));
    }
    COMPARE_EXACT(records[3].z, s->normal.coordinates.z());
    COMPARE_EXACT(records[5].x, 1.0);
}

void TestDescription::lineRecords() {
    ObjectStore store;
    Point* p = file(store, "P", Point(1, 0, -2), true);
    Vector* d = file(store, "D", Vector(0, 3, -1), false);
    line l;
    l.setLine(*p, *d);
    l.parents = {p, d};
    const std::vector<ObjectSummary> records = describeObject(store, &l);
    QCOMPARE(int(records.size()), 3);
    QCOMPARE(records[0].kind, 4);
    QCOMPARE(records[0].name, std::string("{x= 1; y= +3k; z= -2 -1k; }"));
    QVERIFY(!records[0].visible);
    QCOMPARE(records[1].kind, 0);
    QVERIFY(records[1].visible);
    COMPARE_EXACT(records[1].z, -2.0);
    // A line has no normal: a vector parent stays kind 1.
    QCOMPARE(records[2].kind, 1);
    COMPARE_EXACT(records[2].y, 3.0);
}

void TestDescription::plainObjectListsItsParents() {
    ObjectStore store;
    Point* p = file(store, "P", Point(1, 2, 3), true);
    line l;
    l.setLine(Point(0, 0, 0), Vector(1, 0, 0));
    line* L = file(store, "L", l, true);
    SpaceObject relation;
    relation.parents = {p, L};
    const std::vector<ObjectSummary> records = describeObject(store, &relation);
    QCOMPARE(int(records.size()), 2);
    QCOMPARE(records[0].kind, 0);
    COMPARE_EXACT(records[0].y, 2.0);
    QCOMPARE(records[1].kind, 2);
    QCOMPARE(records[1].name, std::string("L"));
    COMPARE_EXACT(records[1].x, 0.0);
}

void TestDescription::unknownAndNull() {
    ObjectStore store;
    file(store, "P", Point(1, 2, 3), true);
    QVERIFY(describeObjectByName(store, "Q").empty());
    QVERIFY(describeObject(store, nullptr).empty());
    // A point has neither equations nor parents.
    QVERIFY(describeObjectByName(store, "P").empty());
}

QTEST_APPLESS_MAIN(TestDescription)
#include "test_description.moc"

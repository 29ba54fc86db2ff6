#include "doublecompare.h"
#include "storefixture.h"

#include "geometry/objectdrawer.h"

#include <QTest>

namespace {

// Records the order in which the store draws.
class RecordingDrawer : public ObjectDrawer {
public:
    QStringList drawn;
    void drawPoint(const Point& p) override { drawn << "P:" + QString::fromStdString(p.name); }
    void drawVector(const Vector& v) override { drawn << "V:" + QString::fromStdString(v.name); }
    void drawLine(const line& l) override { drawn << "L:" + QString::fromStdString(l.name); }
    void drawSurface(const surface& s) override { drawn << "S:" + QString::fromStdString(s.name); }
};

QStringList walk(ObjectStore& store, int kind, std::initializer_list<bool> steps) {
    QStringList records;
    for (bool forward : steps)
        records << summary(store.step(kind, forward));
    return records;
}

} // namespace

class TestObjectStore : public QObject {
    Q_OBJECT
private slots:
    // form 0: setPlane(n, d), in = n, d; form 1: setPlane(n, P); form 3: three points.
    // out: normal, d, point, and u, v when given.
    void setPlane_data() {
        QTest::addColumn<int>("form");
        QTest::addColumn<Coords>("in");
        QTest::addColumn<Coords>("out");
        QTest::addColumn<bool>("valid");
        QTest::newRow("n=(2,4,6) d=8")
            << 0 << Coords{2, 4, 6, 8} << Coords{1, 2, 3, 4, 0, 0, -4.0 / 3, -1, 2, -1, -4, -1, 2}
            << true;
        QTest::newRow("equal components, d=0")
            << 0 << Coords{1, 1, 1, 0} << Coords{1, 1, 1, 0, 0, 0, 0, 0, 1, -1, -2, 1, 1} << true;
        QTest::newRow("negative largest component")
            << 0 << Coords{0, 0, -2, 6} << Coords{0, 0, -1, 3, 0, 0, 3, 1, -1, 0, -1, -1, 0}
            << true;
        QTest::newRow("rounding noise in d is snapped")
            << 1 << Coords{1, 1, -1, 0.1, 0.2, 0.3} << Coords{1, 1, -1, 0, 0, 0, 0} << true;
        QTest::newRow("collinear points") << 3 << Coords{0, 0, 0, 1, 1, 1, 2, 2, 2}
                                          << Coords{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0} << false;
    }

    void setPlane() {
        QFETCH(int, form);
        QFETCH(Coords, in);
        QFETCH(Coords, out);
        QFETCH(bool, valid);
        surface s;
        if (form == 0)
            s.setPlane(Vector(in[0], in[1], in[2]), in[3]);
        else if (form == 1)
            s.setPlane(Vector(in[0], in[1], in[2]), Point(in[3], in[4], in[5]));
        else
            s.setPlane(Point(in[0], in[1], in[2]), Point(in[3], in[4], in[5]),
                       Point(in[6], in[7], in[8]));
        QCOMPARE(s.isValid(), valid);
        COMPARE_VEC(s.normal.coordinates, out[0], out[1], out[2]);
        QVERIFY2(s.d == out[3], qPrintable(QString::number(s.d, 'g', 17))); // exact, either zero
        COMPARE_VEC(s.point.coordinates, out[4], out[5], out[6]);
        if (out.size() > 7) {
            COMPARE_VEC(s.u.coordinates, out[7], out[8], out[9]);
            COMPARE_VEC(s.v.coordinates, out[10], out[11], out[12]);
        }
    }

    // Companions are copies of parts of visible objects: a copy must not bring a name or
    // visibility along. A plane keeps its parents; assignment keeps the target's name.
    void copiesTakeGeometryOnly() {
        Point p(1, 2, 3);
        p.name = "A";
        p.visible = true;
        p.parents = {&p};
        const Point point(p);
        QVERIFY(point.name.empty() && !point.visible && point.parents.empty());
        COMPARE_VEC(point.coordinates, 1.0, 2.0, 3.0);
        surface a, c;
        a.setPlane(Vector(0, 0, 1), 2.0);
        a.name = "S";
        a.visible = true;
        a.parents = {&p};
        const surface b(a);
        c.name = "T";
        c = a;
        QVERIFY(b.name.empty() && !b.visible && b.parents.size() == 1);
        QVERIFY(c.name == "T" && !c.visible && c.d == 2.0);
    }

    // A name is taken in all four maps at once; wrong kinds and null are refused too.
    void insertRefusesTakenNames() {
        for (int held = 0; held < 4; ++held) {
            ObjectStore store;
            const SpaceObject* first = fileKind(store, "A", held, Coords{1, 2, 3, 1, 0, 0});
            QVERIFY(first);
            for (int kind = 0; kind < 4; ++kind) {
                QVERIFY(!fileKind(store, "A", kind, Coords{0, 0, 1, 0, 1, 0}));
                QCOMPARE(store.find("A"), first);
                QCOMPARE(store.count(kind), int(kind == held));
            }
            QCOMPARE(store.visibleCount(), 1);
        }
        ObjectStore store;
        QVERIFY(!store.insert(1, std::make_unique<Point>(0, 0, 0))); // a point is not a vector
        QVERIFY(!store.insert(7, std::make_unique<Point>(0, 0, 0)));
        QVERIFY(!store.insert(0, nullptr));
        QCOMPARE(store.count(0) + store.count(1), 0);
    }

    // Byte order of names; stepping past the end or back from the first entry parks the
    // cursor, and an invalid kind gives the invalid record and moves nothing.
    void cursor() {
        ObjectStore store;
        for (const char* n : {"A2", "AB", "A10", "A", "\xc5\xa0"})
            fileKind(store, n, P, Coords{1, 2, 3});
        store.setVisible("AB", false);
        fileKind(store, "L", L, Coords{1, 2, 3, 1, 0, 0});

        store.resetCursor(0);
        QCOMPARE(walk(store, 0, {true, true, true, true, true, true}),
                 QStringList({"0|A|1|1,2,3", "0|A10|1|1,2,3", "0|A2|1|1,2,3", "0|AB|0|1,2,3",
                              "0|\u0160|1|1,2,3", "-1|e|0|0,0,0"}));
        store.resetCursor(0);
        QCOMPARE(walk(store, 0, {true, true, false, true}),
                 QStringList({"0|A|1|1,2,3", "0|A10|1|1,2,3", "0|A2|1|1,2,3", "0|A10|1|1,2,3"}));
        QCOMPARE(walk(store, 4, {true}), QStringList{"-1|e|0|0,0,0"});
        QCOMPARE(walk(store, 0, {true}), QStringList{"0|A2|1|1,2,3"});
        store.resetCursor(0);
        QCOMPARE(walk(store, 0, {false, true}), QStringList({"0|A|1|1,2,3", "-1|e|0|0,0,0"}));
        // Lines report zero coordinates.
        store.resetCursor(2);
        QCOMPARE(walk(store, 2, {true, true}), QStringList({"2|L|1|0,0,0", "-1|e|0|0,0,0"}));
    }

    // Drawing walks points, vectors, lines, planes, each in name order, and skips the hidden.
    void visibilityDrawingAndClear() {
        ObjectStore store;
        fileAll(store, {"S S 0 0 1 0", "L L 0 0 0 1 0 0", "w V 1 0 0", "B P 0 0 0"});
        fileObject(store, "hidden", Vector(1, 0, 0), false);
        fileObject(store, "A", Point(0, 0, 0), false);
        QCOMPARE(store.visibleCount(), 4);
        store.setVisible("B", true);
        store.setVisible("A", true);
        store.setVisible("hidden", false);
        store.setVisible("nobody", true);
        QCOMPARE(store.visibleCount(), 5);
        QVERIFY(store.find("A")->visible && store.exists("L") && !store.exists("q"));
        QCOMPARE(int(store.find("L")->type()), 2);
        RecordingDrawer drawer;
        setObjectDrawer(&drawer);
        store.drawAll();
        setObjectDrawer(nullptr);
        store.drawAll(); // no drawer installed: nothing happens
        QCOMPARE(drawer.drawn, QStringList({"P:A", "P:B", "V:w", "L:L", "S:S"}));

        store.clear();
        QCOMPARE(store.count(0) + store.count(1) + store.count(2) + store.count(3), 0);
        QCOMPARE(store.visibleCount(), 0);
        store.resetCursor(0);
        QCOMPARE(store.step(0, true).kind, -1);
        QVERIFY(fileKind(store, "A", P, Coords{0, 0, 0}));
    }
};

QTEST_APPLESS_MAIN(TestObjectStore)
#include "test_objectstore.moc"

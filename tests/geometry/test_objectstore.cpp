#include "doublecompare.h"
#include "storefixture.h"

#include "geometry/description.h"

#include <QTest>

namespace {

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
    // Companions are copies of parts of visible objects: a copy must not bring a name or
    // visibility along. A plane keeps its parents; assignment keeps the target's name.
    void copiesTakeGeometryOnly() {
        ObjectStore store;
        auto* p = static_cast<Point*>(file(store, "A P 1 2 3"));
        auto* a = static_cast<surface*>(file(store, "S S 0 0 1 2"));
        p->parents = a->parents = {p};
        const Point point(*p);
        QVERIFY(point.name.empty() && !point.visible && point.parents.empty());
        COMPARE_VEC(point.coordinates, 1.0, 2.0, 3.0);
        const surface b(*a);
        surface c;
        c.name = "T";
        c = *a;
        QVERIFY(b.name.empty() && !b.visible && b.parents.size() == 1);
        QVERIFY(c.name == "T" && !c.visible && c.d == 2.0);
    }

    // A name is taken in all four maps at once; wrong kinds and null are refused too.
    void insertRefusesTakenNames() {
        for (int held = 0; held < 4; ++held) {
            ObjectStore store;
            const SpaceObject* first = file(store, QString("A %1 1 2 3 1 0 0").arg("PVLS"[held]));
            QVERIFY(first);
            for (int kind = 0; kind < 4; ++kind) {
                QVERIFY(!file(store, QString("A %1 0 0 1 0 1 0").arg("PVLS"[kind])));
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
            file(store, QString::fromUtf8(n) + " P 1 2 3");
        store.setVisible("AB", false);
        file(store, "L L 1 2 3 1 0 0");

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

    // The count of visible objects follows every change of visibility, and only changes.
    void visibilityAndClear() {
        ObjectStore store;
        fileAll(store, {"L L 0 0 0 1 0 0", "B P 0 0 0"});
        fileObject(store, "hidden", Vector(1, 0, 0), false);
        fileObject(store, "A", Point(0, 0, 0), false);
        QCOMPARE(store.visibleCount(), 2);
        store.setVisible("B", true);
        store.setVisible("A", true);
        store.setVisible("hidden", false);
        store.setVisible("nobody", true);
        QCOMPARE(store.visibleCount(), 3);
        QVERIFY(store.find("A")->visible);

        store.clear();
        QCOMPARE(store.count(0) + store.count(1) + store.count(2) + store.count(3), 0);
        QCOMPARE(store.visibleCount(), 0);
        QCOMPARE(store.step(0, true).kind, -1); // no cursor left in the old entries
        QVERIFY(file(store, "A P 0 0 0"));
    }

    // Equations first, then the parents; a point or vector parent at the coordinates of a
    // plane's normal is listed as the normal (kind 6), a line's vector parent is not.
    void records() {
        ObjectStore store;
        Point* a = fileObject(store, "A", Point(0, 0, 1));
        Point* b = fileObject(store, "B", Point(1, 0, 1), false);
        Point* c = fileObject(store, "C", Point(0, 1, 1));
        surface plane;
        plane.setPlane(*a, *b, *c);
        plane.parents = {fileObject(store, "v_S", plane.v, false),
                         fileObject(store, "n_S", plane.normal, false), a, b, c};
        fileObject(store, "S", plane);
        QCOMPARE(summaries(describeObjectByName(store, "S")),
                 QStringList({"5|+1z -1 = 0|0|0,0,0", "4|{x= -1k -1l; y= -1k +1l; z= 1; }|0|0,0,0",
                              "1|v_S|0|-1,-1,0", "6|n_S|0|0,0,1", "6|A|1|0,0,1", "0|B|0|1,0,1",
                              "0|C|1|0,1,1"}));

        line l;
        l.setLine(*b, *fileObject(store, "D", Vector(0, 3, -1), false));
        l.parents = {b, store.find("D")};
        QCOMPARE(
            summaries(describeObject(store, &l)),
            QStringList({"4|{x= 1; y= +3k; z= 1 -1k; }|0|0,0,0", "0|B|0|1,0,1", "1|D|0|0,3,-1"}));

        // A point has neither equations nor parents.
        QVERIFY(describeObjectByName(store, "A").empty());
        QVERIFY(describeObjectByName(store, "Q").empty());
        QVERIFY(describeObject(store, nullptr).empty());
    }
};

QTEST_APPLESS_MAIN(TestObjectStore)
#include "test_objectstore.moc"

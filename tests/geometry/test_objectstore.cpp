// SPDX-License-Identifier: GPL-3.0-or-later
#include "doublecompare.h"
#include "storefixture.h"

#include "geometry/description.h"

class TestObjectStore : public QObject {
    Q_OBJECT
private slots:
    // A copy brings no name or visibility along; a plane keeps its parents.
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

    // A name is taken in all four maps at once; wrong kinds and null are refused.
    void insertRefusesTakenNames() {
        const QString letters = "PVLS";
        for (int held = 0; held < 4; ++held) {
            ObjectStore store;
            const SpaceObject* first = file(store, QString("A %1 1 2 3 1 0 0").arg(letters[held]));
            QVERIFY(first);
            for (int other = 0; other < 4; ++other) {
                QVERIFY(!file(store, QString("A %1 0 0 1 0 1 0").arg(letters[other])));
                QCOMPARE(store.find("A"), first);
                QCOMPARE(store.count(storedKinds[other]), int(other == held));
            }
            QCOMPARE(store.visibleCount(), 1);
        }
        ObjectStore store;
        QVERIFY(!store.insert(V, std::make_unique<Point>(0, 0, 0))); // a point is not a vector
        QVERIFY(!store.insert(Kind::Empty, std::make_unique<empty_set>()));
        QVERIFY(!store.insert(Kind::Root, std::make_unique<SpaceObject>()));
        QVERIFY(!store.insert(P, nullptr));
        QCOMPARE(store.count(P) + store.count(V) + store.count(Kind::Empty), 0);
        QVERIFY(store.objects(Kind::Root).empty());
    }

    // A step gives the record at the cursor, then moves it, in byte order; past either end it
    // parks on the invalid record "e", which an invalid kind gives without moving.
    void cursor() {
        ObjectStore store;
        for (const char* n : {"A2", "AB", "A10", "A", "\xc5\xa0"})
            file(store, QString::fromUtf8(n) + " P 1 2 3");
        file(store, "L L 1 2 3 1 0 0");
        const auto walk = [&store](Kind kind, std::initializer_list<bool> steps) {
            QStringList names;
            for (bool forward : steps)
                names << QString::fromStdString(store.step(kind, forward).name);
            return names.join(' ');
        };
        store.resetCursor(P);
        QString steps = walk(P, {true, true, true, false});
        steps += " | " + walk(Kind::Root, {true});
        steps += " | " + walk(P, {true, true, true, true});
        QCOMPARE(steps, QString::fromUtf8("A A10 A2 AB | e | A2 AB \u0160 e"));
        store.resetCursor(P);
        QCOMPARE(walk(P, {false, true}), "A e");
        // Lines report zero coordinates.
        store.resetCursor(L);
        QCOMPARE(summary(store.step(L, true)), "line|L|1|0,0,0");
        store.clear(); // no cursor is left in the old entries
        QCOMPARE(store.step(L, true).kind, Kind::Root);
    }

    // Equations, then parents; one at a plane's normal is listed as the normal vector.
    void records() {
        ObjectStore store;
        Point* a = add(store, "A", Point(0, 0, 1));
        Point* b = add(store, "B", Point(1, 0, 1), false);
        Point* c = add(store, "C", Point(0, 1, 1));
        surface plane;
        plane.setPlane(*a, *b, *c);
        add(store, "S", plane, true,
            {add(store, "v_S", plane.v, false), add(store, "n_S", plane.normal, false), a, b, c});
        QCOMPARE(summaries(describeObjectByName(store, "S")),
                 QStringList({"general none|+1z -1 = 0|0|0,0,0",
                              "parametric none|{x= -1k -1l; y= -1k +1l; z= 1; }|0|0,0,0",
                              "vector|v_S|0|-1,-1,0", "normal vector|n_S|0|0,0,1",
                              "normal vector|A|1|0,0,1", "point|B|0|1,0,1", "point|C|1|0,1,1"}));

        line l;
        l.setLine(*b, *add(store, "D", Vector(0, 3, -1), false));
        l.parents = {b, store.find("D")};
        QCOMPARE(summaries(describeObject(store, &l)),
                 QStringList({"parametric none|{x= 1; y= +3k; z= 1 -1k; }|0|0,0,0",
                              "point|B|0|1,0,1", "vector|D|0|0,3,-1"}));

        // A point has neither equations nor parents.
        QVERIFY(describeObjectByName(store, "A").empty());
        QVERIFY(describeObjectByName(store, "Q").empty());
        QVERIFY(describeObject(store, nullptr).empty());
    }
};

QTEST_APPLESS_MAIN(TestObjectStore)
#include "test_objectstore.moc"

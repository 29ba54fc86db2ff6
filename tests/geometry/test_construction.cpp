// SPDX-License-Identifier: GPL-3.0-or-later
#include "storefixture.h"

Q_DECLARE_METATYPE(Refusal)

namespace {

// With each object's address after " @".
QStringList states(const ObjectStore& store) {
    QStringList all;
    for (Kind kind : storedKinds)
        for (const auto& entry : store.objects(kind))
            all << objectState(*entry.second) + QString::asprintf(" @%p", entry.second.get());
    return all;
}

// Operands, and objects under the first companion names of a plane S and a line L.
void fillOperands(ObjectStore& store) {
    fileAll(store, QString("A P 0 0 0;A2 P 0 0 0;B P 2 0 0;C P 0 2 0;D P 1 2 3;E P 2 4 6;"
                           "R P 0.1 0.2 0.3;K P 1e308 0 0;K2 P -1e308 0 0;"
                           "V V 1 0 0;W V 0 1 0;X V 2 0 0;T V 2 0 0;Z V 0 0 0;G V 2 4 6;"
                           "H V 1 1 1;I V 0 0 -2;J V 1 1 -1;Y V 1e200 1e200 1e200;"
                           "M L 0 0 0 0 0 1;L1 L 0 0 0 1 1 1;L2 L 1 1 1 1 0 0;O L 0 0 0 0 0 0;"
                           "LH L 1 2 3 1e308 1e308 1e308;"
                           "S1 S 1 0 0 0;S2 S 0 1 0 0;S3 S 0 2 0 4;S4 S 1 0 0 -2;S5 S -3 0 0 0;"
                           "SH S 1 1 1 0;u_S V 7 7 7;u_S2 V 8 8 8;v_S P 9 9 9;L_sv V 5 5 5")
                       .split(';'));
}

} // namespace

class TestConstruction : public QObject {
    Q_OBJECT
private slots:
    // call: for buildObjects, %1 the name; added: the new objects, companions too.
    void constructions_data() {
        QTest::addColumn<QString>("call");
        QTest::addColumn<QString>("name");
        QTest::addColumn<Refusal>("why");
        QTest::addColumn<QStringList>("added");
        const auto ok = [](const char* tag, const char* call, const QStringList& added,
                           const char* name = "N") {
            QTest::newRow(tag) << call << name << Refusal::None << added;
        };
        const auto no = [](const char* tag, const char* call, Refusal why, const char* name = "N") {
            QTest::newRow(tag) << call << name << why << QStringList();
        };
        ok("point", "P %1 1 -2 0.5", {"0 N 1 1 -2 0.5"});
        ok("zero vector", "V %1 0 0 0", {"1 N 1 0 0 0"});
        ok("vector from points", "F %1 A D", {"1 N 1 1 2 3 <A,D"});
        ok("line from point and vector", "L %1 D V", {"2 N 1 1 2 3 1 0 0 <D,V"});
        ok("line from vector and point", "L %1 W D", {"2 N 1 1 2 3 0 1 0 <W,D"});
        // The constant's rounding noise is snapped away.
        ok("plane from point and normal", "N %1 R J",
           {"1 u_N 0 2 -2 0", "1 v_N 0 -2 -2 -4", "3 N 1 1 1 -1 0 0 0 0 <v_N,u_N,R,J"});
        ok("plane from normal and point", "N %1 W D",
           {"1 u_N 0 1 0 -1", "1 v_N 0 -1 0 -1", "3 N 1 0 1 0 -2 0 2 0 <v_N,u_N,W,D"});
        ok("plane from three points", "S %1 A B C",
           {"1 n_N 0 0 0 1", "1 u_N 0 -1 1 0", "1 v_N 0 -1 -1 0",
            "3 N 1 0 0 1 0 0 0 0 <v_N,u_N,n_N,A,B,C"});
        // With vectors, the later one in argument order comes first in the cross product.
        ok("vector, vector, point", "S %1 V W D",
           {"1 n_N 0 0 0 -1", "3 N 1 0 0 -1 3 0 0 3 <n_N,V,W,D"});
        ok("vector, point, vector", "S %1 V D W",
           {"1 n_N 0 0 0 -1", "3 N 1 0 0 -1 3 0 0 3 <n_N,V,D,W"});
        ok("point, vector, vector", "S %1 D V W",
           {"1 n_N 0 0 0 -1", "3 N 1 0 0 -1 3 0 0 3 <n_N,D,V,W"});
        // Divided by common factors; the point on the axis of the largest component.
        ok("plane from equation", "E %1 G 8",
           {"0 B_N 0 0 0 -1.33333", "1 u_N 0 -1 2 -1", "1 v_N 0 -4 -1 2",
            "3 N 1 1 2 3 4 0 0 -1.33333 <v_N,u_N,B_N,G"});
        ok("negative largest component", "E %1 I 6",
           {"0 B_N 0 0 0 3", "1 u_N 0 1 -1 0", "1 v_N 0 -1 -1 0",
            "3 N 1 0 0 -1 3 0 0 3 <v_N,u_N,B_N,I"});
        ok("equal components", "E %1 H 0",
           {"0 B_N 0 0 0 0", "1 u_N 0 0 1 -1", "1 v_N 0 -2 1 1",
            "3 N 1 1 1 1 0 0 0 0 <v_N,u_N,B_N,H"});
        // A line or plane intersection brings its companions; a point comes alone.
        ok("two lines meet", "X %1 L1 L2", {"0 N 1 1 1 1"});
        ok("line meets plane", "X %1 L1 S4", {"0 N 1 2 2 2"});
        ok("plane meets line", "X %1 S4 L1", {"0 N 1 2 2 2"});
        ok("two planes meet", "X %1 S1 S2",
           {"0 P_N 0 0 0 0", "1 v_N 0 0 0 1", "2 N 1 0 0 0 0 0 1 <v_N,P_N"});
        ok("coincident planes", "X %1 S1 S5",
           {"0 P_N 0 0 0 0", "1 n_N 0 1 0 0", "1 u_N 0 0 -1 1", "1 v_N 0 0 -1 -1",
            "3 N 1 1 0 0 0 0 0 0 <n_N,u_N,v_N,P_N"});
        // Companions take the first free name and never replace an object.
        ok("companion names taken", "N %1 D W",
           {"1 u_S3 0 1 0 -1", "1 v_S2 0 -1 0 -1", "3 S 1 0 1 0 -2 0 2 0 <v_S2,u_S3,D,W"}, "S");
        ok("direction name taken", "L %1 A B", {"1 L_sv2 0 2 0 0", "2 L 1 0 0 0 2 0 0 <L_sv2,A,B"},
           "L");

        const Refusal kinds = Refusal::WrongKinds, degenerate = Refusal::Degenerate;
        no("not a number", "P %1 nan 0 0", degenerate);
        no("infinite", "V %1 0 -inf 0", degenerate);
        no("unknown operand", "L %1 A Q", Refusal::UnknownName);
        no("vector from a point and a vector", "F %1 A V", kinds);
        no("line from two vectors", "L %1 V W", kinds);
        no("line from equal points", "L %1 A A2", degenerate);
        no("line along a zero vector", "L %1 Z A", degenerate);
        no("plane from two points", "N %1 A B", kinds);
        no("plane with a zero normal", "N %1 A Z", degenerate);
        no("collinear points", "S %1 A D E", degenerate);
        no("parallel vectors", "S %1 V A X", degenerate);
        no("three vectors", "S %1 V W X", kinds);
        no("equation with a point", "E %1 A 1", kinds);
        no("equation with a zero vector", "E %1 Z 1", degenerate);
        no("equation with an infinite constant", "E %1 T inf", degenerate);
        no("empty intersection", "X %1 S2 S3", Refusal::NoCommonPoint);
        no("skew lines", "X %1 M L2", Refusal::NoCommonPoint);
        const Refusal large = Refusal::TooLarge;
        no("vector between far points", "F %1 K2 K", large);
        no("line through far points", "L %1 K K2", large);
        no("plane through far points", "S %1 A K K2", large);
        no("plane with a huge normal", "N %1 D Y", large);
        no("equation with a huge normal", "E %1 Y 1", large);
        no("intersection beyond the range", "X %1 LH SH", large);
        no("intersection of a point and a line", "X %1 A M", kinds);
        no("intersection with a zero-direction line", "X %1 O S1", degenerate);
    }

    // A refusal gives its reason and changes nothing in the store.
    void constructions() {
        QFETCH(QString, call);
        QFETCH(QString, name);
        QFETCH(Refusal, why);
        QFETCH(QStringList, added);
        ObjectStore store;
        fillOperands(store);
        const QStringList before = states(store);
        const int visible = store.visibleCount();
        // What can be made is refused under a name taken in any of the four maps.
        for (const char* taken : {"C", "V", "M", "S1"}) {
            if (why != Refusal::None)
                break;
            Refusal got = Refusal::None;
            QVERIFY(!buildObjects(store, call.arg(taken), &got));
            QCOMPARE(got, Refusal::NameTaken);
            QCOMPARE(states(store), before);
        }
        Refusal got = why == Refusal::None ? Refusal::WrongKinds : Refusal::None;
        const bool ok = buildObjects(store, call.arg(name), &got);
        QCOMPARE(got, why);
        QCOMPARE(ok, why == Refusal::None);
        QCOMPARE(store.visibleCount(), visible + int(ok));
        QStringList now = states(store);
        for (const QString& old : before)
            QVERIFY2(now.removeOne(old), qPrintable(old));
        for (QString& entry : now)
            entry = entry.section(" @", 0, 0);
        QCOMPARE(now, added);
    }
};

QTEST_APPLESS_MAIN(TestConstruction)
#include "test_construction.moc"

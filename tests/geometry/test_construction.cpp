#include "doublecompare.h"
#include "storefixture.h"

#include "geometry/construction.h"
#include "geometry/intersection.h"

#include <QStringList>
#include <QTest>

#include <cmath>
#include <limits>

using Coords = QVector<double>;

Q_DECLARE_METATYPE(Refusal)

namespace {

// Every object of the store with its address: equal snapshots mean nothing was added,
// replaced or changed in visibility.
QStringList snapshot(const ObjectStore& store) {
    QStringList all;
    for (int k = 0; k < 4; ++k)
        for (const auto& [name, object] : store.objects(k))
            all << QString("%1:%2:%3:%4")
                       .arg(k)
                       .arg(QString::fromStdString(name))
                       .arg(object->visible)
                       .arg(quintptr(object.get()));
    return all;
}

QStringList parentNames(const SpaceObject* object) {
    QStringList names;
    for (const SpaceObject* parent : object->parents)
        names << QString::fromStdString(parent->name);
    return names;
}

int total(const ObjectStore& store) {
    return store.count(0) + store.count(1) + store.count(2) + store.count(3);
}

const vector4D& coordinates(const SpaceObject* p) {
    return static_cast<const Point*>(p)->coordinates;
}

// Points A, B, C of the x-y plane, D and E on one line through A, A2 = A; vectors V, W
// across, X along V, T = (2, 0, 0), Z zero; the line M.
void fillOperands(ObjectStore& store) {
    filePoint(store, "A", 0, 0, 0);
    filePoint(store, "A2", 0, 0, 0);
    filePoint(store, "B", 2, 0, 0);
    filePoint(store, "C", 0, 2, 0);
    filePoint(store, "D", 1, 2, 3);
    filePoint(store, "E", 2, 4, 6);
    fileObject(store, "V", Vector(1, 0, 0));
    fileObject(store, "W", Vector(0, 1, 0));
    fileObject(store, "X", Vector(2, 0, 0));
    fileObject(store, "T", Vector(2, 0, 0));
    fileObject(store, "Z", Vector(0, 0, 0));
    fileLine(store, "M", Coords{0, 0, 0, 0, 0, 1});
}

bool construct(ObjectStore& store, const QString& op, const QStringList& args, double number,
               const std::string& name, Refusal* why) {
    const auto arg = [&](int i) { return args.value(i).toStdString(); };
    if (op == "vector")
        return createVectorFromPoints(store, arg(0), arg(1), name, why);
    if (op == "line")
        return createLine(store, arg(0), arg(1), name, why);
    if (op == "pointNormal")
        return createSurfaceFromPointAndNormal(store, arg(0), arg(1), name, why);
    if (op == "three")
        return createSurfaceFromThree(store, arg(0), arg(1), arg(2), name, why);
    if (op == "equation")
        return createSurfaceFromEquation(store, arg(0), number, name, why);
    return createIntersection(store, arg(0), arg(1), name, why);
}

// "name=x,y,z" of a hidden point or vector.
void verifyHidden(const ObjectStore& store, const QString& entry) {
    const QStringList parts = entry.split('=');
    const SpaceObject* object = store.find(parts[0].toStdString());
    QVERIFY2(object, qPrintable(parts[0]));
    QVERIFY(!object->visible);
    const QStringList c = parts[1].split(',');
    COMPARE_VEC(coordinates(object), c[0].toDouble(), c[1].toDouble(), c[2].toDouble());
}

} // namespace

class TestConstruction : public QObject {
    Q_OBJECT
private slots:
    void fromCoordinates_data();
    void fromCoordinates();
    void constructions_data();
    void constructions();
    void filedIntersections_data();
    void filedIntersections();
    void filedPointLiesOnThePlane();
    void takenCompanionNamesKeptIntact();
    void refusalsLeaveTheStoreAlone_data();
    void refusalsLeaveTheStoreAlone();
};

void TestConstruction::fromCoordinates_data() {
    QTest::addColumn<bool>("vector");
    QTest::addColumn<Coords>("xyz");
    QTest::addColumn<QString>("name");
    QTest::addColumn<Refusal>("why");
    QTest::newRow("point") << false << Coords{1, -2, 0.5} << "P" << Refusal::None;
    QTest::newRow("vector") << true << Coords{0, 0, 0} << "Q" << Refusal::None;
    QTest::newRow("point under a vector's name")
        << false << Coords{1, 2, 3} << "V" << Refusal::NameTaken;
    QTest::newRow("vector under a point's name")
        << true << Coords{1, 2, 3} << "P0" << Refusal::NameTaken;
    QTest::newRow("not a number") << false << Coords{std::nan(""), 0, 0} << "P"
                                  << Refusal::Degenerate;
    QTest::newRow("infinite") << true << Coords{0, std::numeric_limits<double>::infinity(), 0}
                              << "Q" << Refusal::Degenerate;
}

void TestConstruction::fromCoordinates() {
    QFETCH(bool, vector);
    QFETCH(Coords, xyz);
    QFETCH(QString, name);
    QFETCH(Refusal, why);
    ObjectStore store;
    filePoint(store, "P0", 0, 0, 0);
    fileObject(store, "V", Vector(1, 1, 1));
    const QStringList before = snapshot(store);
    Refusal got = Refusal::WrongKinds;
    const std::string n = name.toStdString();
    const bool ok = vector ? createVector(store, xyz[0], xyz[1], xyz[2], n, &got)
                           : createPoint(store, xyz[0], xyz[1], xyz[2], n, &got);
    QCOMPARE(ok, why == Refusal::None);
    QCOMPARE(got, why);
    if (!ok) {
        QCOMPARE(snapshot(store), before);
        return;
    }
    const SpaceObject* object = store.find(n);
    QCOMPARE(int(object->type()), vector ? 1 : 0);
    QVERIFY(object->visible);
    QVERIFY(object->parents.empty());
    QCOMPARE(store.visibleCount(), 3);
    COMPARE_VEC(coordinates(object), xyz[0], xyz[1], xyz[2]);
}

// geometry: vector x, y, z; line point, direction; plane normal, d, point.
void TestConstruction::constructions_data() {
    QTest::addColumn<QString>("op");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<double>("number");
    QTest::addColumn<Refusal>("why");
    QTest::addColumn<QStringList>("parents");
    QTest::addColumn<QStringList>("hidden");
    QTest::addColumn<Coords>("geometry");
    const Refusal ok = Refusal::None;
    QTest::newRow("vector from points")
        << "vector" << QStringList{"A", "D"} << 0.0 << ok << QStringList{"A", "D"} << QStringList{}
        << Coords{1, 2, 3};
    QTest::newRow("zero vector from equal points")
        << "vector" << QStringList{"D", "D"} << 0.0 << ok << QStringList{"D", "D"} << QStringList{}
        << Coords{0, 0, 0};
    QTest::newRow("line from points")
        << "line" << QStringList{"D", "E"} << 0.0 << ok << QStringList{"N_sv", "D", "E"}
        << QStringList{"N_sv=1,2,3"} << Coords{1, 2, 3, 1, 2, 3};
    QTest::newRow("line from point and vector")
        << "line" << QStringList{"D", "V"} << 0.0 << ok << QStringList{"D", "V"} << QStringList{}
        << Coords{1, 2, 3, 1, 0, 0};
    QTest::newRow("line from vector and point")
        << "line" << QStringList{"W", "D"} << 0.0 << ok << QStringList{"W", "D"} << QStringList{}
        << Coords{1, 2, 3, 0, 1, 0};
    QTest::newRow("plane from point and normal")
        << "pointNormal" << QStringList{"D", "W"} << 0.0 << ok
        << QStringList{"v_N", "u_N", "D", "W"} << QStringList{"v_N=-1,0,-1", "u_N=1,0,-1"}
        << Coords{0, 1, 0, -2, 0, 2, 0};
    QTest::newRow("plane from normal and point")
        << "pointNormal" << QStringList{"W", "D"} << 0.0 << ok
        << QStringList{"v_N", "u_N", "W", "D"} << QStringList{"v_N=-1,0,-1", "u_N=1,0,-1"}
        << Coords{0, 1, 0, -2, 0, 2, 0};
    QTest::newRow("plane from three points")
        << "three" << QStringList{"A", "B", "C"} << 0.0 << ok
        << QStringList{"v_N", "u_N", "n_N", "A", "B", "C"}
        << QStringList{"v_N=-1,-1,0", "u_N=-1,1,0", "n_N=0,0,1"} << Coords{0, 0, 1, 0, 0, 0, 0};
    QTest::newRow("vector, vector, point: normal second x first")
        << "three" << QStringList{"V", "W", "D"} << 0.0 << ok << QStringList{"n_N", "V", "W", "D"}
        << QStringList{"n_N=0,0,-1"} << Coords{0, 0, -1, 3, 0, 0, 3};
    QTest::newRow("swapped vectors flip the normal")
        << "three" << QStringList{"W", "V", "D"} << 0.0 << ok << QStringList{"n_N", "W", "V", "D"}
        << QStringList{"n_N=0,0,1"} << Coords{0, 0, 1, -3, 0, 0, 3};
    QTest::newRow("vector, point, vector: normal third x first")
        << "three" << QStringList{"V", "D", "W"} << 0.0 << ok << QStringList{"n_N", "V", "D", "W"}
        << QStringList{"n_N=0,0,-1"} << Coords{0, 0, -1, 3, 0, 0, 3};
    QTest::newRow("point, vector, vector: normal third x second")
        << "three" << QStringList{"D", "V", "W"} << 0.0 << ok << QStringList{"n_N", "D", "V", "W"}
        << QStringList{"n_N=0,0,-1"} << Coords{0, 0, -1, 3, 0, 0, 3};
    QTest::newRow("plane from equation")
        << "equation" << QStringList{"T"} << -4.0 << ok << QStringList{"v_N", "u_N", "B_N", "T"}
        << QStringList{"v_N=0,-1,-1", "u_N=0,-1,1", "B_N=2,0,0"} << Coords{1, 0, 0, -2, 2, 0, 0};

    const QStringList none;
    const Coords nothing;
    const Refusal kinds = Refusal::WrongKinds;
    const Refusal degenerate = Refusal::Degenerate;
    QTest::newRow("vector from a point and a vector")
        << "vector" << QStringList{"A", "V"} << 0.0 << kinds << none << none << nothing;
    QTest::newRow("line from two vectors")
        << "line" << QStringList{"V", "W"} << 0.0 << kinds << none << none << nothing;
    QTest::newRow("line from a point and a line")
        << "line" << QStringList{"A", "M"} << 0.0 << kinds << none << none << nothing;
    QTest::newRow("line from equal points")
        << "line" << QStringList{"A", "A2"} << 0.0 << degenerate << none << none << nothing;
    QTest::newRow("line along a zero vector")
        << "line" << QStringList{"Z", "A"} << 0.0 << degenerate << none << none << nothing;
    QTest::newRow("plane from two points")
        << "pointNormal" << QStringList{"A", "B"} << 0.0 << kinds << none << none << nothing;
    QTest::newRow("plane with a zero normal")
        << "pointNormal" << QStringList{"A", "Z"} << 0.0 << degenerate << none << none << nothing;
    QTest::newRow("collinear points")
        << "three" << QStringList{"A", "D", "E"} << 0.0 << degenerate << none << none << nothing;
    QTest::newRow("two equal points")
        << "three" << QStringList{"A", "A2", "B"} << 0.0 << degenerate << none << none << nothing;
    QTest::newRow("parallel vectors")
        << "three" << QStringList{"V", "A", "X"} << 0.0 << degenerate << none << none << nothing;
    QTest::newRow("zero spanning vector")
        << "three" << QStringList{"Z", "W", "A"} << 0.0 << degenerate << none << none << nothing;
    QTest::newRow("two points and a vector")
        << "three" << QStringList{"A", "B", "V"} << 0.0 << kinds << none << none << nothing;
    QTest::newRow("three vectors")
        << "three" << QStringList{"V", "W", "X"} << 0.0 << kinds << none << none << nothing;
    QTest::newRow("equation with a point")
        << "equation" << QStringList{"A"} << 1.0 << kinds << none << none << nothing;
    QTest::newRow("equation with a zero vector")
        << "equation" << QStringList{"Z"} << 1.0 << degenerate << none << none << nothing;
    QTest::newRow("equation with an infinite constant")
        << "equation" << QStringList{"T"} << std::numeric_limits<double>::infinity() << degenerate
        << none << none << nothing;
    QTest::newRow("unknown operand") << "line" << QStringList{"A", "Q"} << 0.0
                                     << Refusal::UnknownName << none << none << nothing;
}

void TestConstruction::constructions() {
    QFETCH(QString, op);
    QFETCH(QStringList, args);
    QFETCH(double, number);
    QFETCH(Refusal, why);
    QFETCH(QStringList, parents);
    QFETCH(QStringList, hidden);
    QFETCH(Coords, geometry);
    ObjectStore store;
    fillOperands(store);
    const QStringList before = snapshot(store);
    const int visible = store.visibleCount();
    Refusal got = Refusal::None;
    const bool ok = construct(store, op, args, number, "N", &got);
    QCOMPARE(got, why);
    QCOMPARE(ok, why == Refusal::None);
    if (!ok) {
        QCOMPARE(snapshot(store), before);
        QCOMPARE(store.visibleCount(), visible);
        return;
    }
    QCOMPARE(store.visibleCount(), visible + 1);
    QCOMPARE(total(store), before.size() + 1 + hidden.size());
    const SpaceObject* object = store.find("N");
    QVERIFY(object->visible);
    QCOMPARE(parentNames(object), parents);
    for (const QString& entry : hidden)
        verifyHidden(store, entry);
    if (object->type() == 1) {
        COMPARE_VEC(coordinates(object), geometry[0], geometry[1], geometry[2]);
    } else if (object->type() == 2) {
        const auto* l = static_cast<const line*>(object);
        COMPARE_VEC(l->point.coordinates, geometry[0], geometry[1], geometry[2]);
        COMPARE_VEC(l->direction.coordinates, geometry[3], geometry[4], geometry[5]);
    } else {
        QCOMPARE(int(object->type()), 3);
        const auto* s = static_cast<const surface*>(object);
        COMPARE_VEC(s->normal.coordinates, geometry[0], geometry[1], geometry[2]);
        COMPARE_CLOSE(s->d, geometry[3]);
        COMPARE_VEC(s->point.coordinates, geometry[4], geometry[5], geometry[6]);
    }
}

// A line or plane result brings its companions; a point comes alone.
void TestConstruction::filedIntersections_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("parents");
    QTest::addColumn<QStringList>("hidden");
    QTest::addColumn<Coords>("point");
    const QStringList none;
    QTest::newRow("two lines") << QStringList{"L1", "L2"} << 0 << none << none << Coords{1, 1, 1};
    QTest::newRow("line and plane")
        << QStringList{"L1", "S4"} << 0 << none << none << Coords{2, 2, 2};
    QTest::newRow("plane and line")
        << QStringList{"S4", "L1"} << 0 << none << none << Coords{2, 2, 2};
    QTest::newRow("two planes") << QStringList{"S1", "S2"} << 2 << QStringList{"v_I", "P_I"}
                                << QStringList{"v_I=0,0,1", "P_I=0,0,0"} << Coords{};
    QTest::newRow("coincident planes")
        << QStringList{"S1", "S3"} << 3 << QStringList{"n_I", "u_I", "v_I", "P_I"}
        << QStringList{"n_I=1,0,0", "u_I=0,-1,1", "v_I=0,-1,-1", "P_I=0,0,0"} << Coords{};
}

void TestConstruction::filedIntersections() {
    QFETCH(QStringList, args);
    QFETCH(int, kind);
    QFETCH(QStringList, parents);
    QFETCH(QStringList, hidden);
    QFETCH(Coords, point);
    ObjectStore store;
    fileLine(store, "L1", Coords{0, 0, 0, 1, 1, 1});
    fileLine(store, "L2", Coords{1, 1, 1, 1, 0, 0});
    filePlane(store, "S1", Coords{1, 0, 0, 0});
    filePlane(store, "S2", Coords{0, 1, 0, 0});
    filePlane(store, "S3", Coords{-3, 0, 0, 0});
    filePlane(store, "S4", Coords{1, 0, 0, -2});
    const int count = total(store);
    Refusal why = Refusal::WrongKinds;
    QVERIFY(createIntersection(store, args[0].toStdString(), args[1].toStdString(), "I", &why));
    QCOMPARE(why, Refusal::None);
    const SpaceObject* filed = store.find("I");
    QCOMPARE(int(filed->type()), kind);
    QVERIFY(filed->visible);
    QCOMPARE(store.visibleCount(), count + 1);
    QCOMPARE(total(store), count + 1 + hidden.size());
    QCOMPARE(parentNames(filed), parents);
    for (const QString& entry : hidden)
        verifyHidden(store, entry);
    if (kind == 0)
        COMPARE_VEC(coordinates(filed), point[0], point[1], point[2]);
}

void TestConstruction::filedPointLiesOnThePlane() {
    ObjectStore store;
    filePoint(store, "A", 0.3, 0.7, 0.1);
    filePoint(store, "B", 1.1, -0.4, 0.25);
    filePoint(store, "C", -0.6, 0.35, 1.9);
    filePoint(store, "P", 0.11, 0.23, -0.7);
    QVERIFY(createVector(store, 1.0 / 3, 0.2, 0.9, "d"));
    QVERIFY(createSurfaceFromThree(store, "A", "B", "C", "S"));
    QVERIFY(createLine(store, "P", "d", "L"));
    QVERIFY(createIntersection(store, "L", "S", "X"));
    QCOMPARE(int(store.find("X")->type()), 0);
    const IntersectionResult r = intersect(store, "X", "S");
    QCOMPARE(r.head.kind, 7);
    QVERIFY(r.head.visible);
}

void TestConstruction::takenCompanionNamesKeptIntact() {
    ObjectStore store;
    fillOperands(store);
    Vector* u = fileObject(store, "u_S", Vector(7, 7, 7));
    Vector* u2 = fileObject(store, "u_S2", Vector(8, 8, 8));
    Point* v = fileObject(store, "v_S", Point(9, 9, 9));
    Vector* sv = fileObject(store, "L_sv", Vector(5, 5, 5));
    QVERIFY(createSurfaceFromPointAndNormal(store, "D", "W", "S"));
    QVERIFY(createLine(store, "A", "B", "L"));

    QCOMPARE(store.find("u_S"), u);
    QCOMPARE(store.find("u_S2"), u2);
    QCOMPARE(store.find("v_S"), v);
    QCOMPARE(store.find("L_sv"), sv);
    COMPARE_VEC(u->coordinates, 7.0, 7.0, 7.0);
    COMPARE_VEC(v->coordinates, 9.0, 9.0, 9.0);
    COMPARE_VEC(sv->coordinates, 5.0, 5.0, 5.0);
    QVERIFY(u->visible && v->visible && sv->visible);

    QCOMPARE(parentNames(store.find("S")), (QStringList{"v_S2", "u_S3", "D", "W"}));
    QCOMPARE(parentNames(store.find("L")), (QStringList{"L_sv2", "A", "B"}));
    verifyHidden(store, "u_S3=1,0,-1");
    verifyHidden(store, "v_S2=-1,0,-1");
    verifyHidden(store, "L_sv2=2,0,0");
}

// A taken name or an empty intersection files nothing, not even a companion.
void TestConstruction::refusalsLeaveTheStoreAlone_data() {
    QTest::addColumn<QString>("op");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("name");
    QTest::addColumn<Refusal>("why");
    const Refusal taken = Refusal::NameTaken;
    QTest::newRow("line over a line") << "line" << QStringList{"A", "B"} << "M" << taken;
    QTest::newRow("line over a point") << "line" << QStringList{"A", "B"} << "C" << taken;
    QTest::newRow("vector over a plane") << "vector" << QStringList{"A", "B"} << "S1" << taken;
    QTest::newRow("plane over a vector") << "three" << QStringList{"A", "B", "C"} << "V" << taken;
    QTest::newRow("equation over a line") << "equation" << QStringList{"T"} << "M" << taken;
    QTest::newRow("intersection over a plane")
        << "intersection" << QStringList{"S1", "S2"} << "S1" << taken;
    QTest::newRow("intersection over a point")
        << "intersection" << QStringList{"M", "S2"} << "A" << taken;
    QTest::newRow("empty intersection")
        << "intersection" << QStringList{"S2", "S3"} << "I" << Refusal::Degenerate;
    QTest::newRow("intersection of a point and a line")
        << "intersection" << QStringList{"A", "M"} << "I" << Refusal::WrongKinds;
    QTest::newRow("intersection of vectors")
        << "intersection" << QStringList{"V", "W"} << "I" << Refusal::WrongKinds;
    QTest::newRow("intersection with a zero-direction line")
        << "intersection" << QStringList{"O", "S1"} << "I" << Refusal::Degenerate;
}

void TestConstruction::refusalsLeaveTheStoreAlone() {
    QFETCH(QString, op);
    QFETCH(QStringList, args);
    QFETCH(QString, name);
    QFETCH(Refusal, why);
    ObjectStore store;
    fillOperands(store);
    filePlane(store, "S1", Coords{1, 0, 0, 0});
    filePlane(store, "S2", Coords{0, 1, 0, 0});
    filePlane(store, "S3", Coords{0, 2, 0, 4});
    fileObject(store, "O", line());
    const QStringList before = snapshot(store);
    Refusal got = Refusal::None;
    QVERIFY(!construct(store, op, args, 1.0, name.toStdString(), &got));
    QCOMPARE(got, why);
    QCOMPARE(snapshot(store), before);
}

QTEST_APPLESS_MAIN(TestConstruction)
#include "test_construction.moc"

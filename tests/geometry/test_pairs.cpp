#include "doublecompare.h"
#include "storefixture.h"

#include "geometry/construction.h"
#include "geometry/intersection.h"
#include "geometry/measure.h"

#include <QTest>

#include <cmath>

Q_DECLARE_METATYPE(Refusal)

namespace {

constexpr double degrees = 57.29577951308232;
const double any = std::nan(""); // not checked beyond being finite

bool within(const SpaceObject* operand, const vector4D& x) {
    const Point p(x);
    return (operand->type() == L ? pointOnLine(&p, operand) : pointOnSurface(&p, operand)) == 1;
}

// Points of a point, line or plane result.
std::vector<vector4D> samples(const SpaceObject* result) {
    if (result->type() == P)
        return {static_cast<const Point*>(result)->coordinates};
    if (result->type() == L) {
        const auto* l = static_cast<const line*>(result);
        return {l->point.coordinates, l->point.coordinates + l->direction.coordinates * 3.0};
    }
    const auto* s = static_cast<const surface*>(result);
    const vector4D& p = s->point.coordinates;
    return {p, p + s->u.coordinates, p + s->v.coordinates};
}

// Integers must come out exactly.
void compareMeasure(double value, double expected) {
    if (std::isnan(expected))
        QVERIFY(std::isfinite(value));
    else if (expected == std::round(expected))
        COMPARE_EXACT(value, expected);
    else
        COMPARE_CLOSE(value, expected);
}

} // namespace

// What two objects have in common: intersection or relation, angle and distance.
class TestPairs : public QObject {
    Q_OBJECT
private slots:
    // Nearly parallel vectors must give 0 and 180, not NaN nor a stray fraction of a degree.
    void vectorAngles_data() {
        QTest::addColumn<Coords>("a");
        QTest::addColumn<Coords>("b");
        QTest::addColumn<double>("angle");
        QTest::newRow("parallel") << Coords{1, 1, 3} << Coords{2, 2, 6} << 0.0;
        QTest::newRow("parallel, small") << Coords{0.1, 0.1, 0.7} << Coords{0.2, 0.2, 1.4} << 0.0;
        QTest::newRow("opposite") << Coords{1, 1, 3} << Coords{-3, -3, -9} << 180.0;
    }

    void vectorAngles() {
        QFETCH(Coords, a);
        QFETCH(Coords, b);
        QFETCH(double, angle);
        COMPARE_CLOSE(vectorAngle(Vector(a[0], a[1], a[2]), Vector(b[0], b[1], b[2])), angle);
    }

    // Operands as for fileAll, "-" for an unknown name. kind: the intersection's head, the
    // same in either name order; expected: its point (empty: only checked to lie on both),
    // or the truth of a relation (kind 7). 400 is "no angle" or "no distance".
    void pairs_data() {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("kind");
        QTest::addColumn<double>("angle");
        QTest::addColumn<double>("distance");
        QTest::addColumn<Coords>("expected");
        const auto row = [](const char* tag, const QString& a, const QString& b, int kind,
                            double angle, double distance, const Coords& expected = {}) {
            QTest::newRow(tag) << a << b << kind << angle << distance << expected;
        };
        const QString xAxis = "L 0 0 0 1 0 0", ground = "S 0 0 1 0";
        row("coincident lines", xAxis, "L 5 0 0 2 0 0", 2, 0, 0);
        row("opposite parallel lines", xAxis, "L 7 3 4 -2 0 0", -2, 180, 5);
        row("nearly parallel counts as parallel", xAxis, "L 0 1 0 1 1e-6 0", -2, 0, 1);
        row("skew by 0.001", xAxis, "L 0 1 0.001 0 1 0", -2, 90, 0.001);
        row("B's point on A", "L 0 0 0 1 1 0", "L 2 2 0 1 0 0", 0, 45, 0, {2, 2, 0});
        row("crossing lines, fractions", "L 0.1 0.2 0.3 1 0.5 0", "L 0.2 2.55 0.3 0.3 -1 0", 0, any,
            0, {0.8, 0.55, 0.3});
        row("line against the normal", "L 0 0 5 0 0 -1", ground, 0, -90, 0, {0, 0, 0});
        row("line crosses a plane", "L 0 0 0 1 1 1", "S 0 0 1 -2", 0,
            std::asin(1 / std::sqrt(3.0)) * degrees, 0, {2, 2, 2});
        row("line crosses a slanted plane", "L 0.11 0.23 -0.7 0.33333333333333333 0.2 0.9",
            "S 0.3 0.7 0.1 1.1 -0.4 0.25 -0.6 0.35 1.9", 0, any, 0);
        row("line in a plane", "L 0 0 0 1 1 0", ground, 2, 0, 0);
        row("line parallel to a plane", "L 0 0 7 1 1 0", ground, -2, 0, 7);
        row("nearly parallel line inside a plane", "L 0 0 0 1 0 1e-6", ground, 2, 0, 0);
        row("planes, fractions", "S 0.3 -1.7 2.9 0.45", "S 1.25 0.5 -0.75 2.2", 2, any, 0);
        row("planes at 45", "S 1 0 0 0", "S 1 1 0 3", 2, 45, 0);
        row("opposite normals of other lengths", "S 0 0 2 0", "S 0 0 -1 3", -2, 180, 3);
        // Each plane's point lies at another distance from the other plane in the last bits.
        row("parallel normals of other length and sense", "S -1.6 -1.1 2.9 -1.15",
            "S 0.48 0.33 -0.87 -1.42", -2, 180, (1.15 + 1.42 / 0.3) / std::sqrt(12.18));
        row("planes nearly parallel", "S 0 0 1 0", "S 1e-5 0 1 -1000.5", -2, any, any);
        row("lines nearly parallel", "L 0 0 0 1 0 0", "L 0 0 1000.5 1 0 1e-6", -2, 0, any);
        row("opposite normals, same plane", "S 1 1 0 0", "S -2 -2 0 0", 3, 180, 0);

        row("equal points within the tolerance", "P 1 2 3", "P 1.00005 2 3", 7, 400, 0, {1});
        row("different points", "P 1 2 3", "P 1.001 2 3", 7, 400, 0.001, {0});
        row("points nearly 1 apart", "P 0 0 0", "P 0.99999 0 0", 7, 400, 1, {0});
        row("on a slanted line within the tolerance", "P 3.00003 4 5", "L 1 2 3 0.5 0.5 0.5", 7,
            400, 0, {1});
        row("near a slanted line", "P 3.001 4 5", "L 1 2 3 0.5 0.5 0.5", 7, 400,
            0.001 * std::sqrt(2.0 / 3), {0});
        row("off a line, each coordinate within the tolerance", "P 0.00008 0.00008 5",
            "L 0 0 0 0 0 1", 7, 400, 0.00008 * std::sqrt(2.0), {0});
        row("on a plane within the tolerance", "P 1 1 1.00001", "S 1 2 3 -6", 7, 400, 0, {1});
        row("near a plane", "P 1 1 1.001", "S 1 2 3 -6", 7, 400, 0.003 / std::sqrt(14.0), {0});

        const double near60 = 60.00005 / degrees;
        row("unknown name", "P 1 2 3", "-", -1, 400, 400);
        row("point and vector", "P 1 2 3", "V 1 0 0", -1, 400, 400);
        row("vectors within the tolerance of 60", "V 1 0 0",
            QString::asprintf("V %.17g %.17g 0", std::cos(near60), std::sin(near60)), -1, 60, 400);
        row("vector and plane", "V 0 0 -3", ground, -1, -90, 400);
        row("zero vector and plane", "V 0 0 0", ground, -1, 400, 400);
        row("zero-direction line and plane", "L 0 0 0 0 0 0", ground, -1, 400, 400);
        row("zero-normal plane and line", "S 0 0 0 2", xAxis, -1, 400, 400);
        row("point at infinity and plane", "P inf 0 0", ground, -1, 400, 400);
    }

    void pairs() {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, kind);
        QFETCH(double, angle);
        QFETCH(double, distance);
        QFETCH(Coords, expected);
        ObjectStore store;
        fileAll(store, {"A " + a, "B " + b});
        // The order of the operands changes no bit of a measure.
        COMPARE_EXACT(angleBetween(store, "B", "A"), angleBetween(store, "A", "B"));
        COMPARE_EXACT(distanceBetween(store, "B", "A"), distanceBetween(store, "A", "B"));
        for (const auto& [first, second] : {std::pair{"A", "B"}, std::pair{"B", "A"}}) {
            compareMeasure(angleBetween(store, first, second), angle);
            compareMeasure(distanceBetween(store, first, second), distance);
            const IntersectionResult r = intersect(store, first, second);
            if (kind == -1) {
                QCOMPARE(summary(r.head), QString("-1|Err|1|0,0,0"));
                QVERIFY(r.rows.empty());
                continue;
            }
            QCOMPARE(r.head.kind, kind);
            QCOMPARE(r.head.name, std::string("Intersection"));
            QCOMPARE(r.head.visible, kind != 7 || expected[0] == 1);
            QVERIFY(r.head.x == 0 || kind == 0);
            // The operands close the rows, after the result's equations.
            const int equations = kind == 2 ? 1 : kind == 3 ? 2 : 0;
            QCOMPARE(int(r.rows.size()), equations + 2);
            QCOMPARE(r.rows[equations].name, std::string(first));
            QCOMPARE(r.rows[equations].kind, int(store.find(first)->type()));
            QCOMPARE(r.rows[equations + 1].name, std::string(second));
            if (kind == 0 && !expected.isEmpty()) {
                COMPARE_CLOSE(r.head.x, expected[0]);
                COMPARE_CLOSE(r.head.y, expected[1]);
                COMPARE_CLOSE(r.head.z, expected[2]);
            }
        }
        if (kind == -1 || kind == 7)
            return;
        // The constructed result lies on both operands; no common point is refused.
        QCOMPARE(createIntersection(store, "A", "B", "N", nullptr), kind != -2);
        if (kind != -2)
            for (const vector4D& x : samples(store.find("N")))
                QVERIFY(within(store.find("A"), x) && within(store.find("B"), x));
    }

    // Results and intermediate values beyond the range of a double: the queries named in
    // "refusing" give no result and say so; the others still answer.
    void tooLarge_data() {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QStringList>("refusing");
        const auto row = [](const char* tag, const char* a, const char* b,
                            const QStringList& refusing) {
            QTest::newRow(tag) << QString(a) << QString(b) << refusing;
        };
        // n . d overflows: t would come out 0 and the line's own point would be the answer.
        row("line along a huge direction and a plane", "L 1 2 3 1e308 1e308 1e308", "S 1 1 1 0",
            {"intersect"});
        row("lines that meet beyond the range", "L 0 0 0 1 0 0", "L 0 1e306 0 1 -1e-3 0",
            {"intersect"});
        row("planes that meet beyond the range", "S 0 1 0 -1e308", "S 0 5000 1 0", {"intersect"});
        row("points too far apart", "P 1e308 0 0", "P -1e308 0 0", {"distance"});
        row("planes too far apart", "S 1 0 0 -1e308", "S 1 0 0 1e308", {"distance"});
        row("huge directions still have an angle", "L 0 0 0 1e308 1e308 1e308",
            "L 1 0 0 -1e308 1e308 -1e308", {});
    }

    void tooLarge() {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QStringList, refusing);
        ObjectStore store;
        fileAll(store, {"A " + a, "B " + b});
        QCOMPARE(store.count(P) + store.count(L) + store.count(S), 2);
        const auto expected = [&refusing](const char* query) {
            return refusing.contains(query) ? Refusal::TooLarge : Refusal::None;
        };
        for (const auto& [first, second] : {std::pair{"A", "B"}, std::pair{"B", "A"}}) {
            Refusal why = Refusal::WrongKinds;
            const IntersectionResult r = intersect(store, first, second, &why);
            QCOMPARE(why, expected("intersect"));
            QCOMPARE(r.head.kind == intersection::errorKind, why != Refusal::None);
            if (r.head.kind == P)
                QVERIFY(std::isfinite(r.head.x) && std::isfinite(r.head.y) &&
                        std::isfinite(r.head.z));
            why = Refusal::WrongKinds;
            const double distance = distanceBetween(store, first, second, &why);
            QCOMPARE(why, expected("distance"));
            QCOMPARE(distance == noResult, why != Refusal::None);
            QVERIFY(std::isfinite(distance));
            if (store.find(first)->type() == P)
                continue;
            why = Refusal::WrongKinds;
            QVERIFY(std::isfinite(angleBetween(store, first, second, &why)));
            QCOMPARE(why, Refusal::None);
        }
        if (store.count(P) > 0)
            return;
        const bool empty = intersect(store, "A", "B").head.kind == intersection::emptyKind;
        Refusal why = Refusal::None;
        const bool filed = createIntersection(store, "A", "B", "N", &why);
        QCOMPARE(why, empty ? Refusal::NoCommonPoint : expected("intersect"));
        QCOMPARE(filed, why == Refusal::None);
    }

    void wrongKindsGiveNoObject() {
        ObjectStore store;
        fileAll(store, {"P P 1 2 3", "V V 1 0 0", "L L 0 0 0 1 0 0", "S S 0 0 1 0"});
        const SpaceObject *p = store.find("P"), *v = store.find("V"), *l = store.find("L"),
                          *s = store.find("S");
        QVERIFY(!intersectLines(l, p));
        QVERIFY(!intersectLines(nullptr, l));
        QVERIFY(!intersectLineSurface(s, l));
        QVERIFY(!intersectSurfaces(s, v));
        // A vector is not a point, whatever its coordinates.
        QCOMPARE(pointOnLine(v, l), -2);
        QCOMPARE(pointsEqual(p, v), -2);
        QCOMPARE(pointOnSurface(p, l), -2);
        QCOMPARE(pointOnSurface(p, s), 0);
    }
};

QTEST_APPLESS_MAIN(TestPairs)
#include "test_pairs.moc"

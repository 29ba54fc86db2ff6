// SPDX-License-Identifier: GPL-3.0-or-later
#include "doublecompare.h"
#include "storefixture.h"

#include "geometry/intersection.h"
#include "geometry/measure.h"

#include <optional>

namespace {

constexpr double degrees = 57.29577951308232;
const double any = std::nan("");   // not checked beyond being finite
const double none = INFINITY;      // no angle or distance; no measure is infinite
const double tooLarge = -INFINITY; // none, as the numbers would be beyond the range of a double

bool within(const SpaceObject* operand, const vector4D& x) {
    const Point p(x);
    return (operand->type() == L ? pointOnLine(&p, operand) : pointOnSurface(&p, operand))
        .value_or(false);
}

// error, empty, holds, fails, or the kind of the new object.
QString outcomeOf(const IntersectionResult& r) {
    using O = IntersectionResult::Outcome;
    return r.outcome == O::Error      ? "error"
           : r.outcome == O::Empty    ? "empty"
           : r.outcome == O::Relation ? (r.holds ? "holds" : "fails")
                                      : kindName(r.head.kind);
}

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

// Integers exactly.
void compareMeasure(std::optional<double> value, double expected) {
    QCOMPARE(value.has_value(), expected != none && expected != tooLarge);
    if (!value)
        return;
    if (std::isnan(expected))
        QVERIFY(std::isfinite(*value));
    else if (expected == std::round(expected))
        COMPARE_EXACT(*value, expected);
    else
        COMPARE_CLOSE(*value, expected);
}

} // namespace

class TestPairs : public QObject {
    Q_OBJECT
private slots:
    // Operands as for fileAll, "-" for an unknown name; outcome as outcomeOf gives it, or "too
    // large", in either order; expected: the point (empty: only checked to lie on both).
    void pairs_data() {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<double>("angle");
        QTest::addColumn<double>("distance");
        QTest::addColumn<Coords>("expected");
        const auto row = [](const char* tag, const QString& a, const QString& b,
                            const char* outcome, double angle, double distance,
                            const Coords& expected = {}) {
            QTest::newRow(tag) << a << b << QString(outcome) << angle << distance << expected;
        };
        const QString xAxis = "L 0 0 0 1 0 0", ground = "S 0 0 1 0";
        row("coincident lines", xAxis, "L 5 0 0 2 0 0", "line", 0, 0);
        row("opposite parallel lines", xAxis, "L 7 3 4 -2 0 0", "empty", 180, 5);
        row("nearly parallel counts as parallel", xAxis, "L 0 1 0 1 1e-6 0", "empty", 0, 1);
        row("skew by 0.001", xAxis, "L 0 1 0.001 0 1 0", "empty", 90, 0.001);
        row("B's point on A", "L 0 0 0 1 1 0", "L 2 2 0 1 0 0", "point", 45, 0, {2, 2, 0});
        row("crossing lines, fractions", "L 0.1 0.2 0.3 1 0.5 0", "L 0.2 2.55 0.3 0.3 -1 0",
            "point", any, 0, {0.8, 0.55, 0.3});
        row("line against the normal", "L 0 0 5 0 0 -1", ground, "point", -90, 0, {0, 0, 0});
        row("line crosses a plane", "L 0 0 0 1 1 1", "S 0 0 1 -2", "point",
            std::asin(1 / std::sqrt(3.0)) * degrees, 0, {2, 2, 2});
        row("line crosses a slanted plane", "L 0.11 0.23 -0.7 0.33333333333333333 0.2 0.9",
            "S 0.3 0.7 0.1 1.1 -0.4 0.25 -0.6 0.35 1.9", "point", any, 0);
        row("line in a plane", "L 0 0 0 1 1 0", ground, "line", 0, 0);
        row("line parallel to a plane", "L 0 0 7 1 1 0", ground, "empty", 0, 7);
        row("nearly parallel line inside a plane", "L 0 0 0 1 0 1e-6", ground, "line", 0, 0);
        row("planes, fractions", "S 0.3 -1.7 2.9 0.45", "S 1.25 0.5 -0.75 2.2", "line", any, 0);
        row("planes at 45", "S 1 0 0 0", "S 1 1 0 3", "line", 45, 0);
        row("opposite normals of other lengths", "S 0 0 2 0", "S 0 0 -1 3", "empty", 180, 3);
        // Each plane's point lies at another distance from the other plane in the last bits.
        row("parallel normals of other length and sense", "S -1.6 -1.1 2.9 -1.15",
            "S 0.48 0.33 -0.87 -1.42", "empty", 180, (1.15 + 1.42 / 0.3) / std::sqrt(12.18));
        row("planes nearly parallel", "S 0 0 1 0", "S 1e-5 0 1 -1000.5", "empty", any, any);
        row("lines nearly parallel", "L 0 0 0 1 0 0", "L 0 0 1000.5 1 0 1e-6", "empty", 0, any);
        row("opposite normals, same plane", "S 1 1 0 0", "S -2 -2 0 0", "plane", 180, 0);

        row("equal points within the tolerance", "P 1 2 3", "P 1.00005 2 3", "holds", none, 0);
        row("different points", "P 1 2 3", "P 1.001 2 3", "fails", none, 0.001);
        row("points nearly 1 apart", "P 0 0 0", "P 0.99999 0 0", "fails", none, 1);
        // Any finite distance is a result, whatever its value.
        row("points 400 apart", "P 0 0 0", "P 0 400 0", "fails", none, 400);
        row("on a slanted line within the tolerance", "P 3.00003 4 5", "L 1 2 3 0.5 0.5 0.5",
            "holds", none, 0);
        row("near a slanted line", "P 3.001 4 5", "L 1 2 3 0.5 0.5 0.5", "fails", none,
            0.001 * std::sqrt(2.0 / 3));
        row("off a line, each coordinate within the tolerance", "P 0.00008 0.00008 5",
            "L 0 0 0 0 0 1", "fails", none, 0.00008 * std::sqrt(2.0));
        row("on a plane within the tolerance", "P 1 1 1.00001", "S 1 2 3 -6", "holds", none, 0);
        row("near a plane", "P 1 1 1.001", "S 1 2 3 -6", "fails", none, 0.003 / std::sqrt(14.0));

        const double near60 = 60.00005 / degrees;
        row("unknown name", "P 1 2 3", "-", "error", none, none);
        row("point and vector", "P 1 2 3", "V 1 0 0", "error", none, none);
        // Nearly parallel vectors give 0 and 180, not NaN nor a stray fraction of a degree.
        row("parallel vectors", "V 1 1 3", "V 2 2 6", "error", 0, none);
        row("parallel short vectors", "V 0.1 0.1 0.7", "V 0.2 0.2 1.4", "error", 0, none);
        row("opposite vectors", "V 1 1 3", "V -3 -3 -9", "error", 180, none);
        row("zero vector", "V 1 1 3", "V 0 0 0", "error", none, none);
        row("vectors within the tolerance of 60", "V 1 0 0",
            QString::asprintf("V %.17g %.17g 0", std::cos(near60), std::sin(near60)), "error", 60,
            none);
        row("vector and plane", "V 0 0 -3", ground, "error", -90, none);
        row("zero vector and plane", "V 0 0 0", ground, "error", none, none);
        row("zero-direction line and plane", "L 0 0 0 0 0 0", ground, "error", none, none);
        row("zero-normal plane and line", "S 0 0 0 2", xAxis, "error", none, none);
        row("point at infinity and plane", "P inf 0 0", ground, "error", none, none);

        // n . d overflows: t would come out 0 and the line's own point would be the answer.
        row("line along a huge direction and a plane", "L 1 2 3 1e308 1e308 1e308", "S 1 1 1 0",
            "too large", any, any);
        row("lines that meet beyond the range", xAxis, "L 0 1e306 0 1 -1e-3 0", "too large", any,
            any);
        row("planes that meet beyond the range", "S 0 1 0 -1e308", "S 0 5000 1 0", "too large", any,
            any);
        row("points too far apart", "P 1e308 0 0", "P -1e308 0 0", "fails", none, tooLarge);
        row("planes too far apart", "S 1 0 0 -1e308", "S 1 0 0 1e308", "empty", any, tooLarge);
        row("huge directions still have an angle", "L 0 0 0 1e308 1e308 1e308",
            "L 1 0 0 -1e308 1e308 -1e308", "empty", any, any);
    }

    void pairs() {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QString, outcome);
        QFETCH(double, angle);
        QFETCH(double, distance);
        QFETCH(Coords, expected);
        ObjectStore store;
        fileAll(store, {"A " + a, "B " + b});
        // The order of the operands changes no bit of a measure.
        COMPARE_EXACT(angleBetween(store, "B", "A").value_or(none),
                      angleBetween(store, "A", "B").value_or(none));
        COMPARE_EXACT(distanceBetween(store, "B", "A").value_or(none),
                      distanceBetween(store, "A", "B").value_or(none));
        for (const auto& [first, second] : {std::pair{"A", "B"}, std::pair{"B", "A"}}) {
            Refusal far = Refusal::None, why = Refusal::None;
            compareMeasure(angleBetween(store, first, second), angle);
            compareMeasure(distanceBetween(store, first, second, &far), distance);
            QCOMPARE(far == Refusal::TooLarge, distance == tooLarge);
            const IntersectionResult r = intersect(store, first, second, &why);
            QCOMPARE(why == Refusal::TooLarge ? "too large" : outcomeOf(r), outcome);
            QCOMPARE(r.outcome == IntersectionResult::Outcome::Error, why != Refusal::None);
            if (r.outcome == IntersectionResult::Outcome::Error) {
                QCOMPARE(summary(r.head), QString("none|Err|1|0,0,0"));
                QVERIFY(r.rows.empty());
                continue;
            }
            QCOMPARE(r.head.name, std::string("Intersection"));
            QVERIFY(r.head.x == 0 || outcome == "point");
            // The operands close the rows, after the result's equations.
            const int equations = outcome == "line" ? 1 : outcome == "plane" ? 2 : 0;
            QCOMPARE(int(r.rows.size()), equations + 2);
            QCOMPARE(r.rows[equations].name, std::string(first));
            QCOMPARE(kindName(r.rows[equations].kind), kindName(store.find(first)->type()));
            QCOMPARE(r.rows[equations + 1].name, std::string(second));
            if (outcome == "point" && !expected.isEmpty()) {
                COMPARE_CLOSE(r.head.x, expected[0]);
                COMPARE_CLOSE(r.head.y, expected[1]);
                COMPARE_CLOSE(r.head.z, expected[2]);
            }
        }
        if (outcome == "error" || outcome == "holds" || outcome == "fails")
            return;
        // The constructed result lies on both operands; no common point is refused.
        Refusal why = Refusal::None;
        const bool filed = createIntersection(store, "A", "B", "N", &why);
        QCOMPARE(filed, why == Refusal::None);
        QCOMPARE(why, outcome == "empty"       ? Refusal::NoCommonPoint
                      : outcome == "too large" ? Refusal::TooLarge
                                               : Refusal::None);
        if (why == Refusal::None)
            for (const vector4D& x : samples(store.find("N")))
                QVERIFY(within(store.find("A"), x) && within(store.find("B"), x));
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
        QVERIFY(!pointOnLine(v, l));
        QVERIFY(!pointsEqual(p, v));
        QVERIFY(!pointOnSurface(p, l));
        QCOMPARE(pointOnSurface(p, s), std::optional<bool>(false));
    }
};

QTEST_APPLESS_MAIN(TestPairs)
#include "test_pairs.moc"

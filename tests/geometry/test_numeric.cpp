#include "doublecompare.h"

#include "geometry/numberformat.h"
#include "geometry/numeric.h"
#include "geometry/vector4d.h"

#include <QTest>

#include <cmath>
#include <cstdio>
#include <limits>
#include <unistd.h>

class TestNumeric : public QObject {
    Q_OBJECT
private slots:
    void snapping_data();
    void snapping();
    void tolerance_data();
    void tolerance();
    void divisors_data();
    void divisors();
    void simplification_data();
    void simplification();
    void snappedArithmetic();
    void crossProductSnapsToZero();
    void lengthsAndAngles();
    void divisionByZero();
    void joinTextConcatenates();
    void numberFormat_data();
    void numberFormat();
};

void TestNumeric::snapping_data() {
    QTest::addColumn<double>("in");
    QTest::addColumn<double>("out");
    QTest::newRow("just below 3") << 2.99995 << 3.0;
    QTest::newRow("just above -2") << -2.00005 << -2.0;
    QTest::newRow("near -1") << -0.99999 << -1.0;
    QTest::newRow("half stays") << 2.5 << 2.5;
    QTest::newRow("tiny positive") << 0.00005 << 0.0;
    QTest::newRow("tiny negative keeps sign") << -0.00005 << -0.0;
    QTest::newRow("integer") << -3.0 << -3.0;
    QTest::newRow("non-integer negative") << -2.4 << -2.4;
    QTest::newRow("exactly tolerance above is kept") << 2.0001 << 2.0001;
    QTest::newRow("0.30000000000000004 untouched") << 0.30000000000000004 << 0.30000000000000004;
}

void TestNumeric::snapping() {
    QFETCH(double, in);
    QFETCH(double, out);
    COMPARE_EXACT(snapToInteger(in), out);
}

void TestNumeric::tolerance_data() {
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<bool>("equal");
    QTest::newRow("inside") << 0.0 << 0.00009 << true;
    QTest::newRow("boundary is outside") << 0.0 << 0.0001 << false;
    QTest::newRow("negative side") << -1.0 << -1.00009 << true;
    QTest::newRow("nan") << std::nan("") << 0.0 << false;
    QTest::newRow("nan both") << std::nan("") << std::nan("") << false;
}

void TestNumeric::tolerance() {
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(bool, equal);
    QCOMPARE(nearlyEqual(a, b), equal);
}

void TestNumeric::divisors_data() {
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("gcd");
    QTest::newRow("2,4") << 2.0 << 4.0 << 2.0;
    QTest::newRow("0.5,1") << 0.5 << 1.0 << 0.5;
    QTest::newRow("0,0") << 0.0 << 0.0 << 0.0;
    QTest::newRow("0,3") << 0.0 << 3.0 << 3.0;
    QTest::newRow("12,18") << 12.0 << 18.0 << 6.0;
}

void TestNumeric::divisors() {
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, gcd);
    COMPARE_CLOSE(commonDivisor(a, b), gcd);
    COMPARE_CLOSE(commonDivisor(b, a), gcd);
    // Three values: order does not matter, near-zero triples give 1.
    COMPARE_CLOSE(commonDivisor(a, b, gcd), gcd == 0.0 ? 1.0 : gcd);
    COMPARE_CLOSE(commonDivisor(gcd, b, a), gcd == 0.0 ? 1.0 : gcd);
}

void TestNumeric::simplification_data() {
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("z");
    QTest::addColumn<double>("ex");
    QTest::addColumn<double>("ey");
    QTest::addColumn<double>("ez");
    QTest::addColumn<double>("factor");
    QTest::newRow("2,4,6") << 2.0 << 4.0 << 6.0 << 1.0 << 2.0 << 3.0 << 2.0;
    QTest::newRow("halves") << 0.5 << 1.0 << 1.5 << 1.0 << 2.0 << 3.0 << 0.5;
    QTest::newRow("negative z") << 0.0 << 0.0 << -2.0 << 0.0 << 0.0 << -1.0 << 2.0;
    QTest::newRow("zero stays") << 0.0 << 0.0 << 0.0 << 0.0 << 0.0 << 0.0 << 1.0;
    QTest::newRow("mixed signs") << -4.0 << 6.0 << 0.0 << -2.0 << 3.0 << 0.0 << 2.0;
    QTest::newRow("huge scaled down") << 2000000.0 << 1.0 << 0.0 << 20.0 << 0.00001 << 0.0
                                      << 100000.0;
    QTest::newRow("huge negative not scaled")
        << -2000000.0 << 1.0 << 0.0 << -2000000.0 << 1.0 << 0.0 << 1.0;
}

void TestNumeric::simplification() {
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(double, z);
    QFETCH(double, ex);
    QFETCH(double, ey);
    QFETCH(double, ez);
    QFETCH(double, factor);
    vector4D v(x, y, z, 7.0);
    const double applied = v.simplify();
    COMPARE_CLOSE(applied, factor);
    COMPARE_VEC(v, ex, ey, ez);
    COMPARE_EXACT(v.w(), 7.0);
}

void TestNumeric::snappedArithmetic() {
    const vector4D a(1, 2, 3, 0);
    const vector4D zero = a - a;
    COMPARE_EXACT(zero.x(), 0.0);
    COMPARE_EXACT(zero.z(), 0.0);
    const vector4D s = vector4D(0.30000000000000004, 0, 0, 0) + vector4D();
    COMPARE_EXACT(s.x(), 0.30000000000000004);
    const vector4D near = vector4D(1.99999, 0.5, -0.99999, 1) + vector4D(0, 0, 0, 0.99999);
    COMPARE_EXACT(near.x(), 2.0);
    COMPARE_EXACT(near.y(), 0.5);
    COMPARE_EXACT(near.z(), -1.0);
    COMPARE_EXACT(near.w(), 2.0);
    // Scaling does not snap.
    COMPARE_EXACT((vector4D(0.99999, 0, 0) * 1.0).x(), 0.99999);
    COMPARE_CLOSE(dot(vector4D(1, 2, 3), vector4D(4, -5, 6)), 12.0);
}

void TestNumeric::crossProductSnapsToZero() {
    const vector4D a(0.1, 0.1, 0.3, 5.0);
    const vector4D b(0.30000000000000004, 0.30000000000000004, 0.8999999999999999, 5.0);
    const vector4D c = cross(a, b);
    COMPARE_EXACT(std::fabs(c.x()), 0.0);
    COMPARE_EXACT(c.y(), 0.0);
    COMPARE_EXACT(c.z(), 0.0);
    COMPARE_EXACT(c.w(), 0.0);
    const vector4D k = cross(vector4D(1, 0, 0), vector4D(0, 1, 0));
    COMPARE_VEC(k, 0.0, 0.0, 1.0);
}

void TestNumeric::lengthsAndAngles() {
    COMPARE_EXACT(length(vector4D(3, 4, 0)), 5.0);
    COMPARE_EXACT(length(vector4D(1, 1, 0)), 1.4142135623730951);
    COMPARE_CLOSE(angle(vector4D(1, 0, 0), vector4D(0, 1, 0)), M_PI / 2);
    QVERIFY(std::isnan(angle(vector4D(), vector4D(1, 0, 0))));
    vector4D n(0, 3, 4, 2);
    n.normalise();
    COMPARE_VEC(n, 0.0, 0.6, 0.8);
    COMPARE_EXACT(n.w(), 2.0);
}

void TestNumeric::divisionByZero() {
    // The message goes to standard output: capture it through a pipe.
    int fds[2];
    QCOMPARE(pipe(fds), 0);
    fflush(stdout);
    const int saved = dup(STDOUT_FILENO);
    dup2(fds[1], STDOUT_FILENO);
    const vector4D a = vector4D(1, 2, 3, 4) / 0.0;
    const vector4D b = vector4D(1, 2, 3, 4) / -0.0;
    const vector4D tiny = vector4D(1, 2, 3, 4) / 1e-300;
    fflush(stdout);
    dup2(saved, STDOUT_FILENO);
    close(saved);
    close(fds[1]);
    char buffer[256] = {};
    const ssize_t n = read(fds[0], buffer, sizeof buffer - 1);
    close(fds[0]);
    QCOMPARE(QByteArray(buffer, int(n)), QByteArray("vector4D delenie nulou. Vraciam novy vektor.\n"
                                                    "vector4D delenie nulou. Vraciam novy vektor.\n"));
    COMPARE_VEC(a, 0.0, 0.0, 0.0);
    COMPARE_EXACT(b.w(), 0.0);
    QVERIFY(tiny.x() > 1e299);
}

void TestNumeric::joinTextConcatenates() {
    QCOMPARE(joinText("u_", "S1"), std::string("u_S1"));
    QCOMPARE(joinText("L", "_sv"), std::string("L_sv"));
}

void TestNumeric::numberFormat_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("integer") << 3.0 << "3";
    QTest::newRow("negative integer") << -2.0 << "-2";
    QTest::newRow("half") << -0.5 << "-0.5";
    QTest::newRow("third") << 1.0 / 3 << "0.333333";
    QTest::newRow("six digits") << 0.123456789 << "0.123457";
    QTest::newRow("small exponent") << 0.00001 << "1e-005";
    QTest::newRow("large exponent") << 1234567.0 << "1.23457e+006";
    QTest::newRow("million") << 1e6 << "1e+006";
    QTest::newRow("three-digit exponent") << 1e-300 << "1e-300";
    QTest::newRow("below exponent threshold") << 123456.0 << "123456";
    QTest::newRow("negative zero") << -0.0 << "-0";
}

void TestNumeric::numberFormat() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(formatNumber(value)), text);
}

QTEST_APPLESS_MAIN(TestNumeric)
#include "test_numeric.moc"

#include "doublecompare.h"
#include "storefixture.h"

#include "geometry/numeric.h"
#include "geometry/vector4d.h"

#include <QTest>

#include <unistd.h>

class TestNumeric : public QObject {
    Q_OBJECT
private slots:
    void snapping_data() {
        QTest::addColumn<double>("in");
        QTest::addColumn<double>("out");
        QTest::newRow("just below 3") << 2.99995 << 3.0;
        QTest::newRow("just above -2") << -2.00005 << -2.0;
        QTest::newRow("tiny negative keeps sign") << -0.00005 << -0.0;
        QTest::newRow("half stays") << 2.5 << 2.5;
        QTest::newRow("exactly tolerance above is kept") << 2.0001 << 2.0001;
        QTest::newRow("0.30000000000000004 untouched")
            << 0.30000000000000004 << 0.30000000000000004;
    }

    void snapping() {
        QFETCH(double, in);
        QFETCH(double, out);
        COMPARE_EXACT(snapToInteger(in), out);
    }

    // in: x, y, z; out: x, y, z and the factor divided by. w is never touched.
    void simplification_data() {
        QTest::addColumn<Coords>("in");
        QTest::addColumn<Coords>("out");
        QTest::newRow("12,18,6") << Coords{12, 18, 6} << Coords{2, 3, 1, 6};
        QTest::newRow("halves") << Coords{0.5, 1, 1.5} << Coords{1, 2, 3, 0.5};
        QTest::newRow("one non-zero") << Coords{0, 0, -2} << Coords{0, 0, -1, 2};
        QTest::newRow("mixed signs") << Coords{-4, 6, 0} << Coords{-2, 3, 0, 2};
        QTest::newRow("zero stays") << Coords{0, 0, 0} << Coords{0, 0, 0, 1};
        QTest::newRow("huge scaled down") << Coords{2e6, 1, 0} << Coords{20, 1e-5, 0, 1e5};
        QTest::newRow("huge negative not scaled") << Coords{-2e6, 1, 0} << Coords{-2e6, 1, 0, 1};
    }

    void simplification() {
        QFETCH(Coords, in);
        QFETCH(Coords, out);
        vector4D v(in[0], in[1], in[2], 7.0);
        const double factor = v.simplify();
        COMPARE_CLOSE(factor, out[3]);
        COMPARE_VEC(v, out[0], out[1], out[2]);
        COMPARE_EXACT(v.w(), 7.0);
    }

    // Sums, differences and cross products snap to integers; scaling does not.
    void arithmetic_data() {
        QTest::addColumn<char>("op");
        QTest::addColumn<Coords>("a");
        QTest::addColumn<Coords>("b");
        QTest::addColumn<Coords>("result");
        QTest::newRow("sum") << '+' << Coords{1.99999, 0.5, -0.99999, 1} << Coords{0, 0, 0, 0.99999}
                             << Coords{2, 0.5, -1, 2};
        QTest::newRow("difference")
            << '-' << Coords{3.00002, 0.1, 0, 0} << Coords{1, 0, 0, 0} << Coords{2, 0.1, 0, 0};
        QTest::newRow("scaling") << '*' << Coords{0.99999, 0, 0, 0} << Coords{1}
                                 << Coords{0.99999, 0, 0, 0};
        QTest::newRow("cross of nearly parallel vectors")
            << 'x' << Coords{0.1, 0.1, 0.3, 5}
            << Coords{0.30000000000000004, 0.30000000000000004, 0.8999999999999999, 5}
            << Coords{0, 0, 0, 0};
    }

    void arithmetic() {
        QFETCH(char, op);
        QFETCH(Coords, a);
        QFETCH(Coords, b);
        QFETCH(Coords, result);
        const vector4D p(a[0], a[1], a[2], a[3]);
        const vector4D q = b.size() == 4 ? vector4D(b[0], b[1], b[2], b[3]) : vector4D();
        const vector4D r = op == '+'   ? p + q
                           : op == '-' ? p - q
                           : op == '*' ? p * b[0]
                                       : cross(p, q);
        const double got[] = {r.x(), r.y(), r.z(), r.w()};
        for (int i = 0; i < 4; ++i)
            QVERIFY2(got[i] == result[i],
                     qPrintable(QString("component %1 is %2").arg(i).arg(got[i], 0, 'g', 17)));
    }

    void divisionByZero() {
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
        const QByteArray line = "vector4D delenie nulou. Vraciam novy vektor.\n";
        QCOMPARE(QByteArray(buffer, int(n)), line + line);
        COMPARE_VEC(a, 0.0, 0.0, 0.0);
        COMPARE_EXACT(b.w(), 0.0);
        QVERIFY(tiny.x() > 1e299);
    }
};

QTEST_APPLESS_MAIN(TestNumeric)
#include "test_numeric.moc"

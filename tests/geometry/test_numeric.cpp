// SPDX-License-Identifier: GPL-3.0-or-later
#include "doublecompare.h"
#include "storefixture.h"

#include "geometry/description.h"
#include "geometry/numberformat.h"
#include "geometry/numeric.h"
#include "geometry/vector4d.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <clocale>
#include <locale>
#include <stdexcept>

class TestNumeric : public QObject {
    Q_OBJECT
    QTemporaryDir locales;
    std::locale czech = std::locale::classic();
    bool hasCzech = false;

private slots:
    // A Czech locale writes a decimal comma; compiled here when the system has none.
    void initTestCase() {
        if (!std::setlocale(LC_NUMERIC, "cs_CZ.UTF-8")) {
            QProcess::execute("localedef",
                              {"-i", "cs_CZ", "-f", "UTF-8", locales.filePath("cs_CZ.UTF-8")});
            qputenv("LOCPATH", QFile::encodeName(locales.path()));
        }
        std::setlocale(LC_NUMERIC, "C");
        try {
            czech = std::locale("cs_CZ.UTF-8");
        } catch (const std::runtime_error&) {
            return;
        }
        hasCzech = true;
        QCOMPARE(std::use_facet<std::numpunct<char>>(czech).decimal_point(), ',');
    }

    // Within the tolerance of an integer, a coordinate snaps to it, keeping a zero's sign.
    void snapping() {
        const double cases[][2] = {
            {2.99995, 3}, {-2.00005, -2}, {-0.00005, -0.0}, {2.0001, 2.0001}};
        for (const auto& [in, out] : cases)
            COMPARE_EXACT(snapToInteger(in), out);
    }

    // in: x, y, z; out: x, y, z and the factor divided by. w is never touched.
    void simplification_data() {
        QTest::addColumn<Coords>("in");
        QTest::addColumn<Coords>("out");
        QTest::newRow("12,18,6") << Coords{12, 18, 6} << Coords{2, 3, 1, 6};
        QTest::newRow("halves") << Coords{0.5, 1, 1.5} << Coords{1, 2, 3, 0.5};
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
    void arithmetic() {
        const auto exactly = [](const vector4D& r, double x, double y, double z, double w) {
            QVERIFY2(r.x() == x && r.y() == y && r.z() == z && r.w() == w,
                     qPrintable(
                         QString::asprintf("%.17g %.17g %.17g %.17g", r.x(), r.y(), r.z(), r.w())));
        };
        exactly(vector4D(1.99999, 0.5, -0.99999, 1) + vector4D(0, 0, 0, 0.99999), 2, 0.5, -1, 2);
        exactly(vector4D(3.00002, 0.1, 0, 0) - vector4D(1, 0, 0, 0), 2, 0.1, 0, 0);
        exactly(vector4D(0.99999, 0, 0, 0) * 1.0, 0.99999, 0, 0, 0);
        // Nearly parallel vectors: no stray component to take for a direction.
        exactly(cross(vector4D(0.1, 0.1, 0.3, 5),
                      vector4D(0.30000000000000004, 0.30000000000000004, 0.8999999999999999, 5)),
                0, 0, 0, 0);
    }

    // Division by zero gives the zero vector instead of infinities.
    void divisionByZero() {
        COMPARE_VEC(vector4D(1, 2, 3, 4) / 0.0, 0.0, 0.0, 0.0);
        COMPARE_EXACT((vector4D(1, 2, 3, 4) / -0.0).w(), 0.0);
        QVERIFY((vector4D(1, 2, 3, 4) / 1e-300).x() > 1e299);
    }

    // form: line (point, direction), parametric (point, u, v), general (normal, d), number.
    void texts_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<Coords>("c");
        QTest::addColumn<QString>("text");
        const auto row = [](const char* tag, const char* form, const Coords& c, const char* text) {
            QTest::newRow(tag) << form << c << text;
        };
        row("line, zero axes as 0, negative zeros too", "line", {-0.0, 2, 0, -0.0, 0, -0.0},
            "{x= 0; y= 2; z= 0; }");
        row("line, fractions", "line", {0.5, 1.0 / 3, 0, -0.25, 0, 2},
            "{x= 0.5 -0.25k; y= 0.333333; z= +2k; }");
        row("line, exponents", "line", {1e6, -1.5e-5, 0, 0, 1234567, 0},
            "{x= 1e+006; y= -1.5e-005 +1.23457e+006k; z= 0; }");
        row("parametric: v is k, u is l", "parametric", {2, 0, -3, -1, 1, 0, -1, -1, 0},
            "{x= 2 -1k -1l; y= -1k +1l; z= -3; }");
        row("parametric, zero axis as 0", "parametric", {0, 0, 0, -1, 1, 0, -1, -1, 0},
            "{x= -1k -1l; y= -1k +1l; z= 0; }");
        row("line, all zero", "line", {0, 0, 0, 0, 0, 0}, "{}");
        row("general", "general", {1, 2, -3, 4}, "1x +2y -3z +4 = 0");
        row("general, x only, two spaces", "general", {2, 0, 0, 0}, "2x  = 0");
        row("general, negative x", "general", {-1.5, 0, 0, 2}, "-1.5x +2 = 0");
        row("general, negative zeros", "general", {-0.0, -0.0, 1, -0.0}, "+1z  = 0");
        row("below the exponent threshold", "number", {123456}, "123456");
        row("three-digit exponent", "number", {1e-300}, "1e-300");
        row("negative zero", "number", {-0.0}, "-0");
    }

    // The same text under the classic and the Czech locale.
    void texts() {
        QFETCH(QString, form);
        QFETCH(Coords, c);
        QFETCH(QString, text);
        const auto write = [&] {
            const auto at = [&c](int i) { return Vector(c[i], c[i + 1], c[i + 2]); };
            std::string out;
            if (form == "line")
                out = lineEquation(at(0), at(3));
            else if (form == "parametric")
                out = planeParametricEquation(at(0), at(3), at(6));
            else if (form == "general")
                out = planeGeneralEquation(at(0), c[3]);
            else
                out = formatNumber(c[0]);
            return QString::fromStdString(out);
        };
        QCOMPARE(write(), text);
        if (!hasCzech)
            QSKIP("no Czech locale, and localedef could not make one");
        std::locale::global(czech);
        const QString underCzech = write();
        std::locale::global(std::locale::classic());
        QCOMPARE(underCzech, text);
    }
};

QTEST_APPLESS_MAIN(TestNumeric)
#include "test_numeric.moc"

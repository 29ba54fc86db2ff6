#include "storefixture.h"

#include "geometry/description.h"
#include "geometry/numberformat.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <clocale>
#include <locale>
#include <stdexcept>

class TestDescription : public QObject {
    Q_OBJECT
    QTemporaryDir locales;
    std::locale czech = std::locale::classic();
    bool hasCzech = false;

private slots:
    // The window's process takes its locale from the environment; a Czech one writes a decimal
    // comma. It is compiled into a temporary folder when the system has none installed.
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

    // form: line (point, direction), parametric (point, u, v), general (normal, d), number.
    void texts_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<Coords>("c");
        QTest::addColumn<QString>("text");
        const auto row = [](const char* tag, const char* form, const Coords& c, const char* text) {
            QTest::newRow(tag) << form << c << text;
        };
        row("line", "line", {1, 0, -2, 0, 3, -1}, "{x= 1; y= +3k; z= -2 -1k; }");
        row("line, all zero", "line", {0, 0, 0, 0, 0, 0}, "{}");
        row("line, negative zeros left out", "line", {-0.0, 2, 0, -0.0, 0, -0.0}, "{y= 2; }");
        row("line, fractions", "line", {0.5, 1.0 / 3, 0, -0.25, 0, 2},
            "{x= 0.5 -0.25k; y= 0.333333; z= +2k; }");
        row("line, exponents", "line", {1e6, -1.5e-5, 0, 0, 1234567, 0},
            "{x= 1e+006; y= -1.5e-005 +1.23457e+006k; }");
        row("parametric", "parametric", {0, 0, 0, -1, 1, 0, -1, -1, 0},
            "{x= -1k -1l; y= -1k +1l; }");
        row("parametric, one term per axis", "parametric", {2, 0, -3, 0, 4, 0, 1, 0, 0},
            "{x= 2 +1k; y= +4l; z= -3; }");
        row("general", "general", {1, 2, -3, 4}, "1x +2y -3z +4 = 0");
        row("general, x only, two spaces", "general", {2, 0, 0, 0}, "2x  = 0");
        row("general, negative x", "general", {-1.5, 0, 0, 2}, "-1.5x +2 = 0");
        row("general, all zero", "general", {0, 0, 0, 0}, " = 0");
        row("general, negative zeros", "general", {-0.0, -0.0, 1, -0.0}, "+1z  = 0");
        row("general, exponents", "general", {0, 2e7, 0, -3e-7}, "+2e+007y -3e-007 = 0");
        row("six significant digits", "number", {0.123456789}, "0.123457");
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

QTEST_APPLESS_MAIN(TestDescription)
#include "test_description.moc"

#include "session/sessionreader.h"
#include "session/sessionwriter.h"

#include "doublecompare.h"
#include "sessiontesthelpers.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <clocale>
#include <cmath>
#include <limits>

class TestSessionWriter : public QObject {
    Q_OBJECT

    QString path(const QTemporaryDir& dir, const char* name) const {
        return dir.filePath(QString::fromLatin1(name));
    }

    // What writeSession puts into a file for this store.
    QByteArray saved(const ObjectStore& store) {
        QTemporaryDir dir;
        const QString file = path(dir, "s.zdr");
        if (!writeSession(store, local(file)))
            return "(save failed)";
        return readBytes(file);
    }

private slots:
    void emptyStoreWritesEmptyFile() {
        ObjectStore store;
        QTemporaryDir dir;
        const QString file = path(dir, "empty.zdr");
        QVERIFY(writeSession(store, local(file)));
        QVERIFY(QFileInfo::exists(file));
        QCOMPARE(QFileInfo(file).size(), 0);
    }

    void linesInKindAndByteOrder() {
        ObjectStore store;
        Point* a = addPoint(store, "A", 1, 2, 3);
        Vector* w = addVector(store, "w", 1, -1, 0.5);
        addLine(store, "L", *a, *w, {a, w});
        addPoint(store, "a", 0, 0, 0, false);
        addPoint(store, "A10", -2, 0, 0);
        addPoint(store, "A2", 0, -0.0, 7);
        addPoint(store, "\xc4\x8d", 0, 0, 0); // č sorts after every ASCII name
        QCOMPARE(saved(store), QByteArray("$$0$$1$$A$$1$$2$$3$$0$$\n"
                                          "$$0$$1$$A10$$-2$$0$$0$$0$$\n"
                                          "$$0$$1$$A2$$0$$-0$$7$$0$$\n"
                                          "$$0$$0$$a$$0$$0$$0$$0$$\n"
                                          "$$0$$1$$\xc4\x8d$$0$$0$$0$$0$$\n"
                                          "$$1$$1$$w$$1$$-1$$0.5$$0$$\n"
                                          "$$2$$1$$L$$2$$A-$$w-$$\n"));
    }

    void numberFormat_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("six significant digits") << 0.123456789 << QByteArray("0.123457");
        QTest::newRow("small exponent") << 0.00001 << QByteArray("1e-005");
        QTest::newRow("large exponent") << 1234567.0 << QByteArray("1.23457e+006");
        QTest::newRow("integer") << -2.0 << QByteArray("-2");
        QTest::newRow("negative zero") << -0.0 << QByteArray("-0");
    }

    void numberFormat() {
        QFETCH(double, value);
        QFETCH(QByteArray, text);
        ObjectStore store;
        addVector(store, "v", value, 0, 0);
        QCOMPARE(saved(store), "$$1$$1$$v$$" + text + "$$0$$0$$0$$\n");
    }

    // A vector parent along the plane's normal is marked 'n', whatever its length or sense.
    void normalMarker_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<double>("z");
        QTest::addColumn<char>("marker");
        QTest::newRow("equal") << 1.0 << 2.0 << 3.0 << 'n';
        QTest::newRow("longer") << 2.0 << 4.0 << 6.0 << 'n';
        QTest::newRow("opposite") << -0.5 << -1.0 << -1.5 << 'n';
        QTest::newRow("within tolerance") << 1.0 << 2.0 << 3.0001 << 'n';
        QTest::newRow("beyond tolerance") << 1.0 << 2.0 << 3.001 << '-';
        QTest::newRow("other direction") << 1.0 << 2.0 << 4.0 << '-';
        QTest::newRow("zero vector") << 0.0 << 0.0 << 0.0 << '-';
        QTest::newRow("huge along normal") << 1e300 << 2e300 << 3e300 << 'n';
    }

    void normalMarker() {
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(double, z);
        QFETCH(char, marker);
        ObjectStore store;
        Point* p = addPoint(store, "P", -4, 0, 0);
        Vector* a = addVector(store, "a", -4, -1, 2);
        Vector* b = addVector(store, "b", -1, 2, -1);
        Vector* n = addVector(store, "n", x, y, z);
        addPlane(store, "E", Vector(1, 2, 3), *p, {a, b, p, n});
        addLine(store, "L", *p, *a, {a, p});
        const QByteArray text = saved(store);
        QVERIFY2(text.contains("$$3$$1$$E$$4$$a-$$b-$$P-$$n" + QByteArray(1, marker) + "$$\n"),
                 text.constData());
        QVERIFY(text.contains("$$2$$1$$L$$2$$a-$$P-$$\n"));
    }

    // The plane of a point and a normal (2, 4, 6) flips its normal on every load; the
    // files stay the same and the plane stays the same set of points.
    void planeKeepsShapeOverSavesAndLoads() {
        ObjectStore store;
        Point* p = addPoint(store, "P", -4, 0, 0);
        Vector* n = addVector(store, "N", 2, 4, 6);
        surface* e = addPlane(store, "E", *n, *p, {});
        Vector* v = addVector(store, "v_E", e->v.coordinates.x(), e->v.coordinates.y(),
                              e->v.coordinates.z(), false);
        Vector* u = addVector(store, "u_E", e->u.coordinates.x(), e->u.coordinates.y(),
                              e->u.coordinates.z(), false);
        e->parents = {v, u, p, n};

        QTemporaryDir dir;
        const QByteArray first = saved(store);
        QVERIFY(first.contains("$$E$$4$$v_E-$$u_E-$$P-$$Nn$$"));
        QByteArray previous = first;
        for (int round = 0; round < 3; ++round) {
            const QString file = path(dir, "again.zdr");
            QVERIFY(writeBytes(file, previous));
            ObjectStore loaded;
            QVERIFY(readSession(loaded, local(file)));
            const auto* plane = static_cast<const surface*>(loaded.find("E"));
            // Same plane x + 2y + 3z + 4 = 0, whichever sign the normal has.
            const double k = plane->normal.coordinates.x();
            QVERIFY(k != 0.0);
            COMPARE_VEC(plane->normal.coordinates, k, 2 * k, 3 * k);
            COMPARE_CLOSE(plane->d, 4 * k);
            previous = saved(loaded);
            QCOMPARE(previous, first);
        }
    }

    void unsaveableStoreKeepsOldFile_data() {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<double>("x");
        const double nan = std::numeric_limits<double>::quiet_NaN();
        const double inf = std::numeric_limits<double>::infinity();
        QTest::newRow("nan coordinate") << QByteArray("A") << nan;
        QTest::newRow("infinite coordinate") << QByteArray("A") << -inf;
        QTest::newRow("separator in name") << QByteArray("A$$B") << 1.0;
        QTest::newRow("line break in name") << QByteArray("A\nB") << 1.0;
        QTest::newRow("name ending in dollar") << QByteArray("A$") << 1.0;
    }

    void unsaveableStoreKeepsOldFile() {
        QFETCH(QByteArray, name);
        QFETCH(double, x);
        QTemporaryDir dir;
        const QString file = path(dir, "keep.zdr");
        const QByteArray old = "$$0$$1$$old$$1$$2$$3$$0$$\n";
        QVERIFY(writeBytes(file, old));
        ObjectStore store;
        addPoint(store, "Z", 1, 1, 1);
        addVector(store, name.toStdString(), x, 0, 0);
        QVERIFY(!writeSession(store, local(file)));
        QCOMPARE(readBytes(file), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{"keep.zdr"});
    }

    void unwritableTargetFails_data() {
        QTest::addColumn<QString>("relative");
        QTest::newRow("missing folder") << "nowhere/s.zdr";
        QTest::newRow("target is a folder") << "folder";
        QTest::newRow("path ends in a slash") << "folder/";
    }

    void unwritableTargetFails() {
        QFETCH(QString, relative);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("folder"));
        QVERIFY(writeBytes(dir.filePath("folder/inside"), "x"));
        ObjectStore store;
        addPoint(store, "A", 1, 2, 3);
        QVERIFY(!writeSession(store, local(dir.filePath(relative))));
        QCOMPARE(readBytes(dir.filePath("folder/inside")), QByteArray("x"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{"folder"});
    }

    void saveReplacesAndKeepsPermissions() {
        QTemporaryDir dir;
        const QString file = path(dir, "s.zdr");
        QVERIFY(writeBytes(file, "old content\n"));
        QVERIFY(
            QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
        ObjectStore store;
        addPoint(store, "A", 1, 2, 3);
        QVERIFY(writeSession(store, local(file)));
        QCOMPARE(readBytes(file), QByteArray("$$0$$1$$A$$1$$2$$3$$0$$\n"));
        QCOMPARE(QFile::permissions(file) & 0x7077, // owner, group, others
                 QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    }

    void utf8NamesSurvive() {
        const std::string names[] = {"Bod_čšťžýáíé", "vektor_ľĺŕôňďúä", "ÚŮŤŽ"};
        ObjectStore store;
        addPoint(store, names[0], 1, 2, 3);
        addVector(store, names[1], 0, 1, 0);
        addPoint(store, names[2], -1, 0, 0);
        QTemporaryDir dir;
        const QString file = path(dir, "utf8.zdr");
        QVERIFY(writeSession(store, local(file)));
        ObjectStore loaded;
        QVERIFY(readSession(loaded, local(file)));
        for (const std::string& name : names)
            QVERIFY2(loaded.exists(name), name.c_str());
        QCOMPARE(loaded.count(0) + loaded.count(1), 3);
    }

    // Numbers use '.' even when the process runs in a locale with a decimal comma (as a Qt
    // application does under a Czech or Slovak environment). The locale is compiled into a
    // temporary folder when the system has none installed.
    void decimalPointUnderCommaLocale() {
        QTemporaryDir locales;
        if (!std::setlocale(LC_NUMERIC, "cs_CZ.UTF-8")) {
            QProcess::execute("localedef",
                              {"-i", "cs_CZ", "-f", "UTF-8", locales.filePath("cs_CZ.UTF-8")});
            qputenv("LOCPATH", QFile::encodeName(locales.path()));
            if (!std::setlocale(LC_NUMERIC, "cs_CZ.UTF-8"))
                QSKIP("no Czech locale, and localedef could not make one");
        }
        ObjectStore store;
        addVector(store, "v", 0.5, -1.25, 2);
        const QByteArray text = saved(store);
        QTemporaryDir dir;
        const QString file = path(dir, "c.zdr");
        QVERIFY(writeBytes(file, text));
        ObjectStore loaded;
        const bool read = readSession(loaded, local(file));
        std::setlocale(LC_NUMERIC, "C");
        qunsetenv("LOCPATH");
        QCOMPARE(text, QByteArray("$$1$$1$$v$$0.5$$-1.25$$2$$0$$\n"));
        QVERIFY(read);
        COMPARE_EXACT(static_cast<const Vector*>(loaded.find("v"))->coordinates.y(), -1.25);
    }
};

QTEST_APPLESS_MAIN(TestSessionWriter)
#include "test_sessionwriter.moc"

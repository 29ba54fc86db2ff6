#include "doublecompare.h"
#include "sessiontesthelpers.h"

#include <QDir>
#include <QProcess>
#include <QTest>

#include <clocale>
#include <cmath>
#include <csignal>
#include <limits>
#include <sys/resource.h>

class TestSessionWriter : public QObject {
    Q_OBJECT

    static QStringList entries(const QTemporaryDir& dir) {
        return QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }

private slots:
    // Kinds in order, names in byte order, numbers with six significant digits and
    // three-digit exponents. 'n' marks every vector parent of a plane along its normal,
    // whatever its length or sense, and never one of a line. The file replaces the old one
    // and keeps its permissions.
    void savesEveryObject() {
        QTemporaryDir dir;
        const QString file = dir.filePath("s.zdr");
        const auto mode = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
        QVERIFY(writeBytes(file, "old content\n") && QFile::setPermissions(file, mode));
        ObjectStore store;
        QCOMPARE(saved(store), QByteArray());
        Point* a = add(store, "A", Point(1, 2, 3));
        add(store, "a", Point(0, 0, 0), false);
        add(store, "A10", Point(-2, 0, 0));
        add(store, "A2", Point(0.5, -0.0, 7));
        add(store, "\xc4\x8d", Point(0, 0, 0)); // č sorts after every ASCII name
        std::vector<SpaceObject*> parents{a};
        for (const Vector& v : {Vector(2, 4, 6), Vector(-0.5, -1, -1.5), Vector(1, 2, 3.0001),
                                Vector(1, 2, 3.001), Vector(0, 0, 0), Vector(1e300, 2e300, 3e300)})
            parents.push_back(add(store, "v" + std::to_string(parents.size() - 1), v));
        line l;
        l.setLine(*a, *add(store, "w", Vector(0.123456789, 0.00001, 1234567)));
        add(store, "L", l, true, {a, parents[1]});
        surface plane;
        plane.setPlane(Vector(1, 2, 3), *a);
        add(store, "E", plane, true, parents);
        QVERIFY(writeSession(store, file.toStdString()));
        QCOMPARE(readBytes(file), QByteArray("$$0$$1$$A$$1$$2$$3$$0$$\n"
                                             "$$0$$1$$A10$$-2$$0$$0$$0$$\n"
                                             "$$0$$1$$A2$$0.5$$-0$$7$$0$$\n"
                                             "$$0$$0$$a$$0$$0$$0$$0$$\n"
                                             "$$0$$1$$\xc4\x8d$$0$$0$$0$$0$$\n"
                                             "$$1$$1$$v0$$2$$4$$6$$0$$\n"
                                             "$$1$$1$$v1$$-0.5$$-1$$-1.5$$0$$\n"
                                             "$$1$$1$$v2$$1$$2$$3.0001$$0$$\n"
                                             "$$1$$1$$v3$$1$$2$$3.001$$0$$\n"
                                             "$$1$$1$$v4$$0$$0$$0$$0$$\n"
                                             "$$1$$1$$v5$$1e+300$$2e+300$$3e+300$$0$$\n"
                                             "$$1$$1$$w$$0.123457$$1e-005$$1.23457e+006$$0$$\n"
                                             "$$2$$1$$L$$2$$A-$$v0-$$\n"
                                             "$$3$$1$$E$$7$$A-$$v0n$$v1n$$v2n$$v3-$$v4-$$v5n$$\n"));
        QCOMPARE(QFile::permissions(file) & 0x7077, mode); // owner, group, others
        QCOMPARE(entries(dir), QStringList{"s.zdr"});
    }

    // A failed save leaves the old file and the folder as they were, without a temporary.
    // limit caps the size of the files written, so that writing fails halfway.
    void failedSaveKeepsOldFile_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<double>("x");
        QTest::addColumn<int>("limit");
        const auto row = [](const char* tag, const char* name, double x,
                            const char* target = "keep.zdr", int limit = 0) {
            QTest::newRow(tag) << target << QByteArray(name) << x << limit;
        };
        row("nan coordinate", "A", std::nan(""));
        row("infinite coordinate", "A", -std::numeric_limits<double>::infinity());
        row("separator in name", "A$$B", 1);
        row("line break in name", "A\nB", 1);
        row("name ending in dollar", "A$", 1);
        row("missing folder", "A", 1, "nowhere/s.zdr");
        row("target is a folder", "A", 1, "folder");
        row("writing fails halfway", "A", 1, "keep.zdr", 30);
    }

    void failedSaveKeepsOldFile() {
        QFETCH(QString, target);
        QFETCH(QByteArray, name);
        QFETCH(double, x);
        QFETCH(int, limit);
        QTemporaryDir dir;
        const QByteArray old = "$$0$$1$$old$$1$$2$$3$$0$$\n";
        QVERIFY(writeBytes(dir.filePath("keep.zdr"), old));
        QVERIFY(QDir(dir.path()).mkdir("folder"));
        QVERIFY(writeBytes(dir.filePath("folder/inside"), "x"));
        ObjectStore store;
        add(store, "Z", Point(1, 1, 1));
        add(store, name.toStdString(), Vector(x, 0, 0));
        rlimit unlimited{};
        getrlimit(RLIMIT_FSIZE, &unlimited);
        rlimit capped = unlimited;
        capped.rlim_cur = limit ? rlim_t(limit) : unlimited.rlim_cur;
        std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails instead
        setrlimit(RLIMIT_FSIZE, &capped);
        const bool ok = writeSession(store, dir.filePath(target).toStdString());
        setrlimit(RLIMIT_FSIZE, &unlimited);
        QVERIFY(!ok);
        QCOMPARE(readBytes(dir.filePath("keep.zdr")), old);
        QCOMPARE(readBytes(dir.filePath("folder/inside")), QByteArray("x"));
        QCOMPARE(entries(dir), QStringList({"folder", "keep.zdr"}));
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
        ObjectStore store, loaded;
        add(store, "v", Vector(0.5, -1.25, 2));
        const QByteArray text = saved(store);
        const bool read = load(loaded, text);
        std::setlocale(LC_NUMERIC, "C");
        qunsetenv("LOCPATH");
        QCOMPARE(text, QByteArray("$$1$$1$$v$$0.5$$-1.25$$2$$0$$\n"));
        QVERIFY(read);
        COMPARE_EXACT(static_cast<const Vector*>(loaded.find("v"))->coordinates.y(), -1.25);
    }
};

QTEST_APPLESS_MAIN(TestSessionWriter)
#include "test_sessionwriter.moc"

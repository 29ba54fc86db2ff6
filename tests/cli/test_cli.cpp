#include "geometry/objectstore.h"
#include "session/sessionreader.h"
#include "session/sessionwriter.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run {
    int status = -1;
    QString out, err;
};

Run cli(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(STEREON_CLI), args);
    p.waitForFinished(30000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QJsonObject json(const QStringList& args) {
    return QJsonDocument::fromJson(cli(args + QStringList{"--json"}).out.toUtf8()).object();
}

const QByteArray brokenSession = "$$9$$1$$A$$0$$\n";

} // namespace

// Runs the real executable on a session it built itself with every form of "add".
class TestCli : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    const QString scene = dir.filePath("scene.zdr");   // built once
    const QString file = dir.filePath("s.zdr");        // a fresh copy of it for each test
    const QString fresh = dir.filePath("new.zdr");     // a path no test may create
    const QString broken = dir.filePath("broken.zdr"); // a file that is not a session

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        QFile f(broken);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(brokenSession) > 0);
        for (const char* step :
             {"point A -1 -2.5 3", "point B 1 0 0", "point C 0 1 0", "point O 0 0 0",
              "vector w 0 0 1", "vector AB --from A B", "line p O B", "line q O w", "plane S O B C",
              "plane T --normal w --point A", "plane E --normal w --d -4", "intersection X q E",
              "plane V --normal AB --point O"}) {
            const Run r = cli(QStringList{"add", scene} + QString(step).split(' '));
            QVERIFY2(r.status == 0, qPrintable(step + (": " + r.err)));
        }
    }

    void init() {
        QFile::remove(file);
        QVERIFY(QFile::copy(scene, file));
    }

    void prints_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QStringList>("lines"); // each must start a line of the output
        QTest::addColumn<QStringList>("absent");
        const auto row = [](const char* name, const QStringList& args, const QStringList& lines,
                            const QStringList& absent = {}) {
            QTest::newRow(name) << args << lines << absent;
        };
        row("help", {"--help"}, {"  add FILE plane NAME --normal V --d D"});
        row("version", {"--version"}, {"stereon-cli "}, {"Usage"});
        // A reloaded plane is rebuilt from its spanning vectors, which flips its normal here.
        // Auxiliary objects are hidden: listed only with --all, and as hidden parents.
        row("show", {"show", file},
            {"Point A [-1; -2.5; 3]\n", "Vector AB (2; 2.5; -3)\n", "Surface E: -1z +4 = 0\n",
             "Point X [0; 0; 4]\n", "Line q\n    Parametric equation: {z= +1k; }\n",
             "    Vector p_sv (1; 0; 0) (hidden)\n"},
            {"Vector p_sv"});
        row("show --all", {"show", file, "--all"}, {"Vector p_sv (1; 0; 0) (hidden)\n"});
        row("show names", {"show", file, "B", "p_sv"}, {"Point B [1; 0; 0]\nVector p_sv"},
            {"Point A"});
        row("line meets plane", {"intersect", file, "q", "E"}, {"Point [0; 0; 4]\n"});
        row("parallel planes", {"intersect", file, "E", "T"},
            {"The intersection DOES NOT exist\n"});
        row("point on line", {"intersect", file, "p", "B"}, {"Point B lays on line p\n"});
        row("point off plane", {"intersect", file, "A", "S"},
            {"Point A DOES NOT lay on surface S\n"});
        row("planes meet in a line", {"intersect", file, "S", "V"},
            {"Line\nParametric equation: "});
        row("angle", {"angle", file, "p", "q"}, {"Result = 90\u00b0\n"});
        row("distance", {"distance", file, "T", "E"}, {"Result = 1\n"});
        row("add", {"add", file, "point", "Z", "-0.5", "-.5", "1e2"},
            {"Point Z [-0.5; -0.5; 100]\n"});
    }

    void prints() {
        QFETCH(QStringList, args);
        QFETCH(QStringList, lines);
        QFETCH(QStringList, absent);
        const Run r = cli(args);
        QCOMPARE(r.status, 0);
        QVERIFY2(r.err.isEmpty(), qPrintable(r.err));
        const QString out = '\n' + r.out;
        for (const QString& line : lines)
            QVERIFY2(out.contains('\n' + line), qPrintable(line + " not in:" + out));
        for (const QString& line : absent)
            QVERIFY2(!out.contains('\n' + line), qPrintable(line + " in:" + out));
    }

    void fails_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("says");
        const auto row = [](const char* name, int status, const char* says,
                            const QStringList& args) {
            QTest::newRow(name) << args << status << QString::fromUtf8(says);
        };
        const auto add = [](const QString& path, const QStringList& rest) {
            return QStringList{"add", path} + rest;
        };
        row("no command", 2, "no command", {});
        row("unknown command", 2, "frobnicate", {"frobnicate", fresh});
        row("unknown option", 2, "colour", {"show", fresh, "--colour"});
        row("angle needs two names", 2, "usage", {"angle", fresh, "A"});
        row("not a number", 2, "abc", add(fresh, {"point", "A", "1", "abc", "3"}));
        row("infinite", 2, "1e999", add(fresh, {"point", "A", "1", "1e999", "3"}));
        row("unknown kind", 2, "circle", add(fresh, {"circle", "K", "1"}));
        row("both --d and --point", 2, "plane",
            add(fresh, {"plane", "S", "--normal", "w", "--d", "1", "--point", "A"}));

        row("name taken", 1, "exists", add(file, {"point", "A", "1", "1", "1"}));
        row("taken by another kind", 1, "exists", add(file, {"vector", "p", "1", "1", "1"}));
        row("dollar in name", 1, "$", add(file, {"point", "a$b", "1", "1", "1"}));
        row("control character", 1, "control", add(file, {"vector", "a\tb", "1", "1", "1"}));
        // Echoed names keep the message on one line.
        row("newline in name", 1, "\"a\\nb\"", add(file, {"point", "a\nb", "1", "1", "1"}));
        row("newline in operand", 1, "No\\nbody", add(file, {"line", "L", "A", "No\nbody"}));
        row("unknown operand", 1, "Nobody", add(file, {"line", "L", "A", "Nobody"}));
        row("equal points", 1, "degenerate", add(file, {"line", "L", "O", "O"}));
        row("collinear", 1, "degenerate", add(file, {"plane", "P", "O", "B", "B"}));
        row("wrong kinds", 1, "kinds", add(file, {"line", "L", "p", "q"}));
        row("no intersection", 1, "build", add(file, {"intersection", "I", "E", "T"}));
        row("two vectors", 1, "0xc58d3", {"intersect", file, "w", "AB"});
        row("angle with a point", 1, "angle", {"angle", file, "A", "p"});
        row("unknown name", 1, "Nobody", {"distance", file, "O", "Nobody"});

        row("missing file", 3, "no such file", {"show", fresh});
        row("folder", 3, "cannot be read", {"show", dir.path()});
        row("broken file", 3, "not a valid", {"angle", broken, "A", "B"});
        row("add to a broken file", 3, "not a valid", add(broken, {"point", "Z", "0", "0", "0"}));
        row("no such folder", 3, "cannot be saved",
            add(dir.filePath("no/such/dir/s.zdr"), {"point", "Z", "0", "0", "0"}));
    }

    // A failure says why on one line of its own and leaves every file as it was.
    void fails() {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, says);
        const Run r = cli(args);
        QCOMPARE(r.status, status);
        QVERIFY2(r.out.isEmpty(), qPrintable(r.out));
        QVERIFY2(r.err.startsWith("stereon-cli: ") && r.err.contains(says), qPrintable(r.err));
        QCOMPARE(r.err.count('\n'), 1);
        QVERIFY(r.err.endsWith('\n'));
        QCOMPARE(contents(file), contents(scene));
        QCOMPARE(contents(broken), brokenSession);
        QVERIFY(!QFile::exists(fresh));
    }

    void jsonOutput() {
        const QJsonArray objects = json({"show", file, "A", "T"})["objects"].toArray();
        QCOMPARE(objects.size(), 2);
        const QJsonObject a = objects[0].toObject(), t = objects[1].toObject();
        QCOMPARE(a["kind"].toString(), "point");
        QVERIFY(a["coordinates"].toArray()[1].isDouble());
        QCOMPARE(a["coordinates"].toArray()[1].toDouble(), -2.5);
        QCOMPARE(t["kind"].toString(), "plane");
        QCOMPARE(t["general"].toString(), "-1z +3 = 0");
        QCOMPARE(t["parents"].toArray().size(), 4);
        QCOMPARE(json({"angle", file, "p", "q"})["angle"].toDouble(), 90.0);
        QCOMPARE(json({"distance", file, "O", "B"})["distance"].toDouble(), 1.0);
        const QJsonObject hit = json({"intersect", file, "q", "E"});
        QCOMPARE(hit["result"].toString(), "point");
        QCOMPARE(hit["coordinates"].toArray()[2].toDouble(), 4.0);
    }

    void sessionBuiltByCliLoadsUnchanged() {
        ObjectStore store;
        QVERIFY(readSession(store, scene.toStdString()));
        QCOMPARE(store.count(0), 6); // A, B, C, O, the auxiliary B_E and the filed point X
        const QString again = dir.filePath("again.zdr");
        QVERIFY(writeSession(store, again.toStdString()));
        QCOMPARE(contents(again), contents(scene));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"

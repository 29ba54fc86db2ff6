#include "geometry/objectstore.h"
#include "session/sessionreader.h"
#include "session/sessionwriter.h"

#include <QDir>
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
    QString out;
    QString err;
};

Run cli(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(STEREON_CLI), args);
    p.waitForFinished(30000);
    Run r;
    r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestCli : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void helpAndVersion();
    void usageErrors_data();
    void usageErrors();
    void buildsEveryKindAndShowsIt();
    void refusals_data();
    void refusals();
    void fileErrors();
    void computes_data();
    void computes();
    void jsonOutput();
    void sessionBuiltByCliLoadsUnchanged();

private:
    void copyScene();
    QTemporaryDir dir_;
    QString scene_; // built once by the CLI itself, copied for each test
    QString file_;
};

void TestCli::initTestCase() {
    QVERIFY(dir_.isValid());
    scene_ = dir_.filePath(QStringLiteral("scene.zdr"));
    file_ = scene_;

    const QList<QStringList> steps = {
        {"point", "A", "-1", "-2.5", "3"},
        {"point", "B", "1", "0", "0"},
        {"point", "C", "0", "1", "0"},
        {"point", "O", "0", "0", "0"},
        {"vector", "w", "0", "0", "1"},
        {"vector", "AB", "--from", "A", "B"},
        {"line", "p", "O", "B"},
        {"line", "q", "O", "w"},
        {"plane", "S", "O", "B", "C"},
        {"plane", "T", "--normal", "w", "--point", "A"},
        {"plane", "E", "--normal", "w", "--d", "-4"},
        {"intersection", "X", "q", "E"},
        {"plane", "V", "--normal", "AB", "--point", "O"},
    };
    for (const QStringList& step : steps) {
        const Run r = cli(QStringList{"add", file_} + step);
        QVERIFY2(r.status == 0, qPrintable(step.join(' ') + ": " + r.err));
    }
}

void TestCli::init() {
    file_ = dir_.filePath(QStringLiteral("s.zdr"));
    QFile::remove(file_);
}

void TestCli::copyScene() {
    QVERIFY(QFile::copy(scene_, file_));
}

void TestCli::helpAndVersion() {
    const Run help = cli({"--help"});
    QCOMPARE(help.status, 0);
    QVERIFY(help.out.contains("add FILE plane NAME --normal V --d D"));
    const Run version = cli({"--version"});
    QCOMPARE(version.status, 0);
    QVERIFY(version.out.startsWith("stereon-cli "));
}

void TestCli::usageErrors_data() {
    QTest::addColumn<QStringList>("args");
    QTest::newRow("no command") << QStringList{};
    QTest::newRow("unknown command") << QStringList{"frobnicate", "x.zdr"};
    QTest::newRow("unknown option") << QStringList{"show", "x.zdr", "--colour"};
    QTest::newRow("angle needs two names") << QStringList{"angle", "x.zdr", "A"};
    QTest::newRow("not a number") << QStringList{"add", "x.zdr", "point", "A", "1", "abc", "3"};
    QTest::newRow("infinite number") << QStringList{"add", "x.zdr", "point", "A", "1", "1e999", "3"};
    QTest::newRow("unknown kind") << QStringList{"add", "x.zdr", "circle", "K", "1"};
    QTest::newRow("plane with both --d and --point")
        << QStringList{"add", "x.zdr", "plane", "S", "--normal", "w", "--d", "1", "--point", "A"};
}

void TestCli::usageErrors() {
    QFETCH(QStringList, args);
    for (QString& a : args)
        if (a == "x.zdr")
            a = file_;
    const Run r = cli(args);
    QCOMPARE(r.status, 2);
    QVERIFY(r.err.startsWith("stereon-cli: "));
    QCOMPARE(r.err.count('\n'), 1);
    QVERIFY(!QFile::exists(file_));
}

void TestCli::buildsEveryKindAndShowsIt() {
    copyScene();
    const Run shown = cli({"show", file_});
    QCOMPARE(shown.status, 0);
    QVERIFY2(shown.out.contains("Point A [-1; -2.5; 3]\n"), qPrintable(shown.out));
    QVERIFY(shown.out.contains("Vector AB (2; 2.5; -3)\n"));
    // A reloaded plane is rebuilt from its spanning vectors, which flips its normal here.
    QVERIFY(shown.out.contains("Surface E: -1z +4 = 0\n"));
    QVERIFY(shown.out.contains("Point X [0; 0; 4]\n"));
    QVERIFY(shown.out.contains("Line q\n    Parametric equation: {z= +1k; }\n"));
    // Auxiliary objects are hidden: listed only with --all, and as hidden parents.
    QVERIFY(!shown.out.contains("\nVector p_sv"));
    QVERIFY(shown.out.contains("(hidden)"));
    const Run all = cli({"show", file_, "--all"});
    QVERIFY(all.out.contains("Vector p_sv (1; 0; 0) (hidden)\n"));
    const Run one = cli({"show", file_, "B", "p_sv"});
    QCOMPARE(one.out.count('\n') >= 2, true);
    QVERIFY(one.out.startsWith("Point B [1; 0; 0]\n"));
}

void TestCli::refusals_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("says");
    QTest::newRow("name taken") << QStringList{"point", "A", "1", "1", "1"} << "already exists";
    QTest::newRow("name taken across kinds") << QStringList{"vector", "p", "1", "1", "1"}
                                             << "already exists";
    QTest::newRow("unknown operand") << QStringList{"line", "L", "A", "Nobody"} << "Nobody";
    QTest::newRow("dollar in name") << QStringList{"point", "a$b", "1", "1", "1"} << "$";
    QTest::newRow("equal points") << QStringList{"line", "L", "O", "O"} << "degenerate";
    QTest::newRow("collinear points") << QStringList{"plane", "P", "O", "B", "B"} << "degenerate";
    QTest::newRow("wrong kinds") << QStringList{"line", "L", "p", "q"} << "kinds";
    QTest::newRow("no intersection") << QStringList{"intersection", "I", "E", "T"} << "build";
}

void TestCli::refusals() {
    QFETCH(QStringList, args);
    QFETCH(QString, says);
    copyScene();
    const QByteArray before = contents(file_);
    const Run r = cli(QStringList{"add", file_} + args);
    QCOMPARE(r.status, 1);
    QVERIFY2(r.err.contains(says), qPrintable(r.err));
    QCOMPARE(r.err.count('\n'), 1);
    QCOMPARE(contents(file_), before); // nothing saved
}

void TestCli::fileErrors() {
    QCOMPARE(cli({"show", dir_.filePath("missing.zdr")}).status, 3);
    QCOMPARE(cli({"show", dir_.path()}).status, 3);
    QFile broken(dir_.filePath("broken.zdr"));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("$$9$$1$$A$$0$$\n");
    broken.close();
    const Run r = cli({"angle", broken.fileName(), "A", "B"});
    QCOMPARE(r.status, 3);
    QVERIFY(r.err.contains("not a valid session file"));
    // Adding to a broken file must not overwrite it.
    QCOMPARE(cli({"add", broken.fileName(), "point", "Z", "0", "0", "0"}).status, 3);
    QCOMPARE(contents(broken.fileName()), QByteArray("$$9$$1$$A$$0$$\n"));
    // A folder that does not exist cannot take the file.
    QCOMPARE(cli({"add", dir_.filePath("no/such/dir/s.zdr"), "point", "Z", "0", "0", "0"}).status,
             3);
}

void TestCli::computes_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::newRow("line meets plane") << QStringList{"intersect", "q", "E"} << 0
                                      << "Point [0; 0; 4]\n";
    QTest::newRow("parallel planes") << QStringList{"intersect", "E", "T"} << 0
                                     << "The intersection DOES NOT exist\n";
    QTest::newRow("point on line, line first") << QStringList{"intersect", "p", "B"} << 0
                                               << "Point B lays on line p\n";
    QTest::newRow("point off plane") << QStringList{"intersect", "A", "S"} << 0
                                     << "Point A DOES NOT lay on surface S\n";
    QTest::newRow("planes meet in a line") << QStringList{"intersect", "S", "V"} << 0
                                           << "Line\nParametric equation: ";
    QTest::newRow("vector pair is an error") << QStringList{"intersect", "w", "AB"} << 1 << "";
    QTest::newRow("angle of lines") << QStringList{"angle", "p", "q"} << 0 << "Result = 90\u00b0\n";
    QTest::newRow("angle with a point") << QStringList{"angle", "A", "p"} << 1 << "";
    QTest::newRow("distance of points") << QStringList{"distance", "O", "B"} << 0
                                        << "Result = 1\n";
    QTest::newRow("distance of parallel planes") << QStringList{"distance", "T", "E"} << 0
                                                 << "Result = 1\n";
    QTest::newRow("unknown name") << QStringList{"distance", "O", "Nobody"} << 1 << "";
}

void TestCli::computes() {
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, out);
    copyScene();
    args.insert(1, file_);
    const Run r = cli(args);
    QCOMPARE(r.status, status);
    if (status == 0) {
        QVERIFY2(r.out.startsWith(out), qPrintable(r.out + r.err));
    } else {
        QVERIFY(r.out.isEmpty());
        QCOMPARE(r.err.count('\n'), 1);
    }
}

void TestCli::jsonOutput() {
    copyScene();
    const Run shown = cli({"show", file_, "A", "T", "--json"});
    QCOMPARE(shown.status, 0);
    const QJsonObject doc = QJsonDocument::fromJson(shown.out.toUtf8()).object();
    const QJsonArray objects = doc["objects"].toArray();
    QCOMPARE(objects.size(), 2);
    const QJsonObject a = objects[0].toObject();
    QCOMPARE(a["kind"].toString(), QString("point"));
    QVERIFY(a["coordinates"].toArray()[1].isDouble());
    QCOMPARE(a["coordinates"].toArray()[1].toDouble(), -2.5);
    const QJsonObject t = objects[1].toObject();
    QCOMPARE(t["kind"].toString(), QString("plane"));
    QCOMPARE(t["general"].toString(), QString("-1z +3 = 0"));
    QCOMPARE(t["parents"].toArray().size(), 4);

    const Run angle = cli({"angle", file_, "p", "q", "--json"});
    QCOMPARE(QJsonDocument::fromJson(angle.out.toUtf8()).object()["angle"].toDouble(), 90.0);
    const Run hit = cli({"intersect", file_, "q", "E", "--json"});
    const QJsonObject h = QJsonDocument::fromJson(hit.out.toUtf8()).object();
    QCOMPARE(h["result"].toString(), QString("point"));
    QCOMPARE(h["coordinates"].toArray()[2].toDouble(), 4.0);
}

void TestCli::sessionBuiltByCliLoadsUnchanged() {
    copyScene();
    ObjectStore store;
    QVERIFY(readSession(store, file_.toStdString()));
    QCOMPARE(store.count(0), 6); // A, B, C, O, the auxiliary B_E and the filed point X
    const QString again = dir_.filePath("again.zdr");
    QVERIFY(writeSession(store, again.toStdString()));
    QCOMPARE(contents(again), contents(file_));
}

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"

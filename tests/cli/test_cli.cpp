// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/sessionlock.h"
#include "session/sessiontesthelpers.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QProcess>
#include <QRegularExpression>

#include <csignal>
#include <cstring>
#include <poll.h>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Run {
    int status = -1;
    QString out, err;
};

// A run still going after 30 seconds has failed, whatever it printed; the destructor ends it.
Run cli(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(STEREON_CLI), args);
    if (!p.waitForFinished(30000))
        return {};
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

QStringList entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

const QByteArray orphanSession = "$$0$$1$$A$$1$$2$$3$$0$$\n$$2$$1$$L$$2$$A-$$w-$$\n";

} // namespace

class TestCli : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    const QString file = dir.filePath("s.zdr");        // built once, never changed after
    const QString fresh = dir.filePath("new.zdr");     // a path no test may create
    const QString orphan = dir.filePath("orphan.zdr"); // a line before its parent
    const QString loop = dir.filePath("loop.zdr");     // a link to itself
    const QString locked = dir.filePath("held/s.zdr"); // a copy that another writer holds
    const QString readOnly = dir.filePath("readonly.zdr");
    const QString names = dir.filePath("names.zdr");
    QByteArray built;
    SessionLock held;

private slots:
    void initTestCase() {
        QVERIFY(dir.isValid() && QDir(dir.path()).mkdir("held"));
        for (const char* step :
             {"point A -1 -2.5 3", "point B 1 0 0", "point C 0 1 0", "point O 0 0 0",
              "vector w 0 0 1", "vector AB --from A B", "line p O B", "line q O w", "plane S O B C",
              "plane T --normal w --point A", "plane E --normal w --d -4", "intersection X q E",
              "plane V --normal AB --point O",
              // Numbers at the ends of the range; diag is x + y + z = 0.
              "point F 1e308 1e308 1e308", "point G -1e308 -1e308 -1e308",
              "vector big 1e308 1e308 1e308", "line far O big", "vector H 1 1 1",
              "plane diag --normal H --point O"}) {
            const Run r = cli(QStringList{"add", file} + QString(step).split(' '));
            QVERIFY2(r.status == 0, qPrintable(step + (": " + r.err)));
        }
        built = readBytes(file);
        QVERIFY(QFile::copy(file, readOnly) &&
                QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ReadGroup));
        QVERIFY(QFile::copy(file, locked) && held.acquire(locked.toStdString()));
        QVERIFY(QFile::link("loop.zdr", loop) && writeBytes(orphan, orphanSession));
        // Control characters in names, and a plane of 20000 parents, 20000 times a parent.
        QVERIFY(writeBytes(
            names, "$$0$$1$$e\x1b[31m$$1$$2$$3$$0$$\n$$0$$1$$b\x07\r$$0$$0$$0$$0$$\n"
                   "$$0$$1$$l\xe2\x80\xa8s$$0$$1$$0$$0$$\n$$1$$1$$v\xc2\x85$$0$$0$$1$$0$$\n"
                   "$$2$$1$$L\x7f$$2$$b\x07\r-$$v\xc2\x85-$$\n$$0$$0$$O$$0$$0$$0$$0$$\n"
                   "$$1$$0$$a$$1$$0$$0$$0$$\n$$1$$0$$b$$0$$1$$0$$0$$\n$$3$$0$$Base$$20002$$a-$$b-" +
                       QByteArray("$$O-").repeated(20000) + "$$\n$$3$$0$$Top$$20003$$a-$$b-$$O-" +
                       QByteArray("$$Base-").repeated(20000) + "$$\n"));
    }

    // %F: the built session, %W: a path no test may create, %N: names, %L: locked, %R:
    // read-only, %O: orphan, %P: loop.
    QString expand(QString text) const {
        const QString paths[] = {file, fresh, names, locked, readOnly, orphan, loop};
        for (int i = 0; i < 7; ++i)
            text.replace(QString("%") + "FWNLROP"[i], paths[i]);
        return text;
    }

    void run_data() {
        QTest::addColumn<QString>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("expected");
        // Each "|"-separated line must start a line of the output ("!": must not); in JSON,
        // appear in it.
        const auto row = [](const char* name, const char* args, const QString& lines) {
            QTest::newRow(name) << args << 0 << lines;
        };
        const auto fail = [](const char* name, int status, const QString& says, const char* args) {
            QTest::newRow(name) << args << status << says;
        };
        row("help", "--help", "  add FILE plane NAME --normal V --d D");
        row("version", "--version", "stereon-cli |!Usage");
        // A reloaded plane keeps its normal; companions show only with --all, or as parents.
        row("show", "show %F",
            "Point A [-1; -2.5; 3]\n|Vector AB (2; 2.5; -3)\n|Surface E: +1z -4 = 0\n|"
            "Surface S: +1z  = 0\n|Point X [0; 0; 4]\n|"
            "Line q\n    Parametric equation: {x= 0; y= 0; z= +1k; }\n|"
            "    Vector p_sv (1; 0; 0) (hidden)\n|!Vector p_sv");
        row("show --all", "show %F --all", "Vector p_sv (1; 0; 0) (hidden)\n");
        row("show names", "show %F B p_sv", "Point B [1; 0; 0]\nVector p_sv|!Point A");
        // Another writer holds the session: readers go on.
        row("show a locked session", "show %L A", "Point A [-1; -2.5; 3]\n");
        row("parallel planes", "intersect %F E T", "The intersection DOES NOT exist\n");
        row("point on line", "intersect %F p B", "Point B lays on line p\n");
        row("point off plane", "intersect %F A S", "Point A DOES NOT lay on surface S\n");
        row("planes meet in a line", "intersect %F S V", "Line\nParametric equation: ");
        row("angle", "angle %F p q", "Result = 90\u00b0\n");
        row("distance", "distance %F T E", "Result = 1\n");
        row("add", "add %N point Z -0.5 -.5 1e2", "Point Z [-0.5; -0.5; 100]\n");
        // Describing each parent with all of its own parents took minutes here.
        row("long parent lists", "show %N Top", "    Surface Base: +1z  = 0 (hidden)\n");
        // Names read from a file are written as escapes in text, and as they are in JSON.
        row("escaped names", "show %N",
            "Point b\\x07\\x0d [0; 0; 0]\n|Point e\\x1b[31m [1; 2; 3]\n|"
            "Point l\\u2028s [0; 1; 0]\n|Vector v\\x85 (0; 0; 1)\n|Line L\\x7f\n|"
            "    Point b\\x07\\x0d [0; 0; 0]\n");
        row("escaped relation", "intersect %N e\x1b[31m b\x07\r",
            "Points e\\x1b[31m and b\\x07\\x0d ARE NOT equal\n");
        row("json names", "show %N e\x1b[31m L\x7f --json",
            "\"name\":\"e\\u001b[31m\"|\"parents\":[\"b\\u0007\\r\",");
        row("json show", "show %F A T --json",
            "{\"coordinates\":[-1,-2.5,3],\"kind\":\"point\",\"name\":\"A\"|"
            "\"general\":\"+1z -3 = 0\",\"kind\":\"plane\"");
        row("json angle", "angle %F p q --json", "{\"angle\":90}");
        row("json distance", "distance %F O B --json", "{\"distance\":1}");
        row("json intersection", "intersect %F q E --json",
            "{\"coordinates\":[0,0,4],\"result\":\"point\",\"text\":\"Point [0; 0; 4]\"}");

        fail("no command", 2, "no command", "");
        fail("unknown command", 2, "frobnicate", "frobnicate %W");
        fail("unknown option", 2, "colour", "show %W --colour");
        fail("angle needs two names", 2, "usage", "angle %W A");
        fail("not a number", 2, "abc", "add %W point A 1 abc 3");
        // Options that the form does not read, and the kind word before the name.
        fail("coordinates with --from", 2, "usage", "add %F vector N 1 2 3 --from A");
        fail("--d without --normal", 2, "--normal", "add %F plane N O B C --d 1");
        fail("--normal twice", 2, "twice", "add %F plane N --normal w --normal AB --d 1");
        fail("both --d and --point", 2, "plane", "add %W plane S --normal w --d 1 --point A");
        fail("--all on angle", 2, "--all", "angle %F p q --all");
        fail("--from on show", 2, "--from", "show %F --from A");
        fail("unknown kind, name taken", 2, "bogus", "add %F bogus A");

        fail("name taken", 1, "exists", "add %F point A 1 1 1");
        fail("dollar in name", 1, "$", "add %F point a$b 1 1 1");
        // An echoed name keeps the message on one line.
        fail("newline in name", 1, "\"a\\nb\"", "add %F point a\nb 1 1 1");
        fail("unknown operand", 1, "Nobody", "add %F line L A Nobody");
        fail("equal points", 1, "degenerate", "add %F line L O O");
        fail("wrong kinds", 1, "kinds", "add %F line L p q");
        fail("parallel planes", 1, "E and T have no common point (parallel)",
             "add %F intersection I E T");
        fail("two vectors", 1, "0xc58d3", "intersect %F w AB");
        // What is built from an object keeps it, unless it goes too.
        fail("delete with dependents", 1, "w is used by q, E, T", "delete %F w");
        fail("delete nothing", 1, "Nobody", "delete %F Nobody");
        fail("delete, no name", 2, "usage", "delete %F");
        fail("angle with a point", 1, "angle", "angle %F A p");
        const QString tooLarge = ": the numbers are too large\n";
        fail("line through far points", 1, tooLarge, "add %F line N F G");
        // n . d overflows; the line's own point would be the answer.
        fail("intersection too large", 1, tooLarge, "intersect %F far diag");
        fail("distance too large", 1, tooLarge, "distance %F F G --json");

        fail("missing file", 3, "%W: " + QString::fromLocal8Bit(std::strerror(ENOENT)), "show %W");
        fail("unknown parent", 3, "%O: line 2: unknown parent \"w\"", "show %O");
        fail("add to a broken file", 3, "%O: line 2: ", "add %O point Z 0 0 0");
        fail("add through a link loop", 3, "%P: symbolic link loop", "add %P point Z 0 0 0");
        fail("add to a read-only file", 3, "%R: the file is read-only", "add %R point Z 0 0 0");
        // The writer that holds it does not let go: this one gives up after its wait.
        fail("add to a locked session", 3,
             "%L: another program is saving this session; try again\n", "add %L point Z 0 0 0");
    }

    // Success says nothing on stderr, and no raw control character could drive the terminal.
    // A failure says why on one line and leaves every file as it was.
    void run() {
        QFETCH(QString, args);
        QFETCH(int, status);
        QFETCH(QString, expected);
        const QStringList files = entries(dir.path());
        const Run r = cli(expand(args).split(' ', Qt::SkipEmptyParts));
        QCOMPARE(r.status, status);
        if (status != 0) {
            QVERIFY2(r.out.isEmpty(), qPrintable(r.out));
            QVERIFY2(r.err.startsWith("stereon-cli: ") && r.err.contains(expand(expected)) &&
                         r.err.count('\n') == 1 && r.err.endsWith('\n'),
                     qPrintable(r.err));
            for (const QString& copy : {file, readOnly, locked})
                QCOMPARE(readBytes(copy), built);
            QCOMPARE(readBytes(orphan), orphanSession);
            QVERIFY(QFileInfo(loop).isSymLink() && !QFile::exists(fresh));
            QCOMPARE(entries(dir.path()), files); // no temporary left
            return;
        }
        QVERIFY2(r.err.isEmpty(), qPrintable(r.err));
        const bool json = args.endsWith("--json");
        const QString out =
            json ? QString(QJsonDocument::fromJson(r.out.toUtf8()).toJson(QJsonDocument::Compact))
                 : '\n' + r.out;
        for (const QString& line : expected.split('|'))
            QVERIFY2(out.contains(json ? line : '\n' + line.mid(line.startsWith('!'))) !=
                         line.startsWith('!'),
                     qPrintable(line + " in:" + out));
        const QRegularExpression raw(
            "[\\x{0}-\\x{9}\\x{b}-\\x{1f}\\x{7f}-\\x{9f}\\x{2028}\\x{2029}]");
        QVERIFY2(json || !out.contains(raw), qPrintable(out));
    }

    // Delete with --with-dependents takes the object, what is built from it and its own
    // hidden companions (the plane S's normal and spanning vectors); the file still reads, and
    // nothing else changed. A filed intersection is an object of its own and stays.
    void deleteWithDependents() {
        QTemporaryDir here;
        const QString copy = here.filePath("d.zdr");
        QVERIFY(QFile::copy(file, copy));
        const Run r = cli({"delete", copy, "C", "--with-dependents"});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, QStringLiteral("C\nn_S\nu_S\nv_S\nS\n"));
        ObjectStore before, after;
        QVERIFY(readSession(before, file.toStdString()).ok() &&
                readSession(after, copy.toStdString()).ok());
        QVERIFY(!after.exists("S") && after.exists("X") && after.exists("O"));
        int removed = 0;
        for (Kind kind : storedKinds)
            removed += before.count(kind) - after.count(kind);
        QCOMPARE(removed, 5);
        QCOMPARE(cli({"show", copy}).status, 0);
    }

    // Writers of one session at once, half through a link: each adds its object or says it
    // could not get its turn. No object is lost.
    void concurrentAdds() {
        QTemporaryDir here;
        const QString target = here.filePath("c.zdr"), link = here.filePath("other/c.zdr");
        QVERIFY(QDir(here.path()).mkdir("other") && QFile::link(target, link));
        QProcess runs[24];
        for (int i = 0; i < 24; ++i)
            runs[i].start(STEREON_CLI, {"add", i % 2 ? link : target, "point",
                                        QString("P%1").arg(i), "0", "0", "0"});
        for (QProcess& run : runs)
            QVERIFY(run.waitForFinished(120000));
        const QString shown = cli({"show", target}).out;
        int added = 0;
        for (int i = 0; i < 24; ++i) {
            const QString err = QString::fromUtf8(runs[i].readAllStandardError());
            const bool there = shown.contains(QString("Point P%1 [").arg(i));
            added += there;
            QVERIFY2(runs[i].exitStatus() == QProcess::NormalExit &&
                         (runs[i].exitCode() == 0 ? there
                                                  : runs[i].exitCode() == 3 && !there &&
                                                        err.contains("another program is saving")),
                     qPrintable(QString::number(i) + ": " + err));
        }
        QVERIFY(added > 0);
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(entries(here.path()), QStringList({"c.zdr", "other"}));
    }

    // A run interrupted mid-save, while its new file is there, leaves the old file alone.
    void interruptedAdd() {
        QTemporaryDir here;
        const QByteArray big = QFile::encodeName(here.filePath("big.zdr"));
        QByteArray text;
        for (int i = 0; i < 50000; ++i)
            text += "$$0$$1$$P" + QByteArray::number(i) + "$$1$$2$$3$$0$$\n";
        for (int attempt = 0; attempt < 5; ++attempt) {
            const int watch = inotify_init1(IN_CLOEXEC);
            QVERIFY(writeBytes(big, text) &&
                    inotify_add_watch(watch, QFile::encodeName(here.path()), IN_CREATE) >= 0);
            const pid_t pid = fork();
            if (pid == 0) {
                execl(STEREON_CLI, STEREON_CLI, "add", big.constData(), "point", "Z", "0", "0", "0",
                      nullptr);
                _exit(127);
            }
            pollfd created{watch, POLLIN, 0};
            const bool seen = poll(&created, 1, 30000) == 1;
            close(watch);
            int status = 0;
            kill(pid, SIGSTOP);
            waitpid(pid, &status, WUNTRACED);
            const bool midSave = WIFSTOPPED(status) && entries(here.path()).size() > 1;
            if (WIFSTOPPED(status) && kill(pid, SIGINT) == 0 && kill(pid, SIGCONT) == 0)
                waitpid(pid, &status, 0);
            QVERIFY(seen);
            QCOMPARE(entries(here.path()), QStringList{"big.zdr"});
            if (midSave) {
                QVERIFY(WIFSIGNALED(status) && WTERMSIG(status) == SIGINT &&
                        readBytes(big) == text);
                return;
            }
        }
        QSKIP("every save ended before its run could be stopped");
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"

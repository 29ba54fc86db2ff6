// SPDX-License-Identifier: GPL-3.0-or-later
#include "sessiontesthelpers.h"

#include "session/atomicwrite.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>

#include <clocale>
#include <cmath>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

Q_DECLARE_METATYPE(FileProblem)

namespace {

// A folder, an entry a line: "name=content@mode:uid:gid" (mode when not 644, ids when not
// the test's own), "name->target", "name/", "name|" (a FIFO); "%D" is the folder's path.
bool build(const QTemporaryDir& dir, const QStringList& entries) {
    for (QString entry : entries) {
        entry.replace("%D", dir.path());
        bool made;
        if (entry.contains("->")) {
            made = symlink(QFile::encodeName(entry.section("->", 1)).constData(),
                           QFile::encodeName(dir.filePath(entry.section("->", 0, 0)))) == 0;
        } else if (entry.endsWith('/')) {
            made = QDir(dir.path()).mkdir(entry);
        } else if (entry.endsWith('|')) {
            made = mkfifo(QFile::encodeName(dir.filePath(entry.chopped(1))), 0644) == 0;
        } else {
            // The mode in octal, -1 for an id left as it is.
            const QString path = dir.filePath(entry.section('=', 0, 0));
            const QStringList meta = entry.section('=', 1).split(QRegularExpression("[@:]"));
            const QByteArray local = QFile::encodeName(path);
            made = writeBytes(path, meta[0].toUtf8()) &&
                   (meta.size() < 4 || chown(local, meta[2].toInt(), meta[3].toInt()) == 0) &&
                   (meta.size() < 2 || chmod(local, meta[1].toUInt(nullptr, 8)) == 0);
        }
        if (!made)
            return false;
    }
    return true;
}

// Every entry below folder in the same notation, sorted; temporaries left behind show.
QStringList describe(const QString& folder, const QString& prefix = QString()) {
    QStringList result;
    const auto filter = QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System;
    for (const QString& name : QDir(folder).entryList(filter)) {
        const QString path = folder + '/' + name;
        struct stat info {};
        char target[4096];
        lstat(QFile::encodeName(path), &info);
        if (S_ISLNK(info.st_mode)) {
            const ssize_t n = readlink(QFile::encodeName(path), target, sizeof target);
            result << prefix + name + "->" + QString::fromUtf8(target, n < 0 ? 0 : int(n));
        } else if (S_ISDIR(info.st_mode)) {
            result << prefix + name + '/' << describe(path, prefix + name + '/');
        } else if (S_ISFIFO(info.st_mode)) {
            result << prefix + name + '|';
        } else {
            QString file = prefix + name + '=' + readBytes(path);
            if ((info.st_mode & 07777) != 0644)
                file += '@' + QString::number(info.st_mode & 07777, 8);
            if (info.st_uid != geteuid() || info.st_gid != getegid())
                file += QString(":%1:%2").arg(info.st_uid).arg(info.st_gid);
            result << file;
        }
    }
    result.sort();
    return result;
}

// stereon-cli's handler for SIGINT and SIGTERM.
void removeAndEnd(int sig) {
    removeUnfinishedTemporary();
    raise(sig);
}

} // namespace

class TestSessionWriter : public QObject {
    Q_OBJECT
private slots:
    // 'n' marks a plane's vector parents along its normal, never a line's. Numbers keep their
    // '.' under a Czech locale (compiled here if the system has none).
    void savesEveryObject() {
        QTemporaryDir locales;
        if (!std::setlocale(LC_NUMERIC, "cs_CZ.UTF-8")) {
            QProcess::execute("localedef",
                              {"-i", "cs_CZ", "-f", "UTF-8", locales.filePath("cs_CZ.UTF-8")});
            qputenv("LOCPATH", QFile::encodeName(locales.path()));
            if (!std::setlocale(LC_NUMERIC, "cs_CZ.UTF-8"))
                qWarning("no Czech locale, and localedef could not make one");
        }
        ObjectStore store, loaded;
        QCOMPARE(saved(store), QByteArray());
        Point* a = add(store, "A", Point(1, 2, 3));
        add(store, "a", Point(0, 0, 0), false);
        std::vector<SpaceObject*> parents{a};
        for (const Vector& v : {Vector(2, 4, 6), Vector(-0.5, -1, -1.5), Vector(1, 2, 3.0001),
                                Vector(1, 2, 3.001), Vector(0, 0, 0), Vector(1e300, 2e300, 3e300)})
            parents.push_back(add(store, "v" + std::to_string(parents.size() - 1), v));
        line l;
        l.setLine(*a, *static_cast<Vector*>(parents[1]));
        add(store, "L", l, true, {a, parents[1]});
        surface plane;
        plane.setPlane(Vector(1, 2, 3), *a);
        add(store, "E", plane, true, parents);
        const QByteArray text = saved(store);
        const bool readBack = load(loaded, text) && saved(loaded) == text;
        std::setlocale(LC_NUMERIC, "C");
        qunsetenv("LOCPATH");
        QVERIFY(readBack);
        QCOMPARE(text, QByteArray("$$0$$1$$A$$1$$2$$3$$0$$\n"
                                  "$$0$$0$$a$$0$$0$$0$$0$$\n"
                                  "$$1$$1$$v0$$2$$4$$6$$0$$\n"
                                  "$$1$$1$$v1$$-0.5$$-1$$-1.5$$0$$\n"
                                  "$$1$$1$$v2$$1$$2$$3.0001$$0$$\n"
                                  "$$1$$1$$v3$$1$$2$$3.001$$0$$\n"
                                  "$$1$$1$$v4$$0$$0$$0$$0$$\n"
                                  "$$1$$1$$v5$$1e+300$$2e+300$$3e+300$$0$$\n"
                                  "$$2$$1$$L$$2$$A-$$v0-$$\n"
                                  "$$3$$1$$E$$7$$A-$$v0n$$v1n$$v2n$$v3-$$v4-$$v5n$$\n"));
    }

    // Links are written through; a failed save leaves all as it was. The new file takes the
    // old one's mode, owner and group (chown clears the set-user-ID bit, so it comes first);
    // a new one the mode the umask allows. limit caps the size of files written.
    void save_data() {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("target");
        QTest::addColumn<FileProblem>("problem");
        QTest::addColumn<QStringList>("after"); // "new" is what the save writes
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<double>("x");
        QTest::addColumn<int>("limit");
        QTest::addColumn<uint>("mask");
        const auto row = [](const char* tag, const QStringList& before, const char* target,
                            FileProblem problem, const QStringList& after, const char* name = "A",
                            double x = 1, int limit = 0, uint mask = 022) {
            QTest::newRow(tag) << before << QString(target) << problem << after << QByteArray(name)
                               << x << limit << mask;
        };
        const auto none = FileProblem::None, loop = FileProblem::SymlinkLoop;
        const QStringList old{"s.zdr=old"};
        row("old file replaced", old, "s.zdr", none, {"s.zdr=new"});
        row("through links across folders", {"sub/", "sub/real=old", "sub/b->real", "a->sub/b"},
            "a", none, {"a->sub/b", "sub/", "sub/b->real", "sub/real=new"});
        row("through an absolute link", {"real=old", "s.zdr->%D/real"}, "s.zdr", none,
            {"real=new", "s.zdr->%D/real"});
        row("dangling link", {"s.zdr->made"}, "s.zdr", none, {"made=new", "s.zdr->made"});
        // The kernel itself gives up after 40 links.
        for (int links : {40, 41}) {
            QStringList chain{"real=old", QString("l%1->real").arg(links - 1)};
            for (int i = 0; i + 1 < links; ++i)
                chain << QString("l%1->l%2").arg(i).arg(i + 1);
            row(links == 40 ? "40 links" : "41 links", chain, "l0", links == 40 ? none : loop,
                links == 40 ? QStringList(chain).replaceInStrings("=old", "=new") : chain);
        }
        row("loop in the folder", {"d->d"}, "d/s.zdr", loop, {"d->d"});
        row("link to a folder", {"d/", "l->d"}, "l", FileProblem::NotRegularFile, {"d/", "l->d"});
        row("pipe", {"p|"}, "p", FileProblem::NotRegularFile, {"p|"});
        // Root could write it, but nobody is meant to.
        row("read-only behind a link", {"r=old@444", "l->r"}, "l", FileProblem::ReadOnly,
            {"l->r", "r=old@444"});
        row("new file, umask 002", {}, "s.zdr", none, {"s.zdr=new@664"}, "A", 1, 0, 002);
        row("writable by everybody", {"s.zdr=old@666"}, "s.zdr", none, {"s.zdr=new@666"});
        row("another group", {"s.zdr=old@644:-1:12345"}, "s.zdr", none, {"s.zdr=new:0:12345"});
        row("set-user-ID, another user's", {"s.zdr=old@4755:12345:12346"}, "s.zdr", none,
            {"s.zdr=new@4755:12345:12346"});
        row("missing folder", {}, "nowhere/s.zdr", FileProblem::System, {});
        row("writing fails halfway", old, "s.zdr", FileProblem::System, old, "A", 1, 10);
        row("nan coordinate", old, "s.zdr", FileProblem::NotFinite, old, "A", std::nan(""));
        const auto unstorable = FileProblem::UnstorableName;
        row("separator in name", old, "s.zdr", unstorable, old, "A$$B");
        row("line break in name", old, "s.zdr", unstorable, old, "A\nB");
        row("name ending in dollar", old, "s.zdr", unstorable, old, "A$");
    }

    void save() {
        QFETCH(QStringList, before);
        QFETCH(QString, target);
        QFETCH(FileProblem, problem);
        QFETCH(QStringList, after);
        QFETCH(QByteArray, name);
        QFETCH(double, x);
        QFETCH(int, limit);
        QFETCH(uint, mask);
        if (before.join(' ').contains(':') && geteuid() != 0)
            QSKIP("only root can give a file away");
        QTemporaryDir dir;
        const mode_t umaskBefore = umask(mask);
        const bool built = build(dir, before);
        ObjectStore store;
        add(store, name.toStdString(), Vector(x, 0, 0));
        rlimit unlimited{};
        getrlimit(RLIMIT_FSIZE, &unlimited);
        const rlimit capped{limit ? rlim_t(limit) : unlimited.rlim_cur, unlimited.rlim_max};
        std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails instead
        setrlimit(RLIMIT_FSIZE, &capped);
        const FileStatus status =
            writeSession(store, QFile::encodeName(dir.filePath(target)).toStdString());
        setrlimit(RLIMIT_FSIZE, &unlimited);
        QCOMPARE(uint(umask(umaskBefore)), mask);
        QVERIFY(built);
        QCOMPARE(status.problem, problem);
        after.replaceInStrings("%D", dir.path());
        after.sort();
        QCOMPARE(describe(dir.path()).replaceInStrings("$$1$$1$$A$$1$$0$$0$$0$$\n", "new"), after);
    }

    // Killed mid-write (a file size limit stops it), a save leaves the old file alone.
    void interruptedSave() {
        QTemporaryDir dir;
        QVERIFY(writeBytes(dir.filePath("keep.zdr"), "old"));
        const std::string path = QFile::encodeName(dir.filePath("keep.zdr")).toStdString();
        const pid_t child = fork();
        if (child == 0) {
            struct sigaction action {};
            sigemptyset(&action.sa_mask);
            action.sa_handler = removeAndEnd;
            action.sa_flags = SA_RESETHAND;
            sigaction(SIGTERM, &action, nullptr);
            std::signal(SIGXFSZ, [](int) { raise(SIGTERM); });
            const rlimit small{4096, 4096};
            setrlimit(RLIMIT_FSIZE, &small);
            writeFileAtomically(path, std::string(1 << 20, 'x'));
            _exit(0);
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM);
        QCOMPARE(describe(dir.path()), QStringList{"keep.zdr=old"});
    }
};

QTEST_APPLESS_MAIN(TestSessionWriter)
#include "test_sessionwriter.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/atomicwrite.h"
#include "session/sessionlock.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include <sys/wait.h>
#include <unistd.h>

class TestSessionLock : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

    std::string local(const QString& name) const {
        return QFile::encodeName(dir.filePath(name)).toStdString();
    }

private slots:
    void initTestCase() {
        QVERIFY(QDir(dir.path()).mkdir("other"));
        QVERIFY(QFile::link("../s.zdr", dir.filePath("other/link")));
    }

    // A second writer of the file waits, then gives up; writers of other files go on at once.
    void contention_data() {
        QTest::addColumn<QString>("second");
        QTest::addColumn<bool>("locked");
        QTest::newRow("same path") << "s.zdr" << true;
        QTest::newRow("link from another folder") << "other/link" << true;
        QTest::newRow("new file in another folder") << "other/new.zdr" << false;
    }

    void contention() {
        QFETCH(QString, second);
        QFETCH(bool, locked);
        SessionLock first, other;
        QVERIFY(first.acquire(local("s.zdr")));
        QElapsedTimer waited;
        waited.start();
        const FileStatus status = other.acquire(local(second), 200);
        const qint64 ms = waited.elapsed();
        QCOMPARE(status.problem, locked ? FileProblem::Locked : FileProblem::None);
        QVERIFY2(locked ? ms >= 200 : ms < 200, qPrintable(QString::number(ms)));
    }

    // The lock outlives an atomic save, goes with release() or the destructor, leaves no file.
    void heldUntilReleased() {
        const std::string path = local("s.zdr");
        SessionLock first;
        QVERIFY(first.acquire(path));
        QVERIFY(writeFileAtomically(path, "new"));
        QCOMPARE(SessionLock().acquire(path, 0).problem, FileProblem::Locked);
        first.release();
        QVERIFY(SessionLock().acquire(path, 0)); // and the destructor lets go
        QVERIFY(first.acquire(path, 0));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList({"other", "s.zdr"}));
    }

    // A writer in another process waits its turn while this one holds the lock.
    void waitsForAnotherProcess() {
        SessionLock mine;
        QVERIFY(mine.acquire(local("s.zdr")));
        const pid_t child = fork();
        if (child == 0) {
            mine.release(); // the parent's lock stays: it is on the same open file
            QElapsedTimer waited;
            waited.start();
            const bool ok = SessionLock().acquire(local("s.zdr"), 5000).ok();
            _exit(!ok ? 1 : waited.elapsed() < 100 ? 2 : 0);
        }
        usleep(500000);
        mine.release();
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 0); // 1: it gave up, 2: it did not wait
    }
};

QTEST_APPLESS_MAIN(TestSessionLock)
#include "test_sessionlock.moc"

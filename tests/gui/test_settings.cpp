// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/settings.h"
#include "session/sessiontesthelpers.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTextStream>

#include <csignal>
#include <sys/resource.h>

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void place_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("fallback");
        QTest::addColumn<QString>("used"); // empty: nowhere
        QTest::addColumn<int>("limit");    // a file size limit that stands in for a full disk
        const auto row = [](const char* tag, const char* folder, const char* fallback,
                            const char* used, int limit = 0) {
            QTest::newRow(tag) << folder << fallback << used << limit;
        };
        // Nothing can be created below a plain file, not even by the superuser.
        row("own folder", "program", "config", "program");
        row("own folder not writable", "plain/program", "config/stereon", "config/stereon");
        row("nowhere", "plain/program", "plain/config", "");
        row("full disk", "program", "config", "program", 3);
    }

    // First made with the system's language and the flag on; a failed write leaves nothing.
    void place() {
        QFETCH(QString, folder);
        QFETCH(QString, fallback);
        QFETCH(QString, used);
        QFETCH(int, limit);
        QTemporaryDir dir;
        QVERIFY(writeBytes(dir.filePath("plain"), "") && QDir().mkpath(dir.filePath("program")));
        Settings settings(dir.filePath(folder), dir.filePath(fallback));
        rlimit unlimited{};
        getrlimit(RLIMIT_FSIZE, &unlimited);
        const rlimit capped{limit ? rlim_t(limit) : unlimited.rlim_cur, unlimited.rlim_max};
        std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails instead
        setrlimit(RLIMIT_FSIZE, &capped);
        settings.read(QLocale(QLocale::German, QLocale::Germany));
        setrlimit(RLIMIT_FSIZE, &unlimited);
        QCOMPARE(settings.filePath(),
                 used.isEmpty() ? QString() : dir.filePath(used + "/settings.cfg"));
        QCOMPARE(settings.language, used.isEmpty() ? QString() : "de");
        if (!used.isEmpty()) {
            QCOMPARE(QDir(dir.filePath(used)).entryList(QDir::Files | QDir::Hidden),
                     limit ? QStringList() : QStringList{"settings.cfg"});
            QCOMPARE(readBytes(settings.filePath()), QByteArray(limit ? "" : "de\n1\n1\n"));
        }
        settings.write(); // without a file, a no-op
    }

    void installedProgram_data() {
        QTest::addColumn<QString>("bin");
        QTest::newRow("/usr/bin") << "/usr/bin";
        if (QStringLiteral(STEREON_INSTALL_BINDIR) != "/usr/bin")
            QTest::newRow("install bindir") << STEREON_INSTALL_BINDIR;
    }

    // An installed program keeps its settings per user: a copy of this one, mounted at bin in
    // a namespace of its own, says where its settings go (see main).
    void installedProgram() {
        QFETCH(QString, bin);
        QTemporaryDir dir;
        QVERIFY(QDir().mkpath(dir.filePath("bin")));
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), dir.filePath("bin/probe")));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath("config")));
        QProcess probe;
        probe.start("unshare", {"--mount", "--propagation", "private", "sh", "-c",
                                "mount --bind \"$0\" \"$1\" && exec \"$1/probe\" --settings-path",
                                dir.filePath("bin"), bin});
        if (!probe.waitForFinished() || probe.exitCode() != 0)
            QSKIP(qPrintable("no mount namespace here: " + probe.readAllStandardError()));
        QCOMPARE(QString::fromUtf8(probe.readAllStandardOutput()),
                 dir.filePath("config/probe/settings.cfg"));
    }
};

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc == 2 && QByteArray(argv[1]) == "--settings-path") {
        QTextStream(stdout) << Settings::forApplication().filePath();
        return 0;
    }
    TestSettings test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_settings.moc"

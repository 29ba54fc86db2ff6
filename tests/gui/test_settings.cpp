#include "gui/settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void place_data();
    void place();
    void read_data();
    void read();
    void installedProgram_data();
    void installedProgram();
};

static QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void TestSettings::place_data() {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("fallback");
    QTest::addColumn<QString>("used"); // empty: nowhere
    auto row = [](const char* tag, const char* folder, const char* fallback, const char* used) {
        QTest::newRow(tag) << folder << fallback << used;
    };
    // Nothing can be created below a plain file, not even by the superuser.
    row("own folder", "program", "config", "program");
    row("own folder not writable", "plain/program", "config/stereon", "config/stereon");
    row("nowhere", "plain/program", "plain/config", "");
}

// On the first start the file is made with the system's language and the flag on.
void TestSettings::place() {
    QFETCH(QString, folder);
    QFETCH(QString, fallback);
    QFETCH(QString, used);
    QTemporaryDir dir;
    QFile plain(dir.filePath("plain"));
    QVERIFY(plain.open(QIODevice::WriteOnly) && QDir().mkpath(dir.filePath("program")));
    plain.close();
    Settings settings(dir.filePath(folder), dir.filePath(fallback));
    settings.read(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(settings.filePath(),
             used.isEmpty() ? QString() : dir.filePath(used + "/settings.cfg"));
    QCOMPARE(settings.language, used.isEmpty() ? QString() : "de");
    if (!used.isEmpty())
        QCOMPARE(contents(settings.filePath()), QByteArray("de\n1\n"));
    settings.write(); // without a file, a no-op
}

void TestSettings::read_data() {
    QTest::addColumn<QByteArray>("file"); // the language is its first two characters
    QTest::addColumn<bool>("loadLast");
    QTest::addColumn<QString>("lastSession");
    // The flag is the first character of line 2, whatever follows it.
    QTest::newRow("load, path starting with digits")
        << QByteArray("en\n1123/2024.zdr\n") << true << "123/2024.zdr";
    QTest::newRow("do not load, path starting with 0")
        << QByteArray("sk\n007/a.zdr\n") << false << "07/a.zdr";
    QTest::newRow("non-ascii path") << QByteArray("cs\n1/home/jiří/úhly.zdr\n") << true
                                    << QString::fromUtf8("/home/jiří/úhly.zdr");
    QTest::newRow("language only") << QByteArray("sk\n") << false << QString();
}

// Reading a file and writing it back gives the same settings.
void TestSettings::read() {
    QFETCH(QByteArray, file);
    QFETCH(bool, loadLast);
    QFETCH(QString, lastSession);
    QTemporaryDir dir;
    QFile written(dir.filePath("settings.cfg"));
    QVERIFY(written.open(QIODevice::WriteOnly) && written.write(file) == file.size());
    written.close();
    for (int pass = 0; pass < 2; ++pass) {
        Settings settings(dir.path(), dir.path());
        settings.read(QLocale::c());
        QCOMPARE(settings.language, QString(file.left(2)));
        QCOMPARE(settings.loadLastSession, loadLast);
        QCOMPARE(settings.lastSession, lastSession);
        settings.write();
    }
    if (file.count('\n') == 2)
        QCOMPARE(contents(written.fileName()), file);
}

void TestSettings::installedProgram_data() {
    QTest::addColumn<QString>("bin"); // empty: a folder of its own
    QTest::newRow("own folder") << QString();
    QTest::newRow("/usr/bin") << "/usr/bin";
    if (QStringLiteral(STEREON_INSTALL_BINDIR) != "/usr/bin")
        QTest::newRow("install bindir") << STEREON_INSTALL_BINDIR;
}

// A copy of this program, asked where its settings go (see main). Installed, it is shown at
// the bin folder in a mount namespace of its own, so the real folder is left alone.
void TestSettings::installedProgram() {
    QFETCH(QString, bin);
    QTemporaryDir dir;
    QVERIFY(QDir().mkpath(dir.filePath("bin")));
    QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), dir.filePath("bin/probe")));
    QProcess probe;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", dir.filePath("config"));
    probe.setProcessEnvironment(environment);
    if (bin.isEmpty())
        probe.start(dir.filePath("bin/probe"), {"--settings-path"});
    else
        probe.start("unshare", {"--mount", "--propagation", "private", "sh", "-c",
                                "mount --bind \"$0\" \"$1\" && exec \"$1/probe\" --settings-path",
                                dir.filePath("bin"), bin});
    const bool finished = probe.waitForFinished();
    if (!bin.isEmpty() && (!finished || probe.exitCode() != 0))
        QSKIP(qPrintable("no mount namespace here: " + probe.readAllStandardError()));
    QVERIFY(finished);
    QCOMPARE(QString::fromUtf8(probe.readAllStandardOutput()),
             dir.filePath(bin.isEmpty() ? "bin/settings.cfg" : "config/probe/settings.cfg"));
}

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

#include "gui/settings.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void firstStart();
    void read_data();
    void read();
    void unwritableFolder();
    void nowhereToWrite();
};

namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeFile(const QString& path, const QByteArray& data) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(data);
}

} // namespace

void TestSettings::firstStart() {
    QTemporaryDir dir;
    Settings settings(dir.path(), dir.path());
    settings.read(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(settings.language, QStringLiteral("de"));
    QVERIFY(settings.loadLastSession);
    QVERIFY(settings.lastSession.isEmpty());
    QCOMPARE(settings.filePath(), dir.filePath("settings.cfg"));
    QCOMPARE(contents(settings.filePath()), QByteArray("de\n1\n"));
}

void TestSettings::read_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("loadLast");
    QTest::addColumn<QString>("lastSession");

    QTest::newRow("no last session") << QByteArray("cs\n1\n") << "cs" << true << QString();
    QTest::newRow("do not load") << QByteArray("sk\n0C:/a.zdr\n") << "sk" << false << "C:/a.zdr";
    QTest::newRow("path starting with digits")
        << QByteArray("en\n1123/2024.zdr\n") << "en" << true << "123/2024.zdr";
    QTest::newRow("zero before digits")
        << QByteArray("en\n007/a.zdr\n") << "en" << false << "07/a.zdr";
    QTest::newRow("non-ascii path") << QByteArray("cs\n1/home/jiří/úhly.zdr\n") << "cs" << true
                                    << QString::fromUtf8("/home/jiří/úhly.zdr");
    QTest::newRow("language only") << QByteArray("sk\n") << "sk" << false << QString();
}

// Reading a file and writing it back gives the same file.
void TestSettings::read() {
    QFETCH(QByteArray, file);
    QFETCH(QString, language);
    QFETCH(bool, loadLast);
    QFETCH(QString, lastSession);

    QTemporaryDir dir;
    const QString path = dir.filePath("settings.cfg");
    writeFile(path, file);
    Settings settings(dir.path(), dir.path());
    settings.read(QLocale::c());
    QCOMPARE(settings.language, language);
    QCOMPARE(settings.loadLastSession, loadLast);
    QCOMPARE(settings.lastSession, lastSession);

    settings.write();
    const QByteArray written = contents(path);
    if (file.count('\n') == 2)
        QCOMPARE(written, file);
    Settings again(dir.path(), dir.path());
    again.read(QLocale::c());
    QCOMPARE(again.language, language);
    QCOMPARE(again.loadLastSession, loadLast);
    QCOMPARE(again.lastSession, lastSession);
}

void TestSettings::unwritableFolder() {
    QTemporaryDir dir;
    // Nothing can be created below a plain file, not even by the superuser.
    writeFile(dir.filePath("plain"), "x");
    const QString blocked = dir.filePath("plain/program");
    const QString config = dir.filePath("config/stereon");

    Settings settings(blocked, config);
    QCOMPARE(settings.filePath(), config + "/settings.cfg");
    settings.read(QLocale(QLocale::Slovak, QLocale::Slovakia));
    QCOMPARE(settings.language, QStringLiteral("sk"));
    settings.lastSession = QStringLiteral("/data/cube.zdr");
    settings.loadLastSession = false;
    settings.write();
    QCOMPARE(contents(settings.filePath()), QByteArray("sk\n0/data/cube.zdr\n"));
}

void TestSettings::nowhereToWrite() {
    QTemporaryDir dir;
    writeFile(dir.filePath("plain"), "x");
    Settings settings(dir.filePath("plain/a"), dir.filePath("plain/b"));
    QVERIFY(settings.filePath().isEmpty());
    settings.read(QLocale(QLocale::Czech, QLocale::Czechia));
    QVERIFY(settings.language.isEmpty());
    QVERIFY(settings.loadLastSession);
    settings.write();
    QVERIFY(!QFile::exists(dir.filePath("settings.cfg")));
}

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"

// A session named on the command line is opened at start-up, before the last session.
#include "gui/stereongui.h"

#include "session/sessionreader.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString commandLineSession = QStringLiteral(STEREON_TEST_DATA "/valid_scene.zdr");
const QString lastSession = QStringLiteral(STEREON_SOURCE_DIR "/examples/scene.zdr");

QStringList names(const ObjectStore& store) {
    QStringList result;
    for (int kind = 0; kind < 4; ++kind) {
        for (const auto& entry : store.objects(kind))
            result << QString::fromStdString(entry.first);
    }
    return result;
}

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void firstSessionArgumentWins();
};

void TestCommandLine::firstSessionArgumentWins() {
    QTemporaryDir dir;
    QFile settings(dir.filePath(QStringLiteral("settings.cfg")));
    QVERIFY(settings.open(QIODevice::WriteOnly));
    settings.write("en\n1" + QFile::encodeName(lastSession) + "\n");
    settings.close();

    StereonGUI window(dir.path());
    ObjectStore expected;
    QVERIFY(readSession(expected, QFile::encodeName(commandLineSession).toStdString()));
    QCOMPARE(names(*window.objectStore), names(expected));
    QCOMPARE(window.settings.lastSession, commandLineSession);
    QVERIFY(!window.modified);
}

// The window reads the application's own arguments, so they are made up here; QtTest gets
// only the program name.
int main(int argc, char* argv[]) {
    QByteArray upperCase = QByteArrayLiteral(STEREON_TEST_DATA "/kind_7.ZDR");
    QByteArray notes = QByteArrayLiteral("notes.txt");
    QByteArray session = QFile::encodeName(commandLineSession);
    QByteArray later = QByteArrayLiteral(STEREON_TEST_DATA "/kind_7.zdr");
    char* arguments[] = {argv[0],        notes.data(), upperCase.data(),
                         session.data(), later.data(), nullptr};
    int count = 5;
    QApplication app(count, arguments);
    TestCommandLine test;
    return QTest::qExec(&test, argc > 0 ? 1 : 0, argv);
}

#include "test_commandline.moc"

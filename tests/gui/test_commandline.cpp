// A session named on the command line is opened at start-up instead of the last session,
// but only when it really loads.
#include "support/dialogscript.h"
#include "windowfixture.h"

#include "session/sessionreader.h"

#include <QTest>

namespace {

const QString lastSession = QStringLiteral(STEREON_SOURCE_DIR "/examples/scene.zdr");
const QString validSession = QStringLiteral(STEREON_TEST_DATA "/valid_scene.zdr");
const QString brokenSession = QStringLiteral(STEREON_TEST_DATA "/kind_7.zdr");

// The application's arguments. QCoreApplication reads them from these on each call, so a
// test can change them while the application lives.
int argumentCount = 1;
char* argumentValues[8];

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
    void startSession_data();
    void startSession();
};

void TestCommandLine::startSession_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("opened");
    QTest::addColumn<QStringList>("dialogs");
    // Only names ending in ".zdr" count, and the first of them.
    QTest::newRow("first session wins")
        << QStringList{"notes.txt", STEREON_TEST_DATA "/kind_7.ZDR", validSession, brokenSession}
        << validSession << QStringList();
    QTest::newRow("broken session, last one opens")
        << QStringList{brokenSession, validSession} << lastSession
        << QStringList{"Load Error: Failed to load the file"};
}

void TestCommandLine::startSession() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, opened);
    QFETCH(QStringList, dialogs);
    QList<QByteArray> bytes;
    for (const QString& argument : arguments)
        bytes << QFile::encodeName(argument);
    argumentCount = 1 + int(bytes.size());
    for (int i = 0; i < bytes.size(); ++i)
        argumentValues[1 + i] = bytes[i].data();
    QCOMPARE(QCoreApplication::arguments().mid(1), arguments);

    DialogScript script;
    if (!dialogs.isEmpty())
        script.press(QMessageBox::Ok);
    WindowFixture f("en\n1" + QFile::encodeName(lastSession) + "\n");
    argumentCount = 1;
    QCOMPARE(script.seen(), dialogs);
    ObjectStore expected;
    QVERIFY(readSession(expected, QFile::encodeName(opened).toStdString()));
    QCOMPARE(names(*f.window->objectStore), names(expected));
    QCOMPARE(f.window->settings.lastSession, opened);
    QVERIFY(!f.window->modified);
}

// QtTest gets only the program name; the window reads the application's arguments.
int main(int argc, char* argv[]) {
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    argumentValues[0] = argv[0];
    QApplication app(argumentCount, argumentValues);
    TestCommandLine test;
    return QTest::qExec(&test, argc > 0 ? 1 : 0, argv);
}

#include "test_commandline.moc"

// Saving, loading, resetting and closing through the real dialogs, answered by DialogScript,
// and the session opened at start-up.
#include "support/dialogscript.h"
#include "windowfixture.h"

#include "session/sessionreader.h"
#include "view3d/glwidget.h"
#include "widgets/objectlist.h"

#include <QCheckBox>
#include <QTest>
#include <QToolButton>

namespace {

// Every object of a store as "name:visible", kind by kind in name order.
QStringList contents(const ObjectStore& store) {
    QStringList result;
    for (int kind = 0; kind < 4; ++kind) {
        for (const auto& [name, object] : store.objects(kind))
            result
                << QStringLiteral("%1:%2").arg(QString::fromStdString(name)).arg(object->visible);
    }
    return result;
}

QStringList contents(const QString& sessionFile) {
    ObjectStore store;
    if (!readSession(store, QFile::encodeName(sessionFile).toStdString()))
        return {QStringLiteral("unreadable")};
    return contents(store);
}

const QString otherSession = QStringLiteral(STEREON_TEST_DATA "/valid_scene.zdr");
const QString lastSession = QStringLiteral(STEREON_SOURCE_DIR "/examples/scene.zdr");
// A good record, then a line whose parent comes later.
const QString brokenSession = QStringLiteral(STEREON_TEST_DATA "/unknown_parent.zdr");
const QString promptText = QStringLiteral(": Any unsaved changes will be lost.");
const QString loadError = QStringLiteral("Load Error: Failed to load the file");

enum Command { Load, DropBroken, Exit };

// The application's arguments. QCoreApplication reads them from these on each call, so a
// test can change them while the application lives.
int argumentCount = 1;
char* argumentValues[8];

} // namespace

class TestSessionCommands : public QObject {
    Q_OBJECT
private slots:
    void prompt_data();
    void prompt();
    void startup_data();
    void startup();
};

void TestSessionCommands::prompt_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("answer"); // 0: no prompt expected
    QTest::addColumn<bool>("saveFails");
    const int save = QMessageBox::Save;
    const int cancel = QMessageBox::Cancel;
    for (int command : {Load, Exit}) {
        const char* what = command == Load ? "load" : "exit";
        QTest::addRow("%s: save", what) << command << save << false;
        QTest::addRow("%s: save fails", what) << command << save << true;
        QTest::addRow("%s: cancel", what) << command << cancel << false;
    }
    QTest::newRow("exit: don't save") << int(Exit) << int(QMessageBox::Discard) << false;
    QTest::newRow("exit: unchanged") << int(Exit) << 0 << false;
    // The file is read into a store of its own, which replaces the session only when complete.
    QTest::newRow("drop broken: don't save")
        << int(DropBroken) << int(QMessageBox::Discard) << false;
}

// "Save" in the prompt goes on only once the session is saved. Hidden objects are part of
// the session too: the prompt comes with every object hidden.
void TestSessionCommands::prompt() {
    QFETCH(int, command);
    QFETCH(int, answer);
    QFETCH(bool, saveFails);
    WindowFixture f;
    StereonGUI& w = *f.window;
    QVERIFY(f.build(*w.objectStore, "P M 1 2 3;P N 4 0 -1;L m M N"));
    for (const char* name : {"M", "N", "m"})
        w.objectStore->setVisible(name, false);
    w.rebuildList();
    w.modified = answer != 0;
    const QStringList mine = contents(*w.objectStore);
    // The writer cannot use a folder that does not exist (the tests run as root).
    const QString saved = f.path(saveFails ? "missing/a.zdr" : "mine.zdr");
    const bool proceeds = answer != QMessageBox::Cancel && !saveFails && command != DropBroken;

    DialogScript script;
    QStringList dialogs;
    if (answer) {
        script.press(QMessageBox::StandardButton(answer));
        dialogs << (command == Exit ? "Exit" : "Load a Session") + promptText;
    }
    if (answer == QMessageBox::Save) {
        script.choose(saved);
        dialogs << "Save Stereon Session";
    }
    if (saveFails || command == DropBroken) {
        script.press(QMessageBox::Ok);
        dialogs << (saveFails ? "Save Error: Failed to save the file" : loadError);
    }
    if (command == Load && proceeds) {
        script.choose(otherSession);
        dialogs << "Load Stereon Session";
    }
    if (command == Exit) {
        w.makeDrawer(); // the 3D view as a window of its own
        QCOMPARE(w.close(), proceeds);
        QCOMPARE(w.isVisible(), !proceeds);
        if (w.glWidget)
            QCOMPARE(w.glWidget->isVisible(), !proceeds);
    } else {
        if (command == Load)
            w.loadFile();
        else
            emit w.objectList->droppedFile(brokenSession);
        QCOMPARE(contents(*w.objectStore), proceeds ? contents(otherSession) : mine);
        QCOMPARE(w.settings.lastSession, proceeds ? otherSession : QString());
        QCOMPARE(w.modified, !proceeds);
        QCOMPARE(w.items.size(), w.objectStore->visibleCount());
    }
    QCOMPARE(script.seen(), dialogs);
    QCOMPARE(contents(saved),
             answer == QMessageBox::Save && !saveFails ? mine : QStringList{"unreadable"});
}

void TestSessionCommands::startup_data() {
    QTest::addColumn<QByteArray>("flag");
    QTest::addColumn<QString>("last");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("opened"); // empty: nothing
    QTest::addColumn<QStringList>("dialogs");
    const QStringList none;
    QTest::newRow("last session") << QByteArray("1") << lastSession << none << lastSession << none;
    QTest::newRow("flag off") << QByteArray("0") << lastSession << none << QString() << none;
    QTest::newRow("last session gone")
        << QByteArray("1") << lastSession + ".gone" << none << QString() << none;
    // Only names ending in ".zdr" count, and the first of them.
    QTest::newRow("first session argument")
        << QByteArray("1") << lastSession
        << QStringList{"notes.txt", STEREON_TEST_DATA "/old.ZDR", otherSession, brokenSession}
        << otherSession << none;
    QTest::newRow("broken argument")
        << QByteArray("1") << lastSession << QStringList{brokenSession, otherSession} << lastSession
        << QStringList{loadError};
}

// A session named on the command line is opened instead of the last one, but only when it
// really loads. The check box shows the flag and writes its change at once.
void TestSessionCommands::startup() {
    QFETCH(QByteArray, flag);
    QFETCH(QString, last);
    QFETCH(QStringList, arguments);
    QFETCH(QString, opened);
    QFETCH(QStringList, dialogs);
    QList<QByteArray> bytes;
    for (const QString& argument : arguments)
        bytes << QFile::encodeName(argument);
    argumentCount = 1 + int(bytes.size());
    for (int i = 0; i < bytes.size(); ++i)
        argumentValues[1 + i] = bytes[i].data();

    DialogScript script;
    if (!dialogs.isEmpty())
        script.press(QMessageBox::Ok);
    WindowFixture f("en\n" + flag + QFile::encodeName(last) + "\n");
    argumentCount = 1;
    StereonGUI& w = *f.window;
    QCOMPARE(script.seen(), dialogs);
    QCOMPARE(contents(*w.objectStore), opened.isEmpty() ? QStringList() : contents(opened));
    QCOMPARE(w.settings.lastSession, opened.isEmpty() ? last : opened);
    QVERIFY(!w.modified);

    QCOMPARE(w.loadLastCheck->isChecked(), flag == "1");
    w.loadLastCheck->click();
    QFile written(f.path("settings.cfg"));
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), "en\n" + QByteArray(flag == "1" ? "0" : "1") +
                                    QFile::encodeName(w.settings.lastSession) + "\n");
}

// The window reads the application's arguments, which startup() sets.
int main(int argc, char* argv[]) {
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    argumentValues[0] = argv[0];
    QApplication app(argumentCount, argumentValues);
    TestSessionCommands test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_sessioncommands.moc"

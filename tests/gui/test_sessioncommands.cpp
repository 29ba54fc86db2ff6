// Saving, loading, resetting and closing through the real dialogs, answered by DialogScript.
#include "support/dialogscript.h"
#include "windowfixture.h"

#include "geometry/construction.h"
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
const QString promptText = QStringLiteral(": Any unsaved changes will be lost.");

enum Command { Load, Drop, Exit };

} // namespace

class TestSessionCommands : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs); }
    void saveResetLoad();
    void prompt_data();
    void prompt();
    void failedLoadKeepsSession();
    void lastSessionAtStartup_data();
    void lastSessionAtStartup();

private:
    // Points A and B, the line p through them, all visible; the session counts as changed.
    static void seed(StereonGUI& w);
};

void TestSessionCommands::seed(StereonGUI& w) {
    QVERIFY(createPoint(*w.objectStore, 1, 2, 3, "A"));
    QVERIFY(createPoint(*w.objectStore, 4, 0, -1, "B"));
    QVERIFY(createLine(*w.objectStore, "A", "B", "p"));
    w.rebuildList();
    w.modified = true;
}

void TestSessionCommands::saveResetLoad() {
    WindowFixture f;
    StereonGUI& w = *f.window;
    seed(w);
    w.objectStore->setVisible("B", false);
    const QStringList before = contents(*w.objectStore);
    const QString file = f.path("scene.zdr");
    DialogScript script;
    script.choose(file);
    QVERIFY(w.saveFile());
    QCOMPARE(contents(file), before);
    QCOMPARE(w.settings.lastSession, file);
    QVERIFY(!w.modified);

    // Reset asks nothing and forgets the session.
    w.modified = true;
    w.clearList();
    QVERIFY(contents(*w.objectStore).isEmpty());
    QVERIFY(w.items.isEmpty());
    QVERIFY(w.settings.lastSession.isEmpty());
    QVERIFY(!w.saveButton->isEnabled());
    QVERIFY(!w.resetListButton->isEnabled());
    for (QComboBox* combo : std::as_const(w.objectCombos))
        QCOMPARE(combo->count(), 0);

    script.choose(file);
    w.loadFile();
    QCOMPARE(script.seen(), QStringList({"Save Stereon Session", "Load Stereon Session"}));
    QCOMPARE(contents(*w.objectStore), before);
    QCOMPARE(w.itemNames, QStringList({"A", "p"}));
    QVERIFY(w.saveButton->isEnabled());
    QCOMPARE(w.settings.lastSession, file);
    QVERIFY(!w.modified);
}

void TestSessionCommands::prompt_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("answer"); // 0: no prompt expected
    QTest::addColumn<bool>("saveFails");
    QTest::addColumn<bool>("allHidden");
    QTest::addColumn<bool>("proceeds");
    const int save = QMessageBox::Save;
    const int discard = QMessageBox::Discard;
    const int cancel = QMessageBox::Cancel;
    for (int command : {Load, Exit}) {
        const char* what = command == Load ? "load" : "exit";
        QTest::addRow("%s: save", what) << command << save << false << false << true;
        QTest::addRow("%s: save fails", what) << command << save << true << false << false;
        QTest::addRow("%s: don't save", what) << command << discard << false << false << true;
        QTest::addRow("%s: cancel", what) << command << cancel << false << false << false;
    }
    QTest::newRow("drop: don't save") << int(Drop) << discard << false << false << true;
    // Hidden objects are part of the session too.
    QTest::newRow("exit: all hidden") << int(Exit) << cancel << false << true << false;
    QTest::newRow("exit: unchanged") << int(Exit) << 0 << false << false << true;
}

// "Save" in the prompt goes on only once the session is saved.
void TestSessionCommands::prompt() {
    QFETCH(int, command);
    QFETCH(int, answer);
    QFETCH(bool, saveFails);
    QFETCH(bool, allHidden);
    QFETCH(bool, proceeds);
    WindowFixture f;
    StereonGUI& w = *f.window;
    seed(w);
    w.modified = answer != 0;
    if (allHidden) {
        for (const char* name : {"A", "B", "p"})
            w.objectStore->setVisible(name, false);
        w.rebuildList();
    }
    const QStringList mine = contents(*w.objectStore);
    // The writer cannot use a folder that does not exist (the tests run as root).
    const QString saved = f.path(saveFails ? "missing/a.zdr" : "mine.zdr");

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
    if (saveFails) {
        script.press(QMessageBox::Ok);
        dialogs << "Save Error: Failed to save the file";
    }
    if (command == Exit) {
        // The 3D view shown as a window of its own.
        if (w.glWidget) {
            w.glWidget->setParent(nullptr);
            w.glWidget->show();
        }
        QCOMPARE(w.close(), proceeds);
        QCOMPARE(w.isVisible(), !proceeds);
        if (w.glWidget)
            QCOMPARE(w.glWidget->isVisible(), !proceeds);
    } else {
        if (command == Load)
            w.loadFile(otherSession);
        else
            emit w.objectList->droppedFile(otherSession);
        QCOMPARE(contents(*w.objectStore), proceeds ? contents(otherSession) : mine);
        QCOMPARE(w.settings.lastSession, proceeds ? otherSession : QString());
        QCOMPARE(w.modified, !proceeds);
    }
    QCOMPARE(script.seen(), dialogs);
    const bool savedFirst = answer == QMessageBox::Save && !saveFails;
    QCOMPARE(contents(saved), savedFirst ? mine : QStringList{"unreadable"});
}

// The file is read into a store of its own, which replaces the session only when complete.
void TestSessionCommands::failedLoadKeepsSession() {
    WindowFixture f;
    StereonGUI& w = *f.window;
    QVERIFY(w.loadSession(otherSession));
    const QStringList before = contents(*w.objectStore);
    const QStringList names = w.itemNames;
    // A good record, then one of an unknown kind.
    QFile broken(f.path("broken.zdr"));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("$$0$$1$$Z$$1$$2$$3$$0$$\n$$7$$1$$X$$0$$\n");
    broken.close();

    DialogScript script;
    script.press(QMessageBox::Discard).choose(broken.fileName()).press(QMessageBox::Ok);
    w.loadFile();
    QCOMPARE(script.seen(), QStringList({"Load a Session" + promptText, "Load Stereon Session",
                                         "Load Error: Failed to load the file"}));
    QCOMPARE(contents(*w.objectStore), before);
    QCOMPARE(w.itemNames, names);
    QCOMPARE(w.settings.lastSession, otherSession);
}

void TestSessionCommands::lastSessionAtStartup_data() {
    QTest::addColumn<QByteArray>("flag");
    QTest::addColumn<bool>("exists");
    QTest::addColumn<bool>("loads");
    QTest::newRow("on") << QByteArray("1") << true << true;
    QTest::newRow("off") << QByteArray("0") << true << false;
    QTest::newRow("file gone") << QByteArray("1") << false << false;
}

// The check box shows the flag and writes its change at once.
void TestSessionCommands::lastSessionAtStartup() {
    QFETCH(QByteArray, flag);
    QFETCH(bool, exists);
    QFETCH(bool, loads);
    const QByteArray file = QFile::encodeName(exists ? otherSession : otherSession + ".gone");
    WindowFixture f("en\n" + flag + file + "\n");
    StereonGUI& w = *f.window;
    QCOMPARE(contents(*w.objectStore), loads ? contents(otherSession) : QStringList());
    QVERIFY(!w.modified);
    QCOMPARE(w.loadLastCheck->isChecked(), flag == "1");

    w.loadLastCheck->click();
    QFile written(f.path("settings.cfg"));
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), "en\n" + QByteArray(flag == "1" ? "0" : "1") + file + "\n");
}

QTEST_MAIN(TestSessionCommands)
#include "test_sessioncommands.moc"

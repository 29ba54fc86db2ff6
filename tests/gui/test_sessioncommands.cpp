// Saving, loading, resetting and closing through the real dialogs, answered by DialogScript.
#include "dialogscript.h"

#include "geometry/construction.h"
#include "gui/stereongui.h"
#include "session/sessionreader.h"
#include "view3d/glwidget.h"
#include "widgets/objectlist.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QUrl>

#include <memory>

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

const QString brokenSession = QStringLiteral(STEREON_TEST_DATA "/kind_7.zdr");
const QString otherSession = QStringLiteral(STEREON_TEST_DATA "/valid_scene.zdr");

// How a test answers the save dialog that a "Save" answer opens.
enum class SaveAnswer { Saved, Cancelled, Failed };

} // namespace

class TestSessionCommands : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void saveThenLoadRestores();
    void loadPrompt_data();
    void loadPrompt();
    void dropOnList_data();
    void dropOnList();
    void failedOrCancelledLoadKeepsSession_data();
    void failedOrCancelledLoadKeepsSession();
    void failedSaveKeepsState();
    void resetForgetsSession();
    void exitPrompt_data();
    void exitPrompt();
    void exitWithoutChanges();
    void lastSessionAtStartup_data();
    void lastSessionAtStartup();
    void checkBoxTurnsLastSessionOff();

private:
    std::unique_ptr<StereonGUI> makeWindow(const QByteArray& settingsFile = "en\n1\n");
    // Points A and B, the line p through them, all visible; the session counts as changed.
    void seed(StereonGUI& window);
    QString path(const QString& name) const { return dir->filePath(name); }
    // A path the writer cannot use: its folder does not exist (the tests run as root).
    QString unwritable() const { return dir->filePath(QStringLiteral("missing/a.zdr")); }
    static void checkPrompt(const DialogScript::Seen& seen, const QString& title);
    static void scriptSave(DialogScript& script, SaveAnswer answer, const QString& file);

    std::unique_ptr<QTemporaryDir> dir;
};

void TestSessionCommands::initTestCase() {
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
}

void TestSessionCommands::init() {
    dir = std::make_unique<QTemporaryDir>();
}

std::unique_ptr<StereonGUI> TestSessionCommands::makeWindow(const QByteArray& settingsFile) {
    QFile file(path(QStringLiteral("settings.cfg")));
    if (file.open(QIODevice::WriteOnly))
        file.write(settingsFile);
    file.close();
    auto window = std::make_unique<StereonGUI>(dir->path());
    QCoreApplication::processEvents();
    return window;
}

void TestSessionCommands::seed(StereonGUI& w) {
    QVERIFY(createPoint(*w.objectStore, 1, 2, 3, "A"));
    QVERIFY(createPoint(*w.objectStore, 4, 0, -1, "B"));
    QVERIFY(createLine(*w.objectStore, "A", "B", "p"));
    w.rebuildList();
    w.modified = true;
}

void TestSessionCommands::checkPrompt(const DialogScript::Seen& seen, const QString& title) {
    QCOMPARE(seen.title, title);
    QCOMPARE(seen.text, QStringLiteral("Any unsaved changes will be lost."));
    QCOMPARE(seen.informativeText, QStringLiteral("Do you want to save your changes?"));
    QStringList buttons = seen.buttons;
    buttons.sort();
    QCOMPARE(buttons, QStringList({"Cancel", "Don't Save", "Save"}));
    QCOMPARE(seen.defaultButton, QStringLiteral("Save"));
}

void TestSessionCommands::scriptSave(DialogScript& script, SaveAnswer answer, const QString& file) {
    if (answer == SaveAnswer::Cancelled)
        script.cancel();
    else
        script.choose(file);
    if (answer == SaveAnswer::Failed)
        script.press(QMessageBox::Ok);
}

void TestSessionCommands::saveThenLoadRestores() {
    auto window = makeWindow();
    StereonGUI& w = *window;
    seed(w);
    w.objectStore->setVisible("B", false);
    const QStringList before = contents(*w.objectStore);
    const QString file = path(QStringLiteral("scene.zdr"));

    {
        DialogScript save;
        save.choose(file);
        QVERIFY(w.saveFile());
        QVERIFY(save.finished());
        QCOMPARE(save.seen().first().title, QStringLiteral("Save Stereon Session"));
        QCOMPARE(save.seen().first().nameFilters,
                 QStringList({"Stereon Save (*.zdr)", "All Files (*)"}));
    }
    QCOMPARE(contents(file), before);
    QCOMPARE(w.settings.lastSession, file);
    QVERIFY(!w.modified);

    w.clearList();
    QVERIFY(contents(*w.objectStore).isEmpty());

    DialogScript load;
    load.choose(file);
    w.loadFile();
    QVERIFY(load.finished());
    QVERIFY(load.unexpected().isEmpty());
    QCOMPARE(load.seen().first().title, QStringLiteral("Load Stereon Session"));
    QCOMPARE(contents(*w.objectStore), before);
    QCOMPARE(w.itemNames, QStringList({"A", "p"}));
    QVERIFY(w.saveButton->isEnabled());
    QCOMPARE(w.settings.lastSession, file);
    QVERIFY(!w.modified);
}

void TestSessionCommands::loadPrompt_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("save");
    QTest::addColumn<bool>("loads");
    const int none = int(SaveAnswer::Saved);
    QTest::newRow("save") << int(QMessageBox::Save) << int(SaveAnswer::Saved) << true;
    QTest::newRow("save cancelled")
        << int(QMessageBox::Save) << int(SaveAnswer::Cancelled) << false;
    QTest::newRow("save failed") << int(QMessageBox::Save) << int(SaveAnswer::Failed) << false;
    QTest::newRow("don't save") << int(QMessageBox::Discard) << none << true;
    QTest::newRow("cancel") << int(QMessageBox::Cancel) << none << false;
}

void TestSessionCommands::loadPrompt() {
    QFETCH(int, answer);
    QFETCH(int, save);
    QFETCH(bool, loads);
    auto window = makeWindow();
    StereonGUI& w = *window;
    seed(w);
    const QStringList mine = contents(*w.objectStore);
    const auto saveAnswer = SaveAnswer(save);
    const QString saved =
        saveAnswer == SaveAnswer::Failed ? unwritable() : path(QStringLiteral("mine.zdr"));

    DialogScript script;
    script.press(QMessageBox::StandardButton(answer));
    if (answer == QMessageBox::Save)
        scriptSave(script, saveAnswer, saved);
    w.loadFile(otherSession);
    QVERIFY(script.finished());
    QVERIFY(script.unexpected().isEmpty());
    checkPrompt(script.seen().first(), QStringLiteral("Load a Session"));

    QCOMPARE(contents(*w.objectStore), loads ? contents(otherSession) : mine);
    QCOMPARE(w.settings.lastSession, loads ? otherSession : QString());
    const bool savedFirst = answer == QMessageBox::Save && saveAnswer == SaveAnswer::Saved;
    QCOMPARE(QFile::exists(saved), savedFirst);
    if (savedFirst)
        QCOMPARE(contents(saved), mine);
}

void TestSessionCommands::dropOnList_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("loads");
    QTest::newRow("don't save") << int(QMessageBox::Discard) << true;
    QTest::newRow("cancel") << int(QMessageBox::Cancel) << false;
}

void TestSessionCommands::dropOnList() {
    QFETCH(int, answer);
    QFETCH(bool, loads);
    auto window = makeWindow();
    StereonGUI& w = *window;
    seed(w);
    const QStringList mine = contents(*w.objectStore);

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path(QStringLiteral("notes.txt"))),
                  QUrl::fromLocalFile(otherSession)});
    // Drops reach only the widget that the drag entered.
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w.objectList->viewport(), &enter);
    QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    DialogScript script;
    script.press(QMessageBox::StandardButton(answer));
    QApplication::sendEvent(w.objectList->viewport(), &drop);
    QVERIFY(script.finished());
    checkPrompt(script.seen().first(), QStringLiteral("Load a Session"));
    QCOMPARE(contents(*w.objectStore), loads ? contents(otherSession) : mine);
}

void TestSessionCommands::failedOrCancelledLoadKeepsSession_data() {
    QTest::addColumn<QString>("file");
    QTest::newRow("broken file") << brokenSession;
    QTest::newRow("dialog cancelled") << QString();
}

void TestSessionCommands::failedOrCancelledLoadKeepsSession() {
    QFETCH(QString, file);
    auto window = makeWindow();
    StereonGUI& w = *window;
    QVERIFY(w.loadSession(otherSession));
    w.rebuildList();
    const QStringList before = contents(*w.objectStore);
    const QStringList names = w.itemNames;

    DialogScript script;
    script.press(QMessageBox::Discard);
    if (file.isEmpty())
        script.cancel();
    else
        script.choose(file).press(QMessageBox::Ok);
    w.loadFile();
    QVERIFY(script.finished());
    QVERIFY(script.unexpected().isEmpty());
    if (!file.isEmpty()) {
        QCOMPARE(script.seen().last().title, QStringLiteral("Load Error"));
        QCOMPARE(script.seen().last().text, QStringLiteral("Failed to load the file"));
    }
    QCOMPARE(contents(*w.objectStore), before);
    QCOMPARE(w.itemNames, names);
    QCOMPARE(w.settings.lastSession, otherSession);
}

void TestSessionCommands::failedSaveKeepsState() {
    auto window = makeWindow();
    StereonGUI& w = *window;
    QVERIFY(w.loadSession(otherSession));
    QVERIFY(createPoint(*w.objectStore, 7, 7, 7, "Q"));
    w.modified = true;
    const QStringList before = contents(*w.objectStore);

    DialogScript script;
    script.choose(unwritable()).press(QMessageBox::Ok);
    QVERIFY(!w.saveFile());
    QVERIFY(script.finished());
    QCOMPARE(script.seen().last().title, QStringLiteral("Save Error"));
    QCOMPARE(script.seen().last().text, QStringLiteral("Failed to save the file"));
    QVERIFY(w.modified);
    QCOMPARE(w.settings.lastSession, otherSession);
    QCOMPARE(contents(*w.objectStore), before);
}

void TestSessionCommands::resetForgetsSession() {
    auto window = makeWindow();
    StereonGUI& w = *window;
    QVERIFY(w.loadSession(otherSession));
    DialogScript script; // no prompt expected
    w.clearList();
    QVERIFY(script.unexpected().isEmpty());
    QVERIFY(contents(*w.objectStore).isEmpty());
    QVERIFY(w.items.isEmpty());
    QVERIFY(w.settings.lastSession.isEmpty());
    QVERIFY(!w.saveButton->isEnabled());
    QVERIFY(!w.resetListButton->isEnabled());
    for (QComboBox* combo : std::as_const(w.objectCombos))
        QCOMPARE(combo->count(), 0);
}

void TestSessionCommands::exitPrompt_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("save");
    QTest::addColumn<bool>("allHidden");
    QTest::addColumn<bool>("closes");
    const int none = int(SaveAnswer::Saved);
    QTest::newRow("save") << int(QMessageBox::Save) << int(SaveAnswer::Saved) << false << true;
    QTest::newRow("save cancelled")
        << int(QMessageBox::Save) << int(SaveAnswer::Cancelled) << false << false;
    QTest::newRow("save failed") << int(QMessageBox::Save) << int(SaveAnswer::Failed) << false
                                 << false;
    QTest::newRow("don't save") << int(QMessageBox::Discard) << none << false << true;
    QTest::newRow("cancel") << int(QMessageBox::Cancel) << none << false << false;
    QTest::newRow("all hidden, cancel") << int(QMessageBox::Cancel) << none << true << false;
}

void TestSessionCommands::exitPrompt() {
    QFETCH(int, answer);
    QFETCH(int, save);
    QFETCH(bool, allHidden);
    QFETCH(bool, closes);
    auto window = makeWindow();
    StereonGUI& w = *window;
    seed(w);
    if (allHidden) {
        for (const char* name : {"A", "B", "p"})
            w.objectStore->setVisible(name, false);
        w.rebuildList();
    }
    // The 3D view shown as a window of its own.
    if (w.glWidget) {
        w.glWidget->setParent(nullptr);
        w.glWidget->show();
    }
    const auto saveAnswer = SaveAnswer(save);
    const QString saved =
        saveAnswer == SaveAnswer::Failed ? unwritable() : path(QStringLiteral("exit.zdr"));

    DialogScript script;
    script.press(QMessageBox::StandardButton(answer));
    if (answer == QMessageBox::Save)
        scriptSave(script, saveAnswer, saved);
    QCOMPARE(w.close(), closes);
    QVERIFY(script.finished());
    QVERIFY(script.unexpected().isEmpty());
    checkPrompt(script.seen().first(), QStringLiteral("Exit"));
    QCOMPARE(w.isVisible(), !closes);
    if (w.glWidget)
        QCOMPARE(w.glWidget->isVisible(), !closes);
    QCOMPARE(QFile::exists(saved), answer == QMessageBox::Save && saveAnswer == SaveAnswer::Saved);
}

void TestSessionCommands::exitWithoutChanges() {
    auto window = makeWindow();
    StereonGUI& w = *window;
    QVERIFY(w.loadSession(otherSession));
    DialogScript script; // no prompt expected
    QVERIFY(w.close());
    QVERIFY(script.unexpected().isEmpty());
    QVERIFY(script.seen().isEmpty());
}

void TestSessionCommands::lastSessionAtStartup_data() {
    QTest::addColumn<QByteArray>("flag");
    QTest::addColumn<bool>("exists");
    QTest::addColumn<bool>("loads");
    QTest::newRow("on") << QByteArray("1") << true << true;
    QTest::newRow("off") << QByteArray("0") << true << false;
    QTest::newRow("file gone") << QByteArray("1") << false << false;
}

void TestSessionCommands::lastSessionAtStartup() {
    QFETCH(QByteArray, flag);
    QFETCH(bool, exists);
    QFETCH(bool, loads);
    const QString file = path(QStringLiteral("last.zdr"));
    if (exists)
        QVERIFY(QFile::copy(otherSession, file));
    auto window = makeWindow("en\n" + flag + QFile::encodeName(file) + "\n");
    QCOMPARE(contents(*window->objectStore), loads ? contents(otherSession) : QStringList());
    QVERIFY(!window->modified);
}

void TestSessionCommands::checkBoxTurnsLastSessionOff() {
    const QString file = path(QStringLiteral("last.zdr"));
    QVERIFY(QFile::copy(otherSession, file));
    const QByteArray settingsFile = "en\n1" + QFile::encodeName(file) + "\n";
    {
        auto window = makeWindow(settingsFile);
        QVERIFY(!contents(*window->objectStore).isEmpty());
        window->loadLastCheck->click();
    }
    QFile written(path(QStringLiteral("settings.cfg")));
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), "en\n0" + QFile::encodeName(file) + "\n");
    written.close();
    auto window = std::make_unique<StereonGUI>(dir->path());
    QVERIFY(contents(*window->objectStore).isEmpty());
    QVERIFY(!window->loadLastCheck->isChecked());
}

QTEST_MAIN(TestSessionCommands)
#include "test_sessioncommands.moc"

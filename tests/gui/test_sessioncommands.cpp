// SPDX-License-Identifier: GPL-3.0-or-later
// Saving, loading and closing through the real dialogs, and the session opened at start-up.
#include "session/sessiontesthelpers.h"
#include "support/dialogscript.h"
#include "windowfixture.h"

#include "view3d/glwidget.h"

#include <QCheckBox>
#include <QDir>

namespace {

// What the writer makes of the session in a file, or "unreadable".
QByteArray session(const QString& file) {
    ObjectStore store;
    return readSession(store, QFile::encodeName(file).toStdString()) ? saved(store) : "unreadable";
}

const QString otherSession = STEREON_TEST_DATA "/valid_scene.zdr";
const QString lastSession = STEREON_SOURCE_DIR "/examples/scene.zdr";
// A good record, then a line whose parent comes later.
const QString brokenSession = STEREON_TEST_DATA "/unknown_parent.zdr";
const QString loadError = "Load Error: Failed to load the file";

enum Command { Load, DropBroken, Exit };

// QCoreApplication reads its arguments from these on each call, so a test can change them.
int argumentCount = 1;
char* argumentValues[8];

} // namespace

class TestSessionCommands : public QObject {
    Q_OBJECT
private slots:
    void prompt_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("saveFails");
        for (int command : {Load, Exit}) {
            const char* what = command == Load ? "load" : "exit";
            QTest::addRow("%s: save", what) << command << int(QMessageBox::Save) << false;
            QTest::addRow("%s: save fails", what) << command << int(QMessageBox::Save) << true;
            QTest::addRow("%s: cancel", what) << command << int(QMessageBox::Cancel) << false;
        }
        QTest::newRow("exit: don't save") << int(Exit) << int(QMessageBox::Discard) << false;
        // A file that does not load in full leaves the session as it was.
        QTest::newRow("drop broken: don't save")
            << int(DropBroken) << int(QMessageBox::Discard) << false;
    }

    // "Save" goes on only once saved. The objects are hidden: they belong to the session too.
    void prompt() {
        QFETCH(int, command);
        QFETCH(int, answer);
        QFETCH(bool, saveFails);
        WindowFixture f;
        StereonGUI& w = *f.window;
        const ObjectStore& store = f.session().store();
        QVERIFY(f.build("P M 1 2 3;P N 4 0 -1;L m M N"));
        for (const char* name : {"M", "N", "m"})
            f.session().setVisible(name, false);
        const QByteArray mine = saved(store);
        // The writer cannot use a folder that does not exist (the tests run as root).
        const QString target = f.path(saveFails ? "missing/a.zdr" : "mine.zdr");
        const bool proceeds = answer != QMessageBox::Cancel && !saveFails && command != DropBroken;
        DialogScript script;
        script.press(QMessageBox::StandardButton(answer));
        QStringList dialogs{(command == Exit ? "Exit" : "Load a Session") +
                            QString(": Any unsaved changes will be lost.")};
        if (answer == QMessageBox::Save) {
            script.choose(target);
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
            // The 3D view as a window of its own.
            f.find<QToolButton>("showInWindowButton")->click();
            GLWidget* view = nullptr;
            for (QWidget* top : QApplication::topLevelWidgets())
                view = view ? view : qobject_cast<GLWidget*>(top);
            QCOMPARE(w.close(), proceeds);
            QCOMPARE(w.isVisible(), !proceeds);
            if (view)
                QCOMPARE(view->isVisible(), !proceeds);
        } else {
            auto* list = f.find<ObjectList>("objectList");
            if (command == Load)
                f.find<QToolButton>("loadButton")->click();
            else
                emit list->droppedFile(brokenSession);
            // A drop is taken once the drag's own event is over.
            QCoreApplication::processEvents();
            QCOMPARE(saved(store), proceeds ? session(otherSession) : mine);
            QCOMPARE(f.session().fileName(), proceeds ? otherSession : QString());
            QCOMPARE(f.session().isModified(), !proceeds);
            QCOMPARE(list->model()->rowCount(), store.visibleCount());
        }
        QCOMPARE(script.seen(), dialogs);
        QCOMPARE(session(target), answer == QMessageBox::Save && !saveFails ? mine : "unreadable");
    }

    void fileKeys_data() {
        QTest::addColumn<QSize>("size"); // empty: the window's own
        QTest::addColumn<QByteArray>("lang");
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("fromFile"); // the session is a copy of the example's
        QTest::addColumn<bool>("change");   // a point is added before the keys
        QTest::addColumn<QList<QKeySequence>>("keys");
        QTest::addColumn<QString>("answer"); // for the file dialog, in the test's folder
        QTest::addColumn<QStringList>("dialogs");
        QTest::addColumn<QString>("proposed");   // by the file dialog; empty: not looked at
        QTest::addColumn<QString>("savedTo");    // empty: the example's copy stays as it was
        QTest::addColumn<QStringList>("titles"); // before the keys and after each
        const QKeySequence save(Qt::CTRL | Qt::Key_S), saveAs(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
            load(Qt::CTRL | Qt::Key_L), reset(Qt::CTRL | Qt::Key_R), undo(Qt::CTRL | Qt::Key_Z);
        const QString scene = "scene.zdr - Stereon", changed = "scene.zdr* - Stereon";
        for (const QSize& size : {QSize(), QSize(800, 600)}) {
            const auto row = [&size](const char* tag) -> QTestData& {
                return QTest::addRow("%s%s", tag, size.isEmpty() ? "" : ", 800x600") << size;
            };
            row("ctrl+s with a file saves without asking; undo marks the change")
                << QByteArray("en") << 7 << true << true << QList{save, undo} << "" << QStringList()
                << ""
                << "scene.zdr" << QStringList{changed, scene, changed};
            // From a name field, which keeps only its own keys.
            row("ctrl+s without a file asks, in Slovak, and adds .zdr")
                << QByteArray("sk") << 3 << false << true << QList{save} << "walk1"
                << QStringList{"Uložiť reláciu Stereon"} << ""
                << "walk1.zdr" << QStringList{"Bez názvu* - Stereon", "walk1.zdr - Stereon"};
            row("save as proposes the session's file")
                << QByteArray("en") << 0 << true << true << QList{saveAs} << "copy"
                << QStringList{"Save Stereon Session"} << "scene.zdr"
                << "copy.zdr" << QStringList{changed, "copy.zdr - Stereon"};
            // Qt's own question, from its Czech catalogue.
            row("save as over the file asks to replace it, in Czech")
                << QByteArray("cs") << 6 << true << true << QList{saveAs} << "scene.zdr"
                << QStringList{"Uložit relaci Stereon",
                               "Uložit relaci Stereon: Soubor scene.zdr již existuje.\n"
                               "Chcete jej nahradit?"}
                << "scene.zdr"
                << "scene.zdr" << QStringList{changed, scene};
            row("ctrl+l without changes asks only for the file")
                << QByteArray("en") << 4 << true << false << QList{load} << otherSession
                << QStringList{"Load Stereon Session"} << ""
                << "" << QStringList{scene, "valid_scene.zdr - Stereon"};
            // After a reset there is nothing to save, and Ctrl+S does nothing.
            row("ctrl+r, ctrl+s, ctrl+z")
                << QByteArray("en") << 9 << true << false << QList{reset, save, undo} << ""
                << QStringList() << ""
                << "" << QStringList{scene, "Untitled* - Stereon", "Untitled* - Stereon", scene};
        }
    }

    // The session's keys work on every page; the title bar names the file and marks unsaved
    // changes, in the window's language; the list's buttons fit a small window.
    void fileKeys() {
        QFETCH(QSize, size);
        QFETCH(QByteArray, lang);
        QFETCH(int, page);
        QFETCH(bool, fromFile);
        QFETCH(bool, change);
        QFETCH(QList<QKeySequence>, keys);
        QFETCH(QString, answer);
        QFETCH(QStringList, dialogs);
        QFETCH(QString, proposed);
        QFETCH(QString, savedTo);
        QFETCH(QStringList, titles);
        WindowFixture f(lang + "\n0\n");
        StereonGUI& w = *f.window;
        if (size.isValid()) {
            w.resize(size);
            QCOMPARE(w.size(), size);
        }
        const QByteArray example = readBytes(lastSession);
        QVERIFY(writeBytes(f.path("scene.zdr"), example));
        if (fromFile)
            QVERIFY(f.session().load(f.path("scene.zdr")));
        if (change)
            QVERIFY(f.build("P Q 1 2 3"));
        const QByteArray mine = saved(f.session().store());
        DialogScript script;
        if (!answer.isEmpty())
            script.choose(QDir(f.dir.path()).filePath(answer));
        if (dialogs.size() > 1)
            script.press(QMessageBox::Yes);
        f.show(page);
        QStringList seenTitles{w.windowHandle()->title()};
        for (const QKeySequence& key : keys) {
            w.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&w));
            QTest::keySequence(&w, key);
            QCoreApplication::processEvents();
            seenTitles << w.windowHandle()->title();
        }
        QCOMPARE(seenTitles, titles);
        QCOMPARE(script.seen(), dialogs);
        if (!proposed.isEmpty())
            QCOMPARE(script.details().value(0), f.path(proposed));
        QCOMPARE(readBytes(f.path(savedTo.isEmpty() ? "scene.zdr" : savedTo)),
                 savedTo.isEmpty() ? example : mine);
        f.show(0);
        for (auto* button : f.find("listPage")->findChildren<QToolButton*>()) {
            const QRect inWindow(button->mapTo(&w, QPoint()), button->size());
            QVERIFY2(w.rect().contains(inWindow) &&
                         button->width() >= button->minimumSizeHint().width(),
                     qPrintable(button->objectName()));
        }
    }

    void startup_data() {
        QTest::addColumn<QByteArray>("flag");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("opened"); // empty: nothing
        QTest::addColumn<QStringList>("dialogs");
        const auto row = [](const char* tag, const char* flag, const QString& last,
                            const QStringList& arguments, const QString& opened,
                            const QStringList& dialogs = {}) {
            QTest::newRow(tag) << QByteArray(flag) << last << arguments << opened << dialogs;
        };
        row("last session", "1", lastSession, {}, lastSession);
        // The flag is the first character of line 2, whatever follows it.
        row("flag off", "0", QString::fromUtf8("07/jiří/úhly.zdr"), {}, QString());
        row("no flag", "", "", {}, QString());
        row("last session gone", "1", lastSession + ".gone", {}, QString());
        // Only names ending in ".zdr" count, and the first of them.
        row("first session argument", "1", lastSession,
            {"notes.txt", STEREON_TEST_DATA "/old.ZDR", otherSession, brokenSession}, otherSession);
        row("broken argument", "1", lastSession, {brokenSession, otherSession}, lastSession,
            {loadError});
    }

    // A session named on the command line replaces the last one if it loads. The check box
    // shows the flag and writes its change at once.
    void startup() {
        QFETCH(QByteArray, flag);
        QFETCH(QString, last);
        QFETCH(QStringList, arguments);
        QFETCH(QString, opened);
        QFETCH(QStringList, dialogs);
        QByteArrayList bytes;
        for (const QString& argument : arguments)
            bytes << QFile::encodeName(argument);
        for (argumentCount = 1; argumentCount <= bytes.size(); ++argumentCount)
            argumentValues[argumentCount] = bytes[argumentCount - 1].data();
        DialogScript script;
        if (!dialogs.isEmpty())
            script.press(QMessageBox::Ok);
        WindowFixture f("en\n" + flag + QFile::encodeName(last) + "\n");
        argumentCount = 1;
        QCOMPARE(script.seen(), dialogs);
        QCOMPARE(saved(f.session().store()), opened.isEmpty() ? QByteArray() : session(opened));
        QCOMPARE(f.session().fileName(), opened);
        // The history starts with the session the window opened.
        QVERIFY(!f.session().isModified() && !f.session().undoStack()->canUndo());
        auto* loadLast = f.find<QCheckBox>("loadLastCheck");
        QCOMPARE(loadLast->isChecked(), flag == "1");
        loadLast->click();
        QCOMPARE(readBytes(f.path("settings.cfg")),
                 "en\n" + QByteArray(flag == "1" ? "0" : "1") +
                     QFile::encodeName(opened.isEmpty() ? last : opened) + "\n1\n");
    }
};

// The window reads the application's arguments, which startup() sets.
int main(int argc, char* argv[]) {
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    argumentValues[0] = argv[0];
    QApplication app(argumentCount, argumentValues);
    TestSessionCommands test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_sessioncommands.moc"

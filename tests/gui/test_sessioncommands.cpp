// SPDX-License-Identifier: GPL-3.0-or-later
// Saving, loading and closing through the real dialogs, answered by DialogScript, and the
// session opened at start-up.
#include "session/sessiontesthelpers.h"
#include "support/dialogscript.h"
#include "windowfixture.h"

#include "view3d/glwidget.h"

#include <QCheckBox>

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

// The application's arguments. QCoreApplication reads them from these on each call, so a
// test can change them while the application lives.
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

    // "Save" in the prompt goes on only once the session is saved. Hidden objects belong to
    // the session too: the prompt comes with every object hidden.
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
        row("flag off", "0", lastSession, {}, QString());
        row("last session gone", "1", lastSession + ".gone", {}, QString());
        // Only names ending in ".zdr" count, and the first of them.
        row("first session argument", "1", lastSession,
            {"notes.txt", STEREON_TEST_DATA "/old.ZDR", otherSession, brokenSession}, otherSession);
        row("broken argument", "1", lastSession, {brokenSession, otherSession}, lastSession,
            {loadError});
    }

    // A session named on the command line is opened instead of the last one, but only when
    // it really loads. The check box shows the flag and writes its change at once.
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

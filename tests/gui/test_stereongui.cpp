#include "support/dialogscript.h"
#include "windowfixture.h"

#include "view3d/glwidget.h"
#include "widgets/checkgroup.h"
#include "widgets/objectlist.h"

#include <QLabel>
#include <QTest>
#include <QToolButton>

class TestStereonGUI : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs); }

    // F1 to F10 show the pages, Ctrl+S, L, R and I save, load, reset and detach the 3D view;
    // setting a caption on a language switch must not cost its button the key.
    void shortcuts() {
        WindowFixture f("cs\n1\n");
        StereonGUI& w = *f.window;
        QVERIFY(!w.saveButton->isEnabled() && !w.resetListButton->isEnabled());
        w.languageCombo->setCurrentIndex(1);
        QCoreApplication::processEvents();
        auto press = [&w](int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
            w.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&w));
            QTest::keyClick(&w, Qt::Key(key), modifiers);
        };
        QWidget* view = w.glWidget ? static_cast<QWidget*>(w.glWidget) : w.noViewLabel;
        const QList<QWidget*> shown = {w.objectList, view,          w.optionsPage, w.pointPage,
                                       w.vectorPage, w.linePage,    w.surfacePage, w.intersectPage,
                                       w.anglePage,  w.distancePage};
        // The line and surface pages leave the focus where it is.
        QWidget* const focus[] = {w.objectList, view,          w.optionsPage, w.pointName,
                                  w.vectorName, nullptr,       nullptr,       w.intersectPage,
                                  w.anglePage,  w.distancePage};
        // From the list page, where the window starts, F10 first: every key changes the page.
        for (int i = 10; i >= 0; --i) {
            if (i < 10)
                press(Qt::Key_F1 + i);
            const int page = i % 10;
            QTRY_VERIFY(shown[page]->isVisible());
            for (int j = 0; j < shown.size(); ++j) {
                QCOMPARE(shown[j]->isVisible(), j == page);
                QCOMPARE(w.menuButtons[j]->isDown(), j == page);
            }
            QVERIFY(w.focusWidget() != w.lineName && w.focusWidget() != w.surfaceName);
            if (focus[page])
                QCOMPARE(w.focusWidget(), focus[page]);
        }

        QVERIFY(f.build(*w.objectStore, "P A 1 2 3"));
        w.modified = true;
        DialogScript script;
        script.choose(f.path("a.zdr")).press(QMessageBox::Cancel);
        // A button's key clicks it a moment later.
        press(Qt::Key_S, Qt::ControlModifier);
        QTRY_COMPARE(script.seen(), QStringList({"Save Stereon Session"}));
        QCOMPARE(w.settings.lastSession, f.path("a.zdr"));
        QVERIFY(!w.modified);
        // Saved or not, a session in the window is not dropped without asking.
        press(Qt::Key_L, Qt::ControlModifier);
        QTRY_COMPARE(script.seen().size(), 2);
        QCOMPARE(script.seen().last(), "Load a Session: Any unsaved changes will be lost.");
        // Reset asks nothing and forgets the session; nothing is left to save or reset.
        press(Qt::Key_R, Qt::ControlModifier);
        QTRY_VERIFY(w.items.isEmpty());
        QVERIFY(!w.objectStore->exists("A") && w.settings.lastSession.isEmpty());
        QVERIFY(!w.saveButton->isEnabled() && !w.resetListButton->isEnabled());
        QCOMPARE(script.seen().size(), 2);
        if (w.glWidget) {
            press(Qt::Key_F2);
            QTRY_VERIFY(w.showInWindowButton->isVisible());
            press(Qt::Key_I, Qt::ControlModifier);
            QTRY_VERIFY(!w.glWidget->parent());
        }
    }

    void language_data() {
        QTest::addColumn<QByteArray>("start");
        QTest::addColumn<int>("choice"); // -1: none
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("sample"); // "|" between texts
        // Texts of each kind: menu, title, label, push button, group, check box, combo item,
        // an entry, the 3D view's window, the alert of a bad name.
        const QString english =
            "List|List of Objects|New Point|Point 1:|Add Point|Option 1|Czech|"
            "Point A [1; 2; 3]|Load last session on startup|OpenGL 3D Demonstration|"
            "Wrong object name. A name must not contain \"$\" or control characters.";
        const QString czech =
            "Seznam|Seznam objektů|Nový bod|Bod 1:|Přidat bod|Volba 1|Angličtina|"
            "Bod A [1; 2; 3]|Při startu načíst poslední relaci|OpenGL 3D znázornění|"
            "Chybné jméno objektu. Jméno nesmí obsahovat \"$\" ani řídicí znaky.";
        const QString slovak =
            "Zoznam|Zoznam objektov|Nový bod|Bod 1:|Pridať vektor|Voľba 4|Slovenčina|"
            "Bod A [1; 2; 3]|Pri štarte načítať poslednú reláciu|OpenGL 3D znázornenie|"
            "Chybné meno objektu. Meno nesmie obsahovať \"$\" ani riadiace znaky.";
        QTest::newRow("Slovak") << QByteArray("sk") << -1 << "sk" << slovak;
        QTest::newRow("English to Czech") << QByteArray("en") << 0 << "cs" << czech;
        QTest::newRow("Czech to Slovak") << QByteArray("cs") << 2 << "sk" << slovak;
        QTest::newRow("Slovak to English") << QByteArray("sk") << 1 << "en" << english;
        // No catalogue for it: the texts stay English.
        QTest::newRow("unknown language") << QByteArray("de") << -1 << "de" << english;
    }

    // Every text the user can read on the window changes with the language: texts of labels
    // and buttons, titles of groups and of the 3D view's own window, the language choices.
    // The language is kept in the settings file at exit.
    void language() {
        QFETCH(QByteArray, start);
        QFETCH(int, choice);
        QFETCH(QString, language);
        QFETCH(QString, sample);
        WindowFixture f(start + "\n1\n");
        StereonGUI& w = *f.window;
        QVERIFY(f.build(*w.objectStore, "P A 1 2 3"));
        if (choice >= 0)
            w.languageCombo->setCurrentIndex(choice);
        QCoreApplication::processEvents();
        QCOMPARE(w.settings.language, language);
        QTest::mouseClick(w.menuButtons[3], Qt::LeftButton);
        type(w.pointName, "a$b");
        QStringList shown = itemTexts(w.languageCombo);
        for (QWidget* widget : w.findChildren<QWidget*>())
            for (const char* name : {"text", "title", "windowTitle"})
                if (widget->property(name).metaType() == QMetaType::fromType<QString>())
                    shown << widget->property(name).toString();
        for (const QString& text : sample.split('|'))
            QVERIFY2(shown.contains(text) || (!w.glWidget && text.startsWith("OpenGL")),
                     qPrintable(text));
        for (const char* text : {"List", "List of Objects", "New Point", "Option 1"})
            QVERIFY2(!shown.contains(text) || sample.startsWith("List|"), text);
        f.window.reset();
        QFile file(f.path("settings.cfg"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readLine(), language.toUtf8() + "\n");
    }

    // The option groups of a page act as radio buttons; unchecking the checked one checks the
    // next. The space key toggles a group as a click on its check box does.
    void optionGroups() {
        WindowFixture f;
        StereonGUI& w = *f.window;
        const struct {
            int page, click, checked;
        } steps[] = {{4, 1, 1}, {4, 1, 0}, {5, 0, 1}, {6, 3, 3}, {6, 3, 0}, {6, 1, 1}, {6, 1, 2}};
        for (const auto& step : steps) {
            QTest::mouseClick(w.menuButtons[step.page], Qt::LeftButton);
            QList<CheckGroup*> groups = {w.surfaceOptions.begin(), w.surfaceOptions.end()};
            if (step.page < 6)
                groups = step.page == 4 ? QList<CheckGroup*>{w.vectorOptions[0], w.vectorOptions[1]}
                                        : QList<CheckGroup*>{w.lineOptions[0], w.lineOptions[1]};
            QTest::keyClick(groups[step.click], Qt::Key_Space);
            for (int i = 0; i < groups.size(); ++i)
                QCOMPARE(groups[i]->isChecked(), i == step.checked);
        }
    }
};

QTEST_MAIN(TestStereonGUI)
#include "test_stereongui.moc"

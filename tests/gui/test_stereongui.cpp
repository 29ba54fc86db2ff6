// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowfixture.h"

#include "view3d/glwidget.h"

#include <QMessageBox>

class TestStereonGUI : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs); }

    // F1 to F10 and Ctrl+I; a language switch must not cost a button its key.
    void shortcuts() {
        WindowFixture f("cs\n1\n");
        StereonGUI& w = *f.window;
        f.find<QComboBox>("languageCombo")->setCurrentIndex(1);
        QCoreApplication::processEvents();
        auto press = [&w](int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
            w.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&w));
            QTest::keyClick(&w, Qt::Key(key), modifiers);
        };
        // The view, or the notice, is there once the 3D page has been shown.
        QVERIFY(!w.findChild<GLWidget*>() && !f.find("noViewLabel"));
        f.show(1);
        GLWidget* gl = w.findChild<GLWidget*>();
        const QString view = gl ? "glWidget" : "noViewLabel";
        f.show(0);
        const QStringList shown = {"objectList", view,          "optionsPage", "pointPage",
                                   "vectorPage", "linePage",    "surfacePage", "intersectPage",
                                   "anglePage",  "distancePage"};
        // Where each page puts the focus; the line and surface pages leave it where it is.
        QStringList focus = shown;
        focus[3] = "pointName";
        focus[4] = "vectorName";
        focus[5] = focus[6] = "";
        // From the list page, where the window starts, F10 first: every key changes the page.
        for (int i = 10; i >= 0; --i) {
            if (i < 10)
                press(Qt::Key_F1 + i);
            const int page = i % 10;
            QTRY_VERIFY(f.find(shown[page])->isVisible());
            for (int j = 0; j < shown.size(); ++j) {
                QCOMPARE(f.find(shown[j])->isVisible(), j == page);
                QCOMPARE(f.find<QToolButton>(menuButtons[j])->isDown(), j == page);
            }
            QVERIFY(w.focusWidget() != f.find("lineName") &&
                    w.focusWidget() != f.find("surfaceName"));
            if (!focus[page].isEmpty())
                QCOMPARE(w.focusWidget(), f.find(focus[page]));
        }

        if (gl) {
            press(Qt::Key_F2);
            QTRY_VERIFY(f.find("showInWindowButton")->isVisible());
            press(Qt::Key_I, Qt::ControlModifier);
            QTRY_VERIFY(!gl->parent());
        }
    }

    void language_data() {
        QTest::addColumn<QByteArray>("start");
        QTest::addColumn<int>("choice"); // -1: none
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("sample"); // "|" between texts
        // A text of each kind of widget, an entry, an alert, the window's title and Qt's own
        // button text.
        const QString english =
            "List|List of Objects|New Point|Point 1:|Add Point|Option 1|Czech|"
            "Point A [1; 2; 3]|Load last session on startup|OpenGL 3D Demonstration|"
            "Wrong object name. A name must not contain \"$\" or control characters.|"
            "Untitled* - Stereon|&Yes";
        const QString czech =
            "Seznam|Seznam objektů|Nový bod|Bod 1:|Přidat bod|Volba 1|Angličtina|"
            "Bod A [1; 2; 3]|Při startu načíst poslední relaci|OpenGL 3D znázornění|"
            "Chybné jméno objektu. Jméno nesmí obsahovat \"$\" ani řídicí znaky.|"
            "Bez názvu* - Stereon|&Ano";
        const QString slovak =
            "Zoznam|Zoznam objektov|Nový bod|Bod 1:|Pridať vektor|Voľba 4|Slovenčina|"
            "Bod A [1; 2; 3]|Pri štarte načítať poslednú reláciu|OpenGL 3D znázornenie|"
            "Chybné meno objektu. Meno nesmie obsahovať \"$\" ani riadiace znaky.|"
            "Bez názvu* - Stereon|Án&o";
        QTest::newRow("English to Czech") << QByteArray("en") << 0 << "cs" << czech;
        QTest::newRow("Czech to Slovak") << QByteArray("cs") << 2 << "sk" << slovak;
        QTest::newRow("Slovak to English") << QByteArray("sk") << 1 << "en" << english;
        // No catalogue for it: the texts stay English.
        QTest::newRow("unknown language") << QByteArray("de") << -1 << "de" << english;
    }

    // Every text on the window changes with the language, which the settings keep.
    void language() {
        QFETCH(QByteArray, start);
        QFETCH(int, choice);
        QFETCH(QString, language);
        QFETCH(QString, sample);
        WindowFixture f(start + "\n1\n");
        StereonGUI& w = *f.window;
        QVERIFY(f.build("P A 1 2 3"));
        if (choice >= 0)
            f.find<QComboBox>("languageCombo")->setCurrentIndex(choice);
        QCoreApplication::processEvents();
        f.show(1);
        f.show(3);
        type(f.find<QLineEdit>("pointName"), "a$b");
        QStringList shown = rows(f.find<QComboBox>("languageCombo")->model()) +
                            rows(f.find<ObjectList>("objectList")->model());
        QMessageBox box(QMessageBox::Question, QString(), QString(), QMessageBox::Yes);
        shown << w.windowHandle()->title() << box.button(QMessageBox::Yes)->text();
        for (QWidget* widget : w.findChildren<QWidget*>())
            for (const char* name : {"text", "title", "windowTitle"})
                if (widget->property(name).metaType() == QMetaType::fromType<QString>())
                    shown << widget->property(name).toString();
        for (const QString& text : sample.split('|'))
            QVERIFY2(shown.contains(text) ||
                         (!w.findChild<GLWidget*>() && text.startsWith("OpenGL")),
                     qPrintable(text));
        for (const char* text : {"List", "List of Objects", "New Point", "Option 1", "&Yes"})
            QVERIFY2(!shown.contains(text) || sample.startsWith("List|"), text);
        f.window.reset();
        QFile file(f.path("settings.cfg"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readLine(), language.toUtf8() + "\n");
    }

    // Option groups act as radio buttons; unchecking the checked one checks the next.
    void optionGroups() {
        WindowFixture f;
        const struct {
            int page, click, checked;
        } steps[] = {{4, 1, 1}, {4, 1, 0}, {5, 0, 1}, {6, 3, 3}, {6, 3, 0}, {6, 1, 1}, {6, 1, 2}};
        for (const auto& step : steps) {
            f.show(step.page);
            const QString prefix = QStringList{"vector", "line", "surface"}[step.page - 4];
            QList<CheckGroup*> groups;
            for (int i = 1; i <= (step.page == 6 ? 4 : 2); ++i)
                groups << f.find<CheckGroup>(prefix + "Option" + QString::number(i));
            QTest::keyClick(groups[step.click], Qt::Key_Space);
            for (int i = 0; i < groups.size(); ++i)
                QCOMPARE(groups[i]->isChecked(), i == step.checked);
        }
    }
};

QTEST_MAIN(TestStereonGUI)
#include "test_stereongui.moc"

#include "gui/stereongui.h"

#include "view3d/glwidget.h"
#include "widgets/checkgroup.h"
#include "widgets/objectlist.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <memory>

class TestStereonGUI : public QObject {
    Q_OBJECT
private slots:
    void startsOnListPage();
    void pageSwitching_data();
    void pageSwitching();
    void menuShortcuts();
    void englishTexts();
    void unknownLanguageKeepsEnglish();
    void switchLanguage_data();
    void switchLanguage();
    void startInSlovak();
    void settingsWrittenAtExit();
    void optionGroups_data();
    void optionGroups();
    void returnKeyChains();

private:
    // A window whose settings file starts with `settingsFile` in a fresh folder.
    std::unique_ptr<StereonGUI> makeWindow(const QByteArray& settingsFile);
    static QList<QWidget*> pageWidgets(StereonGUI& window);
    static QStringList texts(StereonGUI& window);

    std::unique_ptr<QTemporaryDir> dir;
};

std::unique_ptr<StereonGUI> TestStereonGUI::makeWindow(const QByteArray& settingsFile) {
    dir = std::make_unique<QTemporaryDir>();
    QFile file(dir->filePath("settings.cfg"));
    if (file.open(QIODevice::WriteOnly))
        file.write(settingsFile);
    file.close();
    auto window = std::make_unique<StereonGUI>(dir->path());
    QCoreApplication::processEvents();
    return window;
}

QList<QWidget*> TestStereonGUI::pageWidgets(StereonGUI& w) {
    QWidget* view = w.glWidget ? static_cast<QWidget*>(w.glWidget) : w.noViewLabel;
    return {w.objectList, view,          w.optionsPage,   w.pointPage, w.vectorPage,
            w.linePage,   w.surfacePage, w.intersectPage, w.anglePage, w.distancePage};
}

// Every text the user can read on the window's labels, buttons and groups.
QStringList TestStereonGUI::texts(StereonGUI& window) {
    QStringList result;
    for (QLabel* label : window.findChildren<QLabel*>())
        result << label->text();
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>())
        result << button->text();
    for (QGroupBox* group : window.findChildren<QGroupBox*>())
        result << group->title();
    for (int i = 0; i < window.languageCombo->count(); ++i)
        result << window.languageCombo->itemText(i);
    return result;
}

void TestStereonGUI::startsOnListPage() {
    auto window = makeWindow("en\n1\n");
    const QList<QWidget*> pages = pageWidgets(*window);
    for (int i = 0; i < pages.size(); ++i) {
        QCOMPARE(pages[i]->isVisible(), i == 0);
        QCOMPARE(window->menuButtons[i]->isDown(), i == 0);
    }
}

void TestStereonGUI::pageSwitching_data() {
    QTest::addColumn<int>("index");
    const char* names[] = {"list", "3D",      "options",      "point", "vector",
                           "line", "surface", "intersection", "angle", "distance"};
    for (int i = 0; i < 10; ++i)
        QTest::newRow(names[i]) << i;
}

void TestStereonGUI::pageSwitching() {
    QFETCH(int, index);
    auto window = makeWindow("en\n1\n");
    StereonGUI& w = *window;
    // Start from a page other than the one to reach.
    QTest::mouseClick(w.menuButtons[index == 5 ? 6 : 5], Qt::LeftButton);
    QTest::mouseClick(w.menuButtons[index], Qt::LeftButton);

    const QList<QWidget*> pages = pageWidgets(w);
    for (int i = 0; i < pages.size(); ++i) {
        QCOMPARE(pages[i]->isVisible(), i == index);
        QCOMPARE(w.menuButtons[i]->isDown(), i == index);
    }
    QWidget* const focus[] = {w.objectList, pageWidgets(w)[1], w.optionsPage, w.pointName,
                              w.vectorName, nullptr,           nullptr,       w.intersectPage,
                              w.anglePage,  w.distancePage};
    if (focus[index])
        QCOMPARE(w.focusWidget(), focus[index]);
    QVERIFY(w.focusWidget() != w.lineName);
    QVERIFY(w.focusWidget() != w.surfaceName);
}

void TestStereonGUI::menuShortcuts() {
    auto window = makeWindow("en\n1\n");
    StereonGUI& w = *window;
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    const QList<QWidget*> pages = pageWidgets(w);
    // F10 first, so that every key changes the page.
    for (int i = 9; i >= 0; --i) {
        QCOMPARE(w.menuButtons[i]->shortcut(), QKeySequence(Qt::Key_F1 + i));
        QTest::keyClick(&w, Qt::Key(Qt::Key_F1 + i));
        QTRY_VERIFY(pages[i]->isVisible());
        QTRY_VERIFY(w.menuButtons[i]->isDown());
        for (int j = 0; j < pages.size(); ++j) {
            if (j != i) {
                QVERIFY(!pages[j]->isVisible());
                QVERIFY(!w.menuButtons[j]->isDown());
            }
        }
    }
}

void TestStereonGUI::englishTexts() {
    auto window = makeWindow("en\n1\n");
    const QStringList shown = texts(*window);
    for (const char* text : {"List",
                             "3D",
                             "Options",
                             "Point",
                             "Vector",
                             "Line",
                             "Surface",
                             "Intersection",
                             "Angle",
                             "Distance",
                             "List of Objects",
                             "3D Demonstration",
                             "New Point",
                             "New Vector",
                             "New Line",
                             "New Surface",
                             "Compute Intersection",
                             "Compute Angle",
                             "Compute Distance",
                             "Load",
                             "Save",
                             "Reset",
                             "Show in Window",
                             "Add Point",
                             "Add Vector",
                             "Add Line",
                             "Add Surface",
                             "Name:",
                             "Coordinates:",
                             "Option 1",
                             "Option 4",
                             "Point 1:",
                             "Point 3:",
                             "Vector 2:",
                             "Point:",
                             "Vector:",
                             "Normal Vector:",
                             "Object 1:",
                             "Object 2:",
                             "About Qt",
                             "This program uses open source icons and Qt Framework",
                             "Language:",
                             "Czech",
                             "English",
                             "Slovak",
                             "Load last session on startup",
                             "X:",
                             "D:",
                             "Stereon\nRC",
                             "\u00a9 2026 the Stereon developers"})
        QVERIFY2(shown.contains(QString::fromUtf8(text)), text);
    QCOMPARE(window->languageCombo->currentIndex(), 1);
    if (window->glWidget)
        QCOMPARE(window->glWidget->windowTitle(), QStringLiteral("OpenGL 3D Demonstration"));
    QCOMPARE(window->loadButton->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_L));
    QCOMPARE(window->saveButton->shortcut(), QKeySequence(QKeySequence::Save));
    QCOMPARE(window->resetListButton->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_R));
    QCOMPARE(window->showInWindowButton->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_I));
}

void TestStereonGUI::unknownLanguageKeepsEnglish() {
    auto window = makeWindow("de\n1\n");
    QCOMPARE(window->languageCombo->currentIndex(), 0);
    QCOMPARE(window->settings.language, QStringLiteral("de"));
    QVERIFY(texts(*window).contains(QStringLiteral("New Point")));

    window->languageCombo->setCurrentIndex(1);
    QCoreApplication::processEvents();
    QCOMPARE(window->settings.language, QStringLiteral("en"));
    QVERIFY(texts(*window).contains(QStringLiteral("New Point")));
}

void TestStereonGUI::switchLanguage_data() {
    QTest::addColumn<QByteArray>("start");
    QTest::addColumn<int>("choice");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("viewTitle");

    const QStringList czech = {"Seznam",
                               "Volby",
                               "Průnik",
                               "Vzdálenost",
                               "Seznam objektů",
                               "3D znázornění",
                               "Nový bod",
                               "Nová rovina",
                               "Vypočítat průnik",
                               "Načíst",
                               "Uložit",
                               "Zobrazit v okně",
                               "Přidat bod",
                               "Jméno:",
                               "Souřadnice:",
                               "Volba 1",
                               "Bod 3:",
                               "Vektor 2:",
                               "Bod:",
                               "Normálový vektor:",
                               "Objekt 2:",
                               "O Qt",
                               "Jazyk:",
                               "Čeština",
                               "Angličtina",
                               "Slovenština",
                               "Při startu načíst poslední relaci",
                               "Tento program používá open source ikony a Qt Framework"};
    const QStringList slovak = {"Zoznam",
                                "Voľby",
                                "Prienik",
                                "Vzdialenosť",
                                "Zoznam objektov",
                                "3D znázornenie",
                                "Nový bod",
                                "Nová priamka",
                                "Vypočítať uhol",
                                "Načítať",
                                "Uložiť",
                                "Zobraziť v okne",
                                "Pridať vektor",
                                "Meno:",
                                "Súradnice:",
                                "Voľba 4",
                                "Bod 1:",
                                "Vektor:",
                                "Normálový vektor:",
                                "Objekt 1:",
                                "O Qt",
                                "Jazyk:",
                                "Slovenčina",
                                "Pri štarte načítať poslednú reláciu"};
    const QStringList english = {"List",           "Options",   "New Point", "Option 1", "Point 1:",
                                 "Normal Vector:", "Language:", "Czech",     "Slovak"};
    QTest::newRow("English to Czech")
        << QByteArray("en\n1\n") << 0 << "cs" << czech << QString::fromUtf8("OpenGL 3D znázornění");
    QTest::newRow("English to Slovak") << QByteArray("en\n1\n") << 2 << "sk" << slovak
                                       << QString::fromUtf8("OpenGL 3D znázornenie");
    QTest::newRow("Czech to Slovak") << QByteArray("cs\n1\n") << 2 << "sk" << slovak
                                     << QString::fromUtf8("OpenGL 3D znázornenie");
    QTest::newRow("Czech to English")
        << QByteArray("cs\n1\n") << 1 << "en" << english << "OpenGL 3D Demonstration";
    QTest::newRow("Slovak to English")
        << QByteArray("sk\n1\n") << 1 << "en" << english << "OpenGL 3D Demonstration";
}

void TestStereonGUI::switchLanguage() {
    QFETCH(QByteArray, start);
    QFETCH(int, choice);
    QFETCH(QString, language);
    QFETCH(QStringList, expected);
    QFETCH(QString, viewTitle);

    auto window = makeWindow(start);
    window->languageCombo->setCurrentIndex(choice);
    QCoreApplication::processEvents();
    QCOMPARE(window->settings.language, language);
    const QStringList shown = texts(*window);
    for (const QString& text : expected)
        QVERIFY2(shown.contains(text), qPrintable(text));
    if (window->glWidget)
        QCOMPARE(window->glWidget->windowTitle(), viewTitle);
    // Setting a text must not cost a button its shortcut.
    QCOMPARE(window->menuButtons[3]->shortcut(), QKeySequence(Qt::Key_F4));
    QCOMPARE(window->saveButton->shortcut(), QKeySequence(QKeySequence::Save));
}

void TestStereonGUI::startInSlovak() {
    auto window = makeWindow("sk\n0C:/a.zdr\n");
    QCOMPARE(window->languageCombo->currentIndex(), 2);
    QVERIFY(!window->loadLastCheck->isChecked());
    const QStringList shown = texts(*window);
    QVERIFY(shown.contains(QStringLiteral("Zoznam objektov")));
    QVERIFY(!shown.contains(QStringLiteral("List of Objects")));
}

void TestStereonGUI::settingsWrittenAtExit() {
    auto window = makeWindow("xx\n0C:/a.zdr\n");
    QVERIFY(!window->loadLastCheck->isChecked());
    const QString path = dir->filePath("settings.cfg");
    window.reset();
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("xx\n0C:/a.zdr\n"));
}

void TestStereonGUI::optionGroups_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<int>("checked");

    QTest::newRow("vector: choose option 2") << 4 << QList<int>{1} << 1;
    QTest::newRow("vector: clear option 1") << 4 << QList<int>{0} << 1;
    QTest::newRow("vector: clear option 2") << 4 << QList<int>{1, 1} << 0;
    QTest::newRow("line: choose option 2") << 5 << QList<int>{1} << 1;
    QTest::newRow("line: back to option 1") << 5 << QList<int>{1, 0} << 0;
    QTest::newRow("surface: choose option 3") << 6 << QList<int>{2} << 2;
    QTest::newRow("surface: clear option 1") << 6 << QList<int>{0} << 1;
    QTest::newRow("surface: clear option 4") << 6 << QList<int>{3, 3} << 0;
    QTest::newRow("surface: several") << 6 << QList<int>{3, 1, 1} << 2;
}

void TestStereonGUI::optionGroups() {
    QFETCH(int, page);
    QFETCH(QList<int>, clicks);
    QFETCH(int, checked);

    auto window = makeWindow("en\n1\n");
    StereonGUI& w = *window;
    QTest::mouseClick(w.menuButtons[page], Qt::LeftButton);
    QList<CheckGroup*> groups;
    if (page == 4)
        groups = {w.vectorOptions.begin(), w.vectorOptions.end()};
    else if (page == 5)
        groups = {w.lineOptions.begin(), w.lineOptions.end()};
    else
        groups = {w.surfaceOptions.begin(), w.surfaceOptions.end()};

    for (int index : clicks) {
        // The space key toggles a checkable group box as a click on its check box does.
        QTest::keyClick(groups[index], Qt::Key_Space);
    }
    for (int i = 0; i < groups.size(); ++i)
        QCOMPARE(groups[i]->isChecked(), i == checked);
}

void TestStereonGUI::returnKeyChains() {
    auto window = makeWindow("en\n1\n");
    StereonGUI& w = *window;
    auto pressReturn = [](QLineEdit* edit, const QString& text) {
        edit->setText(text);
        QTest::keyClick(edit, Qt::Key_Return);
    };
    QTest::mouseClick(w.menuButtons[3], Qt::LeftButton);
    const std::pair<QLineEdit*, QLineEdit*> pointChain[] = {{w.pointName, w.pointX},
                                                            {w.pointX, w.pointY},
                                                            {w.pointY, w.pointZ},
                                                            {w.pointZ, w.pointName}};
    for (const auto& [from, to] : pointChain) {
        pressReturn(from, QStringLiteral("1"));
        QCOMPARE(w.focusWidget(), to);
    }
    QTest::mouseClick(w.menuButtons[4], Qt::LeftButton);
    pressReturn(w.vectorName, QStringLiteral("u"));
    QCOMPARE(w.focusWidget(), w.vectorX);
    pressReturn(w.vectorZ, QStringLiteral("2"));
    QCOMPARE(w.focusWidget(), w.vectorName);

    // The D field takes the focus only while its option is chosen.
    QTest::mouseClick(w.menuButtons[6], Qt::LeftButton);
    pressReturn(w.surfaceName, QStringLiteral("S1"));
    QCOMPARE(w.focusWidget(), w.surfaceName);
    QTest::keyClick(w.surfaceOptions[2], Qt::Key_Space);
    pressReturn(w.surfaceName, QStringLiteral("S1"));
    QCOMPARE(w.focusWidget(), w.surfaceD);
    pressReturn(w.surfaceD, QStringLiteral("3"));
    QCOMPARE(w.focusWidget(), w.surfaceName);
}

QTEST_MAIN(TestStereonGUI)
#include "test_stereongui.moc"

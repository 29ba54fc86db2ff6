#include "windowfixture.h"

#include "geometry/construction.h"
#include "widgets/checkgroup.h"
#include "widgets/objectitem.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QToolButton>

#include <functional>

using Setup = std::function<void(StereonGUI&)>;
Q_DECLARE_METATYPE(Setup)

// Every alert text and button state of the seven pages. Each row starts from a window
// with the points A, B, the vectors u, w and the line p; the row's setup then opens a page
// and changes its input the way a user would.
class TestInputPages : public QObject {
    Q_OBJECT
private slots:
    void rules_data();
    void rules();
    void freshNames();
    void freshNamesWhenCrowded();
    void intersectionResultName();

private:
    static void type(QLineEdit* edit, const QString& text);
};

void TestInputPages::type(QLineEdit* edit, const QString& text) {
    edit->clear();
    QTest::keyClicks(edit, text);
}

void TestInputPages::rules_data() {
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<QString>("alertName");
    QTest::addColumn<QString>("alert"); // empty: the alert line is hidden
    QTest::addColumn<QString>("buttonName");
    QTest::addColumn<bool>("enabled");

    const QString enterName = "Enter the object name.";
    const QString badName =
        "Wrong object name. A name must not contain \"$\" or control characters.";
    auto page = [](int index, Setup more = {}) {
        return Setup([index, more](StereonGUI& w) {
            QTest::mouseClick(w.menuButtons[index], Qt::LeftButton);
            if (more)
                more(w);
        });
    };

    // Point page.
    QTest::newRow("point: fresh name, no coordinates") << page(3) << "pointAlert"
                                                       << ""
                                                       << "addPointButton" << false;
    QTest::newRow("point: coordinates typed") << page(3,
                                                      [](StereonGUI& w) {
                                                          type(w.pointX, "1");
                                                          type(w.pointY, "-2.5");
                                                          type(w.pointZ, "0");
                                                      })
                                              << "pointAlert"
                                              << ""
                                              << "addPointButton" << true;
    QTest::newRow("point: unfinished number") << page(3,
                                                      [](StereonGUI& w) {
                                                          type(w.pointX, "-");
                                                          type(w.pointY, "1");
                                                          type(w.pointZ, "1");
                                                      })
                                              << "pointAlert"
                                              << ""
                                              << "addPointButton" << false;
    QTest::newRow("point: no name")
        << page(3,
                [](StereonGUI& w) {
                    type(w.pointX, "1");
                    type(w.pointY, "1");
                    type(w.pointZ, "1");
                    QTest::keyClick(w.pointName, Qt::Key_A, Qt::ControlModifier);
                    QTest::keyClick(w.pointName, Qt::Key_Delete);
                })
        << "pointAlert" << enterName << "addPointButton" << false;
    QTest::newRow("point: a line's name") << page(3,
                                                  [](StereonGUI& w) {
                                                      type(w.pointX, "1");
                                                      type(w.pointY, "1");
                                                      type(w.pointZ, "1");
                                                      type(w.pointName, "p");
                                                  })
                                          << "pointAlert"
                                          << "Wrong object name.\nObject \"p\" already exists."
                                          << "addPointButton" << false;
    QTest::newRow("point: dollar") << page(3,
                                           [](StereonGUI& w) {
                                               type(w.pointX, "1");
                                               type(w.pointY, "1");
                                               type(w.pointZ, "1");
                                               type(w.pointName, "a$b");
                                           })
                                   << "pointAlert" << badName << "addPointButton" << false;
    QTest::newRow("point: line break") << page(3,
                                               [](StereonGUI& w) {
                                                   type(w.pointX, "1");
                                                   type(w.pointY, "1");
                                                   type(w.pointZ, "1");
                                                   w.pointName->setText("a\nb");
                                                   w.nameExists(w.pointName->text());
                                               })
                                       << "pointAlert" << badName << "addPointButton" << false;

    // Vector page.
    QTest::newRow("vector: option 1 without numbers") << page(4) << "vectorAlert"
                                                      << ""
                                                      << "addVectorButton" << false;
    QTest::newRow("vector: option 1 typed") << page(4,
                                                    [](StereonGUI& w) {
                                                        type(w.vectorX, "1");
                                                        type(w.vectorY, "0");
                                                        type(w.vectorZ, "0");
                                                    })
                                            << "vectorAlert"
                                            << ""
                                            << "addVectorButton" << true;
    QTest::newRow("vector: taken") << page(4,
                                           [](StereonGUI& w) {
                                               type(w.vectorX, "1");
                                               type(w.vectorY, "0");
                                               type(w.vectorZ, "0");
                                               type(w.vectorName, "A");
                                           })
                                   << "vectorAlert"
                                   << "Wrong object name. Object \"A\" already exists."
                                   << "addVectorButton" << false;
    QTest::newRow("vector: option 2 same points")
        << page(4, [](StereonGUI& w) { QTest::keyClick(w.vectorOptions[1], Qt::Key_Space); })
        << "vectorAlert"
        << "Choose 2 different points."
        << "addVectorButton" << false;
    QTest::newRow("vector: option 2 two points")
        << page(4,
                [](StereonGUI& w) {
                    QTest::keyClick(w.vectorOptions[1], Qt::Key_Space);
                    w.vectorPoint2->setCurrentIndex(1);
                })
        << "vectorAlert"
        << ""
        << "addVectorButton" << true;

    // Line page.
    QTest::newRow("line: same points") << page(5) << "lineAlert"
                                       << "Choose 2 different points."
                                       << "addLineButton" << false;
    QTest::newRow("line: two points")
        << page(5, [](StereonGUI& w) { w.linePoint2->setCurrentIndex(1); }) << "lineAlert"
        << ""
        << "addLineButton" << true;
    QTest::newRow("line: point and vector")
        << page(5, [](StereonGUI& w) { QTest::keyClick(w.lineOptions[1], Qt::Key_Space); })
        << "lineAlert"
        << ""
        << "addLineButton" << true;
    QTest::newRow("line: taken") << page(5,
                                         [](StereonGUI& w) {
                                             w.linePoint2->setCurrentIndex(1);
                                             type(w.lineName, "u");
                                         })
                                 << "lineAlert"
                                 << "Wrong object name. Object \"u\" already exists."
                                 << "addLineButton" << false;

    // Surface page.
    QTest::newRow("surface: option 1 same points")
        << page(6, [](StereonGUI& w) { w.surfacePoint2->setCurrentIndex(1); }) << "surfaceAlert"
        << "Choose 3 different points."
        << "addSurfaceButton" << false;
    QTest::newRow("surface: option 2 same vectors")
        << page(6, [](StereonGUI& w) { QTest::keyClick(w.surfaceOptions[1], Qt::Key_Space); })
        << "surfaceAlert"
        << "Choose 2 different vectors."
        << "addSurfaceButton" << false;
    QTest::newRow("surface: option 2 two vectors")
        << page(6,
                [](StereonGUI& w) {
                    QTest::keyClick(w.surfaceOptions[1], Qt::Key_Space);
                    w.surfaceVector2->setCurrentIndex(1);
                })
        << "surfaceAlert"
        << ""
        << "addSurfaceButton" << true;
    QTest::newRow("surface: option 3 without D")
        << page(6, [](StereonGUI& w) { QTest::keyClick(w.surfaceOptions[2], Qt::Key_Space); })
        << "surfaceAlert"
        << ""
        << "addSurfaceButton" << false;
    QTest::newRow("surface: option 3 with D")
        << page(6,
                [](StereonGUI& w) {
                    QTest::keyClick(w.surfaceOptions[2], Qt::Key_Space);
                    type(w.surfaceD, "-4");
                })
        << "surfaceAlert"
        << ""
        << "addSurfaceButton" << true;
    QTest::newRow("surface: option 4")
        << page(6, [](StereonGUI& w) { QTest::keyClick(w.surfaceOptions[3], Qt::Key_Space); })
        << "surfaceAlert"
        << ""
        << "addSurfaceButton" << true;
    QTest::newRow("surface: no name wins")
        << page(6,
                [](StereonGUI& w) {
                    w.surfacePoint2->setCurrentIndex(1);
                    type(w.surfaceName, "");
                    w.nameExists(QString());
                })
        << "surfaceAlert" << enterName << "addSurfaceButton" << false;

    // Compute pages.
    QTest::newRow("intersection: same objects") << page(7) << "intersectAlert"
                                                << "Choose 2 different objects."
                                                << "computeIntersectButton" << false;
    QTest::newRow("intersection: two objects")
        << page(7, [](StereonGUI& w) { w.intersectObject2->setCurrentIndex(2); })
        << "intersectAlert"
        << ""
        << "computeIntersectButton" << true;
    QTest::newRow("angle: same objects") << page(8) << "angleAlert"
                                         << "Choose 2 different objects."
                                         << "computeAngleButton" << false;
    QTest::newRow("angle: two objects")
        << page(8, [](StereonGUI& w) { w.angleObject1->setCurrentIndex(1); }) << "angleAlert"
        << ""
        << "computeAngleButton" << true;
    QTest::newRow("distance: same objects") << page(9) << "distanceAlert"
                                            << "Choose 2 different objects."
                                            << "computeDistanceButton" << false;
    QTest::newRow("distance: two objects")
        << page(9, [](StereonGUI& w) { w.distanceObject1->setCurrentIndex(1); }) << "distanceAlert"
        << ""
        << "computeDistanceButton" << true;
}

void TestInputPages::rules() {
    QFETCH(Setup, setup);
    QFETCH(QString, alertName);
    QFETCH(QString, alert);
    QFETCH(QString, buttonName);
    QFETCH(bool, enabled);

    WindowFixture f;
    StereonGUI& w = *f.window;
    ObjectStore& store = *w.objectStore;
    QVERIFY(createPoint(store, 0, 0, 0, "A"));
    QVERIFY(createPoint(store, 1, 0, 0, "B"));
    QVERIFY(createVector(store, 0, 0, 1, "u"));
    QVERIFY(createVector(store, 0, 1, 0, "w"));
    QVERIFY(createLine(store, "A", "u", "p"));
    w.rebuildList();
    setup(w);

    const QMap<QString, QLabel*> alerts{
        {"pointAlert", w.pointAlert},         {"vectorAlert", w.vectorAlert},
        {"lineAlert", w.lineAlert},           {"surfaceAlert", w.surfaceAlert},
        {"intersectAlert", w.intersectAlert}, {"angleAlert", w.angleAlert},
        {"distanceAlert", w.distanceAlert}};
    const QMap<QString, QPushButton*> buttons{{"addPointButton", w.addPointButton},
                                              {"addVectorButton", w.addVectorButton},
                                              {"addLineButton", w.addLineButton},
                                              {"addSurfaceButton", w.addSurfaceButton},
                                              {"computeIntersectButton", w.computeIntersectButton},
                                              {"computeAngleButton", w.computeAngleButton},
                                              {"computeDistanceButton", w.computeDistanceButton}};
    QLabel* label = alerts.value(alertName);
    QCOMPARE(label->isVisible(), !alert.isEmpty());
    if (!alert.isEmpty())
        QCOMPARE(label->text(), alert);
    QCOMPARE(buttons.value(buttonName)->isEnabled(), enabled);
}

void TestInputPages::freshNames() {
    WindowFixture f;
    StereonGUI& w = *f.window;
    const QRegularExpression fresh(QStringLiteral("^[PVLS](0|[1-9][0-9]{0,2})$"));
    const std::pair<int, QLineEdit*> pages[] = {
        {3, w.pointName}, {4, w.vectorName}, {5, w.lineName}, {6, w.surfaceName}};
    for (const auto& [index, edit] : pages) {
        QTest::mouseClick(w.menuButtons[index], Qt::LeftButton);
        QVERIFY2(fresh.match(edit->text()).hasMatch(), qPrintable(edit->text()));
        QCOMPARE(edit->text().front(), QStringLiteral("PVLS")[index - 3]);
        // A name the user typed is kept.
        type(edit, "mine");
        QTest::mouseClick(w.menuButtons[0], Qt::LeftButton);
        QTest::mouseClick(w.menuButtons[index], Qt::LeftButton);
        QCOMPARE(edit->text(), QStringLiteral("mine"));
    }
}

void TestInputPages::freshNamesWhenCrowded() {
    WindowFixture f;
    StereonGUI& w = *f.window;
    for (int n = 0; n < 1002; ++n)
        QVERIFY(createPoint(*w.objectStore, n, 0, 0, "V" + std::to_string(n)));
    w.vectorName->clear();
    QTest::mouseClick(w.menuButtons[4], Qt::LeftButton);
    QCOMPARE(w.vectorName->text(), QStringLiteral("V1002"));
}

void TestInputPages::intersectionResultName() {
    WindowFixture f;
    StereonGUI& w = *f.window;
    QVERIFY(createPoint(*w.objectStore, 0, 0, 0, "A"));
    QTest::mouseClick(w.menuButtons[7], Qt::LeftButton);
    // A point result on show, as the intersection command leaves it.
    w.intersectResult = {0, true, "", 1, 0.5, -2};
    w.intersectItem->setItem(QString(), 4);
    for (QWidget* widget :
         {static_cast<QWidget*>(w.intersectNameLabel), static_cast<QWidget*>(w.intersectName),
          static_cast<QWidget*>(w.intersectItem), static_cast<QWidget*>(w.addIntersectButton)})
        widget->show();
    w.setRandName(QChar('P'));
    QVERIFY(w.intersectName->text().startsWith(QLatin1Char('P')));
    QVERIFY(w.addIntersectButton->isEnabled());
    QCOMPARE(w.intersectItem->fullTitle(),
             QStringLiteral("Point %1 [1; 0.5; -2]").arg(w.intersectName->text()));

    const std::pair<QString, QString> cases[] = {
        {"", "Enter the object name."},
        {"A", "Wrong object name. Object \"A\" already exists."},
        {"x$", "Wrong object name. A name must not contain \"$\" or control characters."},
        {"Q", ""}};
    for (const auto& [name, alert] : cases) {
        type(w.intersectName, name);
        QCOMPARE(w.addIntersectButton->isEnabled(), alert.isEmpty());
        QCOMPARE(w.intersectAlert->isVisible(), !alert.isEmpty());
        if (!alert.isEmpty())
            QCOMPARE(w.intersectAlert->text(), alert);
    }
    QCOMPARE(w.intersectItem->fullTitle(), QStringLiteral("Point Q [1; 0.5; -2]"));
    w.intersectResult.kind = 3;
    w.setIntersectTitle(QStringLiteral("R"));
    QCOMPARE(w.intersectItem->fullTitle(), QStringLiteral("Surface R"));
    w.resetIntersect();
    QVERIFY(w.intersectName->text().isEmpty());
    QVERIFY(!w.intersectItem->isVisible());
}

QTEST_MAIN(TestInputPages)
#include "test_inputpages.moc"

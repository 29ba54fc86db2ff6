#include "windowfixture.h"

#include "geometry/construction.h"
#include "geometry/point.h"
#include "geometry/surface.h"
#include "widgets/checkgroup.h"
#include "widgets/objectitem.h"
#include "widgets/objectlist.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolButton>

#include <functional>

using Input = std::function<void(StereonGUI&)>;
Q_DECLARE_METATYPE(Input)

// Adding objects the way a user does: typing, choosing and pressing Return or the button.
class TestAddCommands : public QObject {
    Q_OBJECT
private slots:
    void add_data();
    void add();
    void linkRevealsObject_data();
    void linkRevealsObject();
    void failures_data();
    void failures();
    void returnWithTakenNameDoesNothing();

private:
    static void type(QLineEdit* edit, const QString& text) {
        edit->clear();
        QTest::keyClicks(edit, text);
    }
    static void choose(QComboBox* combo, const QString& text) {
        combo->setCurrentIndex(combo->findText(text));
    }
    // A window with points A (0,0,0), B (2,0,0), C (0,2,0), D (4,0,0) and vectors
    // u (0,0,1), w (1,0,0), z (0,0,0), u2 (0,0,3).
    static void fill(StereonGUI& w);
    static QString linkTarget(const QLabel* label);
};

void TestAddCommands::fill(StereonGUI& w) {
    ObjectStore& store = *w.objectStore;
    createPoint(store, 0, 0, 0, "A");
    createPoint(store, 2, 0, 0, "B");
    createPoint(store, 0, 2, 0, "C");
    createPoint(store, 4, 0, 0, "D");
    createVector(store, 0, 0, 1, "u");
    createVector(store, 1, 0, 0, "w");
    createVector(store, 0, 0, 0, "z");
    createVector(store, 0, 0, 3, "u2");
    w.rebuildList();
    w.modified = false;
}

QString TestAddCommands::linkTarget(const QLabel* label) {
    QTextDocument document;
    document.setHtml(label->text());
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().isAnchor())
                return it.fragment().charFormat().anchorHref();
        }
    }
    return QString();
}

void TestAddCommands::add_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<Input>("input");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("sentence");

    QTest::newRow("point") << 3 << Input([](StereonGUI& w) {
        type(w.pointName, "N");
        QTest::keyClick(w.pointName, Qt::Key_Return);
        QTest::keyClicks(w.focusWidget(), "1.5");
        QTest::keyClick(w.focusWidget(), Qt::Key_Return);
        QTest::keyClicks(w.focusWidget(), "-2");
        QTest::keyClick(w.focusWidget(), Qt::Key_Return);
        QTest::keyClicks(w.focusWidget(), "3");
        QTest::keyClick(w.focusWidget(), Qt::Key_Return);
    }) << "Point N [1.5; -2; 3]"
                           << "Point N was added.";
    QTest::newRow("vector by coordinates") << 4 << Input([](StereonGUI& w) {
        type(w.vectorName, "N");
        type(w.vectorX, "1");
        type(w.vectorY, "2");
        type(w.vectorZ, "3");
        QTest::keyClick(w.vectorZ, Qt::Key_Return);
    }) << "Vector N (1; 2; 3)"
                                           << "Vector N was added.";
    QTest::newRow("vector from points") << 4 << Input([](StereonGUI& w) {
        type(w.vectorName, "N");
        QTest::keyClick(w.vectorOptions[1], Qt::Key_Space);
        choose(w.vectorPoint1, "B");
        choose(w.vectorPoint2, "C");
        QTest::mouseClick(w.addVectorButton, Qt::LeftButton);
    }) << "Vector N (-2; 2; 0)"
                                        << "Vector N was added.";
    QTest::newRow("line through points") << 5 << Input([](StereonGUI& w) {
        choose(w.linePoint2, "B");
        type(w.lineName, "N");
        QTest::keyClick(w.lineName, Qt::Key_Return);
    }) << "Line N"
                                         << "Line N was added.";
    QTest::newRow("line along vector") << 5 << Input([](StereonGUI& w) {
        QTest::keyClick(w.lineOptions[1], Qt::Key_Space);
        choose(w.linePoint, "B");
        choose(w.lineVector, "u");
        type(w.lineName, "N");
        QTest::keyClick(w.lineName, Qt::Key_Return);
    }) << "Line N"
                                       << "Line N was added.";
    QTest::newRow("plane through points") << 6 << Input([](StereonGUI& w) {
        type(w.surfaceName, "N");
        choose(w.surfacePoint2, "B");
        choose(w.surfacePoint3, "C");
        QTest::mouseClick(w.addSurfaceButton, Qt::LeftButton);
    }) << "Surface N: +1z  = 0"
                                          << "Surface N was added.";
    QTest::newRow("plane from vectors") << 6 << Input([](StereonGUI& w) {
        type(w.surfaceName, "N");
        QTest::keyClick(w.surfaceOptions[1], Qt::Key_Space);
        choose(w.surfaceVector1, "u");
        choose(w.surfaceVector2, "w");
        choose(w.surfaceVectorsPoint, "B");
        QTest::mouseClick(w.addSurfaceButton, Qt::LeftButton);
    }) << "Surface N: -1y  = 0"
                                        << "Surface N was added.";
    QTest::newRow("plane from equation") << 6 << Input([](StereonGUI& w) {
        type(w.surfaceName, "N");
        QTest::keyClick(w.surfaceOptions[2], Qt::Key_Space);
        choose(w.surfaceNormal, "w");
        type(w.surfaceD, "-4");
        QTest::keyClick(w.surfaceD, Qt::Key_Return);
    }) << "Surface N: 1x -4 = 0"
                                         << "Surface N was added.";
    QTest::newRow("plane from normal") << 6 << Input([](StereonGUI& w) {
        type(w.surfaceName, "N");
        QTest::keyClick(w.surfaceOptions[3], Qt::Key_Space);
        choose(w.surfaceNormalOfPoint, "u");
        choose(w.surfaceNormalPoint, "C");
        QTest::mouseClick(w.addSurfaceButton, Qt::LeftButton);
    }) << "Surface N: +1z  = 0"
                                       << "Surface N was added.";
}

void TestAddCommands::add() {
    QFETCH(int, page);
    QFETCH(Input, input);
    QFETCH(QString, title);
    QFETCH(QString, sentence);

    WindowFixture f;
    StereonGUI& w = *f.window;
    fill(w);
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTest::mouseClick(w.menuButtons[page], Qt::LeftButton);
    input(w);

    const int at = w.itemNames.indexOf(QStringLiteral("N"));
    QVERIFY(at >= 0);
    QCOMPARE(w.items[at]->fullTitle(), title);
    QVERIFY(w.modified);
    QLabel* const alerts[] = {w.pointAlert, w.vectorAlert, w.lineAlert, w.surfaceAlert};
    QLineEdit* const names[] = {w.pointName, w.vectorName, w.lineName, w.surfaceName};
    QLabel* alert = alerts[page - 3];
    QVERIFY(alert->isVisible());
    QCOMPARE(linkTarget(alert), QStringLiteral("N"));
    QTextDocument shown;
    shown.setHtml(alert->text());
    QCOMPARE(shown.toPlainText(), sentence);
    // Typed fields are emptied and a fresh name waits.
    const QRegularExpression fresh(QStringLiteral("^[PVLS][0-9]{1,3}$"));
    QVERIFY2(fresh.match(names[page - 3]->text()).hasMatch(), qPrintable(names[page - 3]->text()));
    for (QLineEdit* edit :
         {w.pointX, w.pointY, w.pointZ, w.vectorX, w.vectorY, w.vectorZ, w.surfaceD})
        QVERIFY(edit->text().isEmpty());
}

void TestAddCommands::linkRevealsObject_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("plain") << "A1";
    QTest::newRow("markup and apostrophe") << "a<b>&'c";
    QTest::newRow("double quote") << "x\"y";
    QTest::newRow("not Latin-1") << QString::fromUtf8("Bod č€");
}

void TestAddCommands::linkRevealsObject() {
    QFETCH(QString, name);
    WindowFixture f;
    StereonGUI& w = *f.window;
    for (int i = 0; i < 40; ++i)
        createVector(*w.objectStore, 0, 0, i + 1, "a" + std::to_string(i));
    w.rebuildList();
    QTest::mouseClick(w.menuButtons[3], Qt::LeftButton);
    w.pointName->setText(name);
    w.nameExists(name);
    type(w.pointX, "1");
    type(w.pointY, "2");
    type(w.pointZ, "3");
    QTest::keyClick(w.pointZ, Qt::Key_Return);
    QVERIFY(w.objectStore->exists(name.toUtf8().toStdString()));
    QCOMPARE(linkTarget(w.pointAlert), name);

    // A click on the sentence opens the list at the object.
    QTest::mouseClick(w.pointAlert, Qt::LeftButton, {}, QPoint(4, w.pointAlert->height() / 2));
    QVERIFY(w.objectList->isVisible());
    QCOMPARE(w.rememberedName, name);
    ObjectItem* entry = w.items[w.itemNames.indexOf(name)];
    QCOMPARE(entry->fullTitle(), QStringLiteral("Point %1 [1; 2; 3]").arg(name));
    QCOMPARE(entry->titleLabel()->text(), entry->fullTitle());
}

void TestAddCommands::failures_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<Input>("input");
    QTest::addColumn<QString>("message");

    QTest::newRow("line through one place") << 5 << Input([](StereonGUI& w) {
        createPoint(*w.objectStore, 2, 0, 0, "B2");
        w.rebuildList();
        choose(w.linePoint1, "B");
        choose(w.linePoint2, "B2");
        QTest::keyClick(w.lineName, Qt::Key_Return);
    }) << "Failed to add line.\nThe two points are the same.";
    QTest::newRow("line along zero") << 5 << Input([](StereonGUI& w) {
        QTest::keyClick(w.lineOptions[1], Qt::Key_Space);
        choose(w.lineVector, "z");
        QTest::keyClick(w.lineName, Qt::Key_Return);
    }) << "Failed to add line.\nThe direction vector is zero.";
    QTest::newRow("collinear points") << 6 << Input([](StereonGUI& w) {
        choose(w.surfacePoint2, "B");
        choose(w.surfacePoint3, "D");
        QTest::mouseClick(w.addSurfaceButton, Qt::LeftButton);
    }) << "Failed to add surface.\nThe points lie on one line.";
    QTest::newRow("parallel vectors") << 6 << Input([](StereonGUI& w) {
        QTest::keyClick(w.surfaceOptions[1], Qt::Key_Space);
        choose(w.surfaceVector1, "u");
        choose(w.surfaceVector2, "u2");
        QTest::mouseClick(w.addSurfaceButton, Qt::LeftButton);
    }) << "Failed to add surface.\nThe vectors are parallel.";
    QTest::newRow("zero spanning vector") << 6 << Input([](StereonGUI& w) {
        QTest::keyClick(w.surfaceOptions[1], Qt::Key_Space);
        choose(w.surfaceVector1, "z");
        choose(w.surfaceVector2, "u");
        QTest::mouseClick(w.addSurfaceButton, Qt::LeftButton);
    }) << "Failed to add surface.\nThe direction vector is zero.";
    QTest::newRow("zero normal and D") << 6 << Input([](StereonGUI& w) {
        QTest::keyClick(w.surfaceOptions[2], Qt::Key_Space);
        choose(w.surfaceNormal, "z");
        type(w.surfaceD, "1");
        QTest::keyClick(w.surfaceD, Qt::Key_Return);
    }) << "Failed to add surface.\nThe normal vector is zero.";
    QTest::newRow("zero normal and point") << 6 << Input([](StereonGUI& w) {
        QTest::keyClick(w.surfaceOptions[3], Qt::Key_Space);
        choose(w.surfaceNormalOfPoint, "z");
        QTest::mouseClick(w.addSurfaceButton, Qt::LeftButton);
    }) << "Failed to add surface.\nThe normal vector is zero.";
    QTest::newRow("name taken meanwhile") << 4 << Input([](StereonGUI& w) {
        type(w.vectorX, "1");
        type(w.vectorY, "1");
        type(w.vectorZ, "1");
        // Filed behind the page's back, so the button is still enabled.
        createPoint(*w.objectStore, 0, 0, 0, w.vectorName->text().toStdString());
        QTest::mouseClick(w.addVectorButton, Qt::LeftButton);
    }) << "Failed to add vector.";
}

void TestAddCommands::failures() {
    QFETCH(int, page);
    QFETCH(Input, input);
    QFETCH(QString, message);

    WindowFixture f;
    StereonGUI& w = *f.window;
    fill(w);
    QTest::mouseClick(w.menuButtons[page], Qt::LeftButton);
    QLineEdit* const names[] = {w.pointName, w.vectorName, w.lineName, w.surfaceName};
    QLabel* const alerts[] = {w.pointAlert, w.vectorAlert, w.lineAlert, w.surfaceAlert};
    const QString name = names[page - 3]->text();
    input(w);
    const int visibleBefore = w.items.size();
    QCOMPARE(alerts[page - 3]->text(), message);
    QVERIFY(alerts[page - 3]->isVisible());
    QCOMPARE(names[page - 3]->text(), name);
    QCOMPARE(w.items.size(), visibleBefore);
    QVERIFY(!w.modified);
}

void TestAddCommands::returnWithTakenNameDoesNothing() {
    WindowFixture f;
    StereonGUI& w = *f.window;
    fill(w);
    QTest::mouseClick(w.menuButtons[3], Qt::LeftButton);
    type(w.pointName, "A");
    type(w.pointX, "5");
    type(w.pointY, "5");
    type(w.pointZ, "5");
    QTest::keyClick(w.pointZ, Qt::Key_Return);
    QCOMPARE(w.pointX->text(), QStringLiteral("5"));
    QCOMPARE(w.pointAlert->text(),
             QStringLiteral("Wrong object name.\nObject \"A\" already exists."));
    QVERIFY(!w.modified);
}

QTEST_MAIN(TestAddCommands)
#include "test_addcommands.moc"

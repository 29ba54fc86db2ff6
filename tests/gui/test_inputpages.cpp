// The point, vector, line and surface pages as a user works them: alerts and button states
// while typing and choosing, then the add commands through Return or the button.
#include "windowfixture.h"

#include "geometry/construction.h"
#include "widgets/checkgroup.h"
#include "widgets/objectitem.h"
#include "widgets/objectlist.h"

#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolButton>
#include <QUrl>
#include <QUrl>

#include <functional>

using S = StereonGUI;
using Input = std::function<void(S&)>;
Q_DECLARE_METATYPE(Input)

class TestInputPages : public QObject {
    Q_OBJECT
private slots:
    void rules_data();
    void rules();
    void add_data();
    void add();
    void nameTakenMeanwhile();
    void freshNames();

private:
    // Points A (0,0,0), B and B2 (2,0,0), C (0,2,0), D (4,0,0), vectors u (0,0,1),
    // w (1,0,0), z (0,0,0), u2 (0,0,3) and the line p through A along u; then the page.
    static void open(S& w, int page);
    static QLabel* alert(S& w, int page);
    static QLineEdit* name(S& w, int page);
    static QString linkTarget(const QLabel* label);
};

void TestInputPages::open(S& w, int page) {
    ObjectStore& store = *w.objectStore;
    for (const auto& [name, x, y] :
         {std::tuple{"A", 0, 0}, {"B", 2, 0}, {"B2", 2, 0}, {"C", 0, 2}, {"D", 4, 0}})
        createPoint(store, x, y, 0, name);
    for (const auto& [name, x, z] : {std::tuple{"u", 0, 1}, {"w", 1, 0}, {"z", 0, 0}, {"u2", 0, 3}})
        createVector(store, x, 0, z, name);
    createLine(store, "A", "u", "p");
    w.rebuildList();
    w.modified = false;
    QTest::mouseClick(w.menuButtons[page], Qt::LeftButton);
}

QLabel* TestInputPages::alert(S& w, int page) {
    QLabel* const alerts[] = {w.pointAlert,     w.vectorAlert, w.lineAlert,    w.surfaceAlert,
                              w.intersectAlert, w.angleAlert,  w.distanceAlert};
    return alerts[page - 3];
}

QLineEdit* TestInputPages::name(S& w, int page) {
    QLineEdit* const names[] = {w.pointName, w.vectorName, w.lineName, w.surfaceName};
    return names[page - 3];
}

QString TestInputPages::linkTarget(const QLabel* label) {
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

void TestInputPages::rules_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("alert"); // empty: the alert line is hidden
    QTest::addColumn<QString>("name");  // typed last; null: the proposed one
    QTest::addColumn<Input>("input");
    auto row = [](const char* tag, int page, const QString& alert, const char* name,
                  Input input = {}) { QTest::newRow(tag) << page << alert << name << input; };
    const Input point = [](S& w) {
        for (QLineEdit* edit : {w.pointX, w.pointY, w.pointZ})
            type(edit, "1");
    };
    const Input vector = [](S& w) {
        for (QLineEdit* edit : {w.vectorX, w.vectorY, w.vectorZ})
            type(edit, "1");
    };
    // Each row leaves its page's button disabled; the add and compute tests enable them.
    const QString enterName = "Enter the object name.";
    const QString badName =
        "Wrong object name. A name must not contain \"$\" or control characters.";
    row("point: unfinished number", 3, "", nullptr, [=](S& w) {
        point(w);
        type(w.pointY, "-");
    });
    row("point: no name", 3, enterName, "", point);
    row("point: dollar", 3, badName, "a$b", point);
    row("point: line break", 3, badName, "a\nb", point);
    row("vector: taken", 4, "Wrong object name. Object \"A\" already exists.", "A", vector);
    // The rule looks the name up on every change, not only when the name is typed.
    row("vector: taken after typing", 4, "Wrong object name. Object \"N\" already exists.", nullptr,
        [=](S& w) {
            type(w.vectorName, "N");
            createPoint(*w.objectStore, 0, 0, 0, "N");
            vector(w);
        });
    row("vector: option 2, same points", 4, "Choose 2 different points.", nullptr,
        [](S& w) { QTest::keyClick(w.vectorOptions[1], Qt::Key_Space); });
    row("line: same points", 5, "Choose 2 different points.", nullptr);
    row("surface: option 1, same points", 6, "Choose 3 different points.", nullptr,
        [](S& w) { choose(w.surfacePoint2, "B"); });
    row("surface: option 2, same vectors", 6, "Choose 2 different vectors.", nullptr,
        [](S& w) { QTest::keyClick(w.surfaceOptions[1], Qt::Key_Space); });
    row("surface: option 3 without D", 6, "", nullptr,
        [](S& w) { QTest::keyClick(w.surfaceOptions[2], Qt::Key_Space); });
    row("surface: no name comes first", 6, enterName, "",
        [](S& w) { choose(w.surfacePoint2, "B"); });
    row("intersection: same objects", 7, "Choose 2 different objects.", nullptr);
    row("angle: same objects", 8, "Choose 2 different objects.", nullptr);
    row("distance: same objects", 9, "Choose 2 different objects.", nullptr);
}

void TestInputPages::rules() {
    QFETCH(int, page);
    QFETCH(QString, alert);
    QFETCH(QString, name);
    QFETCH(Input, input);
    WindowFixture f;
    S& w = *f.window;
    open(w, page);
    if (input)
        input(w);
    if (!name.isNull())
        type(TestInputPages::name(w, page), name);
    QPushButton* const buttons[] = {
        w.addPointButton,         w.addVectorButton,    w.addLineButton,        w.addSurfaceButton,
        w.computeIntersectButton, w.computeAngleButton, w.computeDistanceButton};
    QLabel* label = TestInputPages::alert(w, page);
    QCOMPARE(label->isVisible(), !alert.isEmpty());
    if (!alert.isEmpty())
        QCOMPARE(label->text(), alert);
    QVERIFY(!buttons[page - 3]->isEnabled());
}

void TestInputPages::add_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("name"); // empty: the proposed one
    QTest::addColumn<int>("option");
    QTest::addColumn<QStringList>("choices"); // for the option's pickers, in order
    QTest::addColumn<QStringList>("typed");   // along Return from the name
    // The new entry's title, "%1" standing for the name; or the alert of a refusal.
    QTest::addColumn<QString>("outcome");
    auto row = [](const char* tag, int page, const QString& name, int option,
                  const QStringList& choices, const QStringList& typed, const QString& outcome) {
        QTest::newRow(tag) << page << name << option << choices << typed << outcome;
    };
    // Names that markup, quotes or other scripts could break in the link.
    row("point", 3, "a<b>&'c", 0, {}, {"1.5", "-2", "3"}, "Point %1 [1.5; -2; 3]");
    row("vector by coordinates", 4, "x\"y", 0, {}, {"1", "2", "3"}, "Vector %1 (1; 2; 3)");
    row("vector from points", 4, "N", 1, {"B", "C"}, {}, "Vector %1 (-2; 2; 0)");
    row("line through points", 5, "N", 0, {"A", "B"}, {}, "Line %1");
    row("line along vector", 5, "N", 1, {"B", "u"}, {}, "Line %1");
    row("plane through points", 6, "N", 0, {"A", "B", "C"}, {}, "Surface %1: +1z  = 0");
    row("plane from vectors", 6, "N", 1, {"u", "w", "B"}, {}, "Surface %1: -1y  = 0");
    // With option 3, Return in the name goes on to D.
    row("plane from equation", 6, "Bod č€", 2, {"w"}, {"-4"}, "Surface %1: 1x -4 = 0");
    row("plane from normal", 6, "N", 3, {"u", "C"}, {}, "Surface %1: +1z  = 0");
    // Refusals say why on a line of their own.
    row("line through one place", 5, "", 0, {"B", "B2"}, {},
        "Failed to add line.\nThe two points are the same.");
    row("line along zero", 5, "", 1, {"A", "z"}, {},
        "Failed to add line.\nThe direction vector is zero.");
    row("collinear points", 6, "", 0, {"A", "B", "D"}, {},
        "Failed to add surface.\nThe points lie on one line.");
    row("parallel vectors", 6, "", 1, {"u", "u2", "A"}, {},
        "Failed to add surface.\nThe vectors are parallel.");
    row("zero spanning vector", 6, "", 1, {"z", "u", "A"}, {},
        "Failed to add surface.\nThe direction vector is zero.");
    row("zero normal", 6, "", 2, {"z"}, {"1"},
        "Failed to add surface.\nThe normal vector is zero.");
    // Return reaches the command with the button disabled.
    row("Return with a taken name", 3, "p", 0, {}, {"5", "5", "5"},
        "Wrong object name.\nObject \"p\" already exists.");
}

// The command runs on Return where the Return chain reaches it, else from the button. The
// sentence under the page links to the new object; a click on it opens the list there.
void TestInputPages::add() {
    QFETCH(int, page);
    QFETCH(QString, name);
    QFETCH(int, option);
    QFETCH(QStringList, choices);
    QFETCH(QStringList, typed);
    QFETCH(QString, outcome);
    WindowFixture f;
    S& w = *f.window;
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    open(w, page);
    QLineEdit* nameEdit = TestInputPages::name(w, page);
    if (!name.isEmpty())
        type(nameEdit, name);
    const QString proposed = nameEdit->text();
    const int entries = w.items.size();

    const QList<QList<QComboBox*>> pickers[] = {
        {},
        {{}, {w.vectorPoint1, w.vectorPoint2}},
        {{w.linePoint1, w.linePoint2}, {w.linePoint, w.lineVector}},
        {{w.surfacePoint1, w.surfacePoint2, w.surfacePoint3},
         {w.surfaceVector1, w.surfaceVector2, w.surfaceVectorsPoint},
         {w.surfaceNormal},
         {w.surfaceNormalOfPoint, w.surfaceNormalPoint}}};
    const QList<CheckGroup*> options[] = {{},
                                          {w.vectorOptions.begin(), w.vectorOptions.end()},
                                          {w.lineOptions.begin(), w.lineOptions.end()},
                                          {w.surfaceOptions.begin(), w.surfaceOptions.end()}};
    if (option > 0)
        QTest::keyClick(options[page - 3][option], Qt::Key_Space);
    for (int i = 0; i < choices.size(); ++i)
        QVERIFY(choose(pickers[page - 3][option][i], choices[i]));
    QPushButton* const buttons[] = {w.addPointButton, w.addVectorButton, w.addLineButton,
                                    w.addSurfaceButton};
    if (page == 5 || !typed.isEmpty()) {
        QTest::keyClick(nameEdit, Qt::Key_Return);
        for (const QString& value : typed) {
            QTest::keyClicks(w.focusWidget(), value);
            QTest::keyClick(w.focusWidget(), Qt::Key_Return);
        }
    } else {
        QTest::mouseClick(buttons[page - 3], Qt::LeftButton);
    }

    QLabel* label = TestInputPages::alert(w, page);
    QVERIFY(label->isVisible());
    if (!outcome.contains("%1")) {
        QCOMPARE(label->text(), outcome);
        QCOMPARE(nameEdit->text(), proposed);
        QCOMPARE(w.items.size(), entries);
        QVERIFY(!w.modified);
        return;
    }
    const int at = w.itemNames.indexOf(name);
    QVERIFY(at >= 0);
    QCOMPARE(w.items[at]->fullTitle(), outcome.arg(name));
    QVERIFY(w.modified);
    // The target as the label hands it to showLinkedObject().
    QCOMPARE(QUrl::fromPercentEncoding(linkTarget(label).toLatin1()), name);
    QTextDocument shown;
    shown.setHtml(label->text());
    QCOMPARE(shown.toPlainText(), outcome.section(' ', 0, 0) + ' ' + name + " was added.");
    // Typed fields are emptied and a fresh name waits.
    const QRegularExpression fresh(QStringLiteral("^%1[0-9]{1,3}$").arg("PVLS"[page - 3]));
    QVERIFY2(fresh.match(nameEdit->text()).hasMatch(), qPrintable(nameEdit->text()));
    for (QLineEdit* edit :
         {w.pointX, w.pointY, w.pointZ, w.vectorX, w.vectorY, w.vectorZ, w.surfaceD})
        QVERIFY(edit->text().isEmpty());

    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(4, label->height() / 2));
    QVERIFY(w.objectList->isVisible());
    QCOMPARE(w.rememberedName, name);
}

// Filed behind the page's back, so the button is still enabled: the command is refused.
void TestInputPages::nameTakenMeanwhile() {
    WindowFixture f;
    S& w = *f.window;
    open(w, 4);
    for (QLineEdit* edit : {w.vectorX, w.vectorY, w.vectorZ})
        type(edit, "1");
    QVERIFY(createPoint(*w.objectStore, 0, 0, 0, w.vectorName->text().toStdString()));
    QTest::mouseClick(w.addVectorButton, Qt::LeftButton);
    QCOMPARE(w.vectorAlert->text(), QStringLiteral("Failed to add vector."));
    QVERIFY(!w.modified);
}

// Proposed names are free; with the numbers up to 999 taken they go on from 1000. A name
// the user typed is kept.
void TestInputPages::freshNames() {
    WindowFixture f;
    S& w = *f.window;
    for (int n = 0; n < 1002; ++n)
        QVERIFY(createPoint(*w.objectStore, n, 0, 0, "V" + std::to_string(n)));
    QTest::mouseClick(w.menuButtons[4], Qt::LeftButton);
    QCOMPARE(w.vectorName->text(), QStringLiteral("V1002"));
    type(w.vectorName, "mine");
    QTest::mouseClick(w.menuButtons[0], Qt::LeftButton);
    QTest::mouseClick(w.menuButtons[4], Qt::LeftButton);
    QCOMPARE(w.vectorName->text(), QStringLiteral("mine"));
}

QTEST_MAIN(TestInputPages)
#include "test_inputpages.moc"

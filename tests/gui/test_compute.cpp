// The intersection, angle and distance pages, driven through their combos and buttons.
#include "windowfixture.h"

#include "geometry/construction.h"
#include "widgets/objectitem.h"

#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

class TestCompute : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup() { f.reset(); }
    void objectNameFromEntry();
    void intersection_data();
    void intersection();
    void addIntersection();
    void measure_data();
    void measure();

private:
    // Chooses both operands of the intersection page and computes.
    void intersect(const QString& first, const QString& second);

    std::unique_ptr<WindowFixture> f;
};

// Points A (origin), B, C, D, E, F; lines p (x axis), q (y axis), r (D to E); planes
// s and s2 (both z = 0), t (z = 5), v (x = 0); vectors n (0, 0, 1) and zero.
void TestCompute::init() {
    f = std::make_unique<WindowFixture>();
    ObjectStore& store = *f->window->objectStore;
    const struct {
        const char* name;
        double x, y, z;
    } points[] = {{"A", 0, 0, 0}, {"B", 1, 0, 0}, {"C", 0, 1, 0},
                  {"D", 0, 0, 5}, {"E", 2, 2, 2}, {"F", 400, 0, 0}};
    for (const auto& p : points)
        QVERIFY(createPoint(store, p.x, p.y, p.z, p.name));
    QVERIFY(createVector(store, 0, 0, 1, "n"));
    QVERIFY(createVector(store, 0, 0, 0, "zero"));
    QVERIFY(createLine(store, "A", "B", "p"));
    QVERIFY(createLine(store, "A", "C", "q"));
    QVERIFY(createLine(store, "D", "E", "r"));
    QVERIFY(createSurfaceFromThree(store, "A", "B", "C", "s"));
    QVERIFY(createSurfaceFromEquation(store, "n", 0, "s2"));
    QVERIFY(createSurfaceFromEquation(store, "n", -5, "t"));
    QVERIFY(createSurfaceFromThree(store, "A", "C", "D", "v"));
    f->window->rebuildList();
    f->window->modified = false;
}

void TestCompute::intersect(const QString& first, const QString& second) {
    StereonGUI& w = *f->window;
    w.displayIntersectMenu();
    QVERIFY(choose(w.intersectObject1, first));
    QVERIFY(choose(w.intersectObject2, second));
    QTest::mouseClick(w.computeIntersectButton, Qt::LeftButton);
}

// Combo entries read "Kind name"; only the first word is the kind.
void TestCompute::objectNameFromEntry() {
    QCOMPARE(StereonGUI::objectNameFromEntry("Vector Point7"), "Point7");
    QCOMPARE(StereonGUI::objectNameFromEntry("Line Surface x"), "Surface x");
    QCOMPARE(StereonGUI::objectNameFromEntry("point A"), "point A");
}

void TestCompute::intersection_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("title"); // a pattern
    auto row = [](const QString& first, const QString& second, int kind, const QString& title) {
        QTest::newRow(qPrintable(first + " and " + second)) << first << second << kind << title;
    };
    row("Surface s", "Surface t", -1, "The intersection DOES NOT exist");
    row("Point A", "Line p", 4, "Point A lays on line p");
    // The point comes first in the sentence, whichever operand it was.
    row("Line p", "Point D", -1, "Point D DOES NOT lay on line p");
    row("Surface s", "Point B", 4, "Point B lays on surface s");
    row("Point E", "Surface s", -1, "Point E DOES NOT lay on surface s");
    row("Point A", "Point B", -1, "Points A and B ARE NOT equal");
    // A pair the page never offers still gets an answer.
    row("Vector n", "Surface s", -1, "Error 0xc58d3");
    // A new object, offered under a free name that the title shows too.
    row("Line p", "Line q", 0, R"(Point (P\d+) \[0; 0; 0\])");
    row("Surface s", "Line r", 0, R"(Point (P\d+) \[3\.33333; 3\.33333; 0\])");
    row("Surface s", "Surface v", 2, R"(Line (L\d+))");
    row("Surface s", "Surface s2", 3, R"(Surface (S\d+))");
}

void TestCompute::intersection() {
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(int, kind);
    QFETCH(QString, title);
    StereonGUI& w = *f->window;
    if (first.startsWith(QLatin1String("Vector")))
        w.intersectObject1->addItem(first);
    intersect(first, second);
    QVERIFY(w.intersectItem->isVisible());
    QCOMPARE(w.intersectItem->kind(), kind);
    const QRegularExpressionMatch match =
        QRegularExpression(QRegularExpression::anchoredPattern(title))
            .match(w.intersectItem->fullTitle());
    QVERIFY2(match.hasMatch(), qPrintable(w.intersectItem->fullTitle()));
    // A relation leaves the page ready for another pair.
    const bool offered = match.lastCapturedIndex() == 1;
    QCOMPARE(w.computeIntersectButton->isVisible(), !offered);
    QCOMPARE(w.addIntersectButton->isVisible(), offered);
    if (offered) {
        QVERIFY(w.intersectItem->hasInfo());
        QCOMPARE(w.intersectName->text(), match.captured(1));
        QVERIFY(!w.objectStore->exists(w.intersectName->text().toStdString()));
        QCOMPARE(w.addIntersectButton->text(), "Add " + title.section(' ', 0, 0));
        QVERIFY(w.addIntersectButton->isEnabled());
        QVERIFY(w.resetIntersectButton->isVisible());
    }
}

void TestCompute::addIntersection() {
    StereonGUI& w = *f->window;
    intersect("Line p", "Line q");
    const std::pair<QString, QString> names[] = {
        {"", "Enter the object name."},
        {"A", "Wrong object name. Object \"A\" already exists."},
        {"x$", "Wrong object name. A name must not contain \"$\" or control characters."},
        {"X", ""}};
    for (const auto& [name, alert] : names) {
        type(w.intersectName, name);
        QCOMPARE(w.addIntersectButton->isEnabled(), alert.isEmpty());
        QCOMPARE(w.intersectAlert->isVisible(), !alert.isEmpty());
        if (!alert.isEmpty())
            QCOMPARE(w.intersectAlert->text(), alert);
    }
    QCOMPARE(w.intersectItem->fullTitle(), QStringLiteral("Point X [0; 0; 0]"));
    QTest::mouseClick(w.addIntersectButton, Qt::LeftButton);

    QVERIFY(w.objectStore->exists("X"));
    QVERIFY(w.itemNames.contains(QStringLiteral("X")));
    QCOMPARE(w.intersectAlert->text(), QStringLiteral("<a href=\"X\">Point X was added.</a>"));
    QVERIFY(w.intersectAlert->isVisible());
    QVERIFY(w.modified);
    QVERIFY(w.intersectObject1->isVisible());
    QVERIFY(!w.intersectName->isVisible());
    QVERIFY(w.intersectName->text().isEmpty());
    // The same point again: the name is taken now.
    intersect("Line p", "Line q");
    type(w.intersectName, "X");
    QVERIFY(!w.addIntersectButton->isEnabled());
}

void TestCompute::measure_data() {
    QTest::addColumn<bool>("angle");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("result");
    auto row = [](bool angle, const QString& first, const QString& second, const QString& result) {
        QTest::newRow(qPrintable(QString(angle ? "angle: " : "distance: ") + first + ", " + second))
            << angle << first << second << result;
    };
    row(true, "Line p", "Line q", "Result = 90°");
    row(true, "Vector n", "Surface s", "Result = 90°");
    row(true, "Vector zero", "Line p", "Error 0xc58d3");
    row(false, "Point D", "Surface s", "Result = 5");
    // The distance page offers lines.
    row(false, "Line p", "Line r", "Result = 2.7735");
    // 400 also stands for "no result" inside.
    row(false, "Point F", "Point A", "Result = 400");
}

void TestCompute::measure() {
    QFETCH(bool, angle);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, result);
    StereonGUI& w = *f->window;
    angle ? w.displayAngleMenu() : w.displayDistanceMenu();
    QVERIFY(choose(angle ? w.angleObject1 : w.distanceObject1, first));
    QVERIFY(choose(angle ? w.angleObject2 : w.distanceObject2, second));
    QTest::mouseClick(angle ? w.computeAngleButton : w.computeDistanceButton, Qt::LeftButton);
    QLabel* label = angle ? w.angleResult : w.distanceResult;
    QVERIFY(label->isVisible());
    QCOMPARE(label->text(), result);
}

QTEST_MAIN(TestCompute)
#include "test_compute.moc"

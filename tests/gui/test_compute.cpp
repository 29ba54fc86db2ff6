// The intersection, angle and distance pages, driven through their combos and buttons.
#include "geometry/construction.h"
#include "gui/stereongui.h"
#include "widgets/objectitem.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class TestCompute : public QObject {
    Q_OBJECT
private slots:
    void init();
    void objectNameFromEntry_data();
    void objectNameFromEntry();
    void intersectionRelations_data();
    void intersectionRelations();
    void intersectionObjects_data();
    void intersectionObjects();
    void addIntersection();
    void measure_data();
    void measure();

private:
    // Points A (origin), B, C, D, E, F; lines p (x axis), q (y axis), r (D to E); planes
    // s and s2 (both z = 0), t (z = 5), v (x = 0); vectors n (0, 0, 1) and zero.
    void buildScene();
    // Chooses both operands on a page; false when an entry is not offered.
    static bool choose(QComboBox* first, const QString& a, QComboBox* second, const QString& b);

    QTemporaryDir dir;
    std::unique_ptr<StereonGUI> window;
};

void TestCompute::init() {
    QFile settings(dir.filePath(QStringLiteral("settings.cfg")));
    QVERIFY(settings.open(QIODevice::WriteOnly));
    settings.write("en\n0\n");
    settings.close();
    window = std::make_unique<StereonGUI>(dir.path());
    buildScene();
}

void TestCompute::buildScene() {
    ObjectStore& store = *window->objectStore;
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
    window->rebuildList();
}

bool TestCompute::choose(QComboBox* first, const QString& a, QComboBox* second, const QString& b) {
    const int i = first->findText(a);
    const int j = second->findText(b);
    first->setCurrentIndex(i);
    second->setCurrentIndex(j);
    return i >= 0 && j >= 0;
}

void TestCompute::objectNameFromEntry_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("name");
    QTest::newRow("point") << "Point A"
                           << "A";
    QTest::newRow("surface") << "Surface s1"
                             << "s1";
    QTest::newRow("vector named like a point") << "Vector Point7"
                                               << "Point7";
    QTest::newRow("line named like a surface") << "Line Surface x"
                                               << "Surface x";
    QTest::newRow("bare name") << "A"
                               << "A";
    QTest::newRow("lower case word") << "point A"
                                     << "point A";
}

void TestCompute::objectNameFromEntry() {
    QFETCH(QString, entry);
    QFETCH(QString, name);
    QCOMPARE(StereonGUI::objectNameFromEntry(entry), name);
}

void TestCompute::intersectionRelations_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("itemName");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("title");
    QTest::newRow("parallel planes") << "Surface s"
                                     << "Surface t"
                                     << "EMPTY" << -1 << "The intersection DOES NOT exist";
    QTest::newRow("point on line") << "Point A"
                                   << "Line p"
                                   << "BELONG" << 4 << "Point A lays on line p";
    QTest::newRow("line through point") << "Line p"
                                        << "Point A"
                                        << "BELONG" << 4 << "Point A lays on line p";
    QTest::newRow("point off line") << "Line p"
                                    << "Point D"
                                    << "!BELONG" << -1 << "Point D DOES NOT lay on line p";
    QTest::newRow("plane through point") << "Surface s"
                                         << "Point B"
                                         << "BELONG" << 4 << "Point B lays on surface s";
    QTest::newRow("point off plane") << "Point E"
                                     << "Surface s"
                                     << "!BELONG" << -1 << "Point E DOES NOT lay on surface s";
    QTest::newRow("different points") << "Point A"
                                      << "Point B"
                                      << "!BELONG" << -1 << "Points A and B ARE NOT equal";
    // A pair the page never offers still gets an answer.
    QTest::newRow("vector and plane") << "Vector n"
                                      << "Surface s"
                                      << "ERROR" << -1 << "Error 0xc58d3";
}

void TestCompute::intersectionRelations() {
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, itemName);
    QFETCH(int, kind);
    QFETCH(QString, title);
    StereonGUI& w = *window;
    w.displayIntersectMenu();
    if (first.startsWith(QLatin1String("Vector")))
        w.intersectObject1->addItem(first);
    QVERIFY(choose(w.intersectObject1, first, w.intersectObject2, second));
    QTest::mouseClick(w.computeIntersectButton, Qt::LeftButton);

    QVERIFY(w.intersectItem->isVisible());
    QCOMPARE(w.intersectItem->name(), itemName);
    QCOMPARE(w.intersectItem->kind(), kind);
    QCOMPARE(w.intersectItem->fullTitle(), title);
    // Still in the input state: another pair can be computed at once.
    QVERIFY(w.intersectObject1->isVisible());
    QVERIFY(w.computeIntersectButton->isVisible());
    QVERIFY(!w.intersectName->isVisible());
    QVERIFY(!w.addIntersectButton->isVisible());
}

void TestCompute::intersectionObjects_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("titlePattern");
    QTest::newRow("crossing lines") << "Line p"
                                    << "Line q" << 0 << "Add Point"
                                    << R"(Point (P\d+) \[0; 0; 0\])";
    QTest::newRow("line through plane") << "Surface s"
                                        << "Line r" << 0 << "Add Point"
                                        << R"(Point (P\d+) \[3\.33333; 3\.33333; 0\])";
    QTest::newRow("meeting planes") << "Surface s"
                                    << "Surface v" << 2 << "Add Line"
                                    << R"(Line (L\d+))";
    QTest::newRow("same plane") << "Surface s"
                                << "Surface s2" << 3 << "Add Surface"
                                << R"(Surface (S\d+))";
}

void TestCompute::intersectionObjects() {
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(int, kind);
    QFETCH(QString, button);
    QFETCH(QString, titlePattern);
    StereonGUI& w = *window;
    w.displayIntersectMenu();
    QVERIFY(choose(w.intersectObject1, first, w.intersectObject2, second));
    QTest::mouseClick(w.computeIntersectButton, Qt::LeftButton);

    QCOMPARE(w.intersectResult.kind, kind);
    QCOMPARE(w.intersectItem->kind(), kind);
    QVERIFY(w.intersectItem->hasInfo());
    const QRegularExpressionMatch match =
        QRegularExpression(QRegularExpression::anchoredPattern(titlePattern))
            .match(w.intersectItem->fullTitle());
    QVERIFY2(match.hasMatch(), qPrintable(w.intersectItem->fullTitle()));
    // The fresh name in the edit is the one in the title, and it is free.
    QCOMPARE(w.intersectName->text(), match.captured(1));
    QVERIFY(!w.objectStore->exists(w.intersectName->text().toStdString()));
    QCOMPARE(w.addIntersectButton->text(), button);
    QVERIFY(w.addIntersectButton->isEnabled());
    // The result state.
    for (QWidget* shown :
         {static_cast<QWidget*>(w.intersectName), static_cast<QWidget*>(w.addIntersectButton),
          static_cast<QWidget*>(w.resetIntersectButton)})
        QVERIFY(shown->isVisible());
    for (QWidget* hidden :
         {static_cast<QWidget*>(w.intersectObject1), static_cast<QWidget*>(w.intersectObject2),
          static_cast<QWidget*>(w.computeIntersectButton)})
        QVERIFY(!hidden->isVisible());
}

void TestCompute::addIntersection() {
    StereonGUI& w = *window;
    w.modified = false;
    w.displayIntersectMenu();
    QVERIFY(choose(w.intersectObject1, "Line p", w.intersectObject2, "Line q"));
    QTest::mouseClick(w.computeIntersectButton, Qt::LeftButton);
    w.intersectName->setText(QStringLiteral("X"));
    QTest::mouseClick(w.addIntersectButton, Qt::LeftButton);

    QVERIFY(w.objectStore->exists("X"));
    QVERIFY(w.itemNames.contains(QStringLiteral("X")));
    QCOMPARE(w.intersectAlert->text(), QStringLiteral("<a href='X'>Point X was added.</a>"));
    QVERIFY(w.intersectAlert->isVisible());
    QVERIFY(w.modified);
    QVERIFY(w.intersectObject1->isVisible());
    QVERIFY(!w.intersectName->isVisible());
    QVERIFY(w.intersectName->text().isEmpty());

    // The same point again under a taken name is refused before the store sees it; under a
    // new name it is filed again.
    QVERIFY(choose(w.intersectObject1, "Line p", w.intersectObject2, "Line q"));
    QTest::mouseClick(w.computeIntersectButton, Qt::LeftButton);
    w.intersectName->setText(QStringLiteral("X"));
    QVERIFY(!w.addIntersectButton->isEnabled());
}

void TestCompute::measure_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("result");
    const int angle = 8;
    const int distance = 9;
    QTest::newRow("crossing lines") << angle << "Line p"
                                    << "Line q"
                                    << "Result = 90°";
    QTest::newRow("line in plane") << angle << "Line p"
                                   << "Surface s"
                                   << "Result = 0°";
    QTest::newRow("normal and plane") << angle << "Vector n"
                                      << "Surface s"
                                      << "Result = 90°";
    QTest::newRow("zero vector") << angle << "Vector zero"
                                 << "Line p"
                                 << "Error 0xc58d3";
    QTest::newRow("point and plane") << distance << "Point D"
                                     << "Surface s"
                                     << "Result = 5";
    QTest::newRow("point and line") << distance << "Point E"
                                    << "Line p"
                                    << "Result = 2.82843";
    QTest::newRow("skew lines") << distance << "Line p"
                                << "Line r"
                                << "Result = 2.7735";
    QTest::newRow("400 is a distance") << distance << "Point F"
                                       << "Point A"
                                       << "Result = 400";
}

void TestCompute::measure() {
    QFETCH(int, page);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, result);
    StereonGUI& w = *window;
    const bool angle = page == 8;
    angle ? w.displayAngleMenu() : w.displayDistanceMenu();
    QVERIFY(angle ? choose(w.angleObject1, first, w.angleObject2, second)
                  : choose(w.distanceObject1, first, w.distanceObject2, second));
    QTest::mouseClick(angle ? w.computeAngleButton : w.computeDistanceButton, Qt::LeftButton);
    QLabel* label = angle ? w.angleResult : w.distanceResult;
    QVERIFY(label->isVisible());
    QCOMPARE(label->text(), result);
}

QTEST_MAIN(TestCompute)
#include "test_compute.moc"

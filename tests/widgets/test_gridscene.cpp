#include "doublecompare.h"

#include "widgets/circleitem.h"
#include "widgets/gridpicker.h"
#include "widgets/gridscene.h"

#include <QApplication>
#include <QGraphicsTextItem>
#include <QGraphicsView>
#include <QHBoxLayout>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include <memory>

namespace {

enum Grid { XY, XZ, YZ };

// Labels of one axis of a grid, in the order they were added: left to right, bottom to top.
QStringList axisLabels(GridScene* scene, bool horizontal) {
    QStringList texts;
    for (QGraphicsItem* item : scene->items(Qt::AscendingOrder)) {
        auto* text = dynamic_cast<QGraphicsTextItem*>(item);
        if (text && (text->pos().y() == 220) == horizontal)
            texts.append(text->toPlainText());
    }
    return texts;
}

CircleItem* markerOf(GridScene* scene) {
    for (QGraphicsItem* item : scene->items()) {
        if (auto* circle = dynamic_cast<CircleItem*>(item))
            return circle;
    }
    return nullptr;
}

QImage render(GridScene* scene) {
    QImage image(270, 240, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    scene->render(&painter, QRectF(0, 0, 270, 240), QRectF(0, 0, 270, 240));
    return image;
}

bool isPeru(const QImage& image, QPoint p) {
    return image.pixelColor(p) == QColor("peru");
}

} // namespace

class TestGridScene : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void twoClickPick_data();
    void twoClickPick();
    void dragStopsAtBorder_data();
    void dragStopsAtBorder();
    void wheelZoomsAllGrids_data();
    void wheelZoomsAllGrids();
    void pickedValuesFollowZoom();
    void resetsClearAllGrids();
    void remoteMarkerNeedsShownGuide();

private:
    GridScene* grid(int g) const { return picker->grids()[g]; }
    QGraphicsView* view(int g) const {
        return std::array{picker->viewXY(), picker->viewXZ(), picker->viewYZ()}[g];
    }
    void click(int g, QPoint scenePos, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(view(g)->viewport(), button, {}, view(g)->mapFromScene(scenePos));
    }
    void wheel(int g, int steps) {
        QWidget* viewport = view(g)->viewport();
        const QPointF pos = view(g)->mapFromScene(QPointF(150, 120));
        for (int i = 0; i < qAbs(steps); ++i) {
            QWheelEvent event(pos, viewport->mapToGlobal(pos), QPoint(),
                              QPoint(0, steps < 0 ? -120 : 120), Qt::NoButton, Qt::NoModifier,
                              Qt::NoScrollPhase, false);
            QApplication::sendEvent(viewport, &event);
        }
    }
    QPoint markerCentre(int g) const { return markerOf(grid(g))->pos().toPoint() + QPoint(5, 5); }
    QStringList fields() const { return fieldTexts; }

    std::unique_ptr<QWidget> page;
    GridPicker* picker = nullptr;
    // What the window's X, Y and Z fields would hold.
    QStringList fieldTexts;
};

// The grids wired to the picker as the window does it.
void TestGridScene::init() {
    page = std::make_unique<QWidget>();
    picker = new GridPicker(page.get());
    auto* layout = new QHBoxLayout(page.get());
    layout->addWidget(picker->viewXY());
    layout->addWidget(picker->viewXZ());
    layout->addWidget(picker->viewYZ());
    for (GridScene* g : picker->grids()) {
        connect(g, &GridScene::pointSet, picker, &GridPicker::clickPointSet);
        connect(g, &GridScene::changedQ, picker, &GridPicker::clickPointQ);
    }
    fieldTexts = QStringList{"", "", ""};
    connect(picker, &GridPicker::coordinatesChanged, page.get(),
            [this](const QString& x, const QString& y, const QString& z) {
                fieldTexts = QStringList{x, y, z};
            });
    page->show();
    QVERIFY(QTest::qWaitForWindowExposed(page.get()));
}

void TestGridScene::cleanup() {
    page.reset();
}

void TestGridScene::twoClickPick_data() {
    QTest::addColumn<int>("first");
    QTest::addColumn<QPoint>("firstPos");
    QTest::addColumn<int>("second");
    QTest::addColumn<QPoint>("secondPos");
    QTest::addColumn<QStringList>("xyz");
    QTest::addColumn<QPoint>("centreXY");
    QTest::addColumn<QPoint>("centreXZ");
    QTest::addColumn<QPoint>("centreYZ");
    QTest::newRow("X-Y, then X-Z left of the area")
        << int(XY) << QPoint(200, 70) << int(XZ) << QPoint(10, 170) << QStringList{"2", "2", "-2"}
        << QPoint(200, 70) << QPoint(200, 170) << QPoint(200, 170);
    QTest::newRow("origin") << int(XY) << QPoint(150, 120) << int(XZ) << QPoint(150, 120)
                            << QStringList{"0", "0", "0"} << QPoint(150, 120) << QPoint(150, 120)
                            << QPoint(150, 120);
    QTest::newRow("Y-Z, then X-Y on a horizontal guide")
        << int(YZ) << QPoint(75, 195) << int(XY) << QPoint(225, 30) << QStringList{"3", "-3", "-3"}
        << QPoint(225, 195) << QPoint(225, 195) << QPoint(75, 195);
    QTest::newRow("X-Z, then Y-Z beyond the right edge")
        << int(XZ) << QPoint(100, 145) << int(YZ) << QPoint(262, 5) << QStringList{"-2", "4", "-1"}
        << QPoint(100, 20) << QPoint(100, 145) << QPoint(250, 145);
    QTest::newRow("between grid lines") << int(XY) << QPoint(160, 118) << int(YZ) << QPoint(100, 60)
                                        << QStringList{"0.4", "0.08", "2.4"} << QPoint(160, 118)
                                        << QPoint(160, 60) << QPoint(152, 60);
}

void TestGridScene::twoClickPick() {
    QFETCH(int, first);
    QFETCH(QPoint, firstPos);
    QFETCH(int, second);
    QFETCH(QPoint, secondPos);
    QFETCH(QStringList, xyz);

    click(first, firstPos);
    QCOMPARE(fields(), QStringList({"", "", ""}));
    click(second, secondPos);
    QCOMPARE(fields(), xyz);

    QFETCH(QPoint, centreXY);
    QFETCH(QPoint, centreXZ);
    QFETCH(QPoint, centreYZ);
    QCOMPARE(markerCentre(XY), centreXY);
    QCOMPARE(markerCentre(XZ), centreXZ);
    QCOMPARE(markerCentre(YZ), centreYZ);
    for (GridScene* g : picker->grids())
        QVERIFY(markerOf(g)->isVisible());
}

void TestGridScene::dragStopsAtBorder_data() {
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<QPoint>("centre");
    QTest::addColumn<double>("x");
    QTest::newRow("far left") << QPoint(150, 120) << QPoint(3, 120) << QPoint(50, 120) << -4.0;
    QTest::newRow("past the bottom right")
        << QPoint(100, 100) << QPoint(268, 238) << QPoint(250, 220) << 4.0;
}

void TestGridScene::dragStopsAtBorder() {
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    QFETCH(QPoint, centre);
    QFETCH(double, x);
    QWidget* viewport = view(XY)->viewport();
    QTest::mousePress(viewport, Qt::LeftButton, {}, view(XY)->mapFromScene(from));
    QTest::mouseMove(viewport, view(XY)->mapFromScene(to));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, view(XY)->mapFromScene(to));
    QCOMPARE(markerCentre(XY), centre);
    COMPARE_CLOSE(grid(XY)->pickedValue(), x);
    // The guides in the other grids followed the drag.
    QVERIFY(isPeru(render(grid(XZ)), QPoint(centre.x() + 1, 110)));
    QVERIFY(isPeru(render(grid(YZ)), QPoint(270 - centre.y() + 1, 110)));
}

void TestGridScene::wheelZoomsAllGrids_data() {
    QTest::addColumn<int>("g");
    QTest::addColumn<QList<int>>("steps");
    QTest::addColumn<QStringList>("labels");
    QTest::newRow("five out") << int(XY) << QList<int>{-5}
                              << QStringList{"-200", "-100", "0", "100", "200"};
    QTest::newRow("six out") << int(XZ) << QList<int>{-6}
                             << QStringList{"-500", "-250", "0", "250", "500"};
    QTest::newRow("beyond the last step")
        << int(XY) << QList<int>{-12} << QStringList{"-5000", "-2500", "0", "2500", "5000"};
    QTest::newRow("in at one") << int(XY) << QList<int>{3}
                               << QStringList{"-4", "-2", "0", "2", "4"};
    QTest::newRow("out on one grid, in on another")
        << int(XY) << QList<int>{-7, 3} << QStringList{"-100", "-50", "0", "50", "100"};
}

void TestGridScene::wheelZoomsAllGrids() {
    QFETCH(int, g);
    QFETCH(QList<int>, steps);
    QFETCH(QStringList, labels);
    for (int i = 0; i < steps.size(); ++i)
        wheel((g + i) % 3, steps[i]);
    for (GridScene* scene : picker->grids()) {
        QCOMPARE(axisLabels(scene, true), labels);
        QCOMPARE(axisLabels(scene, false), labels);
    }
    // Zooming with nothing picked leaves the fields alone.
    QCOMPARE(fields(), QStringList({"", "", ""}));
}

void TestGridScene::pickedValuesFollowZoom() {
    wheel(YZ, -5); // 50 per unit
    click(XY, {200, 70});
    click(XZ, {10, 170});
    QCOMPARE(fields(), QStringList({"100", "100", "-100"}));
    wheel(XY, -1); // 125
    QCOMPARE(fields(), QStringList({"250", "250", "-250"}));
    wheel(XZ, 3); // 12.5
    QCOMPARE(fields(), QStringList({"25", "25", "-25"}));
    click(XY, {175, 70});
    click(YZ, {230, 170});
    QCOMPARE(fields(), QStringList({"12.5", "25", "-25"}));
}

void TestGridScene::resetsClearAllGrids() {
    wheel(XY, -2); // 5 per unit
    click(XY, {200, 70});
    click(XZ, {10, 170});
    QCOMPARE(fields(), QStringList({"10", "10", "-10"}));

    // A right click clears every grid, guides included, but keeps the zoom.
    click(YZ, {100, 100}, Qt::RightButton);
    QCOMPARE(fields(), QStringList({"", "", ""}));
    QVERIFY(!isPeru(render(grid(YZ)), {201, 110}));
    for (GridScene* g : picker->grids()) {
        QVERIFY(!markerOf(g)->isVisible());
        QCOMPARE(axisLabels(g, true), QStringList({"-20", "-10", "0", "10", "20"}));
    }
    // The same pick again is read at the kept scale and fills the emptied fields.
    click(XY, {200, 70});
    click(XZ, {10, 170});
    QCOMPARE(fields(), QStringList({"10", "10", "-10"}));

    // The Reset button also returns the zoom to 1.
    picker->reset(true);
    QCOMPARE(fields(), QStringList({"", "", ""}));
    for (GridScene* g : picker->grids())
        QCOMPARE(axisLabels(g, false), QStringList({"-4", "-2", "0", "2", "4"}));
    click(YZ, {75, 195});
    click(XY, {225, 30});
    QCOMPARE(fields(), QStringList({"3", "-3", "-3"}));
}

void TestGridScene::remoteMarkerNeedsShownGuide() {
    click(XY, {200, 70});
    click(XY, {100, 100}, Qt::RightButton);
    QSignalSpy completed(grid(YZ), &GridScene::pointSet);
    grid(YZ)->setLineZ(170, true);
    grid(YZ)->setLineY(200, true);
    QVERIFY(!markerOf(grid(YZ))->isVisible());
    QCOMPARE(completed.count(), 0);
    QCOMPARE(fields(), QStringList({"", "", ""}));
}

QTEST_MAIN(TestGridScene)
#include "test_gridscene.moc"

#include "doublecompare.h"

#include "widgets/circleitem.h"
#include "widgets/gridpicker.h"
#include "widgets/gridscene.h"

#include <QApplication>
#include <QGraphicsTextItem>
#include <QGraphicsView>
#include <QGridLayout>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include <algorithm>
#include <memory>
#include <utility>

namespace {

enum Grid { XY, XZ, YZ };

// Labels of one axis of a grid, in reading order (left to right, bottom to top).
QStringList axisLabels(GridScene* scene, bool horizontal) {
    QList<QGraphicsTextItem*> items;
    for (QGraphicsItem* item : scene->items()) {
        auto* text = dynamic_cast<QGraphicsTextItem*>(item);
        if (text && (text->pos().y() == 220) == horizontal)
            items.append(text);
    }
    std::sort(items.begin(), items.end(), [](QGraphicsTextItem* a, QGraphicsTextItem* b) {
        return std::pair(a->pos().x(), -a->pos().y()) < std::pair(b->pos().x(), -b->pos().y());
    });
    QStringList texts;
    for (QGraphicsTextItem* text : items)
        texts.append(text->toPlainText());
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

// Peru pixels of the background, that is outside the marker's 11 by 11 box.
int guidePixels(GridScene* scene) {
    const QImage image = render(scene);
    CircleItem* marker = markerOf(scene);
    const QRect markerBox = marker->isVisible()
                                ? QRect(marker->pos().toPoint() - QPoint(1, 1), QSize(13, 13))
                                : QRect();
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!markerBox.contains(x, y) && isPeru(image, {x, y}))
                ++count;
        }
    }
    return count;
}

} // namespace

class TestGridScene : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void twoClickPick_data();
    void twoClickPick();
    void firstClickDrawsGuides_data();
    void firstClickDrawsGuides();
    void dragStopsAtBorder_data();
    void dragStopsAtBorder();
    void snappedDragFollowsGuide();
    void wheelZoomsAllGrids_data();
    void wheelZoomsAllGrids();
    void pickedValuesFollowZoom();
    void rightClickClearsAllButKeepsScale();
    void resetButtonReturnsToScaleOne();
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
    QStringList fields() const { return {fieldX->text(), fieldY->text(), fieldZ->text()}; }

    std::unique_ptr<QWidget> page;
    GridPicker* picker = nullptr;
    QLineEdit* fieldX = nullptr;
    QLineEdit* fieldY = nullptr;
    QLineEdit* fieldZ = nullptr;
};

// The point page as the window lays it out and wires it.
void TestGridScene::init() {
    page = std::make_unique<QWidget>();
    picker = new GridPicker(page.get());
    fieldX = new QLineEdit(page.get());
    fieldY = new QLineEdit(page.get());
    fieldZ = new QLineEdit(page.get());
    auto* layout = new QGridLayout(page.get());
    auto* fields = new QVBoxLayout;
    fields->addWidget(fieldX);
    fields->addWidget(fieldY);
    fields->addWidget(fieldZ);
    layout->addLayout(fields, 0, 0);
    layout->addWidget(picker->viewXY(), 0, 1);
    layout->addWidget(picker->viewXZ(), 1, 0, Qt::AlignRight);
    layout->addWidget(picker->viewYZ(), 1, 1, Qt::AlignLeft);
    for (GridScene* g : picker->grids()) {
        connect(g, &GridScene::pointSet, picker, &GridPicker::clickPointSet);
        connect(g, &GridScene::changedQ, picker, &GridPicker::clickPointQ);
    }
    connect(picker, &GridPicker::coordinatesChanged, page.get(),
            [this](const QString& x, const QString& y, const QString& z) {
                fieldX->setText(x);
                fieldY->setText(y);
                fieldZ->setText(z);
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

    QSignalSpy completed(grid(3 - first - second), &GridScene::pointSet);
    click(first, firstPos);
    QCOMPARE(fields(), QStringList({"", "", ""}));
    click(second, secondPos);
    QCOMPARE(fields(), xyz);
    QCOMPARE(completed.count(), 1);
    QCOMPARE(completed.first().first().toBool(), true);

    QFETCH(QPoint, centreXY);
    QFETCH(QPoint, centreXZ);
    QFETCH(QPoint, centreYZ);
    QCOMPARE(markerCentre(XY), centreXY);
    QCOMPARE(markerCentre(XZ), centreXZ);
    QCOMPARE(markerCentre(YZ), centreYZ);
    for (GridScene* g : picker->grids())
        QVERIFY(markerOf(g)->isVisible());
}

void TestGridScene::firstClickDrawsGuides_data() {
    QTest::addColumn<int>("first");
    QTest::addColumn<QPoint>("pos");
    // A pixel just beside each receiving grid's guide, clear of grid lines and axes.
    QTest::addColumn<QPoint>("probeXY");
    QTest::addColumn<QPoint>("probeXZ");
    QTest::addColumn<QPoint>("probeYZ");
    QTest::newRow("X-Y origin") << int(XY) << QPoint(150, 120) << QPoint() << QPoint(151, 110)
                                << QPoint(151, 110);
    QTest::newRow("X-Y, y turns horizontal in Y-Z")
        << int(XY) << QPoint(200, 60) << QPoint() << QPoint(201, 110) << QPoint(211, 110);
    QTest::newRow("Y-Z, y turns vertical in X-Y")
        << int(YZ) << QPoint(75, 195) << QPoint(110, 196) << QPoint(110, 196) << QPoint();
    QTest::newRow("X-Z") << int(XZ) << QPoint(100, 145) << QPoint(101, 110) << QPoint()
                         << QPoint(110, 146);
}

void TestGridScene::firstClickDrawsGuides() {
    QFETCH(int, first);
    QFETCH(QPoint, pos);
    QFETCH(QPoint, probeXY);
    QFETCH(QPoint, probeXZ);
    QFETCH(QPoint, probeYZ);
    click(first, pos);
    const std::array probes{probeXY, probeXZ, probeYZ};
    for (int g = 0; g < 3; ++g) {
        if (g == first) {
            QCOMPARE(guidePixels(grid(g)), 0);
            QVERIFY(markerOf(grid(g))->isVisible());
            QCOMPARE(markerCentre(g), pos);
        } else {
            QVERIFY2(isPeru(render(grid(g)), probes[g]), qPrintable(QString::number(g)));
            QVERIFY(!markerOf(grid(g))->isVisible());
        }
    }
}

void TestGridScene::dragStopsAtBorder_data() {
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<QPoint>("centre");
    QTest::addColumn<double>("x");
    QTest::newRow("far left") << QPoint(150, 120) << QPoint(3, 120) << QPoint(50, 120) << -4.0;
    QTest::newRow("past the bottom right")
        << QPoint(100, 100) << QPoint(268, 238) << QPoint(250, 220) << 4.0;
    QTest::newRow("inside") << QPoint(100, 100) << QPoint(130, 45) << QPoint(130, 45) << -0.8;
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
    // After the release, moving does nothing.
    QTest::mouseMove(viewport, view(XY)->mapFromScene(from));
    QCOMPARE(markerCentre(XY), centre);
}

void TestGridScene::snappedDragFollowsGuide() {
    click(XY, {200, 70});
    QWidget* viewport = view(XZ)->viewport();
    QTest::mousePress(viewport, Qt::LeftButton, {}, view(XZ)->mapFromScene(QPoint(200, 170)));
    QCOMPARE(fields(), QStringList({"2", "2", "-2"}));
    QTest::mouseMove(viewport, view(XZ)->mapFromScene(QPoint(60, 2)));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, view(XZ)->mapFromScene(QPoint(60, 2)));
    QCOMPARE(fields(), QStringList({"2", "2", "4"}));
    QCOMPARE(markerCentre(XZ), QPoint(200, 20));
    QCOMPARE(markerCentre(YZ), QPoint(200, 20));
}

void TestGridScene::wheelZoomsAllGrids_data() {
    QTest::addColumn<int>("g");
    QTest::addColumn<QList<int>>("steps");
    QTest::addColumn<QStringList>("labels");
    QTest::newRow("five out") << int(XY) << QList<int>{-5}
                              << QStringList{"-200", "-100", "0", "100", "200"};
    QTest::newRow("six out") << int(XZ) << QList<int>{-6}
                             << QStringList{"-500", "-250", "0", "250", "500"};
    QTest::newRow("two out") << int(YZ) << QList<int>{-2}
                             << QStringList{"-20", "-10", "0", "10", "20"};
    QTest::newRow("beyond the last step")
        << int(XY) << QList<int>{-12} << QStringList{"-5000", "-2500", "0", "2500", "5000"};
    QTest::newRow("in at one") << int(XY) << QList<int>{3}
                               << QStringList{"-4", "-2", "0", "2", "4"};
    QTest::newRow("all the way back")
        << int(XZ) << QList<int>{-9, 9} << QStringList{"-4", "-2", "0", "2", "4"};
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

void TestGridScene::rightClickClearsAllButKeepsScale() {
    wheel(XY, -2); // 5 per unit
    click(XY, {200, 70});
    click(XZ, {10, 170});
    QCOMPARE(fields(), QStringList({"10", "10", "-10"}));

    QSignalSpy cleared(grid(XY), &GridScene::pointSet);
    click(YZ, {100, 100}, Qt::RightButton);
    QCOMPARE(fields(), QStringList({"", "", ""}));
    QCOMPARE(cleared.count(), 1);
    QCOMPARE(cleared.first().first().toBool(), false);
    for (GridScene* g : picker->grids()) {
        QVERIFY(!markerOf(g)->isVisible());
        QCOMPARE(guidePixels(g), 0);
        QCOMPARE(axisLabels(g, true), QStringList({"-20", "-10", "0", "10", "20"}));
    }
    // The same pick again is read at the kept scale and fills the emptied fields.
    click(XY, {200, 70});
    click(XZ, {10, 170});
    QCOMPARE(fields(), QStringList({"10", "10", "-10"}));
}

void TestGridScene::resetButtonReturnsToScaleOne() {
    wheel(XZ, -3);
    click(YZ, {75, 195});
    click(XY, {225, 30});
    QCOMPARE(fields(), QStringList({"37.5", "-37.5", "-37.5"}));
    picker->reset(true);
    QCOMPARE(fields(), QStringList({"", "", ""}));
    for (GridScene* g : picker->grids()) {
        QVERIFY(!markerOf(g)->isVisible());
        QCOMPARE(axisLabels(g, false), QStringList({"-4", "-2", "0", "2", "4"}));
    }
    click(YZ, {75, 195});
    click(XY, {225, 30});
    QCOMPARE(fields(), QStringList({"3", "-3", "-3"}));
    // After an added point the zoom stays.
    wheel(XY, -1);
    picker->reset(false);
    QCOMPARE(axisLabels(grid(YZ), true), QStringList({"-10", "-5", "0", "5", "10"}));
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

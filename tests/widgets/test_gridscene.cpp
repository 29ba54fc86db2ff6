// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/circleitem.h"
#include "widgets/gridpicker.h"
#include "widgets/gridscene.h"

#include <QApplication>
#include <QGraphicsTextItem>
#include <QGraphicsView>
#include <QHBoxLayout>
#include <QTest>
#include <QWheelEvent>

#include <memory>

namespace {

// The right-hand number of one axis of a grid.
QString topLabel(GridScene* scene, bool horizontal) {
    QString top;
    for (QGraphicsItem* item : scene->items(Qt::AscendingOrder)) {
        auto* text = dynamic_cast<QGraphicsTextItem*>(item);
        if (text && (text->pos().y() == 220) == horizontal)
            top = text->toPlainText();
    }
    return top;
}

// Where the grid's marker is centred, or "-" while it is hidden.
QString marker(GridScene* scene) {
    for (QGraphicsItem* item : scene->items()) {
        if (auto* circle = dynamic_cast<CircleItem*>(item)) {
            const QPoint c = circle->pos().toPoint() + QPoint(5, 5);
            return circle->isVisible() ? QStringLiteral("%1,%2").arg(c.x()).arg(c.y()) : "-";
        }
    }
    return "no marker";
}

} // namespace

class TestGridScene : public QObject {
    Q_OBJECT
    std::unique_ptr<QWidget> page;
    GridPicker* picker = nullptr;
    std::array<QGraphicsView*, 3> views{};
    // What the window's X, Y and Z fields hold, and how often they were written.
    QString fields;
    int writes = 0;

    // At scene pixels: "XY 200 70" clicks, "right XY", "wheel XY -2" (two steps out),
    // "drag XY 1 2 3 4", "reset".
    void play(const QString& step) {
        const QStringList w = step.split(' ');
        const QStringList grids{"XY", "XZ", "YZ"};
        const int g = grids.contains(w[0]) ? grids.indexOf(w[0]) : grids.indexOf(w.value(1));
        QGraphicsView* view = g < 0 ? nullptr : views[size_t(g)];
        auto at = [&](int i) { return view->mapFromScene(w[i].toInt(), w[i + 1].toInt()); };
        if (w[0] == "reset") {
            picker->reset(true);
        } else if (w[0] == "right") {
            QTest::mouseClick(view->viewport(), Qt::RightButton, {}, view->mapFromScene(100, 100));
        } else if (w[0] == "drag") {
            QTest::mousePress(view->viewport(), Qt::LeftButton, {}, at(2));
            QTest::mouseMove(view->viewport(), at(4));
            QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, at(4));
        } else if (w[0] == "wheel") {
            const QPointF centre = view->mapFromScene(QPointF(150, 120));
            for (int i = 0; i < qAbs(w[2].toInt()); ++i) {
                QWheelEvent event(centre, view->viewport()->mapToGlobal(centre), {},
                                  {0, w[2].toInt() < 0 ? -120 : 120}, Qt::NoButton, Qt::NoModifier,
                                  Qt::NoScrollPhase, false);
                QApplication::sendEvent(view->viewport(), &event);
            }
        } else {
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at(1));
        }
    }

private slots:
    // The grids wired to the picker as the window does it.
    void init() {
        page = std::make_unique<QWidget>();
        picker = new GridPicker(page.get());
        views = {picker->viewXY(), picker->viewXZ(), picker->viewYZ()};
        auto* layout = new QHBoxLayout(page.get());
        for (size_t g = 0; g < 3; ++g) {
            layout->addWidget(views[g]);
            connect(picker->grids()[g], &GridScene::pointSet, picker, &GridPicker::clickPointSet);
            connect(picker->grids()[g], &GridScene::changedQ, picker, &GridPicker::clickPointQ);
        }
        fields = QString();
        writes = 0;
        connect(picker, &GridPicker::coordinatesChanged, page.get(),
                [this](const QString& x, const QString& y, const QString& z) {
                    fields = QStringList{x, y, z}.join(' ').trimmed();
                    ++writes;
                });
        page->show();
        QVERIFY(QTest::qWaitForWindowExposed(page.get()));
    }
    void cleanup() { page.reset(); }

    void pick_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("fields"); // after each step
        QTest::addColumn<QString>("after");  // writes: markers X-Y X-Z Y-Z, top number
        auto row = [](const char* name, const char* steps, const char* fields, const char* after) {
            QTest::newRow(name) << QString(steps) << QString(fields) << QString(after);
        };
        // A second click lands on the guide of the first; the fields are written once.
        row("X-Y, then X-Z left of the area", "XY 200 70; XZ 10 170", "; 2 2 -2",
            "1: 200,70 200,170 200,170 top 4");
        row("Y-Z, then X-Y on a horizontal guide", "YZ 75 195; XY 225 30", "; 3 -3 -3",
            "1: 225,195 225,195 75,195 top 4");
        row("X-Z, then Y-Z beyond the right edge", "XZ 100 145; YZ 262 5", "; -2 4 -1",
            "1: 100,20 100,145 250,145 top 4");
        row("X-Y, then Y-Z between grid lines", "XY 160 113; YZ 100 60", "; 0.4 0.28 2.4",
            "1: 160,113 160,60 157,60 top 4");
        // A pick up to 4 pixels from a grid line lands on it, a 5th pixel does not.
        row("near a crossing", "XY 177 96; YZ 100 68", "; 1 1 2", "1: 175,95 175,70 175,70 top 4");
        row("4 pixels snap, 5 do not", "XY 154 125; XZ 10 170", "; 0 -0.2 -2",
            "1: 150,125 150,170 145,170 top 4");
        // A drag stops at the border of the pick area; the other grids' guides follow it.
        row("dragged past the bottom right", "drag XY 100 100 268 238; YZ 60 100", "; 4 -4 0.8",
            "1: 250,220 250,100 50,100 top 4");
        // Every grid zooms with any other: 1, 2.5, 5, 10, 25, ... 2500 per unit at most.
        row("beyond the last step", "wheel XZ -12", "", "0: - - - top 5000");
        row("in at one", "wheel XY 3", "", "0: - - - top 4");
        // The markers stay, so the values they stand for follow the zoom.
        row("picked values follow the zoom",
            "wheel YZ -5; XY 200 70; XZ 10 170; wheel XY -1; wheel XZ 3; XY 175 70; YZ 230 170",
            "; ; 100 100 -100; 250 250 -250; 25 25 -25; 25 25 -25; 12.5 25 -25",
            "6: 175,70 175,170 200,170 top 50");
        // A right click clears all three grids but keeps the zoom.
        row("right click, then the same pick",
            "wheel XY -2; XY 200 70; XZ 10 170; right YZ; XY 200 70; XZ 10 170",
            "; ; 10 10 -10; ; ; 10 10 -10", "5: 200,70 200,170 200,170 top 20");
        // The Reset button also returns the zoom to 1.
        row("reset button", "wheel XY -2; XY 200 70; XZ 10 170; reset; YZ 75 195; XY 225 30",
            "; ; 10 10 -10; ; ; 3 -3 -3", "5: 225,195 225,195 75,195 top 4");
    }

    void pick() {
        QFETCH(QString, steps);
        QFETCH(QString, fields);
        QFETCH(QString, after);
        QStringList seen;
        for (const QString& step : steps.split("; ")) {
            play(step);
            seen << this->fields;
        }
        QCOMPARE(seen.join("; "), fields);
        QString state = QString::number(writes) + ":";
        for (GridScene* grid : picker->grids()) {
            state += " " + marker(grid);
            // All grids, both axes, at one zoom.
            QCOMPARE(topLabel(grid, true), topLabel(picker->gridXY(), false));
            QCOMPARE(topLabel(grid, false), topLabel(picker->gridXY(), false));
        }
        state += " top " + topLabel(picker->gridXY(), true);
        QCOMPARE(state, after);
    }
};

QTEST_MAIN(TestGridScene)
#include "test_gridscene.moc"

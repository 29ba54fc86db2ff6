// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/gridpicker.h"

#include "widgets/gridscene.h"

#include <QGraphicsView>

namespace {

QGraphicsView* makeView(GridScene* scene, QWidget* parent) {
    auto* view = new QGraphicsView(scene, parent);
    view->setFixedSize(273, 243);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return view;
}

QString fieldText(double v) {
    return QString::number(v, 'g', 6);
}

} // namespace

GridPicker::GridPicker(QWidget* viewParent)
    : QObject(viewParent), gridXY_(new GridScene(0, 0, 270, 240, 2, this)),
      gridXZ_(new GridScene(0, 0, 270, 240, 1, this)),
      gridYZ_(new GridScene(0, 0, 270, 240, 0, this)), viewXY_(makeView(gridXY_, viewParent)),
      viewXZ_(makeView(gridXZ_, viewParent)), viewYZ_(makeView(gridYZ_, viewParent)) {
    for (GridScene* from : grids()) {
        for (GridScene* to : grids()) {
            if (from == to)
                continue;
            connect(from, &GridScene::changeText, to, &GridScene::setText);
            connect(from, &GridScene::clearAll, to, qOverload<bool>(&GridScene::resetGrid));
        }
    }
    connect(gridXY_, &GridScene::changedX, gridXZ_, &GridScene::setLineX);
    connect(gridXY_, &GridScene::changedY, gridYZ_, &GridScene::setLineY);
    connect(gridXZ_, &GridScene::changedX, gridXY_, &GridScene::setLineX);
    connect(gridXZ_, &GridScene::changedZ, gridYZ_, &GridScene::setLineZ);
    connect(gridYZ_, &GridScene::changedY, gridXY_, &GridScene::setLineY);
    connect(gridYZ_, &GridScene::changedZ, gridXZ_, &GridScene::setLineZ);
}

void GridPicker::clickPointSet(bool set) {
    if (!set) {
        // A right click keeps the zoom, the Reset button returns it to 1: follow the grids.
        pickScale = gridXY_->unitScale();
        pickShown = false;
        emit coordinatesChanged(QString(), QString(), QString());
        return;
    }
    const std::array<double, 3> now{gridXY_->pickedValue() * pickScale,
                                    gridYZ_->pickedValue() * pickScale,
                                    gridXZ_->pickedValue() * pickScale};
    if (pickShown && now == picked)
        return;
    picked = now;
    pickShown = true;
    showPicked();
}

void GridPicker::clickPointQ(qreal Q, bool r) {
    // The markers stay where they are, so the values they stand for change with the zoom.
    if (r) {
        pickScale *= Q;
        for (double& v : picked)
            v *= Q;
    } else {
        pickScale /= Q;
        for (double& v : picked)
            v /= Q;
    }
    if (pickShown)
        showPicked();
}

void GridPicker::reset(bool text) {
    for (GridScene* grid : grids())
        grid->resetGrid(text);
}

void GridPicker::showPicked() {
    emit coordinatesChanged(fieldText(picked[0]), fieldText(picked[1]), fieldText(picked[2]));
}

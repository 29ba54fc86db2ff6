#include "widgets/gridscene.h"

GridScene::GridScene(qreal x, qreal y, qreal w, qreal h, int, QObject* parent)
    : QGraphicsScene(x, y, w, h, parent) {}

void GridScene::setLineX(qreal, bool) {}

void GridScene::setLineY(qreal, bool) {}

void GridScene::setLineZ(qreal, bool) {}

void GridScene::setText(qreal) {}

void GridScene::resetGrid(bool) {}

void GridScene::resetGrid() {}

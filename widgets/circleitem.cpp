// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/circleitem.h"

#include <QPainter>

CircleItem::CircleItem(QGraphicsItem* parent) : QGraphicsEllipseItem(0, 0, 11, 11, parent) {}

void CircleItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    painter->setBrush(QColor("peru"));
    painter->drawEllipse(rect());
}

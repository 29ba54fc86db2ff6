// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGraphicsEllipseItem>

// The marker of a grid: a filled peru disc, 11 by 11 pixels, so that an item placed at
// (x - 5, y - 5) is centred on the pixel (x, y).
class CircleItem : public QGraphicsEllipseItem {
public:
    explicit CircleItem(QGraphicsItem* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option,
               QWidget* widget = nullptr) override;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGraphicsScene>
#include <QLineF>
#include <QVector>

class CircleItem;
class QGraphicsTextItem;

// One of the three coordinate grids of the point page. The pick area spans -4..4 grid units
// on both axes (25 pixels a unit, origin at pixel (150, 120)) inside the scene rectangle
// (0, 0, 270, 240). The grids talk to each other in pixels: an x value as a horizontal pixel,
// a z value as a vertical pixel, and a y value in the direction of the receiving grid.
//
// plane 0 shows y (horizontal) and z, plane 1 x and z, plane 2 x and y.
class GridScene : public QGraphicsScene {
    Q_OBJECT
public:
    GridScene(qreal x, qreal y, qreal w, qreal h, int plane, QObject* parent = nullptr);

    // The coordinate under the marker in grid units, unscaled: the horizontal one on
    // planes 0 and 2, the vertical one on plane 1.
    double pickedValue() const;
    // The value of one grid unit, as shown by the axis numbers.
    double unitScale() const { return scale; }

signals:
    void pointSet(bool set);
    void changeText(qreal d);
    void changedX(qreal sx, bool point);
    void changedY(qreal sy, bool point);
    void changedZ(qreal sz, bool point);
    void changedQ(qreal Q, bool raise);
    void clearAll(bool text);

public slots:
    void setLineX(qreal sx, bool point);
    void setLineY(qreal sy, bool point);
    void setLineZ(qreal sz, bool point);
    void setText(qreal d);
    void resetGrid(bool text);
    void resetGrid();

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override;
    void wheelEvent(QGraphicsSceneWheelEvent* event) override;
    void drawBackground(QPainter* painter, const QRectF& rect) override;

private:
    void relabel();
    // A value received on this grid's horizontal or vertical axis.
    void receiveHorizontal(qreal sx, bool point);
    void receiveVertical(qreal sy, bool point);
    // Sends a picked value of this grid's horizontal or vertical axis.
    void emitHorizontal(int x, bool point);
    void emitVertical(int y, bool point);
    void emitPosition(int x, int y, bool point);
    void snapToGuide(int x, int y);

    QVector<QGraphicsTextItem*> labels;
    CircleItem* marker;
    QLineF guide;
    bool pressed = false;
    bool guideSet = false;
    double scale = 1.0;
    int plane;
};

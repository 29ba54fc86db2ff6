// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/gridscene.h"

#include "widgets/circleitem.h"

#include <QFont>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsSceneWheelEvent>
#include <QGraphicsTextItem>
#include <QPainter>
#include <QTextDocument>
#include <QTextOption>

#include <algorithm>

namespace {

// Pick area and grid in scene pixels.
constexpr int kLeft = 50;
constexpr int kTop = 20;
constexpr int kRight = 250;
constexpr int kBottom = 220;
constexpr int kUnit = 25;
constexpr int kOriginX = 150;
constexpr int kOriginY = 120;
// The horizontal and the vertical pixel of one value add up to this, so a y value changes
// direction between the X-Y grid (vertical) and the Y-Z grid (horizontal) as v -> 270 - v.
constexpr int kMirror = kOriginX + kOriginY;
// The marker is 11 pixels wide; its position is its top left corner.
constexpr int kMarkerOffset = 5;
constexpr int kLabelWidth = 41;

QFont gridFont(int pixelSize) {
    QFont font("Verdana");
    font.setPixelSize(pixelSize);
    font.setWeight(QFont::Bold);
    return font;
}

bool insidePickArea(int x, int y) {
    return x >= kLeft && x <= kRight && y >= kTop && y <= kBottom;
}

} // namespace

GridScene::GridScene(qreal x, qreal y, qreal w, qreal h, int plane, QObject* parent)
    : QGraphicsScene(x, y, w, h, parent), marker(new CircleItem), plane(plane) {
    const QFont font = gridFont(10);
    for (int k = 0; k < 10; ++k) {
        const bool horizontal = k < 5;
        auto* label = new QGraphicsTextItem;
        label->setFont(font);
        label->setTextWidth(kLabelWidth);
        label->document()->setDefaultTextOption(
            QTextOption(horizontal ? Qt::AlignCenter : Qt::AlignRight));
        // Centred under the vertical grid lines, or just above the horizontal ones.
        if (horizontal)
            label->setPos(kLeft - 20 + 2 * kUnit * k, kBottom);
        else
            label->setPos(5, kBottom - 10 - 2 * kUnit * (k - 5));
        addItem(label);
        labels.append(label);
    }
    relabel();
    marker->hide();
    addItem(marker);
}

double GridScene::pickedValue() const {
    const QPointF p = marker->pos();
    if (plane == 1)
        return double(kBottom - int(p.y() + kMarkerOffset)) / kUnit - 4;
    return double(int(p.x() + kMarkerOffset) - kLeft) / kUnit - 4;
}

void GridScene::setLineX(qreal sx, bool point) {
    if (plane != 0)
        receiveHorizontal(sx, point);
}

void GridScene::setLineY(qreal sy, bool point) {
    if (plane == 0)
        receiveHorizontal(sy, point);
    else if (plane == 2)
        receiveVertical(sy, point);
}

void GridScene::setLineZ(qreal sz, bool point) {
    if (plane != 2)
        receiveVertical(sz, point);
}

void GridScene::setText(qreal d) {
    scale = d;
    relabel();
    update();
}

void GridScene::resetGrid(bool text) {
    guideSet = false;
    // Forget the guide too, so nothing can land on a line that is no longer shown.
    guide = QLineF();
    marker->hide();
    pressed = false;
    if (text) {
        setText(1.0);
        emit changeText(1.0);
    }
    update();
    emit pointSet(false);
}

void GridScene::resetGrid() {
    resetGrid(true);
}

void GridScene::mousePressEvent(QGraphicsSceneMouseEvent* event) {
    const int x = int(event->scenePos().x());
    const int y = int(event->scenePos().y());
    if (event->button() == Qt::RightButton) {
        emit clearAll(false);
        resetGrid(false);
    } else if (event->button() == Qt::LeftButton && guideSet) {
        snapToGuide(x, y);
        pressed = true;
        marker->show();
    } else if (event->button() == Qt::LeftButton && insidePickArea(x, y)) {
        marker->setPos(x - kMarkerOffset, y - kMarkerOffset);
        pressed = true;
        emitPosition(x, y, false);
        marker->show();
    } else {
        pressed = false;
    }
    update();
    event->accept();
}

void GridScene::mouseMoveEvent(QGraphicsSceneMouseEvent* event) {
    if (!pressed)
        return;
    if (guideSet) {
        snapToGuide(int(event->scenePos().x()), int(event->scenePos().y()));
        update();
        return;
    }
    // A drag that leaves the pick area stays on its border.
    const int x = std::clamp(int(event->scenePos().x()), kLeft, kRight);
    const int y = std::clamp(int(event->scenePos().y()), kTop, kBottom);
    marker->setPos(x - kMarkerOffset, y - kMarkerOffset);
    update();
    emitPosition(x, y, false);
}

void GridScene::mouseReleaseEvent(QGraphicsSceneMouseEvent* event) {
    pressed = false;
    event->accept();
}

void GridScene::wheelEvent(QGraphicsSceneWheelEvent* event) {
    // Taken even at the limits, so the view never scrolls instead.
    event->accept();
    // The right-hand number runs 4, 10, 20, 50, 100, ...: its first digit tells the step.
    const QChar first = labels[4]->toPlainText().front();
    double factor;
    bool raise;
    if (event->delta() < 0 && scale < 1000) {
        factor = (first == u'2' || scale == 1.0) ? 2.5 : 2.0;
        scale *= factor;
        raise = true;
    } else if (event->delta() > 0 && scale > 1.0) {
        factor = (first == u'5' || scale == 2.5) ? 2.5 : 2.0;
        scale /= factor;
        raise = false;
    } else {
        return;
    }
    setText(scale);
    emit changeText(scale);
    emit changedQ(factor, raise);
}

void GridScene::drawBackground(QPainter* painter, const QRectF&) {
    const auto drawGridLines = [painter](const QColor& colour, std::initializer_list<int> units) {
        painter->setPen(QPen(colour, 1));
        for (int k : units) {
            painter->drawLine(kLeft + kUnit * k, kTop, kLeft + kUnit * k, kBottom);
            painter->drawLine(kLeft, kBottom - kUnit * k, kRight, kBottom - kUnit * k);
        }
    };
    painter->save();
    drawGridLines(QColor("grey"), {1, 3, 5, 7});
    // Unit 4 is left to the axes.
    drawGridLines(Qt::black, {0, 2, 6, 8});

    painter->setPen(QPen(QColor("red"), 1));
    painter->drawLine(kLeft - 5, kOriginY, kRight + 15, kOriginY);
    painter->drawLine(kOriginX, kTop - 15, kOriginX, kBottom + 5);

    if (guideSet) {
        painter->setPen(QPen(QColor("peru"), 3, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
        painter->drawLine(guide);
    }

    painter->setFont(gridFont(15));
    painter->setPen(Qt::black);
    painter->drawText(QPointF(255, 131), plane == 0 ? "y" : "x");
    painter->drawText(QPointF(139, 16), plane == 2 ? "y" : "z");
    painter->restore();
}

void GridScene::relabel() {
    for (int k = 0; k < labels.size(); ++k)
        labels[k]->setPlainText(QString::number(scale * (2 * (k % 5) - 4), 'g', 6));
}

void GridScene::receiveHorizontal(qreal sx, bool point) {
    if (point) {
        // A remote marker belongs on this grid's guide; without one there is nothing to mark.
        if (!guideSet)
            return;
        marker->setPos(sx - kMarkerOffset, guide.y1() - kMarkerOffset);
        marker->show();
        update();
        emit pointSet(true);
        return;
    }
    guide = QLineF(sx, kTop + 1, sx, kBottom - 1);
    guideSet = true;
    marker->hide();
    update();
}

void GridScene::receiveVertical(qreal sy, bool point) {
    if (point) {
        if (!guideSet)
            return;
        marker->setPos(guide.x1() - kMarkerOffset, sy - kMarkerOffset);
        marker->show();
        update();
        emit pointSet(true);
        return;
    }
    guide = QLineF(kRight - 1, sy, kLeft + 1, sy);
    guideSet = true;
    marker->hide();
    update();
}

void GridScene::emitHorizontal(int x, bool point) {
    if (plane == 0)
        emit changedY(kMirror - x, point);
    else
        emit changedX(x, point);
}

void GridScene::emitVertical(int y, bool point) {
    if (plane == 2)
        emit changedY(kMirror - y, point);
    else
        emit changedZ(y, point);
}

void GridScene::emitPosition(int x, int y, bool point) {
    emitHorizontal(x, point);
    emitVertical(y, point);
}

void GridScene::snapToGuide(int x, int y) {
    if (guide.dy() == 0) {
        // Horizontal guide: only x follows the pointer.
        x = std::clamp(x, kLeft, kRight);
        marker->setPos(x - kMarkerOffset, guide.y1() - kMarkerOffset);
        emitHorizontal(x, true);
    } else {
        y = std::clamp(y, kTop, kBottom);
        marker->setPos(guide.x1() - kMarkerOffset, y - kMarkerOffset);
        emitVertical(y, true);
    }
    // Announced once this grid's marker and the remote one are in place, so whoever reads
    // the three markers never sees a half-moved point.
    emit pointSet(true);
}

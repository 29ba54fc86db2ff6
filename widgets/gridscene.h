#pragma once

#include <QGraphicsScene>

class GridScene : public QGraphicsScene {
    Q_OBJECT
public:
    GridScene(qreal x, qreal y, qreal w, qreal h, int plane, QObject* parent = nullptr);

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
};

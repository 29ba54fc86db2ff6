// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

#include <array>

class GridScene;
class QGraphicsView;
class QWidget;

// The point page's three coordinate grids and the transfer of a picked point into the
// coordinate fields. Owns the scenes X-Y (plane 2), X-Z (plane 1) and Y-Z (plane 0), makes
// every grid-to-grid connection, and creates one fixed-size view per scene as a child of
// the given widget for the owner to place in its layout.
//
// The owner connects each grid's pointSet() to clickPointSet() and changedQ() to
// clickPointQ() (once each, directly or through its own slots), and writes the texts of
// coordinatesChanged() into its X, Y and Z fields.
class GridPicker : public QObject {
    Q_OBJECT
public:
    explicit GridPicker(QWidget* viewParent);

    GridScene* gridXY() const { return gridXY_; }
    GridScene* gridXZ() const { return gridXZ_; }
    GridScene* gridYZ() const { return gridYZ_; }
    std::array<GridScene*, 3> grids() const { return {gridXY_, gridXZ_, gridYZ_}; }
    QGraphicsView* viewXY() const { return viewXY_; }
    QGraphicsView* viewXZ() const { return viewXZ_; }
    QGraphicsView* viewYZ() const { return viewYZ_; }

public slots:
    // set true: a grid completed a point, read it from the markers; false: a grid was reset.
    void clickPointSet(bool set);
    // A grid zoomed by the factor Q, out when r is true, in when false.
    void clickPointQ(qreal Q, bool r);
    // Resets all three grids; text true also returns the zoom to 1.
    void reset(bool text);

signals:
    // New texts for the X, Y and Z fields; all three empty when the pick was cleared.
    void coordinatesChanged(const QString& x, const QString& y, const QString& z);

private:
    void showPicked();

    GridScene* gridXY_;
    GridScene* gridXZ_;
    GridScene* gridYZ_;
    QGraphicsView* viewXY_;
    QGraphicsView* viewXZ_;
    QGraphicsView* viewYZ_;
    // X, Y and Z of the last pick, already multiplied by pickScale.
    std::array<double, 3> picked{-1.0, -1.0, -1.0};
    double pickScale = 1.0;
    // The fields show `picked`; false at start and after a reset, when they are empty.
    bool pickShown = false;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#include "view3d/namelabels.h"

#include "view3d/scenegeometry.h"
#include "view3d/screenscale.h"
#include "widgets/kindcolour.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include <GL/glu.h>

#include <algorithm>

namespace {

// Pixels between an anchor and its name, and between a moved name and the view's edge.
constexpr double gap = 3.0;
// The side of the cells that tell whether a place is already written on.
constexpr int cellSize = 4;

// Marks which cells of the view are written on.
class Occupancy {
public:
    Occupancy(int width, int height)
        : columns_(width / cellSize + 1), rows_(height / cellSize + 1),
          taken_(size_t(columns_) * size_t(rows_), false) {}

    // Takes the cells of rect unless one of them is taken.
    bool take(const QRectF& rect) {
        const int x0 = std::clamp(int(rect.left()) / cellSize, 0, columns_ - 1);
        const int x1 = std::clamp(int(rect.right()) / cellSize, 0, columns_ - 1);
        const int y0 = std::clamp(int(rect.top()) / cellSize, 0, rows_ - 1);
        const int y1 = std::clamp(int(rect.bottom()) / cellSize, 0, rows_ - 1);
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                if (taken_[size_t(y * columns_ + x)])
                    return false;
        for (int y = y0; y <= y1; ++y)
            std::fill_n(taken_.begin() + y * columns_ + x0, x1 - x0 + 1, true);
        return true;
    }

private:
    int columns_;
    int rows_;
    std::vector<bool> taken_;
};

} // namespace

void NameLabels::add(Kind kind, const std::string& name, const Vec3& at) {
    anchors_.push_back({kind, QString::fromStdString(name), at});
}

const QImage& NameLabels::sprite(const Anchor& anchor, const QFont& font, double ratio) const {
    if (font != spriteFont_ || ratio != spriteRatio_ || sprites_.size() > 50000) {
        sprites_.clear();
        spriteFont_ = font;
        spriteRatio_ = ratio;
    }
    const QString key = QString::number(fileCode(anchor.kind)) + QLatin1Char(' ') + anchor.name;
    const auto found = sprites_.constFind(key);
    if (found != sprites_.constEnd())
        return *found;
    const QFontMetricsF metrics(font);
    // One pixel of outline on every side.
    const QSizeF size(metrics.horizontalAdvance(anchor.name) + 2.0, metrics.height() + 2.0);
    QImage image((size * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter writer(&image);
    writer.setFont(font);
    const QPointF base(1.0, 1.0 + metrics.ascent());
    writer.setPen(QColor(0, 0, 0, 220));
    for (const QPointF& step : {QPointF(-1, -1), QPointF(1, -1), QPointF(-1, 1), QPointF(1, 1)})
        writer.drawText(base + step, anchor.name);
    writer.setPen(QColor(kindColour(fileCode(anchor.kind))));
    writer.drawText(base, anchor.name);
    writer.end();
    return *sprites_.insert(key, image);
}

void NameLabels::paint(QPainter& painter, const double* modelView, const double* projection,
                       const int* viewport, double ratio) const {
    if (anchors_.empty())
        return;
    const ScreenScale scale(modelView, projection, viewport[3]);
    const double width = viewport[2] / ratio;
    const double height = viewport[3] / ratio;
    // Written in memory and laid over the frame in one piece: a painter over GL pays a draw
    // call for every piece of text, and Mesa a copy of its vertices.
    QImage layer(viewport[2], viewport[3], QImage::Format_ARGB32_Premultiplied);
    layer.setDevicePixelRatio(ratio);
    layer.fill(Qt::transparent);
    QPainter writer(&layer);
    QFont font = painter.font();
    font.setBold(true);
    Occupancy written(int(width) + 1, int(height) + 1);

    for (const Anchor& a : anchors_) {
        GLdouble wx = 0.0, wy = 0.0, wz = 0.0;
        // Behind the eye or beyond the clip planes: nowhere to write it.
        if (gluProject(a.at.x, a.at.y, a.at.z, modelView, projection, viewport, &wx, &wy, &wz) !=
                GL_TRUE ||
            !(wz >= 0.0 && wz <= 1.0))
            continue;
        const QPointF at((wx - viewport[0]) / ratio, height - (wy - viewport[1]) / ratio);
        const bool onScreen = at.x() >= 0 && at.y() >= 0 && at.x() <= width && at.y() <= height;
        const bool movable = a.kind == Kind::Line || a.kind == Kind::Plane;
        if (!onScreen && !movable)
            continue;
        // A point's name clears its sphere, however near it is.
        const double offset =
            gap + (a.kind == Kind::Point
                       ? std::max(scene::leastPointRadiusPixels,
                                  scale.pixelRadius(a.at, scene::sphereRadius) / ratio)
                       : 0.0);
        const QImage& name = sprite(a, font, ratio);
        const QSizeF size = name.deviceIndependentSize();
        // Above right of the anchor, else below right, above left, below left: a line or
        // a plane through a named point still gets its name.
        const double d = offset * 0.7;
        const QPointF places[] = {{at.x() + d, at.y() - d - size.height()},
                                  {at.x() + d, at.y() + d},
                                  {at.x() - d - size.width(), at.y() - d - size.height()},
                                  {at.x() - d - size.width(), at.y() + d}};
        bool placed = false;
        QPointF topLeft;
        for (const QPointF& place : places) {
            topLeft = place;
            if (movable) {
                topLeft.setX(
                    std::clamp(topLeft.x(), gap, std::max(gap, width - size.width() - gap)));
                topLeft.setY(
                    std::clamp(topLeft.y(), gap, std::max(gap, height - size.height() - gap)));
            }
            if (written.take(QRectF(topLeft, size))) {
                placed = true;
                break;
            }
        }
        if (!placed)
            continue;
        writer.drawImage(topLeft, name);
    }
    writer.end();
    painter.drawImage(QPointF(0.0, 0.0), layer);
}

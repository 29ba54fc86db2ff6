// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/kind.h"
#include "view3d/vec3.h"

#include <QFont>
#include <QHash>
#include <QImage>
#include <QString>

#include <string>
#include <vector>

class QPainter;

// The names of the objects drawn in a frame, written over it: a point's beside its sphere, a
// vector's at its tip, a line's and a plane's at the point they were defined by, moved inside
// the view when that point is off screen. Each is in its kind's colour with a dark outline, so
// it reads on the black background and on the planes alike. A name that would cover one
// already written is left out: a heap of overlapping names reads as nothing.
class NameLabels {
public:
    void clear() { anchors_.clear(); }
    void add(Kind kind, const std::string& name, const Vec3& at);

    // With the frame's camera: matrices column-major as GL hands them out, the viewport in
    // device pixels, ratio device pixels per painter pixel.
    void paint(QPainter& painter, const double* modelView, const double* projection,
               const int* viewport, double ratio) const;

private:
    struct Anchor {
        Kind kind;
        QString name;
        Vec3 at;
    };
    // A name written with its outline, made once: laying out and outlining the text again
    // every frame cost more than the rest of a frame of 1,000 points.
    const QImage& sprite(const Anchor& anchor, const QFont& font, double ratio) const;

    std::vector<Anchor> anchors_;
    mutable QHash<QString, QImage> sprites_;
    mutable QFont spriteFont_;
    mutable double spriteRatio_ = 0.0;
};

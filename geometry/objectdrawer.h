// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Point;
class Vector;
class line;
class surface;

// The drawing of each kind lives with the 3D view; geometry only knows this interface.
class ObjectDrawer {
public:
    virtual ~ObjectDrawer() = default;
    virtual void drawPoint(const Point& p) = 0;
    virtual void drawVector(const Vector& v) = 0;
    virtual void drawLine(const line& l) = 0;
    virtual void drawSurface(const surface& s) = 0;
};

// The drawer that draw() uses; null draws nothing.
void setObjectDrawer(ObjectDrawer* drawer);
ObjectDrawer* objectDrawer();

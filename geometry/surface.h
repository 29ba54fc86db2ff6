#pragma once

#include "geometry/vector.h"

// A plane: normal . X + d = 0, spanned by u and v through point.
class surface : public SpaceObject {
public:
    surface() = default;
    // Copies take geometry and parents; assignment keeps the target's name and flag.
    surface(const surface& other);
    surface& operator=(const surface& other);

    std::int8_t type() const override { return 3; }
    void draw() const override;

    void setPlane(const Vector& n, double d);
    void setPlane(const Vector& n, const Point& P);
    void setPlane(const Vector& a, const Vector& b, const Point& P);
    void setPlane(const Point& A, const Point& B, const Point& C);

    // A usable plane has a finite, non-zero normal and finite parameters.
    bool isValid() const;

    Vector normal;
    double d = 0.0;
    Vector u;
    Vector v;
    Point point;

private:
    void copyGeometry(const surface& other);
};

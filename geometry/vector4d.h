// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Four doubles with snapped arithmetic. w travels along with the others but never
// takes part in a geometric decision.
class vector4D {
public:
    vector4D() = default;
    vector4D(double x, double y, double z, double w = 0.0) : x_(x), y_(y), z_(z), w_(w) {}

    double x() const { return x_; }
    double y() const { return y_; }
    double z() const { return z_; }
    double w() const { return w_; }
    void setX(double v) { x_ = v; }
    void setY(double v) { y_ = v; }
    void setZ(double v) { z_ = v; }
    void setW(double v) { w_ = v; }

    // Divides x, y, z by the Euclidean length, in place.
    void normalise();
    // Divides by the common divisor of the components and scales huge ones down.
    // Returns the overall factor divided by, so a companion value can follow.
    double simplify();

    bool isFinite() const;

private:
    double x_ = 0.0;
    double y_ = 0.0;
    double z_ = 0.0;
    double w_ = 0.0;
};

vector4D operator+(const vector4D& a, const vector4D& b); // snapped
vector4D operator-(const vector4D& a, const vector4D& b); // snapped
vector4D operator*(const vector4D& a, double k);          // not snapped
vector4D operator/(const vector4D& a, double k);          // not snapped
vector4D cross(const vector4D& a, const vector4D& b);     // snapped, w = 0
double dot(const vector4D& a, const vector4D& b);
double length(const vector4D& a); // snapped
// Angle in radians (NaN when either vector is zero).
double angle(const vector4D& a, const vector4D& b);

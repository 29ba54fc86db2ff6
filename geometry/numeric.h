// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// Scalar helpers shared by all geometry: one absolute tolerance and integer snapping.
namespace geom {
constexpr double tolerance = 0.0001;
constexpr double degreesPerRadian = 57.29577951308232;
constexpr double simplificationLimit = 1000000.0;
constexpr double simplificationDivisor = 100000.0;
} // namespace geom

// |a - b| < 0.0001; false for NaN.
bool nearlyEqual(double a, double b);

// Values within the tolerance of an integer become that integer (keeping the sign).
double snapToInteger(double x);

double positiveModulo(double a, double b);

// Tolerant Euclidean algorithm on non-negative reals.
double commonDivisor(double a, double b);
// Common divisor of three magnitudes; 1 when all three are (near) zero.
double commonDivisor(double a, double b, double c);

std::string joinText(const std::string& a, const std::string& b);

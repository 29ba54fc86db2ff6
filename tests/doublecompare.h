// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTest>

#include <cmath>

// Doubles are compared explicitly: exactly (sign of zero included) where a value is
// promised, within 1e-9 otherwise. QCOMPARE's relative fuzz fails near zero.
inline bool sameDouble(double actual, double expected) {
    if (std::isnan(expected))
        return std::isnan(actual);
    return actual == expected && std::signbit(actual) == std::signbit(expected);
}

inline bool closeDouble(double actual, double expected, double eps = 1e-9) {
    return std::fabs(actual - expected) <= eps;
}

#define COMPARE_DOUBLE(same, actual, expected)                                                     \
    QVERIFY2(same((actual), (expected)), qPrintable(QString("%1 is %2, expected %3")               \
                                                        .arg(#actual)                              \
                                                        .arg(actual, 0, 'g', 17)                   \
                                                        .arg(expected, 0, 'g', 17)))
#define COMPARE_EXACT(actual, expected) COMPARE_DOUBLE(sameDouble, actual, expected)
#define COMPARE_CLOSE(actual, expected) COMPARE_DOUBLE(closeDouble, actual, expected)

#define COMPARE_VEC(v, ex, ey, ez)                                                                 \
    do {                                                                                           \
        COMPARE_CLOSE((v).x(), (ex));                                                              \
        COMPARE_CLOSE((v).y(), (ey));                                                              \
        COMPARE_CLOSE((v).z(), (ez));                                                              \
    } while (0)

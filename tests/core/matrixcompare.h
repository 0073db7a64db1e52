#ifndef VORLIX_MATRIXCOMPARE_H
#define VORLIX_MATRIXCOMPARE_H

// Fuzzy comparison of the program's matrices in tests: composed rotations are exact
// only up to rounding, so QCOMPARE's equality would fail on correct results.

#include "matrix4.h"

#include <QByteArray>
#include <QTest>
#include <cmath>

// Entries of a rotation are at most 1 in size; each product of the up to a hundred
// rotations a test composes adds a few ulps of rounding to them.
constexpr double entryTolerance = 1e-12;

/// Every entry within entryTolerance. Written so that a NaN entry never passes.
inline bool nearlyEqual(const vorlix::Matrix4 &a, const vorlix::Matrix4 &b)
{
    for (int i = 0; i < 16; ++i)
        if (!(std::abs(a[i] - b[i]) <= entryTolerance))
            return false;
    return true;
}

/// Both matrices entry by entry, in full precision, for a failure message.
inline QByteArray mismatch(const vorlix::Matrix4 &actual, const vorlix::Matrix4 &expected)
{
    QByteArray text = "matrices differ by more than " + QByteArray::number(entryTolerance);
    for (int i = 0; i < 16; ++i)
        text += "\n  [" + QByteArray::number(i) + "] " + QByteArray::number(actual[i], 'g', 17)
            + " expected " + QByteArray::number(expected[i], 'g', 17);
    return text;
}

#define COMPARE_MATRIX(actual, expected)                                                           \
    QVERIFY2(nearlyEqual(actual, expected), mismatch(actual, expected).constData())

#endif

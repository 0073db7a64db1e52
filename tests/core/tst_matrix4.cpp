// SPDX-License-Identifier: GPL-3.0-or-later
#include "matrix4.h"
#include "matrixcompare.h"

#include <QtTest>
#include <cmath>

using vorlix::Matrix4;
using vorlix::Vector3;

Q_DECLARE_METATYPE(Matrix4)
Q_DECLARE_METATYPE(Vector3)

namespace {

// Written out row by row as a 3×3 rotation, stored column-major with the homogeneous
// row and column of a pure rotation.
Matrix4 fromRows(double r00, double r01, double r02, double r10, double r11, double r12, double r20,
    double r21, double r22)
{
    return { r00, r10, r20, 0, r01, r11, r21, 0, r02, r12, r22, 0, 0, 0, 0, 1 };
}

Matrix4 translation(double x, double y, double z)
{
    Matrix4 m = vorlix::identityMatrix();
    m[12] = x;
    m[13] = y;
    m[14] = z;
    return m;
}

Matrix4 uniformScale(double s)
{
    Matrix4 m = vorlix::identityMatrix();
    m[0] = m[5] = m[10] = s;
    return m;
}

} // namespace

class TestMatrix4 : public QObject {
    Q_OBJECT

private slots:
    void identityIsNeutral()
    {
        const Matrix4 turn = vorlix::rotation(37, 1, -2, 0.5);
        COMPARE_MATRIX(vorlix::multiply(vorlix::identityMatrix(), turn), turn);
        COMPARE_MATRIX(vorlix::multiply(turn, vorlix::identityMatrix()), turn);
    }
    void rotationMatchesHandDerived_data()
    {
        QTest::addColumn<double>("degrees");
        QTest::addColumn<Vector3>("axis");
        QTest::addColumn<Matrix4>("expected");

        // Right-handed: a quarter turn about x takes y to z, about y takes z to x, about z
        // takes x to y.
        QTest::newRow("90 about x")
            << 90.0 << Vector3 { 1, 0, 0 } << fromRows(1, 0, 0, 0, 0, -1, 0, 1, 0);
        QTest::newRow("90 about y")
            << 90.0 << Vector3 { 0, 1, 0 } << fromRows(0, 0, 1, 0, 1, 0, -1, 0, 0);
        QTest::newRow("90 about z")
            << 90.0 << Vector3 { 0, 0, 1 } << fromRows(0, -1, 0, 1, 0, 0, 0, 0, 1);
        QTest::newRow("-90 about z equals 90 about -z")
            << -90.0 << Vector3 { 0, 0, 1 } << fromRows(0, 1, 0, -1, 0, 0, 0, 0, 1);
        QTest::newRow("axis length is ignored")
            << 90.0 << Vector3 { 0, 0, 5 } << fromRows(0, -1, 0, 1, 0, 0, 0, 0, 1);
        // Half turn about n: 2·n·nᵀ − I.
        QTest::newRow("180 about the xy diagonal")
            << 180.0 << Vector3 { 1, 1, 0 } << fromRows(0, 1, 0, 1, 0, 0, 0, 0, -1);
        // A third of a turn about (1,1,1) permutes the axes: x to y, y to z, z to x.
        QTest::newRow("120 about the space diagonal")
            << 120.0 << Vector3 { 1, 1, 1 } << fromRows(0, 0, 1, 1, 0, 0, 0, 1, 0);
        QTest::newRow("full turn") << 360.0 << Vector3 { 0.3, -0.4, 2 } << vorlix::identityMatrix();
        QTest::newRow("zero axis gives identity")
            << 45.0 << Vector3 { 0, 0, 0 } << vorlix::identityMatrix();
    }
    void rotationMatchesHandDerived()
    {
        QFETCH(double, degrees);
        QFETCH(Vector3, axis);
        QFETCH(Matrix4, expected);
        COMPARE_MATRIX(vorlix::rotation(degrees, axis.x, axis.y, axis.z), expected);
    }
    void multiplyIsColumnMajorAndOrdered_data()
    {
        QTest::addColumn<Matrix4>("a");
        QTest::addColumn<Matrix4>("b");
        QTest::addColumn<Matrix4>("expected");

        // T·S scales first, then moves: the translation column is left as it is.
        QTest::newRow("translate times scale") << translation(1, 2,
            3) << uniformScale(2) << Matrix4 { 2, 0, 0, 0, 0, 2, 0, 0, 0, 0, 2, 0, 1, 2, 3, 1 };
        // S·T moves first, then scales the moved origin too.
        QTest::newRow("scale times translate")
            << uniformScale(2) << translation(1, 2, 3)
            << Matrix4 { 2, 0, 0, 0, 0, 2, 0, 0, 0, 0, 2, 0, 2, 4, 6, 1 };
        // Rz(90)·Rx(90): x → x → y, y → z → z, z → −y → x.
        QTest::newRow("quarter turns about x then z") << vorlix::rotation(90, 0, 0,
            1) << vorlix::rotation(90, 1, 0, 0) << fromRows(0, 0, 1, 1, 0, 0, 0, 1, 0);
        // Rx(90)·Rz(90): x → y → z, y → −x → −x, z → z → −y.
        QTest::newRow("quarter turns about z then x") << vorlix::rotation(90, 1, 0,
            0) << vorlix::rotation(90, 0, 0, 1) << fromRows(0, -1, 0, 0, 0, -1, 1, 0, 0);
    }
    void multiplyIsColumnMajorAndOrdered()
    {
        QFETCH(Matrix4, a);
        QFETCH(Matrix4, b);
        QFETCH(Matrix4, expected);
        COMPARE_MATRIX(vorlix::multiply(a, b), expected);
    }
    void orthonormalityError_data()
    {
        QTest::addColumn<Matrix4>("m");
        QTest::addColumn<double>("expected");

        QTest::newRow("identity") << vorlix::identityMatrix() << 0.0;
        QTest::newRow("rotation") << vorlix::rotation(73, 2, -1, 3) << 0.0;
        QTest::newRow("translation is outside the 3x3 block") << translation(5, 6, 7) << 0.0;
        // Columns of length 2: MᵀM = 4·I.
        QTest::newRow("doubled") << uniformScale(2) << 3.0;
        // Second column (1, 1, 0): its dot with the first is 1, its squared length 2.
        QTest::newRow("sheared") << fromRows(1, 1, 0, 0, 1, 0, 0, 0, 1) << 1.0;
        QTest::newRow("slightly stretched column")
            << fromRows(1 + 1e-6, 0, 0, 0, 1, 0, 0, 0, 1) << 2e-6 + 1e-12;
    }
    void orthonormalityError()
    {
        QFETCH(Matrix4, m);
        QFETCH(double, expected);
        QVERIFY2(std::abs(vorlix::orthonormalityError(m) - expected) <= entryTolerance,
            QByteArray::number(vorlix::orthonormalityError(m), 'g', 17));
    }
};

QTEST_APPLESS_MAIN(TestMatrix4)

#include "tst_matrix4.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#include "objreader.h"

#include <QRandomGenerator>
#include <QtTest>

#include <algorithm>
#include <array>
#include <clocale>
#include <cmath>
#include <cstdio>

using vorlix::ObjMesh;
using vorlix::readObj;

using Floats = QVector<float>;
using Ints = QVector<int>;

namespace {

Floats toFloats(const std::vector<float> &v)
{
    return Floats(v.begin(), v.end());
}

Ints toInts(const std::vector<int> &v)
{
    return Ints(v.begin(), v.end());
}

// What scanf reads with `format` from the line after its one-letter tag: the reference the
// reader's number parsing is held to. A conversion that fails leaves its target and the
// later ones at 0.
template<typename T> std::array<T, 3> scanfAfterTag(QByteArray line, const char *format)
{
    std::array<T, 3> numbers { 0, 0, 0 };
    line[0] = ' ';
    std::sscanf(line.constData(), format, &numbers[0], &numbers[1], &numbers[2]);
    return numbers;
}

// Twelve vertices, so that face numbers up to 12 are valid and 13 is not.
QByteArray twelveVertices()
{
    QByteArray text;
    for (int i = 1; i <= 12; ++i)
        text += "v " + QByteArray::number(i) + " 0 0\n";
    return text;
}

// Normals are unit vectors computed in floating point: a few units in the last place.
bool nearlyEqual(float a, float b)
{
    return std::fabs(a - b) <= 1e-6f;
}

double dot(const double *a, const double *b)
{
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

} // namespace

class TestObjReader : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The scanf comparisons below need "." to be the C library's decimal point.
        std::setlocale(LC_NUMERIC, "C");
    }
    void vertexLines_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<char>("separator");
        QTest::addColumn<Floats>("expected");

        QTest::newRow("decimals and exponent")
            << QByteArray("v 1.5 -2.25 3e2\n") << '.' << Floats { 1.5f, -2.25f, 300 };
        QTest::newRow("comma is no decimal point under a point locale")
            << QByteArray("v 1,5 2 3\n") << '.' << Floats { 1, 0, 0 };
        QTest::newRow("point under a comma locale")
            << QByteArray("v 1.5 2.5 -3.5\n") << ',' << Floats { 1.5f, 2.5f, -3.5f };
        QTest::newRow("comma under a comma locale")
            << QByteArray("v 1,5 2,5 -3,5\n") << ',' << Floats { 1.5f, 2.5f, -3.5f };
        QTest::newRow("both separators under a comma locale")
            << QByteArray("v 1,5 2.5 0,25\n") << ',' << Floats { 1.5f, 2.5f, 0.25f };
        QTest::newRow("CRLF") << QByteArray("v 1 2 3\r\n") << '.' << Floats { 1, 2, 3 };
        QTest::newRow("CR before the last number")
            << QByteArray("v 1 2\r3\n") << '.' << Floats { 1, 2, 3 };
        QTest::newRow("no final newline") << QByteArray("v 1 2 3") << '.' << Floats { 1, 2, 3 };
        QTest::newRow("NUL ends the numbers")
            << QByteArray("v 1\0 2 3\n", 9) << '.' << Floats { 1, 0, 0 };
        QTest::newRow("vertex normal after vertex")
            << QByteArray("v 1 2 3\nvn 0 0 1\n") << '.' << Floats { 1, 2, 3 };
    }
    void vertexLines()
    {
        QFETCH(QByteArray, text);
        QFETCH(char, separator);
        QFETCH(Floats, expected);

        const ObjMesh mesh = readObj(text, separator);
        QCOMPARE(mesh.vertexCount, expected.size() / 3);
        QCOMPARE(toFloats(mesh.vertices), expected);
    }
    void vertexLinesAgreeWithScanf_data()
    {
        QTest::addColumn<QByteArray>("line");

        const char *lines[] = {
            "v 0.1 0.2 0.3",
            "v -1.25e-3 +4.5E+2 .5",
            "v 5. 1e 2",
            "v 1e+ 2 3",
            "v 3.4028235e38 1.17549e-38 1.4e-45",
            "v 123456789012345678901234567890 0.000000000000000000000000000001 7",
            "v inf -INFINITY 1",
            "v 0x1p-3 0xAp0 0x.1",
            "v 1.5.5 3",
            "v 0007 -000.5 00e1",
            "v  \t 9\v8\f7",
            "v 1..2 3 4",
            "v - 1 2",
            "v e5 1 2",
            "v 2e-400 3e400 -0",
            "v 0.30000000000000004 16777217 1.0000001",
            "v 1ex 2 3",
            "v 1e-x 2 3",
            "v 0x1p 2 3",
            "v 0x1p+ 2 3",
            "v infinit 2 3",
            "v infx 2 3",
            "v nan(ab) 2 3",
            "v nanx 2 3",
            "v -.e1 2 3",
            "v 0xp1 2 3",
            "v 0x1.8 2 3",
            "v 5e 2e 3e",
            "v 1 2",
            "v abc 2 3",
            "v 1 x 3",
            "v 1-2+3",
            "v +-1 2 3",
            "v 0x1.8p1 -0x10 0X.8p0",
            "v 0x 2 3",
            "v 1e50 -1e50 1e-50",
            "v 1 2 3 4 5",
            "v\t1\t2\t3",
        };
        for (const char *line : lines)
            QTest::newRow(line) << QByteArray(line);

        // Decimal numbers of every length and magnitude, with the same seed on every run.
        QRandomGenerator random(1234);
        for (int i = 0; i < 40; ++i) {
            QByteArray line = "v";
            for (int k = 0; k < 3; ++k) {
                const double value
                    = (random.generateDouble() - 0.5) * std::pow(10.0, random.bounded(-40, 40));
                line += ' ' + QByteArray::number(value, 'g', random.bounded(1, 18));
            }
            QTest::newRow(("random " + QByteArray::number(i)).constData()) << line;
        }
    }
    void vertexLinesAgreeWithScanf()
    {
        QFETCH(QByteArray, line);

        const auto expected = scanfAfterTag<float>(line, "%f %f %f");
        const ObjMesh mesh = readObj(line, '.');
        QCOMPARE(mesh.vertices.size(), std::size_t(3));
        for (int k = 0; k < 3; ++k) {
            const float got = mesh.vertices[std::size_t(k)];
            if (std::isnan(expected[k]))
                QVERIFY2(std::isnan(got), qPrintable(QString::number(k)));
            else
                QCOMPARE(got, expected[k]);
        }
    }
    void faceLines_data()
    {
        QTest::addColumn<QByteArray>("faceLines");
        QTest::addColumn<int>("faceCount");
        QTest::addColumn<Ints>("expected");

        QTest::newRow("one-based to zero-based")
            << QByteArray("f 1 2 3\n") << 1 << Ints { 0, 1, 2 };
        QTest::newRow("four numbers give a fan")
            << QByteArray("f 1 2 3 4\n") << 1 << Ints { 0, 1, 2, 0, 2, 3 };
        QTest::newRow("octal") << QByteArray("f 010 011 012\n") << 1 << Ints { 7, 8, 9 };
        QTest::newRow("hexadecimal") << QByteArray("f 0xa 0XB 0x1\n") << 1 << Ints { 9, 10, 0 };
        QTest::newRow("octal before a comment")
            << QByteArray("f 010 011 012 # c\n") << 1 << Ints { 7, 8, 9 };
        QTest::newRow("hexadecimal before a comment")
            << QByteArray("f 0x1 0x2 0x3 # c\n") << 1 << Ints { 0, 1, 2 };
        QTest::newRow("four numbers before a comment fan in decimal")
            << QByteArray("f 010 2 3 4 # c\n") << 1 << Ints { 9, 1, 2, 9, 2, 3 };
        QTest::newRow("octal stops at 8") << QByteArray("f 08 1 2\n") << 1 << Ints {};
        QTest::newRow("last vertex") << QByteArray("f 12 11 10\n") << 1 << Ints { 11, 10, 9 };
        QTest::newRow("beyond the last vertex") << QByteArray("f 1 2 13\n") << 1 << Ints {};
        QTest::newRow("zero") << QByteArray("f 0 1 2\n") << 1 << Ints {};
        QTest::newRow("negative counts back") << QByteArray("f 1 -2 3\n") << 1 << Ints { 0, 10, 2 };
        QTest::newRow("explicit plus") << QByteArray("f +1 +2 +3\n") << 1 << Ints { 0, 1, 2 };
        QTest::newRow("beyond int range") << QByteArray("f 4294967297 2 3\n") << 1 << Ints {};
        QTest::newRow("endless digits")
            << QByteArray("f 1 2 " + QByteArray(100000, '9') + "\n") << 1 << Ints {};
        QTest::newRow("slashes") << QByteArray("f 1/1/1 2/2/2 3/3/3\n") << 1 << Ints { 0, 1, 2 };
        QTest::newRow("two numbers") << QByteArray("f 1 2\n") << 1 << Ints {};
        QTest::newRow("garbage") << QByteArray("f a b c\n") << 1 << Ints {};
        QTest::newRow("skipped face between good ones")
            << QByteArray("f 1 2 3\nf 1 2 99\nf 4 5 6\n") << 3 << Ints { 0, 1, 2, 3, 4, 5 };
        QTest::newRow("CRLF and no final newline")
            << QByteArray("f 1 2 3\r\nf 4 5 6") << 2 << Ints { 0, 1, 2, 3, 4, 5 };
        QTest::newRow("face line with a longer keyword")
            << QByteArray("fo 1 2 3\n") << 1 << Ints {};
    }
    void faceLines()
    {
        QFETCH(QByteArray, faceLines);
        QFETCH(int, faceCount);
        QFETCH(Ints, expected);

        const ObjMesh mesh = readObj(twelveVertices() + faceLines, '.');
        QCOMPARE(mesh.vertexCount, 12);
        QCOMPARE(mesh.faceCount, faceCount);
        QCOMPARE(toInts(mesh.faces), expected);
        QCOMPARE(mesh.normals.size(), mesh.faces.size());
    }
    void standardFaces_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("vertexCount");
        QTest::addColumn<Ints>("expected");

        // A convex pentagon in the xy plane, counter-clockwise, with a texture coordinate and a
        // normal: every triangle of it faces +z.
        const QByteArray pentagon
            = "v 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\nv -1 1 0\nvt 0 0\nvn 0 0 1\n";
        QTest::newRow("v/vt") << pentagon + "f 1/1 2/1 3/1\n" << 5 << Ints { 0, 1, 2 };
        QTest::newRow("v//vn") << pentagon + "f 1//1 3//1 4//1\n" << 5 << Ints { 0, 2, 3 };
        QTest::newRow("v/vt/vn") << pentagon + "f 2/1/1 3/1/1 4/-1/-1\n" << 5 << Ints { 1, 2, 3 };
        QTest::newRow("v") << pentagon + "f 5 1 2\n" << 5 << Ints { 4, 0, 1 };
        QTest::newRow("negative, from the line's last vertex") << pentagon
                + "f -5 -4 -3\nv 2 -1 0\nf -6 -1 -5\n" << 6 << Ints { 0, 1, 2, 0, 5, 1 };
        QTest::newRow("out of range") << pentagon + "f -6 1 2\nf 1 2 6\nf 0 1 2\n" << 5 << Ints {};
        QTest::newRow("pentagon as a fan") << pentagon + "f 1 2 3 4 5\n"
                                           << 5 << Ints { 0, 1, 2, 0, 2, 3, 0, 3, 4 };
        QTest::newRow("interleaved vn, vt, vp take no number")
            << QByteArray("v 0 0 0\nvn 0 0 1\nv 1 0 0\nvt 0 0\nv 0 1 0\nvp 1\nf 1//1 2//2 3//3\n")
            << 3 << Ints { 0, 1, 2 };
        QTest::newRow("plain quad fanned, plain triangle in hexadecimal as before")
            << QByteArray("v 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\nf 1 2 3 4\nf 0x4 1 2\n") << 4
            << Ints { 0, 1, 2, 0, 2, 3, 3, 0, 1 };
    }
    void standardFaces()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, vertexCount);
        QFETCH(Ints, expected);

        const ObjMesh mesh = readObj(text, '.');
        QCOMPARE(mesh.vertexCount, vertexCount);
        QCOMPARE(toInts(mesh.faces), expected);
        // Read as positions, only the true vertices make every triangle face +z.
        for (std::size_t i = 0; i < mesh.normals.size(); ++i)
            QVERIFY(nearlyEqual(mesh.normals[i], i % 3 == 2 ? 1 : 0));
    }
    void faceNumbersAgreeWithScanf_data()
    {
        QTest::addColumn<QByteArray>("line");

        const char *lines[] = { "f 1 2 3", "f 012 07 0x0c", "f 0xA 0xb 011", "f +3 +4 +5",
            "f 3 4 5junk", "f 1\t2\v3", "f 0x 4 5", "f 09 1 2" };
        for (const char *line : lines)
            QTest::newRow(line) << QByteArray(line);
    }
    void faceNumbersAgreeWithScanf()
    {
        QFETCH(QByteArray, line);

        const auto numbers = scanfAfterTag<int>(line, "%i %i %i");
        const bool inRange
            = std::all_of(numbers.begin(), numbers.end(), [](int n) { return n >= 1 && n <= 12; });
        const Ints expected
            = inRange ? Ints { numbers[0] - 1, numbers[1] - 1, numbers[2] - 1 } : Ints {};

        QCOMPARE(toInts(readObj(twelveVertices() + line, '.').faces), expected);
    }
    void normals_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<Floats>("expected");

        QTest::newRow("counter-clockwise in the xy plane")
            << QByteArray("v 0 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 3\n") << Floats { 0, 0, 1 };
        QTest::newRow("clockwise in the xy plane")
            << QByteArray("v 0 0 0\nv 1 0 0\nv 0 1 0\nf 1 3 2\n") << Floats { 0, 0, -1 };
        QTest::newRow("large triangle is normalised")
            << QByteArray("v 0 0 0\nv 0 0 5\nv 5 0 0\nf 1 2 3\n") << Floats { 0, 1, 0 };
        QTest::newRow("tilted") << QByteArray("v 0 0 0\nv 1 0 0\nv 0 1 1\nf 1 2 3\n")
                                << Floats { 0, -float(M_SQRT1_2), float(M_SQRT1_2) };
        QTest::newRow("two equal vertices")
            << QByteArray("v 0 0 0\nv 1 2 3\nv 1 2 3\nf 1 2 3\n") << Floats { 1, 0, 0 };
        QTest::newRow("one vertex three times")
            << QByteArray("v 4 5 6\nf 1 1 1\n") << Floats { 1, 0, 0 };
        QTest::newRow("collinear")
            << QByteArray("v 0 0 0\nv 1 1 1\nv 2 2 2\nf 1 2 3\n") << Floats { 1, 0, 0 };
        QTest::newRow("faces before their vertices")
            << QByteArray("f 1 2 3\nv 0 0 0\nv 0 1 0\nv 0 0 1\n") << Floats { 1, 0, 0 };
        QTest::newRow("vertex normals after the vertices")
            << QByteArray("v 0 0 0\nv 1 0 0\nv 0 1 0\nvn 0 0 1\nvn 0 0 1\nvn 0 0 1\nf 1 2 3\n")
            << Floats { 0, 0, 1 };
    }
    void normals()
    {
        QFETCH(QByteArray, text);
        QFETCH(Floats, expected);

        const Floats normal = toFloats(readObj(text, '.').normals);
        QCOMPARE(normal.size(), 3);
        for (int k = 0; k < 3; ++k)
            QVERIFY2(nearlyEqual(normal[k], expected[k]),
                qPrintable(QString("component %1: %2, expected %3")
                               .arg(k)
                               .arg(normal[k])
                               .arg(expected[k])));
    }
    void normalsAreRightHandedUnitVectors()
    {
        QRandomGenerator random(99);
        QByteArray text;
        const int triangles = 200;
        for (int i = 0; i < 3 * triangles; ++i) {
            text += "v";
            for (int k = 0; k < 3; ++k)
                text += ' ' + QByteArray::number(random.generateDouble() * 20 - 10, 'g', 9);
            text += '\n';
        }
        for (int t = 0; t < triangles; ++t)
            text += "f " + QByteArray::number(3 * t + 1) + ' ' + QByteArray::number(3 * t + 2) + ' '
                + QByteArray::number(3 * t + 3) + '\n';

        const ObjMesh mesh = readObj(text, '.');
        QCOMPARE(mesh.triangleCount(), triangles);
        for (int t = 0; t < triangles; ++t) {
            const float *a = &mesh.vertices[std::size_t(9 * t)];
            const double ab[3] = { double(a[3]) - a[0], double(a[4]) - a[1], double(a[5]) - a[2] };
            const double ac[3] = { double(a[6]) - a[0], double(a[7]) - a[1], double(a[8]) - a[2] };
            const double turning[3] = { ab[1] * ac[2] - ab[2] * ac[1],
                ab[2] * ac[0] - ab[0] * ac[2], ab[0] * ac[1] - ab[1] * ac[0] };
            const float *nf = &mesh.normals[std::size_t(3 * t)];
            const double n[3] = { nf[0], nf[1], nf[2] };
            QVERIFY(std::fabs(dot(n, n) - 1) < 1e-6);
            QVERIFY(std::fabs(dot(n, ab)) < 1e-5 * std::sqrt(dot(ab, ab)));
            QVERIFY(std::fabs(dot(n, ac)) < 1e-5 * std::sqrt(dot(ac, ac)));
            QVERIFY(dot(n, turning) > 0);
        }
    }
    void lineKinds_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("vertexCount");
        QTest::addColumn<int>("faceCount");

        QTest::newRow("empty") << QByteArray() << 0 << 0;
        QTest::newRow("newlines only") << QByteArray("\n\n\r\n") << 0 << 0;
        QTest::newRow("no faces") << QByteArray("v 0 0 0\nv 1 0 0\nv 0 1 0\n") << 3 << 0;
        QTest::newRow("leading blank and tab")
            << QByteArray(" v 1 2 3\n\tv 1 2 3\n f 1 2 3\n\tf 1 2 3\n") << 0 << 0;
        QTest::newRow("comments, groups, objects, materials")
            << QByteArray("# v 1 2 3\ng v\no f\nusemtl f\ns 1\nmtllib v.mtl\nl 1 2\n") << 0 << 0;
        QTest::newRow("upper case keywords") << QByteArray("V 1 2 3\nF 1 1 1\n") << 0 << 0;
        QTest::newRow("bare keywords") << QByteArray("v\nf\nv") << 2 << 1;
        QTest::newRow("NUL first") << QByteArray("\0v 1 2 3\n", 9) << 0 << 0;
        QTest::newRow("NUL after the keyword") << QByteArray("v\0\nf\0 1 1 1\n", 12) << 1 << 1;
    }
    void lineKinds()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, vertexCount);
        QFETCH(int, faceCount);

        const ObjMesh mesh = readObj(text, '.');
        QCOMPARE(mesh.vertexCount, vertexCount);
        QCOMPARE(mesh.faceCount, faceCount);
        QCOMPARE(mesh.vertices.size(), 3 * std::size_t(vertexCount));
    }
    void binaryJunkStaysInBounds()
    {
        // Random bytes with many 'v', 'f', digits and newlines among them.
        QRandomGenerator random(7);
        const char alphabet[] = "vf0123456789x.- \n\r\t\0";
        QByteArray junk;
        for (int i = 0; i < 200000; ++i)
            junk += random.bounded(3) == 0 ? char(random.bounded(256))
                                           : alphabet[random.bounded(int(sizeof alphabet))];

        int vertexLines = 0;
        int faceLines = 0;
        for (const QByteArray &line : junk.split('\n')) {
            vertexLines += line.startsWith('v');
            faceLines += line.startsWith('f');
        }

        const ObjMesh mesh = readObj(junk, ',');
        QCOMPARE(mesh.vertexCount, vertexLines);
        QCOMPARE(mesh.faceCount, faceLines);
        QVERIFY(mesh.triangleCount() <= faceLines);
        QCOMPARE(mesh.normals.size(), mesh.faces.size());
        for (int index : mesh.faces)
            QVERIFY(index >= 0 && index < mesh.vertexCount);
    }
    void veryLongLines_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<Floats>("expected");

        const int length = 4 * 1000 * 1000;
        QTest::newRow("blanks before the numbers") << "v" + QByteArray(length, ' ') + "1 2 3\n"
                                                   << Floats { 1, 2, 3 };
        QTest::newRow("endless mantissa") << "v 0." + QByteArray(length, '5') + " 2 3\n"
                                          << Floats { 0.5555556f, 2, 3 };
        QTest::newRow("endless garbage after the numbers") << "v 1 2 3 " + QByteArray(length, 'z')
                + "\n" << Floats { 1, 2, 3 };
        QTest::newRow("long comment before")
            << "#" + QByteArray(length, 'v') + "\nv 4 5 6" << Floats { 4, 5, 6 };
    }
    void veryLongLines()
    {
        QFETCH(QByteArray, text);
        QFETCH(Floats, expected);

        QCOMPARE(toFloats(readObj(text, ',').vertices), expected);
    }
    void millionsOfLines()
    {
        // A strip of 2,000,000 triangles over 1,000,002 vertices.
        const int vertices = 1000002;
        QByteArray text;
        text.reserve(40 * 1000 * 1000);
        for (int i = 0; i < vertices; ++i)
            text += "v " + QByteArray::number(i % 2) + ' ' + QByteArray::number(i / 2) + " 0\n";
        for (int i = 1; i + 2 <= vertices; ++i) {
            const QByteArray a = QByteArray::number(i);
            const QByteArray b = QByteArray::number(i + 1);
            const QByteArray c = QByteArray::number(i + 2);
            text += i % 2 ? "f " + a + ' ' + b + ' ' + c + '\n'
                          : "f " + b + ' ' + a + ' ' + c + '\n';
        }

        const ObjMesh mesh = readObj(text, '.');
        QCOMPARE(mesh.vertexCount, vertices);
        QCOMPARE(mesh.faceCount, vertices - 2);
        QCOMPARE(mesh.triangleCount(), vertices - 2);
        // Every triangle of the strip faces +z.
        for (std::size_t i = 2; i < mesh.normals.size(); i += 3)
            QVERIFY(mesh.normals[i] == 1.0f);
    }
};

QTEST_APPLESS_MAIN(TestObjReader)
#include "tst_objreader.moc"

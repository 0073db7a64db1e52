// SPDX-License-Identifier: GPL-3.0-or-later
#include "featureedges.h"
#include "vector3.h"

#include <QtTest>
#include <array>

using namespace vorlix;

Q_DECLARE_METATYPE(ObjMesh)

/// Quadrilaterals as two triangles each, each triangle with vertices of its own (a soup).
ObjMesh soup(const std::vector<std::array<Vector3, 4>> &quads)
{
    ObjMesh m;
    for (const auto &q : quads)
        for (int c : { 0, 1, 2, 0, 2, 3 }) {
            m.faces.push_back(int(m.vertices.size() / 3));
            m.vertices.insert(m.vertices.end(), { float(q[c].x), float(q[c].y), float(q[c].z) });
        }
    return m;
}

ObjMesh unitCube()
{
    const auto c = [](int i) {
        return Vector3 { 1.0 * (i & 1), 1.0 * (i >> 1 & 1), 1.0 * (i >> 2) };
    };
    return soup(
        { { c(0), c(4), c(6), c(2) }, { c(1), c(3), c(7), c(5) }, { c(0), c(1), c(5), c(4) },
            { c(2), c(6), c(7), c(3) }, { c(0), c(2), c(3), c(1) }, { c(4), c(5), c(7), c(6) } });
}

/// The unit sphere, polar quads collapsed; seam and poles come out exactly, so they weld.
ObjMesh unitSphere(int segments)
{
    const auto at = [segments](int i, int j) {
        const double y = std::cos(M_PI * i / (segments / 2)), r = std::sqrt(1 - y * y);
        const double phi = 2 * M_PI * (j % segments) / segments;
        return Vector3 { r * std::cos(phi), y, r * std::sin(phi) };
    };
    std::vector<std::array<Vector3, 4>> quads;
    for (int i = 0; i < segments / 2; ++i)
        for (int j = 0; j < segments; ++j)
            quads.push_back({ at(i, j), at(i, j + 1), at(i + 1, j + 1), at(i + 1, j) });
    return soup(quads);
}

class TestFeatureEdges : public QObject {
    Q_OBJECT

private slots:
    void outline_data()
    {
        QTest::addColumn<ObjMesh>("mesh");
        QTest::addColumn<double>("length"); // of all edges, each once
        QTest::newRow("cube: its 12 edges (90 degrees, above 30), not the faces' flat diagonals")
            << unitCube() << 12.0;
        QTest::newRow("open square: its rim")
            << soup({ { Vector3 { 0, 0, 0 }, { 2, 0, 0 }, { 2, 2, 0 }, { 0, 2, 0 } } }) << 8.0;
        QTest::newRow("closed sphere, 32 meridians: bends of 11.25 degrees, below 30")
            << unitSphere(32) << 0.0;
    }
    void outline()
    {
        QFETCH(ObjMesh, mesh);
        QFETCH(double, length);
        const std::vector<float> segments = featureEdges(mesh, 30);
        double total = 0;
        for (std::size_t s = 0; s < segments.size(); s += 6)
            total += std::hypot(segments[s] - segments[s + 3], segments[s + 1] - segments[s + 4],
                segments[s + 2] - segments[s + 5]);
        QVERIFY(std::abs(total - length) < 1e-6);
    }
};

QTEST_MAIN(TestFeatureEdges)
#include "tst_featureedges.moc"

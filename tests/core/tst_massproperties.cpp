// SPDX-License-Identifier: GPL-3.0-or-later
#include "massproperties.h"

#include <QtTest>

using namespace vorlix;

Q_DECLARE_METATYPE(ObjMesh)
Q_DECLARE_METATYPE(MassModel)
Q_DECLARE_METATYPE(Vector3)

/// The box of the given sides about the origin, turned and then moved; counter-clockwise
/// from outside unless `inward`; without its +z face when `open`.
ObjMesh box(Vector3 sides, const Matrix4 &turn = identityMatrix(), Vector3 shift = {},
    bool inward = false, bool open = false)
{
    ObjMesh m;
    for (int i = 0; i < 8; ++i) {
        const Vector3 corner { (i & 1) - 0.5, (i >> 1 & 1) - 0.5, (i >> 2) - 0.5 };
        const Vector3 p = shift + toWorld(turn, componentwise(sides, corner));
        m.vertices.insert(m.vertices.end(), { float(p.x), float(p.y), float(p.z) });
    }
    // −x, +x, −y, +y, −z, +z; corner i has bit 0 for x, 1 for y, 2 for z.
    const int quads[6][4] = { { 0, 4, 6, 2 }, { 1, 3, 7, 5 }, { 0, 1, 5, 4 }, { 2, 6, 7, 3 },
        { 0, 2, 3, 1 }, { 4, 5, 7, 6 } };
    for (int q = 0; q < 6 - open; ++q)
        m.faces.insert(m.faces.end(),
            { quads[q][0], quads[q][1], quads[q][2], quads[q][0], quads[q][2], quads[q][3] });
    if (inward)
        for (std::size_t t = 0; t < m.faces.size(); t += 3)
            std::swap(m.faces[t + 1], m.faces[t + 2]);
    return m;
}

/// A unit sphere of `segments` meridians and segments/2 bands; its poles repeat a vertex per
/// meridian, which must be welded (some as −0) and their collapsed triangles skipped.
ObjMesh sphere(int segments)
{
    ObjMesh m;
    const int rows = segments / 2;
    for (int i = 0; i <= rows; ++i)
        for (int j = 0; j < segments; ++j) {
            const double y = std::cos(M_PI * i / rows), r = std::sqrt(1 - y * y);
            const double phi = 2 * M_PI * j / segments;
            m.vertices.insert(
                m.vertices.end(), { float(r * std::cos(phi)), float(y), float(r * std::sin(phi)) });
        }
    const auto at = [&](int i, int j) { return i * segments + j % segments; };
    for (int i = 0; i < rows; ++i)
        for (int j = 0; j < segments; ++j)
            m.faces.insert(m.faces.end(),
                { at(i, j), at(i, j + 1), at(i + 1, j + 1), at(i, j), at(i + 1, j + 1),
                    at(i + 1, j) });
    return m;
}

class TestMassProperties : public QObject {
    Q_OBJECT

private slots:
    void bodies_data()
    {
        QTest::addColumn<ObjMesh>("mesh");
        QTest::addColumn<MassModel>("model");
        QTest::addColumn<double>("mass");
        QTest::addColumn<Vector3>("centre");
        QTest::addColumn<Vector3>("moments"); // about the mesh's X, Y, Z once matched
        QTest::addColumn<double>("angle");

        const Matrix4 turn = rotation(30, 1, 2, 2);
        // m·(b² + c²)/12 and so on, m = 1·2·3.
        QTest::newRow("box turned 30° and moved")
            << box({ 1, 2, 3 }, turn, { 3, -1, 2 }) << MassModel::Solid << 6.0
            << Vector3 { 3, -1, 2 } << Vector3 { 6.5, 5, 2.5 } << 30.0;
        // Five unit squares: the bottom at z = −½ and four walls centred at z = 0 put the centre
        // at −0.1; Ix = ∫y² + ∫z² = ¾ + 8/15 about it, Iz = ∫x² + ∫y² = 2·¾.
        const Vector3 openBoxMoments { 77.0 / 60, 77.0 / 60, 1.5 };
        QTest::newRow("open box, faces inward")
            << box({ 1, 1, 1 }, identityMatrix(), {}, true, true) << MassModel::Shell << 5.0
            << Vector3 { 0, 0, -0.1 } << openBoxMoments << 0.0;
        // Equal moments leave the axes among them free, however rounding tilts them: no turn.
        QTest::newRow("square rod turned about its axis and moved")
            << box({ 1, 3, 1 }, rotation(40, 0, 1, 0), { 3, -1, 2 }) << MassModel::Solid << 3.0
            << Vector3 { 3, -1, 2 } << Vector3 { 2.5, 0.5, 2.5 } << 0.0;
        QTest::newRow("inward-facing cube, turned")
            << box({ 2, 2, 2 }, turn, {}, true) << MassModel::Solid << 8.0 << Vector3 {}
            << 16.0 / 3 * Vector3 { 1, 1, 1 } << 0.0;
        // Closed and oriented, but the signed volumes weigh the inward cube negatively: taken
        // as surfaces instead, each of I = 5/18·m·s² about its centre, of areas 6 and 1.5.
        ObjMesh pair = box({ 1, 1, 1 });
        const ObjMesh inward = box({ 0.5, 0.5, 0.5 }, identityMatrix(), { 2.5, 0, 0 }, true);
        pair.vertices.insert(pair.vertices.end(), inward.vertices.begin(), inward.vertices.end());
        for (int index : inward.faces)
            pair.faces.push_back(index + 8);
        const double own = 5.0 / 18 * (6 + 1.5 * 0.25), across = own + 6 * 0.25 + 1.5 * 2 * 2;
        QTest::newRow("cube beside an inward cube")
            << pair << MassModel::Shell << 7.5 << Vector3 { 0.5, 0, 0 }
            << Vector3 { own, across, across } << 0.0;
    }
    void bodies()
    {
        QFETCH(ObjMesh, mesh);
        QFETCH(MassModel, model);
        QFETCH(double, mass);
        QFETCH(Vector3, centre);
        QFETCH(Vector3, moments);
        QFETCH(double, angle);

        const double tolerance = 1e-6; // the corners are floats
        const MassProperties p = massProperties(mesh);
        QCOMPARE(p.model, model);
        QVERIFY(std::abs(p.mass - mass) < tolerance);
        QVERIFY(norm(p.centreOfMass - centre) < tolerance);
        const PrincipalFrame frame = principalFrame(p);
        QVERIFY(norm(frame.moments - moments) < tolerance);
        QVERIFY(std::abs(frame.angleDegrees - angle) < 1e-4);
        QCOMPARE(needsPrincipalFrame(frame), angle > 1 || norm(centre) > 0.01 * p.size);

        // Drawn in that frame, the body is at the origin and on its principal axes.
        const Matrix4 move = meshToPrincipalFrame(frame);
        for (std::size_t v = 0; v < mesh.vertices.size(); v += 3) {
            const Vector3 p { mesh.vertices[v], mesh.vertices[v + 1], mesh.vertices[v + 2] };
            for (std::size_t r = 0; r < 3; ++r)
                mesh.vertices[v + r]
                    = float(dot({ move[r], move[4 + r], move[8 + r] }, p) + move[12 + r]);
        }
        const PrincipalFrame drawn = principalFrame(massProperties(mesh));
        QVERIFY(!needsPrincipalFrame(drawn) && norm(drawn.moments - moments) < tolerance);
    }
    void noBody_data()
    {
        QTest::addColumn<ObjMesh>("mesh");
        // About 3e-8 of its length wide: its moment about its length is below rounding.
        ObjMesh needle;
        needle.vertices = { 0, 0, 0, 1, 1, 1, 0.5f, 0.5f, 0.50000006f };
        needle.faces = { 0, 1, 2 };
        QTest::newRow("needle") << needle;
        ObjMesh cube = box({ 1, 1, 1 });
        cube.vertices[0] = NAN;
        QTest::newRow("a corner not a number") << cube;
        cube.vertices[0] = -INFINITY;
        QTest::newRow("an infinite corner") << cube;
    }
    void noBody()
    {
        QFETCH(ObjMesh, mesh);
        QVERIFY(massProperties(mesh).isEmpty());
    }
    void publishedTetrahedron()
    {
        // F. Tonon, J. Math. Stat. 1(1), 2004, example: I = [a −b′ −c′; −b′ b −a′; −c′ −a′ c];
        // the centre is the mean of the corners.
        const std::vector<float> corners { 8.33220f, -11.86875f, 0.93355f, 0.75523f, 5, 16.37072f,
            52.61236f, 5, -5.38580f, 2, 5, 3 };
        const double a = 43520.33257, b = 194711.28938, c = 191168.76173, a1 = 4417.66150,
                     b1 = -46343.16662, c1 = 11996.20119;
        const double expected[9] { a, -c1, -b1, -c1, b, -a1, -b1, -a1, c };
        const MassProperties p = massProperties(corners, { 0, 1, 2, 0, 3, 1, 0, 2, 3, 1, 3, 2 });
        QVERIFY(norm(p.centreOfMass - Vector3 { 15.9249475, 0.7828125, 3.7296175 }) < 1e-5);
        for (int i = 0; i < 9; ++i)
            QVERIFY2(
                std::abs(p.inertia[i] - expected[i]) < 1e-6 * b, qPrintable(QString::number(i)));
    }
    void slabRatios()
    {
        // The body of the 2 × 1 × ½ box, wherever it is put, moves as 1 : 3.4 : 4.
        const ObjMesh slab = box({ 2, 1, 0.5 }, rotation(30, 1, 2, 2), { 0.1, 0.2, 0.3 });
        const PrincipalFrame frame = principalFrame(massProperties(slab));
        QVERIFY(norm(scaledToSmallestOne(frame.moments) - Vector3 { 1, 3.4, 4 }) < 1e-6);
    }
    void sphereConverges()
    {
        // An inscribed polyhedron's error shrinks as the square of its edges: I → 2/5·m·r².
        double previous = 0;
        for (int segments = 16; segments <= 128; segments *= 2) {
            const ObjMesh m = sphere(segments);
            const MassProperties p = massProperties(m);
            QCOMPARE(p.model, MassModel::Solid);
            const double worst
                = norm((1 / p.mass) * principalFrame(p).moments - 0.4 * Vector3 { 1, 1, 1 });
            QVERIFY(previous == 0 || (worst < previous / 3 && worst > previous / 5));
            previous = worst;
        }
    }
};

QTEST_APPLESS_MAIN(TestMassProperties)
#include "tst_massproperties.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#include "massproperties.h"

#include <QtTest>

using namespace vorlix;

struct Mesh {
    std::vector<float> vertices;
    std::vector<int> faces;
};

Q_DECLARE_METATYPE(Mesh)
Q_DECLARE_METATYPE(MassModel)
Q_DECLARE_METATYPE(Vector3)
Q_DECLARE_METATYPE(Matrix4)

/// The box of the given sides about the origin, turned and then moved; counter-clockwise
/// from outside unless `inward`; without its +z face when `open`.
Mesh box(Vector3 sides, const Matrix4 &turn = identityMatrix(), Vector3 shift = {},
    bool inward = false, bool open = false)
{
    Mesh m;
    for (int i = 0; i < 8; ++i) {
        const Vector3 p = shift
            + toWorld(turn,
                0.5
                    * Vector3 { i & 1 ? sides.x : -sides.x, i & 2 ? sides.y : -sides.y,
                        i & 4 ? sides.z : -sides.z });
        m.vertices.insert(m.vertices.end(), { float(p.x), float(p.y), float(p.z) });
    }
    // −x, +x, −y, +y, −z, +z; corner i has bit 0 for x, 1 for y, 2 for z.
    const int quads[6][4] = { { 0, 4, 6, 2 }, { 1, 3, 7, 5 }, { 0, 1, 5, 4 }, { 2, 6, 7, 3 },
        { 0, 2, 3, 1 }, { 4, 5, 7, 6 } };
    for (int q = 0; q < (open ? 5 : 6); ++q) {
        const int *v = quads[q];
        m.faces.insert(m.faces.end(), { v[0], v[1], v[2], v[0], v[2], v[3] });
    }
    if (inward)
        for (std::size_t t = 0; t < m.faces.size(); t += 3)
            std::swap(m.faces[t + 1], m.faces[t + 2]);
    return m;
}

/// A unit sphere of `segments` meridians and segments/2 − 1 parallels, closed at the poles.
Mesh sphere(int segments)
{
    Mesh m;
    const int parallels = segments / 2 - 1;
    const auto add = [&](double theta, double phi) {
        m.vertices.insert(m.vertices.end(),
            { float(std::sin(theta) * std::cos(phi)), float(std::cos(theta)),
                float(std::sin(theta) * std::sin(phi)) });
    };
    add(0, 0);
    for (int i = 1; i <= parallels; ++i)
        for (int j = 0; j < segments; ++j)
            add(M_PI * i / (parallels + 1), 2 * M_PI * j / segments);
    add(M_PI, 0);
    const int south = 1 + parallels * segments;
    const auto at = [&](int i, int j) { return 1 + (i - 1) * segments + j % segments; };
    for (int j = 0; j < segments; ++j) {
        m.faces.insert(m.faces.end(),
            { 0, at(1, j + 1), at(1, j), south, at(parallels, j), at(parallels, j + 1) });
        for (int i = 1; i < parallels; ++i)
            m.faces.insert(m.faces.end(),
                { at(i, j), at(i, j + 1), at(i + 1, j + 1), at(i, j), at(i + 1, j + 1),
                    at(i + 1, j) });
    }
    return m;
}

bool near(const Vector3 &a, const Vector3 &b, double tolerance)
{
    return norm(a - b) <= tolerance;
}

class TestMassProperties : public QObject {
    Q_OBJECT

private slots:
    void bodies_data();
    void bodies();
    void publishedTetrahedron();
    void slabRatios();
    void sphereConverges();
};

void TestMassProperties::bodies_data()
{
    QTest::addColumn<Mesh>("mesh");
    QTest::addColumn<MassModel>("model");
    QTest::addColumn<double>("mass");
    QTest::addColumn<Vector3>("centre");
    QTest::addColumn<Vector3>("moments"); // about the mesh's X, Y, Z once matched
    QTest::addColumn<Matrix4>("axes");
    QTest::addColumn<double>("angle");

    const Matrix4 one = identityMatrix();
    const Matrix4 turn = rotation(30, 1, 2, 2);
    // m·(b² + c²)/12 and so on, m = 1·2·3.
    QTest::newRow("box") << box({ 1, 2, 3 }) << MassModel::Solid << 6.0 << Vector3 {}
                         << Vector3 { 6.5, 5, 2.5 } << one << 0.0;
    QTest::newRow("box turned 30° and moved")
        << box({ 1, 2, 3 }, turn, { 3, -1, 2 }) << MassModel::Solid << 6.0 << Vector3 { 3, -1, 2 }
        << Vector3 { 6.5, 5, 2.5 } << turn << 30.0;
    QTest::newRow("inward-facing cube")
        << box({ 2, 2, 2 }, one, {}, true) << MassModel::Solid << 8.0 << Vector3 {}
        << 16.0 / 3 * Vector3 { 1, 1, 1 } << one << 0.0;
    // Five unit squares: the bottom at z = −½ and four walls centred at z = 0 put the centre
    // at −0.1; Ix = ∫y² + ∫z² = ¾ + 8/15 about it, Iz = ∫x² + ∫y² = 2·¾.
    const Vector3 openBoxMoments { 77.0 / 60, 77.0 / 60, 1.5 };
    QTest::newRow("open box") << box({ 1, 1, 1 }, one, {}, false, true) << MassModel::Shell << 5.0
                              << Vector3 { 0, 0, -0.1 } << openBoxMoments << one << 0.0;
    QTest::newRow("open box, inward")
        << box({ 1, 1, 1 }, one, {}, true, true) << MassModel::Shell << 5.0
        << Vector3 { 0, 0, -0.1 } << openBoxMoments << one << 0.0;
    // Equal moments leave the axes among them free: no turn is needed.
    QTest::newRow("square rod turned about its axis")
        << box({ 1, 3, 1 }, rotation(40, 0, 1, 0)) << MassModel::Solid << 3.0 << Vector3 {}
        << Vector3 { 2.5, 0.5, 2.5 } << one << 0.0;
    QTest::newRow("cube turned") << box({ 2, 2, 2 }, turn) << MassModel::Solid << 8.0 << Vector3 {}
                                 << 16.0 / 3 * Vector3 { 1, 1, 1 } << one << 0.0;
}

void TestMassProperties::bodies()
{
    QFETCH(Mesh, mesh);
    QFETCH(MassModel, model);
    QFETCH(double, mass);
    QFETCH(Vector3, centre);
    QFETCH(Vector3, moments);
    QFETCH(Matrix4, axes);
    QFETCH(double, angle);

    // The corners are floats.
    const double tolerance = 1e-6;
    const MassProperties p = massProperties(mesh.vertices, mesh.faces);
    QCOMPARE(p.model, model);
    QVERIFY(std::abs(p.mass - mass) < tolerance);
    QVERIFY(near(p.centreOfMass, centre, tolerance));
    const PrincipalFrame frame = principalFrame(p);
    QVERIFY(near(frame.moments, moments, tolerance));
    for (int i = 0; i < 3; ++i)
        QVERIFY(near(column(frame.rotation, i), column(axes, i), tolerance));
    QVERIFY(std::abs(frame.angleDegrees - angle) < 1e-4);
    QCOMPARE(needsPrincipalFrame(frame), angle > 1 || norm(centre) > 0.01 * p.size);

    // Drawn in that frame, the body is at the origin and on its principal axes.
    const Matrix4 move = meshToPrincipalFrame(frame);
    for (std::size_t v = 0; v < mesh.vertices.size(); v += 3) {
        const Vector3 p { mesh.vertices[v], mesh.vertices[v + 1], mesh.vertices[v + 2] };
        for (int r = 0; r < 3; ++r)
            mesh.vertices[v + std::size_t(r)]
                = float(dot(Vector3 { move[r], move[4 + r], move[8 + r] }, p) + move[12 + r]);
    }
    const PrincipalFrame drawn = principalFrame(massProperties(mesh.vertices, mesh.faces));
    QVERIFY(!needsPrincipalFrame(drawn));
    QVERIFY(near(drawn.moments, moments, tolerance));
}

void TestMassProperties::publishedTetrahedron()
{
    // F. Tonon, J. Math. Stat. 1(1), 2004, example: I = [a −b′ −c′; −b′ b −a′; −c′ −a′ c];
    // the centre is the mean of the corners.
    const Mesh tetrahedron { { 8.33220f, -11.86875f, 0.93355f, 0.75523f, 5.0f, 16.37072f, 52.61236f,
                                 5.0f, -5.38580f, 2.0f, 5.0f, 3.0f },
        { 0, 1, 2, 0, 3, 1, 0, 2, 3, 1, 3, 2 } };
    const double a = 43520.33257, b = 194711.28938, c = 191168.76173;
    const double a1 = 4417.66150, b1 = -46343.16662, c1 = 11996.20119;
    const std::array<double, 9> expected { a, -c1, -b1, -c1, b, -a1, -b1, -a1, c };
    const MassProperties p = massProperties(tetrahedron.vertices, tetrahedron.faces);
    QVERIFY(near(p.centreOfMass, { 15.9249475, 0.7828125, 3.7296175 }, 1e-5));
    for (int i = 0; i < 9; ++i)
        QVERIFY2(std::abs(p.inertia[i] - expected[i]) < 1e-6 * b, qPrintable(QString::number(i)));
}

void TestMassProperties::slabRatios()
{
    // The body of the 2 × 1 × ½ box, wherever it is put, moves as 1 : 3.4 : 4.
    const Mesh slab = box({ 2, 1, 0.5 }, rotation(30, 1, 2, 2), { 0.1, 0.2, 0.3 });
    const Vector3 ratios
        = scaledToSmallestOne(principalFrame(massProperties(slab.vertices, slab.faces)).moments);
    QVERIFY(near(ratios, { 1, 3.4, 4 }, 1e-6));
}

void TestMassProperties::sphereConverges()
{
    // An inscribed polyhedron's error shrinks as the square of its edges: I → 2/5·m·r².
    double previous = 0;
    for (int segments = 16; segments <= 128; segments *= 2) {
        const Mesh m = sphere(segments);
        const MassProperties p = massProperties(m.vertices, m.faces);
        QCOMPARE(p.model, MassModel::Solid);
        const Vector3 error = (1 / p.mass) * principalFrame(p).moments - Vector3 { 0.4, 0.4, 0.4 };
        const double worst = std::max({ std::abs(error.x), std::abs(error.y), std::abs(error.z) });
        QVERIFY2(previous == 0 || (worst < previous / 3 && worst > previous / 5),
            qPrintable(QString("%1 after %2").arg(worst).arg(previous)));
        previous = worst;
    }
}

QTEST_APPLESS_MAIN(TestMassProperties)
#include "tst_massproperties.moc"

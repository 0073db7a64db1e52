// SPDX-License-Identifier: GPL-3.0-or-later
#include "massproperties.h"

#include <Eigen/Eigenvalues>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace vorlix {

namespace {

Vector3 vertexAt(const std::vector<float> &vertices, int index)
{
    return { vertices[3 * std::size_t(index)], vertices[3 * std::size_t(index) + 1],
        vertices[3 * std::size_t(index) + 2] };
}

/// One number per vertex position: the lowest index of the vertices at that exact position.
/// Positions are compared by their bits, an order that holds even for NaN coordinates.
std::vector<int> positionIds(const std::vector<float> &vertices)
{
    using Position = std::array<std::uint32_t, 3>;
    const std::size_t count = vertices.size() / 3;
    std::vector<std::pair<Position, int>> sorted(count);
    for (std::size_t i = 0; i < count; ++i) {
        // −0 and +0 are one coordinate: exporters write tiny values as "-0.000000".
        const float position[3]
            = { vertices[3 * i] + 0.0f, vertices[3 * i + 1] + 0.0f, vertices[3 * i + 2] + 0.0f };
        std::memcpy(sorted[i].first.data(), position, sizeof position);
        sorted[i].second = int(i);
    }
    std::sort(sorted.begin(), sorted.end());
    std::vector<int> ids(count);
    int first = 0;
    for (std::size_t k = 0; k < count; ++k) {
        if (k == 0 || sorted[k].first != sorted[k - 1].first)
            first = sorted[k].second;
        ids[std::size_t(sorted[k].second)] = first;
    }
    return ids;
}

/// Every edge borne by exactly two triangles that run along it in opposite directions:
/// the surface is closed and its faces agree on which side is out. Each directed edge is
/// one key, the undirected edge in the high bits and its direction in the lowest, so after
/// sorting an edge of a closed, oriented surface is a pair of keys differing in that bit.
bool closedAndOriented(const std::vector<std::array<int, 3>> &triangles)
{
    std::vector<std::uint64_t> keys;
    keys.reserve(3 * triangles.size());
    for (const auto &t : triangles)
        for (int k = 0; k < 3; ++k) {
            const std::uint64_t from = std::uint64_t(t[std::size_t(k)]);
            const std::uint64_t to = std::uint64_t(t[std::size_t((k + 1) % 3)]);
            keys.push_back((std::min(from, to) << 32 | std::max(from, to)) << 1 | (from < to));
        }
    std::sort(keys.begin(), keys.end());
    if (keys.size() % 2 != 0)
        return false;
    for (std::size_t k = 0; k < keys.size(); k += 2) {
        const bool pair = keys[k] + 1 == keys[k + 1] && (keys[k] & 1) == 0;
        const bool alone = k + 2 == keys.size() || keys[k + 2] >> 1 != keys[k] >> 1;
        if (!pair || !alone)
            return false;
    }
    return true;
}

/// Mass, first moment ∫x dm and second moments ∫x xᵀ dm (xx, yy, zz, xy, xz, yz) of a body
/// built up from simplices.
struct Integrals {
    double mass = 0;
    Vector3 first;
    std::array<double, 6> second {};

    /// A simplex with the vertices a, b, c (and the origin, for a tetrahedron): its first
    /// moment is firstWeight·s and its second moments secondWeight·(a aᵀ + b bᵀ + c cᵀ + s sᵀ),
    /// s = a + b + c. Both follow from the means of products of barycentric coordinates,
    /// E[λi λj] = (1 + δij)/((n + 1)(n + 2)) on an n-simplex.
    void add(double simplexMass, double firstWeight, double secondWeight, const Vector3 &a,
        const Vector3 &b, const Vector3 &c)
    {
        const Vector3 s = a + b + c;
        mass += simplexMass;
        first += firstWeight * s;
        const auto sum = [&](double Vector3::*i, double Vector3::*j) {
            return secondWeight * (a.*i * a.*j + b.*i * b.*j + c.*i * c.*j + s.*i * s.*j);
        };
        second[0] += sum(&Vector3::x, &Vector3::x);
        second[1] += sum(&Vector3::y, &Vector3::y);
        second[2] += sum(&Vector3::z, &Vector3::z);
        second[3] += sum(&Vector3::x, &Vector3::y);
        second[4] += sum(&Vector3::x, &Vector3::z);
        second[5] += sum(&Vector3::y, &Vector3::z);
    }
};

/// The result for integrals taken about `reference`: moved to the centre of mass by the
/// parallel-axis rule, C = S − m·g gᵀ, then I = tr(C)·1 − C.
MassProperties fromIntegrals(
    MassModel model, const Integrals &integrals, const Vector3 &reference, double size)
{
    MassProperties result;
    result.model = model;
    result.mass = integrals.mass;
    result.size = size;
    const Vector3 g = (1 / integrals.mass) * integrals.first;
    result.centreOfMass = reference + g;
    const double m = integrals.mass;
    const std::array<double, 6> &s = integrals.second;
    const double xx = s[0] - m * g.x * g.x, yy = s[1] - m * g.y * g.y, zz = s[2] - m * g.z * g.z;
    const double xy = s[3] - m * g.x * g.y, xz = s[4] - m * g.x * g.z, yz = s[5] - m * g.y * g.z;
    result.inertia = { yy + zz, -xy, -xz, -xy, xx + zz, -yz, -xz, -yz, xx + yy };
    return result;
}

/// The principal moments, ascending.
Eigen::Vector3d principalMoments(const std::array<double, 9> &inertia)
{
    const Eigen::Matrix3d tensor = Eigen::Map<const Eigen::Matrix3d>(inertia.data());
    return Eigen::SelfAdjointEigenSolver<Eigen::Matrix3d>(tensor, Eigen::EigenvaluesOnly)
        .eigenvalues();
}

/// The body, unless its smallest moment is lost in rounding, which happens to a needle
/// (width below about 1e-6 of its length): the moments are only ever used divided by it.
MassProperties unlessNeedle(const MassProperties &body)
{
    const Eigen::Vector3d moments = principalMoments(body.inertia);
    return moments[0] > 1e-12 * moments[2] ? body : MassProperties {};
}

Matrix4 toMatrix4(const Eigen::Matrix3d &r)
{
    Matrix4 m = identityMatrix();
    for (int c = 0; c < 3; ++c)
        for (int row = 0; row < 3; ++row)
            m[std::size_t(c * 4 + row)] = r(row, c);
    return m;
}

/// The smallest rotation that takes one of the mesh's axes onto the line of the unit vector
/// a: the axis closest to that line, turned about their common normal.
Eigen::Matrix3d smallestTurnOntoAxis(const Eigen::Vector3d &a)
{
    Eigen::Index k = 0;
    a.cwiseAbs().maxCoeff(&k);
    const Eigen::Vector3d target = a[k] < 0 ? Eigen::Vector3d(-a) : a;
    const Eigen::Vector3d from = Eigen::Vector3d::Unit(k);
    const Eigen::Vector3d normal = from.cross(target);
    const double angle = std::atan2(normal.norm(), from.dot(target));
    if (normal.norm() == 0)
        return Eigen::Matrix3d::Identity();
    return Eigen::AngleAxisd(angle, normal.normalized()).toRotationMatrix();
}

/// Of the proper rotations whose columns are ± the eigenvectors in some order, the one of
/// largest trace, which is the one of smallest angle (cos θ = (tr − 1)/2). The largest
/// trace of all 48 signed orders is never a mirror's: a mirror's trace is at most 1, and one
/// of the 24 rotations among them is always within 62.8° of the identity (trace > 1.9), the
/// widest misorientation a cube's symmetry leaves.
Eigen::Matrix3d closestProperFrame(const Eigen::Matrix3d &axes)
{
    std::array<int, 3> order { 0, 1, 2 };
    Eigen::Matrix3d best = Eigen::Matrix3d::Identity();
    double bestTrace = -std::numeric_limits<double>::infinity();
    do {
        for (int signs = 0; signs < 8; ++signs) {
            Eigen::Matrix3d r;
            for (int j = 0; j < 3; ++j)
                r.col(j) = (signs >> j & 1 ? -1.0 : 1.0) * axes.col(order[std::size_t(j)]);
            if (r.trace() > bestTrace) {
                bestTrace = r.trace();
                best = r;
            }
        }
    } while (std::next_permutation(order.begin(), order.end()));
    return best;
}

} // namespace

// The solid's integrals are sums over signed tetrahedra from a reference point to each
// face, by the divergence theorem as in B. Mirtich, "Fast and Accurate Computation of
// Polyhedral Mass Properties", J. Graphics Tools 1(2), 1996, in the closed form of
// F. Tonon, "Explicit Exact Formulas for the 3-D Tetrahedron Inertia Tensor in Terms of
// its Vertex Coordinates", J. Math. Stat. 1(1), 2004. The reference is the bounding box's
// centre, which keeps the sums accurate for a mesh modelled far from its origin.
MassProperties massProperties(const std::vector<float> &vertices, const std::vector<int> &triangles)
{
    const std::vector<int> ids = positionIds(vertices);
    std::vector<std::array<int, 3>> faces;
    faces.reserve(triangles.size() / 3);
    Vector3 low { HUGE_VAL, HUGE_VAL, HUGE_VAL }, high = -low;
    for (std::size_t t = 0; t + 2 < triangles.size(); t += 3) {
        const std::array<int, 3> face { ids[std::size_t(triangles[t])],
            ids[std::size_t(triangles[t + 1])], ids[std::size_t(triangles[t + 2])] };
        if (face[0] == face[1] || face[1] == face[2] || face[0] == face[2])
            continue;
        faces.push_back(face);
        for (const int v : face) {
            const Vector3 p = vertexAt(vertices, v);
            low = { std::min(low.x, p.x), std::min(low.y, p.y), std::min(low.z, p.z) };
            high = { std::max(high.x, p.x), std::max(high.y, p.y), std::max(high.z, p.z) };
        }
    }
    if (faces.empty())
        return {};
    const double size = norm(high - low);
    const Vector3 reference = 0.5 * (low + high);

    Integrals solid, shell;
    for (const auto &face : faces) {
        const Vector3 a = vertexAt(vertices, face[0]) - reference;
        const Vector3 b = vertexAt(vertices, face[1]) - reference;
        const Vector3 c = vertexAt(vertices, face[2]) - reference;
        const double det = dot(a, cross(b, c));
        solid.add(det / 6, det / 24, det / 120, a, b, c);
        const double area = norm(cross(b - a, c - a)) / 2;
        shell.add(area, area / 3, area / 12, a, b, c);
    }

    // Rounding leaves a flat closed surface a volume of about 1e-16 of size³ per face.
    const double negligibleVolume = 1e-9 * size * size * size;
    if (std::abs(solid.mass) > negligibleVolume && closedAndOriented(faces)) {
        if (solid.mass < 0) {
            solid.mass = -solid.mass;
            solid.first = -solid.first;
            for (double &s : solid.second)
                s = -s;
        }
        // A surface that passes through itself counts some space with negative density,
        // which shows as a largest moment above the sum of the other two (along its axis,
        // I₁ + I₂ − I₃ = 2·∫z² dm about the centre of mass, never negative for real matter).
        const MassProperties body = fromIntegrals(MassModel::Solid, solid, reference, size);
        const Eigen::Vector3d moments = principalMoments(body.inertia);
        if (moments[2] <= (moments[0] + moments[1]) * (1 + 1e-9))
            return unlessNeedle(body);
    }
    if (!(shell.mass > 1e-12 * size * size))
        return {};
    return unlessNeedle(fromIntegrals(MassModel::Shell, shell, reference, size));
}

PrincipalFrame principalFrame(const MassProperties &properties)
{
    // Symmetric, so the row-major array reads the same as Eigen's column-major layout.
    const Eigen::Matrix3d tensor = Eigen::Map<const Eigen::Matrix3d>(properties.inertia.data());
    const Eigen::SelfAdjointEigenSolver<Eigen::Matrix3d> solver(tensor);
    const Eigen::Vector3d &moments = solver.eigenvalues(); // ascending
    const Eigen::Matrix3d &axes = solver.eigenvectors();

    // Moments this close are equal for the body's motion, and the axes among them are
    // ill-determined by rounding; choosing them freely leaves products of inertia below
    // this fraction of the largest moment.
    const double equalWithin = 1e-4 * moments[2];
    const bool lowerPairEqual = moments[1] - moments[0] <= equalWithin;
    const bool upperPairEqual = moments[2] - moments[1] <= equalWithin;
    Eigen::Matrix3d r;
    if (lowerPairEqual && upperPairEqual)
        r = Eigen::Matrix3d::Identity();
    else if (lowerPairEqual || upperPairEqual)
        r = smallestTurnOntoAxis(axes.col(lowerPairEqual ? 2 : 0));
    else
        r = closestProperFrame(axes);

    PrincipalFrame frame;
    const Eigen::Vector3d turned = (r.transpose() * tensor * r).diagonal();
    frame.moments = { turned[0], turned[1], turned[2] };
    frame.rotation = toMatrix4(r);
    frame.angleDegrees = std::acos(std::clamp((r.trace() - 1) / 2, -1.0, 1.0)) * 180 / M_PI;
    frame.centreOfMass = properties.centreOfMass;
    frame.size = properties.size;
    return frame;
}

bool needsPrincipalFrame(const PrincipalFrame &frame)
{
    return norm(frame.centreOfMass) > 0.01 * frame.size || frame.angleDegrees > 1;
}

Matrix4 meshToPrincipalFrame(const PrincipalFrame &frame)
{
    Matrix4 m = identityMatrix();
    for (int c = 0; c < 3; ++c) {
        const Vector3 axis = column(frame.rotation, c);
        m[0 * 4 + std::size_t(c)] = axis.x;
        m[1 * 4 + std::size_t(c)] = axis.y;
        m[2 * 4 + std::size_t(c)] = axis.z;
        m[12 + std::size_t(c)] = -dot(axis, frame.centreOfMass);
    }
    return m;
}

Vector3 scaledToSmallestOne(const Vector3 &moments)
{
    return (1 / std::min({ moments.x, moments.y, moments.z })) * moments;
}

} // namespace vorlix

// SPDX-License-Identifier: GPL-3.0-or-later
#include "featureedges.h"

#include "vector3.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <tuple>

namespace vorlix {

namespace {

/// One side of a triangle, by the welded numbers of its ends (lower first).
struct Side {
    int low, high, triangle;
};

Vector3 position(const std::vector<float> &vertices, int index)
{
    return { vertices[3 * index], vertices[3 * index + 1], vertices[3 * index + 2] };
}

/// For each vertex, the smallest index of a vertex at the same position (itself if none),
/// or −1 where a coordinate is no number: such a vertex belongs to no drawable triangle.
std::vector<int> weld(const std::vector<float> &vertices)
{
    const int count = int(vertices.size() / 3);
    std::vector<int> order;
    order.reserve(count);
    for (int i = 0; i < count; ++i)
        if (isFinite(position(vertices, i)))
            order.push_back(i);
    const auto key = [&vertices](int i) {
        return std::tie(vertices[3 * i], vertices[3 * i + 1], vertices[3 * i + 2]);
    };
    // Stable, so that the first of each run of equal positions is its smallest index.
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return key(a) < key(b); });
    std::vector<int> welded(count, -1);
    for (std::size_t k = 0; k < order.size(); ++k)
        welded[order[k]]
            = k > 0 && key(order[k]) == key(order[k - 1]) ? welded[order[k - 1]] : order[k];
    return welded;
}

} // namespace

std::vector<float> featureEdges(const ObjMesh &mesh, double creaseDegrees)
{
    const std::vector<int> welded = weld(mesh.vertices);
    const int triangles = mesh.triangleCount();
    std::vector<Vector3> normals(triangles);
    std::vector<Side> sides;
    sides.reserve(3 * std::size_t(triangles));
    for (int t = 0; t < triangles; ++t) {
        std::array<int, 3> v;
        for (int k = 0; k < 3; ++k)
            v[k] = welded[mesh.faces[3 * t + k]];
        if (std::min({ v[0], v[1], v[2] }) < 0)
            continue;
        const Vector3 a = position(mesh.vertices, v[0]);
        const Vector3 n
            = cross(position(mesh.vertices, v[1]) - a, position(mesh.vertices, v[2]) - a);
        const double length = norm(n);
        if (length == 0)
            continue;
        normals[t] = (1 / length) * n;
        for (int k = 0; k < 3; ++k)
            sides.push_back({ std::min(v[k], v[(k + 1) % 3]), std::max(v[k], v[(k + 1) % 3]), t });
    }
    std::sort(sides.begin(), sides.end(), [](const Side &a, const Side &b) {
        return std::tie(a.low, a.high, a.triangle) < std::tie(b.low, b.high, b.triangle);
    });

    const double creaseCosine = std::cos(creaseDegrees * M_PI / 180);
    std::vector<float> segments;
    for (std::size_t first = 0, next; first < sides.size(); first = next) {
        next = first + 1;
        while (next < sides.size() && sides[next].low == sides[first].low
            && sides[next].high == sides[first].high)
            ++next;
        const bool smooth = next - first == 2
            && dot(normals[sides[first].triangle], normals[sides[first + 1].triangle])
                >= creaseCosine;
        if (smooth)
            continue;
        for (int end : { sides[first].low, sides[first].high })
            segments.insert(segments.end(), mesh.vertices.begin() + 3 * end,
                mesh.vertices.begin() + 3 * end + 3);
    }
    return segments;
}

} // namespace vorlix

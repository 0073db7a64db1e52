// SPDX-License-Identifier: GPL-3.0-or-later
#include "segmentculling.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vorlix {

namespace {

constexpr double joinTolerance = 1.0;
constexpr std::size_t longestRun = 64;

using WindowPoint = SegmentCulling::WindowPoint;

WindowPoint toWindowPoint(const double *m, const float *p)
{
    const double w = m[3] * p[0] + m[7] * p[1] + m[11] * p[2] + m[15];
    if (!(w > 0))
        return { 0, 0, 0, false };
    return { (m[0] * p[0] + m[4] * p[1] + m[8] * p[2] + m[12]) / w,
        (m[1] * p[0] + m[5] * p[1] + m[9] * p[2] + m[13]) / w,
        (m[2] * p[0] + m[6] * p[1] + m[10] * p[2] + m[14]) / w, true };
}

double distanceToChord(const WindowPoint &q, const WindowPoint &a, const WindowPoint &b)
{
    const double ab[3] = { b.x - a.x, b.y - a.y, b.z - a.z };
    const double aq[3] = { q.x - a.x, q.y - a.y, q.z - a.z };
    const double length2 = ab[0] * ab[0] + ab[1] * ab[1] + ab[2] * ab[2];
    const double along = ab[0] * aq[0] + ab[1] * aq[1] + ab[2] * aq[2];
    const double t = length2 > 0 ? std::clamp(along / length2, 0.0, 1.0) : 0.0;
    const double d[3] = { aq[0] - t * ab[0], aq[1] - t * ab[1], aq[2] - t * ab[2] };
    return std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
}

} // namespace

void SegmentCulling::endRun(std::vector<float> &kept)
{
    if (runFrom) {
        kept.insert(kept.end(), runFrom, runFrom + 3);
        kept.insert(kept.end(), runTo, runTo + 3);
    }
    runFrom = runTo = nullptr;
    runPoints.clear();
}

void SegmentCulling::join(const float *from, const float *to, const WindowPoint &a,
    const WindowPoint &b, std::vector<float> &kept)
{
    if (runFrom && runPoints.size() < longestRun && std::equal(from, from + 3, runTo)
        && std::all_of(runPoints.begin() + 1, runPoints.end(), [&](const WindowPoint &q) {
               return distanceToChord(q, runPoints.front(), b) <= joinTolerance;
           })) {
        runTo = to;
        runPoints.push_back(b);
        return;
    }
    endRun(kept);
    runFrom = from;
    runTo = to;
    runPoints = { a, b };
}

void SegmentCulling::cull(const std::vector<float> &segments, const double *toWindow, int width,
    int height, double depthTolerance, std::vector<float> &kept)
{
    kept.clear();
    if (width <= 0 || height <= 0)
        return;
    const std::size_t cells = std::size_t(width) * std::size_t(height);
    if (nearest.size() != cells)
        nearest.assign(cells, std::numeric_limits<float>::infinity());
    for (std::size_t s = 0; s + 6 <= segments.size(); s += 6) {
        const WindowPoint a = toWindowPoint(toWindow, &segments[s]);
        const WindowPoint b = toWindowPoint(toWindow, &segments[s + 3]);
        if (!a.valid || !b.valid) {
            // Behind the eye of a perspective view: GL clips what it needs to.
            endRun(kept);
            kept.insert(kept.end(), &segments[s], &segments[s] + 6);
            continue;
        }
        // One sample a pixel along the longer axis touches every pixel the line crosses.
        const double steps = std::ceil(std::max(std::abs(b.x - a.x), std::abs(b.y - a.y)));
        const int n = steps < 1e6 ? int(steps) : 1000000;
        samples.clear();
        sampleDepths.clear();
        bool covered = true;
        for (int k = 0; k <= n; ++k) {
            const double t = n > 0 ? double(k) / n : 0;
            const double x = a.x + t * (b.x - a.x), y = a.y + t * (b.y - a.y);
            if (!(x >= 0 && x < width && y >= 0 && y < height))
                continue;
            const int cell = int(y) * width + int(x);
            const float z = float(a.z + t * (b.z - a.z));
            samples.push_back(cell);
            sampleDepths.push_back(z);
            covered = covered && nearest[std::size_t(cell)] <= z + depthTolerance;
        }
        if (covered)
            continue;
        join(&segments[s], &segments[s + 3], a, b, kept);
        for (std::size_t i = 0; i < samples.size(); ++i) {
            float &depth = nearest[std::size_t(samples[i])];
            if (std::isinf(depth))
                touched.push_back(samples[i]);
            depth = std::min(depth, sampleDepths[i]);
        }
    }
    endRun(kept);
    for (int cell : touched)
        nearest[std::size_t(cell)] = std::numeric_limits<float>::infinity();
    touched.clear();
}

} // namespace vorlix

// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_TRACETHINNING_H
#define VORLIX_TRACETHINNING_H

#include <cstdint>
#include <unordered_set>
#include <vector>

namespace vorlix {

/// A copy of a growing polyline with the points closer than one cell merged, kept up to
/// date as points are appended: every point is snapped to the centre of its cell in a
/// cubic grid, a point in the same cell as the last one kept is dropped, and a segment
/// between two cells already joined is kept only once, however often the line passes.
/// Under a rotation followed by an orthographic projection no distance grows, so with a
/// cell of one pixel the copy strays from the line by under a pixel in every view, and a
/// line that retraces itself does not grow the copy.
class ThinnedPolyline {
public:
    /// Starts empty with the given cell side (> 0).
    explicit ThinnedPolyline(double cell = 1);
    /// Forgets every point and takes a new cell side.
    void reset(double cell);
    /// Takes in the points [appendedCount(), count) of `points` (x, y, z each); the earlier
    /// ones must be those already taken in.
    void extend(const double *points, int count);
    /// Points taken in since the last reset.
    int appendedCount() const { return appended; }
    double cellSide() const { return cell; }
    /// The kept segments, two points of x, y, z each, for GL_LINES.
    const std::vector<float> &segmentPoints() const { return vertices; }
    /// The segment (two points of x, y, z) that taking in `point` next would add, written
    /// to `segment`; false if it would add none.
    bool segmentTo(const double *point, float *segment) const;

private:
    struct Segment {
        std::uint64_t from, to;
        bool operator==(const Segment &other) const { return from == other.from && to == other.to; }
    };
    struct SegmentHash {
        std::size_t operator()(const Segment &s) const
        {
            return std::hash<std::uint64_t>()(s.from * 0x9E3779B97F4A7C15ull ^ s.to);
        }
    };
    void pushCentre(const std::int64_t *cellIndex);
    /// The cell of a finite point; false for a point that is not.
    bool cellOf(const double *point, std::int64_t *cellIndex) const;
    bool joins(const std::int64_t *cellIndex) const;

    double cell;
    int appended = 0;
    bool hasLast = false;
    std::int64_t lastCell[3] = {};
    std::unordered_set<Segment, SegmentHash> keptSegments;
    std::vector<float> vertices;
};

} // namespace vorlix

#endif

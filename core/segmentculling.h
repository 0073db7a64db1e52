// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_SEGMENTCULLING_H
#define VORLIX_SEGMENTCULLING_H

#include <vector>

namespace vorlix {

/// Drops, for one view, the segments of a single-coloured line whose every pixel an
/// earlier kept segment already covers at the same depth or nearer. A long path that
/// winds over itself on screen (a herpolhode seen edge-on, a polhode's laps drifting
/// apart by less than a pixel) then costs the pixels it shows, not its length: software
/// GL pays for every segment it rasterises, even over pixels already drawn. Kept segments
/// that follow on one another are joined where the join strays from them by at most a
/// pixel on screen (the copy's cell centres zigzag by half a pixel about the path, and the
/// lines are two pixels wide), so that a smooth curve costs its bends, not its points.
class SegmentCulling {
public:
    /// A point in the window: x and y in pixels, z the depth; not valid behind the eye.
    struct WindowPoint {
        double x, y, z;
        bool valid;
    };

    /// Writes to `kept` those of `segments` (GL_LINES: two points of x, y, z a segment) a
    /// pixel of whose centre line no earlier kept segment covers nearer than
    /// `depthTolerance` behind it, joined as above. `toWindow` (column-major 4×4, as GL's)
    /// maps a point to the window: x and y in pixels of a `width` × `height` viewport, z the
    /// depth (smaller is nearer) in units like the pixels', w the divisor. Pixels outside the
    /// viewport count as covered.
    void cull(const std::vector<float> &segments, const double *toWindow, int width, int height,
        double depthTolerance, std::vector<float> &kept);

private:
    /// Extends the joined run by the kept segment from `from` to `to`, or ends it there.
    void join(const float *from, const float *to, const WindowPoint &a, const WindowPoint &b,
        std::vector<float> &kept);
    void endRun(std::vector<float> &kept);

    /// The joined run so far: its first and last point, and where the points it passes
    /// through fall in the window.
    const float *runFrom = nullptr, *runTo = nullptr;
    std::vector<WindowPoint> runPoints;
    /// The nearest depth kept at each pixel; cells a cull set are listed to be reset.
    std::vector<float> nearest;
    std::vector<int> touched;
    std::vector<int> samples;
    std::vector<float> sampleDepths;
};

} // namespace vorlix

#endif

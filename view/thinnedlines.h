// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_THINNEDLINES_H
#define VORLIX_THINNEDLINES_H

#include "segmentculling.h"
#include "tracethinning.h"

#include <QtGui/qopengl.h>

#include <array>
#include <vector>

/// A growing polyline thinned to a cell of about a pixel (vorlix::ThinnedPolyline), drawn
/// without the segments the view shows over pixels already drawn (vorlix::SegmentCulling).
/// Following the line and drawing it in a still view cost, on average, the points that are
/// new, not the line's length.
class ThinnedLines {
public:
    /// Follows the first `count` points (x, y, z each) at the given cell side. The newest
    /// may still move (a path replaces its last point while it runs straight); those before
    /// it must stay as they are, or the copy starts again, as it does when the cell changes.
    void follow(const double *points, int count, double cell);
    /// GL_LINES in the current colour, unlit.
    void draw();

private:
    bool startsAgain(const double *points, int count, double cell) const;
    /// The current matrices and viewport, as the key of what `shown` holds.
    using ViewKey = std::array<double, 36>;
    static ViewKey currentView();
    static void drawSegments(const float *points, std::size_t floats);

    vorlix::ThinnedPolyline polyline;
    const double *source = nullptr;
    /// The first and the last point taken in, to notice points replaced in place.
    double firstPoint[3] = {}, lastPoint[3] = {};
    /// The newest point, drawn joined to the copy but not yet taken into it.
    double newestPoint[3] = {};
    bool hasNewest = false;
    vorlix::SegmentCulling culling;
    std::vector<float> shown;
    /// The view `shown` was culled for, and how much of the copy it holds: segments new
    /// in a still view are added unculled until they are an eighth of what was culled, so
    /// that a growing path is not culled whole every frame. Stale once the copy starts again.
    ViewKey shownView = {};
    std::size_t shownFrom = 0, culledFrom = 0;
    bool shownStale = true;
};

#endif

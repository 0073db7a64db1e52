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
class ThinnedLines {
public:
    /// Takes in the first `count` points (x, y, z each) at the given cell side. The copy
    /// starts again when the cell, the generation or the points already taken in change.
    void follow(const double *points, int count, double cell, int generation = 0);
    /// GL_LINES in the current colour; lit: each point is also its normal.
    void draw(bool lit);
    /// Forgets the copy.
    void release();

private:
    bool startsAgain(const double *points, int count, double cell, int generation) const;
    /// The current matrices and viewport, as the key of what `shown` holds.
    using ViewKey = std::array<double, 36>;
    static ViewKey currentView();

    vorlix::ThinnedPolyline polyline;
    const double *source = nullptr;
    int sourceGeneration = 0;
    /// The first and the last point taken in, to notice points replaced in place.
    double firstPoint[3] = {}, lastPoint[3] = {};
    vorlix::SegmentCulling culling;
    std::vector<float> shown;
    /// The view and the size of the copy `shown` was culled for: a still view of a full
    /// path culls once. Stale once the copy starts again.
    ViewKey shownView = {};
    std::size_t shownFrom = 0;
    bool shownStale = true;
};

#endif

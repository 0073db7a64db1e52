// SPDX-License-Identifier: GPL-3.0-or-later
#include "thinnedlines.h"

#include "matrix4.h"

#include <algorithm>
#include <cstring>

namespace {

bool samePoint(const double *a, const double *b)
{
    return std::memcmp(a, b, 3 * sizeof(double)) == 0;
}

} // namespace

bool ThinnedLines::startsAgain(const double *points, int count, double cell) const
{
    const int taken = polyline.appendedCount();
    if (points != source || cell != polyline.cellSide() || count < taken)
        return true;
    return taken > 0
        && !(samePoint(points, firstPoint) && samePoint(points + 3 * (taken - 1), lastPoint));
}

void ThinnedLines::follow(const double *points, int count, double cell)
{
    const int settled = std::max(count - 1, 0);
    if (startsAgain(points, settled, cell)) {
        polyline.reset(cell);
        source = points;
        shownStale = true;
    }
    hasNewest = count > 0;
    if (hasNewest)
        std::copy_n(points + 3 * (count - 1), 3, newestPoint);
    if (settled == polyline.appendedCount())
        return;
    polyline.extend(points, settled);
    std::copy_n(points, 3, firstPoint);
    std::copy_n(points + 3 * (settled - 1), 3, lastPoint);
}

ThinnedLines::ViewKey ThinnedLines::currentView()
{
    ViewKey key;
    glGetDoublev(GL_MODELVIEW_MATRIX, key.data());
    glGetDoublev(GL_PROJECTION_MATRIX, key.data() + 16);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    std::copy_n(viewport, 4, key.data() + 32);
    return key;
}

void ThinnedLines::draw()
{
    const std::vector<float> &segments = polyline.segmentPoints();
    const ViewKey view = currentView();
    const bool grownMuch = 8 * (segments.size() - culledFrom) > culledFrom;
    if (shownStale || view != shownView || (segments.size() != shownFrom && grownMuch)) {
        vorlix::Matrix4 modelview, projection;
        std::copy_n(view.data(), 16, modelview.data());
        std::copy_n(view.data() + 16, 16, projection.data());
        const double width = view[34], height = view[35];
        // Normalised device coordinates to the viewport's pixels; depth in pixels too,
        // so that strands within a pixel of each other in depth count as one.
        vorlix::Matrix4 toPixels = vorlix::identityMatrix();
        toPixels[0] = toPixels[12] = width / 2;
        toPixels[5] = toPixels[13] = height / 2;
        toPixels[10] = width / 2;
        const vorlix::Matrix4 toWindow
            = vorlix::multiply(toPixels, vorlix::multiply(projection, modelview));
        culling.cull(segments, toWindow.data(), int(width), int(height), 1.0, shown);
        shownView = view;
        culledFrom = segments.size();
        shownStale = false;
    } else {
        // Drawing a segment over pixels of the same colour changes none of them.
        shown.insert(shown.end(), segments.begin() + std::ptrdiff_t(shownFrom), segments.end());
    }
    shownFrom = segments.size();
    glEnableClientState(GL_VERTEX_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);
    drawSegments(shown.data(), shown.size());
    float newest[6];
    if (hasNewest && polyline.segmentTo(newestPoint, newest))
        drawSegments(newest, 6);
}

void ThinnedLines::drawSegments(const float *points, std::size_t floats)
{
    if (floats == 0)
        return;
    glVertexPointer(3, GL_FLOAT, 0, points);
    glDrawArrays(GL_LINES, 0, GLsizei(floats / 3));
}

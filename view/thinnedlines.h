// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_THINNEDLINES_H
#define VORLIX_THINNEDLINES_H

#include "tracethinning.h"

#include <QOpenGLExtraFunctions>

/// A growing polyline thinned to a cell of about a pixel (vorlix::ThinnedPolyline), kept
/// in a vertex buffer that only the new segments are added to.
class ThinnedLines {
public:
    /// Takes in the first `count` points (x, y, z each) at the given cell side. The copy
    /// starts again when the cell, the generation or the points already taken in change.
    void follow(const double *points, int count, double cell, int generation = 0);
    /// GL_LINES in the current colour; lit: each point is also its normal.
    void draw(bool lit);
    /// Frees the vertex buffer; the context it was made in must be current.
    void release();

private:
    bool startsAgain(const double *points, int count, double cell, int generation) const;
    void upload(QOpenGLExtraFunctions *gl);

    vorlix::ThinnedPolyline polyline;
    const double *source = nullptr;
    int sourceGeneration = 0;
    /// The first and the last point taken in, to notice points replaced in place.
    double firstPoint[3] = {}, lastPoint[3] = {};
    GLuint buffer = 0;
    std::size_t capacity = 0, uploaded = 0;
};

#endif

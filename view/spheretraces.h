// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_SPHERETRACES_H
#define VORLIX_SPHERETRACES_H

#include "sphereraster.h"

#include <QOpenGLFunctions>

#include <array>
#include <vector>

struct ShownTrace;

/// The axis traces as a picture on the unit sphere they are recorded on: the cells of a
/// cube map texture they pass (vorlix::SphereRaster), drawn as one textured sphere whose
/// empty cells are left out. Its cost follows the sphere's area on screen, not the
/// traces' length, which suits a view that turns; only new points are added each frame.
class SphereTraces {
public:
    static constexpr int traceCount = 3;

    /// Draws the shown traces (null points: not shown) lit as their lines are, with cells
    /// of about a pixel for a square viewport of `viewportSide` pixels.
    void draw(const std::array<ShownTrace, traceCount> &traces, int viewportSide);
    /// Frees the GL objects; the context they were made in must be current.
    void release();

private:
    struct Followed {
        const double *points = nullptr;
        int generation = 0;
        int count = 0;
        const float *colour = nullptr;
    };
    bool startsAgain(const std::array<ShownTrace, traceCount> &traces, int side) const;
    void follow(const std::array<ShownTrace, traceCount> &traces);
    void upload(bool whole);
    void makeSphere();

    vorlix::SphereRaster raster;
    std::array<Followed, traceCount> followed;
    bool textureValid = false;
    GLuint texture = 0, sphereList = 0;
    std::vector<GLubyte> scratch;
};

#endif

// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_TRACELAYER_H
#define VORLIX_TRACELAYER_H

#include "spheretraces.h"

#include <QOpenGLExtraFunctions>
#include <QSize>

#include <array>

/// One trace as the view shows it: the points recorded so far and the colour of its line.
struct ShownTrace {
    const double *points;
    int pointCount;
    const float *colour;
    /// Changes whenever the trace is cleared, even if its next points reuse the buffer.
    int generation;
};

/// The axis traces drawn so far, kept off screen with their depth. While the view stays
/// still, a repaint draws only the newest segment of each trace there and copies the
/// whole layer into the view, so its cost no longer grows with the traces' length.
/// The points are also kept as floats in vertex buffers, so that drawing a trace whole
/// sends nothing per frame either. While the view turns, the traces are drawn from their
/// picture on the sphere thinned to a pixel (SphereTraces), whose cost does not grow with
/// their length; the full traces are drawn again once the view is still.
class TraceLayer {
public:
    static constexpr int traceCount = 3;
    using Traces = std::array<ShownTrace, traceCount>;

    /// Draws the shown traces (null points: not shown) into the current context's default
    /// framebuffer, which has framebufferSize pixels, exactly as drawing each trace whole
    /// there would, with the modelview, projection, viewport, lighting, line width and
    /// clear colour in effect. False, drawing nothing, if the context lacks what this needs.
    bool draw(const Traces &traces, GLuint viewFramebuffer, QSize framebufferSize);
    /// True while the last frame was drawn from the layer rather than whole.
    bool drewIncrementally() const { return incremental; }
    /// Frees the GL objects; the context they were made in must be current.
    void release();

private:
    /// Everything in GL's state that the pixels of the traces depend on.
    struct Key {
        std::array<float, 16> modelview, projection;
        std::array<int, 4> viewport;
        std::array<float, 4> clearColour;
        float lineWidth;
        QSize framebufferSize;
        std::array<bool, traceCount> shown;
        std::array<int, traceCount> generations;
        bool operator==(const Key &other) const;
    };
    struct Points {
        GLuint buffer = 0;
        int capacity = 0;
        int count = 0;
        const double *source = nullptr;
        int generation = 0;
    };

    bool prepare();
    bool makeFramebuffer(QSize size);
    void deleteFramebuffer();
    /// Brings the trace's vertex buffer up to date; true if its earlier points changed.
    bool keepPoints(Points &kept, const ShownTrace &trace);
    void drawPoints(const Points &kept, const float *colour, int first);
    void drawWhole(const Traces &traces);
    bool copyIntoView();
    static Key currentKey(const Traces &traces, QSize framebufferSize);

    QOpenGLExtraFunctions *gl = nullptr;
    bool unusable = false;
    GLuint framebuffer = 0, colourBuffer = 0, depthBuffer = 0;
    QSize layerSize;
    /// The framebuffer the view draws into, which the layer is copied into.
    GLuint viewFramebuffer = 0;
    GLenum depthFormat = 0;
    std::array<Points, traceCount> points;
    SphereTraces sphere;
    /// Points of each trace the layer holds; valid only while layerKey is current.
    std::array<int, traceCount> drawnCounts {};
    bool layerValid = false;
    bool incremental = false;
    Key layerKey {};
    Key lastKey {};
};

#endif

// SPDX-License-Identifier: GPL-3.0-or-later
#include "tracelayer.h"

#include <QOpenGLContext>

#include <algorithm>
#include <vector>

namespace {

constexpr int floatsPerPoint = 3;
constexpr GLsizeiptr bytesPerPoint = floatsPerPoint * sizeof(float);
// Points converted at a time when a whole trace is uploaded: bounded scratch memory.
constexpr int uploadChunk = 65536;

/// The renderbuffer format whose depth can be copied into the default framebuffer:
/// glBlitFramebuffer copies depth only between equal formats. 0 if none fits.
GLenum matchingDepthFormat()
{
    GLint depthBits = 0, stencilBits = 0;
    glGetIntegerv(GL_DEPTH_BITS, &depthBits);
    glGetIntegerv(GL_STENCIL_BITS, &stencilBits);
    if (depthBits == 24)
        return stencilBits == 8 ? GL_DEPTH24_STENCIL8 : stencilBits == 0 ? GL_DEPTH_COMPONENT24 : 0;
    if (depthBits == 16 && stencilBits == 0)
        return GL_DEPTH_COMPONENT16;
    return 0;
}

void clearErrors()
{
    while (glGetError() != GL_NO_ERROR) { }
}

} // namespace

bool TraceLayer::Key::operator==(const Key &other) const
{
    return modelview == other.modelview && projection == other.projection
        && viewport == other.viewport && clearColour == other.clearColour
        && lineWidth == other.lineWidth && framebufferSize == other.framebufferSize
        && shown == other.shown && generations == other.generations;
}

TraceLayer::Key TraceLayer::currentKey(const Traces &traces, QSize framebufferSize)
{
    Key key {};
    glGetFloatv(GL_MODELVIEW_MATRIX, key.modelview.data());
    glGetFloatv(GL_PROJECTION_MATRIX, key.projection.data());
    glGetIntegerv(GL_VIEWPORT, key.viewport.data());
    glGetFloatv(GL_COLOR_CLEAR_VALUE, key.clearColour.data());
    glGetFloatv(GL_LINE_WIDTH, &key.lineWidth);
    key.framebufferSize = framebufferSize;
    for (int i = 0; i < traceCount; ++i) {
        key.shown[i] = traces[i].points != nullptr;
        key.generations[i] = traces[i].generation;
    }
    return key;
}

bool TraceLayer::prepare()
{
    if (unusable)
        return false;
    if (gl)
        return true;
    QOpenGLContext *context = QOpenGLContext::currentContext();
    if (!context)
        return false;
    GLint sampleBuffers = 0;
    glGetIntegerv(GL_SAMPLE_BUFFERS, &sampleBuffers);
    depthFormat = matchingDepthFormat();
    const bool blits = context->format().version() >= qMakePair(3, 0)
        || context->hasExtension("GL_ARB_framebuffer_object");
    // A multisampled view cannot receive a copy of single-sampled pixels.
    if (!blits || sampleBuffers != 0 || depthFormat == 0) {
        unusable = true;
        return false;
    }
    gl = context->extraFunctions();
    return true;
}

bool TraceLayer::makeFramebuffer(QSize size)
{
    if (framebuffer && size == layerSize)
        return true;
    deleteFramebuffer();
    gl->glGenFramebuffers(1, &framebuffer);
    gl->glGenRenderbuffers(1, &colourBuffer);
    gl->glGenRenderbuffers(1, &depthBuffer);
    gl->glBindRenderbuffer(GL_RENDERBUFFER, colourBuffer);
    gl->glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, size.width(), size.height());
    gl->glBindRenderbuffer(GL_RENDERBUFFER, depthBuffer);
    gl->glRenderbufferStorage(GL_RENDERBUFFER, depthFormat, size.width(), size.height());
    gl->glBindRenderbuffer(GL_RENDERBUFFER, 0);
    gl->glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    gl->glFramebufferRenderbuffer(
        GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, colourBuffer);
    const GLenum depthAttachment
        = depthFormat == GL_DEPTH24_STENCIL8 ? GL_DEPTH_STENCIL_ATTACHMENT : GL_DEPTH_ATTACHMENT;
    gl->glFramebufferRenderbuffer(GL_FRAMEBUFFER, depthAttachment, GL_RENDERBUFFER, depthBuffer);
    const bool complete = gl->glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    gl->glBindFramebuffer(GL_FRAMEBUFFER, viewFramebuffer);
    layerSize = size;
    return complete;
}

void TraceLayer::deleteFramebuffer()
{
    gl->glDeleteFramebuffers(1, &framebuffer);
    gl->glDeleteRenderbuffers(1, &colourBuffer);
    gl->glDeleteRenderbuffers(1, &depthBuffer);
    framebuffer = colourBuffer = depthBuffer = 0;
}

void TraceLayer::release()
{
    if (!gl)
        return;
    deleteFramebuffer();
    for (Points &kept : points)
        gl->glDeleteBuffers(1, &kept.buffer);
    points = {};
    sphere.release();
    gl = nullptr;
    layerValid = false;
}

bool TraceLayer::keepPoints(Points &kept, const ShownTrace &trace)
{
    const bool changed = trace.points != kept.source || trace.generation != kept.generation
        || trace.pointCount < kept.count;
    if (changed) {
        kept.source = trace.points;
        kept.generation = trace.generation;
        kept.count = 0;
    }
    if (!kept.buffer)
        gl->glGenBuffers(1, &kept.buffer);
    gl->glBindBuffer(GL_ARRAY_BUFFER, kept.buffer);
    if (trace.pointCount > kept.capacity) {
        // Grown geometrically, so that appending stays O(1) per point on average.
        kept.capacity = std::max({ trace.pointCount, 2 * kept.capacity, uploadChunk });
        gl->glBufferData(GL_ARRAY_BUFFER, kept.capacity * bytesPerPoint, nullptr, GL_DYNAMIC_DRAW);
        kept.count = 0;
    }
    std::vector<float> chunk;
    while (kept.count < trace.pointCount) {
        const int n = std::min(trace.pointCount - kept.count, uploadChunk);
        const double *from = trace.points + floatsPerPoint * kept.count;
        chunk.assign(from, from + floatsPerPoint * n);
        gl->glBufferSubData(
            GL_ARRAY_BUFFER, kept.count * bytesPerPoint, n * bytesPerPoint, chunk.data());
        kept.count += n;
    }
    gl->glBindBuffer(GL_ARRAY_BUFFER, 0);
    return changed;
}

void TraceLayer::drawPoints(const Points &kept, const float *colour, int first)
{
    glColor3f(colour[0], colour[1], colour[2]);
    gl->glBindBuffer(GL_ARRAY_BUFFER, kept.buffer);
    glEnableClientState(GL_NORMAL_ARRAY);
    glEnableClientState(GL_VERTEX_ARRAY);
    // Each point is also its own normal, as in the view's own drawing of a trace.
    glNormalPointer(GL_FLOAT, 0, nullptr);
    glVertexPointer(floatsPerPoint, GL_FLOAT, 0, nullptr);
    glDrawArrays(GL_LINE_STRIP, first, kept.count - first);
    // The view's other arrays live in client memory.
    gl->glBindBuffer(GL_ARRAY_BUFFER, 0);
}

void TraceLayer::drawWhole(const Traces &traces)
{
    for (int i = 0; i < traceCount; ++i) {
        if (traces[i].points)
            drawPoints(points[i], traces[i].colour, 0);
    }
}

bool TraceLayer::copyIntoView()
{
    const GLuint view = viewFramebuffer;
    const int w = layerSize.width(), h = layerSize.height();
    clearErrors();
    gl->glBindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer);
    gl->glBindFramebuffer(GL_DRAW_FRAMEBUFFER, view);
    gl->glBlitFramebuffer(
        0, 0, w, h, 0, 0, w, h, GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT, GL_NEAREST);
    gl->glBindFramebuffer(GL_FRAMEBUFFER, view);
    return glGetError() == GL_NO_ERROR;
}

bool TraceLayer::draw(const Traces &traces, GLuint viewFramebuffer, QSize framebufferSize)
{
    incremental = false;
    this->viewFramebuffer = viewFramebuffer;
    if (!prepare())
        return false;
    bool pointsChanged = false;
    for (int i = 0; i < traceCount; ++i) {
        if (traces[i].points)
            pointsChanged |= keepPoints(points[i], traces[i]);
    }
    const Key key = currentKey(traces, framebufferSize);
    const bool viewStill = key == lastKey;
    lastKey = key;
    if (pointsChanged || !(key == layerKey))
        layerValid = false;

    if (!layerValid && !viewStill) {
        // The view is moving: a layer made now would be stale by the next frame, and
        // a picture that moves need not show every point.
        sphere.draw(traces, key.viewport[2]);
        return true;
    }
    if (!makeFramebuffer(framebufferSize)) {
        deleteFramebuffer();
        unusable = true;
        return false;
    }
    gl->glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    if (layerValid) {
        for (int i = 0; i < traceCount; ++i) {
            // From the last point already drawn, so that the strip continues unbroken.
            if (traces[i].points && points[i].count > drawnCounts[i])
                drawPoints(points[i], traces[i].colour, std::max(drawnCounts[i] - 1, 0));
        }
        incremental = true;
    } else {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        drawWhole(traces);
        layerKey = key;
        layerValid = true;
    }
    for (int i = 0; i < traceCount; ++i)
        drawnCounts[i] = points[i].count;
    if (!copyIntoView()) {
        // Nothing reached the view: it draws the traces its own way from now on.
        release();
        unusable = true;
        return false;
    }
    return true;
}

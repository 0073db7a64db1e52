// SPDX-License-Identifier: GPL-3.0-or-later
#include "glwidget.h"

#include <new>

// Each buffer is allocated whole and may fail without throwing: a trace whose buffer is
// missing is then neither recorded, drawn nor exported.
double *GLWidget::newTraceBuffer()
{
    return new (std::nothrow) double[traceCapacity * 3];
}

namespace {
void renewTrace(double *&buffer, int &writeIndex, int &generation)
{
    ++generation;
    writeIndex = 2;
    delete[] buffer;
    buffer = GLWidget::newTraceBuffer();
}
} // namespace

void GLWidget::freeMemoryOfDrawXLines()
{
    renewTrace(xLines, xLinesIndex, traceGenerations[0]);
}

void GLWidget::freeMemoryOfDrawYLines()
{
    renewTrace(yLines, yLinesIndex, traceGenerations[1]);
}

void GLWidget::freeMemoryOfDrawZLines()
{
    renewTrace(zLines, zLinesIndex, traceGenerations[2]);
}

void GLWidget::freeMemoryOfDrawLines()
{
    freeMemoryOfDrawXLines();
    freeMemoryOfDrawYLines();
    freeMemoryOfDrawZLines();
}

void GLWidget::recordTracePoint(double *buffer, int &writeIndex, int column)
{
    // A full buffer keeps its points and is still drawn; it just stops growing.
    if (!buffer || tracePointCount(writeIndex) >= traceCapacity)
        return;
    // The negative end of the body axis, at distance 1 from the centre.
    buffer[writeIndex - 2] = -orientationMatrix[column * 4];
    buffer[writeIndex - 1] = -orientationMatrix[column * 4 + 1];
    buffer[writeIndex] = -orientationMatrix[column * 4 + 2];
    writeIndex += 3;
}

void GLWidget::drawTraces(bool throughTraceLayer)
{
    static const float red[3] = { 1.0f, 0.3f, 0.3f };
    static const float green[3] = { 0.3f, 1.0f, 0.3f };
    static const float blue[3] = { 0.3f, 0.3f, 1.0f };
    const TraceLayer::Traces traces = {
        ShownTrace {
            drawXLines ? xLines : nullptr, tracePointCount(xLinesIndex), red, traceGenerations[0] },
        ShownTrace { drawYLines ? yLines : nullptr, tracePointCount(yLinesIndex), green,
            traceGenerations[1] },
        ShownTrace { drawZLines ? zLines : nullptr, tracePointCount(zLinesIndex), blue,
            traceGenerations[2] },
    };
    int shownPoints = 0;
    for (const ShownTrace &trace : traces)
        shownPoints += trace.points ? trace.pointCount : 0;
    if (throughTraceLayer && shownPoints >= traceLayerMinimumPoints
        && traceLayer.draw(traces, defaultFramebufferObject(), framebufferSize))
        return;
    for (const ShownTrace &trace : traces)
        drawTrace(trace);
}

void GLWidget::drawTrace(const ShownTrace &trace)
{
    if (!trace.points)
        return;
    glColor3f(trace.colour[0], trace.colour[1], trace.colour[2]);
    glEnableClientState(GL_NORMAL_ARRAY);
    glEnableClientState(GL_VERTEX_ARRAY);
    // Each point is also its own normal: the line is lit like a curve on the unit sphere.
    glNormalPointer(GL_DOUBLE, 0, trace.points);
    glVertexPointer(3, GL_DOUBLE, 0, trace.points);
    glDrawArrays(GL_LINE_STRIP, 0, trace.pointCount);
}

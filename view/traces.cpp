#include "glwidget.h"

#include <new>

// Each buffer is allocated whole and may fail without throwing: a trace whose buffer is
// missing is then neither recorded, drawn nor exported.
double *GLWidget::newTraceBuffer()
{
    return new (std::nothrow) double[traceCapacity * 3];
}

namespace {
void renewTrace(double *&buffer, int &writeIndex)
{
    writeIndex = 2;
    delete[] buffer;
    buffer = GLWidget::newTraceBuffer();
}
} // namespace

void GLWidget::freeMemoryOfDrawXLines()
{
    renewTrace(xLines, xLinesIndex);
}

void GLWidget::freeMemoryOfDrawYLines()
{
    renewTrace(yLines, yLinesIndex);
}

void GLWidget::freeMemoryOfDrawZLines()
{
    renewTrace(zLines, zLinesIndex);
}

void GLWidget::freeMemoryOfDrawLines()
{
    freeMemoryOfDrawXLines();
    freeMemoryOfDrawYLines();
    freeMemoryOfDrawZLines();
}

void GLWidget::recordAndDrawTrace(double *buffer, int &writeIndex, int column, const float *colour)
{
    if (!buffer)
        return;
    // A full buffer keeps its points and is still drawn; it just stops growing.
    const bool full = tracePointCount(writeIndex) >= traceCapacity;
    if (!full) {
        // The negative end of the body axis, at distance 1 from the centre.
        buffer[writeIndex - 2] = -orientationMatrix[column * 4];
        buffer[writeIndex - 1] = -orientationMatrix[column * 4 + 1];
        buffer[writeIndex] = -orientationMatrix[column * 4 + 2];
    }
    glColor3f(colour[0], colour[1], colour[2]);
    glEnableClientState(GL_NORMAL_ARRAY);
    glEnableClientState(GL_VERTEX_ARRAY);
    // Each point is also its own normal: the line is lit like a curve on the unit sphere.
    glNormalPointer(GL_DOUBLE, 0, buffer);
    glVertexPointer(3, GL_DOUBLE, 0, buffer);
    glPushMatrix();
    glDrawArrays(GL_LINE_STRIP, 0, tracePointCount(writeIndex) + (full ? 0 : 1));
    glPopMatrix();
    if (!full)
        writeIndex += 3;
}

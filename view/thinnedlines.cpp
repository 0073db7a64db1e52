// SPDX-License-Identifier: GPL-3.0-or-later
#include "thinnedlines.h"

#include <QOpenGLContext>

#include <algorithm>
#include <cstring>

namespace {

// Floats the buffer is first made for; it then doubles, so appending stays cheap.
constexpr std::size_t initialCapacity = 65536;

bool samePoint(const double *a, const double *b)
{
    return std::memcmp(a, b, 3 * sizeof(double)) == 0;
}

} // namespace

bool ThinnedLines::startsAgain(const double *points, int count, double cell, int generation) const
{
    const int taken = polyline.appendedCount();
    if (points != source || generation != sourceGeneration || cell != polyline.cellSide()
        || count < taken)
        return true;
    return taken > 0
        && !(samePoint(points, firstPoint) && samePoint(points + 3 * (taken - 1), lastPoint));
}

void ThinnedLines::follow(const double *points, int count, double cell, int generation)
{
    if (startsAgain(points, count, cell, generation)) {
        polyline.reset(cell);
        source = points;
        sourceGeneration = generation;
        uploaded = 0;
    }
    if (count == polyline.appendedCount())
        return;
    polyline.extend(points, count);
    std::copy_n(points, 3, firstPoint);
    std::copy_n(points + 3 * (count - 1), 3, lastPoint);
    upload(QOpenGLContext::currentContext()->extraFunctions());
}

void ThinnedLines::upload(QOpenGLExtraFunctions *gl)
{
    const std::vector<float> &vertices = polyline.segmentPoints();
    if (!buffer)
        gl->glGenBuffers(1, &buffer);
    gl->glBindBuffer(GL_ARRAY_BUFFER, buffer);
    if (vertices.size() > capacity) {
        capacity = std::max({ vertices.size(), 2 * capacity, initialCapacity });
        gl->glBufferData(
            GL_ARRAY_BUFFER, GLsizeiptr(capacity * sizeof(float)), nullptr, GL_DYNAMIC_DRAW);
        uploaded = 0;
    }
    if (vertices.size() > uploaded) {
        gl->glBufferSubData(GL_ARRAY_BUFFER, GLintptr(uploaded * sizeof(float)),
            GLsizeiptr((vertices.size() - uploaded) * sizeof(float)), vertices.data() + uploaded);
        uploaded = vertices.size();
    }
    gl->glBindBuffer(GL_ARRAY_BUFFER, 0);
}

void ThinnedLines::draw(bool lit)
{
    if (!buffer || uploaded == 0)
        return;
    QOpenGLExtraFunctions *gl = QOpenGLContext::currentContext()->extraFunctions();
    gl->glBindBuffer(GL_ARRAY_BUFFER, buffer);
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, nullptr);
    if (lit) {
        glEnableClientState(GL_NORMAL_ARRAY);
        glNormalPointer(GL_FLOAT, 0, nullptr);
    } else {
        glDisableClientState(GL_NORMAL_ARRAY);
    }
    glDrawArrays(GL_LINES, 0, GLsizei(uploaded / 3));
    // The view's other arrays live in client memory.
    gl->glBindBuffer(GL_ARRAY_BUFFER, 0);
}

void ThinnedLines::release()
{
    if (buffer)
        QOpenGLContext::currentContext()->extraFunctions()->glDeleteBuffers(1, &buffer);
    buffer = 0;
    capacity = uploaded = 0;
    polyline.reset(polyline.cellSide());
    source = nullptr;
}

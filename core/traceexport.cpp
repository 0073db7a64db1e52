#include "traceexport.h"

#include <QByteArray>
#include <QIODevice>

namespace vorlix {

namespace {

// Large enough that device calls cost nothing next to the number formatting, small
// enough that an export of millions of points never holds its whole text in memory.
constexpr int chunkSize = 1 << 20;

class ChunkedWriter {
public:
    explicit ChunkedWriter(QIODevice *device) : device(device) { chunk.reserve(chunkSize + 128); }

    void append(const char *text) { chunk += text; }
    void append(const QByteArray &text) { chunk += text; }
    void append(char c) { chunk += c; }

    /// Hands the text gathered so far to the device once a chunk is full.
    bool flushIfFull() { return chunk.size() < chunkSize || flush(); }

    /// False when the device did not take the whole chunk.
    bool flush()
    {
        const qint64 expected = chunk.size();
        const bool whole = device->write(chunk) == expected;
        chunk.clear();
        return whole;
    }

private:
    QIODevice *device;
    QByteArray chunk;
};

// QByteArray::number formats like QString::number (same C-locale routine): rounding
// half away from zero, and no minus sign on a zero.
QByteArray coordinate(double value)
{
    return QByteArray::number(value, 'f', 6);
}

bool writeTrace(
    ChunkedWriter &out, const char *objectLine, const RecordedTrace &trace, qint64 &verticesBefore)
{
    out.append(objectLine);
    const qint64 count = trace.points && trace.pointCount > 0 ? trace.pointCount : 0;
    const double *point = trace.points;
    for (qint64 p = 0; p < count; ++p, point += 3) {
        out.append("v ");
        out.append(coordinate(point[0]));
        out.append(' ');
        out.append(coordinate(point[1]));
        out.append(' ');
        out.append(coordinate(point[2]));
        out.append('\n');
        if (!out.flushIfFull())
            return false;
    }
    for (qint64 a = verticesBefore + 1; a < verticesBefore + count; ++a) {
        out.append("f ");
        out.append(QByteArray::number(a));
        out.append(' ');
        out.append(QByteArray::number(a + 1));
        out.append('\n');
        if (!out.flushIfFull())
            return false;
    }
    verticesBefore += count;
    return true;
}

} // namespace

bool writeTracesAsObj(
    QIODevice *device, const RecordedTrace &x, const RecordedTrace &y, const RecordedTrace &z)
{
    ChunkedWriter out(device);
    out.append("#vorlix export:\n");
    qint64 verticesWritten = 0;
    if (x.shown && !writeTrace(out, "o XLine\n", x, verticesWritten))
        return false;
    if (y.shown && !writeTrace(out, "o YLine\n", y, verticesWritten))
        return false;
    if (z.shown && !writeTrace(out, "o ZLine\n", z, verticesWritten))
        return false;
    return out.flush();
}

} // namespace vorlix

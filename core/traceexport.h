#ifndef VORLIX_TRACEEXPORT_H
#define VORLIX_TRACEEXPORT_H

class QIODevice;

namespace vorlix {

/// One axis trace as the view recorded it: `pointCount` consecutive (x, y, z) triples.
struct RecordedTrace {
    const double *points = nullptr; ///< null when the buffer could not be allocated
    int pointCount = 0; ///< only these points are read; a null buffer has none
    bool shown = false; ///< only shown traces are written
};

/// Writes the shown traces of the X, Y and Z axes, in that order, as Wavefront OBJ
/// polylines: the line "#vorlix export:", then per shown trace "o XLine" (YLine, ZLine),
/// one "v x y z" line per point and one two-vertex face "f a a+1" per pair of consecutive
/// points. Vertex numbers are 1-based and counted across the whole file. Coordinates have
/// six decimals and a full stop whatever the locale (QString::number(v, 'f', 6)); every
/// line ends with "\n".
///
/// The text goes to `device` in large chunks, so memory stays small for long traces.
/// Returns false, and stops writing, as soon as the device does not take a chunk whole.
bool writeTracesAsObj(
    QIODevice *device, const RecordedTrace &x, const RecordedTrace &y, const RecordedTrace &z);

} // namespace vorlix

#endif

// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_OBJREADER_H
#define VORLIX_OBJREADER_H

#include <QByteArray>

#include <cstddef>
#include <vector>

namespace vorlix {

/// A triangulated mesh read from OBJ text.
struct ObjMesh {
    /// Vertex positions: the lines that begin with "v", except "vn", "vt" and "vp".
    int vertexCount = 0;
    int faceCount = 0; ///< lines that begin with "f"
    std::vector<float> vertices; ///< x, y, z of each vertex line, in file order
    std::vector<int> faces; ///< three 0-based vertex indices per triangle that is drawn
    std::vector<float> normals; ///< unit normal (x, y, z) per triangle of `faces`

    int triangleCount() const { return int(faces.size() / 3); }
};

/// Reads the vertex and triangle lines of OBJ text. Only a line's first character decides
/// its kind: "v" makes a vertex line, "f" a face line, anything else is ignored (so lines
/// that begin with a blank are ignored too). A line ends at '\n'; a '\r' separates numbers
/// like a blank or a tab, and a NUL byte ends the numbers of its line.
///
/// A vertex line is read as scanf("%f %f %f") would read it after its first character:
/// every "." counts as the decimal point, and so does `decimalSeparator` (the numeric
/// locale's), so under a "," locale both 1.5 and 1,5 read as one and a half.
///
/// Lines that begin with "vn", "vt" or "vp" (normals, texture or parameter coordinates)
/// are no positions and take no vertex number.
///
/// A face line of at most three plain numbers, or of three whole "%i" numbers followed by
/// text that is no vertex (a comment), is read as the program always read it, so that
/// meshes written for it draw exactly as before: as scanf("%i %i %i") would, 1-based
/// vertex numbers, also in hexadecimal (0x1f) and leading-zero octal (017) form; a number
/// that does not parse reads as 0, and so do the later ones of its line.
///
/// Any other face line is standard OBJ as modelling tools write it: a face vertex is
/// written v, v/vt, v//vn or v/vt/vn in decimal, and only v counts; a negative v counts
/// back from the last position defined before the line (−1 is that one). A face of n
/// vertices gives the fan (1,2,3), (1,3,4), … (1,n−1,n); its vertices end at the first
/// word that does not begin with a number.
///
/// A face any of whose vertex numbers is 0 or names no position is counted in `faceCount`
/// but skipped: it never reads outside the vertex array. Positive numbers may refer to
/// vertex lines further down the file.
///
/// The normal of a triangle A, B, C is (A − B) × (A − C) normalised, the side from which
/// A, B, C appear counter-clockwise; a degenerate triangle (length exactly 0) gets (1, 0, 0).
ObjMesh readObj(const char *data, std::size_t size, char decimalSeparator);

inline ObjMesh readObj(const QByteArray &text, char decimalSeparator)
{
    return readObj(text.constData(), std::size_t(text.size()), decimalSeparator);
}

} // namespace vorlix

#endif

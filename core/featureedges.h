// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_FEATUREEDGES_H
#define VORLIX_FEATUREEDGES_H

#include "objreader.h"

#include <vector>

namespace vorlix {

/// The edges that outline a mesh: its rims (sides of one triangle only), its creases (sides
/// of two triangles whose normals differ by more than `creaseDegrees`) and its seams where
/// more than two triangles meet. Vertices at the same position count as one, so a mesh that
/// repeats its corners per face is outlined as if it shared them; each edge is given once.
/// Triangles of no area and triangles with a vertex that is no number are left out. The
/// normals follow the triangles' winding, (B − A) × (C − A).
///
/// Returned as line segments for drawing: x, y, z of one end, then of the other, six floats
/// an edge.
std::vector<float> featureEdges(const ObjMesh &mesh, double creaseDegrees);

} // namespace vorlix

#endif

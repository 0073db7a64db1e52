// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_MASSPROPERTIES_H
#define VORLIX_MASSPROPERTIES_H

#include "matrix4.h"
#include "objreader.h"
#include "vector3.h"

#include <array>
#include <cstddef>
#include <vector>

namespace vorlix {

/// Which body a triangle mesh stands for. Only ratios of moments matter to the simulation,
/// so the density is 1 and the mass is the volume or the area.
enum class MassModel {
    /// No triangle, zero volume and zero area, or a needle so thin that its moment about
    /// its length is lost in rounding: there is no body to weigh
    Empty,
    Solid, ///< the closed surface bounds a filled body of uniform density
    Shell, ///< the triangles are a thin sheet of uniform area density
};

/// Mass, centre of mass and inertia tensor of a mesh, in the mesh's own coordinates.
struct MassProperties {
    MassModel model = MassModel::Empty;
    double mass = 0; ///< volume (Solid) or area (Shell)
    Vector3 centreOfMass;
    /// About the centre of mass, row-major and symmetric: the moments on the diagonal and
    /// the products of inertia, −∫xy dm and so on, off it.
    std::array<double, 9> inertia {};
    double size = 0; ///< diagonal of the bounding box of the vertices the triangles use

    bool isEmpty() const { return model == MassModel::Empty; }
};

/// Weighs the triangles (three 0-based indices each into `vertices`, x, y, z per vertex),
/// all indices assumed valid. Triangles that repeat an index are skipped; vertices at the
/// same position count as one, so a file that repeats seam vertices is still closed.
///
/// The mesh is a Solid when it is closed and consistently oriented (every edge shared by
/// exactly two triangles that run along it in opposite directions) and encloses a volume;
/// faces that turn inwards give a negative volume and are flipped. Anything else — an
/// open surface, a closed one with mixed orientation, a flat one, or one that passes
/// through itself so that its signed volumes weigh some space negatively (its largest
/// moment would exceed the sum of the other two) — is a Shell, whose result does not
/// depend on the faces' orientation.
MassProperties massProperties(
    const std::vector<float> &vertices, const std::vector<int> &triangles);

/// The triangles as the view draws them.
inline MassProperties massProperties(const ObjMesh &mesh)
{
    return massProperties(mesh.vertices, mesh.faces);
}

/// The body's principal axes, matched to the mesh's X, Y and Z so that turning the mesh
/// into them is the smallest turn: of the proper rotations whose columns are principal
/// axes, the one closest to the identity. Where moments coincide (a square rod, a cylinder,
/// a cube or a sphere) the axes among them are free, and they stay as close to the mesh's
/// as the distinct axis allows; so a cylinder along Y is never turned about Y.
struct PrincipalFrame {
    Vector3 moments; ///< about the body's X, Y, Z once drawn in the principal frame
    Matrix4 rotation = identityMatrix(); ///< columns: principal axes in mesh coordinates
    double angleDegrees = 0; ///< of `rotation`, 0…180
    Vector3 centreOfMass; ///< in mesh coordinates
    double size = 0; ///< as in MassProperties
};

/// The principal frame of a non-empty result.
PrincipalFrame principalFrame(const MassProperties &properties);

/// Whether the mesh must be drawn moved and turned for the moments to belong to what is
/// seen: its centre of mass is more than 1 % of its size from the origin, or its principal
/// axes are turned more than 1° from its X, Y and Z.
bool needsPrincipalFrame(const PrincipalFrame &frame);

/// The affine map (column-major, for glMultMatrixd before the mesh is drawn) that moves
/// the mesh into its principal frame: p ↦ Rᵀ·(p − c), with R = frame.rotation and c the
/// centre of mass. Unlike the orientations the program holds, it carries a translation.
Matrix4 meshToPrincipalFrame(const PrincipalFrame &frame);

/// The moments divided by the smallest, so that it is 1: only their ratios move the body.
Vector3 scaledToSmallestOne(const Vector3 &moments);

} // namespace vorlix

#endif

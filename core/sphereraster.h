// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_SPHERERASTER_H
#define VORLIX_SPHERERASTER_H

#include <array>
#include <cstdint>
#include <vector>

namespace vorlix {

/// Lines on the unit sphere merged into the cells of a cube map: the sphere seen from its
/// centre through the six faces of a cube, side × side cells each, laid out as OpenGL
/// looks up a cube map texture by direction (face order +X, −X, +Y, −Y, +Z, −Z; row t, column
/// s). With a side of twice the sphere's radius in pixels a cell at a face's centre is one
/// pixel and nowhere more, so points closer than a pixel share a cell and the map's size
/// does not grow with the lines' length. Each cell holds a bit per line that passes it.
class SphereRaster {
public:
    static constexpr int faceCount = 6;

    /// A rectangle of cells of one face, columns [left, right), rows [top, bottom).
    struct Region {
        int left = 0, top = 0, right = 0, bottom = 0;
        bool isEmpty() const { return left >= right || top >= bottom; }
    };

    struct Cell {
        int face, column, row;
    };

    explicit SphereRaster(int side = 1);
    /// Clears every cell and takes a new side (≥ 1).
    void reset(int side);
    int side() const { return cellsPerSide; }

    /// The cell the direction of p (not zero) falls in.
    Cell cellOf(const double *p) const;
    /// Sets `bits` in every cell the chord from a to b passes, taken radially onto the
    /// sphere and walked in steps of at most half a cell at a face's centre.
    void markSegment(const double *a, const double *b, std::uint8_t bits);
    void markPoint(const double *p, std::uint8_t bits);

    /// The bits of a face's cells, row by row.
    const std::uint8_t *face(int f) const { return cells[f].data(); }
    /// The cells of face f changed since this was last asked, and forgets them.
    Region takeChanges(int f);

private:
    int cellsPerSide;
    std::array<std::vector<std::uint8_t>, faceCount> cells;
    std::array<Region, faceCount> changed;
};

} // namespace vorlix

#endif

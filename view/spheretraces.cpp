// SPDX-License-Identifier: GPL-3.0-or-later
#include "spheretraces.h"

#include "tracelayer.h"

#include <cmath>

namespace {

// Facets of the sphere the map is drawn on: 64 × 32 strays from the unit sphere by about
// 0.1 % of its radius, under a pixel in any window.
constexpr int slices = 64, stacks = 32;

GLubyte channel(float value)
{
    return GLubyte(std::lround(255 * value));
}

} // namespace

bool SphereTraces::startsAgain(const std::array<ShownTrace, traceCount> &traces, int side) const
{
    if (side != raster.side())
        return true;
    for (int i = 0; i < traceCount; ++i) {
        const Followed &f = followed[i];
        if (traces[i].points != f.points || traces[i].generation != f.generation
            || traces[i].colour != f.colour || (traces[i].points && traces[i].pointCount < f.count))
            return true;
    }
    return false;
}

void SphereTraces::follow(const std::array<ShownTrace, traceCount> &traces)
{
    for (int i = 0; i < traceCount; ++i) {
        Followed &f = followed[i];
        const ShownTrace &trace = traces[i];
        if (!trace.points)
            continue;
        const std::uint8_t bit = std::uint8_t(1 << i);
        if (f.count == 0 && trace.pointCount > 0)
            raster.markPoint(trace.points, bit);
        for (int p = std::max(f.count, 1); p < trace.pointCount; ++p)
            raster.markSegment(trace.points + 3 * (p - 1), trace.points + 3 * p, bit);
        f.count = trace.pointCount;
    }
}

void SphereTraces::upload(bool whole)
{
    const int side = raster.side();
    for (int face = 0; face < vorlix::SphereRaster::faceCount; ++face) {
        vorlix::SphereRaster::Region r = raster.takeChanges(face);
        if (whole)
            r = { 0, 0, side, side };
        if (r.isEmpty())
            continue;
        scratch.clear();
        const std::uint8_t *cells = raster.face(face);
        for (int row = r.top; row < r.bottom; ++row) {
            for (int column = r.left; column < r.right; ++column) {
                const std::uint8_t bits = cells[std::size_t(row) * std::size_t(side) + column];
                // Where traces cross, the first drawn wins the depth test, as with lines.
                int i = 0;
                while (i < traceCount && !(bits & (1 << i)))
                    ++i;
                if (i == traceCount) {
                    scratch.insert(scratch.end(), { 0, 0, 0, 0 });
                } else {
                    const float *c = followed[i].colour;
                    scratch.insert(
                        scratch.end(), { channel(c[0]), channel(c[1]), channel(c[2]), 255 });
                }
            }
        }
        glTexSubImage2D(GLenum(GL_TEXTURE_CUBE_MAP_POSITIVE_X + face), 0, r.left, r.top,
            r.right - r.left, r.bottom - r.top, GL_RGBA, GL_UNSIGNED_BYTE, scratch.data());
    }
}

void SphereTraces::makeSphere()
{
    sphereList = glGenLists(1);
    glNewList(sphereList, GL_COMPILE);
    for (int stack = 0; stack < stacks; ++stack) {
        glBegin(GL_QUAD_STRIP);
        for (int slice = 0; slice <= slices; ++slice) {
            for (int k : { stack, stack + 1 }) {
                const double polar = M_PI * k / stacks, azimuth = 2 * M_PI * slice / slices;
                const GLfloat p[3] = { GLfloat(std::sin(polar) * std::cos(azimuth)),
                    GLfloat(std::sin(polar) * std::sin(azimuth)), GLfloat(std::cos(polar)) };
                // The point is its own normal, as on the traces, and its own direction
                // into the cube map.
                glNormal3fv(p);
                glTexCoord3fv(p);
                glVertex3fv(p);
            }
        }
        glEnd();
    }
    glEndList();
}

void SphereTraces::draw(const std::array<ShownTrace, traceCount> &traces, int viewportSide)
{
    // A cell at a face's centre spans 2 / side of the unit sphere, which spans the viewport.
    const int side = std::max(viewportSide, 1);
    bool whole = !textureValid;
    if (startsAgain(traces, side)) {
        raster.reset(side);
        for (int i = 0; i < traceCount; ++i)
            followed[i] = { traces[i].points, traces[i].generation, 0, traces[i].colour };
        whole = true;
    }
    follow(traces);

    glPushAttrib(GL_ENABLE_BIT | GL_TEXTURE_BIT | GL_CURRENT_BIT | GL_COLOR_BUFFER_BIT);
    if (!texture) {
        glGenTextures(1, &texture);
        makeSphere();
    }
    glBindTexture(GL_TEXTURE_CUBE_MAP, texture);
    if (whole) {
        for (int face = 0; face < vorlix::SphereRaster::faceCount; ++face)
            glTexImage2D(GLenum(GL_TEXTURE_CUBE_MAP_POSITIVE_X + face), 0, GL_RGBA8, side, side, 0,
                GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
        glTexParameteri(GL_TEXTURE_CUBE_MAP, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_CUBE_MAP, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_CUBE_MAP, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        glTexParameteri(GL_TEXTURE_CUBE_MAP, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    }
    upload(whole);
    textureValid = true;

    glEnable(GL_TEXTURE_CUBE_MAP);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    // Lit white times the cell's colour is the cell's colour lit, as the lines are.
    glColor3f(1, 1, 1);
    glEnable(GL_ALPHA_TEST);
    glAlphaFunc(GL_GREATER, 0.5f);
    glDisable(GL_CULL_FACE);
    glCallList(sphereList);
    glPopAttrib();
}

void SphereTraces::release()
{
    if (texture) {
        glDeleteTextures(1, &texture);
        glDeleteLists(sphereList, 1);
    }
    texture = sphereList = 0;
    textureValid = false;
    followed = {};
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "glwidget.h"

#include "savedglstate.h"

using vorlix::Vector3;

namespace {

const GLfloat familyTeal[3] = { 0.25f, 0.65f, 0.5f };
const GLfloat separatrixPale[3] = { 0.75f, 1.0f, 0.9f };
const GLfloat bodyConeOrange[4] = { 1.0f, 0.5f, 0.1f, 0.3f };
const GLfloat spaceConeBlue[4] = { 0.3f, 0.5f, 1.0f, 0.3f };

/// The curves as pairs of line ends, drawn in one call: the family's closed loops.
std::vector<Vector3> segments(const std::vector<vorlix::PolhodeCurve> &curves, bool separatrix)
{
    std::vector<Vector3> ends;
    for (const vorlix::PolhodeCurve &curve : curves) {
        if (curve.separatrix != separatrix)
            continue;
        for (std::size_t i = 0; i < curve.points.size(); ++i) {
            ends.push_back(curve.points[i]);
            ends.push_back(curve.points[(i + 1) % curve.points.size()]);
        }
    }
    return ends;
}

void drawSegments(const std::vector<Vector3> &ends, const GLfloat *colour)
{
    if (ends.empty())
        return;
    glColor3fv(colour);
    glVertexPointer(3, GL_DOUBLE, sizeof(Vector3), &ends.front().x);
    glDrawArrays(GL_LINES, 0, GLsizei(ends.size()));
}

/// Rim points of a cone closer than this (12 pixels at the default size) to the last one
/// kept add triangles, which software GL pays for one by one, and no visible shape: the
/// rim strays from the path by well under a pixel.
constexpr double coneRimSpacing = 0.04;

} // namespace

void GLWidget::drawPolhodeFamily()
{
    if (!overlays.polhodeFamily)
        return;
    const Vector3 moments { inertiaX, inertiaY, inertiaZ };
    if (moments.x != familyMoments.x || moments.y != familyMoments.y
        || moments.z != familyMoments.z) {
        // Five levels a side, as few as show the pattern, and 48 points a curve, within half a
        // pixel of it: software GL pays for every segment.
        const std::vector<vorlix::PolhodeCurve> curves = vorlix::polhodeFamily(moments, 5, 48);
        familySegments = segments(curves, false);
        separatrixSegments = segments(curves, true);
        familyMoments = moments;
    }
    const SavedGlState saved;
    glDisable(GL_LIGHTING);
    glDisableClientState(GL_NORMAL_ARRAY);
    glEnableClientState(GL_VERTEX_ARRAY);
    // Seen without projection along the eye's +z, i.e. along v in the body frame, the
    // ellipsoid Σ Ii·xi² = c shows the points whose normal (Ii·xi) points against v; its
    // outline is where n·v = 0, the plane through the centre with normal (Ii·vi). The far
    // half is left out, as on a solid ellipsoid.
    GLdouble modelview[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
    const GLdouble nearSide[4]
        = { -inertiaX * modelview[2], -inertiaY * modelview[6], -inertiaZ * modelview[10], 0 };
    glEnable(GL_CLIP_PLANE0);
    glClipPlane(GL_CLIP_PLANE0, nearSide);
    drawSegments(familySegments, familyTeal);
    // Last, over the curves it meets at the intermediate axis.
    drawSegments(separatrixSegments, separatrixPale);
}

void GLWidget::drawBodyCone()
{
    if (overlays.cones)
        drawCone(run->polhode, bodyConeOrange, 1);
}

void GLWidget::drawSpaceCone()
{
    if (!overlays.cones)
        return;
    drawCone(run->herpolhode, spaceConeBlue, 2);
}

void GLWidget::drawCone(const std::vector<Vector3> &path, const float *tint, int stencilMark)
{
    if (path.size() < 2)
        return;
    coneFan.assign(1, Vector3 {});
    for (const Vector3 &p : path)
        if (coneFan.size() == 1 || vorlix::norm(p - coneFan.back()) >= coneRimSpacing)
            coneFan.push_back(p);
    // The cones touch along the current ω, the path's last point.
    if (vorlix::norm(path.back() - coneFan.back()) > 0)
        coneFan.push_back(path.back());
    const SavedGlState saved;
    glDisable(GL_LIGHTING);
    glDisableClientState(GL_NORMAL_ARRAY);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    // A veil, as the invariable plane: it hides nothing drawn after it.
    glDepthMask(GL_FALSE);
    // The path winds round the same cone again and again: a pixel already tinted by this
    // cone is left alone, so that the veil stays as faint as one layer.
    glEnable(GL_STENCIL_TEST);
    glStencilFunc(GL_NOTEQUAL, stencilMark, 0xff);
    glStencilOp(GL_KEEP, GL_KEEP, GL_REPLACE);
    glColor4fv(tint);
    glVertexPointer(3, GL_DOUBLE, sizeof(Vector3), &coneFan.front().x);
    glDrawArrays(GL_TRIANGLE_FAN, 0, GLsizei(coneFan.size()));
}

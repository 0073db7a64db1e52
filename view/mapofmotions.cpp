// SPDX-License-Identifier: GPL-3.0-or-later
#include "glwidget.h"

#include "lastturn.h"
#include "overlaycolours.h"
#include "poinsot.h"
#include "savedglstate.h"

using vorlix::Vector3;

namespace {


/// Closed loops, one draw call each, in single precision as GL takes them: software GL
/// pays per vertex, and would convert every double on every frame.
PolhodeLoops loops(const std::vector<vorlix::PolhodeCurve> &curves, bool separatrix)
{
    PolhodeLoops l;
    for (const vorlix::PolhodeCurve &curve : curves) {
        if (curve.separatrix != separatrix)
            continue;
        l.firsts.push_back(GLint(l.points.size() / 3));
        l.counts.push_back(GLsizei(curve.points.size()));
        for (const Vector3 &p : curve.points)
            l.points.insert(l.points.end(), { GLfloat(p.x), GLfloat(p.y), GLfloat(p.z) });
    }
    return l;
}

void drawLoops(const PolhodeLoops &l, const GLfloat *colour)
{
    if (l.points.empty())
        return;
    glColor3fv(colour);
    glVertexPointer(3, GL_FLOAT, 0, l.points.data());
    for (std::size_t i = 0; i < l.firsts.size(); ++i)
        glDrawArrays(GL_LINE_LOOP, l.firsts[i], l.counts[i]);
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
        familyLoops = loops(curves, false);
        separatrixLoops = loops(curves, true);
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
    drawLoops(familyLoops, OverlayColour::family);
    // Last, over the curves it meets at the intermediate axis.
    drawLoops(separatrixLoops, OverlayColour::separatrix);
}

void GLWidget::drawBodyCone()
{
    if (overlays.cones)
        drawCone(run->polhode,
            vorlix::polhodeAxis({ inertiaX, inertiaY, inertiaZ }, { omegaX, omegaY, omegaZ }),
            OverlayColour::bodyCone, 1);
}

void GLWidget::drawSpaceCone()
{
    if (!overlays.cones)
        return;
    drawCone(run->herpolhode, construction().planeNormal, OverlayColour::spaceCone, 2);
}

void GLWidget::drawCone(
    const std::vector<Vector3> &path, const Vector3 &axis, const float *tint, int stencilMark)
{
    if (path.size() < 2)
        return;
    coneFan.assign(1, Vector3 {});
    // Each turn of the path would paint the last one's pixels again: the polhode repeats
    // itself, the herpolhode a copy turned about L.
    for (auto p = path.begin() + std::ptrdiff_t(vorlix::lastTurnStart(path, axis));
         p != path.end(); ++p)
        if (coneFan.size() == 1 || vorlix::norm(*p - coneFan.back()) >= coneRimSpacing)
            coneFan.push_back(*p);
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
    // Seen from the side, the cone's near and far sheets overlap: a pixel already tinted by
    // this cone is left alone, so that the veil stays as faint as one layer.
    glEnable(GL_STENCIL_TEST);
    glStencilFunc(GL_NOTEQUAL, stencilMark, 0xff);
    glStencilOp(GL_KEEP, GL_KEEP, GL_REPLACE);
    glColor4f(tint[0], tint[1], tint[2], OverlayColour::coneOpacity);
    glVertexPointer(3, GL_DOUBLE, sizeof(Vector3), &coneFan.front().x);
    glDrawArrays(GL_TRIANGLE_FAN, 0, GLsizei(coneFan.size()));
}

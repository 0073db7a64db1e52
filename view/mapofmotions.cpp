// SPDX-License-Identifier: GPL-3.0-or-later
#include "glwidget.h"

#include "savedglstate.h"

using vorlix::Vector3;

namespace {

const GLfloat familyTeal[3] = { 0.25f, 0.65f, 0.5f };
const GLfloat separatrixPale[3] = { 0.75f, 1.0f, 0.9f };
/// The far half of the family shows through the body's gaps, dimmed, for the shape.
constexpr GLfloat farSideDimming = 0.35f;
const GLfloat bodyConeOrange[4] = { 1.0f, 0.5f, 0.1f, 0.3f };
const GLfloat spaceConeBlue[4] = { 0.3f, 0.5f, 1.0f, 0.3f };

void drawCurves(const std::vector<vorlix::PolhodeCurve> &curves, GLfloat dimming)
{
    // The separatrix last, over the curves it meets at the intermediate axis.
    for (bool separatrix : { false, true }) {
        const GLfloat *colour = separatrix ? separatrixPale : familyTeal;
        glColor3f(dimming * colour[0], dimming * colour[1], dimming * colour[2]);
        for (const vorlix::PolhodeCurve &curve : curves) {
            if (curve.separatrix != separatrix)
                continue;
            glVertexPointer(3, GL_DOUBLE, sizeof(Vector3), &curve.points.front().x);
            glDrawArrays(GL_LINE_LOOP, 0, GLsizei(curve.points.size()));
        }
    }
}

} // namespace

void GLWidget::drawPolhodeFamily()
{
    if (!overlays.polhodeFamily)
        return;
    const Vector3 moments { inertiaX, inertiaY, inertiaZ };
    if (moments.x != familyMoments.x || moments.y != familyMoments.y
        || moments.z != familyMoments.z) {
        familyCurves = vorlix::polhodeFamily(moments);
        familyMoments = moments;
    }
    if (familyCurves.empty())
        return;
    const SavedGlState saved;
    glDisable(GL_LIGHTING);
    glDisableClientState(GL_NORMAL_ARRAY);
    glEnableClientState(GL_VERTEX_ARRAY);
    // Seen without projection along the eye's +z, i.e. along v in the body frame, the
    // ellipsoid Σ Ii·xi² = c shows the points whose normal (Ii·xi) points against v; its
    // outline is where n·v = 0, the plane through the centre with normal (Ii·vi).
    GLdouble modelview[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
    const GLdouble nearSide[4]
        = { -inertiaX * modelview[2], -inertiaY * modelview[6], -inertiaZ * modelview[10], 0 };
    const GLdouble farSide[4] = { -nearSide[0], -nearSide[1], -nearSide[2], 0 };
    glEnable(GL_CLIP_PLANE0);
    glClipPlane(GL_CLIP_PLANE0, farSide);
    drawCurves(familyCurves, farSideDimming);
    glClipPlane(GL_CLIP_PLANE0, nearSide);
    drawCurves(familyCurves, 1);
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
    const SavedGlState saved;
    glMultMatrixd(sceneView().data());
    drawCone(run->herpolhode, spaceConeBlue, 2);
}

void GLWidget::drawCone(const std::vector<Vector3> &path, const float *tint, int stencilMark)
{
    if (path.size() < 2)
        return;
    coneFan.assign(1, Vector3 {});
    coneFan.insert(coneFan.end(), path.begin(), path.end());
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

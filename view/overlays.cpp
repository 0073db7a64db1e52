// SPDX-License-Identifier: GPL-3.0-or-later
#include "glwidget.h"

#include "overlaycolours.h"
#include "poinsot.h"
#include "savedglstate.h"
#include "scenegeometry.h"

#include <GL/glu.h>

#include <algorithm>

using vorlix::Vector3;

namespace {

constexpr double planeRadius = 0.9;

/// A lit shaft and cone from the origin to `tip`.
void drawArrow(const Vector3 &tip, const GLfloat *colour)
{
    const double length = vorlix::norm(tip);
    const double head = std::min(0.12, 0.4 * length);
    glPushMatrix();
    glMultMatrixd(vorlix::frameAlong(tip).data());
    glColor3fv(colour);
    GLUquadric *quadric = gluNewQuadric();
    // Smooth normals make four sides look round at a few pixels across, eight at the head;
    // on software GL every long thin triangle costs.
    gluCylinder(quadric, 0.012, 0.012, length - head, 4, 1);
    glTranslated(0, 0, length - head);
    gluCylinder(quadric, 0.035, 0, head, 8, 1);
    gluQuadricOrientation(quadric, GLU_INSIDE);
    gluDisk(quadric, 0, 0.035, 8, 1);
    gluDeleteQuadric(quadric);
    glPopMatrix();
}

} // namespace

/// An unlit line through the recorded points, drawn from a copy thinned to a pixel: the
/// paths move with the body every frame, so no frame can reuse the last one's pixels.
void GLWidget::drawPath(
    ThinnedLines &lines, const std::vector<Vector3> &path, const GLfloat *colour)
{
    static_assert(sizeof(Vector3) == 3 * sizeof(double), "a path is a run of x, y, z");
    const vorlix::Viewport v
        = vorlix::squareViewport(framebufferSize.width(), framebufferSize.height());
    lines.follow(
        path.empty() ? nullptr : &path.front().x, int(path.size()), 2.0 / std::max(v.side, 1));
    glDisable(GL_LIGHTING);
    glColor3fv(colour);
    lines.draw();
}

vorlix::PoinsotConstruction GLWidget::construction() const
{
    return vorlix::poinsotConstruction(
        { inertiaX, inertiaY, inertiaZ }, { omegaX, omegaY, omegaZ }, orientationMatrix);
}

void GLWidget::drawWorldOverlays()
{
    if (!overlays.angularMomentum)
        return;
    const vorlix::PoinsotConstruction c = construction();
    if (!c.drawable)
        return;
    const SavedGlState saved;
    // Unit length: it reaches the sphere the axis traces are drawn on.
    drawArrow(c.planeNormal, OverlayColour::momentum);
}

void GLWidget::drawBodyOverlays()
{
    if (!overlays.angularVelocity && !overlays.polhode)
        return;
    const SavedGlState saved;
    const vorlix::PoinsotConstruction c = construction();
    if (overlays.angularVelocity && c.drawable)
        drawArrow(c.bodyContact, OverlayColour::velocity);
    if (overlays.polhode)
        drawPath(polhodeLines, run->polhode, OverlayColour::polhode);
}

void GLWidget::drawInvariablePlane()
{
    if (!overlays.invariablePlane)
        return;
    const SavedGlState saved;
    const vorlix::PoinsotConstruction c = construction();
    if (c.drawable) {
        glPushMatrix();
        const Vector3 centre = c.planeDistance * c.planeNormal;
        glTranslated(centre.x, centre.y, centre.z);
        glMultMatrixd(c.planeFrame.data());
        glDisable(GL_LIGHTING);
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        // A veil: it hides nothing drawn after it, and the herpolhode on it stays visible.
        glDepthMask(GL_FALSE);
        const float *tint = OverlayColour::plane;
        glColor4f(tint[0], tint[1], tint[2], OverlayColour::planeOpacity);
        GLUquadric *quadric = gluNewQuadric();
        // One ring of 32 triangles: its edge strays by about a pixel from the circle, and
        // more triangles add cost on software GL and nothing to a faint veil.
        gluDisk(quadric, 0, planeRadius, 32, 1);
        gluDeleteQuadric(quadric);
        glPopMatrix();
    }
    drawPath(herpolhodeLines, run->herpolhode, OverlayColour::herpolhode);
}

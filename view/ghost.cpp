// SPDX-License-Identifier: GPL-3.0-or-later
#include "glwidget.h"

namespace {

/// A pale green veil, apart from the plane's blue and the overlays' yellow and magenta.
const GLfloat ghostTint[4] = { 0.4f, 1.0f, 0.6f, 0.25f };

} // namespace

void GLWidget::drawGhost()
{
    if (!overlays.ghost)
        return;
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT | GL_LIGHTING_BIT | GL_COLOR_BUFFER_BIT
        | GL_DEPTH_BUFFER_BIT);
    glPushMatrix();
    glMultMatrixd(sceneView().data());
    glMultMatrixd(run->exact.state().orientation.data());
    // The body's list sets its own colour; with colour tracking off, the material below is
    // what lights it, and its alpha makes the veil.
    glDisable(GL_COLOR_MATERIAL);
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, ghostTint);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    // Seen through the simulated body as well as beside it, where the two part. One layer,
    // at half the fill: the side the depth test shows of the body itself, which without a
    // projection is the one whose outward faces are wound backwards on screen (as for the
    // ellipsoid).
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_FRONT);
    drawObject(bodyList, bodyPlacement);
    glPopMatrix();
    glPopAttrib();
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "glwidget.h"

#include "featureedges.h"

#include <algorithm>
#include <cmath>

namespace {

/// Pale green, apart from the plane's blue and the overlays' yellow and magenta.
const GLfloat ghostColour[3] = { 0.4f, 1.0f, 0.6f };

/// The textured sphere has no edges to show: its three great circles through the axes
/// (radius as the view makes the sphere) show how it is turned.
std::vector<float> greatCircles(float radius)
{
    constexpr int segments = 48;
    std::vector<float> ends;
    for (int plane = 0; plane < 3; ++plane)
        for (int s = 0; s < segments; ++s)
            for (int end : { s, s + 1 }) {
                const double phi = 2 * M_PI * end / segments;
                float point[3] = {};
                point[plane] = radius * float(std::cos(phi));
                point[(plane + 1) % 3] = radius * float(std::sin(phi));
                ends.insert(ends.end(), point, point + 3);
            }
    return ends;
}

/// Low enough that the facets of a coarse round body (the default cylinder's are 11.25°
/// apart) are drawn, so that a turn about its axis shows; the flat diagonals of its
/// triangles and the facets of a finely curved surface are left out.
constexpr double creaseDegrees = 10;

} // namespace

void GLWidget::makeGhostOutline()
{
    // A view that read its body itself kept no mesh to outline: the window always hands
    // one over.
    if (bodyFileName.isEmpty())
        ghostOutline = greatCircles(0.5f);
    else if (handedOverMesh)
        ghostOutline = vorlix::featureEdges(*handedOverMesh, creaseDegrees);
    ghostOutlineMade = true;
}

void GLWidget::drawGhost()
{
    if (!overlays.ghost)
        return;
    // The view lives as long as its body: the outline is made once, when first shown.
    if (!ghostOutlineMade)
        makeGhostOutline();
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT | GL_LINE_BIT);
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glPushMatrix();
    glMultMatrixd(sceneView().data());
    glMultMatrixd(run->exact.state().orientation.data());
    glScalef(zoom, zoom, zoom);
    glMultMatrixd(bodyPlacement.data());
    // Opaque lines rather than a second translucent body: in software GL every blended
    // pixel is read back, and the body's fill cost a sixth of the tick rate. Seen through
    // the simulated body too, where the two coincide.
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
    glLineWidth(std::max(lineWidth, 2.0f));
    glColor3fv(ghostColour);
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, ghostOutline.data());
    glDrawArrays(GL_LINES, 0, GLsizei(ghostOutline.size() / 3));
    glPopMatrix();
    glPopClientAttrib();
    glPopAttrib();
}

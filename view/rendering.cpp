// SPDX-License-Identifier: GPL-3.0-or-later
#include "glwidget.h"

#include "scenegeometry.h"

#include <GL/glu.h>

void GLWidget::initializeGL()
{
    static const GLfloat lightPos[4] = { 20, 20, 10, 1 };
    static const GLfloat reflectance[4] = { 0.3f, 0.3f, 0.3f, 1.0f };
    static const GLfloat reflectanceA2[4] = { 0.3f, 1.0f, 0.3f, 1.0f };
    static const GLfloat ambient[4] = { 0.4f, 0.4f, 0.4f, 1.0f };

    glEnable(GL_COLOR_MATERIAL);
    // Set while the modelview matrix is the identity and never again: the light stays
    // fixed relative to the viewer.
    glLightfv(GL_LIGHT0, GL_POSITION, lightPos);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_DEPTH_TEST);
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, ambient);

    if (!bodyFileName.isEmpty())
        bodyList = makeShape(bodyFileName.constData(), reflectance);
    else
        bodyList = makeSphere(0.5f, textureFileName, 16, 16);
    arrowList = makeShape(arrowFileName, reflectanceA2);
    ellipsoidList = makeEllipsoid(float(vorlix::ellipsoidRadius), 24, 24);
    listsCreated = true;

    glEnable(GL_NORMALIZE);
    // Values the main window set before the context existed take effect now.
    changeLineWidth();
    changeBackgroundColor();
}

void GLWidget::resizeGL(int, int)
{
    // The widget's framebuffer is new and empty: the next paint draws again.
    frameAwaitingComposition = false;
    applyViewport();
}

void GLWidget::applyViewport()
{
    // In device pixels: on a scaled display the widget's own size would leave the view
    // drawn into a corner of its framebuffer.
    const qreal ratio = devicePixelRatioF();
    framebufferSize = QSize(int(width() * ratio), int(height() * ratio));
    const vorlix::Viewport v
        = vorlix::squareViewport(framebufferSize.width(), framebufferSize.height());
    glViewport(v.x, v.y, v.side, v.side);
}

void GLWidget::paintGL()
{
    // The widget sets a viewport of its own before each paint.
    applyViewport();
    applyPendingTurns();
    recordFrame();
    drawScene(incrementalTraces);
    drawLegend();
}

void GLWidget::applyPendingTurns()
{
    // The one-shot turns and resets are folded into the matrices here, in double
    // precision (GL's own matrix stack may be single precision).
    if (turnAngle != 0)
        orientationMatrix = vorlix::multiply(
            vorlix::rotation(turnAngle, turnAxisX, turnAxisY, turnAxisZ), orientationMatrix);
    if (resetOrientation == 1) {
        orientationMatrix = vorlix::identityMatrix();
        resetOrientation = 0;
    }
    if (viewTurnX != 0 || viewTurnY != 0 || viewTurnZ != 0) {
        vorlix::Matrix4 turn = vorlix::identityMatrix();
        if (viewTurnX != 0)
            turn = vorlix::multiply(turn, vorlix::rotation(viewTurnX, 1, 0, 0));
        if (viewTurnY != 0)
            turn = vorlix::multiply(turn, vorlix::rotation(viewTurnY, 0, 1, 0));
        if (viewTurnZ != 0)
            turn = vorlix::multiply(turn, vorlix::rotation(viewTurnZ, 0, 0, 1));
        viewMatrix = vorlix::multiply(turn, viewMatrix);
    }
    if (resetView == 1) {
        viewMatrix = vorlix::identityMatrix();
        resetView = 0;
    }
}

void GLWidget::recordFrame()
{
    // Every path that follows the body is recorded here, so that every picture drawn of
    // this instant, tile by tile, shows the same points.
    // A state that is no number draws nothing and must leave no point behind.
    if (!vorlix::isFinite(orientationMatrix)
        || !vorlix::isFinite(vorlix::Vector3 { omegaX, omegaY, omegaZ }))
        return;
    // The cones are drawn through both paths.
    if (overlays.polhode || overlays.invariablePlane || overlays.cones)
        run->recordPoinsotPaths(construction(), overlays.polhode || overlays.cones,
            overlays.invariablePlane || overlays.cones);
    if (!drawLines)
        return;
    if (drawXLines)
        recordTracePoint(xLines, xLinesIndex, 0);
    if (drawYLines)
        recordTracePoint(yLines, yLinesIndex, 1);
    if (drawZLines)
        recordTracePoint(zLines, zLinesIndex, 2);
}

void GLWidget::turnWithBody(const vorlix::Matrix4 &seenThrough)
{
    if (overlays.camera == OverlaySwitches::Camera::Standard) {
        glMultMatrixd(orientationMatrix.data());
    } else {
        // Multiplied in double precision, so that a body ridden with stays exactly still:
        // GL's own product may be single precision.
        glLoadMatrixd(vorlix::multiply(seenThrough, orientationMatrix).data());
    }
}

void GLWidget::drawScene(bool throughTraceLayer)
{
    glLoadIdentity();
    glPushMatrix();
    // The cones mark in the stencil where they have tinted.
    glClear(
        GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | (overlays.cones ? GL_STENCIL_BUFFER_BIT : 0));
    const vorlix::Matrix4 seenThrough = sceneView();
    glMultMatrixd(seenThrough.data());

    if (drawLines)
        drawTraces(throughTraceLayer);

    glPushMatrix();
    turnWithBody(seenThrough);
    drawObject(bodyList, bodyPlacement);
    glPopMatrix();
    // The plane's veil covers the body behind it; the arrows, drawn after it, keep
    // their colours.
    drawInvariablePlane();
    drawSpaceCone();
    drawWorldOverlays();
    turnWithBody(seenThrough);
    drawObject(arrowList);
    drawBodyOverlays();
    drawPolhodeFamily();
    drawBodyCone();
    // Last, so that the translucent ellipsoid blends over the body.
    if (showEllipsoid)
        drawObject0(ellipsoidList);
    glPopMatrix();
    drawGhost();
}

GLuint GLWidget::makeEllipsoid(float radius, int slices, int stacks)
{
    const GLuint list = glGenLists(1);
    glNewList(list, GL_COMPILE);
    glColor4f(1, 1, 1, 0.3f);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    // Without a projection the depth test keeps the smaller z, so the half of the shell
    // facing away from the viewer (negative z) is the one in front; culling the front
    // faces keeps exactly that half, and the body shows through it as through a veil.
    glEnable(GL_CULL_FACE);
    glCullFace(GL_FRONT);
    GLUquadric *quadric = gluNewQuadric();
    gluQuadricDrawStyle(quadric, GLU_FILL);
    gluQuadricNormals(quadric, GLU_SMOOTH);
    gluQuadricOrientation(quadric, GLU_OUTSIDE);
    gluSphere(quadric, radius, slices, stacks);
    gluDeleteQuadric(quadric);
    glDisable(GL_CULL_FACE);
    glShadeModel(GL_SMOOTH);
    glEndList();
    return list;
}

void GLWidget::drawObject(GLuint list, const vorlix::Matrix4 &placement)
{
    glPushMatrix();
    glScalef(zoom, zoom, zoom);
    glMultMatrixd(placement.data());
    glCallList(list);
    glPopMatrix();
}

void GLWidget::drawObject0(GLuint list)
{
    const vorlix::Vector3 s = vorlix::ellipsoidScale(inertiaX, inertiaY, inertiaZ, inertiaMin);
    glPushMatrix();
    glScalef(float(s.x), float(s.y), float(s.z));
    glCallList(list);
    glPopMatrix();
}

// Called from outside paintGL too, where another context (a dialog's, the window's
// compositor's) may be current.
void GLWidget::changeLineWidth()
{
    makeCurrent();
    glLineWidth(lineWidth);
}

void GLWidget::changeBackgroundColor()
{
    makeCurrent();
    glClearColor(backgroundColor.redF(), backgroundColor.greenF(), backgroundColor.blueF(), 1.0f);
}

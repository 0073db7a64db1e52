// SPDX-License-Identifier: GPL-3.0-or-later
#include "glwidget.h"

#include <GL/glu.h>
#include <QImage>

GLuint GLWidget::makeSphere(float radius, QString textureFileName, int slices, int stacks)
{
    // Made before the list is opened: inside it, the image upload would be recorded and
    // replayed on every frame. An unreadable image gives texture 0, which leaves the
    // sphere plain white. The rows go up as they are stored, top row first (no flip), the
    // colours unpremultiplied, and GL drops the alpha.
    const QImage image = QImage(textureFileName).convertToFormat(QImage::Format_RGBA8888);
    if (!image.isNull()) {
        glGenTextures(1, &sphereTexture);
        glBindTexture(GL_TEXTURE_2D, sphereTexture);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
        glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, image.width(), image.height(), 0, GL_RGBA,
            GL_UNSIGNED_BYTE, image.constBits());
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glBindTexture(GL_TEXTURE_2D, 0);
    }
    const GLuint texture = sphereTexture;

    const GLuint list = glGenLists(1);
    glNewList(list, GL_COMPILE);
    // GLU builds the poles along z; the picture's poles belong on the body's Y axis.
    glRotatef(-90, 1, 0, 0);
    // White material, so the picture is modulated by the light alone.
    glColor4f(1, 1, 1, 1);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
    GLUquadric *quadric = gluNewQuadric();
    gluQuadricDrawStyle(quadric, GLU_FILL);
    gluQuadricNormals(quadric, GLU_SMOOTH);
    gluQuadricOrientation(quadric, GLU_OUTSIDE);
    gluQuadricTexture(quadric, GL_TRUE);
    gluSphere(quadric, double(radius), slices, stacks);
    gluDeleteQuadric(quadric);
    // The marker, the ellipsoid and the next frame's traces are not textured.
    glDisable(GL_TEXTURE_2D);
    glEndList();
    return list;
}

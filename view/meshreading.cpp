// SPDX-License-Identifier: GPL-3.0-or-later
#include "glwidget.h"

#include "objfile.h"

#include <QMessageBox>
#include <QTimer>

namespace {

void emitTriangles(const vorlix::ObjMesh &mesh)
{
    const float *vertices = mesh.vertices.data();
    glBegin(GL_TRIANGLES);
    for (std::size_t i = 0; i < mesh.faces.size(); i += 3) {
        glNormal3fv(&mesh.normals[i]);
        glVertex3fv(vertices + 3 * std::size_t(mesh.faces[i]));
        glVertex3fv(vertices + 3 * std::size_t(mesh.faces[i + 1]));
        glVertex3fv(vertices + 3 * std::size_t(mesh.faces[i + 2]));
    }
    glEnd();
}

} // namespace

GLuint GLWidget::makeShape(const char *fileName, const float *colour)
{
    static const GLfloat markerRed[4] = { 1.0f, 0.3f, 0.3f, 1.0f };
    static const GLfloat markerBlue[4] = { 0.3f, 0.3f, 1.0f, 1.0f };

    const GLuint list = glGenLists(1);
    glNewList(list, GL_COMPILE);
    glColorMaterial(GL_FRONT, GL_AMBIENT_AND_DIFFUSE);
    glColor4fv(colour);

    // The body is read only once when the window has read it already.
    const bool body = fileName == bodyFileName.constData();
    vorlix::ObjMesh read;
    if (!(body && handedOverMesh)) {
        vorlix::ObjFile file
            = vorlix::readObjFile(QString::fromUtf8(fileName), vorlix::numericLocaleSeparator());
        if (!file.opened) {
            if (unopenedFiles.isEmpty())
                QTimer::singleShot(0, this, &GLWidget::reportUnopenedFiles);
            unopenedFiles.append(QString::fromUtf8(fileName));
        }
        read = std::move(file.mesh);
    }
    const vorlix::ObjMesh &mesh = body && handedOverMesh ? *handedOverMesh : read;
    vertexCount = mesh.vertexCount;
    faceCount = mesh.faceCount;

    emitTriangles(mesh);
    // The marker mesh points along +y; two turned copies make the X and Z axes. Decided by
    // the very pointer the widget holds, so a body file that is also called "arrow.obj3"
    // is drawn once.
    if (fileName == arrowFileName) {
        glColor4fv(markerRed);
        glRotatef(-90, 0, 0, 1);
        emitTriangles(mesh);
        glColor4fv(markerBlue);
        glRotatef(90, 1, 0, 0);
        emitTriangles(mesh);
    }
    glEndList();
    return list;
}

void GLWidget::handOverBodyMesh(const vorlix::ObjMesh *mesh)
{
    handedOverMesh = mesh;
}

// One warning after the other, in the order the files were read.
void GLWidget::reportUnopenedFiles()
{
    while (!unopenedFiles.isEmpty()) {
        const QString fileName = unopenedFiles.takeFirst();
        QMessageBox::warning(nullptr, tr("Warning"), tr("Can't open ") + fileName);
    }
}

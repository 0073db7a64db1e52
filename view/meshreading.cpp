#include "glwidget.h"

// Scaffolding until the OBJ reader lands: an empty list.
GLuint GLWidget::makeShape(const char *, const float *colour)
{
    const GLuint list = glGenLists(1);
    glNewList(list, GL_COMPILE);
    glColor4fv(colour);
    glEndList();
    return list;
}

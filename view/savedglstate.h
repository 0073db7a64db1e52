// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_SAVEDGLSTATE_H
#define VORLIX_SAVEDGLSTATE_H

#include <QtGui/qopengl.h>

/// Everything the overlays change, restored when it goes out of scope, so that the rest
/// of the picture is drawn exactly as without them.
class SavedGlState {
public:
    SavedGlState()
    {
        glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT | GL_LIGHTING_BIT | GL_COLOR_BUFFER_BIT
            | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
        glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
        glPushMatrix();
    }
    ~SavedGlState()
    {
        glPopMatrix();
        glPopClientAttrib();
        glPopAttrib();
    }
    SavedGlState(const SavedGlState &) = delete;
    SavedGlState &operator=(const SavedGlState &) = delete;
};

#endif

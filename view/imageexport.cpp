// SPDX-License-Identifier: GPL-3.0-or-later
#include "glwidget.h"

#include <QImage>
#include <QOpenGLFramebufferObject>
#include <algorithm>

namespace {

// Larger offscreen buffers gain nothing but memory: a 4096-pixel tile already needs 64 MB
// for colour and as much again for depth.
constexpr int preferredTileLimit = 4096;

int largestRenderTarget()
{
    GLint renderbuffer = 0;
    GLint texture = 0;
    GLint viewport[2] = { 0, 0 };
    glGetIntegerv(GL_MAX_RENDERBUFFER_SIZE, &renderbuffer);
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &texture);
    glGetIntegerv(GL_MAX_VIEWPORT_DIMS, viewport);
    return std::min({ int(renderbuffer), int(texture), int(viewport[0]), int(viewport[1]),
        preferredTileLimit });
}

/// Equal tiles no larger than limit that cover side pixels.
int tileSideFor(int side, int limit)
{
    const int tilesPerSide = (side + limit - 1) / limit;
    return (side + tilesPerSide - 1) / tilesPerSide;
}

/// Makes the tile whose lower-left pixel is (x0, y0) of the whole side x side picture fill
/// the tile's viewport: the scene itself only ever uses the identity projection.
void projectOntoTile(int side, int tile, int x0, int y0)
{
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    const double scale = double(side) / tile;
    glTranslated(scale - 1 - 2.0 * x0 / tile, scale - 1 - 2.0 * y0 / tile, 0);
    glScaled(scale, scale, 1);
    glMatrixMode(GL_MODELVIEW);
}

void restoreProjection()
{
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
}

/// Copies the lower-left w x h pixels of the bound framebuffer into image, whose rows run
/// top-down, with its lower-left corner at (x0, y0) counted from the image's bottom.
void readTile(QImage &image, int x0, int y0, int w, int h)
{
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glPixelStorei(GL_PACK_ROW_LENGTH, 0);
    for (int row = 0; row < h; ++row) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(image.height() - 1 - (y0 + row)));
        // Little-endian 0xAARRGGBB words are B, G, R, A bytes.
        glReadPixels(0, row, w, 1, GL_BGRA, GL_UNSIGNED_BYTE, line + x0);
    }
}

} // namespace

QImage GLWidget::renderSquareImage(int side, int tileSide)
{
    if (side < 1)
        return QImage();
    makeCurrent();
    if (!QOpenGLFramebufferObject::hasOpenGLFramebufferObjects())
        return QImage();

    QImage image(side, side, QImage::Format_RGB32);
    if (image.isNull())
        return QImage();

    int limit = largestRenderTarget();
    if (tileSide > 0)
        limit = std::min(limit, tileSide);
    const int tile = tileSideFor(side, limit);
    // An RGB colour buffer: the translucent ellipsoid must not leave holes of alpha in
    // the picture, and what is read back is exactly what the view shows.
    QOpenGLFramebufferObject buffer(
        tile, tile, QOpenGLFramebufferObject::CombinedDepthStencil, GL_TEXTURE_2D, GL_RGB8);
    if (!buffer.isValid() || !buffer.bind())
        return QImage();
    glViewport(0, 0, tile, tile);

    // Every tile shows the same instant: its points are recorded once.
    applyPendingTurns();
    recordFrame();
    for (int y0 = 0; y0 < side; y0 += tile) {
        for (int x0 = 0; x0 < side; x0 += tile) {
            projectOntoTile(side, tile, x0, y0);
            drawScene(false);
            readTile(image, x0, y0, std::min(tile, side - x0), std::min(tile, side - y0));
        }
    }

    restoreProjection();
    buffer.release();
    applyViewport();
    paintLegend(image);
    return image;
}

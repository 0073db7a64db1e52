// SPDX-License-Identifier: GPL-3.0-or-later
#include "legend.h"

#include "glwidget.h"
#include "overlaycolours.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

std::vector<LegendEntry> legendEntries(const OverlaySwitches &s)
{
    using namespace OverlayColour;
    const struct {
        bool shown;
        const char *name;
        const float *colour;
    } named[] = {
        { s.angularMomentum, QT_TRANSLATE_NOOP("Legend", "L, angular momentum"), momentum },
        { s.angularVelocity, QT_TRANSLATE_NOOP("Legend", "ω, angular velocity"), velocity },
        { s.polhode, QT_TRANSLATE_NOOP("Legend", "polhode"), polhode },
        { s.invariablePlane, QT_TRANSLATE_NOOP("Legend", "herpolhode"), herpolhode },
        { s.invariablePlane, QT_TRANSLATE_NOOP("Legend", "invariable plane"), plane },
        { s.polhodeFamily, QT_TRANSLATE_NOOP("Legend", "polhode family"), family },
        { s.polhodeFamily, QT_TRANSLATE_NOOP("Legend", "separatrix"), separatrix },
        { s.cones, QT_TRANSLATE_NOOP("Legend", "body cone"), bodyCone },
        { s.cones, QT_TRANSLATE_NOOP("Legend", "space cone"), spaceCone },
    };
    std::vector<LegendEntry> entries;
    for (const auto &n : named)
        if (n.shown)
            entries.push_back({ QCoreApplication::translate("Legend", n.name), toQColor(n.colour) });
    return entries;
}

QImage legendImage(const std::vector<LegendEntry> &entries, qreal scale)
{
    if (entries.empty())
        return QImage();
    QFont font;
    font.setPixelSize(qRound(12 * scale));
    const QFontMetrics metrics(font);
    const int pad = qRound(4 * scale), swatch = qRound(16 * scale), gap = qRound(5 * scale);
    const int line = metrics.height();
    int textWidth = 0;
    for (const LegendEntry &e : entries)
        textWidth = std::max(textWidth, metrics.horizontalAdvance(e.name));

    QImage image(2 * pad + swatch + gap + textWidth, 2 * pad + line * int(entries.size()),
        QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(font);
    // Dark behind the light colours, whatever the background colour chosen.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 170));
    p.drawRoundedRect(image.rect(), pad, pad);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const int top = pad + line * int(i);
        p.setPen(QPen(entries[i].colour, 2.5 * scale));
        p.drawLine(pad, top + line / 2, pad + swatch, top + line / 2);
        p.drawText(QRect(pad + swatch + gap, top, textWidth, line),
            Qt::AlignLeft | Qt::AlignVCenter, entries[i].name);
    }
    return image;
}

void GLWidget::drawLegend()
{
    const qreal ratio = devicePixelRatioF();
    // GL rows run upwards.
    const QImage legend = legendImage(legendEntries(overlays), ratio).mirrored();
    if (legend.isNull())
        return;
    const int w = framebufferSize.width(), h = framebufferSize.height();
    const int margin = qRound(legendMargin * ratio);
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glViewport(0, 0, w, h);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA); // premultiplied alpha
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    // The view's top-left corner, which stays on screen however the square is cropped.
    glRasterPos2d(-1 + 2.0 * margin / w, -1 + 2.0 * (h - margin - legend.height()) / h);
    // Little-endian 0xAARRGGBB words are B, G, R, A bytes.
    glDrawPixels(legend.width(), legend.height(), GL_BGRA, GL_UNSIGNED_BYTE, legend.constBits());
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopClientAttrib();
    glPopAttrib();
}

void GLWidget::paintLegend(QImage &picture) const
{
    // As large, relative to the picture, as in the view's square.
    const int viewSide = std::max(framebufferSize.width(), framebufferSize.height());
    const qreal scale = viewSide > 0 ? qreal(picture.width()) / viewSide * devicePixelRatioF() : 1;
    const QImage legend = legendImage(legendEntries(overlays), scale);
    if (legend.isNull())
        return;
    QPainter p(&picture);
    p.drawImage(QPoint(qRound(legendMargin * scale), qRound(legendMargin * scale)), legend);
}

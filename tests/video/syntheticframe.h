// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_SYNTHETICFRAME_H
#define VORLIX_SYNTHETICFRAME_H

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

/// A frame like the view's: a dark background, a shaded body turned by `index` degrees
/// and thin coloured lines (axes and a trace) crossing it.
inline QImage syntheticFrame(int side, int index)
{
    QImage frame(side, side, QImage::Format_RGB32);
    frame.fill(QColor(18, 20, 32));
    QPainter painter(&frame);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(side / 2.0, side / 2.0);
    painter.rotate(index);
    QRadialGradient shading(QPointF(-0.12 * side, -0.1 * side), 0.35 * side);
    shading.setColorAt(0, QColor(250, 190, 120));
    shading.setColorAt(1, QColor(110, 40, 30));
    painter.setBrush(shading);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(), 0.32 * side, 0.18 * side);
    const QColor axisColours[] = { Qt::red, Qt::green, QColor(80, 140, 255) };
    for (int axis = 0; axis < 3; ++axis) {
        painter.setPen(QPen(axisColours[axis], 1.5));
        painter.rotate(60);
        painter.drawLine(QPointF(0, 0), QPointF(0.45 * side, 0));
    }
    QPainterPath trace;
    for (int step = 0; step <= 200; ++step) {
        const double angle = 0.0314 * step;
        const QPointF point(0.4 * side * std::cos(angle), 0.25 * side * std::sin(3 * angle));
        step == 0 ? trace.moveTo(point) : trace.lineTo(point);
    }
    painter.setPen(QPen(QColor(255, 230, 80), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(trace);
    return frame;
}

#endif

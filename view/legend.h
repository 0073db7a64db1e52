// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_LEGEND_H
#define VORLIX_LEGEND_H

#include "overlayswitches.h"

#include <QColor>
#include <QImage>
#include <QString>

#include <vector>

/// One line of the view's legend: an element drawn over the body and its colour.
struct LegendEntry {
    QString name;
    QColor colour;
};

/// The elements the switches add to the picture, in the user's language. Empty when
/// only the body, its marker, the traces and the ellipsoid are shown, so that such a
/// frame has no legend at all. An overlay added to OverlaySwitches adds its line here.
std::vector<LegendEntry> legendEntries(const OverlaySwitches &switches);

/// The legend as a translucent picture, `scale` device pixels to a logical pixel; null
/// when there are no entries.
QImage legendImage(const std::vector<LegendEntry> &entries, qreal scale);

/// Logical pixels between the legend and the corner of the picture it is in.
constexpr int legendMargin = 8;

#endif

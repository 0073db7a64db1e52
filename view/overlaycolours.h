// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_OVERLAYCOLOURS_H
#define VORLIX_OVERLAYCOLOURS_H

#include <QColor>

/// The colours of Poinsot's construction, shared by the overlays and the legend that
/// names them. Each differs from the others and from the axis traces' red, green and blue.
namespace OverlayColour {
constexpr float momentum[3] = { 1.0f, 0.85f, 0.2f };
constexpr float velocity[3] = { 1.0f, 0.3f, 1.0f };
constexpr float polhode[3] = { 1.0f, 0.7f, 1.0f };
constexpr float herpolhode[3] = { 0.2f, 0.9f, 1.0f };
/// The plane's colour at full strength; it is drawn as a faint veil of it.
constexpr float plane[3] = { 0.6f, 0.8f, 1.0f };
constexpr float planeOpacity = 0.25f;
constexpr float family[3] = { 0.25f, 0.65f, 0.5f };
/// Brighter than the family it divides.
constexpr float separatrix[3] = { 0.75f, 1.0f, 0.9f };
/// The cones at full strength; they are drawn as veils of it.
constexpr float bodyCone[3] = { 1.0f, 0.5f, 0.1f };
constexpr float spaceCone[3] = { 0.3f, 0.5f, 1.0f };
constexpr float coneOpacity = 0.3f;

inline QColor toQColor(const float *rgb)
{
    return QColor::fromRgbF(rgb[0], rgb[1], rgb[2]);
}
} // namespace OverlayColour

#endif

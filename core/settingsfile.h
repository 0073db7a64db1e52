// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_SETTINGSFILE_H
#define VORLIX_SETTINGSFILE_H

#include <QString>
#include <QVector>

class QTextStream;

namespace vorlix {

/// One named parameter set. A section that lacks a key keeps the value the parameter
/// panel starts with, so a hand-written file never leaves a parameter undefined; the
/// iterations per frame default to 1000, the value every preset falls back to when a
/// file leaves them out.
struct Preset {
    QString name;
    double inertiaX = 1, inertiaY = 1, inertiaZ = 1;
    double omegaX = 0.0025, omegaY = 0.5, omegaZ = 0.0025; ///< rad/s
    double speed = 1;
    int iterPerFrame = 1000;
    /// The mesh the preset's moments belong to, as written after "Body="; empty for none.
    QString bodyFile;
};

/// The content of a settings file: the view's background colour and trace line width,
/// then the presets in file order.
struct SettingsFile {
    /// The colour's value as written after "Color=" (rrggbb, without "#"); meaningful
    /// only when colourSeen. The caller turns "#" + this into a colour.
    QString colourText;
    bool colourSeen = false;
    float lineWidth = 1;
    bool lineWidthSeen = false;
    QVector<Preset> presets;
};

/// Turns per second to rad/s for the lower-case keys: this rounding of 2π, not a longer
/// one, so that existing files keep giving the same angular velocities.
constexpr double radiansPerTurn = 6.283185307;

/// Reads a settings file to its end.
///
/// "#" starts a comment; lines are trimmed and empty ones skipped. The first line that
/// begins with "Color" gives the colour and the first that begins with "Line" and holds
/// a finite number the line width; later ones are ignored. A line beginning with "["
/// starts a preset whose name is the line without its first and last characters. Other
/// lines are key=value, the value running from the first "=" to the next one; values
/// that are no number read as 0. A number that is not finite (nan, inf, -inf, or turns
/// too many for rad/s) is ignored as if its line were missing. Keys: Ix/I1, Iy/I2,
/// Iz/I3, Wx, Wy, Wz (rad/s), wx, wy, wz (turns per second), Speed, iterPerFrame
/// (truncated toward zero). When fewer iterPerFrame lines were read than there are
/// presets, every preset gets 1000 iterations per frame.
///
/// Body names the preset's mesh. Its value is the rest of the line after the first "=",
/// trimmed, since a file name may hold "=" where a number never does; a "#" still starts
/// a comment, so a name containing "#" cannot be stored.
///
/// A line without "=" and a key line before the first "[" belong to no preset and are
/// ignored.
SettingsFile readSettings(QTextStream &in);

/// The next line that holds anything, as the reader sees it: without its comment, trimmed.
/// False at the end of the stream.
bool readSettingsLine(QTextStream &in, QString *line);

/// Writes the colour and line-width lines, an empty line, then nine lines, a Body line
/// if the preset names a body, and an empty line per preset with a non-empty name,
/// numbers in 'g' format with six significant digits and "\n" line ends. colourSeen and
/// lineWidthSeen are not consulted.
void writeSettings(QTextStream &out, const SettingsFile &settings);

} // namespace vorlix

#endif

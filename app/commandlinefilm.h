// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_COMMANDLINEFILM_H
#define VORLIX_COMMANDLINEFILM_H

#include "commandline.h"

#include <optional>

/// One line naming what makes the film of `command` impossible before anything is made
/// (the motion, the size, the frame rate, a missing encoder); empty when it can be tried.
/// Needs no display.
QString commandLineFilmProblem(const vorlix::CommandLine &command, const vorlix::Motion &motion);

/// Writes the film `vorlix --video` asks for, from a window that is never shown on screen
/// (its view still needs a display or an OpenGL context Qt can make): the motion of the
/// command line, `command.presetName`'s look and body options as the window would start
/// with them. Returns the exit status: 0 written, 2 refused before anything was written
/// (bad values, unknown preset, unreadable body, unwritable folder, missing encoder),
/// 1 failed while filming; `*problem` says why in one line.
int writeCommandLineFilm(const vorlix::CommandLine &command,
    const std::optional<vorlix::Preset> &preset, QString *problem);

#endif

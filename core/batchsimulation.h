// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_BATCHSIMULATION_H
#define VORLIX_BATCHSIMULATION_H

#include "motion.h"

#include <QString>

class QIODevice;

namespace vorlix {

class Stepper;

/// Simulated seconds per tick of a run without a display: the view's 4 ms timer, at which
/// its adaptive time per frame settles when every tick is on time.
constexpr double batchTickSeconds = 0.004;

/// A run without a display, in the motion's own time τ = Speed × simulated time.
struct BatchSimulation {
    Motion motion;
    const Stepper *stepper = nullptr;
    double seconds = 0; ///< how far to run, in |τ|
    double rowsPerSecond = 250; ///< of |τ|
};

/// One line naming what makes the motion impossible to run (a moment ≤ 0, Speed 0 or not
/// finite, no sub-steps), as a settings file may hold it; empty when it runs.
QString motionProblem(const Motion &motion);

/// Runs `run` as the view does, tick by tick: the simulation starts upright from ω × Speed
/// and each tick advances batchTickSeconds of simulated time in iterationsPerFrame
/// sub-steps of `stepper`, so τ moves by Speed × 4 ms a tick (backwards for a negative
/// Speed). It stops at the first tick where |τ| reaches `seconds`.
///
/// The rows (RunCsvWriter, in τ and the motion's ω) fall on ticks: the first at τ = 0, then
/// at the first tick whose |τ| reaches each multiple of 1/rowsPerSecond (to within 1e-9 of
/// a tick, against rounding), at most one per tick, and the last tick. When 1/rowsPerSecond
/// is a whole number of ticks (250 Hz at Speed 1) the rows are evenly spaced.
///
/// Returns an empty string, or one line naming the failure: the device did not take the
/// text, or the state stopped being finite (explicit Euler diverges when the sub-steps are
/// too coarse); the rows up to then are written.
QString writeBatchSimulation(QIODevice *device, const BatchSimulation &run, const QString &version);

/// writeBatchSimulation into `fileName` ("-": standard output). A file is written through
/// QSaveFile, so that a failed run leaves nothing behind and an older file stays whole.
QString writeBatchSimulationFile(
    const QString &fileName, const BatchSimulation &run, const QString &version);

} // namespace vorlix

#endif

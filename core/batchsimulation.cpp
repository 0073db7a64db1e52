// SPDX-License-Identifier: GPL-3.0-or-later
#include "batchsimulation.h"

#include "exactmotion.h"
#include "exactstepper.h"
#include "integrator.h"
#include "rigidbody.h"
#include "runcsv.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>

namespace vorlix {

QString motionProblem(const Motion &m)
{
    if (!(m.moments.x > 0 && m.moments.y > 0 && m.moments.z > 0) || !isFinite(m.moments))
        return QT_TRANSLATE_NOOP("CommandLine", "the moments of inertia must be numbers above 0");
    if (!isFinite(m.omega))
        return QT_TRANSLATE_NOOP("CommandLine", "the angular velocity must be finite");
    if (m.speed == 0 || !std::isfinite(m.speed))
        return QT_TRANSLATE_NOOP("CommandLine", "the speed must be a number other than 0");
    if (m.iterationsPerFrame < 1)
        return QT_TRANSLATE_NOOP("CommandLine", "the iterations per frame must be at least 1");
    return QString();
}

QString writeBatchSimulation(QIODevice *device, const BatchSimulation &run, const QString &version)
{
    const Motion &m = run.motion;
    RunDescription description;
    description.version = version;
    description.moments = m.moments;
    description.initialOmega = m.omega;
    description.integrator = QString::fromLatin1(run.stepper->name());
    description.subStep = batchTickSeconds / m.iterationsPerFrame;
    description.speed = m.speed;
    description.iterationsPerFrame = m.iterationsPerFrame;
    RunCsvWriter csv(device, description);

    RigidBodyState body;
    body.moments = m.moments;
    body.coefficients = eulerCoefficients(m.moments.x, m.moments.y, m.moments.z);
    body.omega = m.speed * m.omega;
    csv.writeRow(0, body.omega, body.orientation);
    // The exact solution is sampled at each tick's time, not stepped from tick to tick.
    std::optional<ExactMotion> exact;
    if (run.stepper == &exactSolution())
        exact.emplace(body.moments, body.omega, body.orientation);

    // Counted in ticks, so that no time is summed tick by tick and rounding never drifts.
    const double tauPerTick = batchTickSeconds * std::abs(m.speed);
    const double slack = 1e-9;
    const long long lastTick
        = std::llround(std::min(std::ceil(run.seconds / tauPerTick - slack), 1e18));
    const double ticksPerRow = 1 / (run.rowsPerSecond * tauPerTick);
    long long nextRow = 1;
    for (long long tick = 1; tick <= lastTick; ++tick) {
        const double time = tick * batchTickSeconds;
        if (exact) {
            const ExactMotion::Sample s = exact->at(time);
            body.omega = s.omega;
            body.orientation = s.orientation;
        } else {
            integrateFrame(body, batchTickSeconds, m.iterationsPerFrame, *run.stepper);
        }
        if (!isFinite(body.omega) || !isFinite(body.orientation)) {
            csv.finish();
            return QString(QT_TRANSLATE_NOOP("CommandLine",
                               "the simulation diverged at t = %1 s: raise --iterations, lower "
                               "--speed or use --integrator accurate"))
                .arg(m.speed * time);
        }
        if (tick + slack >= nextRow * ticksPerRow || tick == lastTick) {
            csv.writeRow(time, body.omega, body.orientation);
            nextRow = std::llround(std::floor((tick + slack) / ticksPerRow)) + 1;
        }
    }
    if (!csv.finish())
        return QString(QT_TRANSLATE_NOOP("CommandLine", "cannot write the table: %1"))
            .arg(device->errorString());
    return QString();
}

QString writeBatchSimulationFile(
    const QString &fileName, const BatchSimulation &run, const QString &version)
{
    if (fileName == QLatin1String("-")) {
        QFile out;
        if (!out.open(stdout, QIODevice::WriteOnly))
            return out.errorString();
        return writeBatchSimulation(&out, run, version);
    }
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return QString(QT_TRANSLATE_NOOP("CommandLine", "cannot write %1: %2"))
            .arg(fileName, file.errorString());
    const QString error = writeBatchSimulation(&file, run, version);
    if (!error.isEmpty()) {
        file.cancelWriting();
        return error;
    }
    if (!file.commit())
        return QString(QT_TRANSLATE_NOOP("CommandLine", "cannot write %1: %2"))
            .arg(fileName, file.errorString());
    return QString();
}

} // namespace vorlix

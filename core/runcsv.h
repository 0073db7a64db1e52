// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VORLIX_RUNCSV_H
#define VORLIX_RUNCSV_H

#include "matrix4.h"
#include "vector3.h"

#include <QByteArray>
#include <QString>

class QIODevice;

namespace vorlix {

class RunRecord;

/// What produced a run, written as comment lines above the table.
struct RunDescription {
    QString program = QStringLiteral("vorlix");
    QString version;
    Vector3 moments; ///< Ix, Iy, Iz
    Vector3 initialOmega; ///< the panel's ω, rad/s, before Speed
    QString integrator; ///< the stepper's name, untranslated
    double subStep = 0; ///< h, seconds of simulated time
    double speed = 1;
    int iterationsPerFrame = 0;
};

/// Writes a run as CSV (RFC 4180) in the motion's own units, the same at any Speed: the
/// simulation runs the panel's motion with ω times Speed, so that its state at simulated
/// time t is the panel's motion at τ = Speed·t with ω = simulated ω / Speed. Each row
/// holds τ, ω (body frame), the kinetic energy T = ½·Σ I·ω², |L|, L in the world frame
/// (O·(I∘ω)) and the orientation O as a unit quaternion with qw ≥ 0
/// (quaternionFromRotation). A negative Speed runs the motion backwards: τ is then
/// negative and decreasing.
///
/// The file starts with comment lines beginning with "# " (program and version, moments,
/// initial ω, integrator, sub-step, Speed, iterations per frame, the units) and the header
/// line t,wx,wy,wz,T,L,Lx,Ly,Lz,qw,qx,qy,qz. Lines end with CR LF as RFC 4180 has it;
/// numbers are the shortest text that reads back to the same double (std::to_chars), with
/// a full stop in every locale.
///
/// The text goes to the device in chunks of about 1 MiB, so a run of any length needs
/// little memory. A failed write is remembered; later writes are skipped.
class RunCsvWriter {
public:
    /// Writes the comment lines and the header.
    RunCsvWriter(QIODevice *device, const RunDescription &description);

    /// One row from the simulation's state after `simulatedTime` seconds.
    void writeRow(double simulatedTime, const Vector3 &omega, const Matrix4 &orientation);

    /// Hands the rest to the device; false if any part of the text was not taken whole.
    bool finish();

private:
    void field(double value); ///< the value and a comma
    void flushIfFull();

    QIODevice *device;
    Vector3 moments;
    double speed;
    QByteArray chunk;
    bool failed = false;
};

/// The whole record through RunCsvWriter.
bool writeRunCsv(QIODevice *device, const RunDescription &description, const RunRecord &record);

} // namespace vorlix

#endif

// SPDX-License-Identifier: GPL-3.0-or-later
#include "runcsv.h"

#include "invariants.h"
#include "quaternion.h"
#include "runrecord.h"

#include <QIODevice>

#include <charconv>

namespace vorlix {

namespace {

constexpr int chunkSize = 1 << 20;

QByteArray number(double value)
{
    char text[32];
    return QByteArray(text, int(std::to_chars(text, text + sizeof text, value).ptr - text));
}

QByteArray triple(const Vector3 &v)
{
    return number(v.x) + ' ' + number(v.y) + ' ' + number(v.z);
}

} // namespace

RunCsvWriter::RunCsvWriter(QIODevice *device, const RunDescription &d)
    : device(device), moments(d.moments), speed(d.speed)
{
    chunk.reserve(chunkSize + 1024);
    chunk += "# " + d.program.toUtf8() + ' ' + d.version.toUtf8() + "\r\n";
    chunk += "# moments Ix Iy Iz: " + triple(d.moments) + "\r\n";
    chunk += "# initial omega (rad/s): " + triple(d.initialOmega) + "\r\n";
    chunk += "# integrator: " + d.integrator.toUtf8() + "\r\n";
    chunk += "# sub-step (s of simulated time): " + number(d.subStep) + "\r\n";
    chunk += "# speed: " + number(d.speed) + "\r\n";
    chunk += "# iterations per frame: " + QByteArray::number(d.iterationsPerFrame) + "\r\n";
    chunk += "# units: t = speed * simulated time (s); omega in rad/s at speed 1; T, L from "
             "that omega; L in world axes; q turns body axes into world axes\r\n";
    chunk += "t,wx,wy,wz,T,L,Lx,Ly,Lz,qw,qx,qy,qz\r\n";
}

void RunCsvWriter::field(double value)
{
    char text[32];
    char *end = std::to_chars(text, text + sizeof text - 1, value).ptr;
    *end++ = ',';
    chunk.append(text, int(end - text));
}

void RunCsvWriter::writeRow(double simulatedTime, const Vector3 &omega, const Matrix4 &o)
{
    const Vector3 w { omega.x / speed, omega.y / speed, omega.z / speed };
    const Vector3 l = worldAngularMomentum(moments, w, o);
    const Quaternion q = quaternionFromRotation(o);
    const double tau = speed * simulatedTime + 0.0; // + 0.0: no "-0" at the start
    for (double value : { tau, w.x, w.y, w.z, kineticEnergy(moments, w),
             angularMomentumMagnitude(moments, w), l.x, l.y, l.z, q.w, q.x, q.y, q.z })
        field(value);
    chunk.chop(1);
    chunk += "\r\n";
    flushIfFull();
}

void RunCsvWriter::flushIfFull()
{
    if (chunk.size() >= chunkSize)
        finish();
}

bool RunCsvWriter::finish()
{
    if (!failed && !chunk.isEmpty())
        failed = device->write(chunk) != chunk.size();
    chunk.resize(0); // keeps the reserved memory for the next chunk
    return !failed;
}

bool writeRunCsv(QIODevice *device, const RunDescription &description, const RunRecord &record)
{
    RunCsvWriter writer(device, description);
    for (std::size_t i = 0; i < record.size(); ++i)
        writer.writeRow(record[i].time, record[i].omega, record[i].orientation());
    return writer.finish();
}

} // namespace vorlix

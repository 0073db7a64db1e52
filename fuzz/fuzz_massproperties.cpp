// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as an OBJ file, weighed as the "moments from the body" action weighs it: NaN,
// infinite and huge coordinates, degenerate and repeated triangles must neither crash nor
// hang, and a body that is not reported empty must give moments the simulation can take.
#include "massproperties.h"
#include "objreader.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const vorlix::ObjMesh mesh = vorlix::readObj(reinterpret_cast<const char *>(data), size, '.');
    const vorlix::MassProperties body = vorlix::massProperties(mesh);
    if (body.isEmpty())
        return 0;
    check(body.mass > 0 && std::isfinite(body.mass));
    check(body.size > 0 && std::isfinite(body.size));
    check(vorlix::isFinite(body.centreOfMass));
    for (double entry : body.inertia)
        check(std::isfinite(entry));

    const vorlix::PrincipalFrame frame = vorlix::principalFrame(body);
    check(vorlix::isFinite(frame.rotation) && std::isfinite(frame.angleDegrees));
    const vorlix::Vector3 moments = vorlix::scaledToSmallestOne(frame.moments);
    check(vorlix::isFinite(moments) && moments.x > 0 && moments.y > 0 && moments.z > 0);
    check(vorlix::isFinite(vorlix::meshToPrincipalFrame(frame)));
    return 0;
}

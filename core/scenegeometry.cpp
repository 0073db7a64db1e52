#include "scenegeometry.h"

#include <cmath>

namespace vorlix {

Viewport squareViewport(int w, int h)
{
    const int side = w > h ? w : h;
    return { (w - side) / 2, (h - side) / 2, side };
}

double smallestMoment(double inertiaX, double inertiaY, double inertiaZ)
{
    const double m = inertiaY > inertiaX ? inertiaX : inertiaY;
    return inertiaZ > m ? m : inertiaZ;
}

Vector3 ellipsoidScale(double inertiaX, double inertiaY, double inertiaZ, double inertiaMin)
{
    return { std::sqrt(inertiaMin / inertiaX), std::sqrt(inertiaMin / inertiaY),
        std::sqrt(inertiaMin / inertiaZ) };
}

} // namespace vorlix

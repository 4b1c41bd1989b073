#include "packeddms.h"

#include "projmath.h"

#include <cmath>

namespace meridox
{

int UnpackDms(double packed, double *radians)
{
    const double sign = packed < 0.0 ? -1.0 : 1.0;
    const double value = std::fabs(packed);
    if (!std::isfinite(value))
        return ErrorIllegalDms;
    const double degrees = std::trunc(value * 1.0e-6);
    const double minutes = std::trunc((value - degrees * 1000000.0) * 0.001);
    const double seconds = value - degrees * 1000000.0 - minutes * 1000.0;
    if (degrees > 360.0 || minutes > 60.0 || seconds > 60.0)
        return ErrorIllegalDms;
    const double angle =
        sign * (seconds + minutes * 60.0 + degrees * 3600.0) * 0.0002777777777777778;
    *radians = angle * 0.017453292519943292;
    return ProjectionOk;
}

} // namespace meridox

#pragma once

// Packed angles DDDMMMSSS.SS (degrees * 1e6 + minutes * 1e3 + seconds), the
// convention of projection parameters.
namespace meridox
{

// Radians of a packed angle, or ErrorIllegalDms (1116) when the degrees exceed
// 360 or the minutes or seconds exceed 60.
int UnpackDms(double packed, double *radians);

} // namespace meridox

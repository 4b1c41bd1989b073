#include "reportengine/rasterimage.h"

RectMm ImagePlacement(double x, double y, double width, double height, const RasterImage &image)
{
    RectMm r{x, y, width, height};
    if (image.isNull() || (width > 0.0 && height > 0.0))
        return r;
    const double aspect = static_cast<double>(image.width) / image.height;
    if (width <= 0.0 && height > 0.0) {
        r.width = height * aspect;
    } else if (height <= 0.0 && width > 0.0) {
        r.height = width / aspect;
    } else {
        constexpr double kScreenMmPerPixel = 25.4 / 96.0;
        r.width = image.width * kScreenMmPerPixel;
        r.height = image.height * kScreenMmPerPixel;
    }
    return r;
}

#pragma once

#include <QByteArray>
#include <QString>

// A picture handed to the report engine: 8-bit RGB samples, rows from top to bottom,
// no padding (width * 3 bytes a row).
struct RasterImage {
    int width = 0;
    int height = 0;
    QByteArray rgb;

    bool isNull() const { return width <= 0 || height <= 0; }
};

// A rectangle on the page in millimetres from the left and top edges.
struct RectMm {
    double x = 0.0;
    double y = 0.0;
    double width = 0.0;
    double height = 0.0;
};

// Where a bitmap given by x, y, width and height goes on the page: with both sizes positive
// it is stretched into that rectangle; when the width is not positive it is derived from
// the height, when the height is not positive from the width, so that the printed
// rectangle keeps the bitmap's pixel aspect ratio (the page is measured in millimetres,
// so the horizontal and vertical resolutions of the output are already accounted for).
// With neither size positive the bitmap keeps its natural size at 96 pixels per inch.
RectMm ImagePlacement(double x, double y, double width, double height, const RasterImage &image);

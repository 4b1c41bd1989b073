#pragma once

#include "reportengine/rasterimage.h"

#include <QByteArray>
#include <QString>

// Reads Windows BMP pictures (the screen captures the pages write): 1, 4 and 8 bits with a
// colour table, 16, 24 and 32 bits, uncompressed or with bit-field masks, rows stored
// bottom-up or top-down. Compressed (RLE, JPEG, PNG) bitmaps are refused. The input is
// untrusted: every size and offset is checked before use, and pictures above 64 million
// pixels are refused.
bool ReadBmp(const QByteArray &data, RasterImage *image, QString *error);
bool ReadBmpFile(const QString &path, RasterImage *image, QString *error);

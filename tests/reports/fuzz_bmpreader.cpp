// Feeds arbitrary bytes to the BMP reader: it must refuse or decode, never read out of bounds.
#include "reportengine/bmpreader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    RasterImage image;
    QString error;
    if (ReadBmp(QByteArray(reinterpret_cast<const char *>(data), static_cast<int>(size)), &image,
                &error)) {
        if (image.rgb.size() != qint64(image.width) * image.height * 3)
            __builtin_trap();
    }
    return 0;
}

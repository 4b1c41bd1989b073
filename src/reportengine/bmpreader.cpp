#include "reportengine/bmpreader.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdint>

namespace
{
constexpr qint64 kMaxPixels = 64LL * 1024 * 1024;
constexpr quint32 kRgb = 0;
constexpr quint32 kBitFields = 3;

class Bytes
{
public:
    explicit Bytes(const QByteArray &data) : data_(data) {}
    bool has(qint64 offset, qint64 count) const
    {
        return offset >= 0 && count >= 0 && offset + count <= data_.size();
    }
    quint32 u8(qint64 o) const { return static_cast<unsigned char>(data_[static_cast<int>(o)]); }
    quint32 u16(qint64 o) const { return u8(o) | (u8(o + 1) << 8); }
    quint32 u32(qint64 o) const { return u16(o) | (u16(o + 2) << 16); }
    qint32 i32(qint64 o) const { return static_cast<qint32>(u32(o)); }

private:
    const QByteArray &data_;
};

// One colour channel described by a bit mask, scaled to 0..255.
struct Channel {
    quint32 mask = 0;
    int shift = 0;
    quint32 max = 0;

    explicit Channel(quint32 m) : mask(m)
    {
        if (mask == 0)
            return;
        while (((mask >> shift) & 1U) == 0)
            ++shift;
        max = mask >> shift;
    }
    unsigned char value(quint32 pixel) const
    {
        if (max == 0)
            return 0;
        const quint64 v = (pixel & mask) >> shift;
        return static_cast<unsigned char>(v * 255U / max);
    }
};

bool fail(QString *error, const QString &text)
{
    if (error)
        *error = text;
    return false;
}
} // namespace

bool ReadBmp(const QByteArray &data, RasterImage *image, QString *error)
{
    const Bytes in(data);
    if (!in.has(0, 18) || data[0] != 'B' || data[1] != 'M')
        return fail(error,
                    QCoreApplication::translate("BmpReader", "The file is not a BMP picture."));
    const qint64 pixelOffset = in.u32(10);
    const qint64 headerSize = in.u32(14);
    if (!in.has(14, headerSize) || (headerSize != 12 && headerSize < 40))
        return fail(error, QCoreApplication::translate("BmpReader", "The BMP header is damaged."));

    qint64 width = 0, height = 0;
    quint32 bits = 0, compression = kRgb, colours = 0;
    bool topDown = false;
    quint32 masks[3] = {0, 0, 0};
    qint64 paletteOffset = 14 + headerSize;
    int paletteEntrySize = 4;
    if (headerSize == 12) {
        width = in.u16(18);
        height = in.u16(20);
        bits = in.u16(24);
        paletteEntrySize = 3;
    } else {
        width = in.i32(18);
        const qint32 h = in.i32(22);
        topDown = h < 0;
        height = topDown ? -static_cast<qint64>(h) : h;
        bits = in.u16(28);
        compression = in.u32(30);
        colours = in.u32(46);
        if (compression == kBitFields) {
            const qint64 maskOffset = headerSize >= 52 ? 54 : 14 + headerSize;
            if (!in.has(maskOffset, 12))
                return fail(error,
                            QCoreApplication::translate("BmpReader", "The BMP header is damaged."));
            for (int i = 0; i < 3; ++i)
                masks[i] = in.u32(maskOffset + 4 * i);
            if (headerSize < 52)
                paletteOffset += 12;
        }
    }
    if (width <= 0 || height <= 0 || width * height > kMaxPixels)
        return fail(error, QCoreApplication::translate("BmpReader",
                                                       "The BMP picture has an unusable size."));
    if (compression != kRgb && !(compression == kBitFields && (bits == 16 || bits == 32)))
        return fail(error, QCoreApplication::translate(
                               "BmpReader", "Compressed BMP pictures are not supported."));
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return fail(error, QCoreApplication::translate(
                               "BmpReader", "The BMP picture has an unsupported colour depth."));
    if (compression == kRgb && bits == 16) {
        masks[0] = 0x7C00;
        masks[1] = 0x03E0;
        masks[2] = 0x001F;
    } else if (compression == kRgb && bits == 32) {
        masks[0] = 0x00FF0000;
        masks[1] = 0x0000FF00;
        masks[2] = 0x000000FF;
    }

    QByteArray palette; // RGB triples
    if (bits <= 8) {
        const qint64 maxColours = 1LL << bits;
        const qint64 count = (colours == 0 || colours > maxColours) ? maxColours : colours;
        for (qint64 i = 0; i < count; ++i) {
            const qint64 o = paletteOffset + i * paletteEntrySize;
            if (!in.has(o, 3))
                break; // a short colour table: the missing entries stay black
            palette.append(static_cast<char>(in.u8(o + 2)));
            palette.append(static_cast<char>(in.u8(o + 1)));
            palette.append(static_cast<char>(in.u8(o)));
        }
        palette.append(QByteArray(static_cast<int>((maxColours - palette.size() / 3) * 3), 0));
    }

    const qint64 stride = ((width * bits + 31) / 32) * 4;
    if (!in.has(pixelOffset, stride * height))
        return fail(error,
                    QCoreApplication::translate("BmpReader", "The BMP picture is truncated."));

    const Channel red(masks[0]), green(masks[1]), blue(masks[2]);
    QByteArray rgb(static_cast<int>(width * height * 3), Qt::Uninitialized);
    char *out = rgb.data();
    for (qint64 row = 0; row < height; ++row) {
        const qint64 stored = topDown ? row : height - 1 - row;
        const qint64 base = pixelOffset + stored * stride;
        for (qint64 col = 0; col < width; ++col) {
            unsigned char r = 0, g = 0, b = 0;
            if (bits <= 8) {
                const qint64 bitPos = col * bits;
                const quint32 byte = in.u8(base + bitPos / 8);
                const int shift = 8 - static_cast<int>(bits) - static_cast<int>(bitPos % 8);
                const quint32 index = (byte >> shift) & ((1U << bits) - 1U);
                r = static_cast<unsigned char>(palette[static_cast<int>(index * 3)]);
                g = static_cast<unsigned char>(palette[static_cast<int>(index * 3 + 1)]);
                b = static_cast<unsigned char>(palette[static_cast<int>(index * 3 + 2)]);
            } else if (bits == 24) {
                const qint64 o = base + col * 3;
                b = static_cast<unsigned char>(in.u8(o));
                g = static_cast<unsigned char>(in.u8(o + 1));
                r = static_cast<unsigned char>(in.u8(o + 2));
            } else {
                const quint32 pixel = bits == 16 ? in.u16(base + col * 2) : in.u32(base + col * 4);
                r = red.value(pixel);
                g = green.value(pixel);
                b = blue.value(pixel);
            }
            *out++ = static_cast<char>(r);
            *out++ = static_cast<char>(g);
            *out++ = static_cast<char>(b);
        }
    }
    image->width = static_cast<int>(width);
    image->height = static_cast<int>(height);
    image->rgb = rgb;
    return true;
}

bool ReadBmpFile(const QString &path, RasterImage *image, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(error,
                    QCoreApplication::translate("BmpReader", "Cannot open the picture %1: %2")
                        .arg(path, file.errorString()));
    return ReadBmp(file.readAll(), image, error);
}

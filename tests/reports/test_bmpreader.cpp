// Reading the BMP pictures that the pages write for the reports.
#include "reportengine/bmpreader.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{
void put16(QByteArray &b, int v)
{
    b.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF));
}
void put32(QByteArray &b, qint64 v)
{
    put16(b, int(v & 0xFFFF));
    put16(b, int((v >> 16) & 0xFFFF));
}

// A BMP file with a 40-byte header; palette entries are BGRX, masks follow the header.
QByteArray makeBmp(int width, int height, int bits, int compression, const QByteArray &extra,
                   const QByteArray &pixels)
{
    QByteArray b("BM");
    put32(b, 54 + extra.size() + pixels.size());
    put32(b, 0);
    put32(b, 54 + extra.size());
    put32(b, 40);
    put32(b, width);
    put32(b, height);
    put16(b, 1);
    put16(b, bits);
    put32(b, compression);
    put32(b, pixels.size());
    put32(b, 3780);
    put32(b, 3780);
    put32(b, 0);
    put32(b, 0);
    return b + extra + pixels;
}

QByteArray rgb(std::initializer_list<int> v)
{
    QByteArray out;
    for (int x : v)
        out.append(char(x));
    return out;
}
} // namespace

TEST(BmpReader, DecodesTheUsualDepthsToTopDownRgb)
{
    // Expected picture for every case: 2 x 2, top row red, green; bottom row blue, white.
    const QByteArray expected = rgb({255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255});
    // Colour table (blue, green, red, unused): 0 red, 1 green, 2 blue, 3 white.
    const QByteArray palette = rgb({0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 0, 255, 255, 255, 0});
    QByteArray masks565;
    put32(masks565, 0xF800);
    put32(masks565, 0x07E0);
    put32(masks565, 0x001F);
    struct Case {
        const char *name;
        QByteArray file;
    } cases[] = {
        {"24 bits, bottom-up, padded rows",
         makeBmp(2, 2, 24, 0, {},
                 rgb({255, 0, 0, 255, 255, 255, 0, 0, 0, 0, 255, 0, 255, 0, 0, 0}))},
        {"24 bits, top-down",
         makeBmp(2, -2, 24, 0, {},
                 rgb({0, 0, 255, 0, 255, 0, 0, 0, 255, 0, 0, 255, 255, 255, 0, 0}))},
        {"8 bits with a colour table", makeBmp(2, 2, 8, 0, palette, rgb({2, 3, 0, 0, 0, 1, 0, 0}))},
        {"4 bits with a colour table",
         makeBmp(2, 2, 4, 0, palette, rgb({0x23, 0, 0, 0, 0x01, 0, 0, 0}))},
        {"32 bits BGRX",
         makeBmp(2, 2, 32, 0, {},
                 rgb({255, 0, 0, 0, 255, 255, 255, 0, 0, 0, 255, 0, 0, 255, 0, 0}))},
        {"16 bits with 565 masks",
         makeBmp(2, 2, 16, 3, masks565, rgb({0x1F, 0, 0xFF, 0xFF, 0, 0xF8, 0xE0, 0x07}))},
    };
    for (const Case &c : cases) {
        RasterImage image;
        QString error;
        ASSERT_TRUE(ReadBmp(c.file, &image, &error)) << c.name << ": " << error.toStdString();
        EXPECT_EQ(image.width, 2) << c.name;
        EXPECT_EQ(image.height, 2) << c.name;
        EXPECT_EQ(image.rgb, expected) << c.name;
    }
}

TEST(BmpReader, OneBitPicturesUseTheTwoColours)
{
    const QByteArray palette = rgb({0, 0, 0, 0, 255, 255, 255, 0});
    // 3 x 1: white, black, white (bits 101).
    RasterImage image;
    ASSERT_TRUE(ReadBmp(makeBmp(3, 1, 1, 0, palette, rgb({0xA0, 0, 0, 0})), &image, nullptr));
    EXPECT_EQ(image.rgb, rgb({255, 255, 255, 0, 0, 0, 255, 255, 255}));
}

TEST(BmpReader, RefusesDamagedOrUnsupportedFiles)
{
    const QByteArray good = makeBmp(2, 2, 24, 0, {}, QByteArray(16, 0));
    QByteArray badHeader = good;
    badHeader[14] = 20; // header size 20 does not exist
    struct Case {
        const char *name;
        QByteArray file;
    } cases[] = {
        {"empty", {}},
        {"not a bitmap", QByteArray("PK\x03\x04 some zip data")},
        {"truncated pixels", good.left(good.size() - 1)},
        {"unknown header size", badHeader},
        {"run-length compressed", makeBmp(2, 2, 8, 1, QByteArray(1024, 0), QByteArray(16, 0))},
        {"zero width", makeBmp(0, 2, 24, 0, {}, QByteArray(16, 0))},
        {"absurd size", makeBmp(100000, 100000, 24, 0, {}, QByteArray(16, 0))},
        {"odd depth", makeBmp(2, 2, 7, 0, {}, QByteArray(16, 0))},
    };
    for (const Case &c : cases) {
        RasterImage image;
        QString error;
        EXPECT_FALSE(ReadBmp(c.file, &image, &error)) << c.name;
        EXPECT_FALSE(error.isEmpty()) << c.name;
        EXPECT_TRUE(image.isNull()) << c.name;
    }
}

TEST(BmpReader, MissingFileIsAnError)
{
    QTemporaryDir dir;
    RasterImage image;
    QString error;
    EXPECT_FALSE(ReadBmpFile(dir.filePath(QStringLiteral("Tmp.bmp")), &image, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("Tmp.bmp"))) << error.toStdString();
}

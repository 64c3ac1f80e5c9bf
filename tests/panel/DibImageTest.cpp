#include "CMyBitmapApp.h"
#include "DibImage.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

QByteArray BmpBytes(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, "BMP"));
    return bytes;
}

QByteArray Valid24Bit()
{
    QImage image(3, 2, QImage::Format_RGB888);
    image.fill(QColor(10, 200, 30));
    image.setPixelColor(2, 1, QColor(250, 5, 5));
    return BmpBytes(image);
}

void Put32(QByteArray& bytes, int at, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = char((value >> (8 * i)) & 0xff);
}

bool ReadBytes(DibImage& dib, QByteArray bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return dib.Read(buffer);
}

TEST(DibImageTest, ReadsTrueColourAndPalettePictures)
{
    DibImage dib;
    ASSERT_TRUE(ReadBytes(dib, Valid24Bit())) << dib.LastError().toStdString();
    EXPECT_EQ(dib.Width(), 3);
    EXPECT_EQ(dib.Height(), 2);
    EXPECT_EQ(dib.BitsPerPixel(), 24);
    EXPECT_FALSE(dib.HasPalette());
    EXPECT_EQ(dib.Header().size, 40u);
    EXPECT_EQ(dib.Image().pixelColor(2, 1), QColor(250, 5, 5));

    QImage indexed(5, 4, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(0, 0, 0), qRgb(1, 2, 3), qRgb(200, 100, 50)});
    indexed.fill(2);
    ASSERT_TRUE(ReadBytes(dib, BmpBytes(indexed))) << dib.LastError().toStdString();
    // a few colours are written with 4 bits per pixel
    EXPECT_LE(dib.BitsPerPixel(), 8);
    EXPECT_EQ(dib.BitsPerPixel(), dib.Header().bitCount);
    ASSERT_TRUE(dib.HasPalette());
    EXPECT_EQ(dib.Palette().size(), 1 << dib.BitsPerPixel());
    EXPECT_EQ(dib.Palette().at(2), qRgb(200, 100, 50));
    EXPECT_EQ(dib.Image().pixelColor(4, 3), QColor(200, 100, 50));
}

TEST(DibImageTest, RejectsBadFilesWithTheirReasonAndKeepsNothing)
{
    const QByteArray valid = Valid24Bit();
    auto with = [&](int at, quint32 value) {
        QByteArray bytes = valid;
        Put32(bytes, at, value);
        return bytes;
    };
    struct Case {
        const char* name;
        QByteArray bytes;
        const char* reason;
    } const cases[] = {
        {"not BM", "XM" + valid.mid(2), DibImage::kNotADib},
        {"too short", "BM\0\0", DibImage::kNotADib},
        {"OS/2 core header", with(14, 12), DibImage::kOs2Format},
        {"version 5 header", with(14, 124), DibImage::kOs2Format},
        {"scan lines cut off", valid.left(valid.size() - 4), DibImage::kShortScanLines},
        {"huge width", with(18, 100000), DibImage::kNoStorage},
        {"no rows", with(22, 0), DibImage::kNoInfoStruct},
        {"odd bit count", with(26, 0x00070001), DibImage::kNoInfoStruct},
        {"pixels past the end", with(10, 5000), DibImage::kNoInfoStruct},
    };
    for (const Case& c : cases) {
        DibImage dib;
        ASSERT_TRUE(ReadBytes(dib, valid));
        EXPECT_FALSE(ReadBytes(dib, c.bytes)) << c.name;
        EXPECT_EQ(dib.LastError(), QString::fromLatin1(c.reason)) << c.name;
        EXPECT_TRUE(dib.IsNull()) << c.name;
    }

    DibImage dib;
    EXPECT_FALSE(dib.LoadFromFile(QString()));
    EXPECT_FALSE(dib.LoadFromFile("/nonexistent/picture.bmp"));
    EXPECT_EQ(dib.LastError(), QString::fromLatin1(DibImage::kCannotOpen));
}

// An 8-bit run-length coded picture: two colours, then `runs` as the pixel data.
QByteArray Rle8Bmp(int width, int height, const QByteArray& runs)
{
    QByteArray bytes(14 + 40 + 8, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    bytes += runs;
    Put32(bytes, 2, quint32(bytes.size()));
    Put32(bytes, 10, 14 + 40 + 8);
    Put32(bytes, 14, 40);
    Put32(bytes, 18, quint32(width));
    Put32(bytes, 22, quint32(height));
    Put32(bytes, 26, 1 | (8 << 16)); // planes, bits per pixel
    Put32(bytes, 30, 1);             // BI_RLE8
    Put32(bytes, 34, quint32(runs.size()));
    Put32(bytes, 46, 2); // colours used
    Put32(bytes, 54, 0x000000ff);
    Put32(bytes, 58, 0x0000ff00);
    return bytes;
}

TEST(DibImageTest, RunLengthPicturesMayClaimNoMorePixelsThanTheirRunsHold)
{
    // 200 x 2 in runs of 200 pixels: colour 1 above, colour 0 below.
    const QByteArray runs("\xc8\x00\x00\x00\xc8\x01\x00\x01", 8);
    DibImage dib;
    ASSERT_TRUE(ReadBytes(dib, Rle8Bmp(200, 2, runs))) << dib.LastError().toStdString();
    EXPECT_EQ(dib.Width(), 200);
    EXPECT_NE(dib.Image().pixelColor(199, 0), dib.Image().pixelColor(199, 1));

    // A kilobyte that claims millions of pixels would cost their memory for each element showing it.
    const QByteArray endOfPicture = QByteArray("\x00\x01", 2) + QByteArray(1000, '\0');
    EXPECT_FALSE(ReadBytes(dib, Rle8Bmp(2048, 2048, endOfPicture)));
    EXPECT_EQ(dib.LastError(), QString::fromLatin1(DibImage::kShortScanLines));
    EXPECT_TRUE(dib.IsNull());
    // Beyond any panel, however it is coded.
    for (const QSize size : {QSize(4096, 4096), QSize(4097, 1)}) {
        EXPECT_FALSE(ReadBytes(dib, Rle8Bmp(size.width(), size.height(), endOfPicture)));
        EXPECT_EQ(dib.LastError(), QString::fromLatin1(DibImage::kNoStorage));
    }
    // A compression the module does not know.
    QByteArray jpeg = Rle8Bmp(2, 2, QByteArray(64, '\0'));
    Put32(jpeg, 30, 4);
    EXPECT_FALSE(ReadBytes(dib, jpeg));
    EXPECT_EQ(dib.LastError(), QString::fromLatin1(DibImage::kNoInfoStruct));
}

// The LED pictures of the module, with the sizes the device window paints them at.
struct LedSize {
    int id, width, height;
};
const LedSize kLeds[] = {
    {158, 7, 8}, {159, 5, 4}, {160, 5, 4}, {161, 6, 4}, {162, 6, 4}, {163, 6, 4}, {164, 6, 4}, {190, 6, 5},
    {191, 6, 5}, {192, 6, 5}, {201, 5, 5}, {202, 5, 5}, {203, 5, 5}, {204, 5, 5}, {230, 5, 5}, {231, 5, 5},
};

TEST(BitmapCacheTest, HoldsEveryLedPictureByResourceIdAndDrawsIt)
{
    CMyBitmapApp cache;
    for (const LedSize& led : kLeds) {
        ASSERT_TRUE(cache.LoadPicture(led.id)) << led.id;
        const CMyBitmapApp::Entry* entry = cache.Find(led.id);
        EXPECT_EQ(QSize(entry->width, entry->height), QSize(led.width, led.height)) << led.id;
        EXPECT_EQ(entry->bitsPerPixel, 24) << led.id;
        EXPECT_EQ(entry->loadPosition, cache.Count());
    }
    EXPECT_FALSE(cache.LoadPicture(999));
    EXPECT_EQ(cache.Count(), int(std::size(kLeds)));

    // green and amber port lamps as the device window paints them
    QImage target(20, 10, QImage::Format_RGB32);
    target.fill(Qt::white);
    QPainter painter(&target);
    EXPECT_TRUE(cache.DrawPicture(painter, 163, 4, 3));
    EXPECT_FALSE(cache.DrawPicture(painter, 999, 0, 0));
    painter.end();
    EXPECT_EQ(target.pixelColor(6, 4), QColor(237, 154, 34));
    EXPECT_EQ(target.pixelColor(3, 3), QColor(Qt::white));
    EXPECT_EQ(target.pixelColor(10, 3), QColor(Qt::white));
}

} // namespace

// The checks a picture of the front panel passes before it is decoded: any file is either
// refused with a reason or gives a picture of exactly the size and depth its header claims.

#include "DibImage.h"
#include "FuzzTarget.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPainter>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv); // the pictures are painted as the window paints them
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    DibImage picture;
    if (!picture.Read(buffer)) {
        FUZZ_CHECK(picture.IsNull());
        FUZZ_CHECK(!picture.LastError().isEmpty());
        return 0;
    }
    const DibImage::InfoHeader& header = picture.Header();
    FUZZ_CHECK(picture.Width() == header.width);
    FUZZ_CHECK(picture.Height() == std::abs(header.height));
    const int bits = picture.BitsPerPixel();
    FUZZ_CHECK(bits == 1 || bits == 4 || bits == 8 || bits == 24);
    FUZZ_CHECK(bits > 8 ? !picture.HasPalette() : picture.Palette().size() == (1 << bits));

    QImage window(32, 32, QImage::Format_RGB32);
    QPainter painter(&window);
    picture.DrawAt(painter, -1, -1);
    picture.Paint(painter, QRect(0, 0, 16, 16), QRect(picture.Width() - 8, picture.Height() - 8, 16, 16));
    return 0;
}

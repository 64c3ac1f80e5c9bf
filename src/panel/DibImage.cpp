#include "DibImage.h"

#include "PanelLimits.h"
#include "PanelResources.h"

#include <QFile>
#include <QPainter>
#include <QRect>
#include <cstdlib>

const char* const DibImage::kNoStorage = "could not allocate data storage\n";
const char* const DibImage::kNoInfoStruct = "could not allocate BITMAPINFO struct\n";
const char* const DibImage::kShortScanLines =
    "call to GetDIBits did not return full number of requested scan lines\n";
const char* const DibImage::kNotADib = "Error:Unexpected file type, not a DIB\n";
const char* const DibImage::kOs2Format = "Error:OS2 PM BMP Format not supported\n";
const char* const DibImage::kCannotOpen = "could not open file\n";

namespace {

constexpr int kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;
// Panel pictures are small; anything far beyond a panel is refused before allocation.
constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;
constexpr qint64 kMaxPixels = kMaxPicturePixels;
constexpr int32_t kMaxSide = kMaxPanelWidth;
constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiRle8 = 1;
constexpr uint32_t kBiRle4 = 2;
constexpr uint32_t kBiBitfields = 3;
// A run-length coded picture holds at most 255 pixels per 2 bytes of runs; one that claims more
// pixels than its runs can hold would be decoded into memory it never fills.
constexpr int64_t kMaxRunPixelsPerByte = 128;

uint16_t Le16(const QByteArray& data, int at)
{
    const auto* p = reinterpret_cast<const unsigned char*>(data.constData()) + at;
    return uint16_t(p[0] | (p[1] << 8));
}

uint32_t Le32(const QByteArray& data, int at)
{
    const auto* p = reinterpret_cast<const unsigned char*>(data.constData()) + at;
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}

DibImage::InfoHeader ParseInfoHeader(const QByteArray& data)
{
    const int at = kFileHeaderSize;
    DibImage::InfoHeader h;
    h.size = Le32(data, at);
    h.width = int32_t(Le32(data, at + 4));
    h.height = int32_t(Le32(data, at + 8));
    h.planes = Le16(data, at + 12);
    h.bitCount = Le16(data, at + 14);
    h.compression = Le32(data, at + 16);
    h.sizeImage = Le32(data, at + 20);
    h.xPelsPerMeter = int32_t(Le32(data, at + 24));
    h.yPelsPerMeter = int32_t(Le32(data, at + 28));
    h.clrUsed = Le32(data, at + 32);
    h.clrImportant = Le32(data, at + 36);
    return h;
}

// Reads the rest of device, refusing more than kMaxFileBytes. (QIODevice::read(n) would
// reserve n bytes up front.)
bool ReadBounded(QIODevice& device, QByteArray& data)
{
    if (!device.isSequential() && device.size() - device.pos() > kMaxFileBytes)
        return false;
    for (;;) {
        const QByteArray chunk = device.read(64 * 1024);
        if (chunk.isEmpty())
            return true;
        if (data.size() + chunk.size() > kMaxFileBytes)
            return false;
        data += chunk;
    }
}

bool IsKnownBitCount(uint16_t bits)
{
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

} // namespace

bool DibImage::LoadFromFile(const QString& path)
{
    Clear();
    if (path.isEmpty())
        return Fail(kCannotOpen);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Fail(kCannotOpen);
    return Read(file);
}

bool DibImage::LoadFromResource(int resourceId)
{
    return LoadFromFile(PanelResources::BitmapPath(resourceId));
}

bool DibImage::Read(QIODevice& device)
{
    Clear();
    QByteArray data;
    if (!ReadBounded(device, data))
        return Fail(kNoStorage);
    if (data.size() < kFileHeaderSize + 4 || !data.startsWith("BM"))
        return Fail(kNotADib);
    if (Le32(data, kFileHeaderSize) != kInfoHeaderSize)
        return Fail(kOs2Format);
    if (data.size() < kFileHeaderSize + int(kInfoHeaderSize))
        return Fail(kNoInfoStruct);

    const InfoHeader header = ParseInfoHeader(data);
    const uint32_t pixelOffset = Le32(data, 10);
    if (header.planes != 1 || !IsKnownBitCount(header.bitCount) || header.width <= 0
        || header.height == 0 || header.height == INT32_MIN)
        return Fail(kNoInfoStruct);
    const int64_t rows = std::llabs(int64_t(header.height));
    if (header.width > kMaxSide || rows > kMaxSide || int64_t(header.width) * rows > kMaxPixels)
        return Fail(kNoStorage);

    const uint32_t maxColours = header.bitCount <= 8 ? (1u << header.bitCount) : 0;
    if (header.bitCount <= 8 && header.clrUsed > maxColours)
        return Fail(kNoInfoStruct);
    if (pixelOffset < kFileHeaderSize + kInfoHeaderSize || pixelOffset > uint32_t(data.size()))
        return Fail(kNoInfoStruct);

    const int64_t pixelBytes = int64_t(data.size()) - pixelOffset;
    switch (header.compression) {
    case kBiRgb:
    case kBiBitfields: {
        const int64_t rowBytes = (int64_t(header.width) * header.bitCount + 31) / 32 * 4;
        if (pixelBytes < rowBytes * rows)
            return Fail(kShortScanLines);
        break;
    }
    case kBiRle8:
    case kBiRle4:
        if (int64_t(header.width) * rows > kMaxRunPixelsPerByte * pixelBytes)
            return Fail(kShortScanLines);
        break;
    default:
        return Fail(kNoInfoStruct);
    }

    QImage decoded;
    if (!decoded.loadFromData(data, "BMP") || decoded.width() != header.width
        || decoded.height() != rows)
        return Fail(kShortScanLines);

    if (header.bitCount <= 8) {
        m_palette = decoded.colorTable();
        m_palette.resize(int(maxColours), qRgb(0, 0, 0));
        m_bitsPerPixel = header.bitCount;
    } else {
        m_bitsPerPixel = 24;
    }
    m_image = decoded.convertToFormat(QImage::Format_RGB32);
    if (m_image.isNull()) {
        Clear();
        return Fail(kNoStorage);
    }
    m_header = header;
    return true;
}

void DibImage::Clear()
{
    m_header = InfoHeader();
    m_image = QImage();
    m_palette.clear();
    m_bitsPerPixel = 0;
}

bool DibImage::Fail(const char* reason)
{
    m_lastError = QString::fromLatin1(reason);
    return false;
}

void DibImage::Paint(QPainter& painter, const QRect& destRect, const QRect& srcRect) const
{
    if (!IsNull())
        painter.drawImage(destRect.topLeft(), m_image, srcRect);
}

void DibImage::Draw(QPainter& painter, int x, int y, int w, int h) const
{
    if (!IsNull())
        painter.drawImage(QRect(x, y, w, h), m_image);
}

void DibImage::DrawAt(QPainter& painter, int x, int y) const
{
    if (!IsNull())
        painter.drawImage(QPoint(x, y), m_image);
}

#pragma once

#include <QImage>
#include <QString>
#include <QVector>
#include <cstdint>

class QIODevice;
class QPainter;
class QRect;

// A device-independent bitmap read from a .bmp file with a 40-byte BITMAPINFOHEADER.
// Pictures of 1, 4 or 8 bits per pixel keep their depth and colour table; deeper ones count
// as 24 bits per pixel. Files are checked before any pixel is decoded; the reason of the last
// failure is kept for diagnostics and shown to nobody.
class DibImage {
public:
    struct InfoHeader {
        uint32_t size = 0;
        int32_t width = 0;
        int32_t height = 0;
        uint16_t planes = 0;
        uint16_t bitCount = 0;
        uint32_t compression = 0;
        uint32_t sizeImage = 0;
        int32_t xPelsPerMeter = 0;
        int32_t yPelsPerMeter = 0;
        uint32_t clrUsed = 0;
        uint32_t clrImportant = 0;
    };

    // Failure reasons.
    static const char* const kNoStorage;
    static const char* const kNoInfoStruct;
    static const char* const kShortScanLines;
    static const char* const kNotADib;
    static const char* const kOs2Format;
    static const char* const kCannotOpen;

    bool LoadFromFile(const QString& path);
    bool Read(QIODevice& device);
    // A bitmap resource of the module (the LED pictures), by its id.
    bool LoadFromResource(int resourceId);
    void Clear();

    bool IsNull() const { return m_image.isNull(); }
    int Width() const { return m_image.width(); }
    int Height() const { return m_image.height(); }
    int BitsPerPixel() const { return m_bitsPerPixel; }
    bool HasPalette() const { return !m_palette.isEmpty(); }
    const QVector<QRgb>& Palette() const { return m_palette; }
    const InfoHeader& Header() const { return m_header; }
    // The pixels, ready to paint.
    const QImage& Image() const { return m_image; }
    const QString& LastError() const { return m_lastError; }

    // Copies srcRect of the picture 1:1 to the top-left corner of destRect.
    void Paint(QPainter& painter, const QRect& destRect, const QRect& srcRect) const;
    // Stretches the whole picture into (x, y, w, h).
    void Draw(QPainter& painter, int x, int y, int w, int h) const;
    // Draws the picture with its own size.
    void DrawAt(QPainter& painter, int x, int y) const;

private:
    bool Fail(const char* reason);

    InfoHeader m_header;
    QImage m_image;
    QVector<QRgb> m_palette;
    int m_bitsPerPixel = 0;
    QString m_lastError;
};

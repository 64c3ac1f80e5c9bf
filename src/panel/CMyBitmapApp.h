#pragma once

#include <QImage>
#include <vector>

class QPainter;

// The cache of LED pictures the device window paints at lamp points, by resource id.
class CMyBitmapApp {
public:
    struct Entry {
        int resourceId = 0;
        int loadPosition = 0; // 1-based
        int width = 0;
        int height = 0;
        int bitsPerPixel = 0;
        QImage picture;
    };

    // Loads bitmap resource resourceId into a new entry; false (and no entry) when the
    // resource is missing or not a usable bitmap.
    bool LoadPicture(int resourceId);
    // Copies the picture's full size from (srcX, srcY) of the picture to (x, y); false when
    // no picture with that id was loaded.
    bool DrawPicture(QPainter& painter, int resourceId, int x, int y, int srcX = 0, int srcY = 0) const;

    // The first entry loaded with resourceId, or none.
    const Entry* Find(int resourceId) const;
    int Count() const { return int(m_entries.size()); }

private:
    std::vector<Entry> m_entries;
};

#include "CMyBitmapApp.h"

#include "DibImage.h"

#include <QPainter>

bool CMyBitmapApp::LoadPicture(int resourceId)
{
    DibImage dib;
    if (!dib.LoadFromResource(resourceId))
        return false;
    Entry entry;
    entry.resourceId = resourceId;
    entry.loadPosition = Count() + 1;
    entry.width = dib.Width();
    entry.height = dib.Height();
    entry.bitsPerPixel = dib.BitsPerPixel();
    entry.picture = dib.Image();
    m_entries.push_back(std::move(entry));
    return true;
}

bool CMyBitmapApp::DrawPicture(QPainter& painter, int resourceId, int x, int y, int srcX, int srcY) const
{
    const Entry* entry = Find(resourceId);
    if (!entry)
        return false;
    painter.drawImage(QPoint(x, y), entry->picture, QRect(srcX, srcY, entry->width, entry->height));
    return true;
}

const CMyBitmapApp::Entry* CMyBitmapApp::Find(int resourceId) const
{
    for (const Entry& entry : m_entries) {
        if (entry.resourceId == resourceId)
            return &entry;
    }
    return nullptr;
}

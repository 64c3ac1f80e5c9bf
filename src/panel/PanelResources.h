#pragma once

#include <QCursor>
#include <QIcon>
#include <QString>

// The module's own resources, addressed by resource id: LED bitmaps 158…231, the hand
// cursor 398 and the application icon 447 (compiled in from res/panel.qrc).
namespace PanelResources {

constexpr int kHandCursorId = 398;
constexpr int kApplicationIconId = 447;

// Path of bitmap resource resourceId, e.g. ":/res/bitmap/158.bmp".
QString BitmapPath(int resourceId);
QCursor HandCursor();
QIcon ApplicationIcon();

} // namespace PanelResources

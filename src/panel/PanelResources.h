#pragma once

#include <QCursor>
#include <QIcon>
#include <QString>

// The module's own resources, addressed by resource id: LED bitmaps 158…231, the hand
// cursor 398 and the application icon 447 (compiled in from res/panel.qrc); and the front-panel
// descriptions with their pictures, which are files.
namespace PanelResources {

constexpr int kHandCursorId = 398;
constexpr int kApplicationIconId = 447;

// Path of bitmap resource resourceId, e.g. ":/res/bitmap/158.bmp".
QString BitmapPath(int resourceId);
QCursor HandCursor();
QIcon ApplicationIcon();
// The front-panel description xmlName (User.ini's XMLName): beside the executable, else in the
// installed data folder. Its pictures are named relative to it.
QString PanelDescriptionPath(const QString& xmlName);

} // namespace PanelResources

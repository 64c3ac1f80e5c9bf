#pragma once

#include <QImage>
#include <QPoint>
#include <vector>

// The module's small pictures: the LED bitmaps the device window paints at lamp points,
// the application icon and the hand cursor.
namespace LedArt {

// The LED bitmap ids, in the order the device window loads them.
const std::vector<int>& LedIds();
// LED picture resourceId, 24 bits per pixel; null for an unknown id.
QImage Led(int resourceId);
QImage ApplicationIcon(int size);
QImage HandCursor();
// Must agree with the hot spot in src/panel/PanelResources.cpp.
constexpr QPoint kHandHotSpot(5, 1);

} // namespace LedArt

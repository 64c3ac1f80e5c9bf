#pragma once

#include <QColor>
#include <QImage>

struct PanelLayout;

// The panel pictures: chassis background and the port pictures of each port state.
namespace PanelArt {

// The flat chassis colour; LED pictures use it for their corners so they blend in.
inline const QColor kChassis(0x2e, 0x32, 0x37);

enum class PortLook { Enabled, Link, Disabled, Empty };

QImage Socket(bool topRow, PortLook look); // RJ-45, 30×24
QImage Cage(bool topRow, PortLook look);   // SFP, 34×24
QImage Background(const PanelLayout& layout);

} // namespace PanelArt

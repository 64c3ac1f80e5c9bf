#pragma once

#include <QString>

struct PanelLayout;

// Writes the front-panel description of a layout (ports 1…28, the fibre sides of the combo
// ports, console, power and fan), naming the pictures PanelArt draws.
bool WriteDescription(const PanelLayout& layout, const QString& path);

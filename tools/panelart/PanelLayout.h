#pragma once

#include <QRect>
#include <QString>
#include <vector>

// Where everything sits on the front panel of one model. The generator draws the pictures
// and writes the description from the same layout, so both always agree.
struct PortPlace {
    int number = 0;      // front-panel port number, 1-based
    bool fibre = false;  // the SFP side of a combo port
    bool topRow = false; // odd ports sit in the top row
    QRect rect;          // the port picture
    QRect lamp;          // its link lamp
};

struct PanelLayout {
    QString deviceName;     // as in User.ini, e.g. "SORVEX-A B1"
    QString brand;          // printed on the chassis
    QString descriptionFile; // e.g. "SorvexA.xml"
    QString backgroundFile;  // e.g. "panel/SorvexA.bmp"
    bool poe = false;
    int width = 0;
    int height = 0;
    // Copper ports 1…28, then the fibre sides of the combo ports 25…28.
    std::vector<PortPlace> ports;
    QRect console;
    QRect power;
    QRect fan;

    static PanelLayout ForModel(bool poe);
};

// Fixed lamp points the device window paints at (its painting table); the art puts its marks
// under them.
namespace LampPoint {
constexpr int kPowerX = 15, kPowerY = 32;       // 158, 7×8
constexpr int kFanFaultX = 37, kFanFaultY = 34; // 201 (PoE model), 5×5
constexpr int kPowerMaxX = 37, kPowerMaxY = 50; // 203/204 (PoE model)
constexpr int kLinkModeX = 68, kLinkModeY = 48; // 202/203 (PoE model)
constexpr int kPoeModeX = 68, kPoeModeY = 60;   // 202/203 (PoE model)
} // namespace LampPoint

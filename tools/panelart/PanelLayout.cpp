#include "PanelLayout.h"

namespace {

constexpr int kPanelWidth = 850;
constexpr int kPanelHeight = 120;
constexpr int kCopperLeft = 112;
constexpr int kColumnPitch = 34;
constexpr int kGroupGap = 10;   // between groups of four columns
constexpr int kSocketWidth = 30;
constexpr int kCageWidth = 34;
constexpr int kCagePitch = 38;
constexpr int kPortHeight = 24;
constexpr int kTopRowY = 24;
constexpr int kBottomRowY = 64;
constexpr int kTopLampY = 51;
constexpr int kBottomLampY = 57;
constexpr int kLampWidth = 6;
constexpr int kLampHeight = 4;
constexpr int kCopperPorts = 24;
constexpr int kComboFirst = 25;
constexpr int kComboLast = 28;

int CopperColumnX(int column)
{
    if (column < 12)
        return kCopperLeft + column * kColumnPitch + (column / 4) * kGroupGap;
    const int lastCopperRight = CopperColumnX(11) + kSocketWidth;
    return lastCopperRight + 16 + (column - 12) * kColumnPitch;
}

int CageColumnX(int column)
{
    return CopperColumnX(13) + kSocketWidth + 12 + column * kCagePitch;
}

PortPlace Place(int number, bool fibre, int x, int width)
{
    PortPlace place;
    place.number = number;
    place.fibre = fibre;
    place.topRow = number % 2 == 1;
    place.rect = QRect(x, place.topRow ? kTopRowY : kBottomRowY, width, kPortHeight);
    place.lamp = QRect(x + (width - kLampWidth) / 2, place.topRow ? kTopLampY : kBottomLampY,
                       kLampWidth, kLampHeight);
    return place;
}

} // namespace

PanelLayout PanelLayout::ForModel(bool poe)
{
    PanelLayout layout;
    layout.poe = poe;
    layout.deviceName = poe ? QStringLiteral("SORVEX-AP B1") : QStringLiteral("SORVEX-A B1");
    layout.brand = poe ? QStringLiteral("SORVEX-AP") : QStringLiteral("SORVEX-A");
    layout.descriptionFile = poe ? QStringLiteral("SorvexAP.xml") : QStringLiteral("SorvexA.xml");
    layout.backgroundFile = poe ? QStringLiteral("panel/SorvexAP.bmp") : QStringLiteral("panel/SorvexA.bmp");
    layout.width = kPanelWidth;
    layout.height = kPanelHeight;

    for (int number = 1; number <= kComboLast; ++number) {
        const int column = (number - 1) / 2;
        const int width = kSocketWidth;
        layout.ports.push_back(Place(number, false, CopperColumnX(column), width));
    }
    for (int number = kComboFirst; number <= kComboLast; ++number) {
        const int column = (number - kComboFirst) / 2;
        layout.ports.push_back(Place(number, true, CageColumnX(column), kCageWidth));
    }
    static_assert(kCopperPorts + 4 == kComboLast);

    const int consoleX = CageColumnX(1) + kCageWidth + 26;
    layout.console = QRect(consoleX, kTopRowY, kSocketWidth, kPortHeight);
    layout.power = QRect(LampPoint::kPowerX - 3, LampPoint::kPowerY - 3, 13, 14);
    layout.fan = QRect(kPanelWidth - 78, 32, 56, 56);
    return layout;
}

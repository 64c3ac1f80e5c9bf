#include "PanelLampPainter.h"

#include "CMyBitmapApp.h"
#include "DeviceModel.h"

#include <QPainter>

namespace {

// The LED pictures are at most 7x8 pixels.
constexpr QSize kLampExtent(8, 8);

int OffLamp(int port)
{
    return port % 2 == 1 ? 160 : 159;
}

} // namespace

PanelLampPainter::PanelLampPainter(const PortStatusBoard& board, std::string deviceName)
    : m_board(board)
    , m_deviceName(std::move(deviceName))
{
}

std::vector<PanelLampPainter::Lamp> PanelLampPainter::FixedLamps() const
{
    std::vector<Lamp> lamps{{158, {15, 32}}};
    const int ports = m_board.GetLayout().portCount;
    const bool reachable = m_board.reachable != 0;
    const bool linkMode = m_board.linkMode;
    if (ports == 24) {
        lamps.push_back({158, {24, 25}});
    } else if (ports == 16) {
        lamps.push_back({158, {25, 26}});
    } else if (ports == 48) {
        lamps.push_back({158, {21, 27}});
        if (m_board.fanStatus == 2)
            lamps.push_back({190, {55, 33}});
    } else if (ports == 10) {
        lamps.insert(lamps.end(), {{192, {89, 63}}, {192, {89, 78}}, {192, {55, 63}}});
        if (reachable) {
            lamps.push_back({linkMode ? 191 : 192, {89, 63}});
            lamps.push_back({linkMode ? 192 : 191, {89, 78}});
            if (m_board.powMax)
                lamps.push_back({190, {55, 63}});
        } else {
            lamps.insert(lamps.end(), {{192, {89, 63}}, {192, {89, 78}}, {192, {55, 63}}});
        }
    } else if (DeviceModel(m_deviceName).apFamily()) {
        lamps.insert(lamps.end(), {{203, {37, 50}}, {158, {15, 33}}});
        if (reachable) {
            lamps.push_back({linkMode ? 202 : 203, {68, 48}});
            lamps.push_back({linkMode ? 203 : 202, {68, 60}});
            if (m_board.powMax)
                lamps.push_back({204, {37, 50}});
            if (m_board.fanStatus == 2)
                lamps.push_back({201, {37, 34}});
        } else {
            lamps.insert(lamps.end(), {{203, {68, 60}}, {203, {68, 48}}, {203, {37, 34}}, {203, {37, 50}}});
        }
    }
    return lamps;
}

std::vector<PanelLampPainter::Lamp> PanelLampPainter::PortLamps(const LampPoint& lampPoint) const
{
    const PortStatusBoard::Layout& layout = m_board.GetLayout();
    std::vector<Lamp> lamps;
    const bool ep = DeviceModel(m_deviceName).epFamily();
    for (int f = 0; f < layout.comboCount; ++f) {
        if (const auto at = lampPoint(layout.portCount + f))
            lamps.push_back({ep ? 231 : (f % 2 == 0 ? 160 : 159), *at});
    }
    const int phase = m_board.blinkPhase;
    for (int p = 1; p <= layout.portCount; ++p) {
        const auto copper = lampPoint(p - 1);
        if (!copper)
            continue;
        QPoint at = *copper;
        if (m_board.linkMode && !at.isNull()) {
            lamps.push_back({OffLamp(p), at});
            if (m_board.RunsOnFibre(p)) {
                if (const auto fibre = lampPoint(m_board.FibreObject(p))) {
                    lamps.push_back({OffLamp(p), *fibre});
                    lamps.push_back({OffLamp(p), at});
                    at = *fibre;
                }
            }
        }
        const bool even = p % 2 == 0;
        switch (m_board.PortState(p)) {
        case PortStatusBoard::FullSpeed:
            if (phase == 0)
                lamps.push_back({even ? 161 : 162, at});
            break;
        case PortStatusBoard::Slow:
            if (phase == 1)
                lamps.push_back({even ? 163 : 164, at});
            break;
        case PortStatusBoard::AdminDown:
        case PortStatusBoard::OperDown:
            lamps.push_back({even ? 159 : 160, at});
            break;
        default:
            break;
        }
    }
    return lamps;
}

void PanelLampPainter::Paint(QPainter& painter, const CMyBitmapApp& bitmaps, const LampPoint& lampPoint) const
{
    for (const Lamp& lamp : FixedLamps())
        bitmaps.DrawPicture(painter, lamp.bitmapId, lamp.at.x(), lamp.at.y());
    for (const Lamp& lamp : PortLamps(lampPoint))
        bitmaps.DrawPicture(painter, lamp.bitmapId, lamp.at.x(), lamp.at.y());
}

QRegion PanelLampPainter::LampArea(const LampPoint& lampPoint) const
{
    QRegion area;
    // The fixed lamps of every combination of the flags, on a copy of the board.
    PortStatusBoard probe = m_board;
    for (int combination = 0; combination < 16; ++combination) {
        probe.reachable = combination & 1;
        probe.linkMode = combination & 2;
        probe.powMax = combination & 4;
        probe.fanStatus = combination & 8 ? 2 : 1;
        for (const Lamp& lamp : PanelLampPainter(probe, m_deviceName).FixedLamps())
            area += QRect(lamp.at, kLampExtent);
    }
    for (int object = 0; object < m_board.ObjectCount(); ++object) {
        if (const auto at = lampPoint(object))
            area += QRect(*at, kLampExtent);
    }
    return area;
}

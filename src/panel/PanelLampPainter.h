#pragma once
// Which LED pictures the device window paints where: the fixed power, fan and mode lamps of the
// model, then one lamp per port at the point of the port's first child (its lamp), lit by the
// port's state code and the blink phase.

#include "PortStatusBoard.h"

#include <QPoint>
#include <QRegion>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class CMyBitmapApp;
class QPainter;

class PanelLampPainter {
public:
    struct Lamp {
        int bitmapId;
        QPoint at;
        bool operator==(const Lamp&) const = default;
    };
    // The lamp point of a CPort object (0-based), none when the object or its lamp is missing.
    using LampPoint = std::function<std::optional<QPoint>(int object)>;

    PanelLampPainter(const PortStatusBoard& board, std::string deviceName);

    std::vector<Lamp> FixedLamps() const;
    std::vector<Lamp> PortLamps(const LampPoint& lampPoint) const;
    void Paint(QPainter& painter, const CMyBitmapApp& bitmaps, const LampPoint& lampPoint) const;

    // Everything a lamp of this model may cover, whatever the state: what a blink repaints.
    QRegion LampArea(const LampPoint& lampPoint) const;

private:
    const PortStatusBoard& m_board;
    std::string m_deviceName;
};

#include "PanelArt.h"

#include "PanelLayout.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

namespace PanelArt {

namespace {

const QColor kShieldLight(0xc4, 0xc9, 0xce);
const QColor kShield(0x93, 0x99, 0x9f);
const QColor kShieldDark(0x5d, 0x62, 0x68);
const QColor kCavity(0x0d, 0x0f, 0x11);
const QColor kGold(0xd9, 0xaa, 0x3f);
const QColor kLabel(0xe4, 0xe7, 0xea);
const QColor kDimLabel(0xa9, 0xaf, 0xb5);
const QColor kRed(0xe0, 0x4b, 0x43);

QImage Blank(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(kChassis);
    return image;
}

// The art is drawn latch-up (top row); the bottom row is its mirror image.
QImage Oriented(const QImage& topRowImage, bool topRow)
{
    return topRow ? topRowImage : topRowImage.mirrored(false, true);
}

void CrossOut(QPainter& p, const QRect& area)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(kRed, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(area.topLeft() + QPointF(1.5, 1.5), area.bottomRight() + QPointF(-0.5, -0.5));
    p.drawLine(QPointF(area.right() - 0.5, area.top() + 1.5), QPointF(area.left() + 1.5, area.bottom() - 0.5));
    p.restore();
}

void Shield(QPainter& p, const QRect& r)
{
    p.fillRect(r, kShield);
    p.setPen(kShieldLight);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(kShieldDark);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
}

QImage SocketTop(PortLook look)
{
    QImage image = Blank(30, 24);
    QPainter p(&image);
    Shield(p, QRect(0, 0, 30, 24));
    const QRect cavity(3, 6, 24, 15);
    const QRect latch(10, 2, 10, 5);
    p.fillRect(cavity, kCavity);
    p.fillRect(latch, kCavity);
    // grounding tabs of the shield
    p.fillRect(QRect(1, 9, 1, 6), kShieldDark);
    p.fillRect(QRect(28, 9, 1, 6), kShieldDark);

    switch (look) {
    case PortLook::Enabled:
    case PortLook::Disabled:
        p.setPen(kGold);
        for (int i = 0; i < 8; ++i)
            p.drawLine(QPoint(7 + i * 2, 16), QPoint(7 + i * 2, 19));
        if (look == PortLook::Disabled)
            CrossOut(p, cavity.adjusted(2, 0, -2, 0));
        break;
    case PortLook::Link: {
        p.fillRect(cavity.adjusted(1, 1, -1, -1), QColor(0xc9, 0xcf, 0xd4));
        p.fillRect(latch.adjusted(1, 1, -1, 0), QColor(0xb3, 0xb9, 0xbf));
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(QPen(QColor(0x1d, 0x4f, 0x8c), 1.0));
        p.setBrush(QColor(0x33, 0x74, 0xc4));
        p.drawEllipse(QPointF(15, 13.5), 5.0, 5.0);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x6e, 0xa3, 0xe0));
        p.drawEllipse(QPointF(13.5, 12.0), 1.6, 1.6);
        break;
    }
    case PortLook::Empty:
        p.fillRect(cavity.adjusted(1, 1, -1, -1), QColor(0x4a, 0x4e, 0x53));
        p.fillRect(latch.adjusted(1, 1, -1, 0), QColor(0x4a, 0x4e, 0x53));
        p.fillRect(QRect(8, 12, 14, 3), QColor(0x62, 0x67, 0x6c));
        break;
    }
    return image;
}

QImage CageTop(PortLook look)
{
    QImage image = Blank(34, 24);
    QPainter p(&image);
    Shield(p, QRect(0, 0, 34, 24));
    const QRect cavity(3, 4, 28, 17);
    p.fillRect(cavity, kCavity);
    // spring fingers along the top edge
    p.setPen(kShieldDark);
    for (int x = 3; x < 31; x += 3)
        p.drawLine(QPoint(x, 1), QPoint(x, 2));

    switch (look) {
    case PortLook::Enabled:
    case PortLook::Disabled:
        p.fillRect(QRect(5, 17, 24, 2), QColor(0x3a, 0x3f, 0x45));
        if (look == PortLook::Disabled)
            CrossOut(p, cavity.adjusted(4, 0, -4, 0));
        break;
    case PortLook::Link:
        p.fillRect(cavity.adjusted(1, 1, -1, -1), QColor(0xbf, 0xc5, 0xcb));
        p.fillRect(QRect(7, 9, 8, 8), QColor(0x1a, 0x1c, 0x1f));
        p.fillRect(QRect(19, 9, 8, 8), QColor(0x1a, 0x1c, 0x1f));
        p.fillRect(QRect(9, 11, 4, 4), QColor(0xd8, 0xdc, 0xe0));
        p.fillRect(QRect(21, 11, 4, 4), QColor(0xd8, 0xdc, 0xe0));
        p.fillRect(QRect(5, 5, 24, 2), QColor(0x2f, 0x6f, 0xd0)); // bale
        break;
    case PortLook::Empty:
        p.fillRect(cavity.adjusted(1, 1, -1, -1), QColor(0x22, 0x24, 0x27));
        p.fillRect(QRect(12, 6, 10, 3), QColor(0x6a, 0x6f, 0x75)); // pull tab
        break;
    }
    return image;
}

// Small print is condensed so neighbouring marks keep their labels apart.
QFont LabelFont(int pixelSize, bool bold)
{
    QFont font(pixelSize < 10 ? QStringLiteral("DejaVu Sans Condensed") : QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

void Text(QPainter& p, const QRect& box, const QString& text, int pixelSize, bool bold,
          const QColor& colour, Qt::Alignment alignment = Qt::AlignCenter)
{
    p.setFont(LabelFont(pixelSize, bold));
    p.setPen(colour);
    p.drawText(box, alignment, text);
}

// A recessed ring the LED picture is painted into.
void LampBezel(QPainter& p, int x, int y, int w, int h)
{
    p.setPen(QColor(0x17, 0x19, 0x1c));
    p.drawRect(QRect(x - 1, y - 1, w + 1, h + 1));
    p.fillRect(QRect(x, y, w, h), QColor(0x1f, 0x22, 0x26));
}

void ChassisFrame(QPainter& p, int w, int h)
{
    p.fillRect(QRect(0, 0, w, h), kChassis);
    p.fillRect(QRect(0, 0, w, 2), QColor(0x4b, 0x51, 0x58));
    p.fillRect(QRect(0, h - 2, w, 2), QColor(0x1b, 0x1d, 0x20));
    p.fillRect(QRect(0, 0, 2, h), QColor(0x43, 0x48, 0x4e));
    p.fillRect(QRect(w - 2, 0, 2, h), QColor(0x1f, 0x22, 0x25));
}

void Indicators(QPainter& p, const PanelLayout& layout)
{
    using namespace LampPoint;
    Text(p, QRect(8, 4, 100, 20), layout.brand, 14, true, kLabel, Qt::AlignLeft | Qt::AlignVCenter);

    LampBezel(p, kPowerX, kPowerY, 7, layout.poe ? 9 : 8);
    Text(p, QRect(kPowerX - 8, 42, 23, 9), QStringLiteral("PWR"), 8, true, kDimLabel);
    if (!layout.poe)
        return;
    LampBezel(p, kFanFaultX, kFanFaultY, 5, 5);
    Text(p, QRect(kFanFaultX - 9, 42, 23, 9), QStringLiteral("FAN"), 8, true, kDimLabel);
    LampBezel(p, kPowerMaxX, kPowerMaxY, 5, 5);
    Text(p, QRect(kPowerMaxX - 9, 57, 23, 9), QStringLiteral("MAX"), 8, true, kDimLabel);
    Text(p, QRect(kLinkModeX - 2, 36, 40, 9), QStringLiteral("MODE"), 8, true, kDimLabel,
         Qt::AlignLeft | Qt::AlignVCenter);
    LampBezel(p, kLinkModeX, kLinkModeY, 5, 5);
    Text(p, QRect(kLinkModeX + 8, kLinkModeY - 2, 30, 9), QStringLiteral("LINK"), 8, true, kDimLabel,
         Qt::AlignLeft | Qt::AlignVCenter);
    LampBezel(p, kPoeModeX, kPoeModeY, 5, 5);
    Text(p, QRect(kPoeModeX + 8, kPoeModeY - 2, 30, 9), QStringLiteral("PoE"), 8, true, kDimLabel,
         Qt::AlignLeft | Qt::AlignVCenter);
}

void PortsAndNumbers(QPainter& p, const PanelLayout& layout)
{
    for (const PortPlace& port : layout.ports) {
        const QImage picture = port.fibre ? Cage(port.topRow, PortLook::Enabled)
                                          : Socket(port.topRow, PortLook::Enabled);
        p.drawImage(port.rect.topLeft(), picture);
        LampBezel(p, port.lamp.x(), port.lamp.y(), port.lamp.width(), port.lamp.height());
        const QRect number = port.topRow ? QRect(port.rect.x() - 4, port.rect.y() - 12, port.rect.width() + 8, 11)
                                         : QRect(port.rect.x() - 4, port.rect.bottom() + 2, port.rect.width() + 8, 11);
        Text(p, number, QString::number(port.number), 10, true, kLabel);
    }
}

void GroupCaptions(QPainter& p, const PanelLayout& layout)
{
    auto span = [&](int first, int last, bool fibre) {
        QRect r;
        for (const PortPlace& port : layout.ports) {
            if (port.fibre == fibre && port.number >= first && port.number <= last)
                r = r.isNull() ? port.rect : r.united(port.rect);
        }
        return r;
    };
    const int y = 103;
    auto caption = [&](const QRect& over, const QString& text) {
        p.setPen(QColor(0x6d, 0x73, 0x79));
        p.drawLine(QPoint(over.left(), y), QPoint(over.right(), y));
        Text(p, QRect(over.left(), y + 2, over.width(), 11), text, 8, true, kDimLabel);
    };
    caption(span(1, 24, false), layout.poe ? QStringLiteral("10/100BASE-TX  PoE 802.3af/at")
                                           : QStringLiteral("10/100BASE-TX"));
    caption(span(25, 28, false), QStringLiteral("1000BASE-T"));
    caption(span(25, 28, true), QStringLiteral("SFP"));
    const QRect combo = span(25, 28, false).united(span(25, 28, true));
    Text(p, QRect(combo.left(), 1, combo.width(), 10), QStringLiteral("COMBO 25-28"), 8, true, kDimLabel);
}

void Console(QPainter& p, const QRect& r)
{
    QImage socket = Socket(true, PortLook::Enabled);
    p.drawImage(r.topLeft(), socket);
    Text(p, QRect(r.x() - 12, r.y() - 12, r.width() + 24, 11), QStringLiteral("CONSOLE"), 8, true, kLabel);
    Text(p, QRect(r.x() - 12, r.bottom() + 3, r.width() + 24, 10), QStringLiteral("RS-232"), 8, false, kDimLabel);
}

void Fan(QPainter& p, const QRect& r)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    const QPointF centre = QRectF(r).center();
    const double radius = r.width() / 2.0 - 2;
    p.setPen(QPen(QColor(0x1a, 0x1c, 0x1f), 2));
    p.setBrush(QColor(0x23, 0x26, 0x2a));
    p.drawEllipse(centre, radius, radius);
    p.setPen(QPen(QColor(0x74, 0x7a, 0x80), 1.4));
    p.setBrush(Qt::NoBrush);
    for (double ring = radius - 4; ring > 4; ring -= 5)
        p.drawEllipse(centre, ring, ring);
    p.drawLine(centre - QPointF(radius - 2, 0), centre + QPointF(radius - 2, 0));
    p.drawLine(centre - QPointF(0, radius - 2), centre + QPointF(0, radius - 2));
    p.setBrush(QColor(0x74, 0x7a, 0x80));
    p.drawEllipse(centre, 3.0, 3.0);
    p.restore();
    Text(p, QRect(r.x(), r.bottom() + 3, r.width(), 10), QStringLiteral("FAN"), 8, true, kDimLabel);
}

} // namespace

QImage Socket(bool topRow, PortLook look)
{
    return Oriented(SocketTop(look), topRow);
}

QImage Cage(bool topRow, PortLook look)
{
    return Oriented(CageTop(look), topRow);
}

QImage Background(const PanelLayout& layout)
{
    QImage image = Blank(layout.width, layout.height);
    QPainter p(&image);
    ChassisFrame(p, layout.width, layout.height);
    Indicators(p, layout);
    PortsAndNumbers(p, layout);
    GroupCaptions(p, layout);
    Console(p, layout.console);
    Fan(p, layout.fan);
    Text(p, QRect(8, 96, 100, 10), QStringLiteral("28-Port Managed"), 8, false, kDimLabel,
         Qt::AlignLeft | Qt::AlignVCenter);
    Text(p, QRect(8, 106, 100, 10), QStringLiteral("24 FE + 4 GE Combo"), 8, false, kDimLabel,
         Qt::AlignLeft | Qt::AlignVCenter);
    return image;
}

} // namespace PanelArt

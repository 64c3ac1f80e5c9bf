#include "LedArt.h"

#include "PanelArt.h"

#include <QPainter>
#include <QPainterPath>
#include <cstring>
#include <map>

namespace LedArt {

namespace {

const QColor kGreen(0x3d, 0xd6, 0x4f);
const QColor kGreenDark(0x1f, 0x9a, 0x2f);
const QColor kGreenLight(0xa8, 0xf0, 0xb0);
const QColor kAmber(237, 154, 34);
const QColor kAmberDark(0xb8, 0x70, 0x12);
const QColor kRed(0xe8, 0x2c, 0x2c);
const QColor kRedDark(0xa8, 0x14, 0x14);
const QColor kPink(0xf4, 0xa6, 0xb4);
const QColor kBlack(0x0a, 0x0a, 0x0b);
const QColor kGreyRim(0x80, 0x86, 0x8c);
const QColor kDark(0x26, 0x29, 0x2d);

// Pixel art: each character picks a colour from the palette; other characters keep the
// chassis colour.
QImage FromRows(const std::vector<const char*>& rows, const std::map<char, QColor>& palette)
{
    const int h = int(rows.size());
    const int w = int(strlen(rows.front()));
    QImage image(w, h, QImage::Format_RGB888);
    image.fill(PanelArt::kChassis);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const auto found = palette.find(rows[size_t(y)][x]);
            if (found != palette.end())
                image.setPixelColor(x, y, found->second);
        }
    }
    return image;
}

QImage FanSymbol()
{
    // a pinwheel: four blades round a light hub
    return FromRows({"..GG...",
                     "..Gg.GG",
                     "G.GgGg.",
                     "GgGoGgG",
                     ".gGgG.G",
                     "GG.gG..",
                     "...GG..",
                     "......."},
                    {{'G', kGreen}, {'g', kGreenDark}, {'o', kGreenLight}});
}

QImage Triangle(bool down)
{
    std::vector<const char*> rows = {"#####", ".###.", ".###.", "..#.."};
    if (!down)
        rows = {"..#..", ".###.", ".###.", "#####"};
    return FromRows(rows, {{'#', kBlack}});
}

// 6×4 port lamp; the brighter edge faces the port it belongs to.
QImage PortLamp(const QColor& lit, const QColor& shade, bool highlightTop)
{
    const char* edge = "hLLLLh";
    const char* body = "LLLLLL";
    const char* low = "sSSSSs";
    std::vector<const char*> rows = highlightTop ? std::vector<const char*>{edge, body, body, low}
                                                 : std::vector<const char*>{low, body, body, edge};
    return FromRows(rows, {{'L', lit}, {'h', lit.lighter(115)}, {'S', shade}, {'s', shade.darker(110)}});
}

QImage RimmedLamp(const QColor& core, const QColor& rim)
{
    return FromRows({"rrrrrr", "rccccr", "rccccr", "rccccr", "rrrrrr"}, {{'r', rim}, {'c', core}});
}

QImage RoundLamp(const QColor& core, const QColor& edge)
{
    return FromRows({".eee.", "ecCce", "eCCCe", "ecCce", ".eee."},
                    {{'e', edge}, {'c', core.lighter(130)}, {'C', core}});
}

QImage ShadedLamp(bool darkerBelow)
{
    QImage image(5, 5, QImage::Format_RGB888);
    image.fill(PanelArt::kChassis);
    for (int y = 0; y < 5; ++y) {
        const int step = darkerBelow ? y : 4 - y;
        const QColor c(0x5a - step * 12, 0x5e - step * 12, 0x63 - step * 12);
        for (int x = 0; x < 5; ++x) {
            const bool corner = (x == 0 || x == 4) && (y == 0 || y == 4);
            if (!corner)
                image.setPixelColor(x, y, c);
        }
    }
    return image;
}

} // namespace

const std::vector<int>& LedIds()
{
    static const std::vector<int> ids = {160, 159, 161, 162, 158, 163, 164, 190,
                                         191, 192, 230, 231, 202, 204, 201, 203};
    return ids;
}

QImage Led(int resourceId)
{
    switch (resourceId) {
    case 158: return FanSymbol();
    case 159: return Triangle(true);
    case 160: return Triangle(false);
    case 161: return PortLamp(kGreen, kGreenDark, false);
    case 162: return PortLamp(kGreen, kGreenDark, true);
    case 163: return PortLamp(kAmber, kAmberDark, false);
    case 164: return PortLamp(kAmber, kAmberDark, true);
    case 190: return RimmedLamp(kRed, kPink);
    case 191: return RimmedLamp(kGreen, kGreenLight);
    case 192: return RimmedLamp(kBlack, kGreyRim);
    case 201:
    case 204: return RoundLamp(kRed, kRedDark);
    case 202: return RoundLamp(kGreen, kGreenDark);
    case 203: return RoundLamp(kBlack, kDark);
    case 230: return ShadedLamp(true);
    case 231: return ShadedLamp(false);
    default: return QImage();
    }
}

QImage ApplicationIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(size / 64.0, size / 64.0);
    // a switch seen from the front, with two rows of ports and lit lamps
    p.setPen(QPen(QColor(0x12, 0x14, 0x17), 2));
    p.setBrush(PanelArt::kChassis);
    p.drawRoundedRect(QRectF(3, 14, 58, 36), 5, 5);
    p.setPen(Qt::NoPen);
    for (int row = 0; row < 2; ++row) {
        for (int col = 0; col < 4; ++col) {
            const QRectF socket(9 + col * 12, 19 + row * 16, 10, 9);
            p.setBrush(QColor(0x93, 0x99, 0x9f));
            p.drawRect(socket);
            p.setBrush(QColor(0x0d, 0x0f, 0x11));
            p.drawRect(socket.adjusted(2, 2, -2, -2));
            p.setBrush((col + row) % 3 == 2 ? QColor(237, 154, 34) : QColor(0x3d, 0xd6, 0x4f));
            p.drawRect(QRectF(socket.left() + 3, row == 0 ? socket.bottom() + 1.5 : socket.top() - 3.5, 4, 2));
        }
    }
    return image;
}

QImage HandCursor()
{
    // '#' outline, 'o' fill, anything else transparent
    static const char* const rows[] = {
        "     ##          ",
        "    #oo#         ",
        "    #oo#         ",
        "    #oo#         ",
        "    #oo#         ",
        "    #oo###       ",
        "    #oo#oo###    ",
        "    #oo#oo#oo##  ",
        " ## #oo#oo#oo#o# ",
        "#oo##oooooooo#oo#",
        "#ooo#ooooooooooo#",
        " #oo#ooooooooooo#",
        "  #oooooooooooooo#",
        "  #ooooooooooooo#",
        "   #oooooooooooo#",
        "   #ooooooooooo# ",
        "    #oooooooooo# ",
        "    #oooooooooo# ",
        "     #oooooooo#  ",
        "     #oooooooo#  ",
        "     ##########  ",
    };
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    int y = 0;
    for (const char* row : rows) {
        for (int x = 0; row[x] != '\0'; ++x) {
            if (row[x] == '#')
                image.setPixelColor(x, y, Qt::black);
            else if (row[x] == 'o')
                image.setPixelColor(x, y, Qt::white);
        }
        ++y;
    }
    return image;
}

} // namespace LedArt

// Draws the module's own panel art into res/: the front-panel descriptions with their
// pictures, the LED bitmaps, the application icon, the hand cursor and the resource file.
//   sorvex-panelart [RES_DIR]

#include "DescriptionWriter.h"
#include "LedArt.h"
#include "PanelArt.h"
#include "PanelLayout.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>

namespace {

bool Fail(const QString& what)
{
    std::fprintf(stderr, "panelart: %s\n", qPrintable(what));
    return false;
}

// The module reads only BMP files with a 40-byte BITMAPINFOHEADER; check what was written.
bool HasInfoHeader(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(18);
    return head.size() == 18 && head.startsWith("BM") && uchar(head[14]) == 40 && head[15] == 0
        && head[16] == 0 && head[17] == 0;
}

bool SaveBmp(const QImage& image, const QString& path)
{
    if (!image.convertToFormat(QImage::Format_RGB888).save(path, "BMP") || !HasInfoHeader(path))
        return Fail(QStringLiteral("cannot write %1 with a 40-byte info header").arg(path));
    return true;
}

bool SavePng(const QImage& image, const QString& path)
{
    if (!image.save(path, "PNG"))
        return Fail(QStringLiteral("cannot write %1").arg(path));
    return true;
}

bool WritePortPictures(const QDir& res)
{
    const struct {
        PanelArt::PortLook look;
        const char* name;
    } looks[] = {{PanelArt::PortLook::Enabled, "enable"},
                 {PanelArt::PortLook::Link, "link"},
                 {PanelArt::PortLook::Disabled, "disable"},
                 {PanelArt::PortLook::Empty, "empty"}};
    for (bool top : {true, false}) {
        const QString row = top ? QStringLiteral("top") : QStringLiteral("bottom");
        for (const auto& each : looks) {
            if (!SaveBmp(PanelArt::Socket(top, each.look),
                         res.filePath(QStringLiteral("panel/rj45_%1_%2.bmp").arg(row, QLatin1String(each.name))))
                || !SaveBmp(PanelArt::Cage(top, each.look),
                            res.filePath(QStringLiteral("panel/sfp_%1_%2.bmp").arg(row, QLatin1String(each.name)))))
                return false;
        }
    }
    return true;
}

bool WriteResourceFile(const QDir& res, const std::vector<int>& iconSizes)
{
    QFile file(res.filePath(QStringLiteral("panel.qrc")));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return Fail(QStringLiteral("cannot write panel.qrc"));
    QTextStream out(&file);
    out << "<!-- Written by tools/panelart. Addressed by resource id: :/res/bitmap/ID.bmp,"
           " :/res/cursor/398.png, :/res/icon/447-SIZE.png -->\n";
    out << "<RCC>\n  <qresource prefix=\"/res\">\n";
    for (int id : LedArt::LedIds())
        out << "    <file>bitmap/" << id << ".bmp</file>\n";
    out << "    <file>cursor/398.png</file>\n";
    for (int size : iconSizes)
        out << "    <file>icon/447-" << size << ".png</file>\n";
    out << "  </qresource>\n</RCC>\n";
    return true;
}

bool Generate(const QDir& res)
{
    for (const char* folder : {"panel", "bitmap", "icon", "cursor"}) {
        if (!res.mkpath(QLatin1String(folder)))
            return Fail(QStringLiteral("cannot create %1").arg(res.filePath(QLatin1String(folder))));
    }
    for (bool poe : {false, true}) {
        const PanelLayout layout = PanelLayout::ForModel(poe);
        if (!SaveBmp(PanelArt::Background(layout), res.filePath(layout.backgroundFile)))
            return false;
        if (!WriteDescription(layout, res.filePath(layout.descriptionFile)))
            return Fail(QStringLiteral("cannot write %1").arg(layout.descriptionFile));
    }
    if (!WritePortPictures(res))
        return false;
    for (int id : LedArt::LedIds()) {
        if (!SaveBmp(LedArt::Led(id), res.filePath(QStringLiteral("bitmap/%1.bmp").arg(id))))
            return false;
    }
    const std::vector<int> iconSizes = {16, 32, 48, 64};
    for (int size : iconSizes) {
        if (!SavePng(LedArt::ApplicationIcon(size), res.filePath(QStringLiteral("icon/447-%1.png").arg(size))))
            return false;
    }
    if (!SavePng(LedArt::HandCursor(), res.filePath(QStringLiteral("cursor/398.png"))))
        return false;
    return WriteResourceFile(res, iconSizes);
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QDir res(args.size() > 1 ? args.at(1) : QStringLiteral(PANELART_DEFAULT_RES_DIR));
    return Generate(res) ? 0 : 1;
}

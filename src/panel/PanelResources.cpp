#include "PanelResources.h"

#include "DataLocation.h"

#include <QDir>
#include <QImage>
#include <QPixmap>

// The resources live in a static library: referencing the initialiser keeps the linker from
// dropping them.
static void InitPanelResources()
{
    Q_INIT_RESOURCE(panel);
}

namespace PanelResources {

namespace {

// Fingertip of the pointing hand in 398.png (tools/panelart draws it there).
constexpr int kHandHotX = 5;
constexpr int kHandHotY = 1;

void EnsureInitialised()
{
    static const bool initialised = [] {
        InitPanelResources();
        return true;
    }();
    (void)initialised;
}

} // namespace

QString BitmapPath(int resourceId)
{
    EnsureInitialised();
    return QStringLiteral(":/res/bitmap/%1.bmp").arg(resourceId);
}

QCursor HandCursor()
{
    EnsureInitialised();
    // A QImage may outlive the application object; a QPixmap may not.
    static const QImage picture(QStringLiteral(":/res/cursor/%1.png").arg(kHandCursorId));
    if (picture.isNull())
        return QCursor(Qt::PointingHandCursor);
    return QCursor(QPixmap::fromImage(picture), kHandHotX, kHandHotY);
}

QIcon ApplicationIcon()
{
    EnsureInitialised();
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addFile(QStringLiteral(":/res/icon/%1-%2.png").arg(kApplicationIconId).arg(size),
                     QSize(size, size));
    return icon;
}

QString PanelDescriptionPath(const QString& xmlName)
{
    const std::string folder = DataLocation::folderHolding(xmlName.toStdString());
    return QDir(QString::fromStdString(folder)).filePath(xmlName);
}

} // namespace PanelResources

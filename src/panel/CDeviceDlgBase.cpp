#include "CDeviceDlgBase.h"

#include "PanelLimits.h"
#include "PanelView.h"
#include "TraceCategory.h"

#include <QMenuBar>
#include <QPainter>
#include <QVBoxLayout>

CDeviceDlgBase::CDeviceDlgBase(QWidget* parent)
    : QDialog(parent)
    , m_menuBar(new QMenuBar(this))
    , m_view(new PanelView(this))
{
    setObjectName(QStringLiteral("dlg102"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(m_menuBar);
    layout->addWidget(m_view);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_view->setFixedSize(kDefaultPanelSize);
    m_view->SetHandlers({
        [this](QPainter& painter, const QRect& dirty) { PaintPanel(painter, dirty); },
        [this](QPoint at) { m_root.OnClick(at.x(), at.y()); },
        [this](QPoint at) { m_root.UpdateCursor(at.x(), at.y()); },
    });
}

CDeviceDlgBase::~CDeviceDlgBase() = default;

bool CDeviceDlgBase::LoadPanel(const QString& path)
{
    const bool read = LoadPanelDescription(path, m_root, m_modules, &m_panelRefusal);
    const bool hasPicture = m_background.LoadFromFile(m_root.GetBitmapFile());
    // Which files were used: an installed module and one in the build folder differ here.
    TraceLine(QStringLiteral("Front panel %1 %2, picture %3 %4")
                  .arg(path, read ? QStringLiteral("read") : QStringLiteral("not read"), m_root.GetBitmapFile(),
                       hasPicture ? QStringLiteral("loaded") : QStringLiteral("missing")));
    QSize size = m_root.GetRect().size();
    if (size.width() <= 0 || size.height() <= 0)
        size = hasPicture ? QSize(m_background.Width(), m_background.Height()) : kDefaultPanelSize;
    // A window far beyond any panel would cost its area in memory for nothing.
    m_view->setFixedSize(size.boundedTo(QSize(kMaxPanelWidth, kMaxPanelHeight)));
    m_drawMode = hasPicture ? Stretched : NoPicture;
    // The description's position is where the window opens on the screen.
    if (read && (m_root.GetRect().left() != 0 || m_root.GetRect().top() != 0))
        move(m_root.GetRect().topLeft());
    m_root.AttachWindow(m_view);
    return read;
}

void CDeviceDlgBase::PaintOverPanel(QPainter&, const QRect&)
{
}

void CDeviceDlgBase::PaintPanel(QPainter& painter, const QRect& dirty)
{
    DrawBackground(painter);
    if (m_drawMode == Stretched)
        m_root.PaintChildren(painter, m_view);
    PaintOverPanel(painter, dirty);
}

void CDeviceDlgBase::DrawBackground(QPainter& painter)
{
    const QRect area = m_view->rect();
    if (m_drawMode == Stretched)
        m_background.Draw(painter, area.x(), area.y(), area.width(), area.height());
    else
        painter.fillRect(area, palette().window());
}

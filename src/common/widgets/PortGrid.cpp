#include "PortGrid.h"

#include <QFontMetrics>
#include <QLabel>

#include <algorithm>

PortGrid::PortGrid(int portCount, std::span<const PortGridSize> sizes, QPoint origin, int pitch, int rowStep)
    : m_portCount(std::max(portCount, 0)), m_perRow(m_portCount), m_pitch(pitch), m_rowStep(rowStep), m_origin(origin)
{
    if (const PortGridSize* entry = entryFor(sizes, portCount)) {
        m_window = entry->window;
        if (entry->perRow > 0)
            m_perRow = entry->perRow;
        m_pitch += entry->extraGap;
    }
    m_perRow = std::max(m_perRow, 1);
}

PortGrid::PortGrid(int portCount, int perRow, QPoint origin, int pitch, int rowStep)
    : m_portCount(std::max(portCount, 0)),
      m_perRow(std::max(perRow > 0 ? perRow : m_portCount, 1)),
      m_pitch(pitch),
      m_rowStep(rowStep),
      m_origin(origin)
{
}

const PortGridSize* PortGrid::entryFor(std::span<const PortGridSize> sizes, int portCount)
{
    const auto entry = std::find_if(sizes.begin(), sizes.end(), [&](const PortGridSize& s) { return s.portCount == portCount; });
    return entry == sizes.end() ? nullptr : &*entry;
}

int PortGrid::rows() const
{
    return (m_portCount + m_perRow - 1) / m_perRow;
}

QRect PortGrid::cell(int port) const
{
    const int index = std::clamp(port, 1, std::max(m_portCount, 1)) - 1;
    return QRect(m_origin.x() + (index % m_perRow) * m_pitch, m_origin.y() + (index / m_perRow) * m_rowStep, m_pitch,
                 m_rowStep);
}

QSize PortGrid::extent() const
{
    return QSize(std::min(m_portCount, m_perRow) * m_pitch, std::max(rows() - 1, 0) * m_rowStep);
}

void PortGrid::place(QWidget* control, int port, int dy, int width, int height) const
{
    const QSize size(width >= 0 ? width : control->sizeHint().width(), height >= 0 ? height : control->sizeHint().height());
    const QRect column = cell(port);
    control->setGeometry(column.x() + (column.width() - size.width()) / 2, column.y() + dy, size.width(), size.height());
}

QLabel* PortGrid::addCaption(QWidget* parent, int port, int id, int dy) const
{
    auto* caption = new QLabel(QString::number(port), parent);
    caption->setObjectName(QString::number(id));
    caption->setAlignment(Qt::AlignCenter);
    const QRect column = cell(port);
    // Narrow columns (many ports) take the number in a smaller font rather than let it overlap.
    QFont font = caption->font();
    constexpr qreal smallestPoints = 6;
    while (QFontMetrics(font).horizontalAdvance(caption->text()) > column.width() - 2 && font.pointSizeF() > smallestPoints)
        font.setPointSizeF(std::max(font.pointSizeF() - 0.5, smallestPoints));
    caption->setFont(font);
    caption->setGeometry(column.x(), column.y() + dy, column.width(), caption->sizeHint().height());
    return caption;
}

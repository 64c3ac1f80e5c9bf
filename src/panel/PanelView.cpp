#include "PanelView.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

PanelView::PanelView(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("panel"));
    setMouseTracking(true);
    // Every pixel is painted from the panel picture: nothing to erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PanelView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (m_handlers.paint)
        m_handlers.paint(painter, event->rect());
}

void PanelView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_handlers.press)
        m_handlers.press(event->position().toPoint());
    QWidget::mousePressEvent(event);
}

void PanelView::mouseMoveEvent(QMouseEvent* event)
{
    if (m_handlers.move)
        m_handlers.move(event->position().toPoint());
    QWidget::mouseMoveEvent(event);
}

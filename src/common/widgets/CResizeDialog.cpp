#include "CResizeDialog.h"

#include <QPushButton>
#include <QResizeEvent>
#include <QSizeGrip>

CResizeDialog::CResizeDialog(int templateId) : CPageDialog(templateId), m_grip(new QSizeGrip(this))
{
    m_grip->setObjectName(QStringLiteral("sizeGrip"));
    m_grip->resize(m_grip->sizeHint());
}

bool CResizeDialog::setAnchors(std::vector<Anchor> anchors)
{
    if (anchors.empty())
        return false;
    m_anchors = std::move(anchors);
    return true;
}

void CResizeDialog::showGrip(bool visible)
{
    m_gripVisible = visible;
    m_grip->setVisible(visible);
}

int CResizeDialog::placeCornerButtons(std::initializer_list<QPushButton*> buttons, QSize size)
{
    constexpr int margin = 10, spacing = 6;
    int right = size.width() - margin;
    int top = size.height() - margin;
    for (auto it = std::rbegin(buttons); it != std::rend(buttons); ++it) {
        QPushButton* button = *it;
        const QSize hint = button->sizeHint().expandedTo(QSize(80, 0));
        button->setGeometry(right - hint.width(), size.height() - margin - hint.height(), hint.width(), hint.height());
        right -= hint.width() + spacing;
        top = std::min(top, button->y());
        addAnchor({button->objectName().toInt(), MoveBoth, 100});
    }
    return top;
}

void CResizeDialog::showEvent(QShowEvent* event)
{
    if (!m_lastSize.isValid()) {
        // The size it opens with is the smallest it can get.
        setMinimumSize(size());
        m_lastSize = size();
        placeGrip();
        m_grip->setVisible(m_gripVisible);
    }
    CPageDialog::showEvent(event);
}

void CResizeDialog::resizeEvent(QResizeEvent* event)
{
    CPageDialog::resizeEvent(event);
    if (!m_lastSize.isValid() || isMinimized()) {
        placeGrip();
        return;
    }
    const int dx = event->size().width() - m_lastSize.width();
    const int dy = event->size().height() - m_lastSize.height();
    for (const Anchor& anchor : m_anchors) {
        if (anchor.percent < 0 || anchor.percent > 100)
            continue;
        QWidget* control = findChild<QWidget*>(QString::number(anchor.controlId));
        if (!control)
            continue;
        const int mx = dx * anchor.percent / 100;
        const int my = dy * anchor.percent / 100;
        QRect rect = control->geometry();
        switch (anchor.mode) {
        case MoveX: rect.translate(mx, 0); break;
        case MoveY: rect.translate(0, my); break;
        case MoveBoth: rect.translate(mx, my); break;
        case GrowX: rect.setWidth(rect.width() + mx); break;
        case GrowY: rect.setHeight(rect.height() + my); break;
        case GrowBoth: rect.setSize(rect.size() + QSize(mx, my)); break;
        default: continue;
        }
        control->setGeometry(rect);
    }
    m_lastSize = event->size();
    placeGrip();
}

void CResizeDialog::placeGrip()
{
    m_grip->move(width() - m_grip->width(), height() - m_grip->height());
    m_grip->raise();
}

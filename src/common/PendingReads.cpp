#include "PendingReads.h"

PendingReads::PendingReads(std::initializer_list<QWidget*> controls)
{
    for (QWidget* c : controls)
        addControl(c);
}

void PendingReads::addControl(QWidget* control)
{
    m_controls.emplace_back(control);
    control->setEnabled(idle());
}

void PendingReads::begin()
{
    ++m_running;
    enableControls(false);
}

void PendingReads::end()
{
    if (m_running > 0 && --m_running == 0)
        enableControls(true);
}

void PendingReads::enableControls(bool enabled)
{
    for (const QPointer<QWidget>& c : m_controls) {
        if (c)
            c->setEnabled(enabled);
    }
}

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

void PendingReads::addWriteControl(QWidget* control)
{
    m_writeControls.emplace_back(control);
    control->setEnabled(ready());
}

void PendingReads::restart()
{
    m_failed = false;
    update();
}

void PendingReads::begin()
{
    ++m_running;
    update();
}

void PendingReads::end(bool succeeded)
{
    if (!succeeded)
        m_failed = true;
    if (m_running > 0)
        --m_running;
    update();
}

void PendingReads::update()
{
    for (const QPointer<QWidget>& c : m_controls) {
        if (c)
            c->setEnabled(idle());
    }
    for (const QPointer<QWidget>& c : m_writeControls) {
        if (c)
            c->setEnabled(ready());
    }
}

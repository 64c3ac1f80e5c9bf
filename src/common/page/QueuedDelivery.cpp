#include "QueuedDelivery.h"

QueuedDelivery::QueuedDelivery(QObject* receiver) : m_receiver(receiver), m_guard(receiver) {}

void QueuedDelivery::post(std::function<void()> work) const
{
    if (!*m_open)
        return;
    QMetaObject::invokeMethod(
        m_receiver,
        [guard = m_guard, open = m_open, work = std::move(work)] {
            if (guard && *open)
                work();
        },
        Qt::QueuedConnection);
}

void QueuedDelivery::close()
{
    *m_open = false;
}

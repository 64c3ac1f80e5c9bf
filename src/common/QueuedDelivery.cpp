#include "QueuedDelivery.h"

QueuedDelivery::QueuedDelivery(QObject* receiver) : m_receiver(receiver), m_guard(receiver) {}

void QueuedDelivery::post(std::function<void()> work) const
{
    QMetaObject::invokeMethod(
        m_receiver,
        [guard = m_guard, work = std::move(work)] {
            if (guard)
                work();
        },
        Qt::QueuedConnection);
}

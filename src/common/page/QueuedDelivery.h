#pragma once
// Hands work from an SNMP thread to the receiver's thread (a page: the GUI thread). The work
// runs later, in the receiver's event loop, and only while the receiver lives and the delivery
// is open: a page that is gone or has closed its sessions drops what arrives late. Senders copy
// what they need into the work and never touch widgets.

#include <QObject>
#include <QPointer>

#include <atomic>
#include <functional>
#include <memory>

class QueuedDelivery {
public:
    // Made on the receiver's thread.
    explicit QueuedDelivery(QObject* receiver);

    // Thread-safe.
    void post(std::function<void()> work) const;
    // From now on nothing posted runs, also what is queued already. Receiver's thread.
    void close();

private:
    QObject* m_receiver;
    QPointer<QObject> m_guard;
    std::shared_ptr<std::atomic<bool>> m_open = std::make_shared<std::atomic<bool>>(true);
};

#pragma once
// Hands work from an SNMP callback thread to the receiver's thread (a page: the GUI thread).
// The work runs later, in the receiver's event loop, and only while the receiver lives; a page
// that is gone drops it. Callbacks copy what they need into the work and never touch widgets.

#include <QObject>
#include <QPointer>

#include <functional>

class QueuedDelivery {
public:
    // Made on the receiver's thread. The receiver must outlive every post() call (pages close
    // their sessions, which stops their callbacks, before they are destroyed).
    explicit QueuedDelivery(QObject* receiver);

    // Thread-safe.
    void post(std::function<void()> work) const;

private:
    QObject* m_receiver;
    QPointer<QObject> m_guard;
};

#pragma once
// The transfer page's timers on the Qt event loop: one single-shot QTimer per role.

#include "TransferTimers.h"

#include <QObject>
#include <QTimer>

class QtTransferTimers final : public QObject, public TransferTimers {
    Q_OBJECT
public:
    QtTransferTimers();

    void start(Role role, int ms) override;
    void stop(Role role) override;

private:
    QTimer& timerOf(Role role);

    QTimer m_statusRead;
    QTimer m_finish;
    QTimer m_progressStep;
    QTimer m_transferTimeout;
};

#include "QtTransferTimers.h"

QtTransferTimers::QtTransferTimers()
{
    for (Role role : {StatusRead, Finish, ProgressStep, TransferTimeout}) {
        QTimer& timer = timerOf(role);
        timer.setSingleShot(true);
        timer.setTimerType(Qt::PreciseTimer);
        connect(&timer, &QTimer::timeout, this, [this, role] { fired(role); });
    }
}

QTimer& QtTransferTimers::timerOf(Role role)
{
    switch (role) {
    case StatusRead:
        return m_statusRead;
    case Finish:
        return m_finish;
    case ProgressStep:
        return m_progressStep;
    case TransferTimeout:
        break;
    }
    return m_transferTimeout;
}

void QtTransferTimers::start(Role role, int ms)
{
    timerOf(role).start(ms);
}

void QtTransferTimers::stop(Role role)
{
    timerOf(role).stop();
}

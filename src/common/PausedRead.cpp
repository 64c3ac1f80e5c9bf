#include "PausedRead.h"

#include "PendingReads.h"

#include <QTimer>

void ReadAfterPause(PendingReads& reads, QObject* context, int pauseMs, std::function<void()> read)
{
    reads.begin();
    QTimer::singleShot(pauseMs, context, [&reads, read = std::move(read)] {
        reads.end(true);
        read();
    });
}

#pragma once
// A read that follows a write only after a pause the switch needs to settle. The read gate is
// held during the pause, so Refresh and the page's write controls wait with it.

#include <QObject>

#include <functional>

class PendingReads;

void ReadAfterPause(PendingReads& reads, QObject* context, int pauseMs, std::function<void()> read);

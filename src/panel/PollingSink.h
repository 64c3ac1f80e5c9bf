#pragma once
// What the polling thread reports to the device window. Every call arrives on the window's
// (GUI) thread as a queued call; the data are the window's own copies.

#include "PollingRows.h"

#include <vector>

class PollingSink {
public:
    virtual ~PollingSink() = default;
    virtual void OnProbeAnswered(bool reachable) = 0;
    virtual void OnFanStatus(int status) = 0;
    // The PoE model's LED mode; modeChanged when it differs from the previous cycle's.
    virtual void OnLedMode(bool linkMode, bool modeChanged) = 0;
    virtual void OnPowerBudget(bool exhausted) = 0;
    // status: 0 the walk passed the last port, -2 the table ended, -1 no answer, > 0 error-status.
    virtual void OnLinkWalkEnded(std::vector<LinkRow> rows, int status) = 0;
    virtual void OnPoeWalkEnded(std::vector<PoeRow> rows, int status) = 0;
};

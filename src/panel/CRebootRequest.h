#pragma once
// The reboot command: a session of its own (made when the operator confirms, so it takes the
// launch parameters as they are then) and one set request.

#include "CCommonSNMP.h"

#include <functional>

class QObject;

class CRebootRequest {
public:
    // Sends the reboot set (default timeout); `finished` runs on `receiver`'s thread once it has
    // been answered or has failed (the result is not shown). Destroying the request cuts it short
    // and `finished` does not run.
    void Send(QObject* receiver, std::function<void()> finished);

private:
    CCommonSNMP m_session;
};

#pragma once
// The reboot command: a session of its own (made when the operator confirms, so it takes the
// launch parameters as they are then) and one set request.

#include "CCommonSNMP.h"

class CRebootRequest {
public:
    // Sends the reboot set and waits for the answer (default timeout); the result is not shown.
    int Send();
    // Cuts a running Send short.
    void Close() { m_session.Close(); }

private:
    CCommonSNMP m_session;
};

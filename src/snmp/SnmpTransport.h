#pragma once
// The process-wide transport under the SNMP adapter: net-snmp over UDP in the program, the
// in-memory scripted agent in page tests. Chosen once at start-up, before any session exists.

#include "CancelToken.h"
#include "SnmpTypes.h"

#include <memory>

namespace snmp {

enum class ExchangeStatus {
    Answered,  // `response` holds the agent's answer (its error-status may be nonzero)
    NoAnswer,  // nothing came back within the timeout
    Cancelled, // the wait was cut short by the cancel token
    SendFailed, // the request could not be sent (bad address, too large, credentials net-snmp refuses)
    Refused     // the agent answered with a report instead (unknown user, wrong key ...); `response`
                // holds the report's bindings
};

class SnmpTransport {
public:
    virtual ~SnmpTransport() = default;
    // Sends `request` to `target` and waits at most `timeoutMs` in total for the answer.
    // Called from any thread, also concurrently; never calls back into the session layer.
    virtual ExchangeStatus exchange(const SnmpTarget& target, const SnmpPdu& request, SnmpPdu& response,
                                    int timeoutMs, const CancelToken& cancel) = 0;
};

void setTransport(std::shared_ptr<SnmpTransport> transport);
std::shared_ptr<SnmpTransport> currentTransport();

} // namespace snmp

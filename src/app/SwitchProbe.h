#pragma once
// One request to a switch with the parameters of the Connect dialog, through the module's own
// session layer, on a thread of its own: the dialog keeps painting while it waits, and cancel()
// cuts the wait short (the session's Close) and joins that thread.

#include "CancelToken.h"
#include "LaunchParams.h"

#include <functional>
#include <memory>
#include <string>
#include <thread>

class CCommonSNMP;

class SwitchProbe {
public:
    enum class Outcome {
        Answered,  // an answer with error-status 0
        Refused,   // a report refusing the version-3 credentials, or an error-status
        NoAnswer,  // nothing within the time-out
        NotSent,   // the address does not resolve, or nothing could be sent to it
        Cancelled, // cut short by cancel()
    };
    struct Result {
        Outcome outcome = Outcome::NoAnswer;
        std::string detail; // why it was refused or not sent
    };

    SwitchProbe() = default;
    ~SwitchProbe();
    SwitchProbe(const SwitchProbe&) = delete;
    SwitchProbe& operator=(const SwitchProbe&) = delete;

    // Cancels a probe still running, then asks for sysObjectID. The session is made here, from
    // `params` (the process's launch parameters are put back afterwards); `done` runs once, on
    // the probe's thread, unless the probe is cancelled.
    void start(const LaunchParams& params, int timeoutMs, std::function<void(Result)> done);
    void cancel();

private:
    std::shared_ptr<CCommonSNMP> m_session;
    snmp::CancelToken m_cancel;
    std::thread m_thread;
};

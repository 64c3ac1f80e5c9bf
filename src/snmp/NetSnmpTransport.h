#pragma once
// SNMP over UDP through net-snmp. Sessions are pooled per address and credentials so that a
// version-3 engine is discovered once; every wait is a poll loop that the cancel token wakes.
// net-snmp's global state (its user list, engine times, request ids) is touched only under one
// process-wide lock, which is never held while waiting for the network.

#include "SnmpTransport.h"

#include <chrono>
#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace snmp {

class NetSnmpTransport : public SnmpTransport {
public:
    // Initialises net-snmp once per process: no configuration or persistent files, numeric OIDs,
    // its log lines into our trace. Call before any thread uses the library.
    static void initLibrary(const char* appName);

    NetSnmpTransport();
    ~NetSnmpTransport() override;

    ExchangeStatus exchange(const SnmpTarget& target, const SnmpPdu& request, SnmpPdu& response, int timeoutMs,
                            const CancelToken& cancel) override;

    // Forgets every pooled session, discovered engine and the keys net-snmp keeps per engine and
    // user (tests that change a user's password use it between cases).
    void forgetCredentials();

    struct Session;

private:
    void forgetSessions();
    // A pooled or newly opened session; nothing when the address is unusable, does not resolve
    // before `deadline`, or net-snmp cannot open it.
    std::unique_ptr<Session> acquire(const SnmpTarget& target, const std::string& key,
                                     std::chrono::steady_clock::time_point deadline, const CancelToken& cancel);
    void release(std::unique_ptr<Session> session, const std::string& key);
    bool discoverEngine(Session& s, int timeoutMs, const CancelToken& cancel, std::string& engineId);

    std::mutex m_poolMutex;
    std::multimap<std::string, std::unique_ptr<Session>> m_idle;
    std::map<std::string, std::string> m_engineIds; // per address
};

} // namespace snmp

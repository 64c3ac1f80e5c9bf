#pragma once
// Brings up net-snmp's agent for one simulator instance: a private configuration (communities,
// version-3 users, a fixed engine ID) in the instance's own state folder, none of the host's
// SNMP configuration, one UDP endpoint on loopback, and the agent loop.

#include "FaultInjector.h"
#include "SimOptions.h"

#include <functional>
#include <string>

namespace sim {

class AgentHost {
public:
    // Credentials the simulator accepts (documented in sim/README.md).
    static constexpr const char* kReadCommunity = "tundra";
    static constexpr const char* kWriteCommunity = "lantern";

    AgentHost(const SimOptions& options, FaultInjector& faults);

    // Before `start`: writes the private configuration. False with `error` set.
    bool prepare(std::string& error);
    // init_agent; call before registering handlers.
    void initAgent();
    // init_snmp and the UDP endpoint. False with `error` set.
    bool start(std::string& error);
    // Runs the agent until SIGINT or SIGTERM, then shuts net-snmp down (the engine boots are saved).
    void run();

    // Runs `action` once, `delayMs` from now, on the agent loop.
    static void schedule(int delayMs, std::function<void()> action);
    static void scheduleRepeating(int intervalMs, std::function<void()> action);

    std::string endpoint() const;
    const std::string& stateDir() const { return m_stateDir; }
    std::string engineIdHex() const;

private:
    std::string configText() const;

    const SimOptions& m_options;
    FaultInjector& m_faults;
    std::string m_stateDir;
};

} // namespace sim

#pragma once
// The address of a switch as the launch line gives it: "host", "host:port", an IPv6 literal or
// "[IPv6]:port". Checked here, and a name resolved here with a bounded wait, so that the SNMP
// library only ever sees a numeric UDP address: it never reads a transport prefix ("tcp:"),
// never connects, and never blocks on name resolution while it holds the process-wide lock.

#include "CancelToken.h"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace snmp {

struct PeerAddress {
    std::string host; // a name, an IPv4 literal or an IPv6 literal (without brackets)
    unsigned port = 161;
    bool ipv6 = false;

    // The parts of `text`, or nothing with `problem` set to a short reason.
    static std::optional<PeerAddress> parse(std::string_view text, std::string& problem);

    // The numeric address of `host` ("192.0.2.1", "::1"). A name is resolved on a helper thread:
    // the wait ends at `deadline` or when `cancel` fires; a resolution still running then is left
    // to end on its own. Nothing when the name does not resolve in time.
    std::optional<std::string> resolve(std::chrono::steady_clock::time_point deadline,
                                       const CancelToken& cancel) const;

    // "udp:192.0.2.1:161" or "udp6:[::1]:161" for a numeric host.
    std::string transportSpec(const std::string& numericHost) const;
};

// Why `address` cannot be used ("port 99999 is outside 1-65535", "the name x does not resolve"),
// or an empty text when it can. Resolves a name, waiting at most `timeoutMs`.
std::string addressProblem(const std::string& address, int timeoutMs);

} // namespace snmp

#pragma once
// Fills the Q-BRIDGE forwarding table (dot1qTpFdbPort, dot1qTpFdbStatus) with learned addresses
// spread over the ports that have a link, plus the switch's own address. The size is an option,
// so benchmarks can walk thousands of rows.

#include "MibStore.h"

#include <string>
#include <vector>

namespace sim {

class FdbGenerator {
public:
    // `switchMac`: six octets. Each learned entry goes to the VLAN that is its port's PVID.
    static void fill(MibStore& store, int learnedEntries, const std::vector<int>& portsWithLink, const std::string& switchMac);
};

} // namespace sim

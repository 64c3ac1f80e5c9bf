#pragma once
// Fills the static VLAN table up to a number of active VLANs, for benchmarks that list thousands:
// VLAN IDs from 2 upward that the seed data does not use, each with a name and a few tagged member
// ports.

#include "MibStore.h"

namespace sim {

class VlanGenerator {
public:
    // Adds VLANs until the table holds `vlanCount` rows (at most 4094, IDs 1 ... 4094);
    // `portCount` front-panel ports.
    static void fill(MibStore& store, int vlanCount, int portCount);
};

} // namespace sim

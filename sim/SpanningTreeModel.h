#pragma once
// Spanning tree on the ports: the path cost written to the switch's own object shows in
// dot1dStpPortPathCost (0 = automatic, from the port's speed as IEEE 802.1D-2004 gives it), and a
// port whose spanning tree is switched off is in the disabled state.

#include "MibStore.h"

#include <vector>

namespace sim {

class SpanningTreeModel {
public:
    explicit SpanningTreeModel(MibStore& store) : m_store(store) {}

    // Side effects of a set that was applied.
    void written(const Oid& oid);

private:
    void pathCostWritten(uint32_t port);
    void enableWritten(uint32_t port);

    MibStore& m_store;
};

} // namespace sim

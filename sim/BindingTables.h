#pragma once
// IP-MAC-port binding as the switch carries it out: binding a host a scan found adds it to the
// white list on its port, and clearing a black-list entry removes it.

#include "MibStore.h"

namespace sim {

class BindingTables {
public:
    BindingTables(MibStore& store, int portCount);

    // True when `oid` was one of these commands (and it has been carried out).
    bool written(const Oid& oid);

private:
    void bindScanned(const Oid& index);
    void clearBlocked(const Oid& index);

    MibStore& m_store;
    int m_portCount;
};

} // namespace sim

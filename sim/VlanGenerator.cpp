#include "VlanGenerator.h"

#include "SimOids.h"

#include <algorithm>

namespace sim {

namespace {
constexpr uint32_t lastVid = 4094;
constexpr int kActive = 1;

Oid vlanCell(int column, uint32_t vid)
{
    return concat(toOid(snmp::deviceoid::vlanColumn(column)), {vid});
}

// A PortList of `octets` octets with the given ports (1-based) set.
std::string portList(std::initializer_list<int> ports, size_t octets)
{
    std::string list(octets, '\0');
    for (int port : ports) {
        const size_t octet = static_cast<size_t>(port - 1) / 8;
        if (port >= 1 && octet < octets)
            list[octet] = static_cast<char>(static_cast<uint8_t>(list[octet]) | (0x80u >> ((port - 1) % 8)));
    }
    return list;
}
} // namespace

void VlanGenerator::fill(MibStore& store, int vlanCount, int portCount)
{
    using namespace snmp::deviceoid;
    const Oid statusColumn = toOid(vlanColumn(VlanRowStatus));
    int rows = 0;
    Oid next = statusColumn;
    while (store.next(next, &next) && startsWith(next, statusColumn))
        ++rows;
    const size_t octets = portCount > 28 ? 8 : 4;
    const int ports = std::max(portCount, 1);
    for (uint32_t vid = 2; vid <= lastVid && rows < vlanCount; ++vid) {
        if (store.find(vlanCell(VlanRowStatus, vid)))
            continue;
        // Two neighbouring ports, tagged, moving along the panel.
        const int first = static_cast<int>(vid % static_cast<uint32_t>(ports)) + 1;
        store.put(vlanCell(VlanName, vid), snmp::VarBind::octets({}, "vlan-" + std::to_string(vid)));
        store.put(vlanCell(VlanEgress, vid), snmp::VarBind::octets({}, portList({first, first % ports + 1}, octets)));
        store.put(vlanCell(VlanUntagged, vid), snmp::VarBind::octets({}, std::string(octets, '\0')));
        store.put(vlanCell(VlanRowStatus, vid), snmp::VarBind::integer({}, kActive));
        ++rows;
    }
}

} // namespace sim

#include "BindingTables.h"

#include "SimOids.h"

namespace sim {

namespace {

const Oid scanBound = toOid(snmp::deviceoid::bindingScanColumn(5));
const Oid blackListClear = toOid(snmp::deviceoid::bindingBlackListColumn(5));
const Oid blackListEntry = toOid(snmp::deviceoid::device("14.10.4.1"));

// The index that follows `column` in `oid`, or nothing when oid is no cell of that column.
bool indexAfter(const Oid& oid, const Oid& column, Oid& index)
{
    if (oid.size() <= column.size() || !startsWith(oid, column))
        return false;
    index.assign(oid.begin() + static_cast<long>(column.size()), oid.end());
    return true;
}

} // namespace

BindingTables::BindingTables(MibStore& store, int portCount) : m_store(store), m_portCount(portCount) {}

bool BindingTables::written(const Oid& oid)
{
    Oid index;
    if (indexAfter(oid, scanBound, index)) {
        bindScanned(index);
        return true;
    }
    if (indexAfter(oid, blackListClear, index)) {
        clearBlocked(index);
        return true;
    }
    return false;
}

// A scan result is indexed MAC (6 arcs), port, IPv4 (4 arcs); its white-list entry IPv4, MAC.
void BindingTables::bindScanned(const Oid& index)
{
    if (index.size() != 11 || m_store.number(concat(scanBound, index)).value_or(0) != 1)
        return;
    const Oid mac(index.begin(), index.begin() + 6);
    const Oid ip(index.begin() + 7, index.end());
    const uint32_t port = index[6];
    std::string macOctets, ipOctets;
    for (uint32_t arc : mac)
        macOctets += static_cast<char>(arc & 0xFF);
    for (uint32_t arc : ip)
        ipOctets += static_cast<char>(arc & 0xFF);
    std::string ports(static_cast<size_t>((m_portCount + 31) / 32 * 4), '\0');
    if (port >= 1 && port <= static_cast<uint32_t>(m_portCount))
        ports[(port - 1) / 8] = static_cast<char>(0x80 >> ((port - 1) % 8));
    const Oid entry = concat(ip, mac);
    auto cell = [&](int column) { return concat(toOid(snmp::deviceoid::bindingWhiteListColumn(column)), entry); };
    m_store.put(cell(1), snmp::VarBind::ipAddress({}, ipOctets));
    m_store.put(cell(2), snmp::VarBind::octets({}, macOctets));
    m_store.put(cell(3), snmp::VarBind::octets({}, ports));
    m_store.put(cell(4), snmp::VarBind::integer({}, 1));
}

void BindingTables::clearBlocked(const Oid& index)
{
    if (m_store.number(concat(blackListClear, index)).value_or(0) == 1)
        m_store.eraseRow(blackListEntry, index);
}

} // namespace sim

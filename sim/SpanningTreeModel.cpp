#include "SpanningTreeModel.h"

#include "SimOids.h"

namespace sim {

namespace {

const Oid stpPortEntry = {1, 3, 6, 1, 2, 1, 17, 2, 15, 1};
constexpr uint32_t PortEnable = 4, PortPathCost = 5;
constexpr int64_t Enabled = 1;
constexpr int64_t StateDisabled = 1, StateForwarding = 5;
constexpr int64_t IfUp = 1;
// 20 Tb/s divided by the link speed; a port without a link counts as 10 Mb/s.
constexpr uint64_t costDividend = 20'000'000'000'000ULL;
constexpr int64_t costWithoutLink = 2'000'000;

Oid cell(uint32_t column, uint32_t port)
{
    return concat(stpPortEntry, {column, port});
}

} // namespace

void SpanningTreeModel::written(const Oid& oid)
{
    const Oid pathCost = toOid(snmp::deviceoid::stpPortPathCost);
    if (oid.size() == pathCost.size() + 1 && startsWith(oid, pathCost))
        pathCostWritten(oid.back());
    else if (oid.size() == stpPortEntry.size() + 2 && startsWith(oid, stpPortEntry) && oid[stpPortEntry.size()] == PortEnable)
        enableWritten(oid.back());
}

void SpanningTreeModel::pathCostWritten(uint32_t port)
{
    const Oid shown = cell(PortPathCost, port);
    const auto cost = m_store.number(concat(toOid(snmp::deviceoid::stpPortPathCost), {port}));
    if (!cost || !m_store.find(shown))
        return;
    int64_t value = *cost;
    if (value == 0) {
        const auto speed = m_store.number(oids::ifCell(oids::IfSpeed, int(port))).value_or(0);
        value = speed > 0 ? int64_t(costDividend / uint64_t(speed)) : costWithoutLink;
    }
    m_store.setNumber(shown, value);
}

void SpanningTreeModel::enableWritten(uint32_t port)
{
    const bool enabled = m_store.number(cell(PortEnable, port)).value_or(Enabled) == Enabled;
    const bool up = m_store.number(oids::ifCell(oids::IfOperStatus, int(port))).value_or(0) == IfUp;
    m_store.setNumber(oids::stpPortState(int(port)), enabled && up ? StateForwarding : StateDisabled);
}

} // namespace sim

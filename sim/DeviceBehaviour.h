#pragma once
// What the switch does beyond storing values: port links stay consistent, transfers run,
// tool commands are accepted, and with --live the links change over time.

#include "BindingTables.h"
#include "LinkAnimator.h"
#include "PortLinkModel.h"
#include "SpanningTreeModel.h"
#include "TransferSimulator.h"

#include <memory>

namespace sim {

class DeviceBehaviour {
public:
    DeviceBehaviour(MibStore& store, PortLayout layout, PortLinkModel::Clock clock, TransferSimulator::Schedule schedule,
                    int transferStepMs, bool transferFail);

    // Value rules of single objects; 0 accepts, else the error-status.
    long checkValue(const Oid& oid, const snmp::VarBind& vb) const;
    // Side effects of a set that was applied.
    void written(const std::vector<Oid>& oids);
    void liveStep();

    PortLinkModel& ports() { return m_ports; }

private:
    PortLinkModel m_ports;
    TransferSimulator m_transfers;
    SpanningTreeModel m_spanningTree;
    BindingTables m_bindings;
    std::unique_ptr<LinkAnimator> m_animator; // made on the first live step, from the links of that time
};

} // namespace sim

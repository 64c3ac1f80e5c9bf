#include "DeviceBehaviour.h"

#include "SimOids.h"
#include "SnmpTypes.h"

namespace sim {

DeviceBehaviour::DeviceBehaviour(MibStore& store, PortLayout layout, PortLinkModel::Clock clock,
                                 TransferSimulator::Schedule schedule, int transferStepMs, bool transferFail)
    : m_ports(store, layout, std::move(clock)),
      m_transfers(store, std::move(schedule), transferStepMs, transferFail),
      m_spanningTree(store),
      m_bindings(store, layout.portCount)
{
    m_ports.capture();
}

long DeviceBehaviour::checkValue(const Oid& oid, const snmp::VarBind& vb) const
{
    if (TransferSimulator::isOperation(oid) && vb.number != 1 && vb.number != 2)
        return snmp::ErrorStatus::WrongValue; // 1 upgrade, 2 backup
    if ((oid == oids::saveConfig() || oid == oids::reboot()) && vb.number != 1)
        return snmp::ErrorStatus::WrongValue;
    return snmp::ErrorStatus::NoError;
}

void DeviceBehaviour::written(const std::vector<Oid>& oids)
{
    for (const auto& oid : oids) {
        if (TransferSimulator::isOperation(oid))
            m_transfers.operationWritten(oid);
        else if (!m_bindings.written(oid))
            m_ports.settingWritten(oid);
        m_spanningTree.written(oid);
    }
}

void DeviceBehaviour::liveStep()
{
    if (!m_animator)
        m_animator = std::make_unique<LinkAnimator>(m_ports);
    m_animator->step();
}

} // namespace sim

#include "TransferSimulator.h"

#include "SimOids.h"

namespace sim {

namespace {
constexpr int kNotStarted = 4, kRunning = 3, kDone = 1, kFailed = 2;
}

TransferSimulator::TransferSimulator(MibStore& store, Schedule schedule, int stepMs, bool fail)
    : m_store(store), m_schedule(std::move(schedule)), m_stepMs(stepMs), m_fail(fail)
{
}

bool TransferSimulator::isOperation(const Oid& oid)
{
    return oid == oids::firmwareOperation() || oid == oids::configOperation();
}

void TransferSimulator::operationWritten(const Oid& operationOid)
{
    const bool firmware = operationOid == oids::firmwareOperation();
    const Oid statusOid = firmware ? oids::firmwareStatus() : oids::configStatus();
    const unsigned generation = ++(firmware ? m_firmwareGeneration : m_configGeneration);
    if (!m_store.find(statusOid))
        m_store.put(statusOid, snmp::VarBind::integer({}, 0));
    setStatus(statusOid, generation, kNotStarted);
    m_schedule(m_stepMs, [this, statusOid, generation] {
        setStatus(statusOid, generation, kRunning);
        m_schedule(m_stepMs, [this, statusOid, generation] { setStatus(statusOid, generation, m_fail ? kFailed : kDone); });
    });
}

void TransferSimulator::setStatus(const Oid& statusOid, unsigned generation, int status)
{
    const unsigned current = statusOid == oids::firmwareStatus() ? m_firmwareGeneration : m_configGeneration;
    if (generation == current)
        m_store.setNumber(statusOid, status);
}

} // namespace sim

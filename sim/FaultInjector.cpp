#include "FaultInjector.h"

namespace sim {

FaultInjector::FaultInjector(int delayMs, int dropEvery, const std::map<std::string, long>& errors, BulkAnswer bulk)
    : m_delayMs(delayMs), m_dropEvery(dropEvery), m_bulk(bulk)
{
    for (const auto& [oid, status] : errors)
        m_errors[toOid(oid)] = status;
}

bool FaultInjector::dropNext()
{
    ++m_requests;
    return m_dropEvery > 0 && m_requests % static_cast<unsigned long>(m_dropEvery) == 0;
}

long FaultInjector::errorFor(const Oid& oid) const
{
    auto it = m_errors.find(oid);
    return it == m_errors.end() ? 0 : it->second;
}

} // namespace sim

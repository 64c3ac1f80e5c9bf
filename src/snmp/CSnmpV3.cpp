#include "CSnmpV3.h"

namespace snmp {

SnmpTarget CSnmpV3::target(const std::string& address) const
{
    SnmpTarget t = m_target;
    t.address = address;
    t.version = 3;
    return t;
}

std::unique_ptr<CSnmp> CSnmpV3::makeAnswer() const
{
    auto answer = std::make_unique<CSnmpV3>(PduType::Response);
    answer->m_target = m_target;
    return answer;
}

} // namespace snmp

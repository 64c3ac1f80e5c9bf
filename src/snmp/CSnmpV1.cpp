#include "CSnmpV1.h"

namespace snmp {

SnmpTarget CSnmpV1::target(const std::string& address) const
{
    SnmpTarget t;
    t.address = address;
    t.version = 1;
    t.community = m_community;
    return t;
}

std::unique_ptr<CSnmp> CSnmpV1::makeAnswer() const
{
    auto answer = std::make_unique<CSnmpV1>(PduType::Response);
    answer->setCommunity(m_community);
    return answer;
}

} // namespace snmp

#pragma once
#include "CSnmp.h"

namespace snmp {

class CSnmpV1 : public CSnmp {
public:
    explicit CSnmpV1(PduType pduType) : CSnmp(pduType) {}
    void setCommunity(const std::string& community) { m_community = community; }
    SnmpTarget target(const std::string& address) const override;
    std::unique_ptr<CSnmp> makeAnswer() const override;

private:
    std::string m_community;
};

} // namespace snmp

#pragma once
#include "CSnmp.h"

namespace snmp {

class CSnmpV3 : public CSnmp {
public:
    explicit CSnmpV3(PduType pduType) : CSnmp(pduType) { m_target.version = 3; }
    void setMsgMaxSize(int size) { m_target.msgMaxSize = size; }
    void setMsgSecurityModel(int model) { m_securityModel = model; }
    void setUserName(const std::string& name) { m_target.userName = name; }
    // 0 none, 1 authentication, 3 authentication and privacy
    void setMsgFlags(int flags) { m_target.msgFlags = flags; }
    // 0 HMAC-MD5-96, 1 HMAC-SHA-96
    void setAuthArith(int arith) { m_target.authArith = arith; }
    void setAuthPwd(const char* bytes, unsigned length) { m_target.authPassword.assign(bytes, length); }
    // 0 CBC-DES
    void setPriArith(int arith) { m_target.privArith = arith; }
    void setPriPwd(const char* bytes, unsigned length) { m_target.privPassword.assign(bytes, length); }

    int msgSecurityModel() const { return m_securityModel; }
    SnmpTarget target(const std::string& address) const override;
    std::unique_ptr<CSnmp> makeAnswer() const override;

private:
    SnmpTarget m_target;
    int m_securityModel = 3;
};

} // namespace snmp

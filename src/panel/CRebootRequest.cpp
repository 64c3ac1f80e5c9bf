#include "CRebootRequest.h"

#include "SnmpTypes.h"

int CRebootRequest::Send()
{
    if (!m_session.Prepare(snmp::PduType::Set))
        return -1;
    m_session.AddVarBind("ENTERPRISE.10.75.5.2.1.9.0", snmp::Syntax::Integer, "1");
    std::unique_ptr<CSnmp> answer;
    return m_session.TableSendAndWait(answer, 0);
}

#include "CRebootRequest.h"

#include "DeviceOids.h"
#include "SnmpTypes.h"

int CRebootRequest::Send()
{
    if (!m_session.Prepare(snmp::PduType::Set))
        return -1;
    m_session.AddVarBind(snmp::deviceoid::reboot, snmp::Syntax::Integer, "1");
    std::unique_ptr<CSnmp> answer;
    return m_session.TableSendAndWait(answer, 0);
}

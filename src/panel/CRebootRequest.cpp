#include "CRebootRequest.h"

#include "DeviceOids.h"
#include "QueuedDelivery.h"
#include "SnmpTypes.h"

void CRebootRequest::Send(QObject* receiver, std::function<void()> finished)
{
    snmp::SetStep reboot;
    reboot.bindings.push_back({snmp::deviceoid::reboot, snmp::Syntax::Integer, "1"});
    m_session.write({reboot}, [delivery = QueuedDelivery(receiver), finished](snmp::WriteResult) {
        delivery.post(finished);
    });
}

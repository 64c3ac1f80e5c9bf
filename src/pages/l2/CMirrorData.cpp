#include "CMirrorData.h"

#include "DeviceOids.h"
#include "NumberText.h"
#include "PortHex.h"
#include "PortListText.h"

namespace deviceoid = snmp::deviceoid;

CMirrorData::CMirrorData(PageSessions& sessions, int portCount) : CPortDataBase(sessions, portCount) {}

std::vector<std::string> CMirrorData::objects()
{
    return {deviceoid::mirrorState, deviceoid::mirrorTarget, deviceoid::mirrorSourcesIngress,
            deviceoid::mirrorSourcesEgress};
}

CMirrorData::Reading CMirrorData::take(const SnmpReply& reply)
{
    Reading reading;
    reading.ports.resize(std::size_t(portCount()));
    m_lastState = reply.text(0);
    m_lastTarget = reply.text(1);
    m_lastIngress = reply.text(2);
    m_lastEgress = reply.text(3);
    reading.enabled = m_lastState == "1";
    reading.target = reply.qtext(1);
    if (reading.target == QLatin1String("0"))
        reading.target = QStringLiteral("1");
    // Ports above the port count in a list are ignored.
    for (int port : PortListMembers(reply.text(2))) {
        if (port <= portCount())
            reading.ports[std::size_t(port - 1)].rx = true;
    }
    for (int port : PortListMembers(reply.text(3))) {
        if (port <= portCount())
            reading.ports[std::size_t(port - 1)].tx = true;
    }
    return reading;
}

bool CMirrorData::linksAgree(const std::vector<PortMode>& ports) const
{
    std::vector<int> modes;
    for (const PortMode& mode : ports)
        modes.push_back((mode.tx ? 1 : 0) | (mode.rx ? 2 : 0));
    return isConsistentWithLinks(modes);
}

std::vector<SetRequest> CMirrorData::writeRequests(bool enable, int target, const std::vector<PortMode>& ports) const
{
    std::vector<SetRequest> requests;
    if (enable) {
        PortFlags tx(std::size_t(portCount()), 0);
        PortFlags rx(std::size_t(portCount()), 0);
        for (std::size_t i = 0; i < ports.size() && i < tx.size(); ++i) {
            tx[i] = ports[i].tx ? 1 : 0;
            rx[i] = ports[i].rx ? 1 : 0;
        }
        if (m_lastState == "1") {
            const std::string none = PortFlagsToOctets(PortFlags(std::size_t(portCount()), 0));
            requests.emplace_back().octets(deviceoid::mirrorSourcesEgress, none).octets(deviceoid::mirrorSourcesIngress, none);
        }
        requests.emplace_back().integer(deviceoid::mirrorTarget, target);
        requests.emplace_back()
            .octets(deviceoid::mirrorSourcesEgress, PortFlagsToOctets(tx))
            .octets(deviceoid::mirrorSourcesIngress, PortFlagsToOctets(rx));
    }
    requests.emplace_back().integer(deviceoid::mirrorState, enable ? 1 : 2);
    return requests;
}

std::vector<SetRequest> CMirrorData::putBackRequests(bool enable, const WriteResult& result) const
{
    // The steps of writeRequests when the lists are emptied first.
    enum Step { Emptying, Target, Lists, State };
    std::vector<SetRequest> requests;
    const bool emptying = enable && m_lastState == "1";
    const int stopped = result.completed;
    const bool lost = result.status < 0;
    if (result.ok() || !emptying || stopped >= State || (stopped == Emptying && !lost))
        return requests;
    if (stopped == Lists || (stopped == Target && lost))
        requests.emplace_back().integer(deviceoid::mirrorTarget, LeadingInteger(m_lastTarget).value_or(0));
    requests.emplace_back()
        .octets(deviceoid::mirrorSourcesEgress, m_lastEgress)
        .octets(deviceoid::mirrorSourcesIngress, m_lastIngress);
    return requests;
}

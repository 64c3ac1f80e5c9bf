#include "AggregationRules.h"

#include "PortListText.h"

#include <algorithm>

namespace {

template <class Values>
Values zeros(int portCount)
{
    return Values(std::size_t(std::max(portCount, 0)), 0);
}

class Selection {
public:
    Selection(const AggregationData& data, const PortFlags& selected)
    {
        for (int p = 1; p <= data.portCount && p <= int(selected.size()); ++p) {
            if (selected[std::size_t(p - 1)] != 0)
                m_ports.push_back(p);
        }
    }

    const std::vector<int>& ports() const { return m_ports; }

    template <class Values>
    static auto at(const Values& values, int port)
    {
        return port <= int(values.size()) ? values[std::size_t(port - 1)] : typename Values::value_type(0);
    }

    // Every selected port carries the value of the first one.
    template <class Values>
    bool equal(const Values& values) const
    {
        for (int port : m_ports) {
            if (at(values, port) != at(values, m_ports.front()))
                return false;
        }
        return true;
    }

    // Selected ports with 0 before the first non-zero value are skipped; from there on, every
    // selected port carries that value.
    bool equalFromFirstNonZero(const PortValues& values) const
    {
        std::optional<int64_t> reference;
        for (int port : m_ports) {
            const int64_t value = at(values, port);
            if (!reference) {
                if (value != 0)
                    reference = value;
            } else if (value != *reference) {
                return false;
            }
        }
        return true;
    }

    std::optional<int64_t> firstNonZero(const PortValues& values) const
    {
        for (int port : m_ports) {
            if (at(values, port) != 0)
                return at(values, port);
        }
        return std::nullopt;
    }

    // The selected ports are all in the set or all outside it.
    bool allOrNone(const PortFlags& set) const
    {
        const auto inside = std::count_if(m_ports.begin(), m_ports.end(), [&](int p) { return at(set, p) != 0; });
        return inside == 0 || inside == std::ptrdiff_t(m_ports.size());
    }

    bool anyWith(const PortValues& values, int64_t value) const
    {
        return std::any_of(m_ports.begin(), m_ports.end(), [&](int p) { return at(values, p) == value; });
    }

private:
    std::vector<int> m_ports;
};

bool hasAnyPort(const PortFlags& flags)
{
    return std::any_of(flags.begin(), flags.end(), [](int f) { return f != 0; });
}

} // namespace

AggregationData::AggregationData(int ports)
    : portCount(std::max(ports, 0)),
      link(zeros<std::vector<int>>(ports)),
      portType(zeros<PortValues>(ports)),
      speed(zeros<PortValues>(ports)),
      dhcpScreening(zeros<PortFlags>(ports)),
      dot1x(zeros<PortValues>(ports)),
      learning(zeros<PortFlags>(ports)),
      priority(zeros<PortValues>(ports)),
      pvid(zeros<PortValues>(ports)),
      portSecurity(zeros<PortValues>(ports)),
      loopbackDetection(zeros<PortValues>(ports)),
      mirrorSourceIngress(zeros<PortFlags>(ports)),
      mirrorSourceEgress(zeros<PortFlags>(ports)),
      arpSpoofing(zeros<PortFlags>(ports)),
      bandwidthTransmit(zeros<PortValues>(ports)),
      bandwidthReceive(zeros<PortValues>(ports)),
      voiceMode(zeros<PortValues>(ports)),
      fdbDestination(zeros<PortFlags>(ports)),
      surveillanceState(zeros<PortValues>(ports)),
      surveillanceMode(zeros<PortValues>(ports))
{
    stp.fill(zeros<PortValues>(ports));
}

std::optional<QString> FirstAggregationRefusal(const AggregationData& data, const PortFlags& selected,
                                               const QString& currentMembers)
{
    const Selection chosen(data, selected);
    const std::vector<int>& ports = chosen.ports();
    if (ports.empty())
        return std::nullopt;

    std::vector<int> current(std::size_t(data.portCount), 0);
    MarkListedPorts(currentMembers, current, 1);
    for (int port : ports) {
        if (Selection::at(data.link, port) != 0 && current[std::size_t(port - 1)] == 0)
            return QStringLiteral("Cannot add the port as it is a member of another aggregated link !");
    }
    if (!chosen.equalFromFirstNonZero(data.portType))
        return QStringLiteral("Cannot add ports of different types to an aggregated link !");
    if (const auto speed = chosen.firstNonZero(data.speed); speed && (*speed == 3 || *speed == 5))
        return QStringLiteral("Cannot add a port in half-duplex mode to an aggregated link.");
    if (!chosen.equalFromFirstNonZero(data.speed))
        return QStringLiteral("Cannot add ports of different speed to an aggregated link.");
    if (!chosen.equal(data.dhcpScreening))
        return QStringLiteral("Cannot add ports with different DHCP Server Screening Port Settings to an aggregated link.");
    if (data.dot1xEnabled) {
        for (int port : ports) {
            if (Selection::at(data.dot1x, port) == 2)
                return QStringLiteral("Cannot add the 802.1X-enabled port to an aggregated link.");
            if (Selection::at(data.dot1x, port) == 1)
                return QStringLiteral("Setting the Channel Mode Fail.");
        }
    }
    for (std::size_t v = 0; v < std::max(data.vlanMembers.size(), data.vlanUntagged.size()); ++v) {
        if ((v < data.vlanMembers.size() && !chosen.allOrNone(data.vlanMembers[v])) ||
            (v < data.vlanUntagged.size() && !chosen.allOrNone(data.vlanUntagged[v])))
            return QStringLiteral("Cannot add ports with different VLAN configurations to an aggregated link !");
    }
    const QString learningRefused = QStringLiteral("Cannot add a Auto-learn disabled port to an aggregated link.");
    if (!hasAnyPort(data.learning))
        return learningRefused;
    for (int port : ports) {
        if (Selection::at(data.learning, port) == 0)
            return learningRefused;
    }
    if (!chosen.equal(data.priority))
        return QStringLiteral("Cannot add ports with different 802.1p default priorities to an aggregated link.");
    if (!chosen.equal(data.pvid))
        return QStringLiteral("Cannot add ports with different PVIDs to an aggregated link.");
    if (chosen.anyWith(data.portSecurity, 1))
        return QStringLiteral("Cannot add a port-security anabled port to an aggregated link.");
    if (chosen.anyWith(data.loopbackDetection, 1))
        return QStringLiteral("Cannot add a LBD-enabled port to an aggregated link.");
    if ((hasAnyPort(data.mirrorSourceIngress) || hasAnyPort(data.mirrorSourceEgress)) &&
        (!chosen.equal(data.mirrorSourceIngress) || !chosen.equal(data.mirrorSourceEgress)))
        return QStringLiteral("Cannot add ports of Port Mirror enable ports to an aggregated link.");
    if (data.mirrorState == 1 && std::find(ports.begin(), ports.end(), data.mirrorTarget) != ports.end())
        return QStringLiteral("Cannot add a mirror port to an aggregated link.");
    if (!chosen.equal(data.arpSpoofing))
        return QStringLiteral("Cannot add ports of ARP Spoofing Prevent enable ports to an aggregated link.");
    if (!chosen.equal(data.bandwidthTransmit) || !chosen.equal(data.bandwidthReceive))
        return QStringLiteral("Cannot add ports with different rate control configurations to an aggregated link.");
    if (data.stpEnabled) {
        for (const PortValues& column : data.stp) {
            if (!chosen.equal(column))
                return QStringLiteral("Cannot add a port with different RSTP port setting to an aggregated link. ");
        }
    }
    if (chosen.anyWith(data.voiceMode, 1))
        return QStringLiteral("Cannot add a port in Voice Vlan Auto mode to an aggregated link.");
    for (int port : ports) {
        if (Selection::at(data.fdbDestination, port) != 0)
            return QStringLiteral(
                "Cannot add ports with different FDB-destination-hit configurations to an aggregated link.");
    }
    for (const PortFlags& rule : data.aclRules) {
        if (!chosen.allOrNone(rule))
            return QStringLiteral("Cannot add an ACL enabled port to an aggregated link.");
    }
    if (data.surveillanceEnabled) {
        for (int port : ports) {
            if (Selection::at(data.surveillanceState, port) == 1)
                return QStringLiteral("Cannot add a port in  Auto Surveillance VLAN Auto mode to an aggregated link");
            if (Selection::at(data.surveillanceMode, port) == 2)
                return QStringLiteral(
                    "Cannot add a port in Auto Surveillance Vlan Auto dynamic mode to an aggregated link");
        }
    }
    return std::nullopt;
}

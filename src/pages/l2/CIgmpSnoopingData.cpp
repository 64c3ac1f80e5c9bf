#include "CIgmpSnoopingData.h"

#include "DeviceOids.h"
#include "MacText.h"
#include "NumberText.h"
#include "PortHex.h"
#include "PortListText.h"
#include "Utf8Text.h"

#include <QStringList>

namespace deviceoid = snmp::deviceoid;

namespace {

std::string indexOf(const QString& vlanId)
{
    return "." + vlanId.toStdString();
}

// An IpAddress value arrives dotted; four octets of an OCTET STRING are shown the same way.
QString dottedGroup(const SnmpReply& row, int i)
{
    if (i >= row.count())
        return {};
    if (row.values[std::size_t(i)].tag != snmp::Ber::OctetString)
        return row.qtext(i);
    QStringList octets;
    for (char c : row.text(i))
        octets << QString::number(static_cast<unsigned char>(c));
    return octets.join(QLatin1Char('.'));
}

} // namespace

CIgmpSnoopingData::CIgmpSnoopingData(PageSessions& sessions, int portCount) : CPortDataBase(sessions, portCount) {}

std::vector<std::string> CIgmpSnoopingData::globalObjects()
{
    std::vector<std::string> oids;
    for (int field = State; field < GlobalFieldCount; ++field)
        oids.push_back(deviceoid::igmpGlobal(field + 1));
    return oids;
}

const CIgmpSnoopingData::IgmpGlobalValues& CIgmpSnoopingData::takeGlobals(const SnmpReply& reply)
{
    for (int field = State; field < GlobalFieldCount; ++field)
        m_lastGlobals[std::size_t(field)] = reply.qtext(field);
    return m_lastGlobals;
}

std::vector<SetRequest> CIgmpSnoopingData::globalWrite(const IgmpGlobalValues& values) const
{
    const QString off = QStringLiteral("2");
    std::vector<SetRequest> requests;
    if (m_lastGlobals[State] == off && values[State] == off)
        return requests;
    if (values[State] != m_lastGlobals[State])
        requests.emplace_back().integer(deviceoid::igmpGlobal(State + 1), LeadingInteger(values[State]).value_or(0));
    if (values[State] == off)
        return requests;
    SetRequest changed;
    for (int field = RouterTimeout; field < GlobalFieldCount; ++field) {
        const auto i = std::size_t(field);
        if (values[i] != m_lastGlobals[i])
            changed.integer(deviceoid::igmpGlobal(field + 1), LeadingInteger(values[i]).value_or(0));
    }
    if (!changed.empty())
        requests.push_back(std::move(changed));
    return requests;
}

std::vector<std::string> CIgmpSnoopingData::vlanColumns()
{
    return {deviceoid::igmpVlanColumn(deviceoid::IgmpVlanId), deviceoid::igmpVlanColumn(deviceoid::IgmpVlanState),
            deviceoid::igmpVlanColumn(deviceoid::IgmpVlanQuerier), deviceoid::igmpVlanColumn(deviceoid::IgmpVlanFastLeave),
            deviceoid::igmpVlanColumn(deviceoid::IgmpVlanRouterPorts)};
}

std::vector<std::string> CIgmpSnoopingData::vlanNameColumns()
{
    return {deviceoid::vlanColumn(deviceoid::VlanName)};
}

void CIgmpSnoopingData::takeVlanName(const SnmpReply& row)
{
    if (const auto vid = row.index(0))
        m_vlanNames[*vid] = TextFromUtf8(row.text(0));
}

CIgmpSnoopingData::VlanRow CIgmpSnoopingData::vlanRow(const SnmpReply& row) const
{
    VlanRow vlan;
    vlan.vlanId = row.qtext(0);
    if (const auto vid = LeadingInteger(vlan.vlanId); vid && QString::number(*vid) == vlan.vlanId) {
        if (const auto name = m_vlanNames.find(*vid); name != m_vlanNames.end())
            vlan.name = name->second;
    }
    vlan.enabled = row.text(1) == "1";
    vlan.querier = row.text(2) == "1";
    vlan.fastLeave = row.text(3) == "1";
    vlan.routerPortText = PortListToText(row.text(4), portCount()).text;
    vlan.routerPorts.assign(std::size_t(portCount()), 0);
    for (int port : PortListMembers(row.text(4))) {
        if (port <= portCount())
            vlan.routerPorts[std::size_t(port - 1)] = 1;
    }
    return vlan;
}

std::vector<SetRequest> CIgmpSnoopingData::vlanWrite(const QString& vlanId, bool wasEnabled, bool enable, bool querier,
                                                     bool fastLeave)
{
    const std::string index = indexOf(vlanId);
    const auto value = [](bool on) { return on ? 1 : 2; };
    std::vector<SetRequest> requests;
    if (!wasEnabled && !enable)
        return requests;
    if (!wasEnabled)
        requests.emplace_back().integer(deviceoid::igmpVlanColumn(deviceoid::IgmpVlanState) + index, 1);
    SetRequest& settings = requests.emplace_back();
    settings.integer(deviceoid::igmpVlanColumn(deviceoid::IgmpVlanQuerier) + index, value(querier))
        .integer(deviceoid::igmpVlanColumn(deviceoid::IgmpVlanFastLeave) + index, value(fastLeave));
    if (wasEnabled && !enable)
        settings.integer(deviceoid::igmpVlanColumn(deviceoid::IgmpVlanState) + index, 2);
    return requests;
}

std::string CIgmpSnoopingData::routerPortOctets(const PortFlags& ports) const
{
    std::string hex = PortFlagsToHex(ports);
    if (portCount() == 28)
        hex.append(9, '0');
    else if (portCount() == 52)
        hex.append(11, '0');
    else
        hex = PadPortHex(hex, portCount());
    return HexToOctets(hex);
}

SetRequest CIgmpSnoopingData::routerPortsWrite(const QString& vlanId, const PortFlags& ports) const
{
    SetRequest request;
    request.octets(deviceoid::igmpVlanColumn(deviceoid::IgmpVlanRouterPorts) + indexOf(vlanId), routerPortOctets(ports));
    return request;
}

std::vector<std::string> CIgmpSnoopingData::groupColumns()
{
    return {deviceoid::multicastEntryColumn(deviceoid::EntryVlanId), deviceoid::multicastEntryColumn(deviceoid::EntryGroup),
            deviceoid::multicastEntryColumn(deviceoid::EntryMac), deviceoid::multicastEntryColumn(deviceoid::EntryPorts)};
}

CIgmpSnoopingData::GroupRow CIgmpSnoopingData::groupRow(const SnmpReply& row, int portCount)
{
    return {row.qtext(0), dottedGroup(row, 1), MacOctetsText(row.text(2)), PortListToText(row.text(3), portCount).text};
}

#include "TrunkValid.h"

#include "DeviceOids.h"
#include "MessageBox.h"
#include "NumberText.h"
#include "PortListText.h"

namespace {

namespace deviceoid = snmp::deviceoid;

// The switch takes a moment between the first reads and the walk of the port table.
constexpr int portTablePauseMs = 500;

// The seven spanning-tree port settings, in the order they are compared.
const std::vector<std::string> stpColumns = {
    deviceoid::stpPortColumn(4),  deviceoid::stpPortColumn(2),  deviceoid::stpPortColumn(5),
    deviceoid::stpPortColumn(16), deviceoid::stpPortColumn(18), deviceoid::stpPortColumn(17),
    deviceoid::stpPortColumn(14)};

int64_t numberOf(const SnmpReply& reply, int i)
{
    return LeadingInteger(reply.text(i)).value_or(0);
}

} // namespace

TrunkValid::TrunkValid(PageSessions& sessions, int portCount, QObject* parent)
    : QObject(parent),
      m_sessions(sessions),
      m_portCount(std::max(portCount, 0)),
      m_data(m_portCount),
      m_cCommonSNMP(sessions.add("m_cCommonSNMP")),
      m_cCommonSNMPSet(sessions.add("m_cCommonSNMPSet")),
      m_cCommonSNMPMirror(sessions.add("m_cCommonSNMPMirror")),
      m_cCommonSNMPTableACL(sessions.add("m_cCommonSNMPTableACL")),
      m_cCommonSNMPPoint(sessions.add("m_cCommonSNMPPoint")),
      m_cCommonSNMPTableVlan(sessions.add("m_cCommonSNMPTableVlan")),
      m_cCommonSNMPTableLink(sessions.add("m_cCommonSNMPTableLink")),
      m_cCommonSNMPTableArp(sessions.add("m_cCommonSNMPTableArp")),
      m_cCommonSNMPTableSurveillance(sessions.add("m_cCommonSNMPTableSurveillance")),
      m_cCommonSNMPTablePort(sessions.add("m_cCommonSNMPTablePort")),
      m_cCommonSNMPTable(sessions.add("m_cCommonSNMPTable")),
      m_cCommonSNMPTableFdb(sessions.add("m_cCommonSNMPTableFdb")),
      m_cCommonSNMPState(sessions.add("m_cCommonSNMPState")),
      m_links(sessions, m_cCommonSNMPTableLink, m_portCount)
{
    m_pause.setSingleShot(true);
    m_pause.setTimerType(Qt::PreciseTimer);
    m_pause.setInterval(portTablePauseMs);
    connect(&m_pause, &QTimer::timeout, this, [this] { secondRound(); });
    connect(&m_links, &AggregatedLinkWalk::ended, this, [this] {
        m_data.link = m_links.links();
        readEnded(m_links.complete());
    });
}

void TrunkValid::init()
{
    if (m_running || m_sessions.closed())
        return;
    m_data = AggregationData(m_portCount);
    m_running = true;
    m_ready = false;
    m_failed = false;
    firstRound();
}

void TrunkValid::startRound(int reads)
{
    m_pending = reads;
}

void TrunkValid::readEnded(bool succeeded)
{
    if (!succeeded)
        m_failed = true;
    if (--m_pending > 0)
        return;
    if (m_failed || !m_nextRound) {
        m_running = false;
        m_ready = !m_failed;
        emit initEnded(m_ready);
        return;
    }
    auto next = m_nextRound;
    m_nextRound = nullptr;
    if (next == &TrunkValid::secondRound)
        m_pause.start();
    else
        (this->*next)();
}

void TrunkValid::get(CCommonSNMP& session, const std::vector<std::string>& oids, RowTaker take)
{
    m_sessions.get(session, oids, [this, take](const SnmpReply& reply) {
        if (reply.ok())
            (this->*take)(reply);
        readEnded(reply.ok());
    });
}

void TrunkValid::walk(CCommonSNMP& session, const std::vector<std::string>& columns, RowTaker take)
{
    m_sessions.walk(
        session, columns, [this, take](const SnmpReply& row) { (this->*take)(row); },
        [this](int status) { readEnded(snmp::WalkComplete(status)); });
}

void TrunkValid::firstRound()
{
    startRound(7);
    m_nextRound = &TrunkValid::secondRound;
    m_links.start();
    walk(m_cCommonSNMPTableVlan, {deviceoid::vlanColumn(deviceoid::VlanEgress), deviceoid::vlanColumn(deviceoid::VlanUntagged)},
         &TrunkValid::takeVlan);
    walk(m_cCommonSNMPTableACL, {deviceoid::aclPorts}, &TrunkValid::takeAclRule);
    get(m_cCommonSNMPMirror, {deviceoid::mirrorSourcesIngress, deviceoid::mirrorSourcesEgress, deviceoid::learningPorts},
        &TrunkValid::takeMirrorSourcesAndLearning);
    walk(m_cCommonSNMPTableArp, {deviceoid::arpSpoofingPorts}, &TrunkValid::takeArpEntry);
    walk(m_cCommonSNMPTableSurveillance, {deviceoid::surveillancePortState, deviceoid::surveillancePortMode},
         &TrunkValid::takeSurveillancePort);
    std::vector<std::string> portFeatures = stpColumns;
    portFeatures.push_back(deviceoid::dot1xPort);
    portFeatures.push_back(deviceoid::voicePortMode);
    walk(m_cCommonSNMPTablePort, portFeatures, &TrunkValid::takePortFeatures);
}

void TrunkValid::secondRound()
{
    startRound(1);
    m_nextRound = &TrunkValid::thirdRound;
    walk(m_cCommonSNMPTable,
         {deviceoid::portColumn(deviceoid::PortConfigSpeed), deviceoid::portDefaultPriority, deviceoid::portPvid,
          deviceoid::portSecurity, deviceoid::portColumn(deviceoid::PortMedia), deviceoid::loopbackDetection,
          deviceoid::bandwidthColumn(deviceoid::BandwidthTransmit), deviceoid::bandwidthColumn(deviceoid::BandwidthReceive)},
         &TrunkValid::takePortSettings);
}

void TrunkValid::thirdRound()
{
    startRound(4);
    m_nextRound = nullptr;
    get(m_cCommonSNMPPoint, {deviceoid::mirrorState, deviceoid::mirrorTarget}, &TrunkValid::takeMirroring);
    walk(m_cCommonSNMPTableFdb, {deviceoid::staticFdbPort}, &TrunkValid::takeStaticFdb);
    get(m_cCommonSNMPSet, {deviceoid::dot1xState, deviceoid::stpState, deviceoid::surveillanceState},
        &TrunkValid::takeGlobalStates);
    get(m_cCommonSNMP, {deviceoid::dhcpScreeningPorts}, &TrunkValid::takeDhcpScreening);
}

void TrunkValid::rereadGlobalStates()
{
    m_sessions.get(m_cCommonSNMPState, {deviceoid::dot1xState, deviceoid::stpState, deviceoid::surveillanceState},
                   [this](const SnmpReply& reply) {
                       if (reply.ok())
                           takeGlobalStates(reply);
                       emit globalStatesRead(reply.ok());
                   });
}

bool TrunkValid::checkAggregation(const PortFlags& selected, const QString& currentMembers) const
{
    if (const auto refusal = FirstAggregationRefusal(m_data, selected, currentMembers)) {
        MessageBox::info(*refusal);
        return false;
    }
    return true;
}

PortFlags TrunkValid::portListFlags(const std::string& octets) const
{
    PortFlags flags(std::size_t(m_portCount), 0);
    for (int port : PortListMembers(octets)) {
        if (port <= m_portCount)
            flags[std::size_t(port - 1)] = 1;
    }
    return flags;
}

void TrunkValid::storeByPort(const SnmpReply& row, const std::vector<PortValues*>& columns)
{
    for (int i = 0; i < row.count() && i < int(columns.size()); ++i) {
        if (const int port = row.portIndex(i, m_portCount))
            (*columns[std::size_t(i)])[std::size_t(port - 1)] = numberOf(row, i);
    }
}

void TrunkValid::takeVlan(const SnmpReply& row)
{
    m_data.vlanMembers.push_back(portListFlags(row.text(0)));
    m_data.vlanUntagged.push_back(portListFlags(row.text(1)));
}

void TrunkValid::takeAclRule(const SnmpReply& row)
{
    m_data.aclRules.push_back(portListFlags(row.text(0)));
}

void TrunkValid::takeArpEntry(const SnmpReply& row)
{
    const PortFlags entry = portListFlags(row.text(0));
    for (std::size_t i = 0; i < entry.size(); ++i)
        m_data.arpSpoofing[i] |= entry[i];
}

void TrunkValid::takeMirrorSourcesAndLearning(const SnmpReply& reply)
{
    m_data.mirrorSourceIngress = portListFlags(reply.text(0));
    m_data.mirrorSourceEgress = portListFlags(reply.text(1));
    m_data.learning = portListFlags(reply.text(2));
}

void TrunkValid::takeSurveillancePort(const SnmpReply& row)
{
    storeByPort(row, {&m_data.surveillanceState, &m_data.surveillanceMode});
}

void TrunkValid::takePortFeatures(const SnmpReply& row)
{
    std::vector<PortValues*> columns;
    for (PortValues& column : m_data.stp)
        columns.push_back(&column);
    columns.push_back(&m_data.dot1x);
    columns.push_back(&m_data.voiceMode);
    storeByPort(row, columns);
}

void TrunkValid::takePortSettings(const SnmpReply& row)
{
    storeByPort(row, {&m_data.speed, &m_data.priority, &m_data.pvid, &m_data.portSecurity, &m_data.portType,
                      &m_data.loopbackDetection, &m_data.bandwidthTransmit, &m_data.bandwidthReceive});
}

void TrunkValid::takeMirroring(const SnmpReply& reply)
{
    m_data.mirrorState = numberOf(reply, 0);
    m_data.mirrorTarget = numberOf(reply, 1);
}

void TrunkValid::takeStaticFdb(const SnmpReply& row)
{
    const int64_t port = numberOf(row, 0);
    if (port >= 1 && port <= m_portCount)
        m_data.fdbDestination[std::size_t(port - 1)] = 1;
}

void TrunkValid::takeGlobalStates(const SnmpReply& reply)
{
    m_data.dot1xEnabled = reply.text(0) == "1";
    m_data.stpEnabled = reply.text(1) == "1";
    m_data.surveillanceEnabled = reply.text(2) == "1";
}

void TrunkValid::takeDhcpScreening(const SnmpReply& reply)
{
    m_data.dhcpScreening = portListFlags(reply.text(0));
}

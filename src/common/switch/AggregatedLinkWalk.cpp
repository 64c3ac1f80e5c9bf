#include "AggregatedLinkWalk.h"

#include "DeviceOids.h"
#include "NumberText.h"
#include "PortListText.h"

#include <climits>

AggregatedLinkWalk::AggregatedLinkWalk(PageSessions& sessions, CCommonSNMP& session, int portCount, QObject* parent)
    : QObject(parent), m_sessions(sessions), m_session(session), m_links(std::size_t(std::max(portCount, 0)), 0)
{
}

void AggregatedLinkWalk::start()
{
    if (m_running)
        return;
    std::fill(m_links.begin(), m_links.end(), 0);
    m_running = true;
    m_finished = false;
    m_complete = false;
    m_sessions.walk(
        m_session, {snmp::deviceoid::linkMembers}, [this](const SnmpReply& row) { takeRow(row); },
        [this](int status) { finish(status); });
}

void AggregatedLinkWalk::takeRow(const SnmpReply& row)
{
    const std::string index = row.suffix(0);
    if (index.size() < 2 || index[0] != '.')
        return;
    const auto link = LeadingInteger(std::string_view(index).substr(1));
    if (!link || *link <= 0 || *link > INT_MAX)
        return;
    for (int port : PortListMembers(row.text(0))) {
        if (port <= int(m_links.size()))
            m_links[std::size_t(port - 1)] = int(*link);
    }
}

void AggregatedLinkWalk::finish(int status)
{
    m_running = false;
    m_finished = true;
    m_complete = snmp::WalkComplete(status);
    emit ended();
}

int AggregatedLinkWalk::linkOf(int port) const
{
    return port >= 1 && port <= int(m_links.size()) ? m_links[std::size_t(port - 1)] : 0;
}

std::vector<int> AggregatedLinkWalk::portsOf(int link) const
{
    std::vector<int> ports;
    for (std::size_t i = 0; i < m_links.size(); ++i) {
        if (link != 0 && m_links[i] == link)
            ports.push_back(int(i) + 1);
    }
    return ports;
}

#include "CPortDataBase.h"

#include "MessageBox.h"
#include "PortHex.h"
#include "PortListText.h"

CPortDataBase::CPortDataBase(PageSessions& sessions, int portCount)
    : m_cCommonSNMP(sessions.add("m_cCommonSNMP")),
      m_cCommonSNMPSet(sessions.add("m_cCommonSNMPSet")),
      m_portCount(std::max(portCount, 0)),
      m_cCommonSNMPLink(sessions.add("m_cCommonSNMPLink")),
      m_links(sessions, m_cCommonSNMPLink, m_portCount)
{
}

bool CPortDataBase::isConsistentWithLinks(const std::vector<int>& perPortValues) const
{
    if (!m_links.complete())
        return true;
    for (int port = 1; port <= m_portCount && port <= int(perPortValues.size()); ++port) {
        const int value = perPortValues[std::size_t(port - 1)];
        const int link = m_links.linkOf(port);
        if (value == 0 || link == 0)
            continue;
        for (int member : m_links.portsOf(link)) {
            const int other = member <= int(perPortValues.size()) ? perPortValues[std::size_t(member - 1)] : 0;
            if (other != value)
                return false;
        }
    }
    return true;
}

bool CPortDataBase::portTextToOctets(const QString& text, std::string& octets) const
{
    if (text.isEmpty()) {
        MessageBox::info(QStringLiteral("Please input port value."));
        return false;
    }
    PortFlags flags(std::size_t(m_portCount), 0);
    if (!ParsePortListText(text, flags))
        return false;
    octets = PortFlagsToOctets(flags);
    return true;
}

#pragma once
// The data object of a page on which the operator picks ports: two sessions for the page's own
// reads and writes and the aggregated-link walk, so that a per-port setting that would treat the
// members of one link differently can be refused.
//
// The sessions belong to the page's PageSessions and close with the page. The page holds its
// read gate for the links with readLinks(data.links()).

#include "AggregatedLinkWalk.h"
#include "PageSessions.h"
#include "PortFlags.h"

#include <QString>

#include <string>
#include <vector>

class CPortDataBase {
public:
    CPortDataBase(PageSessions& sessions, int portCount);

    int portCount() const { return m_portCount; }
    AggregatedLinkWalk& links() { return m_links; }
    const AggregatedLinkWalk& links() const { return m_links; }

    // True when, for every port with a non-zero value that belongs to a link, every other port of
    // that link carries the same value. Until the link walk has read its whole table there are
    // no links to compare (pages keep the controls that need it disabled until then).
    bool isConsistentWithLinks(const std::vector<int>& perPortValues) const;

    // Operator's port-list text as the PortList to write: "Please input port value." for an
    // empty text, "Invalid Portlist" for a port outside 1 ... N (both shown); false then.
    bool portTextToOctets(const QString& text, std::string& octets) const;

    CCommonSNMP& m_cCommonSNMP;
    CCommonSNMP& m_cCommonSNMPSet;

private:
    int m_portCount;
    CCommonSNMP& m_cCommonSNMPLink;
    AggregatedLinkWalk m_links;
};

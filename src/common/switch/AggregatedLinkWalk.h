#pragma once
// Which aggregated link each port belongs to. Walks ENTERPRISE.10.75.5.2.8.1.3.1.2, one row per
// link (index = link number, value = the member ports as a PortList), and keeps the link number
// of each port 1 ... N (0 = in no link). Ports above N in a member list are ignored.
//
// Controls whose checks use the links stay disabled until the walk has read the whole table:
// CPageDialog::readLinks(m_links) holds the page's read gate for it.

#include "PageSessions.h"

#include <QObject>

#include <vector>

class AggregatedLinkWalk : public QObject {
    Q_OBJECT
public:

    // `session` belongs to `sessions` and is used for this walk only.
    AggregatedLinkWalk(PageSessions& sessions, CCommonSNMP& session, int portCount, QObject* parent = nullptr);

    // Sets every port to 0 and starts the walk; does nothing while a walk runs (that one ends
    // as usual).
    void start();
    bool running() const { return m_running; }
    // True once a walk has ended (whether it read the whole table or failed half-way).
    bool finished() const { return m_finished; }
    // True once a walk has read the whole table: only then do the links say anything.
    bool complete() const { return m_complete; }

    // 0 for a port in no link, and for a number outside 1 ... N.
    int linkOf(int port) const;
    // One entry per port (element p - 1 for port p).
    const std::vector<int>& links() const { return m_links; }
    // The ports of a link, ascending.
    std::vector<int> portsOf(int link) const;

signals:
    void ended();

private:
    void takeRow(const SnmpReply& row);
    void finish(int status);

    PageSessions& m_sessions;
    CCommonSNMP& m_session;
    std::vector<int> m_links;
    bool m_running = false;
    bool m_finished = false;
    bool m_complete = false;
};

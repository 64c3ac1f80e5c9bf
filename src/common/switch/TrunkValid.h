#pragma once
// Reads, for the member dialog of an aggregated link, everything the aggregated-link rules
// compare (AggregationRules.h), and runs the rules on the member set the operator proposes.
//
// The reads run in three rounds: the link, VLAN, access-control, mirror-source and learning,
// ARP spoofing, surveillance-port and spanning-tree/802.1X/voice reads together; 500 ms later
// the walk of the eight per-port columns; then the mirroring state and target, the static FDB
// destinations, the three global states and the DHCP screening ports. initEnded(true) comes
// when every read has ended with the whole value or table; after any failure initEnded(false),
// and the rules must not be run on what was read (the dialog says "TrunkValid Init Error !").
//
// The sessions belong to the PageSessions given, so they close (with their trace lines) when the
// dialog does.

#include "AggregatedLinkWalk.h"
#include "AggregationRules.h"
#include "PageSessions.h"

#include <QObject>
#include <QTimer>

#include <string>
#include <vector>

class TrunkValid : public QObject {
    Q_OBJECT
public:
    TrunkValid(PageSessions& sessions, int portCount, QObject* parent = nullptr);

    // Clears what was read and starts the reads.
    void init();
    bool running() const { return m_running; }
    // True when the last init read everything.
    bool ready() const { return m_ready; }

    // Reads the three global states again (the spanning-tree rule compares ports only while
    // spanning tree is enabled, as the switch holds it now); globalStatesRead(ok) follows.
    void rereadGlobalStates();

    // Runs the rules on `selected` (flags per port) as the members of the link whose current
    // members are `currentMembers` (enumeration text); shows the first refusal and returns false.
    bool checkAggregation(const PortFlags& selected, const QString& currentMembers) const;

    const AggregationData& data() const { return m_data; }

signals:
    void initEnded(bool succeeded);
    void globalStatesRead(bool succeeded);

private:
    using RowTaker = void (TrunkValid::*)(const SnmpReply&);
    void startRound(int reads);
    void readEnded(bool succeeded);
    void get(CCommonSNMP& session, const std::vector<std::string>& oids, RowTaker take);
    void walk(CCommonSNMP& session, const std::vector<std::string>& columns, RowTaker take);
    void firstRound();
    void secondRound();
    void thirdRound();

    void takeVlan(const SnmpReply& row);
    void takeAclRule(const SnmpReply& row);
    void takeArpEntry(const SnmpReply& row);
    void takeMirrorSourcesAndLearning(const SnmpReply& reply);
    void takeSurveillancePort(const SnmpReply& row);
    void takePortFeatures(const SnmpReply& row);
    void takePortSettings(const SnmpReply& row);
    void takeMirroring(const SnmpReply& reply);
    void takeStaticFdb(const SnmpReply& row);
    void takeGlobalStates(const SnmpReply& reply);
    void takeDhcpScreening(const SnmpReply& reply);
    PortFlags portListFlags(const std::string& octets) const;
    // Stores each value of the row in its column's per-port array, at the port of its index.
    void storeByPort(const SnmpReply& row, const std::vector<PortValues*>& columns);

    PageSessions& m_sessions;
    int m_portCount;
    AggregationData m_data;
    bool m_running = false;
    bool m_ready = false;
    bool m_failed = false;
    int m_pending = 0;
    void (TrunkValid::*m_nextRound)() = nullptr;
    QTimer m_pause;

    CCommonSNMP& m_cCommonSNMP;
    CCommonSNMP& m_cCommonSNMPSet;
    CCommonSNMP& m_cCommonSNMPMirror;
    CCommonSNMP& m_cCommonSNMPTableACL;
    CCommonSNMP& m_cCommonSNMPPoint;
    CCommonSNMP& m_cCommonSNMPTableVlan;
    CCommonSNMP& m_cCommonSNMPTableLink;
    CCommonSNMP& m_cCommonSNMPTableArp;
    CCommonSNMP& m_cCommonSNMPTableSurveillance;
    CCommonSNMP& m_cCommonSNMPTablePort;
    CCommonSNMP& m_cCommonSNMPTable;
    CCommonSNMP& m_cCommonSNMPTableFdb;
    CCommonSNMP& m_cCommonSNMPState;
    AggregatedLinkWalk m_links;
};

#pragma once
// The IGMP snooping data of the switch as the IGMP pages read and write it: the global values,
// the per-VLAN settings with their static router ports, and the learned multicast groups. Each
// IGMP page owns one; its sessions close with the page, and the page's handlers get the answers
// on the GUI thread.

#include "CPortDataBase.h"
#include "SetRequest.h"
#include "SnmpReply.h"

#include <QString>

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

class CIgmpSnoopingData : public CPortDataBase {
public:
    // The global values, in the order the switch numbers them.
    enum GlobalField {
        State,
        RouterTimeout,
        HostTimeout,
        Robustness,
        LastMemberQueryInterval,
        QueryInterval,
        MaxResponseTime,
        ReportToAll,
        GlobalFieldCount
    };
    // Each value as text: "1"/"2" for the state and report-to-all, a number for the others.
    using IgmpGlobalValues = std::array<QString, GlobalFieldCount>;

    // One row of the VLAN table.
    struct VlanRow {
        QString vlanId;
        QString name;
        bool enabled = false;
        bool querier = false;
        bool fastLeave = false;
        PortFlags routerPorts; // element p - 1 for port p
        QString routerPortText; // as the list shows them
    };

    // One learned group.
    struct GroupRow {
        QString vlanId;
        QString group;   // dotted
        QString mac;     // "01-00-5E-01-01-01"
        QString members; // port enumeration text
    };

    CIgmpSnoopingData(PageSessions& sessions, int portCount);

    static std::vector<std::string> globalObjects();
    // Keeps the values of an answer to globalObjects() as the last read and returns them.
    const IgmpGlobalValues& takeGlobals(const SnmpReply& reply);
    const IgmpGlobalValues& lastGlobals() const { return m_lastGlobals; }
    // Only what differs from the last read: a change of state alone first; with snooping on, the
    // other values that changed in one more request. Nothing while snooping stays off.
    std::vector<SetRequest> globalWrite(const IgmpGlobalValues& values) const;

    // The snooping VLAN table (ID, state, querier, fast leave, router ports). The names come
    // from the VLAN table, walked on its own first: the two tables need not hold the same VLANs,
    // so a row gets the name of its VLAN ID (none when that VLAN has no name).
    static std::vector<std::string> vlanColumns();
    static std::vector<std::string> vlanNameColumns();
    void clearVlanNames() { m_vlanNames.clear(); }
    void takeVlanName(const SnmpReply& row);
    VlanRow vlanRow(const SnmpReply& row) const;
    // Turning snooping on for a VLAN is a request of its own, before querier and fast leave.
    static std::vector<SetRequest> vlanWrite(const QString& vlanId, bool wasEnabled, bool enable, bool querier,
                                             bool fastLeave);
    // The router ports of a VLAN. Their PortList is longer than other port lists: 28 ports are
    // written as 8 octets, 52 as 12.
    SetRequest routerPortsWrite(const QString& vlanId, const PortFlags& ports) const;
    std::string routerPortOctets(const PortFlags& ports) const;

    static std::vector<std::string> groupColumns();
    static GroupRow groupRow(const SnmpReply& row, int portCount);

private:
    IgmpGlobalValues m_lastGlobals;
    std::map<int64_t, QString> m_vlanNames; // by VLAN ID
};

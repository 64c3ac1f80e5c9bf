#pragma once
// "802.1X Port Configuration": the port access control of a run of ports, with every port's
// authorisation state. At least one port always stays force-authorized.

#include "AggregatedLinkWalk.h"
#include "CPageDialog.h"

#include <QStringList>

#include <optional>
#include <vector>

class CListView;
class PortRangePair;
class QComboBox;

class CDot1xPortDlg : public CPageDialog {
    Q_OBJECT
public:
    enum ControlId {
        IdFromPort = 1007,
        IdToPort = 1085,
        IdControl = 1087,
        IdApply = 1,
        IdList = 1045,
        IdRefresh = 1044,
        IdCancel = 2,
    };
    // Port access control values.
    enum Control { ForceUnauthorized = 1, Auto = 2, ForceAuthorized = 3 };

    // `timerTexts`: quiet period, transmit period, supplicant and server time-out, maximum
    // requests, re-authentication period and re-authentication, shown in every row.
    explicit CDot1xPortDlg(QStringList timerTexts);

protected:
    void read() override;
    void apply() override;

private:
    void takeRow(const SnmpReply& row);
    // Apply's checks in their order; the first failure shows its message.
    bool passesChecks(int from, int to, int control);

    int m_portCount;
    QStringList m_timerTexts;
    std::vector<std::optional<int>> m_controls; // element p - 1: port p's access control as read
    QComboBox* m_from;
    QComboBox* m_to;
    PortRangePair* m_range;
    QComboBox* m_control;
    CListView* m_list;

    CCommonSNMP& m_cCommonSNMP = addSession("m_cCommonSNMP");
    CCommonSNMP& m_cCommonSNMPTableTrunkInfo = addSession("m_cCommonSNMPTableTrunkInfo");
    CCommonSNMP& m_cCommonSNMPTable = addSession("m_cCommonSNMPTable");
    AggregatedLinkWalk m_links;
};

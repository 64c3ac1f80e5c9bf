#pragma once
// "Multicast Filtering Mode Configuration": per port, whether multicast groups nobody has joined
// are forwarded or filtered. The operator sets a run of ports at once; a run that touches an
// aggregated link is refused.

#include "AggregatedLinkWalk.h"
#include "CPageDialog.h"

class CListView;
class PortRangePair;
class QComboBox;

class CMulticastFilterDlg : public CPageDialog {
    Q_OBJECT
public:
    enum ControlId {
        IdApply = 1000,
        IdRefresh = 1044,
        IdClose = 1128,
        IdFromPort = 1217,
        IdToPort = 1008,
        IdMode = 1125,
        IdList = 1126,
    };

    CMulticastFilterDlg();

protected:
    void read() override;
    void apply() override;

    CCommonSNMP& m_cCommonSNMP = addSession("m_cCommonSNMP");
    CCommonSNMP& m_cCommonSNMPTable = addSession("m_cCommonSNMPTable");
    CCommonSNMP& m_cCommonSNMPTableGetTrunk = addSession("m_cCommonSNMPTableGetTrunk");

private:
    int m_portCount;
    AggregatedLinkWalk m_links;
    CListView* m_list;
    QComboBox* m_from;
    QComboBox* m_to;
    QComboBox* m_mode;
    PortRangePair* m_range;
};

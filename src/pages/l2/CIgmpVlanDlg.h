#pragma once
// "The VLAN Settings of IGMP snooping ": per VLAN its snooping state, querier and fast leave,
// and its static router ports (one box per port). Both writes need snooping on for the switch.
// Opens the multicast entry table.

#include "CIgmpSnoopingData.h"
#include "CResizeDialog.h"

#include <vector>

class CListView;
class QCheckBox;
class QComboBox;
class QLineEdit;

class CIgmpVlanDlg : public CResizeDialog {
    Q_OBJECT
public:
    enum ControlId {
        IdApply = 1000,
        IdRouterApply = 1149,
        IdRefresh = 1044,
        IdClose = 1128,
        IdList = 6567,
        IdVlanId = 1114,
        IdVlanName = 12120,
        IdState = 212,
        IdQuerier = 763,
        IdFastLeave = 235,
        IdRouterGroup = 1150,
        IdViewEntries = 324,
        IdFirstRouterPort = 6001,    // + port - 1
        IdFirstRouterCaption = 7001, // + port - 1
    };

    // `snoopingEnabled`: the switch-wide state the IGMP page read last; the writes are offered
    // only when it is on.
    explicit CIgmpVlanDlg(bool snoopingEnabled);

protected:
    void read() override;
    void apply() override;

private:
    void takeRow(const SnmpReply& reply);
    void onRowChosen(int row);
    void showChosenVlan();
    void enableVlanSettings();
    void applyRouterPorts();
    // The VLAN in the VLAN ID box, when it is a VLAN of the list.
    const CIgmpSnoopingData::VlanRow* chosenVlan() const;

    int m_portCount;
    CIgmpSnoopingData m_data;
    std::vector<CIgmpSnoopingData::VlanRow> m_rows;

    CListView* m_list;
    QLineEdit* m_vlanId;
    QLineEdit* m_vlanName;
    QComboBox* m_state;
    QComboBox* m_querier;
    QComboBox* m_fastLeave;
    std::vector<QCheckBox*> m_routerPorts;
};

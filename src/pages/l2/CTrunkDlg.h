#pragma once
// "Trunk Configuration": link aggregation on or off for the switch, the aggregated links with
// their mode and member ports, a link's mode, and the member dialog of a link.

#include "CPageDialog.h"

#include <memory>
#include <vector>

class CListView;
class CTrunkMemberDlg;
class QCheckBox;
class QComboBox;
class QLineEdit;

class CTrunkDlg : public CPageDialog {
    Q_OBJECT
public:
    enum ControlId {
        IdEnable = 1008,
        IdStateApply = 1046,
        IdList = 201,
        IdTrunkId = 215,
        IdMode = 1018,
        IdRefresh = 241,
        IdPortMember = 1000,
        IdApply = 242,
        IdClose = 2,
    };

    CTrunkDlg();
    ~CTrunkDlg() override;

    // The member dialog while it is open (nullptr otherwise).
    CTrunkMemberDlg* memberDialog() const { return m_memberDialog.get(); }

protected:
    void read() override;
    void apply() override;

    CCommonSNMP& m_cCommonSNMP = addSession("m_cCommonSNMP");
    CCommonSNMP& m_cCommonSNMPTable = addSession("m_cCommonSNMPTable");

private:
    // One aggregated link as the walk reported it.
    struct TrunkRow {
        QString id;      // the index text of the row
        QString mode;    // "LACP", "Static" or "Disable"
        QString members; // enumeration text
    };

    void takeTrunkRow(const SnmpReply& row);
    void onRowChosen(int row);
    void showChosenLink();
    void applyState();
    void openMembers();
    const TrunkRow* rowOf(long long trunkId) const;

    int m_portCount;
    bool m_trunkEnabled = false;
    std::vector<TrunkRow> m_rows;
    QString m_selectedMembers;

    QCheckBox* m_enable;
    CListView* m_list;
    QLineEdit* m_trunkId;
    QComboBox* m_mode;
    QPushButton* m_portMember;
    std::unique_ptr<CTrunkMemberDlg> m_memberDialog;
};

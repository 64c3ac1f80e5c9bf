#pragma once
// "802.1Q VLAN Configuration": the switch's static VLANs with their member ports, asymmetric VLAN
// on or off, and the Add, Edit, Delete and PVID dialogs. The list is read again after every
// change: the dialogs check VLAN IDs, untagged members and PVIDs against it. Without permission to
// write (launch parameter), Add, Edit, Delete and PVID stay disabled.

#include "CPageDialog.h"
#include "VlanRecord.h"

#include <memory>
#include <optional>
#include <vector>

class CListView;
class QCheckBox;

class CVlanConfigDlg : public CPageDialog {
    Q_OBJECT
public:
    enum ControlId {
        IdList = 1341,
        IdAsymmetric = 1008,
        IdAsymmetricApply = 1047,
        IdPvid = 1339,
        IdAdd = 1335,
        IdEdit = 1336,
        IdDelete = 1337,
        IdRefresh = 1338,
        IdClose = 1,
    };

    CVlanConfigDlg();
    ~CVlanConfigDlg() override;

    const VlanRecords& records() const { return m_records; }
    // The Add/Edit or PVID dialog while it is open (nullptr otherwise).
    QDialog* subDialog() const { return m_subDialog.get(); }

protected:
    void read() override;

    CCommonSNMP& m_cCommonSNMP = addSession("m_cCommonSNMP");
    CCommonSNMP& m_cCommonSNMPTable = addSession("m_cCommonSNMPTable");
    CCommonSNMP& m_cCommonSNMPVoiceVlan = addSession("m_cCommonSNMPVoiceVlan");
    CCommonSNMP& m_cCommonSNMPTableVlan = addSession("m_cCommonSNMPTableVlan");
    CCommonSNMP& m_cCommonSNMPTableVlanDelete = addSession("m_cCommonSNMPTableVlanDelete");

private:
    void takeVoiceAndSurveillance(const SnmpReply& reply);
    void readAsymmetric();
    void takePvid(const SnmpReply& row);
    void takeVlan(const SnmpReply& row);
    void applyAsymmetric();
    void addVlan();
    void editVlan();
    void deleteVlan();
    void openPvid();
    // The record of the selected row; shows `message` (information icon when rows exist but none
    // is selected) and returns nullptr when there is none.
    const VlanRecord* selectedVlan(const QString& message);
    // Opens the dialog; the list is read again when it closes.
    void openSubDialog(std::unique_ptr<QDialog> dialog);

    int m_portCount;
    bool m_writeEnabled;
    VlanRecords m_records;             // one per listed row, in list order
    std::vector<long long> m_pvids;    // per port
    bool m_voiceEnabled = false;
    long long m_voiceVid = 0;
    bool m_surveillanceEnabled = false;
    long long m_surveillanceVid = 0;

    CListView* m_list;
    QCheckBox* m_asymmetric;
    QPushButton* m_edit = nullptr;
    std::unique_ptr<QDialog> m_subDialog;
};

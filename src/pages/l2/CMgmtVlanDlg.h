#pragma once
// "IEEE 802.1Q Management VLAN Configuration": restricts management of the switch to one VLAN,
// or lifts the restriction. Only active VLANs are offered. Restricting to a VLAN without member
// ports is refused, and so is one whose members could not be read: the operator would lose the
// switch. Lifting the restriction needs no such check.

#include "CPageDialog.h"

#include <string>
#include <vector>

class QComboBox;
class QLineEdit;
class QRadioButton;

class CMgmtVlanDlg : public CPageDialog {
    Q_OBJECT
public:
    enum ControlId {
        IdApply = 1,
        IdClose = 2,
        IdRefresh = 1044,
        IdEnable = 1161,
        IdDisable = 1162,
        IdVlanId = 1192,
        IdVlanName = 12120,
    };

    CMgmtVlanDlg();

protected:
    void read() override;
    void apply() override;

    CCommonSNMP& m_cCommonSNMP = addSession("m_cCommonSNMP");
    CCommonSNMP& m_cCommonSNMPSet = addSession("m_cCommonSNMPSet");
    CCommonSNMP& m_cCommonSNMPTable = addSession("m_cCommonSNMPTable");

private:
    // One row of the VLAN walk.
    struct VlanEntry {
        QString id;
        std::string rowStatus;
    };

    void takeVlan(const SnmpReply& row);
    void listActiveVlans();
    // Reads the management VLAN settings and shows them (after the walk, and after a write).
    void fill();
    void showSettings(const SnmpReply& reply);
    void readName(const QString& vlanId);
    void enableVlanChoice(bool enabled);
    // The member check has passed (or was not needed): writes the state and, when one is chosen,
    // the VLAN.
    void writeSettings(int state, const QString& vlanId);

    std::vector<VlanEntry> m_vlans;
    std::string m_state;  // as last read
    QString m_vlanIdText; // as last read

    QRadioButton* m_enable;
    QRadioButton* m_disable;
    QComboBox* m_vlanId;
    QLineEdit* m_vlanName;
};

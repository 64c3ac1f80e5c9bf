#pragma once
// "SNMP Host Table": the hosts the agent sends its traps to, each with the SNMP version and
// security and the community or user name; adds one host and deletes the selected one.

#include "CSnmpAgentAdmin.h"

class CIpAddressEdit;
class CListView;
class QComboBox;
class QLineEdit;

class CSnmpHostDlg : public CSnmpAgentAdmin {
    Q_OBJECT
public:
    enum ControlId {
        IdList = 1156,
        IdAddress = 1012,
        IdVersion = 1162,
        IdName = 1163,
        IdApply = 1000,
        IdDelete = 1003,
        IdRefresh = 1044,
        IdClose = 1128,
    };

    CSnmpHostDlg();

protected:
    void read() override;
    void apply() override;
    void deleteSelected() override;

private:
    void takeHost(const SnmpHostRecord& record);
    // The address as typed when it passes the checks; empty after a message.
    QString checkedAddress();

    CListView* m_list;
    CIpAddressEdit* m_address;
    QComboBox* m_version;
    QLineEdit* m_name;
    std::vector<SnmpHostRecord> m_rows; // the rows the list shows, in its order
};

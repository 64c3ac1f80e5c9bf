#pragma once
// "SNMP Community Table Configuration": the agent's communities with their view policy (a
// user of version 1 or 2c); adds one community and deletes the selected one.

#include "CSnmpAgentAdmin.h"

class CListView;
class QComboBox;
class QLineEdit;

class CSnmpCommunityDlg : public CSnmpAgentAdmin {
    Q_OBJECT
public:
    enum ControlId {
        IdList = 1152,
        IdName = 1157,
        IdPolicy = 1158,
        IdApply = 1187,
        IdDelete = 1190,
        IdRefresh = 1191,
        IdClose = 1178,
    };

    CSnmpCommunityDlg();

protected:
    // The communities, then the users that may serve as view policies.
    void read() override;
    void apply() override;
    void deleteSelected() override;

private:
    void takeCommunity(const CommunityRecord& record);
    void takeUser(const SnmpUserRecord& record);

    CListView* m_list;
    QLineEdit* m_name;
    QComboBox* m_policy;
    std::vector<CommunityRecord> m_rows; // the rows the list shows, in its order
};

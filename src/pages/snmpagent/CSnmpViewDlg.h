#pragma once
// "SNMP View Table Configuration": the agent's views (name, subtree, mask, included or
// excluded); adds one view and deletes the selected one.

#include "CSnmpAgentAdmin.h"

class CListView;
class QComboBox;
class QLineEdit;

class CSnmpViewDlg : public CSnmpAgentAdmin {
    Q_OBJECT
public:
    enum ControlId {
        IdList = 1167,
        IdName = 1168,
        IdSubtree = 1169,
        IdMask = 1170,
        IdType = 1171,
        IdApply = 1000,
        IdDelete = 1006,
        IdRefresh = 1044,
        IdClose = 1128,
    };

    CSnmpViewDlg();

protected:
    void read() override;
    void apply() override;
    void deleteSelected() override;

private:
    void takeView(const SnmpViewRecord& record);
    void clearEntry();

    CListView* m_list;
    QLineEdit* m_name;
    QLineEdit* m_subtree;
    QLineEdit* m_mask;
    QComboBox* m_type;
    std::vector<SnmpViewRecord> m_rows; // the rows the list shows, in its order
};

#pragma once
// "SNMP Group Table Info": the agent's groups (name, security model and level, read, write and
// notify views); adds one group and deletes the selected one.

#include "CSnmpAgentAdmin.h"

class CListView;
class QComboBox;
class QLineEdit;

class CSnmpGroupDlg : public CSnmpAgentAdmin {
    Q_OBJECT
public:
    enum ControlId {
        IdList = 1150,
        IdName = 1172,
        IdReadView = 1173,
        IdWriteView = 1005,
        IdNotifyView = 1176,
        IdModel = 1174,
        IdLevel = 1175,
        IdApply = 1179,
        IdDelete = 1002,
        IdRefresh = 1008,
        IdClose = 1178,
    };

    CSnmpGroupDlg();

protected:
    void read() override;
    void apply() override;
    void deleteSelected() override;

private:
    void takeGroup(const SnmpGroupRecord& record);
    void clearEntry();

    CListView* m_list;
    QLineEdit* m_name;
    QLineEdit* m_readView;
    QLineEdit* m_writeView;
    QLineEdit* m_notifyView;
    QComboBox* m_model;
    QComboBox* m_level;
    std::vector<SnmpGroupRecord> m_rows; // the rows the list shows, in its order
};

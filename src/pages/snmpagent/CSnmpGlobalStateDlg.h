#pragma once
// "SNMP Global State Settings": the switch's SNMP agent on or off.

#include "CSnmpAgentAdmin.h"

class QCheckBox;

class CSnmpGlobalStateDlg : public CSnmpAgentAdmin {
    Q_OBJECT
public:
    enum ControlId { IdEnable = 1155, IdApply = 1000, IdCancel = 1025 };

    CSnmpGlobalStateDlg();

protected:
    void read() override;
    void apply() override;

private:
    QCheckBox* m_enable;
};

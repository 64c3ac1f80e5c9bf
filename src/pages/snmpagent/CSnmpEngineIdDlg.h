#pragma once
// "SNMP Engine ID": the agent's SNMP engine ID as hexadecimal digits.

#include "CSnmpAgentAdmin.h"

class QLineEdit;

class CSnmpEngineIdDlg : public CSnmpAgentAdmin {
    Q_OBJECT
public:
    enum ControlId { IdEngineId = 1160, IdApply = 1000, IdClose = 1199 };

    CSnmpEngineIdDlg();

protected:
    void read() override;
    void apply() override;

private:
    QLineEdit* m_engineId;
};

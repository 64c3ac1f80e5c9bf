#pragma once
// "SNMP Trap Configuration": which traps the agent sends. The three PoE traps exist only on
// models whose name holds a "P"; elsewhere they are hidden and never read or written.

#include "CSnmpAgentAdmin.h"

#include <array>

class QCheckBox;

class CSnmpTrapDlg : public CSnmpAgentAdmin {
    Q_OBJECT
public:
    enum ControlId {
        IdGroup = 1131,
        IdAuthentication = 1195,
        IdBootup = 1196,
        IdLinkUpDown = 1011,
        IdRstpState = 1014,
        IdFirmware = 1013,
        IdPoePower = 1010,
        IdPoeError = 1181,
        IdPoeBudget = 1182,
        IdApply = 1197,
        IdClose = 1198,
    };

    CSnmpTrapDlg();

protected:
    void read() override;
    void apply() override;

private:
    bool m_poe;
    std::array<QCheckBox*, 8> m_switches{}; // switch .1 ... .8
};

#pragma once
// "IGMP Snooping Configuration": snooping on or off and the IGMP timers and counters of the
// switch. Apply writes only what changed since the last read; turning snooping off deletes every
// router port and asks first. Opens the VLAN settings of IGMP snooping.

#include "CIgmpSnoopingData.h"
#include "CPageDialog.h"

#include <array>

class QCheckBox;
class QLineEdit;

class CIgmpSnoopingDlg : public CPageDialog {
    Q_OBJECT
public:
    enum ControlId {
        IdApply = 1000,
        IdRefresh = 1001,
        IdClose = 1128,
        IdEnable = 545,
        IdReportToAll = 1126,
        IdHostTimeout = 6871,
        IdRobustness = 7841,
        IdQueryInterval = 1246,
        IdRouterTimeout = 5654,
        IdLastMemberQueryInterval = 43565,
        IdMaxResponseTime = 4324,
        IdVlanInfo = 10218,
    };

    CIgmpSnoopingDlg();

protected:
    void read() override;
    void apply() override;

private:
    using Field = CIgmpSnoopingData::GlobalField;

    void showGlobals(const SnmpReply& reply);
    void enableFields(bool enabled);
    QLineEdit* edit(Field field) const;
    // The range checks in their order; the first failure shows its message.
    bool inRange(const CIgmpSnoopingData::IgmpGlobalValues& values) const;
    void openVlanSettings();

    CIgmpSnoopingData m_data;
    QCheckBox* m_enable;
    QCheckBox* m_reportToAll;
    // The six number fields, by GlobalField (State and ReportToAll stay empty).
    std::array<QLineEdit*, CIgmpSnoopingData::GlobalFieldCount> m_edits{};
};

#pragma once
// "PoE Configuration": every port's PoE settings and measurements; the operator writes state,
// time range, priority and power limit (by class or in watts) for a range of ports. A port's
// power may be bound to one of the switch's named time profiles.

#include "CPageDialog.h"

#include <vector>

class CListView;
class PortRangePair;
class QCheckBox;
class QComboBox;
class QLineEdit;

class CPoePortDlg : public CPageDialog {
    Q_OBJECT
public:
    enum ControlId {
        IdPortList = 201,
        IdToPort = 211,
        IdState = 212,
        IdPriority = 219,
        IdPowerLimit = 1065,
        IdUserDefine = 1066,
        IdFromPort = 1069,
        IdWatts = 1070,
        IdTimeRange = 1085,
        IdRefresh = 241,
        IdApply = 242,
        IdClose = 2,
    };

    CPoePortDlg();

protected:
    void read() override;
    void apply() override;

    CCommonSNMP& m_cCommonSNMPTimeRang = addSession("m_cCommonSNMPTimeRang");
    CCommonSNMP& m_cCommonSNMP = addSession("m_cCommonSNMP");
    CCommonSNMP& m_cCommonSNMPSet = addSession("m_cCommonSNMPSet");

private:
    struct TimeRange {
        QString name;
        std::string index; // the value a port's time range column holds
    };

    void readPorts();
    void takePortRow(const SnmpReply& row);
    QString timeRangeName(const std::string& index) const;
    void onRowChosen(int row);
    void onUserDefineToggled(bool userDefined);

    int m_portCount;
    std::vector<TimeRange> m_timeRanges;
    std::vector<bool> m_portEnabled; // the state of each listed row, in the order read

    CListView* m_list;
    QComboBox* m_from;
    QComboBox* m_to;
    QComboBox* m_state;
    QComboBox* m_priority;
    QComboBox* m_timeRange;
    QComboBox* m_powerLimit;
    QCheckBox* m_userDefine;
    QLineEdit* m_watts;
    PortRangePair* m_range;
};

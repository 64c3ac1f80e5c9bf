#pragma once
// "BandWidth Control": the transmit and receive rate limit of every port, set for a run of
// ports at a time; members of an aggregated link are left alone.

#include "CPageDialog.h"
#include "CPortDataBase.h"

class CListView;
class PortRangePair;
class QComboBox;
class QLabel;
class QLineEdit;

class CBandwidthDlg : public CPageDialog {
    Q_OBJECT
public:
    enum ControlId {
        IdFromPort = 1100,
        IdToPort = 211,
        IdType = 1118,
        IdNoLimit = 1271,
        IdRate = 1270,
        IdRange = 1125,
        IdApply = 1000,
        IdRefresh = 1044,
        IdList = 1247,
        IdNote = 1005,
        IdClose = 2,
    };

    CBandwidthDlg();

protected:
    void read() override;
    void apply() override;

private:
    void takeRow(const SnmpReply& row);
    // The rate to write, or nothing after "Invalid Rate.".
    std::optional<int64_t> chosenRate();
    void resetControls();

    int m_portCount;
    CPortDataBase m_data;
    QComboBox* m_from;
    QComboBox* m_to;
    PortRangePair* m_range;
    QComboBox* m_type;
    QComboBox* m_noLimit;
    QLineEdit* m_rate;
    CListView* m_list;
    QLabel* m_note;
};

#pragma once
// " Port STP Configuration" (Port Config): priority, path cost and spanning-tree enable of one
// port of the Spanning Tree Table at a time, moving along the table with "<= Prev Port" and
// "Next Port =>". Spanning tree cannot be enabled where loopback detection is, and the ports of
// an aggregated link are not configured one by one.

#include "AggregatedLinkWalk.h"
#include "CPageDialog.h"
#include "StpTexts.h"

#include <functional>
#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

class CStpPortConfigDlg : public CPageDialog {
    Q_OBJECT
public:
    enum ControlId {
        IdPort = 1075,
        IdPrevPort = 1111,
        IdNextPort = 2222,
        IdPriority = 1007,
        IdPathCost = 23,
        IdEnable = 1009,
        IdState = 1188,
        IdDesignatedRoot = 1189,
        IdDesignatedCost = 1186,
        IdDesignatedBridge = 1187,
        IdDesignatedPort = 1184,
        IdForward = 1185,
        IdApply = 3,
        IdOk = 1,
        IdRefresh = 1044,
        IdCancel = 2,
    };

    // `rows`: the Spanning Tree Table's rows (not empty); `row`: the one shown first.
    CStpPortConfigDlg(const std::vector<stp::PortRow>& rows, int row);

protected:
    void read() override;
    void apply() override;

    CCommonSNMP& m_cCommonSNMP = addSession("m_cCommonSNMP");
    CCommonSNMP& m_cCommonSNMPSet = addSession("m_cCommonSNMPSet");
    CCommonSNMP& m_cCommonSNMPTable = addSession("m_cCommonSNMPTable");

private:
    void showRow();
    void move(int step);
    void readPort();
    void updateMoveButtons();
    // Apply's checks and write; `then` runs once the write has ended (whatever the switch
    // answered), or at once for an aggregated link's member whose values are unchanged; never
    // when no port was read or a check refused (with its message).
    void applyToPort(const std::function<void()>& then);
    const stp::PortRow& current() const { return m_rows[std::size_t(m_row)]; }

    std::vector<stp::PortRow> m_rows;
    int m_row;
    bool m_portRead = false; // the current port's values have arrived
    bool m_lbdEnabled = false;
    QString m_shownCost;                 // the effective cost, as the cost box was filled
    std::optional<int64_t> m_setCost;    // the port's own cost setting, 0 = automatic

    QLabel* m_port;
    QPushButton* m_prev;
    QPushButton* m_next;
    QComboBox* m_priority;
    QLineEdit* m_pathCost;
    QCheckBox* m_enable;
    AggregatedLinkWalk m_links;
};

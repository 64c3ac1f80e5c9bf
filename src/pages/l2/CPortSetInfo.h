#pragma once
// "Port Configuration": every front-panel port with its configured speed/duplex, operating
// mode, flow control and priority; the operator sets speed/duplex and flow control of one port
// at a time, within the limits of fibre modules, fast-Ethernet ports and aggregated links.

#include "AggregatedLinkWalk.h"
#include "CPageDialog.h"

#include <vector>

class CListView;
class QComboBox;
class QLineEdit;

class CPortSetInfo : public CPageDialog {
    Q_OBJECT
public:
    enum ControlId {
        IdPortList = 201,
        IdPortId = 216,
        IdSpeed = 209,
        IdFlowControl = 210,
        IdRefresh = 241,
        IdApply = 242,
        IdClose = 2,
    };

    // `initialPort` (1 ... N): the port clicked on the front panel, selected once its row is
    // read; 0 when opened from the menu.
    explicit CPortSetInfo(int initialPort = 0);

protected:
    void read() override;
    void apply() override;

    CCommonSNMP& m_cCommonSNMP = addSession("m_cCommonSNMP");
    CCommonSNMP& m_cCommonSNMPTable = addSession("m_cCommonSNMPTable");
    CCommonSNMP& m_cCommonSNMPLink = addSession(nullptr); // released with the page, without a line

private:
    // What the switch reports of one port; the list shows it.
    struct PortRow {
        int speedIndex = 0;       // configured speed/duplex as the drop-down list's item
        bool flowControl = false; // configured flow control enabled
        int media = 0;            // media type (0 when not reported)
    };

    void readPorts();
    void takePortRow(const SnmpReply& row);
    void onRowChosen(int row);
    // Apply's checks in their order; the first failure shows its message.
    bool passesChecks(int port, int speedIndex);
    bool isComboPort(int port) const;

    int m_portCount;
    int m_comboFirst;
    int m_comboLast;
    bool m_allGiga;
    int m_initialPort;
    std::vector<PortRow> m_ports; // element p - 1 for port p, in the order read
    int m_selectedPort = 0;       // the port of the row last chosen

    CListView* m_list;
    QLineEdit* m_portId;
    QComboBox* m_speed;
    QComboBox* m_flowControl;
    AggregatedLinkWalk m_links;
};

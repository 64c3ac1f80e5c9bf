#pragma once
// "Spanning Tree Table": every port's spanning-tree state. On opening, spanning tree is switched
// off on each port whose loopback detection is on (the two exclude each other). "&Port Config"
// or a double click opens Port Config for the chosen row.

#include "CPageDialog.h"
#include "StpTexts.h"

#include <vector>

class CListView;
class QLabel;

class CStpTableDlg : public CPageDialog {
    Q_OBJECT
public:
    enum ControlId { IdList = 1088, IdEntries = 301, IdPortConfig = 101, IdRefresh = 3, IdClose = 2 };

    CStpTableDlg();

protected:
    void onOpen() override;
    void read() override;
    // Opens Port Config over this page on `row`; reads the table again when it ends with OK.
    virtual void openPortConfig(int row);
    const std::vector<stp::PortRow>& rows() const { return m_rows; }

    CCommonSNMP& m_cCommonSNMP = addSession("m_cCommonSNMP");

private:
    // Reads the loopback-detection state of `port` and switches spanning tree off there when it
    // is on, then goes on with the next port; the first failure ends the pass.
    void passLoopbackDetection(int port);
    // The pass goes on with the next port, or ends with the first read, after `port`.
    void passedLoopbackDetection(int port, bool goOn);
    void takeRow(const SnmpReply& reply);
    void onPortConfig();

    int m_portCount;
    CListView* m_list;
    QLabel* m_entries;
    std::vector<stp::PortRow> m_rows; // the rows the list shows, in its order
};

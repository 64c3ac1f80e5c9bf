#pragma once
// "ARP Spoofing Prevention Setting": the protected gateways (address, MAC, ports), at most 64;
// entries are added on their own page and deleted here.

#include "ArpSpoofingEntry.h"
#include "CPageDialog.h"

#include <vector>

class CListView;
class QLabel;

class CArpSpoofingDlg : public CPageDialog {
    Q_OBJECT
public:
    enum ControlId { IdList = 1133, IdTotal = 1144, IdAdd = 1001, IdDelete = 1003, IdRefresh = 1044, IdClose = 1200 };

    CArpSpoofingDlg();

protected:
    void read() override;

    CCommonSNMP& m_cCommonSNMP = addSession("m_cCommonSNMP");
    CCommonSNMP& m_cCommonSNMPSet = addSession("m_cCommonSNMPSet");

private:
    void takeRow(const SnmpReply& row);
    void addEntry();
    void deleteEntry();

    int m_portCount;
    std::vector<ArpSpoofingEntry> m_entries; // the listed (active) entries, in list order
    CListView* m_list;
    QLabel* m_total;
};

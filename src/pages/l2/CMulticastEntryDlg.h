#pragma once
// "Multicast Entry Table": the multicast groups the switch has learned, numbered in the order
// read, with their VLAN, group and MAC address and member ports.

#include "CPageDialog.h"

class CListView;

class CMulticastEntryDlg : public CPageDialog {
    Q_OBJECT
public:
    enum ControlId { IdList = 3338, IdRefresh = 1044, IdClose = 1128 };

    CMulticastEntryDlg();

protected:
    void read() override;

    CCommonSNMP& m_cCommonSNMP = addSession("m_cCommonSNMP");

private:
    CListView* m_list;
};

#pragma once
// "LLDP Remote Port Information": the neighbours the switch has learned through LLDP, one row
// each, from the standard LLDP MIB's remote table.

#include "CPageDialog.h"

class CListView;
class QLineEdit;

class CLldpRemoteDlg : public CPageDialog {
    Q_OBJECT
public:
    enum ControlId {
        IdCount = 1108,
        IdList = 1099,
        IdRefresh = 1109,
        IdClose = 2,
    };

    CLldpRemoteDlg();

protected:
    void onOpen() override;
    void read() override;

    CCommonSNMP& m_cCommonSNMPEnabled = addSession("m_cCommonSNMPEnabled");
    CCommonSNMP& m_cCommonSNMP = addSession("m_cCommonSNMP");

private:
    void takeRow(const SnmpReply& row);

    QWidget* m_table; // the list and Refresh: off while the switch's LLDP is off
    QLineEdit* m_count;
    CListView* m_list;
};

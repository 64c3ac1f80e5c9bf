#pragma once
// "LLDP MED Settings": the LLDP-MED Power-via-MDI (PSE) TLV of each port, switched on or off for
// a range of ports. Nothing can be set while the switch's LLDP is off.

#include "CPageDialog.h"

#include <memory>

class CListView;
class PortRangePair;
class QComboBox;

class CLldpMedDlg : public CPageDialog {
    Q_OBJECT
public:
    enum ControlId {
        IdFromPort = 1100,
        IdToPort = 211,
        IdPseTlv = 1101,
        IdList = 1104,
        IdApply = 1102,
        IdRefresh = 1044,
        IdClose = 2,
    };

    CLldpMedDlg();

protected:
    void read() override;
    void apply() override;

    CCommonSNMP& m_cCommonSNMPEnable = addSession("m_cCommonSNMPEnable");
    CCommonSNMP& m_cCommonSNMP = addSession("m_cCommonSNMP");
    CCommonSNMP& m_cCommonSNMPSet = addSession("m_cCommonSNMPSet");

private:
    void readPorts();
    // The port lists name the ports that were listed.
    void fillPortLists(int ports);

    QWidget* m_settings; // everything but Close: off while the switch's LLDP is off
    QComboBox* m_from;
    QComboBox* m_to;
    QComboBox* m_pseTlv;
    CListView* m_list;
    PortRangePair* m_range = nullptr;
};

#pragma once
// "Smart Binding": binds one host (IP, MAC, port) by hand, scans an address range for hosts,
// and binds hosts the scan found.

#include "CIMPBData.h"
#include "CPageDialog.h"

#include <vector>

class CIpAddressEdit;
class CListView;
class QLineEdit;

class CIMPBSmartBinding : public CPageDialog {
    Q_OBJECT
public:
    enum ControlId {
        IdIp = 1175,
        IdMac = 1001,
        IdPort = 1002,
        IdAdd = 1149,
        IdScanFrom = 1012,
        IdScanTo = 1168,
        IdScan = 1060,
        IdList = 1010,
        IdBind = 1169,
        IdRefresh = 1174,
        IdClose = 2,
    };

    CIMPBSmartBinding();

protected:
    void read() override;

private:
    void addBinding();
    void scan();
    void bindChosen();
    bool isFilledHost(CIpAddressEdit* address, const QString& incomplete);

    int m_portCount;
    CIMPBData m_data;
    std::vector<CIMPBData::ScanEntry> m_found; // the listed scan results, in list order
    CIpAddressEdit* m_ip;
    QLineEdit* m_mac;
    QLineEdit* m_port;
    CIpAddressEdit* m_scanFrom;
    CIpAddressEdit* m_scanTo;
    CListView* m_list;
};

#pragma once
// "DHCP Server Screening Settings": the trusted ports, typed as a port list, and up to five
// trusted DHCP server addresses.

#include "CPageDialog.h"
#include "CPortDataBase.h"

#include <vector>

class CIpAddressEdit;
class CListView;
class QLineEdit;

class CDhcpScreeningDlg : public CPageDialog {
    Q_OBJECT
public:
    enum ControlId {
        IdPorts = 1135,
        IdPortsAdd = 1134,
        IdServerIp = 203,
        IdServerAdd = 1149,
        IdList = 1131,
        IdDelete = 1121,
        IdRefresh = 1044,
        IdClose = 1133,
    };

    CDhcpScreeningDlg();

protected:
    void read() override;

private:
    struct Server {
        QString address;
        std::string index; // the entry's OID index, ".3"
    };

    void takeServer(const SnmpReply& row);
    void addServer();
    void deleteServer();
    void writePorts();

    int m_portCount;
    CPortDataBase m_data;
    CCommonSNMP& m_cCommonSNMPTable = addSession("m_cCommonSNMPTable");
    QString m_shownPorts; // the port text as last read
    std::vector<Server> m_servers; // the listed (active) entries, in list order
    std::vector<long long> m_heldIndexes; // of every row the table holds, active or not
    QLineEdit* m_ports;
    CIpAddressEdit* m_serverIp;
    CListView* m_list;
};

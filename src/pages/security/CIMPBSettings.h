#pragma once
// "Smart Binding Settings": IP-MAC-port binding per port (admin state, ARP or ARP and IP
// inspection, DHCP snooping), set for a run of ports at a time.

#include "CIMPBData.h"
#include "CPageDialog.h"

class CListView;
class PortRangePair;
class QComboBox;

class CIMPBSettings : public CPageDialog {
    Q_OBJECT
public:
    enum ControlId {
        IdFromPort = 1166,
        IdToPort = 1165,
        IdAdmin = 1164,
        IdInspection = 1054,
        IdSnooping = 1055,
        IdApply = 1051,
        IdRefresh = 1167,
        IdList = 1010,
        IdClose = 2,
    };

    CIMPBSettings();

protected:
    void read() override;
    void apply() override;

private:
    void readPorts();

    int m_portCount;
    CIMPBData m_data;
    QComboBox* m_from;
    QComboBox* m_to;
    PortRangePair* m_range;
    QComboBox* m_admin;
    QComboBox* m_inspection;
    QComboBox* m_snooping;
    CListView* m_list;
};

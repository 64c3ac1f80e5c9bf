#pragma once
// "Traffic Segmentation Settings": the feature on or off, and for each source port the ports its
// traffic may be forwarded to. One source port is edited at a time through a row of per-port
// boxes laid out by the port count.

#include "CPortDataBase.h"
#include "CResizeDialog.h"

#include <QString>

#include <vector>

class CListView;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QPushButton;

class CTrafficSegmentationDlg : public CResizeDialog {
    Q_OBJECT
public:
    enum ControlId {
        IdEnable = 1037,
        IdGlobalApply = 1003,
        IdRefresh = 1044,
        IdSourcePort = 1038,
        IdToPortLabel = 1119,
        IdAll = 1120,
        IdClear = 1149,
        IdForwardingApply = 1011,
        IdList = 1039,
        IdTableGroup = 1342,
        IdGlobalGroup = 1343,
        IdPortGroup = 1344,
        IdFirstPortBox = 6001,
        IdFirstPortCaption = 7501,
    };

    CTrafficSegmentationDlg();

    // The forwarding set as written for a port count: the port hex text padded to 8 octets for
    // 28 ports and 12 octets for 52, as the switch's table holds them; other counts as usual.
    static std::string forwardingOctets(const PortFlags& ports);

protected:
    void read() override;

private:
    QGroupBox* buildGlobalGroup(int width);
    QGroupBox* buildPortGroup(int top, int width);
    void takeRow(const SnmpReply& row);
    void chooseSource();
    void updateForwardingApply();
    void writeState();
    void writeForwarding();

    int m_portCount;
    CPortDataBase m_data;
    CCommonSNMP& m_cCommonSNMPTable = addSession("m_cCommonSNMPTable");
    QString m_state;                 // the feature state as last read
    std::vector<QString> m_forwarding; // element p - 1: port p's forwarding set as read
    int m_source = 0;                // the source port the operator chose; 0 before that
    QCheckBox* m_enable = nullptr;
    QComboBox* m_sourcePort = nullptr;
    QPushButton* m_forwardingApply = nullptr;
    std::vector<QCheckBox*> m_portBoxes; // element p - 1 for port p
    CListView* m_list = nullptr;
};

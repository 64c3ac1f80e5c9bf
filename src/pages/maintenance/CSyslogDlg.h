#pragma once
// "Syslog Host Configuration": the switch's one remote syslog server: forwarding on or off,
// server address, UDP port, facility and severity threshold.

#include "CPageDialog.h"

class CIpAddressEdit;
class QCheckBox;
class QComboBox;
class QLineEdit;

class CSyslogDlg : public CPageDialog {
    Q_OBJECT
public:
    enum ControlId {
        IdEnable = 1020,
        IdHostIp = 1021,
        IdUdpPort = 1022,
        IdFacility = 1023,
        IdSeverity = 1024,
        IdRefresh = 1025,
        IdApply = 1026,
        IdHostList = 1027,   // part of the page, never shown
        IdListApply = 1028,  // part of the page, never shown
        IdClose = 2,
    };

    CSyslogDlg();

protected:
    void read() override;
    void apply() override;

    CCommonSNMP& m_cCommonSNMP = addSession("m_cCommonSNMP");
    CCommonSNMP& m_cCommonSNMPSet = addSession("m_cCommonSNMPSet");

private:
    void showReply(const SnmpReply& reply);
    void enableHostFields(bool enabled);
    void keepPortDigits();
    // The host settings as one set request; empty when a check refused them (`refused`, after
    // its message) or a field is empty.
    SetRequest hostSettings(bool& refused);

    QCheckBox* m_enable;
    CIpAddressEdit* m_hostIp;
    QLineEdit* m_udpPort;
    QComboBox* m_facility;
    QComboBox* m_severity;
};

#pragma once
// "802.1X Config Information": 802.1X on or off, the RADIUS server and its shared key, and the
// authenticator's timers; "&PortSet" opens the port access control of the ports.

#include "CPageDialog.h"

#include <QStringList>

class CIpAddressEdit;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

class CDot1xDlg : public CPageDialog {
    Q_OBJECT
public:
    enum ControlId {
        IdEnable = 1012,
        IdServer = 1013,
        IdKey = 1004,
        IdConfirmKey = 1005,
        IdTxPeriod = 1003,
        IdQuietPeriod = 1008,
        IdSuppTimeout = 1009,
        IdServerTimeout = 1041,
        IdMaxReq = 1042,
        IdReAuthPeriod = 1043,
        IdReAuthEnabled = 1040,
        IdHiddenList = 1011, // part of the page, never shown
        IdApply = 242,
        IdPortSet = 1000,
        IdRefresh = 103,
        IdClose = 2,
    };

    CDot1xDlg();

protected:
    void read() override;
    void apply() override;

private:
    void showReply(const SnmpReply& reply);
    void enableFields(bool enabled);
    // The server and key checks; false after the message.
    bool passesServerChecks(const QString& address);
    // The timers request; empty after a range message.
    std::optional<SetRequest> timerSettings();
    // What the port page shows of the timers in every row, as the fields show them now.
    QStringList timerTexts() const;
    void openPortPage();

    CIpAddressEdit* m_server;
    QCheckBox* m_enable;
    QLineEdit* m_key;
    QLineEdit* m_confirmKey;
    QLineEdit* m_quietPeriod;
    QLineEdit* m_txPeriod;
    QLineEdit* m_suppTimeout;
    QLineEdit* m_serverTimeout;
    QLineEdit* m_maxReq;
    QLineEdit* m_reAuthPeriod;
    QComboBox* m_reAuthEnabled;
    QPushButton* m_portSet;

    CCommonSNMP& m_cCommonSNMP = addSession("m_cCommonSNMP");
    CCommonSNMP& m_cCommonSNMPSet = addSession("m_cCommonSNMPSet");
    CCommonSNMP& m_cCommonSNMParg = addSession("m_cCommonSNMParg");
};

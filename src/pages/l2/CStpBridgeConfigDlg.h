#pragma once
// " STP Configuration" (Bridge Config): RSTP on or off, protocol version, bridge priority and the
// three bridge timers, with the read-only root information. "Port Setting" opens the Spanning
// Tree Table.

#include "CPageDialog.h"
#include "StpTexts.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

class CStpBridgeConfigDlg : public CPageDialog {
    Q_OBJECT
public:
    enum ControlId {
        IdEnableRstp = 1008,
        IdVersion = 1085,
        IdPriority = 1007,
        IdMaxAge = 11,
        IdForwardDelay = 13,
        IdHelloTime = 14,
        IdTopologyChangeTime = 1190,
        IdTopologyChanges = 1191,
        IdCurrentForwardDelay = 1192,
        IdCurrentHelloTime = 1193,
        IdHoldTime = 1194,
        IdRootPort = 1195,
        IdDesignatedRoot = 1189,
        IdPortSetting = 1048,
        IdRefresh = 1044,
        IdApply = 1,
        IdCancel = 2,
    };

    CStpBridgeConfigDlg();

protected:
    void read() override;
    void apply() override;
    // Opens the Spanning Tree Table over this page.
    virtual void openPortSetting();

    CCommonSNMP& m_cCommonSNMP = addSession("m_cCommonSNMP");
    CCommonSNMP& m_cCommonSNMPSet = addSession("m_cCommonSNMPSet");
    CCommonSNMP& m_cCommonSNMPSet0 = addSession("m_cCommonSNMPSet0");

private:
    void showReply(const SnmpReply& reply);
    // The controls that follow "Enable RSTP".
    void enableRstpControls(bool enabled);
    void disableRstp();
    void enableRstp();
    // Writes the timers as last read, in the safe order; then reads again.
    void putBackTimers();
    // Reads the page again a moment after a write.
    void rereadSoon();

    QCheckBox* m_enableRstp;
    QComboBox* m_version;
    QComboBox* m_priority;
    QLineEdit* m_maxAge;
    QLineEdit* m_forwardDelay;
    QLineEdit* m_helloTime;
    QPushButton* m_portSetting;
    bool m_rstpWasOn = false; // the RSTP state as last read (or written)
    stp::BridgeTimers m_readTimers; // Max Age, Forward Delay and Hello Time as last read
};

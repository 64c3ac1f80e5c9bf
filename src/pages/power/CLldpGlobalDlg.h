#pragma once
// "LLDP Global Settings": switches the switch's LLDP agent on or off, sets its four timers and
// shows the switch's own LLDP identity. The state and the timers are two separate writes, each
// tried up to three times.

#include "CPageDialog.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

class CLldpGlobalDlg : public CPageDialog {
    Q_OBJECT
public:
    enum ControlId {
        IdEnable = 1091,
        IdHoldMultiplier = 1093,
        IdStateApply = 1094,
        IdTimersApply = 1095,
        IdTxInterval = 1105,
        IdReinitDelay = 1005,
        IdTxDelay = 1008,
        IdChassisSubtype = 1106,
        IdChassisId = 1009,
        IdSystemName = 1096,
        IdSystemDescription = 1011,
        IdClose = 2,
    };

    CLldpGlobalDlg();

protected:
    void read() override;

    CCommonSNMP& m_cCommonSNMP = addSession("m_cCommonSNMP");
    CCommonSNMP& m_cCommonSNMPSet = addSession("m_cCommonSNMPSet");

private:
    void showReply(const SnmpReply& reply);
    void enableTimers(bool enabled);
    void applyState();
    void applyTimers();
    // The timer settings as one request; empty when a check refused them (with its message).
    SetRequest timerSettings();
    // Up to three attempts, a second apart; then the switch is read again, two seconds after a
    // success (one after the last failure). `attempt`: the attempts made already.
    void writeWithRetries(const SetRequest& request, int attempt = 0);
    // Both buttons wait with the read until the switch has applied the settings.
    void rereadAfterWrite(bool written);

    QCheckBox* m_enable;
    QLineEdit* m_holdMultiplier;
    QLineEdit* m_txInterval;
    QLineEdit* m_reinitDelay;
    QLineEdit* m_txDelay;
    QLineEdit* m_chassisSubtype;
    QLineEdit* m_chassisId;
    QLineEdit* m_systemName;
    QLineEdit* m_systemDescription;
    QPushButton* m_stateApply;
    QPushButton* m_timersApply;
};

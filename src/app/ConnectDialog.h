#pragma once
// The Connect dialog of `sorvex-module --connect`: the switch's address and SNMP credentials
// typed or taken from the remembered switches, checked before anything is started; "Test" asks
// the switch once and says what came back; "Connect" opens the device window as a launch line
// with the same values would.

#include "ConnectForm.h"
#include "RememberedSwitches.h"
#include "SwitchProbe.h"

#include <QDialog>

#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class SwitchSecrets;

class ConnectDialog : public QDialog {
    Q_OBJECT
public:
    // Opens the device for the parameters; false when another module already shows it (and has
    // been brought to the front).
    using Opener = std::function<bool(const LaunchParams&)>;

    explicit ConnectDialog(Opener opener, RememberedSwitches store = RememberedSwitches(), QWidget* parent = nullptr);
    ~ConnectDialog() override;

    void setProbeTimeoutMs(int milliseconds) { m_probeTimeoutMs = milliseconds; }
    int probeTimeoutMs() const { return m_probeTimeoutMs; }

    ConnectForm form() const;
    void setForm(const ConnectForm& form);

    void done(int result) override;

signals:
    // The dialog has closed and the secret store has finished what it was given.
    void ended();
    // A Test has reported its outcome in the status line.
    void testFinished();

private:
    void buildUi();
    void updateWidgets();
    void showStatus(const QString& text);
    void testSwitch();
    void connectToSwitch();
    void showProbeResult(const SwitchProbe::Result& result);
    void rememberSwitch(const ConnectForm& form);
    void refreshList();
    void applyRemembered(int row);
    void forgetSelected();
    void noteSecretStore(bool available);
    void endWhenStoreIsDone();
    // net-snmp keeps version-3 keys per engine and user for the whole process; another password
    // for the same user must not meet the keys of the last one.
    static void forgetEarlierCredentials();

    Opener m_opener;
    RememberedSwitches m_store;
    SwitchSecrets* m_secrets = nullptr;
    std::optional<bool> m_secretsAvailable;
    SwitchProbe m_probe;
    int m_probeSerial = 0;
    bool m_probing = false;
    int m_probeTimeoutMs = 3000;
    int m_loadSerial = 0;
    bool m_ending = false;

    QListWidget* m_list = nullptr;
    QPushButton* m_forget = nullptr;
    QLineEdit* m_address = nullptr;
    QComboBox* m_version = nullptr;
    QGroupBox* m_v1 = nullptr;
    QLineEdit* m_readCommunity = nullptr;
    QLineEdit* m_writeCommunity = nullptr;
    QCheckBox* m_writeEnabled = nullptr;
    QGroupBox* m_v3 = nullptr;
    QLineEdit* m_user = nullptr;
    QComboBox* m_securityLevel = nullptr;
    QComboBox* m_authProtocol = nullptr;
    QLineEdit* m_authPassword = nullptr;
    QComboBox* m_privProtocol = nullptr;
    QLineEdit* m_privPassword = nullptr;
    QCheckBox* m_remember = nullptr;
    QLabel* m_keyringNote = nullptr;
    QLabel* m_status = nullptr;
    QPushButton* m_test = nullptr;
    QPushButton* m_connect = nullptr;
    QPushButton* m_cancel = nullptr;
};

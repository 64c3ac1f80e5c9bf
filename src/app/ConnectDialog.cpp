#include "ConnectDialog.h"

#include "NetSnmpTransport.h"
#include "SwitchSecrets.h"
#include "TraceCategory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// How long a closed dialog waits for the secret store (a keyring may be asking to be unlocked).
constexpr int kStoreWaitMs = 30000;

QLineEdit* secretField(const char* name)
{
    auto* field = new QLineEdit;
    field->setObjectName(QLatin1String(name));
    field->setEchoMode(QLineEdit::Password);
    return field;
}

template <class W>
W* named(W* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

} // namespace

ConnectDialog::ConnectDialog(Opener opener, RememberedSwitches store, QWidget* parent)
    : QDialog(parent), m_opener(std::move(opener)), m_store(std::move(store)), m_secrets(new SwitchSecrets(this))
{
    setObjectName(QStringLiteral("connectDialog"));
    setWindowTitle(QStringLiteral("Connect to a SORVEX-A switch"));
    buildUi();
    m_store.load();
    refreshList();
    if (m_list->count() > 0)
        m_list->setCurrentRow(0);
    updateWidgets();
    m_secrets->checkAvailable([this](bool available) { noteSecretStore(available); });
}

ConnectDialog::~ConnectDialog()
{
    // Before any member goes: the probe's thread may still hand a result to this object.
    m_probe.cancel();
}

void ConnectDialog::buildUi()
{
    m_list = named(new QListWidget, "remembered");
    m_list->setAccessibleName(QStringLiteral("Remembered switches"));
    m_list->setMaximumHeight(110);
    m_forget = named(new QPushButton(QStringLiteral("&Forget")), "forget");
    m_forget->setToolTip(QStringLiteral("Removes the switch from the list and its passwords from the keyring"));
    auto* recent = new QGroupBox(QStringLiteral("Remembered switches"));
    auto* recentLayout = new QHBoxLayout(recent);
    recentLayout->addWidget(m_list, 1);
    recentLayout->addWidget(m_forget, 0, Qt::AlignTop);

    m_address = named(new QLineEdit, "address");
    m_address->setPlaceholderText(QStringLiteral("10.0.0.5 or 10.0.0.5:161"));
    m_version = named(new QComboBox, "version");
    m_version->addItem(QStringLiteral("1 (communities)"), 1);
    m_version->addItem(QStringLiteral("3 (user-based security)"), 3);
    auto* top = new QFormLayout;
    top->addRow(QStringLiteral("&Address:"), m_address);
    top->addRow(QStringLiteral("SNMP &version:"), m_version);

    m_v1 = named(new QGroupBox(QStringLiteral("Version 1")), "version1");
    m_readCommunity = secretField("readCommunity");
    m_writeCommunity = secretField("writeCommunity");
    m_writeEnabled = named(new QCheckBox(QStringLiteral("&Writing enabled")), "writeEnabled");
    m_writeEnabled->setChecked(true);
    auto* v1 = new QFormLayout(m_v1);
    v1->addRow(QStringLiteral("&Read community:"), m_readCommunity);
    v1->addRow(QStringLiteral("W&rite community:"), m_writeCommunity);
    v1->addRow(QString(), m_writeEnabled);

    m_v3 = named(new QGroupBox(QStringLiteral("Version 3")), "version3");
    m_user = named(new QLineEdit, "user");
    m_securityLevel = named(new QComboBox, "securityLevel");
    m_securityLevel->addItem(QStringLiteral("No authentication, no privacy"), 1);
    m_securityLevel->addItem(QStringLiteral("Authentication, no privacy"), 2);
    m_securityLevel->addItem(QStringLiteral("Authentication and privacy"), 3);
    m_securityLevel->setCurrentIndex(2);
    m_authProtocol = named(new QComboBox, "authProtocol");
    m_authProtocol->addItem(QStringLiteral("HMAC-MD5"));
    m_authProtocol->addItem(QStringLiteral("HMAC-SHA"));
    m_authProtocol->setCurrentIndex(1);
    m_authPassword = secretField("authPassword");
    m_privProtocol = named(new QComboBox, "privProtocol");
    m_privProtocol->addItem(QStringLiteral("CBC-DES"));
    m_privPassword = secretField("privPassword");
    auto* v3 = new QFormLayout(m_v3);
    v3->addRow(QStringLiteral("&User:"), m_user);
    v3->addRow(QStringLiteral("&Security level:"), m_securityLevel);
    v3->addRow(QStringLiteral("Au&thentication:"), m_authProtocol);
    v3->addRow(QStringLiteral("Authentication &password:"), m_authPassword);
    v3->addRow(QStringLiteral("Pri&vacy:"), m_privProtocol);
    v3->addRow(QStringLiteral("Privacy pa&ssword:"), m_privPassword);

    m_remember = named(new QCheckBox(QStringLiteral("R&emember this switch (passwords in the desktop's keyring)")), "remember");
    m_remember->setChecked(true);
    m_keyringNote = named(new QLabel(QStringLiteral("Passwords are not remembered: this desktop has no keyring (secret service).")),
                          "keyringNote");
    m_keyringNote->setWordWrap(true);
    m_keyringNote->setVisible(false);
    m_status = named(new QLabel, "status");
    m_status->setWordWrap(true);
    m_status->setMinimumHeight(m_status->fontMetrics().height() * 2);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);

    m_test = named(new QPushButton(QStringLiteral("&Test")), "test");
    m_test->setToolTip(QStringLiteral("Asks the switch once with these values"));
    m_connect = named(new QPushButton(QStringLiteral("&Connect")), "connect");
    m_connect->setDefault(true);
    m_cancel = named(new QPushButton(QStringLiteral("Cancel")), "cancel");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_test);
    buttons->addStretch(1);
    buttons->addWidget(m_connect);
    buttons->addWidget(m_cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(recent);
    layout->addLayout(top);
    layout->addWidget(m_v1);
    layout->addWidget(m_v3);
    layout->addWidget(m_remember);
    layout->addWidget(m_keyringNote);
    layout->addWidget(m_status);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setMinimumWidth(460);

    connect(m_version, &QComboBox::currentIndexChanged, this, &ConnectDialog::updateWidgets);
    connect(m_securityLevel, &QComboBox::currentIndexChanged, this, &ConnectDialog::updateWidgets);
    connect(m_list, &QListWidget::currentRowChanged, this, &ConnectDialog::applyRemembered);
    connect(m_forget, &QPushButton::clicked, this, &ConnectDialog::forgetSelected);
    connect(m_test, &QPushButton::clicked, this, &ConnectDialog::testSwitch);
    connect(m_connect, &QPushButton::clicked, this, &ConnectDialog::connectToSwitch);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void ConnectDialog::updateWidgets()
{
    const bool v3 = m_version->currentData().toInt() == 3;
    m_v1->setVisible(!v3);
    m_v3->setVisible(v3);
    const int level = m_securityLevel->currentData().toInt();
    m_authProtocol->setEnabled(level >= 2);
    m_authPassword->setEnabled(level >= 2);
    m_privProtocol->setEnabled(level == 3);
    m_privPassword->setEnabled(level == 3);
    m_forget->setEnabled(m_list->currentRow() >= 0);
    m_test->setEnabled(!m_probing);
}

ConnectForm ConnectDialog::form() const
{
    ConnectForm f;
    f.address = m_address->text();
    f.version = m_version->currentData().toInt();
    f.readCommunity = m_readCommunity->text();
    f.writeCommunity = m_writeCommunity->text();
    f.writeEnabled = m_writeEnabled->isChecked();
    f.user = m_user->text();
    f.securityLevel = m_securityLevel->currentData().toInt();
    f.authProtocol = m_authProtocol->currentIndex() == 0 ? ConnectForm::AuthProtocol::HmacMd5 : ConnectForm::AuthProtocol::HmacSha;
    f.authPassword = m_authPassword->text();
    f.privPassword = m_privPassword->text();
    return f;
}

void ConnectDialog::setForm(const ConnectForm& f)
{
    m_address->setText(f.address);
    m_version->setCurrentIndex(f.version == 3 ? 1 : 0);
    m_readCommunity->setText(f.readCommunity);
    m_writeCommunity->setText(f.writeCommunity);
    m_writeEnabled->setChecked(f.writeEnabled);
    m_user->setText(f.user);
    m_securityLevel->setCurrentIndex(std::clamp(f.securityLevel, 1, 3) - 1);
    m_authProtocol->setCurrentIndex(f.authProtocol == ConnectForm::AuthProtocol::HmacMd5 ? 0 : 1);
    m_authPassword->setText(f.authPassword);
    m_privPassword->setText(f.privPassword);
    updateWidgets();
}

void ConnectDialog::showStatus(const QString& text)
{
    m_status->setText(text);
    m_status->setAccessibleName(text);
    TraceLine(QStringLiteral("Connect: ") + text);
}

void ConnectDialog::forgetEarlierCredentials()
{
    if (auto* transport = dynamic_cast<snmp::NetSnmpTransport*>(snmp::currentTransport().get()))
        transport->forgetCredentials();
}

void ConnectDialog::testSwitch()
{
    const ConnectForm f = form();
    if (const QString problem = f.problem(); !problem.isEmpty()) {
        showStatus(problem);
        emit testFinished();
        return;
    }
    m_probe.cancel();
    forgetEarlierCredentials();
    const int serial = ++m_probeSerial;
    m_probing = true;
    updateWidgets();
    showStatus(QStringLiteral("Asking the switch…"));
    m_probe.start(f.params(), m_probeTimeoutMs, [this, serial](SwitchProbe::Result result) {
        // On the probe's thread: the result goes to the GUI thread as a copy.
        QMetaObject::invokeMethod(
            this,
            [this, serial, result] {
                if (serial != m_probeSerial)
                    return; // a later Test or a Connect has replaced it
                m_probing = false;
                updateWidgets();
                showProbeResult(result);
            },
            Qt::QueuedConnection);
    });
}

void ConnectDialog::showProbeResult(const SwitchProbe::Result& result)
{
    const QString detail = QString::fromStdString(result.detail);
    switch (result.outcome) {
    case SwitchProbe::Outcome::Answered:
        showStatus(QStringLiteral("The switch answered."));
        break;
    case SwitchProbe::Outcome::Refused:
        showStatus(QStringLiteral("The switch refused the credentials (%1).").arg(detail));
        break;
    case SwitchProbe::Outcome::NoAnswer:
        showStatus(QStringLiteral("No answer within %1 s. Check the address; a wrong community or privacy "
                                  "password also goes unanswered.")
                       .arg(m_probeTimeoutMs / 1000.0));
        break;
    case SwitchProbe::Outcome::NotSent:
        showStatus(QStringLiteral("Nothing could be sent: %1.").arg(detail));
        break;
    case SwitchProbe::Outcome::Cancelled:
        return;
    }
    emit testFinished();
}

void ConnectDialog::connectToSwitch()
{
    const ConnectForm f = form();
    if (const QString problem = f.problem(); !problem.isEmpty()) {
        showStatus(problem);
        return;
    }
    ++m_probeSerial;
    m_probe.cancel();
    m_probing = false;
    forgetEarlierCredentials();
    if (m_remember->isChecked())
        rememberSwitch(f);
    m_opener(f.params());
    accept();
}

void ConnectDialog::rememberSwitch(const ConnectForm& f)
{
    const RememberedSwitch entry = RememberedSwitch::fromForm(f);
    if (!m_store.remember(entry))
        TraceLine(QStringLiteral("Cannot write ") + m_store.path());
    if (m_secretsAvailable == false)
        return;
    SwitchSecretValues values;
    if (f.version == 1) {
        values.readCommunity = f.readCommunity;
        values.writeCommunity = f.writeCommunity;
    } else {
        values.authPassword = f.securityLevel >= 2 ? f.authPassword : QString();
        values.privPassword = f.securityLevel == 3 ? f.privPassword : QString();
    }
    m_secrets->store(entry.key(), values, [](const QString& error) {
        if (!error.isEmpty())
            TraceLine(QStringLiteral("The keyring did not take the passwords: ") + error);
    });
}

void ConnectDialog::refreshList()
{
    const QSignalBlocker block(m_list);
    m_list->clear();
    for (const RememberedSwitch& s : m_store.entries())
        m_list->addItem(s.label());
    m_list->setCurrentRow(-1);
}

void ConnectDialog::applyRemembered(int row)
{
    updateWidgets();
    const auto entries = m_store.entries();
    if (row < 0 || row >= entries.size())
        return;
    const RememberedSwitch entry = entries.at(row);
    ConnectForm f;
    entry.fillForm(f);
    setForm(f);
    const int serial = ++m_loadSerial;
    if (m_secretsAvailable == false) {
        showStatus(QStringLiteral("Enter the passwords: they are not remembered."));
        return;
    }
    m_secrets->load(entry.key(), [this, serial, version = entry.version](std::optional<SwitchSecretValues> values,
                                                                           bool storeAnswered) {
        if (serial != m_loadSerial)
            return; // another entry has been chosen meanwhile
        if (!values) {
            showStatus(storeAnswered ? QStringLiteral("Enter the passwords: the keyring holds none for this switch.")
                                     : QStringLiteral("Enter the passwords: they are not remembered."));
            return;
        }
        if (version == 1) {
            m_readCommunity->setText(values->readCommunity);
            m_writeCommunity->setText(values->writeCommunity);
        } else {
            m_authPassword->setText(values->authPassword);
            m_privPassword->setText(values->privPassword);
        }
        showStatus(QStringLiteral("Passwords taken from the keyring."));
    });
}

void ConnectDialog::forgetSelected()
{
    const int row = m_list->currentRow();
    const auto entries = m_store.entries();
    if (row < 0 || row >= entries.size())
        return;
    const RememberedSwitch entry = entries.at(row);
    ++m_loadSerial;
    if (!m_store.forget(entry.key()))
        TraceLine(QStringLiteral("Cannot write ") + m_store.path());
    m_secrets->remove(entry.key(), [](const QString& error) {
        if (!error.isEmpty())
            TraceLine(QStringLiteral("The keyring did not remove the passwords: ") + error);
    });
    refreshList();
    updateWidgets();
    showStatus(QStringLiteral("%1 is forgotten.").arg(entry.address));
}

void ConnectDialog::noteSecretStore(bool available)
{
    m_secretsAvailable = available;
    m_keyringNote->setVisible(!available);
}

void ConnectDialog::done(int result)
{
    ++m_probeSerial;
    m_probe.cancel();
    m_probing = false;
    QDialog::done(result);
    endWhenStoreIsDone();
}

void ConnectDialog::endWhenStoreIsDone()
{
    if (m_ending)
        return;
    m_ending = true;
    if (m_secrets->pending() == 0) {
        emit ended();
        return;
    }
    auto once = std::make_shared<bool>(false);
    auto end = [this, once] {
        if (*once)
            return;
        *once = true;
        emit ended();
    };
    connect(m_secrets, &SwitchSecrets::allFinished, this, end);
    QTimer::singleShot(kStoreWaitMs, this, end);
}

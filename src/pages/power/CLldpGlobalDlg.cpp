#include "CLldpGlobalDlg.h"

#include "DeviceOids.h"
#include "FieldGrid.h"
#include "LldpTexts.h"
#include "MessageBox.h"
#include "NumberText.h"
#include "Utf8Text.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

namespace deviceoid = snmp::deviceoid;

const std::string localChassisSubtype = "1.0.8802.1.1.2.1.3.1.0";
const std::string localChassisId = "1.0.8802.1.1.2.1.3.2.0";
const std::string localSystemName = "1.0.8802.1.1.2.1.3.3.0";
const std::string localSystemDescription = "1.0.8802.1.1.2.1.3.4.0";

// Values of the read, by position.
enum Value { VState, VHold, VInterval, VReinit, VTxDelay, VSubtype, VChassis, VName, VDescription, ValueCount };

constexpr int attempts = 3;
constexpr int retryPauseMs = 1000;
constexpr int settleAfterWriteMs = 2000;

// The number in an edit box as a plain conversion reads it; text that is no number is 0.
long long fieldNumber(const QLineEdit* edit)
{
    return LeadingInteger(edit->text()).value_or(-1);
}

} // namespace

CLldpGlobalDlg::CLldpGlobalDlg() : CPageDialog(179)
{
    setWindowTitle(QStringLiteral("LLDP Global Settings"));
    auto* layout = new QVBoxLayout(this);

    auto* stateRow = new QHBoxLayout;
    m_enable = control<QCheckBox>(IdEnable, QStringLiteral(" LLDP Enable "));
    m_stateApply = addButton(QStringLiteral("&Apply"), IdStateApply);
    stateRow->addWidget(m_enable);
    stateRow->addStretch();
    stateRow->addWidget(m_stateApply);
    layout->addLayout(stateRow);

    auto* timers = new QGroupBox(this);
    auto* grid = new FieldGrid(timers);
    timers->setLayout(grid);
    m_holdMultiplier = control<QLineEdit>(IdHoldMultiplier);
    m_txInterval = control<QLineEdit>(IdTxInterval);
    m_reinitDelay = control<QLineEdit>(IdReinitDelay);
    m_txDelay = control<QLineEdit>(IdTxDelay);
    grid->addRow(QStringLiteral("Message TX Hold Multipier(2 - 10)"), m_holdMultiplier);
    int row = 1;
    for (auto [edit, caption] : {std::pair{m_txInterval, "Message TX Interval(5 - 32768)"},
                                 {m_reinitDelay, "LLDP Reinit Delay (1 - 10)"}, {m_txDelay, "LLDP TX Delay (1 - 8192)"}}) {
        grid->addRow(QString::fromLatin1(caption), edit);
        grid->addWidget(new QLabel(QStringLiteral("sec"), timers), row++, 2);
    }
    m_timersApply = addButton(QStringLiteral("Apply"), IdTimersApply);
    grid->addWidget(m_timersApply, row, 1, Qt::AlignRight);
    layout->addWidget(timers);

    auto* identity = new QGroupBox(QStringLiteral("LLDP System Information"), this);
    auto* identityGrid = new FieldGrid(identity);
    identity->setLayout(identityGrid);
    m_chassisSubtype = control<QLineEdit>(IdChassisSubtype);
    m_chassisId = control<QLineEdit>(IdChassisId);
    m_systemName = control<QLineEdit>(IdSystemName);
    m_systemDescription = control<QLineEdit>(IdSystemDescription);
    for (auto [edit, caption] : {std::pair{m_chassisSubtype, "Chassis ID Subtype"}, {m_chassisId, "Chassis ID"},
                                 {m_systemName, "System Name"}, {m_systemDescription, "System Description"}}) {
        edit->setReadOnly(true);
        identityGrid->addRow(QString::fromLatin1(caption), edit);
    }
    layout->addWidget(identity);

    QPushButton* close = addCloseButton(IdClose);
    close->setText(QStringLiteral("Close"));
    layout->addLayout(buttonRow({close}));

    // The state is written from what was read; the timers only while the switch reports LLDP on
    // (showReply).
    reads().addWriteControl(m_stateApply);
    connect(m_stateApply, &QPushButton::clicked, this, &CLldpGlobalDlg::applyState);
    connect(m_timersApply, &QPushButton::clicked, this, &CLldpGlobalDlg::applyTimers);
    enableTimers(false);
    resize(460, sizeHint().height());
}

void CLldpGlobalDlg::enableTimers(bool enabled)
{
    for (QWidget* field : {static_cast<QWidget*>(m_holdMultiplier), static_cast<QWidget*>(m_txInterval),
                           static_cast<QWidget*>(m_reinitDelay), static_cast<QWidget*>(m_txDelay),
                           static_cast<QWidget*>(m_timersApply)})
        field->setEnabled(enabled);
}

void CLldpGlobalDlg::read()
{
    enableTimers(false);
    readGet(m_cCommonSNMP,
            {deviceoid::lldp(deviceoid::LldpState), deviceoid::lldp(deviceoid::LldpHoldMultiplier),
             deviceoid::lldp(deviceoid::LldpTxInterval), deviceoid::lldp(deviceoid::LldpReinitDelay),
             deviceoid::lldp(deviceoid::LldpTxDelay), localChassisSubtype, localChassisId, localSystemName,
             localSystemDescription},
            [this](const SnmpReply& reply) { showReply(reply); });
}

void CLldpGlobalDlg::showReply(const SnmpReply& reply)
{
    if (!reply.ok() || reply.count() < ValueCount)
        return;
    const bool enabled = reply.text(VState) == "1";
    m_enable->setChecked(enabled);
    enableTimers(enabled);
    m_holdMultiplier->setText(reply.qtext(VHold));
    m_txInterval->setText(reply.qtext(VInterval));
    m_reinitDelay->setText(reply.qtext(VReinit));
    m_txDelay->setText(reply.qtext(VTxDelay));
    m_chassisSubtype->setText(ChassisIdSubtypeText(reply.text(VSubtype)));
    m_chassisId->setText(ChassisIdText(reply.text(VChassis)));
    m_systemName->setText(TextFromUtf8(reply.text(VName)));
    m_systemDescription->setText(TextFromUtf8(reply.text(VDescription)));
}

void CLldpGlobalDlg::applyState()
{
    SetRequest request;
    request.integer(deviceoid::lldp(deviceoid::LldpState), m_enable->isChecked() ? 1 : 2);
    writeWithRetries(request);
}

void CLldpGlobalDlg::applyTimers()
{
    const SetRequest request = timerSettings();
    if (!request.empty())
        writeWithRetries(request);
}

SetRequest CLldpGlobalDlg::timerSettings()
{
    SetRequest request;
    const long long hold = fieldNumber(m_holdMultiplier);
    if (hold < 2 || hold > 10) {
        MessageBox::info(QStringLiteral("The Message TX Hold Multipier should be 2-10"));
        return {};
    }
    request.integer(deviceoid::lldp(deviceoid::LldpHoldMultiplier), hold);
    const long long interval = fieldNumber(m_txInterval);
    if (interval < 5 || interval > 32768) {
        MessageBox::info(QStringLiteral("The Message TX Hold Multipier should be 5-32768 "));
        return {};
    }
    // The time to live the switch announces is interval x multiplier seconds, a 16-bit value.
    if (interval * hold >= 65536) {
        MessageBox::info(QStringLiteral("(Message TX Interval * Message TX Hold Multiplier) > 65535. "));
        return {};
    }
    request.integer(deviceoid::lldp(deviceoid::LldpTxInterval), interval);
    const long long reinit = fieldNumber(m_reinitDelay);
    if (reinit < 1 || reinit > 10) {
        MessageBox::info(QStringLiteral("The LLDP Reinit Delay should be 1-10"));
        return {};
    }
    request.integer(deviceoid::lldp(deviceoid::LldpReinitDelay), reinit);
    const long long txDelay = fieldNumber(m_txDelay);
    if (txDelay < 1 || txDelay > 8192) {
        MessageBox::info(QStringLiteral("The LLDP TX Delay should be 1-8192"));
        return {};
    }
    request.integer(deviceoid::lldp(deviceoid::LldpTxDelay), txDelay);
    if (4 * txDelay > interval) {
        MessageBox::info(QStringLiteral("LLDP TX Delay should be <= 0.25 * (Message TX Interval)"));
        return {};
    }
    return request;
}

void CLldpGlobalDlg::writeWithRetries(const SetRequest& request, int attempt)
{
    SetRequest step = request;
    step.pauseBefore(attempt == 0 ? 0 : retryPauseMs);
    write(m_cCommonSNMPSet, {step}, [this, request, attempt](const WriteResult& result) {
        if (!result.ok() && attempt + 1 < attempts)
            writeWithRetries(request, attempt + 1);
        else
            rereadAfterWrite(result.ok());
    });
}

void CLldpGlobalDlg::rereadAfterWrite(bool written)
{
    // The switch applies the settings before it reports them; both buttons wait with the read.
    reads().begin();
    enableTimers(false);
    QTimer::singleShot(written ? settleAfterWriteMs : retryPauseMs, this, [this] {
        reads().end(true);
        refresh();
    });
}

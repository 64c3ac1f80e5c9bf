#include "CFirmwareDlg.h"

#include "CIpAddressEdit.h"
#include "DeviceOids.h"
#include "FieldGrid.h"
#include "FieldLabel.h"
#include "MessageBox.h"
#include "QtTransferTimers.h"
#include "Utf8Text.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QVBoxLayout>

namespace {

namespace deviceoid = snmp::deviceoid;

constexpr int maxFileNameChars = 64;
// The bar counts up in steps of two while the switch works, stops below 90 and shows 99 at the end.
constexpr int progressLimit = 90;
constexpr int progressDone = 99;
// Unanswered status reads before "running" that end a transfer.
constexpr int maxUnansweredReads = 3;

const char* const operationItems[] = {"Upgrade", "Backup"};
const char* const fileTypeItems[] = {"Configuration", "Firmware"};

} // namespace

CFirmwareDlg::CFirmwareDlg(std::unique_ptr<TransferTimers> timers, TransferTimings timings)
    : CPageDialog(470),
      m_timers(timers ? std::move(timers) : std::make_unique<QtTransferTimers>()),
      m_timings(timings)
{
    setWindowTitle(QStringLiteral("Firmware and Configuration Upgrade/Backup"));
    m_timers->setHandler([this](TransferTimers::Role role) { onTimer(role); });

    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(QStringLiteral("Configuration"), this);
    auto* grid = new FieldGrid(group);
    group->setLayout(grid);
    m_server = control<CIpAddressEdit>(IdServer);
    m_fileName = control<QLineEdit>(IdFileName);
    m_operation = control<QComboBox>(IdOperation);
    for (const char* item : operationItems)
        m_operation->addItem(QString::fromLatin1(item));
    m_fileType = control<QComboBox>(IdFileType);
    for (const char* item : fileTypeItems)
        m_fileType->addItem(QString::fromLatin1(item));
    grid->addRow(QStringLiteral("TFTP Server IP:"), m_server);
    grid->addRow(QStringLiteral("File Name:"), m_fileName);
    grid->addRow(QStringLiteral("Operation Type:"), m_operation);
    grid->addRow(QStringLiteral("FileType:"), m_fileType);
    layout->addWidget(group);

    m_progress = control<QProgressBar>(IdProgress);
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_progress->setTextVisible(false);
    m_progress->setStyleSheet(QStringLiteral(
        "QProgressBar::chunk { background: qlineargradient(x1:0, y1:0, x2:1, y2:0, "
        "stop:0 rgb(60,60,200), stop:1 rgb(60,60,255)); }"));
    m_progressLabel = LabelFor(m_progress, QStringLiteral("Upgrade/BackUp:"), this);
    m_progressLabel->setObjectName(QString::number(IdProgressLabel));
    auto* progressRow = new QHBoxLayout;
    progressRow->addWidget(m_progressLabel);
    progressRow->addWidget(m_progress, 1);
    layout->addLayout(progressRow);
    layout->addLayout(commandButtons(0, IdApply, IdClose));

    connect(m_fileName, &QLineEdit::textChanged, this, &CFirmwareDlg::limitFileName);
    showProgress(false);
    resize(420, sizeHint().height());
}

CFirmwareDlg::~CFirmwareDlg()
{
    m_timers->stopAll();
}

// The close box always closes the page, also while a transfer is watched.
void CFirmwareDlg::done(int result)
{
    m_timers->stopAll();
    m_finished = true;
    CPageDialog::done(result);
}

void CFirmwareDlg::limitFileName()
{
    QString text = m_fileName->text();
    if (text.size() <= maxFileNameChars)
        return;
    const int caret = m_fileName->cursorPosition();
    qsizetype keep = maxFileNameChars;
    if (text.at(keep - 1).isHighSurrogate())
        --keep; // never half a character
    text.truncate(keep);
    m_fileName->setText(text);
    MessageBox::info(QStringLiteral("The maximum length of file name is 64!"));
    m_fileName->setCursorPosition(std::min(caret, int(keep)));
}

void CFirmwareDlg::setControlsEnabled(bool enabled)
{
    for (QWidget* control : {static_cast<QWidget*>(m_server), static_cast<QWidget*>(m_fileName),
                             static_cast<QWidget*>(m_operation), static_cast<QWidget*>(m_fileType),
                             static_cast<QWidget*>(applyButton()),
                             findChild<QWidget*>(QString::number(IdClose))})
        control->setEnabled(enabled);
}

void CFirmwareDlg::showProgress(bool shown)
{
    m_progressLabel->setVisible(shown);
    m_progress->setVisible(shown);
}

bool CFirmwareDlg::serverAccepted()
{
    const QString address = m_server->text();
    const QString first = address.section(QLatin1Char('.'), 0, 0);
    const QString last = address.section(QLatin1Char('.'), -1);
    const bool refused = m_server->filledFieldCount() < 4 || address == QLatin1String("0.0.0.0") ||
                         first == QLatin1String("0") || first == QLatin1String("255") ||
                         last == QLatin1String("0") || last == QLatin1String("255");
    if (refused) {
        MessageBox::info(QStringLiteral("Invalid TFTP server IP."));
        if (m_server->filledFieldCount() < 4)
            m_server->field(0)->setFocus();
    }
    return !refused;
}

void CFirmwareDlg::apply()
{
    // A new transfer before anything else: no answer of an earlier one, late or not, is taken
    // for this one, also while the question below is open.
    const unsigned transfer = ++m_transfer;
    m_timers->stopAll();
    m_finished = false;
    m_running = false;
    showProgress(false);
    m_upgrade = m_operation->currentIndex() == 0;
    if (m_upgrade && !MessageBox::question(QStringLiteral("The connection will be disconnected.\n"
                                                          "Please do not apply other changes when uploading.\n"
                                                          "Reconnect to the device later when uploading completes.")))
        return;
    m_progressTimes = 1;
    m_progress->setValue(0); // not the last transfer's outcome
    showProgress(true);
    if (!serverAccepted())
        return;
    m_kind = m_fileType->currentText() == QLatin1String("Firmware") ? FileKind::Firmware : FileKind::Configuration;
    // A configuration transfer may pass without any "running" status: its reads never give up.
    m_running = m_kind == FileKind::Configuration;
    if (m_fileName->text().isEmpty()) {
        MessageBox::info(QStringLiteral("Invalid file."));
        return;
    }
    // A new transfer starts with a clean count: the misses of the last one do not end it.
    m_unansweredReads = 0;
    const bool firmware = m_kind == FileKind::Firmware;
    SetRequest request;
    request.ipAddress(firmware ? deviceoid::firmwareServer : deviceoid::configServer, m_server->text().toStdString())
        .octets(firmware ? deviceoid::firmwareFile : deviceoid::configFile,
                TextToUtf8(m_fileName->text(), maxFileNameChars + 1));
    request.timeout(m_timings.addressWrite);
    sessions().write(m_cCommonSNMP, {request}, [this, transfer](const WriteResult& result) {
        if (isCurrent(transfer))
            onAddressAnswer(result);
    });
    setControlsEnabled(false);
}

void CFirmwareDlg::onAddressAnswer(const WriteResult& result)
{
    if (result.ok())
        writeOperation();
    else if (result.status == -1)
        finish(QStringLiteral("Setting file name TimeOut !"));
    else
        finish(QStringLiteral("Get Info Fail !")); // refused: the transfer never starts
}

void CFirmwareDlg::writeOperation()
{
    const bool firmware = m_kind == FileKind::Firmware;
    SetRequest request;
    request.integer(firmware ? deviceoid::firmwareOperation : deviceoid::configOperation, m_upgrade ? 1 : 2);
    request.timeout(m_timings.operationWrite);
    m_timers->start(TransferTimers::ProgressStep, m_timings.firstProgressStep);
    const unsigned transfer = m_transfer;
    sessions().write(m_cCommonSNMPSetOp, {request}, [this, transfer](const WriteResult& result) {
        if (isCurrent(transfer))
            onOperationAnswer(result);
    });
    m_timers->start(TransferTimers::StatusRead, firmware ? m_timings.firstFirmwareRead : m_timings.firstConfigRead);
}

void CFirmwareDlg::onOperationAnswer(const WriteResult& result)
{
    // Success: the status reads are scheduled already.
    if (result.ok())
        return;
    // A refused operation starts nothing: the status still holds the last transfer's outcome,
    // which must not be shown as this one's.
    finish(result.status == -1 ? QStringLiteral("Setting operation TimeOut !") : QStringLiteral("Get Info Fail !"));
}

void CFirmwareDlg::readStatus()
{
    const unsigned transfer = m_transfer;
    sessions().get(
        m_cCommonSNMP, {m_kind == FileKind::Firmware ? deviceoid::firmwareStatus : deviceoid::configStatus},
        [this, transfer](const SnmpReply& reply) {
            if (isCurrent(transfer) && !m_finished)
                onStatusAnswer(reply);
        },
        m_timings.statusRead);
}

void CFirmwareDlg::onStatusAnswer(const SnmpReply& reply)
{
    if (reply.status == -1) {
        onUnansweredStatus();
        return;
    }
    m_unansweredReads = 0;
    if (!reply.ok()) {
        finish(QStringLiteral("Get Info Fail !"));
        return;
    }
    const std::string value = reply.text(0);
    const bool firmware = m_kind == FileKind::Firmware;
    if (value == "0" || value == "1") {
        m_progress->setValue(progressDone);
        finish(QStringLiteral("Success!"));
    } else if (value == "2") {
        finish(firmware ? QStringLiteral("Firmware Upgrade Fail !") : QStringLiteral("Config Restore Fail !"));
    } else if (value == "3") {
        m_running = true;
        m_timers->start(TransferTimers::StatusRead, m_timings.runningRead);
        m_timers->start(TransferTimers::TransferTimeout, firmware ? m_timings.firmwareTimeout : m_timings.configTimeout);
    } else if (value == "4") {
        m_timers->start(TransferTimers::StatusRead, m_timings.notStartedRead);
    }
    // Any other value: the switch says nothing we know; no further read (the transfer time-out,
    // when armed, still ends the wait).
}

void CFirmwareDlg::onUnansweredStatus()
{
    // While the switch restarts with a new image, or writes a configuration, it may not answer.
    if (!m_running && ++m_unansweredReads > maxUnansweredReads) {
        finish(m_kind == FileKind::Firmware ? QStringLiteral("Get Firmware BackUp/Upgrade status Time Out !")
                                            : QStringLiteral("Get Config BackUp/Upgrade status Time Out !"));
        return;
    }
    m_timers->start(TransferTimers::StatusRead, m_timings.unansweredRead);
}

void CFirmwareDlg::onTimer(TransferTimers::Role role)
{
    switch (role) {
    case TransferTimers::StatusRead:
        readStatus();
        break;
    case TransferTimers::ProgressStep:
        stepProgress();
        break;
    case TransferTimers::TransferTimeout:
        finish(m_kind == FileKind::Firmware
                   ? QStringLiteral("Time out! Please check TFTP Server IP and network.")
                   : QStringLiteral("Time out! Please check TFTP Server IP and network.\n You may close the current "
                                    "device Halcyra Module and implement 'Device Discovery'to restart it"));
        break;
    case TransferTimers::Finish:
        m_timers->stopAll();
        setControlsEnabled(true);
        break;
    }
}

void CFirmwareDlg::stepProgress()
{
    if (m_progressTimes >= progressLimit || m_finished)
        return;
    m_progress->setValue(m_progressTimes);
    m_progressTimes += 2;
    m_timers->start(TransferTimers::ProgressStep, m_timings.progressStep);
}

void CFirmwareDlg::finish(const QString& message)
{
    if (m_finished)
        return;
    m_finished = true;
    m_timers->stop(TransferTimers::ProgressStep);
    m_timers->stop(TransferTimers::TransferTimeout);
    m_timers->stop(TransferTimers::StatusRead);
    MessageBox::info(message);
    m_timers->start(TransferTimers::Finish, m_timings.finish);
}

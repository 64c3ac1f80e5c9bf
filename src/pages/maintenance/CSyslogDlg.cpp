#include "CSyslogDlg.h"

#include "CIpAddressEdit.h"
#include "ChoiceBox.h"
#include "CListView.h"
#include "DeviceOids.h"
#include "FieldGrid.h"
#include "MessageBox.h"
#include "NumberText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

namespace deviceoid = snmp::deviceoid;
const std::string hostAddress = deviceoid::syslog(deviceoid::SyslogHost);
const std::string udpPort = deviceoid::syslog(deviceoid::SyslogUdpPort);
const std::string severity = deviceoid::syslog(deviceoid::SyslogSeverity);
const std::string facility = deviceoid::syslog(deviceoid::SyslogFacility);
const std::string state = deviceoid::syslog(deviceoid::SyslogState);

constexpr int maxPortDigits = 5;
// The switch takes the state write only a moment after the host settings.
constexpr int statePauseMs = 30;

} // namespace

CSyslogDlg::CSyslogDlg() : CPageDialog(499)
{
    setWindowTitle(QStringLiteral("Syslog Host Configuration"));
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(QStringLiteral("Syslog"), this);
    auto* grid = new FieldGrid(group);
    group->setLayout(grid);

    m_enable = control<QCheckBox>(IdEnable, QStringLiteral("SysLogEnable"));
    m_hostIp = control<CIpAddressEdit>(IdHostIp);
    m_udpPort = control<QLineEdit>(IdUdpPort);
    m_facility = control<QComboBox>(IdFacility);
    ChoiceBox::Items facilities;
    for (int i = 0; i < 8; ++i)
        facilities.emplace_back(QStringLiteral("local%1").arg(i), 128 + 8 * i); // facility number x 8
    ChoiceBox::setItems(*m_facility, facilities);
    m_severity = control<QComboBox>(IdSeverity);
    ChoiceBox::setItems(*m_severity,
                        {{QStringLiteral("Warning"), 4}, {QStringLiteral("Info"), 6}, {QStringLiteral("All"), 7}});

    grid->addSpanningRow(m_enable);
    grid->addRow(QStringLiteral("Host IP:"), m_hostIp);
    grid->addRow(QStringLiteral("UDP Port(1-65535):"), m_udpPort);
    grid->addRow(QStringLiteral("Facility:"), m_facility);
    grid->addRow(QStringLiteral("Severity:"), m_severity);
    layout->addWidget(group);

    // Part of the page's layout since its first version, but never shown nor used.
    auto* hostList = new CListView(IdHostList,
                                   {QStringLiteral("  Host IP                "), QStringLiteral("  UDP Port "),
                                    QStringLiteral("  Facility    "), QStringLiteral("  Severity    ")},
                                   this);
    hostList->hide();
    addButton(QStringLiteral("Apply"), IdListApply)->hide();

    layout->addLayout(commandButtons(IdRefresh, IdApply, IdClose));

    connect(m_enable, &QCheckBox::clicked, this, [this](bool checked) { enableHostFields(checked); });
    connect(m_udpPort, &QLineEdit::textChanged, this, &CSyslogDlg::keepPortDigits);

    enableHostFields(false);
    m_udpPort->setText(QStringLiteral("514"));
    resize(340, sizeHint().height());
}

void CSyslogDlg::enableHostFields(bool enabled)
{
    for (QWidget* field : {static_cast<QWidget*>(m_hostIp), static_cast<QWidget*>(m_udpPort),
                           static_cast<QWidget*>(m_facility), static_cast<QWidget*>(m_severity)})
        field->setEnabled(enabled);
}

void CSyslogDlg::keepPortDigits()
{
    const QString text = m_udpPort->text();
    if (text.size() <= maxPortDigits)
        return;
    const int caret = m_udpPort->cursorPosition();
    m_udpPort->setText(text.left(maxPortDigits));
    m_udpPort->setCursorPosition(std::min(caret, maxPortDigits));
}

// Apply waits for the read: with the fields still empty it would switch syslog off.
void CSyslogDlg::read()
{
    readGet(m_cCommonSNMP, {hostAddress, udpPort, facility, severity, state},
            [this](const SnmpReply& reply) { showReply(reply); });
}

void CSyslogDlg::showReply(const SnmpReply& reply)
{
    if (!reply.ok())
        return;
    if (reply.count() > 0)
        m_hostIp->setText(reply.qtext(0));
    if (reply.count() > 1)
        m_udpPort->setText(reply.qtext(1));
    // A facility or severity no item stands for is shown as its number and written back as read.
    if (reply.count() > 2) {
        if (const auto value = LeadingInteger(reply.text(2)))
            ChoiceBox::show(*m_facility, int(*value));
    }
    if (reply.count() > 3) {
        if (const auto value = LeadingInteger(reply.text(3)))
            ChoiceBox::show(*m_severity, int(*value));
    }
    if (reply.count() > 4) {
        const bool enabled = reply.text(4) == "1";
        m_enable->setChecked(enabled);
        enableHostFields(enabled);
    }
}

// The host settings and the state are two writes; a refused host check writes neither.
void CSyslogDlg::apply()
{
    std::vector<SetRequest> requests;
    if (m_enable->isChecked()) {
        bool refused = false;
        if (SetRequest host = hostSettings(refused); !host.empty())
            requests.push_back(std::move(host));
        if (refused)
            return;
    }
    SetRequest stateRequest;
    stateRequest.pauseBefore(statePauseMs).integer(state, m_enable->isChecked() ? 1 : 2);
    requests.push_back(std::move(stateRequest));
    write(m_cCommonSNMPSet, requests, [this](const WriteResult& result) {
        if (result.ok())
            MessageBox::info(QStringLiteral("Set System log Server successfully"));
        refresh();
    });
}

SetRequest CSyslogDlg::hostSettings(bool& refused)
{
    SetRequest request;
    refused = false;
    const QString address = m_hostIp->text();
    if (m_severity->currentText().isEmpty() || m_facility->currentText().isEmpty() || address.isEmpty())
        return request;
    const QString first = address.section(QLatin1Char('.'), 0, 0);
    const QString last = address.section(QLatin1Char('.'), -1);
    for (const QString& octet : {first, last}) {
        if (octet == QLatin1String("0") || octet == QLatin1String("255")) {
            MessageBox::info(QStringLiteral("Syslog Server IP Error."));
            refused = true;
            return request;
        }
    }
    const auto port = LeadingInteger(m_udpPort->text());
    if (!port || *port < 1 || *port > 65535) {
        MessageBox::info(QStringLiteral("Invalid UDP port range (1-65535)"));
        refused = true;
        return request;
    }
    const std::optional<int> severityValue = ChoiceBox::value(*m_severity);
    const std::optional<int> facilityValue = ChoiceBox::value(*m_facility);
    if (!severityValue || !facilityValue)
        return request;
    request.ipAddress(hostAddress, address.toStdString())
        .integer(udpPort, *port)
        .integer(severity, *severityValue)
        .integer(facility, *facilityValue);
    return request;
}

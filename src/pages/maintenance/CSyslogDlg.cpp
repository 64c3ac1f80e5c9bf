#include "CSyslogDlg.h"

#include "CIpAddressEdit.h"
#include "CListView.h"
#include "Enterprise.h"
#include "FieldLabel.h"
#include "MessageBox.h"
#include "NumberText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>

namespace {

std::string syslogObject(int column)
{
    return snmp::expandEnterprise("ENTERPRISE.10.75.5.2.16.1." + std::to_string(column) + ".0");
}

const std::string hostAddress = syslogObject(1);
const std::string udpPort = syslogObject(2);
const std::string severity = syslogObject(4);
const std::string facility = syslogObject(5);
const std::string state = syslogObject(6);

// Severity thresholds in the order of the list: Warning, Info, All.
const char* const severityValues[] = {"4", "6", "7"};
constexpr int maxPortDigits = 5;

} // namespace

CSyslogDlg::CSyslogDlg() : CPageDialog(499)
{
    setWindowTitle(QStringLiteral("Syslog Host Configuration"));
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(QStringLiteral("Syslog"), this);
    auto* grid = new QGridLayout(group);

    m_enable = new QCheckBox(QStringLiteral("SysLogEnable"), group);
    m_enable->setObjectName(QString::number(IdEnable));
    m_hostIp = new CIpAddressEdit(group);
    m_hostIp->setObjectName(QString::number(IdHostIp));
    m_udpPort = new QLineEdit(group);
    m_udpPort->setObjectName(QString::number(IdUdpPort));
    m_facility = new QComboBox(group);
    m_facility->setObjectName(QString::number(IdFacility));
    for (int i = 0; i < 8; ++i)
        m_facility->addItem(QStringLiteral("local%1").arg(i));
    m_severity = new QComboBox(group);
    m_severity->setObjectName(QString::number(IdSeverity));
    m_severity->addItems({QStringLiteral("Warning"), QStringLiteral("Info"), QStringLiteral("All")});

    grid->addWidget(m_enable, 0, 0, 1, 2);
    int row = 1;
    for (auto [field, text] : {std::pair<QWidget*, const char*>{m_hostIp, "Host IP:"},
                               {m_udpPort, "UDP Port(1-65535):"},
                               {m_facility, "Facility:"},
                               {m_severity, "Severity:"}}) {
        grid->addWidget(LabelFor(field, QString::fromLatin1(text), group), row, 0);
        grid->addWidget(field, row++, 1);
    }
    layout->addWidget(group);

    // Part of the page's layout since its first version, but never shown nor used.
    auto* hostList = new CListView(IdHostList,
                                   {QStringLiteral("  Host IP                "), QStringLiteral("  UDP Port "),
                                    QStringLiteral("  Facility    "), QStringLiteral("  Severity    ")},
                                   this);
    hostList->hide();
    addButton(QStringLiteral("Apply"), IdListApply)->hide();

    m_refresh = addButton(QStringLiteral("&Refresh"), IdRefresh);
    m_apply = addButton(QStringLiteral("&Apply"), IdApply);
    layout->addLayout(buttonRow({m_refresh, m_apply, addCloseButton(IdClose)}));
    m_reads.addControl(m_refresh);
    m_reads.addControl(m_apply);

    connect(m_enable, &QCheckBox::clicked, this, [this](bool checked) { enableHostFields(checked); });
    connect(m_udpPort, &QLineEdit::textChanged, this, &CSyslogDlg::keepPortDigits);
    connect(m_refresh, &QPushButton::clicked, this, &CSyslogDlg::read);
    connect(m_apply, &QPushButton::clicked, this, &CSyslogDlg::apply);

    enableHostFields(false);
    m_udpPort->setText(QStringLiteral("514"));
    resize(340, sizeHint().height());
}

void CSyslogDlg::onOpen()
{
    read();
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
    m_reads.begin();
    sessions().get(m_cCommonSNMP, {hostAddress, udpPort, facility, severity, state}, [this](const SnmpReply& reply) {
        showReply(reply);
        m_reads.end();
    });
}

void CSyslogDlg::showReply(const SnmpReply& reply)
{
    if (!reply.ok())
        return;
    if (reply.count() > 0)
        m_hostIp->setText(reply.qtext(0));
    if (reply.count() > 1)
        m_udpPort->setText(reply.qtext(1));
    if (reply.count() > 2) {
        // Facility number x 8: 128 is local0 ... 184 local7; anything else shows local0.
        int index = 0;
        for (int i = 0; i < 8; ++i) {
            if (reply.text(2) == std::to_string(128 + 8 * i))
                index = i;
        }
        m_facility->setCurrentIndex(index);
    }
    if (reply.count() > 3) {
        for (int i = 0; i < 3; ++i) {
            if (reply.text(3) == severityValues[i])
                m_severity->setCurrentIndex(i);
        }
    }
    if (reply.count() > 4) {
        const bool enabled = reply.text(4) == "1";
        m_enable->setChecked(enabled);
        enableHostFields(enabled);
    }
}

void CSyslogDlg::apply()
{
    if (m_enable->isChecked())
        writeHostSettings();
    QThread::msleep(30);
    writeState();
    read();
}

void CSyslogDlg::writeHostSettings()
{
    const QString severityText = m_severity->currentText();
    const QString facilityText = m_facility->currentText();
    const QString address = m_hostIp->text();
    if (severityText.isEmpty() || facilityText.isEmpty() || address.isEmpty())
        return;
    m_cCommonSNMPSet.Prepare(snmp::PduType::Set);

    const QString first = address.section(QLatin1Char('.'), 0, 0);
    const QString last = address.section(QLatin1Char('.'), -1);
    for (const QString& octet : {first, last}) {
        if (octet == QLatin1String("0") || octet == QLatin1String("255")) {
            MessageBox::info(QStringLiteral("Syslog Server IP Error."));
            return;
        }
    }
    m_cCommonSNMPSet.AddVarBind(hostAddress, snmp::Syntax::IpAddress, address.toStdString());

    const auto port = LeadingInteger(m_udpPort->text());
    if (!port || *port < 1 || *port > 65535) {
        MessageBox::info(QStringLiteral("Invalid UDP port range (1-65535)"));
        return;
    }
    m_cCommonSNMPSet.AddVarBind(udpPort, snmp::Syntax::Integer, std::to_string(*port));
    const int severityIndex = std::clamp(m_severity->currentIndex(), 0, 2);
    m_cCommonSNMPSet.AddVarBind(severity, snmp::Syntax::Integer, severityValues[severityIndex]);
    const int facilityIndex = std::clamp(m_facility->currentIndex(), 0, 7);
    m_cCommonSNMPSet.AddVarBind(facility, snmp::Syntax::Integer, std::to_string(128 + 8 * facilityIndex));
    std::unique_ptr<CSnmp> answer;
    m_cCommonSNMPSet.SendAndWait(answer);
}

void CSyslogDlg::writeState()
{
    m_cCommonSNMPSet.Prepare(snmp::PduType::Set);
    m_cCommonSNMPSet.AddVarBind(state, snmp::Syntax::Integer, m_enable->isChecked() ? "1" : "2");
    std::unique_ptr<CSnmp> answer;
    if (m_cCommonSNMPSet.SendAndWait(answer) == 0)
        MessageBox::info(QStringLiteral("Set System log Server successfully"));
}

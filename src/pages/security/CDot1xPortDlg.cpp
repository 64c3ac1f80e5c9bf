#include "CDot1xPortDlg.h"

#include "CListView.h"
#include "DeviceOids.h"
#include "DeviceProfile.h"
#include "FieldLabel.h"
#include "MessageBox.h"
#include "NumberText.h"
#include "PortRangePair.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {

namespace deviceoid = snmp::deviceoid;
// The switch takes the port writes in batches, with a pause after each.
constexpr int batchPorts = 30;
constexpr int batchPauseMs = 100;

QString controlText(const std::string& value)
{
    if (value == "1")
        return QStringLiteral("ForceUnauthorized");
    if (value == "2")
        return QStringLiteral("Auto");
    if (value == "3")
        return QStringLiteral("ForceAuthorized");
    return QStringLiteral("Other");
}

QString statusText(const std::string& value)
{
    if (value == "1")
        return QStringLiteral("Authorized");
    if (value == "2")
        return QStringLiteral("Unauthorized");
    return QStringLiteral("Other");
}

} // namespace

CDot1xPortDlg::CDot1xPortDlg(QStringList timerTexts)
    : CPageDialog(168),
      m_portCount(DeviceProfile::current().portCount()),
      m_timerTexts(std::move(timerTexts)),
      m_controls(std::size_t(m_portCount)),
      m_links(sessions(), m_cCommonSNMPTableTrunkInfo, m_portCount)
{
    setWindowTitle(QStringLiteral("802.1X Port Configuration"));
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(QStringLiteral("802.1X Port Access Control"), this);
    auto* fields = new QHBoxLayout(group);
    m_from = control<QComboBox>(IdFromPort);
    m_to = control<QComboBox>(IdToPort);
    m_range = new PortRangePair(m_from, m_to, m_portCount, QStringLiteral("'To Port' can not be smaller than 'From Port'"));
    m_to->setCurrentIndex(m_to->count() - 1);
    m_control = control<QComboBox>(IdControl);
    m_control->addItems({QStringLiteral("ForceUnauthorized"), QStringLiteral("Auto"), QStringLiteral("ForceAuthorized")});
    m_control->setCurrentIndex(Auto - 1);
    for (auto [field, caption] : {std::pair<QWidget*, const char*>{m_from, "From Port:"},
                                  {m_to, "To Port:"},
                                  {m_control, "Control:"}}) {
        fields->addWidget(LabelFor(field, QString::fromLatin1(caption), group));
        fields->addWidget(field);
        fields->addSpacing(10);
    }
    fields->addStretch();
    QPushButton* applyButton = addButton(QStringLiteral("Apply"), IdApply);
    fields->addWidget(applyButton);
    // The checks count the ports' access control and look at the links: both walks whole.
    reads().addWriteControl(applyButton);
    connect(applyButton, &QPushButton::clicked, this, [this] { apply(); });
    layout->addWidget(group);

    m_list = new CListView(IdList,
                           {QStringLiteral("Index"), QStringLiteral("AuthControlledPortStatus"),
                            QStringLiteral("AuthControlledPortControl"), QStringLiteral("QuietPeriod"),
                            QStringLiteral("TxPeriod"), QStringLiteral("SuppTimeout"), QStringLiteral("ServerTimeout"),
                            QStringLiteral("MaxReq"), QStringLiteral("ReAuthPeriod"), QStringLiteral("ReAuthEnabled")},
                           this);
    m_list->setAccessibleName(windowTitle());
    layout->addWidget(m_list, 1);

    QPushButton* cancel = addButton(QStringLiteral("Cancel"), IdCancel);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    QHBoxLayout* buttons = commandButtons(IdRefresh, 0, 0);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    resize(std::min(m_list->fullWidth() + 40, 1100), 520);
}

void CDot1xPortDlg::read()
{
    readLinks(m_links);
    m_list->clearRows();
    std::fill(m_controls.begin(), m_controls.end(), std::nullopt);
    readWalk(m_cCommonSNMPTable, {deviceoid::dot1xPortStatus, deviceoid::dot1xPort},
             [this](const SnmpReply& row) { takeRow(row); }, [this](int) { m_list->fitColumnsToContents(); });
}

void CDot1xPortDlg::takeRow(const SnmpReply& row)
{
    const int r = m_list->appendRow(QString::fromStdString(row.suffix(0)).mid(1)); // the port number
    m_list->setCell(r, 1, statusText(row.text(0)));
    m_list->setCell(r, 2, controlText(row.text(1)));
    for (int i = 0; i < m_timerTexts.size(); ++i)
        m_list->setCell(r, 3 + i, m_timerTexts[i]);
    if (const int port = row.portIndex(0, m_portCount))
        m_controls[std::size_t(port - 1)] = int(LeadingInteger(row.text(1)).value_or(0));
}

bool CDot1xPortDlg::passesChecks(int from, int to, int control)
{
    for (int port = from; port <= to; ++port) {
        if (m_links.linkOf(port) != 0) {
            MessageBox::info(QStringLiteral("Cannot add an aggregated link to the 802.1X-enabled port"));
            return false;
        }
    }
    if (control != ForceUnauthorized && control != Auto)
        return true;
    // After the write no port may be left without force-authorized access.
    const int inRange = to - from + 1;
    int outsideUnauthorized = 0, outsideAuto = 0;
    for (int port = 1; port <= m_portCount; ++port) {
        if (port >= from && port <= to)
            continue;
        const std::optional<int>& value = m_controls[std::size_t(port - 1)];
        outsideUnauthorized += value == ForceUnauthorized;
        outsideAuto += value == Auto;
    }
    if (control == ForceUnauthorized && inRange + outsideUnauthorized == m_portCount) {
        MessageBox::info(QStringLiteral("Could not set all ports to  Force Unauthorized to the port access control."));
        return false;
    }
    if (control == Auto && inRange + outsideAuto == m_portCount) {
        MessageBox::info(QStringLiteral("Could not set all ports to AUTO  to the port access control."));
        return false;
    }
    if (inRange + outsideUnauthorized + outsideAuto == m_portCount) {
        MessageBox::info(QStringLiteral("Could not set all ports to AUTO or Force Unauthorized to the port access control."));
        return false;
    }
    return true;
}

void CDot1xPortDlg::apply()
{
    const int from = std::max(m_range->fromPort(), 1);
    const int to = std::min(m_range->toPort(), m_portCount);
    const int control = m_control->currentIndex() + 1;
    if (from > to || !passesChecks(from, to, control))
        return;
    std::vector<SetRequest> batches;
    for (int port = from; port <= to; ++port) {
        if ((port - from) % batchPorts == 0) {
            batches.emplace_back();
            if (batches.size() > 1)
                batches.back().pauseBefore(batchPauseMs);
        }
        batches.back().integer(deviceoid::dot1xPort + "." + std::to_string(port), control);
    }
    write(m_cCommonSNMP, batches, [this](const WriteResult&) { refresh(); });
}

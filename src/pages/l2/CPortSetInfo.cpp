#include "CPortSetInfo.h"

#include "CListView.h"
#include "DeviceProfile.h"
#include "Enterprise.h"
#include "FieldLabel.h"
#include "MessageBox.h"
#include "NumberText.h"
#include "PortSetTexts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>

namespace {

std::string portColumn(const char* tail)
{
    return snmp::expandEnterprise(std::string("ENTERPRISE.10.75.5.2.") + tail);
}

const std::string speedColumn = portColumn("1.13.1.2");
const std::string flowControlColumn = portColumn("1.13.1.5");

enum Column { ColIndex, ColSpeed, ColOperMode, ColFlowControl, ColPriority, ColOperFlowControl };
enum SpeedIndex { Speed1000Full, Speed100Full, Speed100Half, Speed10Full, Speed10Half, SpeedAuto, SpeedDisable };
enum Media { MediaFastCopper = 1, MediaComboCopper = 2, Media100BaseX = 3, Media1000BaseX = 4 };

constexpr int portWalkTimeoutMs = 8000;
constexpr int setTimeoutMs = 9000;

} // namespace

CPortSetInfo::CPortSetInfo(int initialPort)
    : CPageDialog(201),
      m_portCount(std::max(DeviceProfile::current().DevicePortNum, 0)),
      m_comboFirst(DeviceProfile::current().ComboPortIndex),
      m_comboLast(DeviceProfile::current().ComboPortIndex + DeviceProfile::current().ComboPortNum - 1),
      m_allGiga(DeviceProfile::current().IsAllGiga),
      m_initialPort(initialPort),
      m_media(std::size_t(m_portCount), 0),
      m_links(sessions(), m_cCommonSNMPLink, m_portCount)
{
    setWindowTitle(QStringLiteral("Port Configuration"));
    auto* layout = new QVBoxLayout(this);

    auto* group = new QGroupBox(QStringLiteral("Port Information"), this);
    auto* groupLayout = new QVBoxLayout(group);
    m_list = new CListView(IdPortList,
                           {QStringLiteral("Index"), QStringLiteral("PortControlSpeed"), QStringLiteral("OperMode"),
                            QStringLiteral("FlowControlMode"), QStringLiteral("DefaultPriority"),
                            QStringLiteral("OperFlowControlMode")},
                           group);
    m_list->setAccessibleName(QStringLiteral("Port Information"));
    groupLayout->addWidget(m_list);
    layout->addWidget(group, 1);

    auto* fields = new QHBoxLayout;
    m_portId = new QLineEdit(this);
    m_portId->setObjectName(QString::number(IdPortId));
    m_portId->setReadOnly(true);
    m_portId->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("00000")));
    m_speed = new QComboBox(this);
    m_speed->setObjectName(QString::number(IdSpeed));
    m_speed->addItems(SpeedChoiceTexts());
    m_flowControl = new QComboBox(this);
    m_flowControl->setObjectName(QString::number(IdFlowControl));
    m_flowControl->addItems({QStringLiteral("Enable"), QStringLiteral("Disable")});
    fields->addWidget(LabelFor(m_portId, QStringLiteral("Port ID:"), this));
    fields->addWidget(m_portId);
    fields->addSpacing(12);
    fields->addWidget(LabelFor(m_speed, QStringLiteral("PortControlSpeed:"), this));
    fields->addWidget(m_speed);
    fields->addSpacing(12);
    fields->addWidget(LabelFor(m_flowControl, QStringLiteral("FlowControlMode:"), this));
    fields->addWidget(m_flowControl);
    fields->addStretch();
    layout->addLayout(fields);

    m_refresh = addButton(QStringLiteral("&Refresh"), IdRefresh);
    m_refresh->setDefault(true);
    m_apply = addButton(QStringLiteral("&Apply"), IdApply);
    layout->addLayout(buttonRow({m_refresh, m_apply, addCloseButton(IdClose)}));
    m_reads.addControl(m_refresh);
    m_reads.addControl(m_apply);

    connect(m_refresh, &QPushButton::clicked, this, &CPortSetInfo::refresh);
    connect(m_apply, &QPushButton::clicked, this, &CPortSetInfo::apply);
    // A click and a keyboard move of the selection both choose a row. The current cell alone
    // does not: the view sets one without selecting it when it gets the focus.
    connect(m_list, &QTableWidget::cellClicked, this, [this](int row) { onRowChosen(row); });
    connect(m_list, &QTableWidget::itemSelectionChanged, this, [this] {
        const QModelIndexList rows = m_list->selectionModel()->selectedRows();
        if (!rows.isEmpty())
            onRowChosen(rows.first().row());
    });
    connect(&m_links, &AggregatedLinkWalk::ended, this, [this] { m_reads.end(); });

    resize(m_list->fullWidth() + 90, 560);
}

void CPortSetInfo::onOpen()
{
    refresh();
}

void CPortSetInfo::refresh()
{
    std::fill(m_media.begin(), m_media.end(), 0);
    m_reads.begin();
    m_links.start();
    readPorts();
}

void CPortSetInfo::readPorts()
{
    m_list->clearRows();
    m_reads.begin();
    sessions().walk(
        m_cCommonSNMPTable,
        {speedColumn, portColumn("1.13.1.3"), flowControlColumn, portColumn("12.3.1.1.2"), portColumn("1.13.1.6"),
         portColumn("1.13.1.7")},
        [this](const SnmpReply& row) { takePortRow(row); },
        [this](int) {
            m_list->fitColumnsToContents();
            m_reads.end();
        },
        {portWalkTimeoutMs, 0});
}

void CPortSetInfo::takePortRow(const SnmpReply& reply)
{
    // Interfaces beyond the front-panel ports are not listed.
    const int row = m_list->rowCount();
    if (row >= m_portCount || reply.count() == 0)
        return;
    const int port = row + 1;
    m_list->appendRow(QString::number(port));
    m_list->setCell(row, ColSpeed, SpeedSettingText(reply.text(0)));
    m_list->setCell(row, ColOperMode, OperModeText(reply.text(1)));
    m_list->setCell(row, ColFlowControl, FlowControlText(reply.text(2)));
    m_list->setCell(row, ColPriority, DefaultPriorityText(reply.text(3)));
    if (reply.count() > 4)
        m_list->setCell(row, ColOperFlowControl, OperFlowControlText(reply.text(4)));
    if (reply.count() > 5) {
        m_media[std::size_t(row)] = int(LeadingInteger(reply.text(5)).value_or(0));
        if (isComboPort(port))
            m_list->setCell(row, ColOperMode, ComboOperModeText(reply.text(1), reply.text(5)));
    }
    if (port == m_initialPort) {
        m_initialPort = 0;
        m_list->setCurrentCell(row, 0);
    }
}

bool CPortSetInfo::isComboPort(int port) const
{
    return port >= m_comboFirst && port <= m_comboLast;
}

int CPortSetInfo::mediaOf(int port) const
{
    return port >= 1 && port <= m_portCount ? m_media[std::size_t(port - 1)] : 0;
}

void CPortSetInfo::onRowChosen(int row)
{
    if (row < 0 || row >= m_list->rowCount())
        return;
    m_selectedPort = m_list->cell(row, ColIndex);
    m_portId->setText(m_selectedPort);
    const qsizetype speed = SpeedSettingTexts().indexOf(m_list->cell(row, ColSpeed));
    if (speed >= 0)
        m_speed->setCurrentIndex(int(speed));
    m_flowControl->setCurrentIndex(m_list->cell(row, ColFlowControl) == QLatin1String("Enable") ? 0 : 1);
    m_speed->setEnabled(true);
}

bool CPortSetInfo::passesChecks(int port, int speedIndex)
{
    const QString portText = m_selectedPort;
    const int link = m_links.linkOf(port);
    if (link != 0) {
        const QString chosen = SpeedSettingTexts().value(speedIndex);
        for (int member : m_links.portsOf(link)) {
            if (member != port && m_list->cell(member - 1, ColSpeed) != chosen) {
                MessageBox::info(QStringLiteral("LA port can not support in different speed."));
                return false;
            }
        }
    }
    int othersDisabled = 0;
    for (int row = 0; row < m_list->rowCount(); ++row) {
        if (row != port - 1 && m_list->cell(row, ColSpeed) == QLatin1String("Disable"))
            ++othersDisabled;
    }
    if (othersDisabled == m_portCount - 1 && speedIndex == SpeedDisable) {
        MessageBox::info(QStringLiteral("Sorry, you cannot disable all ports."));
        return false;
    }
    const int media = mediaOf(port);
    if (media == MediaFastCopper && speedIndex == Speed1000Full && !m_allGiga) {
        MessageBox::info(QStringLiteral("Port ") + portText + QStringLiteral(" can not support 1000M speed."));
        return false;
    }
    if (speedIndex == SpeedAuto && media == Media100BaseX) {
        MessageBox::info(QStringLiteral("Fiber Port ") + portText +
                         QStringLiteral(" with 100Base-x SFP Module can not support in Auto mode."));
        return false;
    }
    if (media == Media1000BaseX && speedIndex >= Speed100Full && speedIndex <= Speed10Half) {
        MessageBox::info(QStringLiteral("Fiber Port ") + portText +
                         QStringLiteral(" with 1000Base-x SFP Module can not support this speed."));
        return false;
    }
    if (media == Media100BaseX && speedIndex != Speed100Full && speedIndex != Speed100Half &&
        speedIndex != SpeedDisable) {
        MessageBox::info(QStringLiteral("Fiber Port ") + portText +
                         QStringLiteral(" with 100Base-x SFP Module can not support this speed."));
        return false;
    }
    if (link != 0 && (speedIndex == Speed10Half || speedIndex == Speed100Half)) {
        MessageBox::info(QStringLiteral("LA port ") + portText +
                         QStringLiteral(" can not support in half-duplex mode."));
        return false;
    }
    return true;
}

void CPortSetInfo::apply()
{
    if (m_selectedPort.isEmpty()) {
        MessageBox::info(QStringLiteral("Please Select one port !"));
        return;
    }
    const int port = int(LeadingInteger(m_selectedPort).value_or(0));
    const int speedIndex = m_speed->currentIndex();
    if (port < 1 || port > m_portCount || speedIndex < 0 || !passesChecks(port, speedIndex))
        return;

    m_cCommonSNMP.Prepare(snmp::PduType::Set);
    const int speedValue = speedIndex + 1;
    if (speedIndex != SpeedAuto && speedIndex != SpeedDisable &&
        !MessageBox::question(QStringLiteral("The speed is set to force mode. \n"
                                             "* The speed mode must be the same as the counterpart. ")))
        return;
    const std::string index = "." + std::to_string(port);
    // A member of an aggregated link keeps its speed: only its flow control is written.
    if (m_links.linkOf(port) == 0)
        m_cCommonSNMP.AddVarBind(speedColumn + index, snmp::Syntax::Integer, std::to_string(speedValue));
    const int flowValue = m_flowControl->currentText() == QLatin1String("Enable") ? 1 : 2;
    if (flowValue == 1 &&
        !MessageBox::question(QStringLiteral("QoS works best when Flow Control is disabled. \n"
                                             "* When Flow Control is enabled.QoS may not perform accurate bandwidth "
                                             "allocation. \n* Do you still want to enable Flow Control?. ")))
        return;

    m_refresh->setEnabled(false);
    m_cCommonSNMP.AddVarBind(flowControlColumn + index, snmp::Syntax::Integer, std::to_string(flowValue));
    std::unique_ptr<CSnmp> answer;
    const int status = m_cCommonSNMP.SendAndWait(answer, setTimeoutMs);
    m_refresh->setEnabled(true);
    if (status != 0)
        QThread::msleep(50);
    readPorts();
}

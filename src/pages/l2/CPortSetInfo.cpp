#include "CPortSetInfo.h"

#include "CListView.h"
#include "DeviceOids.h"
#include "DeviceProfile.h"
#include "FieldLabel.h"
#include "MessageBox.h"
#include "NumberText.h"
#include "PortSetTexts.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace {

namespace deviceoid = snmp::deviceoid;
const std::string speedColumn = deviceoid::portColumn(deviceoid::PortConfigSpeed);
const std::string flowControlColumn = deviceoid::portColumn(deviceoid::PortFlowControl);

enum Column { ColIndex, ColSpeed, ColOperMode, ColFlowControl, ColPriority, ColOperFlowControl };
enum SpeedIndex { Speed1000Full, Speed100Full, Speed100Half, Speed10Full, Speed10Half, SpeedAuto, SpeedDisable };
enum Media { MediaFastCopper = 1, MediaComboCopper = 2, Media100BaseX = 3, Media1000BaseX = 4 };

constexpr int portWalkTimeoutMs = 8000;
constexpr int setTimeoutMs = 9000;
constexpr int failedWritePauseMs = 50;

} // namespace

CPortSetInfo::CPortSetInfo(int initialPort)
    : CPageDialog(201),
      m_portCount(DeviceProfile::current().portCount()),
      m_comboFirst(DeviceProfile::current().ComboPortIndex),
      m_comboLast(DeviceProfile::current().ComboPortIndex + DeviceProfile::current().ComboPortNum - 1),
      m_allGiga(DeviceProfile::current().IsAllGiga),
      m_initialPort(initialPort),
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
    m_portId = control<QLineEdit>(IdPortId);
    m_portId->setReadOnly(true);
    m_portId->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("00000")));
    m_speed = control<QComboBox>(IdSpeed);
    m_speed->addItems(SpeedChoiceTexts());
    m_flowControl = control<QComboBox>(IdFlowControl);
    m_flowControl->addItems({QStringLiteral("Enable"), QStringLiteral("Disable")});
    for (auto [field, caption] : {std::pair<QWidget*, const char*>{m_portId, "Port ID:"},
                                  {m_speed, "PortControlSpeed:"},
                                  {m_flowControl, "FlowControlMode:"}}) {
        if (field != m_portId)
            fields->addSpacing(12);
        fields->addWidget(LabelFor(field, QString::fromLatin1(caption), this));
        fields->addWidget(field);
    }
    fields->addStretch();
    layout->addLayout(fields);
    layout->addLayout(commandButtons(IdRefresh, IdApply, IdClose));
    refreshButton()->setDefault(true);

    // A click and a keyboard move of the selection both choose a row. The current cell alone
    // does not: the view sets one without selecting it when it gets the focus.
    connect(m_list, &QTableWidget::cellClicked, this, [this](int row) { onRowChosen(row); });
    connect(m_list, &QTableWidget::itemSelectionChanged, this, [this] {
        const QModelIndexList rows = m_list->selectionModel()->selectedRows();
        if (!rows.isEmpty())
            onRowChosen(rows.first().row());
    });

    resize(m_list->fullWidth() + 90, 560);
}

// Apply's checks use both the ports and the links: it waits until both walks have read their
// whole table.
void CPortSetInfo::read()
{
    readLinks(m_links);
    readPorts();
}

void CPortSetInfo::readPorts()
{
    m_list->clearRows();
    m_ports.clear();
    readWalk(
        m_cCommonSNMPTable,
        {speedColumn, deviceoid::portColumn(deviceoid::PortOperMode), flowControlColumn,
         deviceoid::portDefaultPriority, deviceoid::portColumn(deviceoid::PortOperFlowControl),
         deviceoid::portColumn(deviceoid::PortMedia)},
        [this](const SnmpReply& row) { takePortRow(row); }, [this](int) { m_list->fitColumnsToContents(); },
        {portWalkTimeoutMs, 0});
}

void CPortSetInfo::takePortRow(const SnmpReply& reply)
{
    // Interfaces beyond the front-panel ports are not listed.
    const int row = m_list->rowCount();
    if (row >= m_portCount || reply.count() == 0)
        return;
    const int port = row + 1;
    PortRow data;
    const QString speedText = SpeedSettingText(reply.text(0));
    data.speedIndex = int(SpeedSettingTexts().indexOf(speedText));
    data.flowControl = FlowControlText(reply.text(2)) == QLatin1String("Enable");
    m_list->appendRow(QString::number(port));
    m_list->setCell(row, ColSpeed, speedText);
    m_list->setCell(row, ColOperMode, OperModeText(reply.text(1)));
    m_list->setCell(row, ColFlowControl, FlowControlText(reply.text(2)));
    m_list->setCell(row, ColPriority, DefaultPriorityText(reply.text(3)));
    if (reply.count() > 4)
        m_list->setCell(row, ColOperFlowControl, OperFlowControlText(reply.text(4)));
    if (reply.count() > 5) {
        data.media = int(LeadingInteger(reply.text(5)).value_or(0));
        if (isComboPort(port))
            m_list->setCell(row, ColOperMode, ComboOperModeText(reply.text(1), reply.text(5)));
    }
    m_ports.push_back(data);
    if (port == m_initialPort) {
        m_initialPort = 0;
        m_list->setCurrentCell(row, 0);
    }
}

bool CPortSetInfo::isComboPort(int port) const
{
    return port >= m_comboFirst && port <= m_comboLast;
}

void CPortSetInfo::onRowChosen(int row)
{
    if (row < 0 || row >= int(m_ports.size()))
        return;
    const PortRow& data = m_ports[std::size_t(row)];
    m_selectedPort = row + 1;
    m_portId->setText(QString::number(m_selectedPort));
    m_speed->setCurrentIndex(data.speedIndex);
    m_flowControl->setCurrentIndex(data.flowControl ? 0 : 1);
    m_speed->setEnabled(true);
}

bool CPortSetInfo::passesChecks(int port, int speedIndex)
{
    const QString portText = QString::number(port);
    const PortRow& chosen = m_ports[std::size_t(port - 1)];
    const int link = m_links.linkOf(port);
    if (link != 0) {
        for (int member : m_links.portsOf(link)) {
            if (member != port && member <= int(m_ports.size()) &&
                m_ports[std::size_t(member - 1)].speedIndex != speedIndex) {
                MessageBox::info(QStringLiteral("LA port can not support in different speed."));
                return false;
            }
        }
    }
    int othersDisabled = 0;
    for (std::size_t i = 0; i < m_ports.size(); ++i) {
        if (int(i) != port - 1 && m_ports[i].speedIndex == SpeedDisable)
            ++othersDisabled;
    }
    if (othersDisabled == m_portCount - 1 && speedIndex == SpeedDisable) {
        MessageBox::info(QStringLiteral("Sorry, you cannot disable all ports."));
        return false;
    }
    const int media = chosen.media;
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
    if (m_selectedPort == 0) {
        MessageBox::info(QStringLiteral("Please Select one port !"));
        return;
    }
    const int port = m_selectedPort;
    const int speedIndex = m_speed->currentIndex();
    if (port > int(m_ports.size()) || speedIndex < 0 || !passesChecks(port, speedIndex))
        return;

    if (speedIndex != SpeedAuto && speedIndex != SpeedDisable &&
        !MessageBox::question(QStringLiteral("The speed is set to force mode. \n"
                                             "* The speed mode must be the same as the counterpart. ")))
        return;
    const std::string index = "." + std::to_string(port);
    SetRequest request;
    request.timeout(setTimeoutMs);
    // A member of an aggregated link keeps its speed: only its flow control is written.
    if (m_links.linkOf(port) == 0)
        request.integer(speedColumn + index, speedIndex + 1);
    const bool flowControl = m_flowControl->currentText() == QLatin1String("Enable");
    if (flowControl &&
        !MessageBox::question(QStringLiteral("QoS works best when Flow Control is disabled. \n"
                                             "* When Flow Control is enabled.QoS may not perform accurate bandwidth "
                                             "allocation. \n* Do you still want to enable Flow Control?. ")))
        return;
    request.integer(flowControlColumn + index, flowControl ? 1 : 2);
    write(m_cCommonSNMP, {request}, [this](const WriteResult& result) {
        if (result.ok()) {
            readPorts();
            return;
        }
        // After a refused write the switch is given a moment before it is read again; Apply and
        // Refresh wait with the read.
        reads().begin();
        QTimer::singleShot(failedWritePauseMs, this, [this] {
            reads().end(true);
            readPorts();
        });
    });
}

#include "CStpPortConfigDlg.h"

#include "DeviceOids.h"
#include "DeviceProfile.h"
#include "FieldGrid.h"
#include "MessageBox.h"
#include "NumberText.h"

#include <QCheckBox>

#include <algorithm>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {

namespace deviceoid = snmp::deviceoid;

constexpr int maxPortPriority = 240;
constexpr long long maxPathCost = 200000000;

// An entered cost: digits only. An empty box or other text is no cost (it would read as 0,
// automatic).
std::optional<int64_t> costValue(const QString& text)
{
    const QString digits = text.trimmed();
    const auto isDigit = [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); };
    if (digits.isEmpty() || !std::all_of(digits.begin(), digits.end(), isDigit))
        return std::nullopt;
    return LeadingInteger(digits);
}

} // namespace

CStpPortConfigDlg::CStpPortConfigDlg(const std::vector<stp::PortRow>& rows, int row)
    : CPageDialog(84),
      m_rows(rows),
      m_row(std::clamp(row, 0, std::max(int(rows.size()) - 1, 0))),
      m_links(sessions(), m_cCommonSNMPTable, DeviceProfile::current().portCount())
{
    setWindowTitle(QStringLiteral(" Port STP Configuration"));
    auto* layout = new QVBoxLayout(this);

    m_prev = addButton(QStringLiteral("<= Prev Port"), IdPrevPort);
    m_next = addButton(QStringLiteral("Next Port =>"), IdNextPort);
    m_port = control<QLabel>(IdPort);
    m_port->setAlignment(Qt::AlignCenter);
    auto* moves = new QHBoxLayout;
    moves->addWidget(m_prev);
    moves->addWidget(m_port, 1);
    moves->addWidget(m_next);
    layout->addLayout(moves);

    m_priority = control<QComboBox>(IdPriority);
    m_priority->setEditable(true);
    for (int priority = 0; priority <= maxPortPriority; priority += 16)
        m_priority->addItem(QString::number(priority));
    m_pathCost = control<QLineEdit>(IdPathCost);
    // Digits only: other text would otherwise read as a cost of 0, automatic.
    m_pathCost->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,9}")), m_pathCost));
    m_enable = control<QCheckBox>(IdEnable);
    auto* settings = new QGroupBox(QStringLiteral("Setting"), this);
    auto* settingsGrid = new FieldGrid(settings);
    settings->setLayout(settingsGrid);
    settingsGrid->addRow(QStringLiteral("Priority:"), m_priority);
    settingsGrid->addRow(QStringLiteral("Cost:(1-200000000,\n0=auto)"), m_pathCost);
    settingsGrid->addRow(QStringLiteral("Enable:"), m_enable);

    const int identifierWidth = fontMetrics().horizontalAdvance(QLatin1String(stp::WidestIdentifierText)) + 12;
    auto* state = new QGroupBox(QStringLiteral("State"), this);
    auto* stateGrid = new FieldGrid(state);
    state->setLayout(stateGrid);
    const std::pair<int, const char*> shown[] = {
        {IdState, "Status:"},           {IdDesignatedRoot, "Desig Root:"}, {IdDesignatedCost, "Desig Cost:"},
        {IdDesignatedBridge, "Desig Bridge:"}, {IdDesignatedPort, "Desig Port:"}, {IdForward, "Forward:"},
    };
    for (const auto& [id, caption] : shown) {
        auto* field = control<QLineEdit>(id);
        field->setReadOnly(true);
        field->setMinimumWidth(identifierWidth);
        stateGrid->addRow(QString::fromLatin1(caption), field);
    }
    auto* columns = new QHBoxLayout;
    columns->addWidget(settings);
    columns->addWidget(state, 1);
    layout->addLayout(columns);

    QPushButton* applyButton = addButton(QStringLiteral("&Apply"), IdApply);
    QPushButton* ok = addButton(QStringLiteral("&OK"), IdOk);
    QPushButton* refreshButton = addButton(QStringLiteral("&Refresh"), IdRefresh);
    QPushButton* cancel = addCloseButton(IdCancel);
    cancel->setText(QStringLiteral("&Cancel"));
    reads().addWriteControl(applyButton);
    reads().addWriteControl(ok);
    reads().addControl(refreshButton);
    layout->addLayout(buttonRow({applyButton, ok, refreshButton, cancel}));

    connect(applyButton, &QPushButton::clicked, this, [this] { apply(); });
    connect(ok, &QPushButton::clicked, this, [this] {
        applyToPort([this] { accept(); });
    });
    connect(refreshButton, &QPushButton::clicked, this, &CStpPortConfigDlg::refresh);
    // Prev and Next wait for both reads; each read's end is seen once the gate has taken it.
    connect(&m_links, &AggregatedLinkWalk::ended, this, &CStpPortConfigDlg::updateMoveButtons, Qt::QueuedConnection);
    connect(m_prev, &QPushButton::clicked, this, [this] { move(-1); });
    connect(m_next, &QPushButton::clicked, this, [this] { move(+1); });

    showRow();
    adjustSize();
}

// The values shown in the table, then the port's own settings from the switch.
void CStpPortConfigDlg::showRow()
{
    if (m_rows.empty())
        return;
    const stp::PortRow& row = current();
    m_port->setText(row.portText);
    m_port->setAccessibleName(QStringLiteral("Port ") + row.portText);
    const std::pair<int, QString> shown[] = {
        {IdState, row.state},
        {IdDesignatedRoot, row.designatedRoot},
        {IdDesignatedCost, row.designatedCost},
        {IdDesignatedBridge, row.designatedBridge},
        {IdDesignatedPort, row.designatedPort},
        {IdForward, row.forwardTransitions},
    };
    for (const auto& [id, text] : shown)
        findChild<QLineEdit*>(QString::number(id))->setText(text);
    updateMoveButtons();
}

void CStpPortConfigDlg::updateMoveButtons()
{
    // A move reads the next port: not while a read runs.
    const bool idle = reads().idle();
    m_prev->setEnabled(idle && m_row > 0);
    m_next->setEnabled(idle && m_row + 1 < int(m_rows.size()));
}

void CStpPortConfigDlg::move(int step)
{
    const int row = m_row + step;
    if (row < 0 || row >= int(m_rows.size()) || !reads().idle())
        return;
    m_row = row;
    showRow();
    refresh();
}

// Apply's checks use the links and the port's loopback-detection state: both reads gate it.
void CStpPortConfigDlg::read()
{
    readLinks(m_links);
    readPort();
}

void CStpPortConfigDlg::readPort()
{
    if (m_rows.empty())
        return;
    m_portRead = false;
    const std::string index = "." + std::to_string(current().port);
    readGet(m_cCommonSNMP,
            {stp::portColumn(stp::PortPriority) + index, stp::portColumn(stp::PortPathCost) + index,
             stp::portColumn(stp::PortEnable) + index, deviceoid::lbdPortState + index,
             deviceoid::stpPortPathCost + index},
            [this](const SnmpReply& reply) {
                if (reply.ok() && reply.count() == 5) {
                    m_priority->setEditText(reply.qtext(0));
                    m_shownCost = reply.qtext(1);
                    m_pathCost->setText(m_shownCost);
                    m_enable->setChecked(reply.text(2) == "1");
                    m_lbdEnabled = reply.text(3) == "1";
                    m_setCost = LeadingInteger(reply.text(4));
                    m_portRead = true;
                }
                // The handler runs before the gate closes this read: the buttons follow it.
                QMetaObject::invokeMethod(this, &CStpPortConfigDlg::updateMoveButtons, Qt::QueuedConnection);
            });
    updateMoveButtons();
}

void CStpPortConfigDlg::apply()
{
    applyToPort([this] { readPort(); });
}

void CStpPortConfigDlg::applyToPort(const std::function<void()>& then)
{
    if (m_rows.empty() || !m_portRead || current().port == 0)
        return;
    const stp::PortRow& row = current();
    // The box shows the effective cost; left as shown, the port's own setting goes back (0 stays
    // automatic).
    const auto cost = m_pathCost->text() == m_shownCost ? m_setCost : costValue(m_pathCost->text());
    if (!cost || *cost > maxPathCost || *cost < 0) {
        MessageBox::info(QStringLiteral("Invalid Path Cost(1-200000000)"));
        return;
    }
    // Text that is no priority would otherwise go out as 0, the port's highest priority.
    const auto priority = stp::PriorityValue(m_priority->currentText(), maxPortPriority);
    if (!priority) {
        MessageBox::info(QStringLiteral("Invalid Priority value, the valid Priority range is (0-240) !"));
        return;
    }
    if (m_enable->isChecked() && m_lbdEnabled) {
        MessageBox::info(QStringLiteral("STP port ") + row.portText +
                         QStringLiteral(" can not both support Spanning Tree and LBD-enabled mode"));
        return;
    }
    // A member of an aggregated link keeps the link's settings: unchanged values are no error.
    if (m_links.linkOf(row.port) != 0) {
        const bool unchanged = m_priority->currentText() == row.priority && m_pathCost->text() == row.pathCost &&
                               m_enable->isChecked() == row.enabled;
        if (!unchanged) {
            MessageBox::info(QStringLiteral("Cannot add ports with different STP configurations to an aggregated link."));
            return;
        }
        then();
        return;
    }
    const std::string index = "." + std::to_string(row.port);
    SetRequest request;
    request.integer(stp::portColumn(stp::PortPriority) + index, *priority)
        .integer(deviceoid::stpPortPathCost + index, *cost)
        .integer(stp::portColumn(stp::PortEnable) + index, m_enable->isChecked() ? 1 : 2);
    write(m_cCommonSNMPSet, {request}, [then](const WriteResult&) { then(); });
}

#include "CPoePortDlg.h"

#include "CListView.h"
#include "DeviceOids.h"
#include "FieldLabel.h"
#include "MessageBox.h"
#include "PoeTexts.h"
#include "PortRangePair.h"
#include "DeviceModel.h"
#include "Utf8Text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace {

namespace deviceoid = snmp::deviceoid;

// The time profiles' index and name columns: the names a port's time range is chosen from.
const std::string rangeIndexColumn = deviceoid::timeProfileColumn(deviceoid::TimeProfileIndex);
const std::string rangeNameColumn = deviceoid::timeProfileColumn(deviceoid::TimeProfileName);

// The port walk's columns, in the order the row's values arrive.
enum Value { VState, VTimeRange, VPriority, VClassLimit, VPower, VVoltage, VCurrent, VClass, VStatus, VLimitMode, VUserLimit };
const int walkedColumns[] = {deviceoid::PoeState,   deviceoid::PoeTimeRange, deviceoid::PoePriority,
                             deviceoid::PoeClassLimit, deviceoid::PoePower,  deviceoid::PoeVoltage,
                             deviceoid::PoeCurrent, deviceoid::PoeClass,     deviceoid::PoeStatus,
                             deviceoid::PoeLimitMode, deviceoid::PoeUserLimit};

enum Column { ColIndex, ColState, ColTimeRange, ColPriority, ColPowerLimit, ColPower, ColVoltage, ColCurrent, ColClass, ColStatus };

constexpr int portWriteTimeoutMs = 20000;
// The PoE controller takes a port's settings one port at a time.
constexpr int betweenPortsMs = 300;

} // namespace

CPoePortDlg::CPoePortDlg()
    : CPageDialog(490), m_portCount(DeviceModel::current().isOneOf({DeviceModel::ApB1}) ? 24 : 8)
{
    setWindowTitle(QStringLiteral("PoE Configuration"));
    auto* layout = new QVBoxLayout(this);

    auto* listGroup = new QGroupBox(QStringLiteral("Port Information"), this);
    auto* listLayout = new QVBoxLayout(listGroup);
    m_list = new CListView(IdPortList,
                           {QStringLiteral("Index"), QStringLiteral("State"), QStringLiteral("Time Range"),
                            QStringLiteral("Priority"), QStringLiteral("Power Limit"), QStringLiteral("Power(W)"),
                            QStringLiteral("Voltage(V)"), QStringLiteral("Current(mA)"),
                            QStringLiteral("Classification"), QStringLiteral("Status")},
                           listGroup);
    m_list->setAccessibleName(QStringLiteral("Port Information"));
    listLayout->addWidget(m_list);
    layout->addWidget(listGroup, 1);

    auto* settings = new QGroupBox(QStringLiteral("PoE Configuration"), this);
    auto* grid = new QGridLayout(settings);
    m_from = control<QComboBox>(IdFromPort);
    m_to = control<QComboBox>(IdToPort);
    m_state = control<QComboBox>(IdState);
    m_state->addItems({QStringLiteral("Enable"), QStringLiteral("Disable")});
    m_priority = control<QComboBox>(IdPriority);
    m_priority->addItems({QStringLiteral("Low"), QStringLiteral("Normal"), QStringLiteral("High")});
    m_timeRange = control<QComboBox>(IdTimeRange);
    m_powerLimit = control<QComboBox>(IdPowerLimit);
    m_powerLimit->addItems({QStringLiteral("Auto"), QStringLiteral("Class 1"), QStringLiteral("Class 2"),
                            QStringLiteral("Class 3"), QStringLiteral("Class 4")});
    m_userDefine = control<QCheckBox>(IdUserDefine, QStringLiteral("User Define"));
    m_watts = control<QLineEdit>(IdWatts);
    m_watts->setAccessibleName(QStringLiteral("User Define"));
    m_range = new PortRangePair(m_from, m_to, m_portCount, QStringLiteral("'To Port' can not be smaller than 'From Port'"));

    int column = 0;
    for (auto [field, caption] : {std::pair<QWidget*, const char*>{m_from, "Form Port"}, {m_to, "To Port"},
                                  {m_state, "State"}, {m_priority, "Priority"}, {m_timeRange, "Time Range"},
                                  {m_powerLimit, "Power Limit"}}) {
        grid->addWidget(LabelFor(field, QString::fromLatin1(caption), settings), 0, column);
        grid->addWidget(field, 1, column++);
    }
    auto* watts = new QHBoxLayout;
    watts->addWidget(m_userDefine);
    watts->addWidget(m_watts);
    watts->addWidget(new QLabel(QStringLiteral("W"), settings));
    grid->addLayout(watts, 0, column, 2, 1);
    layout->addWidget(settings);
    layout->addLayout(commandButtons(IdRefresh, IdApply, IdClose));

    m_state->setCurrentIndex(0);
    m_priority->setCurrentIndex(1);
    m_powerLimit->setCurrentIndex(0);
    m_to->setCurrentIndex(m_to->count() - 1);
    onUserDefineToggled(false);

    connect(m_userDefine, &QCheckBox::toggled, this, &CPoePortDlg::onUserDefineToggled);
    connect(m_list, &QTableWidget::itemSelectionChanged, this, [this] {
        const QModelIndexList rows = m_list->selectionModel()->selectedRows();
        if (!rows.isEmpty())
            onRowChosen(rows.first().row());
    });
    resize(m_list->fullWidth() + 100, 560);
}

void CPoePortDlg::onUserDefineToggled(bool userDefined)
{
    m_watts->setEnabled(userDefined);
    m_powerLimit->setEnabled(!userDefined);
}

// The time-range names come first: the port rows show them. The ports are walked once the
// names have all arrived.
void CPoePortDlg::read()
{
    m_timeRange->clear();
    m_timeRange->addItem(QStringLiteral("N/A"));
    m_timeRanges.clear();
    readWalk(
        m_cCommonSNMPTimeRang, {rangeIndexColumn, rangeNameColumn},
        [this](const SnmpReply& row) {
            if (row.count() < 2)
                return;
            const QString name = TextFromUtf8(row.text(1));
            m_timeRanges.push_back({name, row.text(0)});
            m_timeRange->addItem(name);
        },
        [this](int status) {
            if (status == -2)
                readPorts();
        });
}

void CPoePortDlg::readPorts()
{
    m_list->clearRows();
    m_portEnabled.clear();
    std::vector<std::string> columns;
    for (int c : walkedColumns)
        columns.push_back(deviceoid::poeColumn(c));
    readWalk(
        m_cCommonSNMP, columns, [this](const SnmpReply& row) { takePortRow(row); },
        [this](int) { m_list->fitColumnsToContents(); });
}

QString CPoePortDlg::timeRangeName(const std::string& index) const
{
    if (index == "0")
        return QStringLiteral("N/A");
    for (const TimeRange& range : m_timeRanges) {
        if (range.index == index)
            return range.name;
    }
    return QString::fromStdString(index);
}

void CPoePortDlg::takePortRow(const SnmpReply& reply)
{
    if (reply.count() <= VStatus)
        return;
    const int row = m_list->appendRow(QString::number(m_list->rowCount() + 1));
    const bool enabled = reply.text(VState) == "1";
    m_portEnabled.push_back(enabled);
    m_list->setCell(row, ColState, PoeStateText(reply.text(VState)));
    m_list->setCell(row, ColTimeRange, timeRangeName(reply.text(VTimeRange)));
    m_list->setCell(row, ColPriority, PoePriorityText(reply.text(VPriority)));
    // A port powered to the operator's own limit shows the watts instead of the class.
    const bool userLimit = reply.count() > VUserLimit && reply.text(VLimitMode) == "1" && enabled;
    m_list->setCell(row, ColPowerLimit,
                    userLimit ? TextFromUtf8(reply.text(VUserLimit)) : PoeClassLimitText(reply.text(VClassLimit)));
    m_list->setCell(row, ColPower, TextFromUtf8(reply.text(VPower)));
    m_list->setCell(row, ColVoltage, TextFromUtf8(reply.text(VVoltage)));
    m_list->setCell(row, ColCurrent, TextFromUtf8(reply.text(VCurrent)));
    m_list->setCell(row, ColClass, TextFromUtf8(reply.text(VClass)));
    m_list->setCell(row, ColStatus, TextFromUtf8(reply.text(VStatus)));
}

void CPoePortDlg::onRowChosen(int row)
{
    if (row < 0 || row >= int(m_portEnabled.size()) || row >= m_portCount)
        return;
    m_from->setCurrentIndex(row);
    m_to->setCurrentIndex(row);
    m_state->setCurrentIndex(m_portEnabled[std::size_t(row)] ? 0 : 1);
}

void CPoePortDlg::apply()
{
    const bool userDefined = m_userDefine->isChecked();
    const QString watts = m_watts->text().trimmed();
    if (userDefined && !IsValidPortPowerLimit(watts)) {
        MessageBox::info(QStringLiteral("The per-port power limit must be a multiple of 0.2"));
        return;
    }
    const bool enable = m_state->currentIndex() == 0;
    const int timeRange = m_timeRange->currentIndex();
    const std::string timeRangeValue =
        !enable || timeRange <= 0 || timeRange > int(m_timeRanges.size()) ? "0" : m_timeRanges[std::size_t(timeRange - 1)].index;

    std::vector<SetRequest> requests;
    for (int port = m_range->fromPort(); port >= 1 && port <= m_range->toPort() && port <= m_portCount; ++port) {
        const std::string index = ".1." + std::to_string(port);
        SetRequest request;
        request.timeout(portWriteTimeoutMs);
        if (!requests.empty())
            request.pauseBefore(betweenPortsMs);
        request.integer(deviceoid::poeColumn(deviceoid::PoeState) + index, enable ? 1 : 2)
            .add(deviceoid::poeColumn(deviceoid::PoeTimeRange) + index, snmp::Syntax::Integer, timeRangeValue)
            .integer(deviceoid::poeColumn(deviceoid::PoePriority) + index, enable ? m_priority->currentIndex() + 1 : 2);
        if (userDefined) {
            request.integer(deviceoid::poeColumn(deviceoid::PoeLimitMode) + index, 1)
                .octets(deviceoid::poeColumn(deviceoid::PoeUserLimit) + index, watts.toStdString());
        } else {
            request.integer(deviceoid::poeColumn(deviceoid::PoeLimitMode) + index, 2)
                .integer(deviceoid::poeColumn(deviceoid::PoeClassLimit) + index,
                         enable ? m_powerLimit->currentIndex() + 1 : 1);
        }
        requests.push_back(std::move(request));
    }
    // The controller needs the same pause after the last port before it shows that port's
    // settings; the read gate stays closed meanwhile.
    write(m_cCommonSNMPSet, requests, [this](const WriteResult&) {
        reads().begin();
        QTimer::singleShot(betweenPortsMs, this, [this] {
            reads().end(true);
            readPorts();
        });
    });
}

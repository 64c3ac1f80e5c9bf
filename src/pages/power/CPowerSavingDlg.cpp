#include "CPowerSavingDlg.h"

#include "CListView.h"
#include "DeviceProfile.h"
#include "FieldGrid.h"
#include "MessageBox.h"
#include "PortHex.h"
#include "PortListText.h"
#include "DeviceModel.h"
#include "Utf8Text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <memory>

namespace {

using Type = PowerSavingRecord::Type;

// The Type list's items and the function each stands for.
const std::pair<const char*, int> typeItems[] = {{"LED Shut-off", Type::LedShutoff},
                                                 {"Port Shut-off", Type::PortShutoff},
                                                 {"System Hibernation", Type::SystemHibernation},
                                                 {"Port Standby", Type::PortStandby}};
// The summary lists the functions in this order.
const int summaryOrder[] = {Type::LedShutoff, Type::PortShutoff, Type::SystemHibernation, Type::PortStandby};

const QString noProfile = QStringLiteral("None");

// The last port LED shut-off and port standby can use on the models that stop before the end.
int lastUsablePort(int type)
{
    if (type != Type::LedShutoff && type != Type::PortStandby)
        return 0;
    if (DeviceModel::current().isOneOf({DeviceModel::G}))
        return 16;
    if (DeviceModel::current().isOneOf({DeviceModel::H}))
        return 24;
    return 0;
}

} // namespace

CPowerSavingDlg::CPowerSavingDlg()
    : CPageDialog(129),
      m_portCount(DeviceProfile::current().portCount()),
      m_hasStandby(DeviceModel::current().isOneOf({DeviceModel::EpB1})),
      m_data(sessions(), m_portCount)
{
    setWindowTitle(QStringLiteral("Power Saving Settings"));
    auto* layout = new QVBoxLayout(this);

    m_detection = new QGroupBox(QStringLiteral("Global Settings"), this);
    auto* detectionLayout = new QHBoxLayout(m_detection);
    m_cableLength = control<QCheckBox>(IdCableLength, QStringLiteral("Enable Cable Length Detection"));
    m_linkStatus = control<QCheckBox>(IdLinkStatus, QStringLiteral("Enable Link Status Detection"));
    QPushButton* globalApply = addButton(QStringLiteral("&Apply"), IdGlobalApply);
    detectionLayout->addWidget(m_cableLength);
    detectionLayout->addWidget(m_linkStatus);
    detectionLayout->addStretch();
    detectionLayout->addWidget(globalApply);
    layout->addWidget(m_detection);

    auto* advanced = new QGroupBox(QStringLiteral("Advanced Power Saving Settings"), this);
    auto* grid = new FieldGrid(advanced);
    advanced->setLayout(grid);
    m_type = control<QComboBox>(IdType);
    for (const auto& [text, type] : typeItems) {
        // Port standby only where the model has it.
        if (type != Type::PortStandby ||
            !DeviceModel::current().isOneOf({DeviceModel::CB1, DeviceModel::ApB1, DeviceModel::BpB1, DeviceModel::AB1}))
            m_type->addItem(QString::fromLatin1(text));
    }
    m_state = control<QComboBox>(IdState);
    m_state->addItems({QStringLiteral("Enabled"), QStringLiteral("Disabled")});
    m_profile1 = control<QComboBox>(IdProfile1);
    m_profile2 = control<QComboBox>(IdProfile2);
    m_ports = control<QLineEdit>(IdPorts);
    auto* portsRow = new QWidget(advanced);
    auto* portsLayout = new QHBoxLayout(portsRow);
    portsLayout->setContentsMargins(0, 0, 0, 0);
    portsLayout->addWidget(m_ports);
    portsLayout->addWidget(new QLabel(QStringLiteral("(e.g.:1-4,6)"), portsRow));
    grid->addRow(QStringLiteral("Type"), m_type);
    grid->addRow(QStringLiteral("State"), m_state);
    grid->addRow(QStringLiteral("Time Profile1"), m_profile1);
    grid->addRow(QStringLiteral("Time Profile2"), m_profile2);
    QLabel* portsLabel = grid->addRow(QStringLiteral("Port"), portsRow);
    portsLabel->setBuddy(m_ports);
    m_ports->setAccessibleName(QStringLiteral("Port"));
    QPushButton* advancedApply = addButton(QStringLiteral("&Apply"), IdAdvancedApply);
    grid->addWidget(advancedApply, grid->rowCount(), 1, Qt::AlignRight);
    layout->addWidget(advanced);

    auto* summary = new QGroupBox(QStringLiteral("Summary"), this);
    auto* summaryLayout = new QVBoxLayout(summary);
    m_summary = new CListView(IdSummary,
                              {QStringLiteral("Type"), QStringLiteral("State"), QStringLiteral("Time Profile 1 "),
                               QStringLiteral("Time Profile 2"), QStringLiteral("Port ")},
                              summary);
    m_summary->setAccessibleName(QStringLiteral("Summary"));
    for (auto [column, width] : {std::pair{0, 140}, {1, 80}, {2, 120}, {3, 120}, {4, 120}})
        m_summary->setColumnWidth(column, width);
    summaryLayout->addWidget(m_summary);
    layout->addWidget(summary, 1);
    layout->addLayout(commandButtons(IdRefresh, 0, IdClose));

    // Both writes start from what was read. The detection switches are read only where the
    // model has them, and so written only there.
    reads().addWriteControl(globalApply);
    reads().addWriteControl(advancedApply);
    m_detection->setEnabled(m_hasStandby);
    connect(globalApply, &QPushButton::clicked, this, &CPowerSavingDlg::applyDetection);
    connect(advancedApply, &QPushButton::clicked, this, &CPowerSavingDlg::applyFunction);
    connect(m_type, &QComboBox::activated, this, &CPowerSavingDlg::showType);
    connect(m_state, &QComboBox::activated, this, &CPowerSavingDlg::enableFields);
    enableFields();
    for (QComboBox* list : {m_profile1, m_profile2})
        list->setEnabled(false);
    m_ports->setEnabled(false);
    resize(m_summary->fullWidth() + 60, 560);
}

int CPowerSavingDlg::chosenType() const
{
    for (const auto& [text, type] : typeItems) {
        if (m_type->currentText() == QLatin1String(text))
            return type;
    }
    return Type::LedShutoff;
}

// The functions first, then the profile names; the page shows the chosen function once both
// have arrived.
void CPowerSavingDlg::read()
{
    m_profile1->clear();
    m_profile2->clear();
    m_summary->clearRows();
    m_records.clear();
    readGet(m_data.m_cCommonSNMP, m_data.powerSavingOids(m_hasStandby), [this](const SnmpReply& reply) {
        if (reply.ok()) {
            m_records = m_data.recordsOf(reply, m_hasStandby);
            if (m_hasStandby) {
                const auto [cable, link] = m_data.detectionOf(reply);
                m_cableLength->setChecked(cable);
                m_linkStatus->setChecked(link);
            }
            showSummary();
        }
        readProfileNames();
    });
}

void CPowerSavingDlg::readProfileNames()
{
    auto names = std::make_shared<QStringList>();
    readWalk(
        m_data.m_cCommonSNMP, {m_data.profileNameColumn()},
        [names](const SnmpReply& row) { *names << TextFromUtf8(row.text(0)); },
        [this, names](int) {
            for (QComboBox* list : {m_profile1, m_profile2}) {
                list->clear();
                list->addItem(noProfile);
                list->addItems(*names);
                list->setCurrentIndex(0);
            }
            showType();
        });
}

void CPowerSavingDlg::showSummary()
{
    for (int type : summaryOrder) {
        const auto it = m_records.find(type);
        if (it == m_records.end())
            continue;
        const PowerSavingRecord& record = it->second;
        const int row = m_summary->appendRow(record.typeText());
        m_summary->setCell(row, 1, record.stateText());
        m_summary->setCell(row, 2, record.profile1);
        m_summary->setCell(row, 3, record.profile2);
        m_summary->setCell(row, 4, record.portText(m_portCount));
    }
}

void CPowerSavingDlg::showType()
{
    const auto it = m_records.find(chosenType());
    const PowerSavingRecord record = it != m_records.end() ? it->second : PowerSavingRecord{};
    m_state->setCurrentIndex(record.enabled ? 0 : 1);
    for (auto [list, name] : {std::pair{m_profile1, record.profile1}, {m_profile2, record.profile2}}) {
        const int index = name.isEmpty() ? 0 : list->findText(name);
        list->setCurrentIndex(std::max(index, 0));
    }
    m_ports->setText(chosenType() == Type::SystemHibernation ? QString() : record.portText(m_portCount));
    enableFields();
}

void CPowerSavingDlg::enableFields()
{
    const bool enabled = m_state->currentIndex() == 0;
    m_profile1->setEnabled(enabled);
    m_profile2->setEnabled(enabled);
    m_ports->setEnabled(enabled && chosenType() != Type::SystemHibernation);
}

void CPowerSavingDlg::applyDetection()
{
    write(m_data.m_cCommonSNMPSet, {m_data.setDetection(m_cableLength->isChecked(), m_linkStatus->isChecked())},
          [this](const WriteResult& result) {
              if (result.ok())
                  refresh();
          });
}

bool CPowerSavingDlg::portsEntered(int type, std::string& octets)
{
    const QString text = m_ports->text();
    PortFlags flags(std::size_t(m_portCount), 0);
    if (!IsPortListChars(text)) {
        MessageBox::info(QStringLiteral("Invalid Portlist"));
        return false;
    }
    if (!ParsePortListText(text, flags))
        return false;
    if (const int last = lastUsablePort(type)) {
        for (int port = last + 1; port <= m_portCount; ++port) {
            if (flags[std::size_t(port - 1)]) {
                MessageBox::info(QStringLiteral("Not support fiber Port."));
                return false;
            }
        }
    }
    octets = PortFlagsToOctets(flags);
    return true;
}

// On these models "None" means no profile and is written as an empty name.
QString CPowerSavingDlg::profileToWrite(const QComboBox* list) const
{
    const QString name = list->currentText();
    if (name == noProfile &&
        DeviceModel::current().isOneOf({DeviceModel::ApB1, DeviceModel::BpB1, DeviceModel::AB1, DeviceModel::EpB1}))
        return QString();
    return name;
}

void CPowerSavingDlg::applyFunction()
{
    PowerSavingRecord record;
    record.type = chosenType();
    record.enabled = m_state->currentIndex() == 0;
    if (record.type != Type::SystemHibernation && !portsEntered(record.type, record.ports))
        return;
    record.profile1 = profileToWrite(m_profile1);
    record.profile2 = profileToWrite(m_profile2);
    write(m_data.m_cCommonSNMPSet, {m_data.setPowerSaving(record)}, [this](const WriteResult&) { refresh(); });
}

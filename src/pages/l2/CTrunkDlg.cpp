#include "CTrunkDlg.h"

#include "CListView.h"
#include "CTrunkMemberDlg.h"
#include "DeviceOids.h"
#include "DeviceProfile.h"
#include "FieldLabel.h"
#include "MessageBox.h"
#include "NumberText.h"
#include "PortListText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

namespace deviceoid = snmp::deviceoid;

enum Column { ColId, ColMode, ColMembers };
constexpr int firstTrunk = 1, lastTrunk = 8;
// The switch is given a moment to take a write before it is read again.
constexpr int statePauseMs = 10;
constexpr int modePauseMs = 50;

QString modeText(const std::string& value)
{
    if (value == "1")
        return QStringLiteral("LACP");
    if (value == "2")
        return QStringLiteral("Static");
    return QStringLiteral("Disable");
}

} // namespace

CTrunkDlg::CTrunkDlg() : CPageDialog(487), m_portCount(DeviceProfile::current().portCount())
{
    setWindowTitle(QStringLiteral("Trunk Configuration"));
    auto* layout = new QVBoxLayout(this);

    auto* status = new QGroupBox(QStringLiteral("Trunk status"), this);
    auto* statusLayout = new QHBoxLayout(status);
    m_enable = control<QCheckBox>(IdEnable, QStringLiteral("Enable Trunk"));
    QPushButton* stateApply = addButton(QStringLiteral("&Apply"), IdStateApply);
    statusLayout->addWidget(m_enable);
    statusLayout->addStretch();
    statusLayout->addWidget(stateApply);
    layout->addWidget(status);

    auto* information = new QGroupBox(QStringLiteral("Trunk Information"), this);
    auto* informationLayout = new QVBoxLayout(information);
    m_list = new CListView(IdList,
                           {QStringLiteral("TrunkID    "), QStringLiteral("PortChannelMode    "),
                            QStringLiteral("PortMember                            ")},
                           information);
    m_list->setAccessibleName(QStringLiteral("Trunk Information"));
    informationLayout->addWidget(m_list);
    layout->addWidget(information, 1);

    auto* configuration = new QGroupBox(QStringLiteral("Trunk Configuration"), this);
    auto* fields = new QHBoxLayout(configuration);
    m_trunkId = control<QLineEdit>(IdTrunkId);
    m_trunkId->setReadOnly(true);
    m_trunkId->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("000000")));
    m_mode = control<QComboBox>(IdMode);
    m_mode->addItems({QStringLiteral("LACP"), QStringLiteral("Static"), QStringLiteral("Disable")});
    fields->addWidget(LabelFor(m_trunkId, QStringLiteral("Trunk ID:"), configuration));
    fields->addWidget(m_trunkId);
    fields->addSpacing(12);
    fields->addWidget(LabelFor(m_mode, QStringLiteral("PortChannelMode:"), configuration));
    fields->addWidget(m_mode);
    fields->addStretch();
    layout->addWidget(configuration);

    QHBoxLayout* buttons = commandButtons(IdRefresh, IdApply, IdClose);
    // The member dialog needs the reads and link aggregation enabled on the switch: the read
    // gate holds the frame, the switch's state the button.
    auto* portMemberFrame = new QWidget(this);
    auto* frameLayout = new QHBoxLayout(portMemberFrame);
    frameLayout->setContentsMargins(0, 0, 0, 0);
    m_portMember = addButton(QStringLiteral("&PortMember"), IdPortMember);
    m_portMember->setEnabled(false);
    frameLayout->addWidget(m_portMember);
    buttons->insertWidget(2, portMemberFrame);
    layout->addLayout(buttons);
    reads().addWriteControl(stateApply);
    reads().addWriteControl(portMemberFrame);

    connect(stateApply, &QPushButton::clicked, this, &CTrunkDlg::applyState);
    connect(m_portMember, &QPushButton::clicked, this, &CTrunkDlg::openMembers);
    connect(m_list, &QTableWidget::cellClicked, this, [this](int row) { onRowChosen(row); });
    connect(m_list, &QTableWidget::itemSelectionChanged, this, [this] {
        const QModelIndexList rows = m_list->selectionModel()->selectedRows();
        if (!rows.isEmpty())
            onRowChosen(rows.first().row());
    });
    resize(m_list->fullWidth() + 60, 420);
}

CTrunkDlg::~CTrunkDlg() = default;

void CTrunkDlg::read()
{
    readGet(m_cCommonSNMP, {deviceoid::linkAggregationState}, [this](const SnmpReply& reply) {
        m_trunkEnabled = reply.ok() && reply.text(0) == "1";
        m_enable->setChecked(m_trunkEnabled);
        m_portMember->setEnabled(m_trunkEnabled);
    });
    m_list->clearRows();
    m_rows.clear();
    readWalk(
        m_cCommonSNMPTable, {deviceoid::linkMembers, deviceoid::linkMode},
        [this](const SnmpReply& row) { takeTrunkRow(row); }, [this](int) { showChosenLink(); });
}

// The link in the Trunk ID box is shown as just read: its members as they are now, not as an
// earlier read had them (the member dialog starts from them). A link no longer listed is no
// longer chosen.
void CTrunkDlg::showChosenLink()
{
    const auto trunkId = LeadingInteger(m_trunkId->text());
    for (std::size_t row = 0; trunkId && row < m_rows.size(); ++row) {
        if (LeadingInteger(m_rows[row].id) == trunkId) {
            m_list->selectRow(int(row));
            onRowChosen(int(row));
            return;
        }
    }
    m_trunkId->clear();
    m_selectedMembers.clear();
}

void CTrunkDlg::takeTrunkRow(const SnmpReply& reply)
{
    const std::string index = reply.suffix(0);
    TrunkRow row;
    row.id = QString::fromStdString(index.size() > 1 ? index.substr(1) : std::string());
    row.members = PortListToText(reply.text(0), m_portCount).text;
    row.mode = modeText(reply.text(1));
    const int line = m_list->appendRow(row.id);
    m_list->setCell(line, ColMode, row.mode);
    m_list->setCell(line, ColMembers, row.members);
    m_rows.push_back(std::move(row));
}

void CTrunkDlg::onRowChosen(int row)
{
    if (row < 0 || row >= int(m_rows.size()))
        return;
    const TrunkRow& chosen = m_rows[std::size_t(row)];
    m_trunkId->setText(chosen.id);
    const int mode = m_mode->findText(chosen.mode);
    if (mode >= 0)
        m_mode->setCurrentIndex(mode);
    m_selectedMembers = chosen.members;
}

const CTrunkDlg::TrunkRow* CTrunkDlg::rowOf(long long trunkId) const
{
    for (const TrunkRow& row : m_rows) {
        if (LeadingInteger(row.id) == trunkId)
            return &row;
    }
    return nullptr;
}

void CTrunkDlg::applyState()
{
    SetRequest request;
    request.integer(deviceoid::linkAggregationState, m_enable->isChecked() ? 1 : 2);
    write(m_cCommonSNMP, {request}, [this](const WriteResult& result) { refreshAfter(result.ok() ? statePauseMs : 0); });
}

// The mode of the link named in the Trunk ID box.
void CTrunkDlg::apply()
{
    if (m_trunkId->text().isEmpty())
        return;
    const auto trunkId = LeadingInteger(m_trunkId->text());
    if (!trunkId || *trunkId < firstTrunk || *trunkId > lastTrunk) {
        MessageBox::info(QStringLiteral("Invliad VLAN ID, VLAN ID should be (1-8) !"));
        m_trunkId->setFocus();
        m_trunkId->selectAll();
        return;
    }
    const TrunkRow* row = rowOf(*trunkId);
    if (row && row->mode == m_mode->currentText())
        return;
    if (!row || row->members.isEmpty()) {
        MessageBox::info(QStringLiteral("Please configure the PortMember first"));
        return;
    }
    const QString mode = m_mode->currentText();
    SetRequest request;
    request.integer(deviceoid::linkMode + "." + std::to_string(*trunkId),
                    mode == QLatin1String("LACP") ? 1 : mode == QLatin1String("Static") ? 2 : 3);
    write(m_cCommonSNMP, {request}, [this](const WriteResult& result) { refreshAfter(result.ok() ? modePauseMs : 0); });
}

void CTrunkDlg::openMembers()
{
    if (m_trunkId->text().isEmpty()) {
        MessageBox::info(QStringLiteral("Please select the Trunk !"));
        return;
    }
    if (m_mode->currentText() == QLatin1String("Disable")) {
        MessageBox::info(QStringLiteral("Link Aggregation State is disable."));
        return;
    }
    m_memberDialog = std::make_unique<CTrunkMemberDlg>(m_trunkId->text(), m_mode->currentText(), m_selectedMembers);
    connect(m_memberDialog.get(), &QDialog::finished, this, [this](int result) {
        m_memberDialog.release()->deleteLater();
        if (result == QDialog::Accepted)
            refresh();
    });
    m_memberDialog->show();
}

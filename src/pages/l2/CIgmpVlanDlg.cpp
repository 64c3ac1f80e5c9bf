#include "CIgmpVlanDlg.h"

#include "CListView.h"
#include "CMulticastEntryDlg.h"
#include "DeviceProfile.h"
#include "FieldLabel.h"
#include "MessageBox.h"
#include "PortGrid.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

enum Column { ColVlanId, ColName, ColState, ColQuerier, ColFastLeave, ColRouterPorts };
const int columnWidths[] = {80, 80, 80, 120, 100, 160};

QString enabledText(bool enabled)
{
    return enabled ? QStringLiteral("Enabled") : QStringLiteral("Disabled");
}

constexpr int margin = 10;
constexpr int listHeight = 190;
constexpr int fieldsTop = listHeight + 22;
constexpr int fieldHeight = 24;
constexpr int groupTop = fieldsTop + 2 * (fieldHeight + 8) + 4;
constexpr int portPitch = 24;
constexpr int portRowStep = 44;
constexpr QSize buttonSize{90, 25};
constexpr int portsInOneRow = 28;

} // namespace

CIgmpVlanDlg::CIgmpVlanDlg(bool snoopingEnabled)
    : CResizeDialog(867),
      m_portCount(DeviceProfile::current().portCount()),
      m_data(sessions(), m_portCount)
{
    setWindowTitle(QStringLiteral("The VLAN Settings of IGMP snooping "));
    const int perRow = m_portCount > portsInOneRow ? (m_portCount + 1) / 2 : std::max(m_portCount, 1);
    const int portRows = std::max((m_portCount + perRow - 1) / perRow, 1);
    const int width = std::max(2 * margin + 20 + perRow * portPitch, 700);

    m_list = new CListView(IdList,
                           {QStringLiteral("VLAN ID"), QStringLiteral("VLAN Name"), QStringLiteral("State "),
                            QStringLiteral("Querier State"), QStringLiteral("Fast Leave"),
                            QStringLiteral("Static Router Ports ")},
                           this);
    for (int c = 0; c < int(std::size(columnWidths)); ++c)
        m_list->setColumnWidth(c, columnWidths[c]);
    m_list->setAccessibleName(QStringLiteral("IGMP VLANs"));
    m_list->setGeometry(margin, margin, width - 2 * margin, listHeight);

    // Two rows of fields: the VLAN, then its three settings and their Apply.
    m_vlanId = control<QLineEdit>(IdVlanId);
    m_vlanName = control<QLineEdit>(IdVlanName);
    m_state = control<QComboBox>(IdState);
    m_querier = control<QComboBox>(IdQuerier);
    m_fastLeave = control<QComboBox>(IdFastLeave);
    m_vlanId->setReadOnly(true);
    m_vlanName->setReadOnly(true);
    for (QComboBox* list : {m_state, m_querier, m_fastLeave})
        list->addItems({QStringLiteral("Enabled"), QStringLiteral("Disabled")});
    struct Placed {
        QWidget* field;
        const char* caption;
        int x;
        int row;
        int captionWidth;
        int fieldWidth;
    };
    const Placed fields[] = {{m_vlanId, "VLAN ID", margin, 0, 60, 70},        {m_vlanName, "VLAN Name", 160, 0, 80, 150},
                             {m_state, "State", margin, 1, 60, 90},          {m_querier, "Querier State", 170, 1, 95, 90},
                             {m_fastLeave, "Fast Leave ", 365, 1, 75, 90}};
    for (const Placed& p : fields) {
        const int top = fieldsTop + p.row * (fieldHeight + 8);
        LabelFor(p.field, QString::fromLatin1(p.caption), this)->setGeometry(p.x, top, p.captionWidth, fieldHeight);
        p.field->setGeometry(p.x + p.captionWidth, top, p.fieldWidth, fieldHeight);
    }
    QPushButton* applyButton = addButton(QStringLiteral("&Apply"), IdApply);
    applyButton->setGeometry(540, fieldsTop + fieldHeight + 8, buttonSize.width(), buttonSize.height());

    // The static router ports: a box under each port number, and their own Apply.
    const int groupHeight = 24 + portRows * portRowStep + buttonSize.height() + 12;
    auto* group = new QGroupBox(QStringLiteral("Static Router Ports"), this);
    group->setObjectName(QString::number(IdRouterGroup));
    group->setGeometry(margin, groupTop, width - 2 * margin, groupHeight);
    const PortGrid grid(m_portCount, perRow, {margin + 10, groupTop + 22}, portPitch, portRowStep);
    for (int port = 1; port <= m_portCount; ++port) {
        QLabel* caption = grid.addCaption(this, port, IdFirstRouterCaption + port - 1, 0);
        auto* box = control<QCheckBox>(IdFirstRouterPort + port - 1);
        box->setAccessibleName(QStringLiteral("Static Router Port %1").arg(port));
        caption->setBuddy(box);
        grid.place(box, port, 18);
        m_routerPorts.push_back(box);
    }
    QPushButton* routerApply = addButton(QStringLiteral("&Apply"), IdRouterApply);
    routerApply->setAccessibleName(QStringLiteral("Apply Static Router Ports"));
    const int groupBottom = groupTop + groupHeight;
    routerApply->setGeometry(width - 2 * margin - buttonSize.width(), groupBottom - buttonSize.height() - 8,
                             buttonSize.width(), buttonSize.height());

    // The page's own buttons, bottom right.
    QPushButton* view = addButton(QStringLiteral("&View Multicast Entry "), IdViewEntries);
    QPushButton* refreshButton = addButton(QStringLiteral("&Refresh"), IdRefresh);
    QPushButton* closeButton = addCloseButton(IdClose);
    int x = width - margin;
    const int buttonsTop = groupBottom + 10;
    for (QPushButton* button : {closeButton, refreshButton, view}) {
        const int w = std::max(buttonSize.width(), button->sizeHint().width());
        x -= w;
        button->setGeometry(x, buttonsTop, w, buttonSize.height());
        x -= 6;
    }

    reads().addControl(refreshButton);
    // Without snooping on the switch neither write is offered.
    if (snoopingEnabled) {
        reads().addWriteControl(applyButton);
        reads().addWriteControl(routerApply);
    } else {
        applyButton->setEnabled(false);
        routerApply->setEnabled(false);
    }
    connect(applyButton, &QPushButton::clicked, this, [this] { apply(); });
    connect(routerApply, &QPushButton::clicked, this, &CIgmpVlanDlg::applyRouterPorts);
    connect(refreshButton, &QPushButton::clicked, this, [this] { refresh(); });
    connect(view, &QPushButton::clicked, this, [] {
        CMulticastEntryDlg entries;
        entries.exec();
    });
    connect(m_state, &QComboBox::currentIndexChanged, this, &CIgmpVlanDlg::enableVlanSettings);
    connect(m_list, &QTableWidget::cellClicked, this, [this](int row) { onRowChosen(row); });
    connect(m_list, &QTableWidget::itemSelectionChanged, this, [this] {
        const QModelIndexList rows = m_list->selectionModel()->selectedRows();
        if (!rows.isEmpty())
            onRowChosen(rows.first().row());
    });

    setAnchors({{IdList, GrowX, 100},
                {IdRouterGroup, GrowX, 100},
                {IdRouterApply, MoveX, 100},
                {IdViewEntries, MoveX, 100},
                {IdRefresh, MoveX, 100},
                {IdClose, MoveX, 100}});
    enableVlanSettings();
    resize(width, buttonsTop + buttonSize.height() + 14);
}

void CIgmpVlanDlg::enableVlanSettings()
{
    const bool enabled = m_state->currentIndex() == 0;
    m_querier->setEnabled(enabled);
    m_fastLeave->setEnabled(enabled);
}

// Apply's checks need the links; the rows are what it writes against.
void CIgmpVlanDlg::read()
{
    m_list->clearRows();
    m_rows.clear();
    readLinks(m_data.links());
    // The names first, so that each snooping row is shown with its VLAN's name as it arrives.
    m_data.clearVlanNames();
    readWalk(
        m_data.m_cCommonSNMP, CIgmpSnoopingData::vlanNameColumns(),
        [this](const SnmpReply& row) { m_data.takeVlanName(row); },
        [this](int) {
            readWalk(
                m_data.m_cCommonSNMP, CIgmpSnoopingData::vlanColumns(), [this](const SnmpReply& row) { takeRow(row); },
                [this](int) {
                    m_list->fitColumnsToContents();
                    showChosenVlan();
                });
        });
}

// The chosen VLAN is shown as just read, so that its boxes hold the router ports the switch has
// now (a write of them included). A VLAN no longer listed is no longer chosen.
void CIgmpVlanDlg::showChosenVlan()
{
    if (m_vlanId->text().isEmpty())
        return;
    for (std::size_t row = 0; row < m_rows.size(); ++row) {
        if (m_rows[row].vlanId == m_vlanId->text()) {
            m_list->selectRow(int(row));
            onRowChosen(int(row));
            return;
        }
    }
    m_vlanId->clear();
    m_vlanName->clear();
    for (QCheckBox* box : m_routerPorts)
        box->setChecked(false);
}

void CIgmpVlanDlg::takeRow(const SnmpReply& reply)
{
    CIgmpSnoopingData::VlanRow vlan = m_data.vlanRow(reply);
    const int row = m_list->appendRow(vlan.vlanId);
    m_list->setCell(row, ColName, vlan.name);
    m_list->setCell(row, ColState, enabledText(vlan.enabled));
    m_list->setCell(row, ColQuerier, enabledText(vlan.querier));
    m_list->setCell(row, ColFastLeave, enabledText(vlan.fastLeave));
    m_list->setCell(row, ColRouterPorts, vlan.routerPortText);
    m_rows.push_back(std::move(vlan));
}

void CIgmpVlanDlg::onRowChosen(int row)
{
    if (row < 0 || row >= int(m_rows.size()))
        return;
    const CIgmpSnoopingData::VlanRow& vlan = m_rows[std::size_t(row)];
    m_vlanId->setText(vlan.vlanId);
    m_vlanName->setText(vlan.name);
    m_state->setCurrentIndex(vlan.enabled ? 0 : 1);
    m_querier->setCurrentIndex(vlan.querier ? 0 : 1);
    m_fastLeave->setCurrentIndex(vlan.fastLeave ? 0 : 1);
    enableVlanSettings();
    for (int port = 1; port <= m_portCount; ++port)
        m_routerPorts[std::size_t(port - 1)]->setChecked(vlan.routerPorts[std::size_t(port - 1)] != 0);
}

// A VLAN ID that is no number of a VLAN is never written as an index.
const CIgmpSnoopingData::VlanRow* CIgmpVlanDlg::chosenVlan() const
{
    bool isNumber = false;
    const int vlanId = m_vlanId->text().toInt(&isNumber);
    if (!isNumber || vlanId < 1 || vlanId > 4094)
        return nullptr;
    for (const CIgmpSnoopingData::VlanRow& vlan : m_rows) {
        if (vlan.vlanId == m_vlanId->text())
            return &vlan;
    }
    return nullptr;
}

void CIgmpVlanDlg::apply()
{
    const CIgmpSnoopingData::VlanRow* vlan = chosenVlan();
    if (!vlan)
        return;
    const QString vlanId = vlan->vlanId;
    const bool enable = m_state->currentIndex() == 0;
    if (!enable && !MessageBox::question(QStringLiteral("All router ports of this VLAN will be deleted.")))
        return;
    const std::vector<SetRequest> requests = CIgmpSnoopingData::vlanWrite(
        vlanId, vlan->enabled, enable, m_querier->currentIndex() == 0, m_fastLeave->currentIndex() == 0);
    if (requests.empty()) {
        refresh();
        return;
    }
    write(m_data.m_cCommonSNMPSet, requests, [this](const WriteResult&) { refresh(); });
}

void CIgmpVlanDlg::applyRouterPorts()
{
    const CIgmpSnoopingData::VlanRow* vlan = chosenVlan();
    if (!vlan) {
        MessageBox::info(QStringLiteral("Please select Vlan first."));
        return;
    }
    PortFlags ticked;
    for (QCheckBox* box : m_routerPorts)
        ticked.push_back(box->isChecked() ? 1 : 0);
    if (!m_data.isConsistentWithLinks(ticked)) {
        MessageBox::info(QStringLiteral("Members of port channel must have the same status."));
        return;
    }
    write(m_data.m_cCommonSNMPSet, {m_data.routerPortsWrite(vlan->vlanId, ticked)},
          [this](const WriteResult&) { refresh(); });
}

#include "CVlanConfigDlg.h"

#include "CListView.h"
#include "RowStatus.h"
#include "CPvidDlg.h"
#include "CVlanEditDlg.h"
#include "DeviceOids.h"
#include "DeviceProfile.h"
#include "LaunchParams.h"
#include "MessageBox.h"
#include "NumberText.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {

namespace deviceoid = snmp::deviceoid;

enum Column { ColVid, ColName, ColPorts, ColEgress, ColUntagged };
const int columnWidths[] = {80, 120, 100, 220, 220};
constexpr int maxVlans = 256;
// The switch is given a moment after the mode change before it is read again.
constexpr int asymmetricPauseMs = 50;

} // namespace

CVlanConfigDlg::CVlanConfigDlg()
    : CPageDialog(447),
      m_portCount(DeviceProfile::current().portCount()),
      m_writeEnabled(LaunchParams::current().WriteEnabled != 0),
      m_pvids(std::size_t(m_portCount), 1)
{
    setWindowTitle(QStringLiteral("802.1Q VLAN Configuration"));
    auto* layout = new QVBoxLayout(this);

    auto* information = new QGroupBox(QStringLiteral("802.1Q VLAN Information"), this);
    auto* informationLayout = new QVBoxLayout(information);
    m_list = new CListView(IdList,
                           {QStringLiteral("VLAN ID"), QStringLiteral("VLAN Name"), QStringLiteral("No.of Ports"),
                            QStringLiteral("Egress Port Member"), QStringLiteral("Untag Port Member")},
                           information);
    m_list->setAccessibleName(QStringLiteral("802.1Q VLAN Information"));
    for (int c = 0; c < int(std::size(columnWidths)); ++c)
        m_list->setColumnWidth(c, columnWidths[c]);
    informationLayout->addWidget(m_list);
    layout->addWidget(information, 1);

    auto* asymmetric = new QGroupBox(QStringLiteral("802.1Q Asymmetric VLAN Configuration "), this);
    auto* asymmetricLayout = new QHBoxLayout(asymmetric);
    m_asymmetric = control<QCheckBox>(IdAsymmetric, QStringLiteral("Enable Asymmetric VLAN"));
    QPushButton* asymmetricApply = addButton(QStringLiteral("&Apply"), IdAsymmetricApply);
    asymmetricLayout->addWidget(m_asymmetric);
    asymmetricLayout->addStretch();
    asymmetricLayout->addWidget(asymmetricApply);
    layout->addWidget(asymmetric);
    reads().addWriteControl(asymmetricApply);
    connect(asymmetricApply, &QPushButton::clicked, this, &CVlanConfigDlg::applyAsymmetric);

    QHBoxLayout* buttons = commandButtons(IdRefresh, 0, IdClose);
    int position = 1; // after the stretch
    for (auto [text, id, handler] : {std::tuple<const char*, int, void (CVlanConfigDlg::*)()>{"&PVID", IdPvid, &CVlanConfigDlg::openPvid},
                                     {"&Add", IdAdd, &CVlanConfigDlg::addVlan},
                                     {"&Edit", IdEdit, &CVlanConfigDlg::editVlan},
                                     {"&Delete", IdDelete, &CVlanConfigDlg::deleteVlan}}) {
        QPushButton* button = addButton(QString::fromLatin1(text), id);
        buttons->insertWidget(position++, button);
        connect(button, &QPushButton::clicked, this, handler);
        if (m_writeEnabled)
            reads().addWriteControl(button);
        else
            button->setEnabled(false);
        if (id == IdEdit)
            m_edit = button;
    }
    layout->addLayout(buttons);
    connect(m_list, &QTableWidget::cellDoubleClicked, this, [this] {
        if (m_edit->isEnabled())
            editVlan();
    });
    resize(m_list->fullWidth() + 60, 480);
}

CVlanConfigDlg::~CVlanConfigDlg() = default;

void CVlanConfigDlg::read()
{
    readGet(m_cCommonSNMPVoiceVlan,
            {deviceoid::voiceVlanState, deviceoid::voiceVlanId, deviceoid::surveillanceState, deviceoid::surveillanceVlanId},
            [this](const SnmpReply& reply) { takeVoiceAndSurveillance(reply); });
    m_records.clear();
    readAsymmetric();
    std::fill(m_pvids.begin(), m_pvids.end(), 1);
    readWalk(m_cCommonSNMPTable, {deviceoid::portPvid}, [this](const SnmpReply& row) { takePvid(row); });
    m_list->clearRows();
    readWalk(m_cCommonSNMPTableVlan,
             {deviceoid::vlanColumn(deviceoid::VlanName), deviceoid::vlanColumn(deviceoid::VlanEgress),
              deviceoid::vlanColumn(deviceoid::VlanUntagged), deviceoid::vlanColumn(deviceoid::VlanRowStatus)},
             [this](const SnmpReply& row) { takeVlan(row); });
}

void CVlanConfigDlg::takeVoiceAndSurveillance(const SnmpReply& reply)
{
    if (!reply.ok())
        return;
    m_voiceEnabled = reply.text(0) == "1";
    m_voiceVid = LeadingInteger(reply.text(1)).value_or(0);
    m_surveillanceEnabled = reply.text(2) == "1";
    m_surveillanceVid = LeadingInteger(reply.text(3)).value_or(0);
}

void CVlanConfigDlg::readAsymmetric()
{
    readGet(m_cCommonSNMP, {deviceoid::asymmetricVlan}, [this](const SnmpReply& reply) {
        if (reply.ok())
            m_asymmetric->setChecked(reply.text(0) == "1");
    });
}

void CVlanConfigDlg::takePvid(const SnmpReply& row)
{
    if (const int port = row.portIndex(0, m_portCount))
        m_pvids[std::size_t(port - 1)] = LeadingInteger(row.text(0)).value_or(0);
}

void CVlanConfigDlg::takeVlan(const SnmpReply& reply)
{
    const auto record = VlanRecordFromRow(reply, m_portCount);
    if (!record)
        return;
    const int row = m_list->appendRow(QString::number(record->vid));
    m_list->setCell(row, ColName, record->name);
    m_list->item(row, ColName)->setTextAlignment(Qt::AlignCenter);
    m_list->setCell(row, ColPorts, QString::number(record->egressCount));
    m_list->setCell(row, ColEgress, record->egress);
    m_list->setCell(row, ColUntagged, record->untagged);
    m_records.push_back(*record);
}

void CVlanConfigDlg::applyAsymmetric()
{
    if (m_voiceEnabled) {
        MessageBox::info(QStringLiteral("Voice Vlan is enable,the vlan mode can't change to Asymmetric mode!\n"
                                        "If you could disable it, please set it through the web!"));
        readAsymmetric();
        return;
    }
    if (m_surveillanceEnabled) {
        MessageBox::info(QStringLiteral("Auto Surveillance VLAN is enable,the vlan mode can't change to Asymmetric mode!"));
        readAsymmetric();
        return;
    }
    if (!MessageBox::question(QStringLiteral(
            "The setting of VLAN, IGMP Snooping, Management VLAN and MAC Address Table will be reset to default.")))
        return;
    SetRequest request;
    request.integer(deviceoid::asymmetricVlan, m_asymmetric->isChecked() ? 1 : 2);
    write(m_cCommonSNMP, {request},
          [this](const WriteResult& result) { refreshAfter(result.ok() ? asymmetricPauseMs : 0); });
}

const VlanRecord* CVlanConfigDlg::selectedVlan(const QString& message)
{
    if (m_list->rowCount() == 0) {
        MessageBox::info(message);
        return nullptr;
    }
    const QModelIndexList rows = m_list->selectionModel()->selectedRows();
    if (rows.isEmpty() || rows.first().row() >= int(m_records.size())) {
        MessageBox::info(message, MessageIcon::Information);
        return nullptr;
    }
    return &m_records[std::size_t(rows.first().row())];
}

void CVlanConfigDlg::addVlan()
{
    if (m_list->rowCount() >= maxVlans) {
        MessageBox::info(QStringLiteral(" Number of VLAN group is over limit"));
        return;
    }
    openSubDialog(std::make_unique<CVlanEditDlg>(CVlanEditDlg::Mode::Add, 0, m_records, m_asymmetric->isChecked()));
}

void CVlanConfigDlg::editVlan()
{
    const VlanRecord* vlan = selectedVlan(QStringLiteral("Please select the VLAN !"));
    if (!vlan)
        return;
    if (vlan->vid < 1) {
        MessageBox::info(QStringLiteral("Invalid VLAN ID!"));
        return;
    }
    if (vlan->vid == m_surveillanceVid &&
        !MessageBox::question(QStringLiteral(
            "It is Surveillance VLAN,please don't edit ports except it's Tagged Uplink/Downlink Port.")))
        return;
    openSubDialog(std::make_unique<CVlanEditDlg>(CVlanEditDlg::Mode::Edit, vlan->vid, m_records, m_asymmetric->isChecked()));
}

void CVlanConfigDlg::deleteVlan()
{
    const VlanRecord* vlan = selectedVlan(QStringLiteral("Please select the VLAN want to be deleted!"));
    if (!vlan)
        return;
    const int vid = vlan->vid;
    if (vid == 1) {
        MessageBox::info(QStringLiteral("Can't delete the default VLAN!"));
        return;
    }
    if (vid < 1)
        return;
    if (m_asymmetric->isChecked() && std::find(m_pvids.begin(), m_pvids.end(), vid) != m_pvids.end()) {
        MessageBox::info(QStringLiteral("The VID is one of The PVID, so it cannot be deleted."));
        return;
    }
    if (m_voiceEnabled && vid == m_voiceVid) {
        MessageBox::info(QStringLiteral("The VLAN ID is Voice VLAN ID."));
        return;
    }
    if (m_surveillanceEnabled && vid == m_surveillanceVid) {
        MessageBox::info(QStringLiteral("The VLAN ID is Surveillance VLAN ID."));
        return;
    }
    if (MessageBox::question(QStringLiteral("The VLAN %1 settings in IGMP Snooping and MAC Address Table maybe be affected, continue?")
                                 .arg(vid))) {
        SetRequest request;
        request.integer(deviceoid::vlanColumn(deviceoid::VlanRowStatus) + "." + std::to_string(vid), RowDestroy);
        write(m_cCommonSNMPTableVlanDelete, {request}, [this](const WriteResult&) { refresh(); });
        return;
    }
    refresh();
}

void CVlanConfigDlg::openPvid()
{
    openSubDialog(std::make_unique<CPvidDlg>(m_records));
}

void CVlanConfigDlg::openSubDialog(std::unique_ptr<QDialog> dialog)
{
    m_subDialog = std::move(dialog);
    connect(m_subDialog.get(), &QDialog::finished, this, [this] {
        m_subDialog.release()->deleteLater();
        refresh();
    });
    m_subDialog->show();
}

#include "CMgmtVlanDlg.h"

#include "DeviceOids.h"
#include "DeviceProfile.h"
#include "FieldGrid.h"
#include "MessageBox.h"
#include "NumberText.h"
#include "PortListText.h"
#include "Utf8Text.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

namespace deviceoid = snmp::deviceoid;
const std::string vlanName = deviceoid::vlanColumn(deviceoid::VlanName);
const std::string vlanMembers = deviceoid::vlanColumn(deviceoid::VlanEgress);
const std::string vlanRowStatus = deviceoid::vlanColumn(deviceoid::VlanRowStatus);

// The VLAN ID of a row index ".vid"; empty for anything else.
QString vlanIdOfIndex(const std::string& index)
{
    if (index.size() < 2 || index[0] != '.' || index.find_first_not_of("0123456789", 1) != std::string::npos)
        return {};
    const auto vid = LeadingInteger(std::string_view(index).substr(1));
    return vid && *vid >= 1 && *vid <= 4094 ? QString::number(*vid) : QString();
}

} // namespace

CMgmtVlanDlg::CMgmtVlanDlg() : CPageDialog(223)
{
    setWindowTitle(QStringLiteral("IEEE 802.1Q Management VLAN Configuration"));
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(QStringLiteral("Management VLAN"), this);
    auto* grid = new FieldGrid(group);
    group->setLayout(grid);

    m_enable = control<QRadioButton>(IdEnable, QStringLiteral("Enable"));
    m_disable = control<QRadioButton>(IdDisable, QStringLiteral("Disable"));
    auto* state = new QHBoxLayout;
    state->addWidget(m_enable);
    state->addWidget(m_disable);
    state->addStretch();
    grid->addLayout(state, 0, 0, 1, 2);
    m_vlanId = control<QComboBox>(IdVlanId);
    m_vlanName = control<QLineEdit>(IdVlanName);
    m_vlanName->setReadOnly(true);
    grid->addRow(QStringLiteral("VLAN ID:"), m_vlanId);
    grid->addRow(QStringLiteral("VLAN Name:"), m_vlanName);
    layout->addWidget(group);
    layout->addLayout(commandButtons(IdRefresh, IdApply, IdClose));
    applyButton()->setDefault(true);

    connect(m_enable, &QRadioButton::clicked, this, [this] { enableVlanChoice(true); });
    connect(m_disable, &QRadioButton::clicked, this, [this] { enableVlanChoice(false); });
    connect(m_vlanId, &QComboBox::activated, this, [this] { readName(m_vlanId->currentText()); });
    enableVlanChoice(false);
    resize(380, sizeHint().height());
}

void CMgmtVlanDlg::enableVlanChoice(bool enabled)
{
    m_vlanId->setEnabled(enabled);
}

// The settings are read once the VLAN list is whole: Apply needs both.
void CMgmtVlanDlg::read()
{
    m_vlans.clear();
    m_vlanId->clear();
    readWalk(
        m_cCommonSNMPTable, {vlanName, vlanRowStatus}, [this](const SnmpReply& row) { takeVlan(row); },
        [this](int status) {
            if (status != -2)
                return;
            listActiveVlans();
            fill();
        });
}

void CMgmtVlanDlg::takeVlan(const SnmpReply& row)
{
    const QString id = vlanIdOfIndex(row.suffix(0));
    if (!id.isEmpty())
        m_vlans.push_back({id, row.text(1)});
}

// Only active VLANs can carry management traffic.
void CMgmtVlanDlg::listActiveVlans()
{
    for (const VlanEntry& vlan : m_vlans) {
        if (vlan.rowStatus == "1")
            m_vlanId->addItem(vlan.id);
    }
}

void CMgmtVlanDlg::fill()
{
    readGet(m_cCommonSNMP, {deviceoid::managementVlanState, deviceoid::managementVlanId},
            [this](const SnmpReply& reply) { showSettings(reply); });
}

void CMgmtVlanDlg::showSettings(const SnmpReply& reply)
{
    if (!reply.ok())
        return;
    m_state = reply.text(0);
    m_vlanIdText = reply.qtext(1);
    // VLAN 1 is always "default": it is named without a request.
    if (m_vlanIdText == QLatin1String("1"))
        m_vlanName->setText(QStringLiteral("default"));
    else
        readName(m_vlanIdText);
    const bool enabled = m_state == "1";
    m_enable->setChecked(enabled);
    m_disable->setChecked(!enabled);
    m_vlanId->setCurrentIndex(m_vlanId->findText(m_vlanIdText));
    enableVlanChoice(enabled);
}

void CMgmtVlanDlg::readName(const QString& vlanId)
{
    m_vlanName->clear();
    if (vlanId.isEmpty())
        return;
    sessions().get(m_cCommonSNMP, {vlanName + "." + vlanId.toStdString()}, [this](const SnmpReply& reply) {
        if (reply.ok())
            m_vlanName->setText(TextFromUtf8(reply.text(0)));
    });
}

void CMgmtVlanDlg::apply()
{
    const int state = m_disable->isChecked() ? 2 : 1;
    const QString vlanId = m_vlanId->currentIndex() >= 0 ? m_vlanId->currentText() : QString();
    // Lifting the restriction cannot cut anyone off: only a VLAN that is to carry management
    // needs its members.
    if (state == 2 || vlanId.isEmpty() || vlanId == QLatin1String("1")) {
        writeSettings(state, vlanId);
        return;
    }
    // Refresh and Apply wait for the member check.
    reads().begin();
    sessions().get(m_cCommonSNMP, {vlanMembers + "." + vlanId.toStdString()},
                   [this, state, vlanId](const SnmpReply& reply) {
                       reads().end(true);
                       if (!reply.ok()) {
                           MessageBox::info(QStringLiteral("The member ports of VLAN %1 could not be read. "
                                                           "Nothing was written.")
                                                .arg(vlanId));
                           refresh();
                           return;
                       }
                       const int portCount = DeviceProfile::current().portCount();
                       if (PortListToText(reply.text(0), portCount).count == 0) {
                           MessageBox::info(QStringLiteral("Management VLAN could not be empty."));
                           refresh();
                           return;
                       }
                       writeSettings(state, vlanId);
                   });
}

void CMgmtVlanDlg::writeSettings(int state, const QString& vlanId)
{
    SetRequest request;
    request.integer(deviceoid::managementVlanState, state);
    if (!vlanId.isEmpty())
        request.integer(deviceoid::managementVlanId, LeadingInteger(vlanId).value_or(0));
    write(m_cCommonSNMPSet, {request}, [this](const WriteResult&) { fill(); });
}

#include "CArpSpoofingAddDlg.h"

#include "CIpAddressEdit.h"
#include "DeviceModel.h"
#include "DeviceOids.h"
#include "DeviceProfile.h"
#include "FieldLabel.h"
#include "HexDigit.h"
#include "IpAddressText.h"
#include "MacText.h"
#include "MessageBox.h"
#include "NewTableRow.h"
#include "PortGrid.h"
#include "PortHex.h"
#include "TypingLimit.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

namespace deviceoid = snmp::deviceoid;

// Window size, ports per row and the gap added between columns, by port count.
constexpr PortGridSize gridSizes[] = {
    {8, {480, 250}, 0, 35},  {10, {490, 250}, 0, 25}, {16, {545, 290}, 0, 4},  {24, {545, 280}, 0, 0},
    {28, {625, 265}, 0, 0},  {48, {545, 300}, 24, 0}, {52, {585, 285}, 26, 0},
};
constexpr int columnPitch = 20;
constexpr int rowStep = 40;
constexpr QRect portsLabel{20, 86, 60, 17}; // the port rows start below it
constexpr QSize boxSize{16, 17};
constexpr int boxOffset = 18; // a box below its caption
constexpr int macChars = 17;
// The switch wants a moment after the create and before the activation.
constexpr int stepPauseMs = 50;

} // namespace

CArpSpoofingAddDlg::CArpSpoofingAddDlg(std::vector<ArpSpoofingEntry> listed)
    : CResizeDialog(197),
      m_portCount(DeviceProfile::current().portCount()),
      m_listed(std::move(listed)),
      m_data(sessions(), m_portCount)
{
    setWindowTitle(QStringLiteral("Add ARP Spoofing Prevention Entry"));
    const PortGrid grid(m_portCount, gridSizes, {portsLabel.left() + 5, portsLabel.bottom() + 7}, columnPitch, rowStep);
    const int portsBottom = portsLabel.bottom() + 7 + grid.extent().height() + boxOffset + boxSize.height();
    const QSize needed(std::max(grid.extent().width() + 60, 420), portsBottom + 80);
    const QSize size = grid.window().isValid() ? grid.window().expandedTo(needed) : needed;

    auto* frame = new QGroupBox(this);
    frame->setObjectName(QString::number(IdFrame));
    frame->setGeometry(10, 8, size.width() - 20, size.height() - 56);

    m_ip = control<CIpAddressEdit>(IdIp);
    m_mac = control<QLineEdit>(IdMac);
    TypingLimit::apply(m_mac, macChars);
    const int fieldLeft = 230;
    for (auto [field, caption, top] : {std::tuple<QWidget*, const char*, int>{m_ip, "Router / Gateway IP Address", 24},
                                       {m_mac, "Router / Gateway MAC Address", 54}}) {
        QLabel* label = LabelFor(field, QString::fromLatin1(caption), this);
        label->setGeometry(24, top + 3, fieldLeft - 30, 20);
        field->setGeometry(fieldLeft, top, 160, 24);
    }
    auto* ports = new QLabel(QStringLiteral("Ports"), this);
    ports->setObjectName(QString::number(IdPortsLabel));
    ports->setGeometry(portsLabel);

    for (int port = 1; port <= m_portCount; ++port) {
        QLabel* caption = grid.addCaption(this, port, IdFirstPortCaption + port - 1, 0);
        caption->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        grid.place(caption, port, 0, columnPitch, boxSize.height());
        auto* box = control<QCheckBox>(IdFirstPortBox + port - 1);
        box->setAccessibleName(QStringLiteral("Port %1").arg(port));
        grid.place(box, port, boxOffset, boxSize.width(), boxSize.height());
        m_portBoxes.push_back(box);
    }
    m_allPorts = control<QCheckBox>(IdAllPorts, QStringLiteral("All Ports"));
    m_allPorts->setGeometry(24, portsBottom + 8, 120, 20);
    connect(m_allPorts, &QCheckBox::clicked, this, &CArpSpoofingAddDlg::tickAll);

    QPushButton* applyButton = addButton(QStringLiteral("&Apply"), IdApply);
    applyButton->setDefault(true);
    connect(applyButton, &QPushButton::clicked, this, [this] { apply(); });
    // The link check needs the aggregated links read whole.
    reads().addWriteControl(applyButton);
    QPushButton* cancel = addButton(QStringLiteral("&Cancel"), IdCancel);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    cancel->setGeometry(size.width() - 100, size.height() - 40, 85, 28);
    applyButton->setGeometry(size.width() - 195, size.height() - 40, 85, 28);

    setAnchors({{IdApply, MoveBoth, 100}, {IdCancel, MoveBoth, 100}, {IdFrame, GrowBoth, 100}});
    resize(size);
    move(200, 200);
}

void CArpSpoofingAddDlg::read()
{
    readLinks(m_data.links());
}

void CArpSpoofingAddDlg::tickAll(bool ticked)
{
    for (QCheckBox* box : m_portBoxes)
        box->setChecked(ticked);
}

PortFlags CArpSpoofingAddDlg::tickedPorts() const
{
    PortFlags flags(std::size_t(m_portCount), 0);
    for (std::size_t i = 0; i < m_portBoxes.size(); ++i)
        flags[i] = m_portBoxes[i]->isChecked() ? 1 : 0;
    return flags;
}

bool CArpSpoofingAddDlg::passesChecks(const QString& ip, const QString& mac, const PortFlags& ports)
{
    if (!IsValidHostAddress(ip)) {
        MessageBox::info(QStringLiteral("Multicast IP is not allowed"));
        return false;
    }
    // Format and broadcast as everywhere; this page words the multicast refusal its own way.
    if (!ValidateMacText(mac, true))
        return false;
    if (HexDigitValue(mac[1].unicode()) & 1) {
        MessageBox::info(QStringLiteral("Multicast MAC address is not allowed."));
        return false;
    }
    for (const ArpSpoofingEntry& entry : m_listed) {
        if (entry.ip != ip)
            continue;
        MessageBox::info(entry.mac.compare(mac, Qt::CaseInsensitive) == 0 ? QStringLiteral("Duplicate MAC and IP.")
                                                                          : QStringLiteral("Duplicate IP."));
        return false;
    }
    if (std::find(ports.begin(), ports.end(), 1) == ports.end()) {
        MessageBox::info(QStringLiteral("Invalid Port Number"));
        return false;
    }
    if (!m_data.isConsistentWithLinks(ports)) {
        MessageBox::info(QStringLiteral("ARP Spoofing Prevention enabled port must match to the aggregated link port."));
        return false;
    }
    return MessageBox::question(QStringLiteral("Make sure the host IP and MAC exists or you will lose the connection."));
}

void CArpSpoofingAddDlg::apply()
{
    const QString ip = m_ip->text();
    const QString mac = m_mac->text();
    const PortFlags ports = tickedPorts();
    if (!passesChecks(ip, mac, ports))
        return;
    const std::string index = "." + ip.toStdString();
    const bool createAndGo = DeviceModel::current().arpRowsCreateAndGo();
    const NewTableRow row(deviceoid::arpSpoofingColumn(deviceoid::ArpRowStatus) + index,
                          createAndGo ? RowCreateAndGo : RowCreateAndWait);
    std::vector<SetRequest> columns(2);
    columns[0].pauseBefore(stepPauseMs).octets(deviceoid::arpSpoofingColumn(deviceoid::ArpGatewayMac) + index,
                                               MacTextToOctets(mac));
    columns[1].octets(deviceoid::arpSpoofingColumn(deviceoid::ArpPorts) + index, PortFlagsToOctets(ports));
    // The list page reads the switch again, whatever it kept.
    writeNewRow(m_data.m_cCommonSNMPSet, row, row.steps(std::move(columns), stepPauseMs),
                [this](const WriteResult&) { accept(); });
}

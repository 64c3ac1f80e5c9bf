#include "CDhcpScreeningDlg.h"

#include "CIpAddressEdit.h"
#include "CListView.h"
#include "DeviceOids.h"
#include "DeviceProfile.h"
#include "FieldLabel.h"
#include "IpAddressText.h"
#include "MessageBox.h"
#include "NewTableRow.h"
#include "PortHex.h"
#include "PortListText.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

namespace deviceoid = snmp::deviceoid;
constexpr std::size_t maxServers = 5;

} // namespace

CDhcpScreeningDlg::CDhcpScreeningDlg()
    : CPageDialog(214), m_portCount(DeviceProfile::current().portCount()), m_data(sessions(), m_portCount)
{
    setWindowTitle(QStringLiteral("DHCP Server Screening Settings  "));
    auto* layout = new QVBoxLayout(this);
    auto* fields = new QGridLayout;
    m_ports = control<QLineEdit>(IdPorts);
    QPushButton* portsAdd = addButton(QStringLiteral("&Add"), IdPortsAdd);
    m_serverIp = control<CIpAddressEdit>(IdServerIp);
    QPushButton* serverAdd = addButton(QStringLiteral("&Add"), IdServerAdd);
    fields->addWidget(LabelFor(m_ports, QStringLiteral("DHCP Server Trusted Port :"), this), 0, 0);
    fields->addWidget(m_ports, 0, 1);
    fields->addWidget(new QLabel(QStringLiteral("Ex:(1,2,4-6) "), this), 0, 2);
    fields->addWidget(portsAdd, 0, 3);
    fields->addWidget(LabelFor(m_serverIp, QStringLiteral("IP Address"), this), 1, 0);
    fields->addWidget(m_serverIp, 1, 1);
    fields->addWidget(new QLabel(QStringLiteral("Note:Maximum 5 entries"), this), 1, 2);
    fields->addWidget(serverAdd, 1, 3);
    fields->setColumnStretch(1, 1);
    layout->addLayout(fields);

    m_list = new CListView(IdList, {QStringLiteral("Index"), QStringLiteral("IP Address")}, this);
    m_list->setAccessibleName(QStringLiteral("Trusted DHCP servers"));
    layout->addWidget(m_list, 1);

    QPushButton* remove = addButton(QStringLiteral("&Delete"), IdDelete);
    QHBoxLayout* buttons = commandButtons(IdRefresh, 0, IdClose);
    buttons->insertWidget(1, remove);
    layout->addLayout(buttons);

    // Each of them acts on what was read: the listed servers, the shown ports, the links.
    for (QPushButton* button : {portsAdd, serverAdd, remove})
        reads().addWriteControl(button);
    connect(portsAdd, &QPushButton::clicked, this, &CDhcpScreeningDlg::writePorts);
    connect(serverAdd, &QPushButton::clicked, this, &CDhcpScreeningDlg::addServer);
    connect(remove, &QPushButton::clicked, this, &CDhcpScreeningDlg::deleteServer);
    resize(460, 340);
}

void CDhcpScreeningDlg::read()
{
    readGet(m_data.m_cCommonSNMP, {deviceoid::dhcpScreeningPorts}, [this](const SnmpReply& reply) {
        m_shownPorts = reply.ok() ? PortListToRangeText(reply.text(0), 1, m_portCount).text : QString();
        m_ports->setText(m_shownPorts);
    });
    m_list->clearRows();
    m_servers.clear();
    m_heldIndexes.clear();
    readWalk(m_cCommonSNMPTable,
             {deviceoid::dhcpServerColumn(deviceoid::DhcpServerIndex), deviceoid::dhcpServerColumn(deviceoid::DhcpServerAddress),
              deviceoid::dhcpServerColumn(deviceoid::DhcpServerRowStatus)},
             [this](const SnmpReply& row) { takeServer(row); });
    readLinks(m_data.links());
}

void CDhcpScreeningDlg::takeServer(const SnmpReply& row)
{
    if (const auto index = row.index(0))
        m_heldIndexes.push_back(*index);
    if (row.integer(2) != RowActive)
        return;
    const int r = m_list->appendRow(row.qtext(0));
    m_list->setCell(r, 1, row.qtext(1));
    m_servers.push_back({row.qtext(1), row.suffix(0)});
}

void CDhcpScreeningDlg::addServer()
{
    if (m_serverIp->filledFieldCount() != 4) {
        MessageBox::info(QStringLiteral("Invalid IP address."));
        return;
    }
    const QString address = m_serverIp->text();
    if (!IsValidHostAddress(address)) {
        MessageBox::info(QStringLiteral("Invalid server IP address."));
        return;
    }
    if (m_servers.size() >= maxServers) {
        MessageBox::info(QStringLiteral("The maximum entries is 5."));
        return;
    }
    for (const Server& server : m_servers) {
        if (server.address == address) {
            MessageBox::info(QStringLiteral("Duplicate server IP address."));
            return;
        }
    }
    // The new entry takes the lowest index no row of the table holds, listed or not.
    const auto free = NewTableRow::freeIndex(m_heldIndexes, 1, (long long)(m_heldIndexes.size()) + 1);
    const std::string index = "." + std::to_string(*free);
    const NewTableRow row(deviceoid::dhcpServerColumn(deviceoid::DhcpServerRowStatus) + index);
    std::vector<SetRequest> columns(1);
    columns[0].ipAddress(deviceoid::dhcpServerColumn(deviceoid::DhcpServerAddress) + index, address.toStdString());
    writeNewRow(m_data.m_cCommonSNMPSet, row, row.steps(std::move(columns)), [this](const WriteResult&) { refresh(); });
}

void CDhcpScreeningDlg::deleteServer()
{
    const QModelIndexList rows = m_list->selectionModel()->selectedRows();
    if (rows.isEmpty() || rows.first().row() >= int(m_servers.size())) {
        MessageBox::info(QStringLiteral("Please select the entry to delete."));
        return;
    }
    SetRequest destroy;
    destroy.integer(deviceoid::dhcpServerColumn(deviceoid::DhcpServerRowStatus) + m_servers[std::size_t(rows.first().row())].index,
                    RowDestroy);
    write(m_data.m_cCommonSNMPSet, {destroy}, [this](const WriteResult&) { refresh(); });
}

// An unchanged text writes nothing; an empty one writes an empty port list.
void CDhcpScreeningDlg::writePorts()
{
    const QString text = m_ports->text();
    if (text == m_shownPorts)
        return;
    if (!IsPortListChars(text)) {
        MessageBox::info(QStringLiteral("Invalid Port list"));
        return;
    }
    PortFlags flags(std::size_t(m_portCount), 0);
    if (!ParsePortListText(text, flags))
        return;
    if (!m_data.isConsistentWithLinks(flags)) {
        MessageBox::info(QStringLiteral("The link aggregation member port can not be configured."));
        return;
    }
    SetRequest request;
    request.octets(deviceoid::dhcpScreeningPorts, PortFlagsToOctets(flags));
    write(m_data.m_cCommonSNMPSet, {request}, [this](const WriteResult&) { refresh(); });
}

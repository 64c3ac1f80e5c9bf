#include "CArpSpoofingDlg.h"

#include "CArpSpoofingAddDlg.h"
#include "CListView.h"
#include "DeviceOids.h"
#include "DeviceProfile.h"
#include "FieldLabel.h"
#include "MacText.h"
#include "MessageBox.h"
#include "PortListText.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

namespace deviceoid = snmp::deviceoid;
const std::string rowStatus = deviceoid::arpSpoofingColumn(deviceoid::ArpRowStatus);
// The ports are shown from the first eight octets of the value (two per 16 ports).
constexpr std::size_t portOctetsShown = 8;
constexpr int deletePauseMs = 50;

} // namespace

CArpSpoofingDlg::CArpSpoofingDlg() : CPageDialog(196), m_portCount(DeviceProfile::current().portCount())
{
    setWindowTitle(QStringLiteral("ARP Spoofing Prevention Setting"));
    auto* layout = new QVBoxLayout(this);
    m_list = new CListView(IdList,
                           {QStringLiteral("Index"), QStringLiteral("Router/Gateway IP Address"),
                            QStringLiteral("Router/Gateway MAC Address"), QStringLiteral("Ports")},
                           this);
    m_list->setAccessibleName(windowTitle());
    layout->addWidget(m_list, 1);

    auto* totals = new QHBoxLayout;
    m_total = new QLabel(QStringLiteral("0"), this);
    m_total->setObjectName(QString::number(IdTotal));
    m_total->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000")));
    totals->addWidget(LabelFor(m_total, QStringLiteral("Total Entries:"), this));
    totals->addWidget(m_total);
    totals->addStretch();
    totals->addWidget(new QLabel(QStringLiteral("( Note:64 Entries Maximum ) "), this));
    layout->addLayout(totals);

    QPushButton* add = addButton(QStringLiteral("&Add"), IdAdd);
    QPushButton* remove = addButton(QStringLiteral("&Delete"), IdDelete);
    // Adding checks the listed entries and deleting names one: both wait for the list.
    reads().addWriteControl(add);
    reads().addWriteControl(remove);
    connect(add, &QPushButton::clicked, this, &CArpSpoofingDlg::addEntry);
    connect(remove, &QPushButton::clicked, this, &CArpSpoofingDlg::deleteEntry);
    QHBoxLayout* buttons = commandButtons(IdRefresh, 0, IdClose);
    buttons->insertWidget(1, remove);
    buttons->insertWidget(1, add);
    layout->addLayout(buttons);

    resize(m_list->fullWidth() + 60, 360);
}

void CArpSpoofingDlg::read()
{
    m_list->clearRows();
    m_entries.clear();
    m_total->setText(QStringLiteral("0"));
    readWalk(
        m_cCommonSNMP,
        {deviceoid::arpSpoofingColumn(deviceoid::ArpGatewayIp), deviceoid::arpSpoofingColumn(deviceoid::ArpGatewayMac),
         deviceoid::arpSpoofingColumn(deviceoid::ArpPorts), rowStatus},
        [this](const SnmpReply& row) { takeRow(row); }, [this](int) { m_list->fitColumnsToContents(); });
}

void CArpSpoofingDlg::takeRow(const SnmpReply& row)
{
    if (row.text(3) != "1")
        return;
    ArpSpoofingEntry entry{row.qtext(0), MacOctetsText(row.text(1)), row.suffix(0)};
    const std::string ports = row.text(2).substr(0, portOctetsShown);
    const int r = m_list->appendRow(QString::number(m_list->rowCount() + 1));
    m_list->setCell(r, 1, entry.ip);
    m_list->setCell(r, 2, entry.mac);
    m_list->setCell(r, 3, PortListToRangeText(ports, 1, m_portCount).text);
    m_entries.push_back(std::move(entry));
    m_total->setText(QString::number(m_entries.size()));
}

void CArpSpoofingDlg::addEntry()
{
    if (int(m_entries.size()) >= ArpSpoofingMaxEntries) {
        MessageBox::info(QStringLiteral("The Maximum of Entry is 64, can not add any more"));
        return;
    }
    {
        CArpSpoofingAddDlg page(m_entries);
        page.exec();
    }
    refresh();
}

void CArpSpoofingDlg::deleteEntry()
{
    const QModelIndexList rows = m_list->selectionModel()->selectedRows();
    if (rows.isEmpty() || rows.first().row() >= int(m_entries.size())) {
        MessageBox::info(QStringLiteral("Please select the entry you would be delete!"));
        return;
    }
    SetRequest destroy;
    destroy.integer(rowStatus + m_entries[std::size_t(rows.first().row())].index, 6);
    write(m_cCommonSNMPSet, {destroy}, [this](const WriteResult& result) {
        if (result.ok())
            refreshAfter(deletePauseMs);
        else
            refresh();
    });
}

#include "CIMPBSmartBinding.h"

#include "CIpAddressEdit.h"
#include "CListView.h"
#include "DeviceProfile.h"
#include "FieldGrid.h"
#include "IpAddressText.h"
#include "MacText.h"
#include "MessageBox.h"
#include "NumberText.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

constexpr int rereadPauseMs = 50;
constexpr int scanCommand = 1;

} // namespace

CIMPBSmartBinding::CIMPBSmartBinding()
    : CPageDialog(142), m_portCount(DeviceProfile::current().portCount()), m_data(sessions(), m_portCount)
{
    setWindowTitle(QStringLiteral("Smart Binding"));
    auto* layout = new QVBoxLayout(this);
    auto* groups = new QHBoxLayout;

    auto* manual = new QGroupBox(QStringLiteral("Manual Binding"), this);
    auto* manualGrid = new FieldGrid(manual);
    manual->setLayout(manualGrid);
    m_ip = control<CIpAddressEdit>(IdIp);
    m_mac = control<QLineEdit>(IdMac);
    m_port = control<QLineEdit>(IdPort);
    manualGrid->addRow(QStringLiteral("IP Address"), m_ip);
    manualGrid->addRow(QStringLiteral("MAC Address"), m_mac);
    manualGrid->addRow(QStringLiteral("Ports"), m_port);
    QPushButton* add = addButton(QStringLiteral("&Add"), IdAdd);
    manualGrid->addWidget(add, manualGrid->rowCount(), 1, Qt::AlignRight);
    groups->addWidget(manual);

    auto* autoScan = new QGroupBox(QStringLiteral("Auto Scan"), this);
    auto* scanGrid = new FieldGrid(autoScan);
    autoScan->setLayout(scanGrid);
    m_scanFrom = control<CIpAddressEdit>(IdScanFrom);
    m_scanTo = control<CIpAddressEdit>(IdScanTo);
    scanGrid->addRow(QStringLiteral("IP Address From"), m_scanFrom);
    scanGrid->addRow(QStringLiteral("To"), m_scanTo);
    QPushButton* scanButton = addButton(QStringLiteral("&Scan"), IdScan);
    scanGrid->addWidget(scanButton, scanGrid->rowCount(), 1, Qt::AlignRight);
    groups->addWidget(autoScan);
    layout->addLayout(groups);

    auto* listInfo = new QGroupBox(QStringLiteral("List Info"), this);
    auto* listLayout = new QVBoxLayout(listInfo);
    m_list = new CListView(IdList,
                           {QStringLiteral("VID"), QStringLiteral("IP Address"), QStringLiteral("Mac Address"),
                            QStringLiteral("Port"), QStringLiteral("Binding")},
                           listInfo);
    m_list->setAccessibleName(listInfo->title());
    for (auto [c, width] : {std::pair{0, 100}, {1, 160}, {2, 170}, {3, 110}, {4, 100}})
        m_list->horizontalHeader()->resizeSection(c, width);
    listLayout->addWidget(m_list);
    layout->addWidget(listInfo, 1);

    QPushButton* bind = addButton(QStringLiteral("&Binding"), IdBind);
    reads().addWriteControl(bind); // it binds a listed entry
    QHBoxLayout* buttons = commandButtons(IdRefresh, 0, IdClose);
    buttons->insertWidget(1, bind);
    layout->addLayout(buttons);

    connect(add, &QPushButton::clicked, this, &CIMPBSmartBinding::addBinding);
    connect(scanButton, &QPushButton::clicked, this, &CIMPBSmartBinding::scan);
    connect(bind, &QPushButton::clicked, this, &CIMPBSmartBinding::bindChosen);
    resize(std::max(m_list->fullWidth() + 60, sizeHint().width()), 520);
}

void CIMPBSmartBinding::read()
{
    m_list->clearRows();
    m_found.clear();
    readWalk(m_data.m_cCommonSNMP, CIMPBData::scanColumns(), [this](const SnmpReply& row) {
        CIMPBData::ScanEntry entry = CIMPBData::scanEntry(row);
        const int r = m_list->appendRow(entry.vid);
        m_list->setCell(r, 1, entry.ip);
        m_list->setCell(r, 2, entry.mac);
        m_list->setCell(r, 3, entry.port);
        m_list->setCell(r, 4, entry.bound ? QStringLiteral("Bound") : QStringLiteral("Not Bound"));
        m_found.push_back(std::move(entry));
    });
}

void CIMPBSmartBinding::addBinding()
{
    if (m_ip->filledFieldCount() != 4 || !IsValidHostAddress(m_ip->text())) {
        MessageBox::info(QStringLiteral("Invalid IP Address."));
        return;
    }
    if (!ValidateMacText(m_mac->text(), false))
        return;
    const auto port = LeadingInteger(m_port->text());
    if (!port || *port < 1 || *port > m_portCount) {
        MessageBox::info(QStringLiteral("Invalid port number."));
        return;
    }
    PortFlags ports(std::size_t(m_portCount), 0);
    ports[std::size_t(*port - 1)] = 1;
    const NewTableRow row = CIMPBData::whiteListRow(m_ip->text(), m_mac->text());
    writeNewRow(m_data.m_cCommonSNMPSet, row, CIMPBData::addToWhiteList(row, m_ip->text(), m_mac->text(), ports),
                [this](const WriteResult& result) {
                    if (result.ok())
                        MessageBox::info(QStringLiteral("Success!"));
                    refresh();
                });
}

bool CIMPBSmartBinding::isFilledHost(CIpAddressEdit* address, const QString& incomplete)
{
    if (address->filledFieldCount() == 4)
        return true;
    MessageBox::info(incomplete);
    address->setFocus();
    return false;
}

void CIMPBSmartBinding::scan()
{
    if (!isFilledHost(m_scanFrom, QStringLiteral("Invalid From IP address !")) ||
        !isFilledHost(m_scanTo, QStringLiteral("Invalid To IP address !")))
        return;
    if (!IsValidHostAddress(m_scanFrom->text()) || !IsValidHostAddress(m_scanTo->text())) {
        MessageBox::info(QStringLiteral("Invalid IP Address."));
        return;
    }
    write(m_data.m_cCommonSNMPSet, CIMPBData::startScan(m_scanFrom->text(), m_scanTo->text(), scanCommand),
          [this](const WriteResult&) { refresh(); });
}

void CIMPBSmartBinding::bindChosen()
{
    const QModelIndexList rows = m_list->selectionModel()->selectedRows();
    if (rows.isEmpty() || rows.first().row() >= int(m_found.size())) {
        MessageBox::info(QStringLiteral("Please select the item would be Binding!\n"));
        return;
    }
    const CIMPBData::ScanEntry& entry = m_found[std::size_t(rows.first().row())];
    if (entry.bound) {
        MessageBox::info(QStringLiteral("The entry is bound."));
        return;
    }
    write(m_data.m_cCommonSNMPSet, {CIMPBData::bindScanned(entry.index)},
          [this](const WriteResult&) { refreshAfter(rereadPauseMs); });
}

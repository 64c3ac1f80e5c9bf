#include "CStpTableDlg.h"

#include "CListView.h"
#include "CStpPortConfigDlg.h"
#include "DeviceOids.h"
#include "DeviceProfile.h"
#include "FieldLabel.h"

#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int minimumRowValues = 6;

} // namespace

CStpTableDlg::CStpTableDlg() : CPageDialog(83), m_portCount(DeviceProfile::current().portCount())
{
    setWindowTitle(QStringLiteral("Spanning Tree Table"));
    auto* layout = new QVBoxLayout(this);
    m_list = new CListView(IdList,
                           {QStringLiteral("Port"), QStringLiteral("Priority"), QStringLiteral("Cost "),
                            QStringLiteral("Enable"), QStringLiteral("Status  "), QStringLiteral(" ==Designated Root== "),
                            QStringLiteral("Designated Cost"), QStringLiteral(" ==Designated Bridge== "),
                            QStringLiteral("Designated Port"), QStringLiteral("Forwardings")},
                           this);
    m_list->setAccessibleName(windowTitle());
    // The identifier columns are as wide as an identifier, so the page opens showing them whole.
    const int identifierWidth = m_list->fontMetrics().horizontalAdvance(QLatin1String(stp::WidestIdentifierText)) + 15;
    for (int column : {5, 7})
        m_list->setColumnWidth(column, std::max(m_list->columnWidth(column), identifierWidth));
    layout->addWidget(m_list, 1);

    m_entries = control<QLabel>(IdEntries, QStringLiteral("0"));
    QPushButton* portConfig = addButton(QStringLiteral("&Port Config"), IdPortConfig);
    QPushButton* refreshButton = addButton(QStringLiteral("&Refresh"), IdRefresh);
    reads().addControl(refreshButton);
    reads().addWriteControl(portConfig);
    auto* row = new QHBoxLayout;
    row->addWidget(LabelFor(m_entries, QStringLiteral("Entries:"), this));
    row->addWidget(m_entries);
    row->addStretch();
    for (QPushButton* button : {portConfig, refreshButton, addCloseButton(IdClose)})
        row->addWidget(button);
    layout->addLayout(row);

    connect(refreshButton, &QPushButton::clicked, this, &CStpTableDlg::refresh);
    connect(portConfig, &QPushButton::clicked, this, &CStpTableDlg::onPortConfig);
    connect(m_list, &QTableWidget::cellDoubleClicked, this, [this, portConfig] {
        if (portConfig->isEnabled())
            onPortConfig();
    });

    resize(m_list->fullWidth() + 30, 520);
}

// Loopback detection and spanning tree exclude each other on a port: the pass runs before the
// first read, with Refresh and Port Config waiting for it.
void CStpTableDlg::onOpen()
{
    reads().begin();
    passLoopbackDetection(1);
}

void CStpTableDlg::passLoopbackDetection(int port)
{
    if (port > m_portCount) {
        reads().end(true);
        refresh();
        return;
    }
    sessions().get(m_cCommonSNMP, {snmp::deviceoid::lbdPortState + "." + std::to_string(port)},
                   [this, port](const SnmpReply& reply) {
                       if (reply.ok() && reply.text(0) == "1") {
                           SetRequest off;
                           off.integer(stp::portColumn(stp::PortEnable) + "." + std::to_string(port), 2);
                           write(m_cCommonSNMP, {off},
                                 [this, port](const WriteResult& result) { passedLoopbackDetection(port, result.ok()); });
                           return;
                       }
                       passedLoopbackDetection(port, reply.ok());
                   });
}

void CStpTableDlg::passedLoopbackDetection(int port, bool goOn)
{
    if (goOn) {
        passLoopbackDetection(port + 1);
    } else {
        reads().end(true);
        refresh();
    }
}

void CStpTableDlg::read()
{
    m_list->clearRows();
    m_rows.clear();
    m_entries->setText(QStringLiteral("0"));
    readWalk(
        m_cCommonSNMP,
        {stp::portColumn(stp::PortNumber), stp::portColumn(stp::PortPriority), stp::portColumn(stp::PortPathCost),
         stp::portColumn(stp::PortEnable), stp::portColumn(stp::PortState), stp::portColumn(stp::PortDesignatedRoot),
         stp::portColumn(stp::PortDesignatedCost), stp::portColumn(stp::PortDesignatedBridge),
         stp::portColumn(stp::PortDesignatedPort), stp::portColumn(stp::PortForwardTransitions)},
        [this](const SnmpReply& reply) { takeRow(reply); },
        [this](int) {
            // Wider values widen their columns, and the page grows to show them all.
            m_list->fitColumnsToContents();
            resize(std::max(width(), m_list->fullWidth() + 30), height());
        },
        {0, minimumRowValues});
}

void CStpTableDlg::takeRow(const SnmpReply& reply)
{
    m_rows.push_back(stp::PortRow::from(reply));
    const QStringList cells = m_rows.back().cells();
    const int row = m_list->appendRow(cells.front());
    for (int c = 1; c < cells.size(); ++c)
        m_list->setCell(row, c, cells[c]);
    m_entries->setText(QString::number(m_rows.size()));
    m_entries->setAccessibleName(m_entries->text());
}

void CStpTableDlg::onPortConfig()
{
    if (m_rows.empty())
        return;
    const QModelIndexList selected = m_list->selectionModel()->selectedRows();
    openPortConfig(selected.isEmpty() ? 0 : selected.first().row());
}

void CStpTableDlg::openPortConfig(int row)
{
    CStpPortConfigDlg page(m_rows, row);
    if (page.exec() == QDialog::Accepted)
        refresh();
}

#include "CLldpRemoteDlg.h"

#include "CListView.h"
#include "DeviceOids.h"
#include "FieldLabel.h"
#include "LaunchParams.h"
#include "LldpTexts.h"
#include "MessageBox.h"
#include "Utf8Text.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

namespace deviceoid = snmp::deviceoid;

// lldpRemTable columns .4 (chassis ID subtype) to .10 (system description); the row index is
// time mark, local port, remote index.
std::vector<std::string> remoteColumns()
{
    std::vector<std::string> columns;
    for (int c = 4; c <= 10; ++c)
        columns.push_back("1.0.8802.1.1.2.1.4.1.1." + std::to_string(c));
    return columns;
}
enum Value { VChassisSubtype, VChassisId, VPortSubtype, VPortId, VPortDescription, VSystemName, VSystemDescription };
enum Column { ColPort, ColEntity, ColChassisSubtype, ColChassisId, ColPortSubtype, ColPortId, ColPortDescription,
              ColSystemName, ColSystemDescription };
constexpr int wideColumn = 150;

} // namespace

CLldpRemoteDlg::CLldpRemoteDlg() : CPageDialog(180)
{
    setWindowTitle(QStringLiteral("LLDP Remote Port Information"));
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(QStringLiteral("  LLDP Remote Port Brief Table "), this);
    auto* groupLayout = new QVBoxLayout(group);
    auto* countRow = new QHBoxLayout;
    m_count = control<QLineEdit>(IdCount);
    m_count->setReadOnly(true);
    m_count->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("000000")));
    countRow->addWidget(LabelFor(m_count, QStringLiteral("Remote Entities Count: "), group));
    countRow->addWidget(m_count);
    countRow->addStretch();
    groupLayout->addLayout(countRow);

    m_table = new QWidget(group);
    auto* tableLayout = new QVBoxLayout(m_table);
    tableLayout->setContentsMargins(0, 0, 0, 0);
    m_list = new CListView(IdList,
                           {QStringLiteral("Port"), QStringLiteral("Entity"), QStringLiteral("Chassis ID Subtype"),
                            QStringLiteral("Chassis ID"), QStringLiteral("Port ID Subtype"), QStringLiteral("Port ID"),
                            QStringLiteral("Port Description"), QStringLiteral("System Name"),
                            QStringLiteral("System Description")},
                           m_table);
    m_list->setAccessibleName(QStringLiteral("LLDP Remote Port Brief Table"));
    for (int column : {ColChassisId, ColPortDescription, ColSystemName, ColSystemDescription})
        m_list->setColumnWidth(column, wideColumn);
    tableLayout->addWidget(m_list, 1);
    tableLayout->addLayout(commandButtons(IdRefresh, 0, 0));
    groupLayout->addWidget(m_table, 1);
    layout->addWidget(group, 1);
    layout->addLayout(buttonRow({addCloseButton(IdClose)}));

    m_count->setText(QStringLiteral("0"));
    resize(860, 420);
}

// With SNMP version 1 the page looks at the LLDP state first and reads the neighbours; with
// version 3 it waits for Refresh.
void CLldpRemoteDlg::onOpen()
{
    if (LaunchParams::current().SnmpVersion != "1")
        return;
    readGet(m_cCommonSNMPEnabled, {deviceoid::lldp(deviceoid::LldpState)}, [this](const SnmpReply& reply) {
        if (!reply.ok()) {
            MessageBox::info(QStringLiteral("Get LLDP remote port information unsuccessful!"));
            return;
        }
        m_table->setEnabled(reply.text(0) != "2");
        refresh();
    });
}

void CLldpRemoteDlg::read()
{
    m_count->setText(QStringLiteral("0"));
    m_list->clearRows();
    readWalk(
        m_cCommonSNMP, remoteColumns(), [this](const SnmpReply& row) { takeRow(row); },
        [this](int status) {
            if (status == -2 && m_list->rowCount() == 0) {
                MessageBox::info(QStringLiteral("There is no LLDP Remote Port"));
                m_count->setText(QStringLiteral("0"));
            }
        });
}

void CLldpRemoteDlg::takeRow(const SnmpReply& reply)
{
    if (reply.count() <= VSystemDescription)
        return;
    // The index is time mark . local port . remote index.
    const QStringList index = QString::fromStdString(reply.suffix(0)).split(QLatin1Char('.'), Qt::SkipEmptyParts);
    const int row = m_list->appendRow(index.size() >= 2 ? index.at(index.size() - 2) : QString());
    m_list->setCell(row, ColEntity, index.isEmpty() ? QString() : index.last());
    m_list->setCell(row, ColChassisSubtype, ChassisIdSubtypeText(reply.text(VChassisSubtype)));
    m_list->setCell(row, ColChassisId, ChassisIdText(reply.text(VChassisId)));
    m_list->setCell(row, ColPortSubtype, PortIdSubtypeText(reply.text(VPortSubtype)));
    m_list->setCell(row, ColPortId, TextFromUtf8(reply.text(VPortId)));
    m_list->setCell(row, ColPortDescription, TextFromUtf8(reply.text(VPortDescription)));
    m_list->setCell(row, ColSystemName, TextFromUtf8(reply.text(VSystemName)));
    m_list->setCell(row, ColSystemDescription, TextFromUtf8(reply.text(VSystemDescription)));
    m_count->setText(QStringLiteral("  %1").arg(m_list->rowCount()));
}

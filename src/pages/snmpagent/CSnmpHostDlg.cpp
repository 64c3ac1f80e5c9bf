#include "CSnmpHostDlg.h"

#include "CIpAddressEdit.h"
#include "CListView.h"
#include "FieldGrid.h"
#include "IpAddressText.h"
#include "MessageBox.h"
#include "NameText.h"
#include "TypingLimit.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

constexpr int maxNameChars = 32;
constexpr std::size_t maxHosts = 10;

} // namespace

CSnmpHostDlg::CSnmpHostDlg() : CSnmpAgentAdmin(205)
{
    setWindowTitle(QStringLiteral("SNMP Host Table"));
    auto* layout = new QVBoxLayout(this);

    auto* group = new QGroupBox(QStringLiteral("Host Table Info"), this);
    auto* groupLayout = new QVBoxLayout(group);
    m_list = new CListView(IdList,
                           {QStringLiteral("Host IP Address"), QStringLiteral("SNMP Version"),
                            QStringLiteral("Community Name/SNMPv3 User Name ")},
                           group);
    m_list->setAccessibleName(group->title());
    m_list->setColumnWidth(0, 150);
    m_list->setColumnWidth(1, 130);
    m_list->setColumnWidth(2, 250);
    groupLayout->addWidget(m_list);
    layout->addWidget(group, 1);

    m_address = control<CIpAddressEdit>(IdAddress);
    m_version = control<QComboBox>(IdVersion);
    m_version->addItems({QStringLiteral("V1"), QStringLiteral("V2c"), QStringLiteral("V3-NoAuthNoPriv"),
                         QStringLiteral("V3-AuthNoPriv"), QStringLiteral("V3-AuthPriv")});
    m_name = control<QLineEdit>(IdName);
    TypingLimit::apply(m_name, maxNameChars);
    auto* grid = new FieldGrid(this);
    grid->addRow(QStringLiteral("Host IP Adress"), m_address);
    grid->addRow(QStringLiteral("SNMP Version"), m_version);
    grid->addRow(QStringLiteral("Community String/SNMPv3 User Name"), m_name);
    layout->addLayout(grid);
    layout->addLayout(tableButtons(IdApply, IdDelete, IdRefresh, IdClose));

    resize(m_list->fullWidth() + 40, 420);
}

void CSnmpHostDlg::read()
{
    m_list->clearRows();
    m_rows.clear();
    walkHosts([this](const SnmpHostRecord& record) { takeHost(record); });
}

void CSnmpHostDlg::takeHost(const SnmpHostRecord& record)
{
    const int row = m_list->appendRow(record.address);
    m_list->setCell(row, 1, record.version);
    m_list->setCell(row, 2, record.name);
    m_rows.push_back(record);
}

QString CSnmpHostDlg::checkedAddress()
{
    if (m_address->filledFieldCount() < 4) {
        MessageBox::info(QStringLiteral("Invalid Host IP."));
        m_address->setFocus();
        return {};
    }
    const QString address = m_address->text();
    if (!IsValidHostAddress(address)) {
        MessageBox::info(QStringLiteral("Invalid Host IP."));
        return {};
    }
    return address;
}

void CSnmpHostDlg::apply()
{
    const QString address = checkedAddress();
    if (address.isEmpty())
        return;
    for (const SnmpHostRecord& row : m_rows) {
        if (row.address == address) {
            MessageBox::info(QStringLiteral("This IP Address has used,please enter other IP Address"));
            return;
        }
    }
    const QString name = m_name->text().trimmed();
    if (name.isEmpty()) {
        MessageBox::info(QStringLiteral("The Community String or SNMPv3 User Name can not be empty."));
        return;
    }
    if (!IsValidNameText(name)) {
        MessageBox::info(QStringLiteral("Invalid Community String/SNMPv3 User Name. "));
        return;
    }
    if (m_rows.size() >= maxHosts) {
        MessageBox::info(QStringLiteral("Maximum number of Host Entry is 10."));
        return;
    }
    const int version = m_version->currentIndex() + 1;
    createRow(hostColumn(4) + "." + address.toStdString(), {hostSettings(address, name, version)},
              [this](const WriteResult& result) {
                  if (result.ok()) {
                      m_address->clear();
                      m_version->setCurrentIndex(0);
                      m_name->clear();
                  }
                  refresh();
              });
}

void CSnmpHostDlg::deleteSelected()
{
    const int row = selectedRow(m_list);
    if (row < 0 || row >= int(m_rows.size())) {
        MessageBox::info(QStringLiteral("Please Selecte the Item you would delete"));
        return;
    }
    setRowStatus(hostColumn(4) + m_rows[std::size_t(row)].index, RowDestroy,
                 [this](const WriteResult&) { refresh(); });
}

#include "CMulticastEntryDlg.h"

#include "CIgmpSnoopingData.h"
#include "CListView.h"
#include "DeviceProfile.h"

#include <QVBoxLayout>

namespace {

const int columnWidths[] = {80, 80, 150, 180, 140};

} // namespace

CMulticastEntryDlg::CMulticastEntryDlg() : CPageDialog(202)
{
    setWindowTitle(QStringLiteral("Multicast Entry Table"));
    auto* layout = new QVBoxLayout(this);
    m_list = new CListView(IdList,
                           {QStringLiteral("Group ID"), QStringLiteral("VLAN ID"), QStringLiteral("Multicast  Group"),
                            QStringLiteral("Multicast MAC address"), QStringLiteral("Port Members")},
                           this);
    for (int c = 0; c < int(std::size(columnWidths)); ++c)
        m_list->setColumnWidth(c, columnWidths[c]);
    m_list->setAccessibleName(QStringLiteral("Multicast Entry Table"));
    layout->addWidget(m_list, 1);
    layout->addLayout(commandButtons(IdRefresh, 0, IdClose));
    resize(m_list->fullWidth() + 24, 360);
}

void CMulticastEntryDlg::read()
{
    m_list->clearRows();
    const int portCount = DeviceProfile::current().portCount();
    readWalk(m_cCommonSNMP, CIgmpSnoopingData::groupColumns(), [this, portCount](const SnmpReply& reply) {
        const CIgmpSnoopingData::GroupRow group = CIgmpSnoopingData::groupRow(reply, portCount);
        // Groups are numbered by their place in the list, not by the switch's index.
        const int row = m_list->appendRow(QString::number(m_list->rowCount() + 1));
        m_list->setCell(row, 1, group.vlanId);
        m_list->setCell(row, 2, group.group);
        m_list->setCell(row, 3, group.mac);
        m_list->setCell(row, 4, group.members);
    });
}

#include "CMulticastFilterDlg.h"

#include "CListView.h"
#include "DeviceOids.h"
#include "DeviceProfile.h"
#include "FieldLabel.h"
#include "MessageBox.h"
#include "PortRangePair.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {

namespace deviceoid = snmp::deviceoid;

const QString forwardText = QStringLiteral("Forward Unregistered Groups");
const QString filterText = QStringLiteral("Filtering Unregistered Groups");
// The switch is given a moment after the write before it is read again.
constexpr int rereadPauseMs = 50;

} // namespace

CMulticastFilterDlg::CMulticastFilterDlg()
    : CPageDialog(501),
      m_portCount(DeviceProfile::current().portCount()),
      m_links(sessions(), m_cCommonSNMPTableGetTrunk, m_portCount)
{
    setWindowTitle(QStringLiteral("Multicast Filtering Mode Configuration"));
    auto* layout = new QVBoxLayout(this);

    auto* fields = new QHBoxLayout;
    m_from = control<QComboBox>(IdFromPort);
    m_to = control<QComboBox>(IdToPort);
    m_mode = control<QComboBox>(IdMode);
    m_mode->addItems({forwardText, filterText});
    m_range = new PortRangePair(m_from, m_to, m_portCount, QStringLiteral("'To Port' can not be smaller than 'From Port'"));
    m_to->setCurrentIndex(m_to->count() - 1);
    for (auto [field, caption] : {std::pair<QWidget*, const char*>{m_from, "From Port"},
                                  {m_to, "To Port"},
                                  {m_mode, "Multicast Filtering Mode"}}) {
        fields->addWidget(LabelFor(field, QString::fromLatin1(caption), this));
        fields->addWidget(field);
        fields->addSpacing(8);
    }
    QPushButton* applyButton = addButton(QStringLiteral("&Apply"), IdApply);
    connect(applyButton, &QPushButton::clicked, this, [this] { apply(); });
    reads().addWriteControl(applyButton);
    fields->addStretch();
    fields->addWidget(applyButton);
    layout->addLayout(fields);

    m_list = new CListView(IdList, {QStringLiteral("Port"), QStringLiteral("Multicast Filtering Mode")}, this);
    m_list->setColumnWidth(0, 150);
    m_list->setColumnWidth(1, 320);
    for (int column = 0; column < 2; ++column)
        m_list->horizontalHeaderItem(column)->setTextAlignment(Qt::AlignCenter);
    m_list->setAccessibleName(QStringLiteral("Multicast Filtering Mode"));
    layout->addWidget(m_list, 1);
    layout->addLayout(commandButtons(IdRefresh, 0, IdClose));
    resize(std::max(m_list->fullWidth(), fields->sizeHint().width()) + 24, 480);
}

// Apply checks the links of the ports it writes: it waits for both walks.
void CMulticastFilterDlg::read()
{
    m_list->clearRows();
    readLinks(m_links);
    readWalk(m_cCommonSNMPTable, {deviceoid::multicastFilterColumn(1), deviceoid::multicastFilterColumn(2)},
             [this](const SnmpReply& reply) {
                 const int row = m_list->appendRow(reply.qtext(0));
                 m_list->setCell(row, 1, reply.text(1) == "1" ? forwardText : filterText);
                 for (int column = 0; column < 2; ++column) {
                     if (QTableWidgetItem* cell = m_list->item(row, column))
                         cell->setTextAlignment(Qt::AlignCenter);
                 }
             });
}

void CMulticastFilterDlg::apply()
{
    const int from = m_range->fromPort();
    const int to = std::min(m_range->toPort(), m_portCount);
    if (from < 1 || to < from)
        return;
    for (int port = from; port <= to; ++port) {
        if (m_links.linkOf(port) != 0) {
            MessageBox::info(QStringLiteral("Ports with different Multicast Filtering Mode in an aggregated link is invalid."));
            return;
        }
    }
    const int mode = m_mode->currentIndex() == 0 ? 1 : 2;
    SetRequest request;
    for (int port = from; port <= to; ++port)
        request.integer(deviceoid::multicastFilterColumn(2) + "." + std::to_string(port), mode);
    write(m_cCommonSNMP, {request}, [this](const WriteResult&) { refreshAfter(rereadPauseMs); });
}

#include "CLldpMedDlg.h"

#include "CListView.h"
#include "DeviceOids.h"
#include "FieldLabel.h"
#include "MessageBox.h"
#include "PortRangePair.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QTimer>
#include <QVBoxLayout>

namespace {

namespace deviceoid = snmp::deviceoid;

// The switch takes a moment before its table shows the new values.
constexpr int settleAfterWriteMs = 1000;

} // namespace

CLldpMedDlg::CLldpMedDlg() : CPageDialog(181)
{
    setWindowTitle(QStringLiteral("LLDP MED Settings"));
    auto* layout = new QVBoxLayout(this);
    m_settings = new QWidget(this);
    auto* settingsLayout = new QVBoxLayout(m_settings);
    settingsLayout->setContentsMargins(0, 0, 0, 0);

    auto* group = new QGroupBox(QStringLiteral("LLDP-MED Power PSE TLV Setting"), m_settings);
    auto* fields = new QHBoxLayout(group);
    m_from = control<QComboBox>(IdFromPort);
    m_to = control<QComboBox>(IdToPort);
    m_pseTlv = control<QComboBox>(IdPseTlv);
    m_pseTlv->addItems({QStringLiteral("Enable"), QStringLiteral("Disable")});
    m_pseTlv->setCurrentIndex(1);
    for (auto [field, caption] : {std::pair<QComboBox*, const char*>{m_from, "From Port"}, {m_to, "To Port"},
                                  {m_pseTlv, "Power PSE TLV"}}) {
        fields->addWidget(LabelFor(field, QString::fromLatin1(caption), group));
        fields->addWidget(field);
    }
    fields->addStretch();
    settingsLayout->addWidget(group);

    m_list = new CListView(IdList, {QStringLiteral("   Port "), QStringLiteral("Power PSE TLV")}, m_settings);
    m_list->setAccessibleName(QStringLiteral("Power PSE TLV"));
    m_list->setColumnWidth(0, 80);
    m_list->setColumnWidth(1, 300);
    settingsLayout->addWidget(m_list, 1);
    // Apply first, then Refresh, as the page has always had them.
    QHBoxLayout* commands = commandButtons(IdRefresh, IdApply, 0);
    commands->removeWidget(applyButton());
    commands->insertWidget(1, applyButton());
    settingsLayout->addLayout(commands);
    layout->addWidget(m_settings, 1);
    layout->addLayout(buttonRow({addCloseButton(IdClose)}));

    fillPortLists(0);
    resize(m_list->fullWidth() + 40, 460);
}

void CLldpMedDlg::fillPortLists(int ports)
{
    delete m_range;
    m_range = new PortRangePair(m_from, m_to, ports, QStringLiteral("'To Port' can not be smaller than 'From Port'"));
    for (QComboBox* list : {m_from, m_to}) {
        for (int i = 0; i < list->count(); ++i)
            list->setItemText(i, QStringLiteral("   %1 ").arg(i + 1));
        list->setCurrentIndex(ports > 0 ? 0 : -1);
    }
}

// The switch's LLDP state decides whether anything can be set; the table is read either way.
void CLldpMedDlg::read()
{
    readGet(m_cCommonSNMPEnable, {deviceoid::lldp(deviceoid::LldpState)}, [this](const SnmpReply& reply) {
        if (reply.ok()) {
            const bool lldpOn = reply.text(0) != "2";
            if (!lldpOn)
                MessageBox::info(QStringLiteral("The LLDP is disable ,so can not set LLDP MED !"));
            m_settings->setEnabled(lldpOn);
        }
        readPorts();
    });
}

void CLldpMedDlg::readPorts()
{
    m_list->clearRows();
    readWalk(
        m_cCommonSNMP, {deviceoid::lldpPseTlv},
        [this](const SnmpReply& row) {
            const int r = m_list->appendRow(QStringLiteral("    %1").arg(m_list->rowCount() + 1));
            m_list->setCell(r, 1, row.text(0) == "2" ? QStringLiteral("Disable") : QStringLiteral("Enable"));
        },
        [this](int) { fillPortLists(m_list->rowCount()); });
}

void CLldpMedDlg::apply()
{
    const int value = m_pseTlv->currentIndex() == 0 ? 1 : 2;
    std::vector<SetRequest> requests;
    for (int port = m_range->fromPort(); port >= 1 && port <= m_range->toPort(); ++port) {
        SetRequest request;
        request.integer(deviceoid::lldpPseTlv + "." + std::to_string(port), value);
        requests.push_back(std::move(request));
    }
    write(m_cCommonSNMPSet, requests, [this](const WriteResult&) {
        reads().begin();
        QTimer::singleShot(settleAfterWriteMs, this, [this] {
            reads().end(true);
            readPorts();
        });
    });
}

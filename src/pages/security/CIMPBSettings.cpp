#include "CIMPBSettings.h"

#include "CListView.h"
#include "DeviceProfile.h"
#include "FieldLabel.h"
#include "MessageBox.h"
#include "PortRangePair.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QVBoxLayout>

namespace {

enum InspectionItem { ArpOnly, ArpAndIp };
constexpr int rereadPauseMs = 50;

} // namespace

CIMPBSettings::CIMPBSettings()
    : CPageDialog(141), m_portCount(DeviceProfile::current().portCount()), m_data(sessions(), m_portCount)
{
    setWindowTitle(QStringLiteral("Smart Binding Settings"));
    auto* layout = new QVBoxLayout(this);
    auto* fields = new QGridLayout;
    m_from = control<QComboBox>(IdFromPort);
    m_to = control<QComboBox>(IdToPort);
    m_range = new PortRangePair(m_from, m_to, m_portCount, QStringLiteral("'To Port' can not be smaller than 'From Port'"));
    m_admin = control<QComboBox>(IdAdmin);
    m_admin->addItems({QStringLiteral("Disabled"), QStringLiteral("Enabled")});
    m_inspection = control<QComboBox>(IdInspection);
    m_inspection->addItems({QStringLiteral("ARP Inspection"), QStringLiteral("ARP+IP Inspection")});
    m_snooping = control<QComboBox>(IdSnooping);
    m_snooping->addItems({QStringLiteral("Disabled"), QStringLiteral("Enabled")});
    int column = 0;
    for (auto [field, caption] : {std::pair<QWidget*, const char*>{m_from, "From Port"},
                                  {m_to, "To Port"},
                                  {m_admin, "Admin State"},
                                  {m_inspection, "Also inspect IP packets"},
                                  {m_snooping, "DHCP Snooping"}}) {
        fields->addWidget(LabelFor(field, QString::fromLatin1(caption), this), 0, column);
        fields->addWidget(field, 1, column++);
    }
    layout->addLayout(fields);

    m_list = new CListView(IdList,
                           {QStringLiteral("Port"), QStringLiteral("Admin State"), QStringLiteral("Also inspect IP packets"),
                            QStringLiteral("DHCP Snooping")},
                           this);
    m_list->setAccessibleName(windowTitle());
    for (auto [c, width] : {std::pair{0, 80}, {1, 120}, {2, 180}, {3, 120}})
        m_list->horizontalHeader()->resizeSection(c, width);
    layout->addWidget(m_list, 1);
    layout->addLayout(commandButtons(IdRefresh, IdApply, IdClose));
    resize(std::max(m_list->fullWidth() + 40, sizeHint().width()), 460);
}

// Apply checks the links: it waits for their walk as for the port settings.
void CIMPBSettings::read()
{
    readLinks(m_data.links());
    readPorts();
}

void CIMPBSettings::readPorts()
{
    m_list->clearRows();
    readWalk(m_data.m_cCommonSNMP, CIMPBData::portSettingsColumns(), [this](const SnmpReply& row) {
        const CIMPBData::PortSettings settings = CIMPBData::portSettings(row);
        const int r = m_list->appendRow(settings.port);
        m_list->setCell(r, 1, settings.admin);
        m_list->setCell(r, 2, settings.inspection);
        m_list->setCell(r, 3, settings.snooping);
    });
}

void CIMPBSettings::apply()
{
    const int admin = m_admin->currentIndex() == 1 ? 1 : 0;
    const int inspection = m_inspection->currentIndex() == ArpAndIp ? 0 : 1;
    const int snooping = m_snooping->currentIndex() == 1 ? 1 : 0;
    const int from = std::max(m_range->fromPort(), 1);
    const int to = std::min(m_range->toPort(), m_portCount);
    if (from == 1 && to == m_portCount && admin == 1) {
        MessageBox::info(QStringLiteral("This operation will cause device to out of control."));
        m_admin->setCurrentIndex(0);
        return;
    }
    if (!m_data.allowsBindingOn(from, to, admin)) {
        MessageBox::info(QStringLiteral("Cannot add a port-security enabled port to an aggregated link."));
        return;
    }
    write(m_data.m_cCommonSNMPSet, CIMPBData::portSettingsWrite(from, to, admin, inspection, snooping),
          [this](const WriteResult&) { refreshAfter(rereadPauseMs); });
}

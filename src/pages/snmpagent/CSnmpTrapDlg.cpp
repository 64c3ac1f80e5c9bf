#include "CSnmpTrapDlg.h"

#include "DeviceModel.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QVBoxLayout>

namespace {

constexpr int firstPoeSwitch = 5;

} // namespace

CSnmpTrapDlg::CSnmpTrapDlg() : CSnmpAgentAdmin(207), m_poe(DeviceModel::current().poe())
{
    setWindowTitle(QStringLiteral("SNMP Trap Configuration"));
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(QStringLiteral("Trap Settings"), this);
    group->setObjectName(QString::number(IdGroup));
    auto* groupLayout = new QVBoxLayout(group);
    const std::pair<int, const char*> switches[] = {
        {IdAuthentication, "SNMP Authentication Traps"},
        {IdBootup, "System Device Bootup"},
        {IdLinkUpDown, "Port Link Up / Link Down"},
        {IdRstpState, "RSTP Port State Change"},
        {IdFirmware, "Firmware Upgrade State"},
        {IdPoePower, "Trap notification if POE Power On / Off"},
        {IdPoeError, "Trap notification if POE Power Error "},
        {IdPoeBudget, "Trap notification if over max power budget"},
    };
    for (std::size_t i = 0; i < m_switches.size(); ++i) {
        m_switches[i] = control<QCheckBox>(switches[i].first, QString::fromLatin1(switches[i].second));
        groupLayout->addWidget(m_switches[i]);
        // Hidden widgets take no room: without PoE the group and the window end below the fifth.
        m_switches[i]->setVisible(m_poe || int(i) < firstPoeSwitch);
    }
    layout->addWidget(group);
    layout->addLayout(commandButtons(0, IdApply, IdClose));
    adjustSize();
}

void CSnmpTrapDlg::read()
{
    readTraps(m_poe, [this](const TrapSettingsRecord& settings) {
        for (std::size_t i = 0; i < m_switches.size(); ++i) {
            if (m_poe || int(i) < firstPoeSwitch)
                m_switches[i]->setChecked(settings.values[i] == "1");
        }
    });
}

void CSnmpTrapDlg::apply()
{
    TrapSettingsRecord settings;
    for (std::size_t i = 0; i < m_switches.size(); ++i)
        settings.values[i].assign(1, m_switches[i]->isChecked() ? '1' : '2');
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // Closing the page ends the write, and with it the wait cursor.
    send(traps(settings, m_poe), [](const WriteResult&) { QApplication::restoreOverrideCursor(); });
}

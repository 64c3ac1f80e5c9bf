#include "DeviceMenu.h"

#include "ModelRules.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

struct Entry {
    int command;
    const char* text;
};

} // namespace

DeviceMenu::DeviceMenu(QMenuBar* bar)
    : QObject(bar)
    , m_bar(bar)
{
    auto addAll = [this](QMenu* menu, std::initializer_list<Entry> entries) {
        for (const Entry& e : entries)
            AddEntry(menu, e.command, QString::fromUtf8(e.text));
    };

    m_deviceManager = m_bar->addMenu(QStringLiteral("&Device Manager   "));
    m_deviceManager->setObjectName(QStringLiteral("menuDeviceManager"));
    addAll(AddMenu(m_deviceManager, QStringLiteral("System")),
           {{32774, "Port Configuration"},
            {32832, "&Syslog Host Configuration"},
            {32849, "Time Profile Settings"},
            {32850, "Power Saving Settings"}});
    addAll(AddMenu(m_deviceManager, QStringLiteral("VLAN")),
           {{32834, "&VLAN Configuration"},
            {32854, "802.1Q Management VLAN"},
            {32828, "&Auto Surveillance VLAN Setting "}});
    addAll(AddMenu(m_deviceManager, QStringLiteral("L2 Function")),
           {{32817, "&Jumbo Frame Configuration"},
            {32857, "Port Mirroring Settings"},
            {32813, "&Spanning Tree Configuration"},
            {32818, "&Trunk Configuration"},
            {32830, "&Multicast Filtering Mode configuration"},
            {32861, "IGMP Snooping Configuration"}});
    addAll(AddMenu(m_deviceManager, QStringLiteral("Qos")), {{32836, "Bandwidth Control"}});
    QMenu* security = AddMenu(m_deviceManager, QStringLiteral("Security"));
    addAll(security,
           {{32833, "&ARP Spoofing Prevention Setting"},
            {32829, "&DHCP Server Screening Settings"},
            {32863, "Traffic Segmentation Settings"},
            {32864, "Storm Control Settings"}});
    addAll(AddMenu(security, QStringLiteral("Smart Binding ")),
           {{32837, "Smart Binding Settings"}, {32866, "Smart Binding"}, {32867, "White List "}, {32868, "Black List "}});
    addAll(AddMenu(m_deviceManager, QStringLiteral("AAA")), {{32792, "&802.1X Configuration"}});
    addAll(AddMenu(m_deviceManager, QStringLiteral("&SNMP Setting")),
           {{32839, "SNMP Global State "},
            {32841, "SNMP User Table"},
            {32842, "SNMP Group Table"},
            {32843, "SNMP View Table"},
            {32844, "SNMP Community Table "},
            {32840, "SNMP Host Table"},
            {32845, "SNMP Engine ID"},
            {32846, "SNMP Trap Configuration"}});
    addAll(AddMenu(m_deviceManager, QStringLiteral("LLDP")),
           {{32825, "&LLDP Global Setting"}, {32826, "&LLDP Remote Port Information"}, {32827, "&LLDP MED Setting"}});
    addAll(AddMenu(m_deviceManager, QStringLiteral("PoE")), {{32870, "PoE Global Settings"}, {32852, "&PoE Port Config"}});

    QMenu* publicMib = m_bar->addMenu(QStringLiteral("&Public MIB   "));
    publicMib->setObjectName(QStringLiteral("menuPublicMib"));
    addAll(publicMib,
           {{32805, "&System Information"},
            {32809, "In&terface Table"},
            {32808, "&IP Table"},
            {32810, "Forwarding Table"},
            {32811, "&TCP Service"},
            {32812, "&UDP Service"}});

    QMenu* tools = m_bar->addMenu(QStringLiteral("&Tools   "));
    tools->setObjectName(QStringLiteral("menuTools"));
    addAll(tools,
           {{32823, "&Firmware and Configuration Upgrade/Backup"},
            {32815, "&Save Configuration"},
            {32788, "&Telnet"},
            {32789, "&Web"},
            {32797, "&Reboot"}});

    QMenu* about = m_bar->addMenu(QStringLiteral("&About   "));
    about->setObjectName(QStringLiteral("menuAbout"));
    AddEntry(about, About, QStringLiteral("About "));
}

bool DeviceMenu::IsTool(int commandId)
{
    switch (commandId) {
    case SaveConfiguration:
    case Telnet:
    case Web:
    case Reboot:
    case About:
        return true;
    default:
        return false;
    }
}

QMenu* DeviceMenu::AddMenu(QMenu* parent, const QString& title)
{
    QMenu* menu = parent->addMenu(title);
    menu->setObjectName(QStringLiteral("menu") + title.trimmed().remove(QLatin1Char('&')));
    return menu;
}

void DeviceMenu::AddEntry(QMenu* menu, int commandId, const QString& text)
{
    QAction* action = menu->addAction(text);
    action->setObjectName(QString::number(commandId));
    connect(action, &QAction::triggered, this, [this, commandId] { emit CommandTriggered(commandId); });
}

void DeviceMenu::EnablePages(const std::function<bool(int)>& available)
{
    for (QAction* action : m_bar->findChildren<QAction*>()) {
        bool isCommand = false;
        const int command = action->objectName().toInt(&isCommand);
        if (isCommand && !IsTool(command))
            action->setEnabled(available(command));
    }
}

void DeviceMenu::Prune(const std::string& deviceName)
{
    if (!ModelRules::IsPoeModel(deviceName)) {
        Remove(PoePortConfig);
        Remove(PoeGlobal);
        Remove(LldpMed);
        const QList<QAction*> entries = m_deviceManager->actions();
        if (entries.size() > kPoeMenuPosition && entries[kPoeMenuPosition]->menu())
            delete entries[kPoeMenuPosition]->menu();
    }
    if (deviceName == "SORVEX-BP B1")
        Remove(LldpMed);
    if (ModelRules::IsFastEthernetFamily(deviceName))
        Remove(JumboFrame);
}

void DeviceMenu::SetAboutText(const QString& deviceName)
{
    if (QAction* about = Action(About))
        about->setText(QStringLiteral("About ") + deviceName);
}

QAction* DeviceMenu::Action(int commandId) const
{
    return m_bar->findChild<QAction*>(QString::number(commandId));
}

void DeviceMenu::Remove(int commandId)
{
    delete Action(commandId);
}

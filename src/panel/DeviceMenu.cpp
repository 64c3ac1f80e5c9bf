#include "DeviceMenu.h"

#include "MenuCommand.h"
#include "DeviceModel.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

using namespace MenuCommand;

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
           {{PortConfiguration, "Port Configuration"},
            {SyslogHost, "&Syslog Host Configuration"},
            {TimeProfile, "Time Profile Settings"},
            {PowerSaving, "Power Saving Settings"}});
    addAll(AddMenu(m_deviceManager, QStringLiteral("VLAN")),
           {{VlanConfiguration, "&VLAN Configuration"},
            {ManagementVlan, "802.1Q Management VLAN"},
            {SurveillanceVlan, "&Auto Surveillance VLAN Setting "}});
    addAll(AddMenu(m_deviceManager, QStringLiteral("L2 Function")),
           {{JumboFrame, "&Jumbo Frame Configuration"},
            {PortMirroring, "Port Mirroring Settings"},
            {SpanningTree, "&Spanning Tree Configuration"},
            {Trunk, "&Trunk Configuration"},
            {MulticastFilteringMode, "&Multicast Filtering Mode configuration"},
            {IgmpSnooping, "IGMP Snooping Configuration"}});
    addAll(AddMenu(m_deviceManager, QStringLiteral("Qos")), {{BandwidthControl, "Bandwidth Control"}});
    QMenu* security = AddMenu(m_deviceManager, QStringLiteral("Security"));
    addAll(security,
           {{ArpSpoofingPrevention, "&ARP Spoofing Prevention Setting"},
            {DhcpServerScreening, "&DHCP Server Screening Settings"},
            {TrafficSegmentation, "Traffic Segmentation Settings"},
            {StormControl, "Storm Control Settings"}});
    addAll(AddMenu(security, QStringLiteral("Smart Binding ")),
           {{SmartBindingSettings, "Smart Binding Settings"}, {SmartBinding, "Smart Binding"}, {WhiteList, "White List "}, {BlackList, "Black List "}});
    addAll(AddMenu(m_deviceManager, QStringLiteral("AAA")), {{Dot1x, "&802.1X Configuration"}});
    addAll(AddMenu(m_deviceManager, QStringLiteral("&SNMP Setting")),
           {{SnmpGlobalState, "SNMP Global State "},
            {SnmpUserTable, "SNMP User Table"},
            {SnmpGroupTable, "SNMP Group Table"},
            {SnmpViewTable, "SNMP View Table"},
            {SnmpCommunityTable, "SNMP Community Table "},
            {SnmpHostTable, "SNMP Host Table"},
            {SnmpEngineId, "SNMP Engine ID"},
            {SnmpTrap, "SNMP Trap Configuration"}});
    addAll(AddMenu(m_deviceManager, QStringLiteral("LLDP")),
           {{LldpGlobal, "&LLDP Global Setting"}, {LldpRemotePorts, "&LLDP Remote Port Information"}, {LldpMed, "&LLDP MED Setting"}});
    addAll(AddMenu(m_deviceManager, QStringLiteral("PoE")), {{PoeGlobal, "PoE Global Settings"}, {PoePortConfig, "&PoE Port Config"}});

    QMenu* publicMib = m_bar->addMenu(QStringLiteral("&Public MIB   "));
    publicMib->setObjectName(QStringLiteral("menuPublicMib"));
    addAll(publicMib,
           {{SystemInformation, "&System Information"},
            {InterfaceTable, "In&terface Table"},
            {IpTable, "&IP Table"},
            {ForwardingTable, "Forwarding Table"},
            {TcpService, "&TCP Service"},
            {UdpService, "&UDP Service"}});

    QMenu* tools = m_bar->addMenu(QStringLiteral("&Tools   "));
    tools->setObjectName(QStringLiteral("menuTools"));
    addAll(tools,
           {{Firmware, "&Firmware and Configuration Upgrade/Backup"},
            {SaveConfiguration, "&Save Configuration"},
            {Telnet, "&Telnet"},
            {Web, "&Web"},
            {Reboot, "&Reboot"}});

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
    const DeviceModel model(deviceName);
    if (!model.poe()) {
        Remove(PoePortConfig);
        Remove(PoeGlobal);
        Remove(LldpMed);
        const QList<QAction*> entries = m_deviceManager->actions();
        if (entries.size() > kPoeMenuPosition && entries[kPoeMenuPosition]->menu())
            delete entries[kPoeMenuPosition]->menu();
    }
    if (model.isOneOf({DeviceModel::BpB1}))
        Remove(LldpMed);
    if (model.fastEthernetFamily())
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

#include "DeviceMenu.h"
#include "MenuCommand.h"
#include "PageCatalog.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <gtest/gtest.h>

namespace {

struct PruneCase {
    const char* model;
    bool poeMenu;  // the PoE popup with PoE Global Settings and PoE Port Config
    bool lldpMed;
    bool jumboFrame;
};

class DeviceMenuPruneTest : public testing::TestWithParam<PruneCase> {};

TEST_P(DeviceMenuPruneTest, KeepsWhatTheModelHas)
{
    const PruneCase& c = GetParam();
    QMenuBar bar;
    DeviceMenu menu(&bar);
    menu.Prune(c.model);

    EXPECT_EQ(menu.Action(MenuCommand::PoeGlobal) != nullptr, c.poeMenu);
    EXPECT_EQ(menu.Action(MenuCommand::PoePortConfig) != nullptr, c.poeMenu);
    EXPECT_EQ(menu.Action(MenuCommand::LldpMed) != nullptr, c.lldpMed);
    EXPECT_EQ(menu.Action(MenuCommand::JumboFrame) != nullptr, c.jumboFrame);
    QStringList popups;
    for (QAction* entry : menu.DeviceManager()->actions())
        popups << entry->text();
    QStringList expected{"System", "VLAN", "L2 Function", "Qos", "Security", "AAA", "&SNMP Setting", "LLDP"};
    if (c.poeMenu)
        expected << "PoE";
    EXPECT_EQ(popups, expected);
    // the neighbours of what was removed stay
    EXPECT_NE(menu.Action(MenuCommand::LldpRemotePorts), nullptr);
    EXPECT_NE(menu.Action(MenuCommand::PortMirroring), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Models, DeviceMenuPruneTest,
                         testing::Values(PruneCase{"SORVEX-AP B1", true, true, false},
                                         PruneCase{"SORVEX-E B1", false, false, true},
                                         PruneCase{"SORVEX-A B1", false, false, false},
                                         PruneCase{"SORVEX-BP B1", true, false, false},
                                         PruneCase{"SORVEX-C", false, false, false},
                                         // not of the family: a longer model name, or no blank before the revision
                                         PruneCase{"SORVEX-AX B1", false, false, true},
                                         PruneCase{"SORVEX-AB1", false, false, true},
                                         PruneCase{"sorvex-ep b1", true, true, true}));

TEST(DeviceMenuTest, PageEntriesAreEnabledOnlyWhenTheirPageExists)
{
    QMenuBar bar;
    DeviceMenu menu(&bar);
    menu.EnablePages([](int command) { return command == MenuCommand::PortConfiguration || command == MenuCommand::UdpService; });

    EXPECT_TRUE(menu.Action(MenuCommand::PortConfiguration)->isEnabled());
    EXPECT_TRUE(menu.Action(MenuCommand::UdpService)->isEnabled());
    EXPECT_FALSE(menu.Action(MenuCommand::SyslogHost)->isEnabled());
    EXPECT_FALSE(menu.Action(MenuCommand::Firmware)->isEnabled());
    for (int tool : {MenuCommand::SaveConfiguration, MenuCommand::Telnet, MenuCommand::Web, MenuCommand::Reboot, MenuCommand::About})
        EXPECT_TRUE(menu.Action(tool)->isEnabled()) << tool;
}

TEST(DeviceMenuTest, CarriesEveryCommandOnceAndTriggersItsId)
{
    QMenuBar bar;
    DeviceMenu menu(&bar);
    QStringList titles;
    for (QAction* top : bar.actions())
        titles << top->text();
    EXPECT_EQ(titles, (QStringList{"&Device Manager   ", "&Public MIB   ", "&Tools   ", "&About   "}));

    int commands = 0;
    for (QAction* action : bar.findChildren<QAction*>()) {
        bool ok = false;
        const int id = action->objectName().toInt(&ok);
        if (!ok)
            continue;
        ++commands;
        EXPECT_EQ(bar.findChildren<QAction*>(action->objectName()).size(), 1) << id;
    }
    EXPECT_EQ(commands, 48);

    menu.SetAboutText("SORVEX-A B1");
    EXPECT_EQ(menu.Action(MenuCommand::About)->text(), "About SORVEX-A B1");
    int triggered = 0;
    QObject::connect(&menu, &DeviceMenu::CommandTriggered, [&](int id) { triggered = id; });
    menu.Action(MenuCommand::Firmware)->setEnabled(true);
    menu.Action(MenuCommand::Firmware)->trigger();
    EXPECT_EQ(triggered, MenuCommand::Firmware);
}

} // namespace

// A page that no menu entry could open would never be seen.
TEST(DeviceMenuCatalog, EveryCatalogPageHasAMenuEntry)
{
    QMenuBar bar;
    DeviceMenu menu(&bar);
    for (int command : PageCatalog::commands()) {
        EXPECT_NE(menu.Action(command), nullptr) << command;
        EXPECT_FALSE(DeviceMenu::IsTool(command)) << command;
    }
}

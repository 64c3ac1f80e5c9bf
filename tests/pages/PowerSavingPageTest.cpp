// Power Saving Settings: the functions the model has, the summary, the profile lists filled once
// the names have arrived, and the writes of a function and of the detection switches.

#include "PageTestSupport.h"

#include "CPowerSavingDlg.h"
#include "DeviceOids.h"
#include "MenuCommand.h"
#include "PageCatalog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>

namespace {

namespace deviceoid = snmp::deviceoid;
using Id = CPowerSavingDlg::ControlId;

class PowerSavingPage : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        useModel("SORVEX-A B1");
        agent->setOctets(ps("1.1"), octets({0xf0, 0, 0, 0}));
        agent->setInteger(ps("1.2"), 1);
        agent->setOctets(ps("1.3"), "Night");
        agent->setOctets(ps("1.4"), "");
        agent->setOctets(ps("2.1"), octets({0, 0x80, 0, 0x10}));
        agent->setInteger(ps("2.2"), 2);
        agent->setOctets(ps("2.3"), "");
        agent->setOctets(ps("2.4"), "");
        agent->setInteger(ps("4.1"), 2);
        agent->setOctets(ps("4.2"), "Office");
        agent->setOctets(ps("4.3"), "Night");
        agent->setOctets(deviceoid::timeProfileColumn(2) + ".1", "Office");
        agent->setOctets(deviceoid::timeProfileColumn(2) + ".2", "Night");
    }
    void useModel(const char* name)
    {
        DeviceProfile profile;
        profile.DeviceName = name;
        DeviceProfile::setCurrent(profile);
    }
    // The objects of port standby and the detection switches (SORVEX-EP B1).
    void seedStandby()
    {
        agent->setOctets(ps("3.1"), octets({0x01, 0, 0, 0}));
        agent->setInteger(ps("3.2"), 1);
        agent->setOctets(ps("3.3"), "Office");
        agent->setOctets(ps("3.4"), "");
        agent->setInteger(ps("5"), 1);
        agent->setInteger(ps("6"), 2);
    }
    static std::string ps(const char* tail) { return deviceoid::powerSaving(tail); }
    std::vector<std::vector<std::string>> sets()
    {
        std::vector<std::vector<std::string>> texts;
        for (const auto& request : agent->requestsOfType(snmp::PduType::Set))
            texts.push_back(bindTexts(request));
        return texts;
    }
    static QStringList items(const QComboBox* list)
    {
        QStringList texts;
        for (int i = 0; i < list->count(); ++i)
            texts << list->itemText(i);
        return texts;
    }
    static QComboBox* combo(const QWidget* page, int id) { return controlOf<QComboBox>(page, id); }
    static void choose(const QWidget* page, int id, const char* item)
    {
        QComboBox* list = combo(page, id);
        const int i = list->findText(QString::fromLatin1(item));
        ASSERT_GE(i, 0) << item;
        chooseItem(list, i);
    }
};

TEST_F(PowerSavingPage, ModelWithoutPortStandbyShowsThreeFunctions)
{
    CPowerSavingDlg page;
    EXPECT_EQ(page.objectName(), "dlg129");
    ASSERT_TRUE(openAndWait(page, Id::IdAdvancedApply));
    EXPECT_EQ(items(combo(&page, Id::IdType)), (QStringList{"LED Shut-off", "Port Shut-off", "System Hibernation"}));
    EXPECT_EQ(listHeaders(&page, Id::IdSummary),
              (QStringList{"Type", "State", "Time Profile 1 ", "Time Profile 2", "Port "}));
    EXPECT_EQ(listRows(&page, Id::IdSummary),
              (std::vector<QStringList>{{"LED_Shutoff", "Enabled", "Night", "", "1,2,3,4"},
                                        {"Port_Shutoff", "Disabled", "", "", "9,28"},
                                        {"System_Hibernation", "Disabled", "Office", "Night", "All Port"}}));
    // One get of the three functions, in the switch's order.
    const auto gets = agent->requestsOfType(snmp::PduType::Get);
    ASSERT_EQ(gets.size(), 1u);
    std::vector<std::string> asked;
    for (const auto& b : gets[0].binds)
        asked.push_back(b.oid);
    EXPECT_EQ(asked, (std::vector<std::string>{ps("1.1"), ps("1.2"), ps("1.3"), ps("1.4"), ps("2.1"), ps("2.2"),
                                               ps("2.3"), ps("2.4"), ps("4.1"), ps("4.2"), ps("4.3")}));
    // The chosen function shows what the switch holds.
    EXPECT_EQ(items(combo(&page, Id::IdProfile1)), (QStringList{"None", "Office", "Night"}));
    EXPECT_EQ(combo(&page, Id::IdState)->currentText(), "Enabled");
    EXPECT_EQ(combo(&page, Id::IdProfile1)->currentText(), "Night");
    EXPECT_EQ(combo(&page, Id::IdProfile2)->currentText(), "None");
    EXPECT_EQ(controlOf<QLineEdit>(&page, Id::IdPorts)->text(), "1,2,3,4");
    EXPECT_FALSE(controlOf<QCheckBox>(&page, Id::IdCableLength)->isEnabled());

    choose(&page, Id::IdType, "Port Shut-off");
    EXPECT_EQ(combo(&page, Id::IdState)->currentText(), "Disabled");
    EXPECT_FALSE(combo(&page, Id::IdProfile1)->isEnabled());
    EXPECT_FALSE(controlOf<QLineEdit>(&page, Id::IdPorts)->isEnabled());
    choose(&page, Id::IdState, "Enabled");
    EXPECT_TRUE(controlOf<QLineEdit>(&page, Id::IdPorts)->isEnabled());
}

TEST_F(PowerSavingPage, ProfileListsWaitForTheWholeNameWalk)
{
    snmp::MemoryAgent::Fault slow;
    slow.delayMs = 700;
    agent->setObjectFault(deviceoid::timeProfileColumn(2), slow);
    CPowerSavingDlg page;
    ASSERT_TRUE(openAndWait(page, Id::IdAdvancedApply, 8000));
    EXPECT_EQ(items(combo(&page, Id::IdProfile2)), (QStringList{"None", "Office", "Night"}));
    EXPECT_EQ(combo(&page, Id::IdProfile1)->currentText(), "Night");
}

TEST_F(PowerSavingPage, FunctionWritesFollowTheSwitchsColumnOrder)
{
    CPowerSavingDlg page;
    ASSERT_TRUE(openAndWait(page, Id::IdAdvancedApply));
    controlOf<QLineEdit>(&page, Id::IdPorts)->setText(QStringLiteral("1-2,5"));
    choose(&page, Id::IdProfile1, "Office");
    agent->clearRequests();
    clickButton(&page, Id::IdAdvancedApply);
    // "None" goes out as no name on this model.
    EXPECT_EQ(sets(), (std::vector<std::vector<std::string>>{
                          {ps("1.2") + "=2:1", ps("1.1") + "=4:" + octets({0xc8, 0, 0, 0}), ps("1.3") + "=4:Office",
                           ps("1.4") + "=4:"}}));
    ASSERT_TRUE(openAndWait(page, Id::IdAdvancedApply));

    // A function switched off is its state alone; hibernation has no ports.
    choose(&page, Id::IdType, "System Hibernation");
    EXPECT_FALSE(controlOf<QLineEdit>(&page, Id::IdPorts)->isEnabled());
    agent->clearRequests();
    clickButton(&page, Id::IdAdvancedApply);
    EXPECT_EQ(sets(), (std::vector<std::vector<std::string>>{{ps("4.1") + "=2:2"}}));
    ASSERT_TRUE(openAndWait(page, Id::IdAdvancedApply));
    choose(&page, Id::IdType, "System Hibernation");
    choose(&page, Id::IdState, "Enabled");
    agent->clearRequests();
    clickButton(&page, Id::IdAdvancedApply);
    EXPECT_EQ(sets(), (std::vector<std::vector<std::string>>{
                          {ps("4.1") + "=2:1", ps("4.2") + "=4:Office", ps("4.3") + "=4:Night"}}));
}

TEST_F(PowerSavingPage, PortChecksSendNothing)
{
    struct Case {
        const char* model;
        const char* ports;
        const char* message;
    };
    const Case cases[] = {
        {"SORVEX-A B1", "1-4a", "Invalid Portlist"},
        {"SORVEX-A B1", "1.2", "Invalid Portlist"},
        {"SORVEX-A B1", "29", "Invalid Portlist"},
        {"SORVEX-G", "1-20", "Not support fiber Port."},
        {"SORVEX-H", "25", "Not support fiber Port."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.model) + " " + c.ports);
        useModel(c.model);
        CPowerSavingDlg page;
        ASSERT_TRUE(openAndWait(page, Id::IdAdvancedApply));
        controlOf<QLineEdit>(&page, Id::IdPorts)->setText(QString::fromLatin1(c.ports));
        boxes.clear();
        agent->clearRequests();
        clickButton(&page, Id::IdAdvancedApply);
        EXPECT_EQ(boxes.texts(), QStringList{c.message});
        EXPECT_TRUE(sets().empty());
    }
    // On SORVEX-G port shut-off may use every port, and "None" is written as the text "None".
    useModel("SORVEX-G");
    CPowerSavingDlg page;
    ASSERT_TRUE(openAndWait(page, Id::IdAdvancedApply));
    EXPECT_EQ(combo(&page, Id::IdType)->count(), 4);
    choose(&page, Id::IdType, "Port Shut-off");
    choose(&page, Id::IdState, "Enabled");
    controlOf<QLineEdit>(&page, Id::IdPorts)->setText(QStringLiteral("20"));
    agent->clearRequests();
    clickButton(&page, Id::IdAdvancedApply);
    EXPECT_EQ(sets(), (std::vector<std::vector<std::string>>{{ps("2.2") + "=2:1", ps("2.1") + "=4:" + octets({0, 0, 0x10, 0}),
                                                              ps("2.3") + "=4:None", ps("2.4") + "=4:None"}}));
}

TEST_F(PowerSavingPage, EpModelHasPortStandbyAndTheDetectionSwitches)
{
    useModel("SORVEX-EP B1");
    seedStandby();
    CPowerSavingDlg page;
    ASSERT_TRUE(openAndWait(page, Id::IdAdvancedApply));
    EXPECT_EQ(combo(&page, Id::IdType)->count(), 4);
    const auto rows = listRows(&page, Id::IdSummary);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[3], (QStringList{"Port_Standby", "Enabled", "Office", "", "8"}));
    EXPECT_TRUE(controlOf<QCheckBox>(&page, Id::IdCableLength)->isChecked());
    EXPECT_FALSE(controlOf<QCheckBox>(&page, Id::IdLinkStatus)->isChecked());

    // Port standby writes its ports last.
    choose(&page, Id::IdType, "Port Standby");
    EXPECT_EQ(controlOf<QLineEdit>(&page, Id::IdPorts)->text(), "8");
    agent->clearRequests();
    clickButton(&page, Id::IdAdvancedApply);
    EXPECT_EQ(sets(), (std::vector<std::vector<std::string>>{{ps("3.2") + "=2:1", ps("3.3") + "=4:Office",
                                                              ps("3.4") + "=4:", ps("3.1") + "=4:" + octets({1, 0, 0, 0})}}));
    ASSERT_TRUE(openAndWait(page, Id::IdGlobalApply));

    controlOf<QCheckBox>(&page, Id::IdLinkStatus)->setChecked(true);
    agent->clearRequests();
    clickButton(&page, Id::IdGlobalApply);
    EXPECT_EQ(sets(), (std::vector<std::vector<std::string>>{{ps("5") + "=2:1", ps("6") + "=2:1"}}));
    ASSERT_TRUE(openAndWait(page, Id::IdGlobalApply));
    EXPECT_TRUE(controlOf<QCheckBox>(&page, Id::IdLinkStatus)->isChecked());

    ASSERT_TRUE(PageCatalog::has(MenuCommand::PowerSaving));
    EXPECT_EQ(PageCatalog::create(MenuCommand::PowerSaving)->objectName(), "dlg129");
}

} // namespace

// LLDP Global Settings, LLDP MED Settings and LLDP Remote Port Information: the reads, the
// timer checks, the retried writes, and what the pages do while the switch's LLDP is off.

#include "PageTestSupport.h"

#include "CLldpGlobalDlg.h"
#include "CLldpMedDlg.h"
#include "CLldpRemoteDlg.h"
#include "DeviceOids.h"
#include "LldpTexts.h"
#include "MenuCommand.h"
#include "PageCatalog.h"

#include <QCheckBox>
#include <QLineEdit>

namespace {

namespace deviceoid = snmp::deviceoid;

TEST(LldpTexts, SubtypesAndChassisId)
{
    const char* chassis[] = {"chassisComponent", "interfaceAlias", "portComponent", "macAddress",
                             "networkAddress",   "interfaceName",  "local"};
    const char* port[] = {"interfaceAlias", "portComponent",  "macAddress", "networkAddress",
                          "interfaceName",  "agentCircuitld", "local"};
    for (int v = 1; v <= 7; ++v) {
        EXPECT_EQ(ChassisIdSubtypeText(std::to_string(v)), chassis[v - 1]);
        EXPECT_EQ(PortIdSubtypeText(std::to_string(v)), port[v - 1]);
    }
    EXPECT_EQ(ChassisIdSubtypeText("9"), "9");
    EXPECT_EQ(ChassisIdText(octets({0x00, 0x11, 0x22, 0xaa, 0xbb, 0xcc})), "001122AABBCC");
    EXPECT_EQ(ChassisIdText("ap"), "6170");
    EXPECT_EQ(ChassisIdText(""), "");
}

class LldpPages : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        agent->setInteger(deviceoid::lldp(deviceoid::LldpState), 1);
        agent->setInteger(deviceoid::lldp(deviceoid::LldpHoldMultiplier), 4);
        agent->setInteger(deviceoid::lldp(deviceoid::LldpTxInterval), 30);
        agent->setInteger(deviceoid::lldp(deviceoid::LldpReinitDelay), 2);
        agent->setInteger(deviceoid::lldp(deviceoid::LldpTxDelay), 2);
        agent->setInteger("1.0.8802.1.1.2.1.3.1.0", 4);
        agent->setOctets("1.0.8802.1.1.2.1.3.2.0", octets({0x00, 0x1e, 0x58, 0x4c, 0x20, 0x00}));
        agent->setOctets("1.0.8802.1.1.2.1.3.3.0", "lab-switch-01");
        agent->setOctets("1.0.8802.1.1.2.1.3.4.0", "SORVEX-A managed switch");
        for (int port = 1; port <= 6; ++port)
            agent->setInteger(deviceoid::lldpPseTlv + "." + std::to_string(port), port <= 2 ? 1 : 2);
    }
    void lldpOff() { agent->setInteger(deviceoid::lldp(deviceoid::LldpState), 2); }
    std::vector<std::vector<std::string>> sets()
    {
        std::vector<std::vector<std::string>> texts;
        for (const auto& request : agent->requestsOfType(snmp::PduType::Set))
            texts.push_back(bindTexts(request));
        return texts;
    }
    std::string lldpValue(int object, int value) { return deviceoid::lldp(object) + "=2:" + std::to_string(value); }
    QLineEdit* edit(const QWidget* page, int id) { return controlOf<QLineEdit>(page, id); }
};

using Global = CLldpGlobalDlg::ControlId;

TEST_F(LldpPages, GlobalPageShowsTheStateTimersAndIdentity)
{
    CLldpGlobalDlg page;
    EXPECT_EQ(page.objectName(), "dlg179");
    ASSERT_TRUE(openAndWait(page, Global::IdStateApply));
    EXPECT_TRUE(controlOf<QCheckBox>(&page, Global::IdEnable)->isChecked());
    EXPECT_EQ(edit(&page, Global::IdHoldMultiplier)->text(), "4");
    EXPECT_EQ(edit(&page, Global::IdTxInterval)->text(), "30");
    EXPECT_EQ(edit(&page, Global::IdReinitDelay)->text(), "2");
    EXPECT_EQ(edit(&page, Global::IdTxDelay)->text(), "2");
    EXPECT_EQ(edit(&page, Global::IdChassisSubtype)->text(), "macAddress");
    EXPECT_EQ(edit(&page, Global::IdChassisId)->text(), "001E584C2000");
    EXPECT_EQ(edit(&page, Global::IdSystemName)->text(), "lab-switch-01");
    EXPECT_EQ(edit(&page, Global::IdSystemDescription)->text(), "SORVEX-A managed switch");
    EXPECT_TRUE(controlOf<QPushButton>(&page, Global::IdTimersApply)->isEnabled());

    lldpOff();
    CLldpGlobalDlg off;
    ASSERT_TRUE(openAndWait(off, Global::IdStateApply));
    EXPECT_FALSE(controlOf<QCheckBox>(&off, Global::IdEnable)->isChecked());
    EXPECT_FALSE(edit(&off, Global::IdTxInterval)->isEnabled());
    EXPECT_FALSE(controlOf<QPushButton>(&off, Global::IdTimersApply)->isEnabled());
}

TEST_F(LldpPages, GlobalTimerChecksInTheirOrder)
{
    struct Case {
        const char *hold, *interval, *reinit, *delay;
        const char* message; // nullptr: written
    };
    const Case cases[] = {
        {"1", "30", "2", "2", "The Message TX Hold Multipier should be 2-10"},
        {"11", "30", "2", "2", "The Message TX Hold Multipier should be 2-10"},
        {"x", "30", "2", "2", "The Message TX Hold Multipier should be 2-10"},
        {"4", "4", "2", "2", "The Message TX Hold Multipier should be 5-32768 "},
        {"4", "32769", "2", "2", "The Message TX Hold Multipier should be 5-32768 "},
        {"10", "6554", "2", "2", "(Message TX Interval * Message TX Hold Multiplier) > 65535. "},
        {"4", "30", "0", "2", "The LLDP Reinit Delay should be 1-10"},
        {"4", "30", "11", "2", "The LLDP Reinit Delay should be 1-10"},
        {"4", "30", "2", "0", "The LLDP TX Delay should be 1-8192"},
        {"2", "32767", "2", "8193", "The LLDP TX Delay should be 1-8192"},
        {"4", "30", "2", "8", "LLDP TX Delay should be <= 0.25 * (Message TX Interval)"},
        {"10", "6553", "2", "2", nullptr},
        {"4", "32", "2", "8", nullptr},
    };
    CLldpGlobalDlg page;
    ASSERT_TRUE(openAndWait(page, Global::IdTimersApply));
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.hold) + " " + c.interval + " " + c.reinit + " " + c.delay);
        edit(&page, Global::IdHoldMultiplier)->setText(QString::fromLatin1(c.hold));
        edit(&page, Global::IdTxInterval)->setText(QString::fromLatin1(c.interval));
        edit(&page, Global::IdReinitDelay)->setText(QString::fromLatin1(c.reinit));
        edit(&page, Global::IdTxDelay)->setText(QString::fromLatin1(c.delay));
        boxes.clear();
        agent->clearRequests();
        clickButton(&page, Global::IdTimersApply);
        if (c.message) {
            EXPECT_EQ(boxes.texts(), QStringList{c.message});
            EXPECT_TRUE(sets().empty());
            continue;
        }
        EXPECT_TRUE(boxes.texts().isEmpty());
        EXPECT_EQ(sets(), (std::vector<std::vector<std::string>>{
                              {lldpValue(2, std::atoi(c.hold)), lldpValue(3, std::atoi(c.interval)),
                               lldpValue(4, std::atoi(c.reinit)), lldpValue(5, std::atoi(c.delay))}}));
        // The switch is read again once it has taken the settings.
        ASSERT_TRUE(openAndWait(page, Global::IdTimersApply, 5000));
        EXPECT_EQ(edit(&page, Global::IdTxInterval)->text(), c.interval);
    }
}

TEST_F(LldpPages, GlobalStateWriteIsTriedThreeTimes)
{
    CLldpGlobalDlg page;
    ASSERT_TRUE(openAndWait(page, Global::IdStateApply));
    snmp::MemoryAgent::Fault refused;
    refused.errorStatus = snmp::ErrorStatus::GenErr;
    // Refused twice, taken the third time.
    agent->setRequestFault(agent->requestCount() + 1, refused);
    agent->setRequestFault(agent->requestCount() + 2, refused);
    controlOf<QCheckBox>(&page, Global::IdEnable)->click();
    clickButton(&page, Global::IdStateApply);
    EXPECT_EQ(sets(), (std::vector<std::vector<std::string>>(3, {lldpValue(1, 2)})));
    ASSERT_TRUE(openAndWait(page, Global::IdStateApply, 5000));
    EXPECT_FALSE(controlOf<QCheckBox>(&page, Global::IdEnable)->isChecked());
    EXPECT_FALSE(controlOf<QPushButton>(&page, Global::IdTimersApply)->isEnabled());

    // Refused every time: three attempts and no more.
    agent->clearRequests();
    agent->setObjectFault(deviceoid::lldp(deviceoid::LldpState), refused);
    clickButton(&page, Global::IdStateApply);
    EXPECT_EQ(sets().size(), 3u);
}

using Med = CLldpMedDlg::ControlId;

TEST_F(LldpPages, MedPageListsEachPortsTlvAndWritesARange)
{
    CLldpMedDlg page;
    EXPECT_EQ(page.objectName(), "dlg181");
    ASSERT_TRUE(openAndWait(page, Med::IdApply));
    EXPECT_EQ(listHeaders(&page, Med::IdList), (QStringList{"   Port ", "Power PSE TLV"}));
    const auto rows = listRows(&page, Med::IdList);
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows[0], (QStringList{"    1", "Enable"}));
    EXPECT_EQ(rows[5], (QStringList{"    6", "Disable"}));
    auto* from = controlOf<QComboBox>(&page, Med::IdFromPort);
    auto* to = controlOf<QComboBox>(&page, Med::IdToPort);
    ASSERT_EQ(from->count(), 6);
    EXPECT_EQ(from->itemText(2), "   3 ");
    EXPECT_EQ(to->currentText(), "   1 ");
    EXPECT_EQ(controlOf<QComboBox>(&page, Med::IdPseTlv)->currentText(), "Disable");

    chooseItem(from, 3);
    chooseItem(to, 1);
    EXPECT_EQ(boxes.texts(), QStringList{"'To Port' can not be smaller than 'From Port'"});
    EXPECT_EQ(to->currentText(), "   4 ");
    chooseItem(from, 2);
    chooseItem(to, 4);
    controlOf<QComboBox>(&page, Med::IdPseTlv)->setCurrentIndex(0);
    agent->clearRequests();
    clickButton(&page, Med::IdApply);
    const std::string tlv = deviceoid::lldpPseTlv;
    EXPECT_EQ(sets(), (std::vector<std::vector<std::string>>{{tlv + ".3=2:1"}, {tlv + ".4=2:1"}, {tlv + ".5=2:1"}}));
    ASSERT_TRUE(openAndWait(page, Med::IdApply, 5000));
    EXPECT_EQ(listRows(&page, Med::IdList)[4][1], "Enable");
}

TEST_F(LldpPages, MedPageCanSetNothingWhileLldpIsOff)
{
    lldpOff();
    CLldpMedDlg page;
    page.show();
    ASSERT_TRUE(waitUntil([&] { return listRows(&page, Med::IdList).size() == 6; }));
    EXPECT_EQ(boxes.texts(), QStringList{"The LLDP is disable ,so can not set LLDP MED !"});
    QTest::qWait(50);
    for (int id : {int(Med::IdFromPort), int(Med::IdToPort), int(Med::IdPseTlv), int(Med::IdList), int(Med::IdApply),
                   int(Med::IdRefresh)})
        EXPECT_FALSE(page.findChild<QWidget*>(QString::number(id))->isEnabled()) << id;
    EXPECT_TRUE(controlOf<QPushButton>(&page, Med::IdClose)->isEnabled());
}

using Remote = CLldpRemoteDlg::ControlId;

class LldpRemotePage : public LldpPages {
protected:
    // A neighbour on `port` with remote index `entity`.
    void neighbour(int port, int entity, int chassisSubtype, const std::string& chassis, const std::string& name)
    {
        const std::string index = ".0." + std::to_string(port) + "." + std::to_string(entity);
        auto column = [&](int c) { return "1.0.8802.1.1.2.1.4.1.1." + std::to_string(c) + index; };
        agent->setInteger(column(4), chassisSubtype);
        agent->setOctets(column(5), chassis);
        agent->setInteger(column(6), 5);
        agent->setOctets(column(7), "eth0");
        agent->setOctets(column(8), "uplink");
        agent->setOctets(column(9), name);
        agent->setOctets(column(10), "appliance");
    }
};

TEST_F(LldpRemotePage, ListsEveryNeighbourWithItsPortAndEntity)
{
    neighbour(2, 1, 4, octets({0x00, 0x1b, 0x21, 0xa0, 0xb1, 0xc2}), "nas-01");
    neighbour(24, 3, 7, "ap-roof", "ap-roof");
    CLldpRemoteDlg page;
    EXPECT_EQ(page.objectName(), "dlg180");
    ASSERT_TRUE(openAndWait(page, Remote::IdRefresh));
    EXPECT_EQ(listRows(&page, Remote::IdList),
              (std::vector<QStringList>{
                  {"2", "1", "macAddress", "001B21A0B1C2", "interfaceName", "eth0", "uplink", "nas-01", "appliance"},
                  {"24", "3", "local", "61702D726F6F66", "interfaceName", "eth0", "uplink", "ap-roof", "appliance"}}));
    EXPECT_EQ(edit(&page, Remote::IdCount)->text(), "  2");
    EXPECT_TRUE(boxes.texts().isEmpty());
}

TEST_F(LldpRemotePage, WithoutNeighboursTheCountIsZeroWithItsMessage)
{
    CLldpRemoteDlg page;
    ASSERT_TRUE(openAndWait(page, Remote::IdRefresh));
    EXPECT_EQ(boxes.texts(), QStringList{"There is no LLDP Remote Port"});
    EXPECT_EQ(edit(&page, Remote::IdCount)->text(), "0");
}

TEST_F(LldpRemotePage, LldpOffDisablesTheListAndRefresh)
{
    neighbour(2, 1, 4, "abcdef", "nas-01");
    lldpOff();
    CLldpRemoteDlg page;
    page.show();
    ASSERT_TRUE(waitUntil([&] { return listRows(&page, Remote::IdList).size() == 1; }));
    QTest::qWait(50);
    EXPECT_FALSE(controlOf<CListView>(&page, Remote::IdList)->isEnabled());
    EXPECT_FALSE(controlOf<QPushButton>(&page, Remote::IdRefresh)->isEnabled());
}

TEST_F(LldpRemotePage, AnUnansweredStateReadIsReportedAndVersionThreeWaitsForRefresh)
{
    snmp::MemoryAgent::Fault silent;
    silent.noAnswer = true;
    agent->setObjectFault(deviceoid::lldp(deviceoid::LldpState), silent);
    LaunchParams::setTimeoutText("200");
    {
        CLldpRemoteDlg page;
        page.show();
        ASSERT_TRUE(waitUntil([&] { return !boxes.texts().isEmpty(); }));
        EXPECT_EQ(boxes.texts(), QStringList{"Get LLDP remote port information unsuccessful!"});
    }
    agent->clearFaults();
    agent->clearRequests();
    LaunchParams::setCurrent(LaunchParams::parse(
        "/A1/I192.0.2.1/R/W/ETRUE/V3/P161/X/Y/T1/S1/Unoauth/A/B/H3/J2"));
    CLldpRemoteDlg page;
    ASSERT_TRUE(openAndWait(page, Remote::IdRefresh));
    QTest::qWait(50);
    EXPECT_EQ(agent->requestCount(), 0);
}

TEST_F(LldpPages, DeviceMenuOpensTheThreePages)
{
    for (auto [command, dialog] : {std::pair{MenuCommand::LldpGlobal, "dlg179"}, {MenuCommand::LldpMed, "dlg181"},
                                   {MenuCommand::LldpRemotePorts, "dlg180"}}) {
        ASSERT_TRUE(PageCatalog::has(command));
        auto page = PageCatalog::create(command);
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(page->objectName(), dialog);
    }
}

} // namespace

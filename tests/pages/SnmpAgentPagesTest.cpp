// The agent pages: communities, trap hosts, trap switches, agent state and engine ID. Their
// lists, their checks (exact messages, nothing written), the exact requests of each write and
// the read that follows it.

#include "SnmpAgentTestSupport.h"

#include "CIpAddressEdit.h"
#include "CSnmpCommunityDlg.h"
#include "CSnmpEngineIdDlg.h"
#include "CSnmpGlobalStateDlg.h"
#include "CSnmpHostDlg.h"
#include "CSnmpTrapDlg.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

using namespace agenttest;

// --- communities -------------------------------------------------------------------------------

class CommunityPage : public AgentPageTest {
protected:
    using Id = CSnmpCommunityDlg::ControlId;
    void SetUp() override
    {
        AgentPageTest::SetUp();
        community("public", "v1user");
        community("private", "v2user");
        community("pending", "v1user", 2);
        user("v1user", 1, "g1");
        user("v2user", 2, "g2");
        user("admin", 3, "g3");
        user("v1user", 3, "g3");
        user("ghost", 1, "g1", 2);
    }
    void enter(QWidget* page, const QString& name, const QString& policy = {})
    {
        controlOf<QLineEdit>(page, Id::IdName)->setText(name);
        if (!policy.isEmpty()) {
            auto* list = controlOf<QComboBox>(page, Id::IdPolicy);
            list->setCurrentIndex(list->findText(policy));
        }
    }
    std::string status(const std::string& name) { return column(Communities, 3, nameIndex(name)); }
};

TEST_F(CommunityPage, ListsActiveCommunitiesAndOffersActiveUsersOfVersionOneAndTwo)
{
    auto page = open<CSnmpCommunityDlg>();
    EXPECT_EQ(page->windowTitle(), "SNMP Community Table Configuration");
    EXPECT_EQ(page->objectName(), "dlg204");
    EXPECT_EQ(listHeaders(page.get(), Id::IdList), (QStringList{"Community Name", "User Name"}));
    EXPECT_EQ(listRows(page.get(), Id::IdList),
              (std::vector<QStringList>{{"public", "v1user"}, {"private", "v2user"}})); // in index order
    auto* policies = controlOf<QComboBox>(page.get(), Id::IdPolicy);
    QStringList items;
    for (int i = 0; i < policies->count(); ++i)
        items << policies->itemText(i);
    EXPECT_EQ(items, (QStringList{"v1user", "v2user"}));
    EXPECT_EQ(policies->currentIndex(), 0);
}

TEST_F(CommunityPage, ChecksRunInOrderAndWriteNothing)
{
    struct Case {
        QString name;
        const char* message;
    };
    const Case cases[] = {
        {"   ", "Please enter valid Community Name !"},
        {"a.b", "Invalid Community Name."},
        {"x\"y", "Invalid Community Name."},
        {" public ", "This Community Entry already exists."},
    };
    auto page = open<CSnmpCommunityDlg>();
    for (const Case& c : cases) {
        boxes.clear();
        enter(page.get(), c.name);
        clickButton(page.get(), Id::IdApply);
        EXPECT_EQ(boxes.texts(), QStringList{c.message}) << c.name.toStdString();
    }
    EXPECT_TRUE(sets().empty());
    EXPECT_EQ(agent->requestCount(), 0);
}

TEST_F(CommunityPage, TheEleventhCommunityIsRefusedBeforeAnythingIsSent)
{
    for (int i = 0; i < 8; ++i)
        community("c" + std::to_string(i), "v1user");
    auto page = open<CSnmpCommunityDlg>();
    ASSERT_EQ(listRows(page.get(), Id::IdList).size(), 10u);
    enter(page.get(), "branch office");
    clickButton(page.get(), Id::IdApply);
    EXPECT_EQ(boxes.texts(), QStringList{"Maximum number of Community Entry is 10."});
    EXPECT_EQ(agent->requestCount(), 0);
}

TEST_F(CommunityPage, NameTakesThirtyTwoTypedCharacters)
{
    auto page = open<CSnmpCommunityDlg>();
    auto* name = controlOf<QLineEdit>(page.get(), Id::IdName);
    name->setFocus();
    QTest::keyClicks(name, QString(33, 'c'));
    EXPECT_EQ(name->text(), QString(32, 'c'));
}

TEST_F(CommunityPage, CreationIsCreateAndWaitThePolicyThenActiveAndTheTableIsReadAgain)
{
    auto page = open<CSnmpCommunityDlg>();
    enter(page.get(), " branch office ", "v2user");
    clickButton(page.get(), Id::IdApply);
    EXPECT_TRUE(boxes.texts().isEmpty());
    const std::string index = nameIndex("branch office");
    EXPECT_EQ(sets(), (Sets{{integer(status("branch office"), 5)},
                            {octets(column(Communities, 2, index), "v2user")},
                            {integer(status("branch office"), 1)}}));
    EXPECT_TRUE(controlOf<QLineEdit>(page.get(), Id::IdName)->text().isEmpty());
    ASSERT_TRUE(openAndWait(*page, Id::IdApply));
    EXPECT_GT(getNextCount(), 0);
}

// A half-made row would hold the name: the list cannot show or delete it and a retry with the same
// name would be refused. It is destroyed again, and the retry creates it.
TEST_F(CommunityPage, FailedColumnWriteDestroysTheRowInsteadOfActivatingIt)
{
    auto page = open<CSnmpCommunityDlg>();
    snmp::MemoryAgent::Fault refused;
    refused.errorStatus = snmp::ErrorStatus::WrongType;
    agent->setObjectFault(column(Communities, 2), refused);
    enter(page.get(), "lab");
    clickButton(page.get(), Id::IdApply);
    ASSERT_EQ(sets().size(), 3u); // createAndWait, the refused policy, destroy; no active
    EXPECT_EQ(sets()[0], std::vector<std::string>{integer(status("lab"), 5)});
    EXPECT_EQ(sets()[2], std::vector<std::string>{integer(status("lab"), 6)});
    EXPECT_EQ(controlOf<QLineEdit>(page.get(), Id::IdName)->text(), "lab");
    EXPECT_TRUE(boxes.texts().isEmpty());

    agent->clearFaults(); // the re-read after the failure met the fault too
    ASSERT_TRUE(openAndWait(*page, Id::IdRefresh));
    clickButton(page.get(), Id::IdRefresh);
    ASSERT_TRUE(openAndWait(*page, Id::IdApply));
    agent->clearRequests();
    clickButton(page.get(), Id::IdApply);
    ASSERT_EQ(sets().size(), 3u);
    EXPECT_EQ(sets()[2], std::vector<std::string>{integer(status("lab"), 1)});
}

TEST_F(CommunityPage, DeleteDestroysTheSelectedRowByItsIndex)
{
    auto page = open<CSnmpCommunityDlg>();
    clickButton(page.get(), Id::IdDelete);
    EXPECT_EQ(boxes.texts(), QStringList{"Please select the item would be delete!\n"});
    EXPECT_TRUE(sets().empty());
    controlOf<CListView>(page.get(), Id::IdList)->selectRow(1);
    clickButton(page.get(), Id::IdDelete);
    EXPECT_EQ(sets(), (Sets{{integer(status("private"), 6)}}));
    ASSERT_TRUE(openAndWait(*page, Id::IdApply));
    EXPECT_EQ(listRows(page.get(), Id::IdList).size(), 1u);
}

TEST_F(CommunityPage, FailedWalkKeepsApplyAndDeleteDisabledUntilARefreshSucceeds)
{
    snmp::MemoryAgent::Fault silent;
    silent.noAnswer = true;
    agent->setObjectFault(column(Users, 1), silent);
    LaunchParams::setTimeoutText("200");
    CSnmpCommunityDlg page;
    ASSERT_TRUE(openAndWait(page, Id::IdRefresh));
    EXPECT_FALSE(controlOf<QPushButton>(&page, Id::IdApply)->isEnabled());
    EXPECT_FALSE(controlOf<QPushButton>(&page, Id::IdDelete)->isEnabled());
    agent->clearFaults();
    clickButton(&page, Id::IdRefresh);
    EXPECT_TRUE(openAndWait(page, Id::IdApply));
    EXPECT_TRUE(controlOf<QPushButton>(&page, Id::IdDelete)->isEnabled());
}

// --- trap hosts --------------------------------------------------------------------------------

class HostPage : public AgentPageTest {
protected:
    using Id = CSnmpHostDlg::ControlId;
    void SetUp() override
    {
        AgentPageTest::SetUp();
        host("10.1.1.5", "public", 2);
        host("192.168.7.20", "trapper", 5);
        host("10.9.9.9", "gone", 1, 6);
    }
    void enter(QWidget* page, const QString& address, int version, const QString& name)
    {
        controlOf<CIpAddressEdit>(page, Id::IdAddress)->setText(address);
        controlOf<QComboBox>(page, Id::IdVersion)->setCurrentIndex(version);
        controlOf<QLineEdit>(page, Id::IdName)->setText(name);
    }
};

TEST_F(HostPage, ListsActiveHostsWithTheirVersionText)
{
    auto page = open<CSnmpHostDlg>();
    EXPECT_EQ(page->windowTitle(), "SNMP Host Table");
    EXPECT_EQ(listHeaders(page.get(), Id::IdList),
              (QStringList{"Host IP Address", "SNMP Version", "Community Name/SNMPv3 User Name "}));
    EXPECT_EQ(listRows(page.get(), Id::IdList),
              (std::vector<QStringList>{{"10.1.1.5", "V2c", "public"}, {"192.168.7.20", "V3-AuthPriv", "trapper"}}));
}

TEST_F(HostPage, ChecksRunInOrderAndWriteNothing)
{
    struct Case {
        QString address;
        QString name;
        const char* message;
    };
    const Case cases[] = {
        {"", "x", "Invalid Host IP."},
        {"0.0.0.0", "x", "Invalid Host IP."},
        {"127.0.0.1", "x", "Invalid Host IP."},
        {"10.0.0.0", "x", "Invalid Host IP."},
        {"10.255.255.255", "x", "Invalid Host IP."},
        {"172.16.255.255", "x", "Invalid Host IP."},
        {"192.168.1.255", "x", "Invalid Host IP."},
        {"224.0.0.1", "x", "Invalid Host IP."},
        {"240.0.0.1", "x", "Invalid Host IP."},
        {"10.1.1.5", "x", "This IP Address has used,please enter other IP Address"},
        {"10.0.0.1", "  ", "The Community String or SNMPv3 User Name can not be empty."},
        {"10.0.0.1", "a;b", "Invalid Community String/SNMPv3 User Name. "},
    };
    auto page = open<CSnmpHostDlg>();
    for (const Case& c : cases) {
        boxes.clear();
        enter(page.get(), c.address, 0, c.name);
        clickButton(page.get(), Id::IdApply);
        EXPECT_EQ(boxes.texts(), QStringList{c.message}) << c.address.toStdString();
    }
    EXPECT_EQ(agent->requestCount(), 0);
}

TEST_F(HostPage, AnAddressWithAnEmptyFieldIsRefusedAndGetsTheFocus)
{
    auto page = open<CSnmpHostDlg>();
    page->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(page.get()));
    auto* address = controlOf<CIpAddressEdit>(page.get(), Id::IdAddress);
    address->field(0)->setText("10");
    address->field(1)->setText("0");
    address->field(3)->setText("1");
    controlOf<QLineEdit>(page.get(), Id::IdName)->setText("x");
    controlOf<QLineEdit>(page.get(), Id::IdName)->setFocus();
    clickButton(page.get(), Id::IdApply);
    EXPECT_EQ(boxes.texts(), QStringList{"Invalid Host IP."});
    EXPECT_TRUE(address->isAncestorOf(QApplication::focusWidget()) || address->hasFocus());
    EXPECT_EQ(agent->requestCount(), 0);
}

TEST_F(HostPage, TheEleventhHostIsRefused)
{
    for (int i = 1; i <= 8; ++i)
        host("10.2.0." + std::to_string(i), "h", 1);
    auto page = open<CSnmpHostDlg>();
    enter(page.get(), "10.0.0.1", 0, "public");
    clickButton(page.get(), Id::IdApply);
    EXPECT_EQ(boxes.texts(), QStringList{"Maximum number of Host Entry is 10."});
    EXPECT_EQ(agent->requestCount(), 0);
}

TEST_F(HostPage, CreationWritesNameAndVersionBetweenTheRowStatusesAndClearsTheFields)
{
    struct Case {
        const char* address;
        int versionItem;
    };
    for (const Case& c : {Case{"10.0.0.1", 4}, Case{"172.16.0.1", 0}}) {
        agent->clearRequests();
        auto page = open<CSnmpHostDlg>();
        enter(page.get(), c.address, c.versionItem, " trapuser ");
        clickButton(page.get(), Id::IdApply);
        EXPECT_TRUE(boxes.texts().isEmpty());
        const std::string index = std::string(".") + c.address;
        EXPECT_EQ(sets(), (Sets{{integer(column(Hosts, 4, index), 5)},
                                {octets(column(Hosts, 2, index), "trapuser"),
                                 integer(column(Hosts, 3, index), c.versionItem + 1)},
                                {integer(column(Hosts, 4, index), 1)}}));
        EXPECT_TRUE(controlOf<CIpAddressEdit>(page.get(), Id::IdAddress)->isBlank());
        EXPECT_EQ(controlOf<QComboBox>(page.get(), Id::IdVersion)->currentText(), "V1");
        EXPECT_TRUE(controlOf<QLineEdit>(page.get(), Id::IdName)->text().isEmpty());
        EXPECT_TRUE(openAndWait(*page, Id::IdApply));
    }
}

TEST_F(HostPage, DeleteDestroysTheSelectedHost)
{
    auto page = open<CSnmpHostDlg>();
    clickButton(page.get(), Id::IdDelete);
    EXPECT_EQ(boxes.texts(), QStringList{"Please Selecte the Item you would delete"});
    controlOf<CListView>(page.get(), Id::IdList)->selectRow(1);
    clickButton(page.get(), Id::IdDelete);
    EXPECT_EQ(sets(), (Sets{{integer(column(Hosts, 4, ".192.168.7.20"), 6)}}));
}

// --- trap switches -----------------------------------------------------------------------------

class TrapPage : public AgentPageTest {
protected:
    using Id = CSnmpTrapDlg::ControlId;
    void SetUp() override
    {
        AgentPageTest::SetUp();
        for (int i = 1; i <= 8; ++i)
            agent->setInteger(trap(i), i % 2 ? 1 : 2);
    }
    static std::string trap(int i) { return scalar("8." + std::to_string(i) + ".0"); }
    static constexpr int boxIds[] = {Id::IdAuthentication, Id::IdBootup,    Id::IdLinkUpDown, Id::IdRstpState,
                                     Id::IdFirmware,       Id::IdPoePower,  Id::IdPoeError,   Id::IdPoeBudget};
    std::vector<std::string> askedOids()
    {
        std::vector<std::string> oids;
        const auto gets = agent->requestsOfType(snmp::PduType::Get);
        for (const auto& b : gets.at(0).binds)
            oids.push_back(b.oid);
        return oids;
    }
};

TEST_F(TrapPage, WithoutPoeOnlyTheFirstFiveSwitchesAreShownReadAndWritten)
{
    CSnmpTrapDlg page;
    ASSERT_TRUE(openAndWait(page, Id::IdApply));
    EXPECT_EQ(page.windowTitle(), "SNMP Trap Configuration");
    EXPECT_EQ(askedOids(), (std::vector<std::string>{trap(1), trap(2), trap(3), trap(4), trap(5)}));
    for (int i = 0; i < 8; ++i) {
        auto* box = controlOf<QCheckBox>(&page, boxIds[i]);
        EXPECT_EQ(box->isVisible(), i < 5) << i;
        if (i < 5) {
            EXPECT_EQ(box->isChecked(), i % 2 == 0) << i;
        }
    }
    const int fullHeight = [] {
        DeviceProfile poe;
        poe.DeviceName = "SORVEX-AP B1";
        DeviceProfile::setCurrent(poe);
        CSnmpTrapDlg withPoe;
        DeviceProfile::setCurrent(DeviceProfile{});
        return withPoe.height();
    }();
    EXPECT_LT(page.height(), fullHeight);
    agent->clearRequests();
    controlOf<QCheckBox>(&page, Id::IdBootup)->setChecked(true);
    controlOf<QCheckBox>(&page, Id::IdAuthentication)->setChecked(false);
    clickButton(&page, Id::IdApply);
    EXPECT_EQ(sets(), (Sets{{integer(trap(1), 2), integer(trap(2), 1), integer(trap(3), 1), integer(trap(4), 2),
                             integer(trap(5), 1)}}));
    EXPECT_TRUE(agent->requestsOfType(snmp::PduType::Get).empty()); // no read follows
}

TEST_F(TrapPage, PoeModelsReadAndWriteAllEightSwitches)
{
    for (const char* model : {"SORVEX-AP B1", "sorvex-ap"}) {
        DeviceProfile poe;
        poe.DeviceName = model;
        DeviceProfile::setCurrent(poe);
        agent->clearRequests();
        CSnmpTrapDlg page;
        ASSERT_TRUE(openAndWait(page, Id::IdApply));
        ASSERT_EQ(askedOids().size(), 8u);
        EXPECT_TRUE(controlOf<QCheckBox>(&page, Id::IdPoeBudget)->isVisible());
        EXPECT_FALSE(controlOf<QCheckBox>(&page, Id::IdPoeBudget)->isChecked());
        EXPECT_TRUE(controlOf<QCheckBox>(&page, Id::IdPoeError)->isChecked());
        clickButton(&page, Id::IdApply);
        ASSERT_EQ(sets().size(), 1u);
        EXPECT_EQ(sets()[0].size(), 8u);
        EXPECT_EQ(sets()[0][7], integer(trap(8), 2));
    }
}

TEST_F(TrapPage, NothingIsWrittenAfterAFailedRead)
{
    snmp::MemoryAgent::Fault silent;
    silent.noAnswer = true;
    agent->setDefaultFault(silent);
    LaunchParams::setTimeoutText("200");
    CSnmpTrapDlg page;
    page.show();
    ASSERT_TRUE(waitUntil([&] { return agent->requestCount() == 1; }));
    QTest::qWait(400);
    EXPECT_FALSE(controlOf<QPushButton>(&page, Id::IdApply)->isEnabled());
}

// --- agent state and engine ID -----------------------------------------------------------------

class GlobalStatePage : public AgentPageTest {
protected:
    using Id = CSnmpGlobalStateDlg::ControlId;
};

TEST_F(GlobalStatePage, ShowsTheStateWritesTheBoxAndReadsAgainOnlyAfterSuccess)
{
    agent->setInteger(scalar("1.0"), 1);
    CSnmpGlobalStateDlg page;
    ASSERT_TRUE(openAndWait(page, Id::IdApply));
    EXPECT_EQ(page.windowTitle(), "SNMP Global State Settings");
    auto* enable = controlOf<QCheckBox>(&page, Id::IdEnable);
    EXPECT_EQ(enable->text(), "Enable SNMP Global ");
    EXPECT_TRUE(enable->isChecked());

    agent->clearRequests();
    enable->setChecked(false);
    clickButton(&page, Id::IdApply);
    EXPECT_EQ(sets(), (Sets{{integer(scalar("1.0"), 2)}}));
    ASSERT_TRUE(openAndWait(page, Id::IdApply));
    EXPECT_EQ(agent->requestsOfType(snmp::PduType::Get).size(), 1u);
    EXPECT_FALSE(enable->isChecked());

    agent->clearRequests();
    snmp::MemoryAgent::Fault refused;
    refused.errorStatus = snmp::ErrorStatus::GenErr;
    agent->setObjectFault(scalar("1.0"), refused);
    enable->setChecked(true);
    clickButton(&page, Id::IdApply);
    EXPECT_EQ(agent->requestCount(), 1); // the refused set, no read
    clickButton(&page, Id::IdCancel);
    EXPECT_FALSE(page.isVisible());
}

class EngineIdPage : public AgentPageTest {
protected:
    using Id = CSnmpEngineIdDlg::ControlId;
    void SetUp() override
    {
        AgentPageTest::SetUp();
        agent->setOctets(scalar("7.0"), std::string("\x80\x00\x08\x1c\x04\x46\x53", 7));
    }
};

TEST_F(EngineIdPage, ShowsLowerCaseHexAndChecksLengthThenDigits)
{
    auto page = open<CSnmpEngineIdDlg>();
    auto* edit = controlOf<QLineEdit>(page.get(), Id::IdEngineId);
    EXPECT_EQ(edit->text(), "8000081c044653");
    struct Case {
        QString text;
        const char* message;
    };
    const Case cases[] = {
        {QString(9, '1'), "ID length is 10-64"},
        {QString(65, '1'), "ID length is 10-64"},
        {"", "ID length is 10-64"},
        {"123456789g", "the accepted character is from 0 to F"},
        {QString(70, 'g'), "ID length is 10-64"},
    };
    for (const Case& c : cases) {
        boxes.clear();
        edit->setText(c.text);
        clickButton(page.get(), Id::IdApply);
        EXPECT_EQ(boxes.texts(), QStringList{c.message}) << c.text.toStdString();
    }
    EXPECT_EQ(agent->requestCount(), 0);
}

TEST_F(EngineIdPage, OddDigitCountIsWrittenWithALeadingZeroNibbleThenReadAgain)
{
    struct Case {
        QString text;
        std::string bytes;
    };
    const Case cases[] = {
        {"8000081C044", std::string("\x08\x00\x00\x81\xc0\x44", 6)},
        {"aBcDeF0123", std::string("\xab\xcd\xef\x01\x23", 5)},
        {QString(64, 'f'), std::string(32, '\xff')},
    };
    for (const Case& c : cases) {
        auto page = open<CSnmpEngineIdDlg>();
        controlOf<QLineEdit>(page.get(), Id::IdEngineId)->setText(c.text);
        clickButton(page.get(), Id::IdApply);
        EXPECT_EQ(sets(), (Sets{{octets(scalar("7.0"), c.bytes)}})) << c.text.toStdString();
        ASSERT_TRUE(openAndWait(*page, Id::IdApply));
        EXPECT_EQ(controlOf<QLineEdit>(page.get(), Id::IdEngineId)->text(), c.text.toLower().rightJustified(c.bytes.size() * 2, '0'));
    }
}

} // namespace

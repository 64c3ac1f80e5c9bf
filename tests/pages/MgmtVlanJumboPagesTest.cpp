// Jumbo Frame and Management VLAN: what they read, their checks and their exact writes.

#include "PageTestSupport.h"

#include "CJumboFrameDlg.h"
#include "CMgmtVlanDlg.h"
#include "Enterprise.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

namespace {

std::string device(const std::string& tail)
{
    return snmp::expandEnterprise("ENTERPRISE.10.75.5.2." + tail);
}

const std::string jumbo = device("1.12.0");
const std::string mgmtState = device("7.2.0");
const std::string mgmtVlan = device("7.3.0");

std::string integer(const std::string& oid, int value)
{
    return oid + "=2:" + std::to_string(value);
}

std::vector<std::vector<std::string>> setsOf(const snmp::MemoryAgent& agent)
{
    std::vector<std::vector<std::string>> texts;
    for (const auto& request : agent.requestsOfType(snmp::PduType::Set))
        texts.push_back(bindTexts(request));
    return texts;
}

std::vector<std::string> getOids(const snmp::MemoryAgent& agent)
{
    std::vector<std::string> oids;
    for (const auto& request : agent.requestsOfType(snmp::PduType::Get))
        for (const auto& b : request.binds)
            oids.push_back(b.oid);
    return oids;
}

snmp::MemoryAgent::Fault refusal()
{
    snmp::MemoryAgent::Fault fault;
    fault.errorStatus = snmp::ErrorStatus::GenErr;
    return fault;
}

using Sets = std::vector<std::vector<std::string>>;

// --- Jumbo Frame ---------------------------------------------------------------------------

class JumboFramePage : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        agent->setInteger(jumbo, 1);
    }
    QCheckBox* box(const QWidget* page) { return controlOf<QCheckBox>(page, CJumboFrameDlg::IdEnable); }
};

TEST_F(JumboFramePage, ApplyTellsFirstThenWritesReadsBackAndCloses)
{
    CJumboFrameDlg page;
    ASSERT_TRUE(openAndWait(page, CJumboFrameDlg::IdApply));
    EXPECT_EQ(page.windowTitle(), "Jumbo Frame Configuration");
    EXPECT_TRUE(box(&page)->isChecked());
    box(&page)->click();
    agent->clearRequests();
    clickButton(&page, CJumboFrameDlg::IdApply);
    EXPECT_EQ(boxes.texts(), QStringList{"Disabled Jumbo Frame"});
    EXPECT_EQ(setsOf(*agent), (Sets{{integer(jumbo, 2)}}));
    ASSERT_TRUE(waitUntil([&] { return !page.isVisible(); }));
    EXPECT_EQ(page.result(), QDialog::Accepted);
    // The value was read back after the write.
    const auto requests = agent->requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[1].pduType, snmp::PduType::Get);
}

TEST_F(JumboFramePage, MessageComesEvenWhenTheWriteIsRefusedAndThePageCloses)
{
    agent->setInteger(jumbo, 2);
    CJumboFrameDlg page;
    ASSERT_TRUE(openAndWait(page, CJumboFrameDlg::IdApply));
    EXPECT_FALSE(box(&page)->isChecked());
    box(&page)->click();
    agent->clearRequests();
    agent->setObjectFault(jumbo, refusal());
    clickButton(&page, CJumboFrameDlg::IdApply);
    EXPECT_EQ(boxes.texts(), QStringList{"Enabled Jumbo Frame"});
    EXPECT_FALSE(page.isVisible());
    EXPECT_EQ(agent->requests().size(), 1u);
}

TEST_F(JumboFramePage, FailedReadKeepsApplyDisabled)
{
    agent->setObjectFault(jumbo, refusal());
    CJumboFrameDlg page;
    page.show();
    ASSERT_TRUE(waitUntil([&] { return agent->requestCount() == 1; }));
    QTest::qWait(100);
    EXPECT_FALSE(controlOf<QPushButton>(&page, CJumboFrameDlg::IdApply)->isEnabled());
}

// --- Management VLAN -----------------------------------------------------------------------

// VLAN 1 over every port, 100 "cameras" on ports 20-24, 200 active without members, 300 not
// active; management restricted to VLAN 100.
class MgmtVlanPage : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        addVlan(1, "default", std::string("\xFF\xFF\xFF\xF0", 4), 1);
        addVlan(100, "cameras", std::string("\x00\x00\x1F\x00", 4), 1);
        addVlan(200, "empty", std::string(4, '\0'), 1);
        addVlan(300, "pending", std::string("\x80\x00\x00\x00", 4), 2);
        agent->setInteger(mgmtState, 1);
        agent->setInteger(mgmtVlan, 100);
    }
    void addVlan(int vid, const std::string& name, const std::string& members, int rowStatus)
    {
        const std::string index = "." + std::to_string(vid);
        agent->setOctets(device("7.6.1.1") + index, name);
        agent->setOctets(device("7.6.1.2") + index, members);
        agent->setInteger(device("7.6.1.5") + index, rowStatus);
    }
    std::unique_ptr<CMgmtVlanDlg> open()
    {
        auto page = std::make_unique<CMgmtVlanDlg>();
        EXPECT_TRUE(openAndWait(*page, CMgmtVlanDlg::IdApply));
        EXPECT_TRUE(waitUntil([&] { return !vlanName(page.get())->text().isEmpty(); }));
        return page;
    }
    QComboBox* vlanList(const QWidget* page) { return controlOf<QComboBox>(page, CMgmtVlanDlg::IdVlanId); }
    QLineEdit* vlanName(const QWidget* page) { return controlOf<QLineEdit>(page, CMgmtVlanDlg::IdVlanName); }
    QStringList items(const QWidget* page)
    {
        QStringList texts;
        for (int i = 0; i < vlanList(page)->count(); ++i)
            texts << vlanList(page)->itemText(i);
        return texts;
    }
};

TEST_F(MgmtVlanPage, OffersActiveVlansAndShowsTheManagementVlan)
{
    auto page = open();
    EXPECT_EQ(page->windowTitle(), "IEEE 802.1Q Management VLAN Configuration");
    EXPECT_EQ(items(page.get()), (QStringList{"1", "100", "200"}));
    EXPECT_EQ(vlanList(page.get())->currentText(), "100");
    EXPECT_EQ(vlanName(page.get())->text(), "cameras");
    EXPECT_TRUE(vlanList(page.get())->isEnabled());
    EXPECT_TRUE(controlOf<QRadioButton>(page.get(), CMgmtVlanDlg::IdEnable)->isChecked());

    controlOf<QRadioButton>(page.get(), CMgmtVlanDlg::IdDisable)->click();
    EXPECT_FALSE(vlanList(page.get())->isEnabled());
    // Choosing a VLAN reads its name, VLAN 1 included.
    agent->clearRequests();
    chooseItem(vlanList(page.get()), 0);
    ASSERT_TRUE(waitUntil([&] { return vlanName(page.get())->text() == "default"; }));
    EXPECT_EQ(getOids(*agent), std::vector<std::string>{device("7.6.1.1.1")});
}

TEST_F(MgmtVlanPage, DisabledRestrictionOnVlan1IsNamedWithoutARequest)
{
    agent->setInteger(mgmtState, 2);
    agent->setInteger(mgmtVlan, 1);
    auto page = open();
    EXPECT_EQ(vlanName(page.get())->text(), "default");
    EXPECT_FALSE(vlanList(page.get())->isEnabled());
    EXPECT_TRUE(controlOf<QRadioButton>(page.get(), CMgmtVlanDlg::IdDisable)->isChecked());
    EXPECT_EQ(getOids(*agent), (std::vector<std::string>{mgmtState, mgmtVlan}));
}

TEST_F(MgmtVlanPage, ApplyChecksTheChosenVlansMembersBeforeWriting)
{
    struct Case {
        const char* name;
        int item;   // -1: nothing chosen
        bool disable;
        bool membersUnreadable;
        QStringList messages;
        Sets sets;
        bool memberRead;
    };
    const QString unreadable = "The member ports of VLAN 100 could not be read. Nothing was written.";
    const Case cases[] = {
        {"vlan 100 has members", 1, false, false, {}, {{integer(mgmtState, 1), integer(mgmtVlan, 100)}}, true},
        {"vlan 1 needs no check", 0, false, false, {}, {{integer(mgmtState, 1), integer(mgmtVlan, 1)}}, false},
        {"vlan 200 is empty", 2, false, false, {"Management VLAN could not be empty."}, {}, true},
        {"members unreadable", 1, false, true, {unreadable}, {}, true},
        // Lifting the restriction cuts nobody off: no member check.
        {"disable keeps the vlan", 1, true, false, {}, {{integer(mgmtState, 2), integer(mgmtVlan, 100)}}, false},
        {"disable with members unreadable", 1, true, true, {}, {{integer(mgmtState, 2), integer(mgmtVlan, 100)}}, false},
        {"disable on an empty vlan", 2, true, false, {}, {{integer(mgmtState, 2), integer(mgmtVlan, 200)}}, false},
        {"nothing chosen", -1, false, false, {}, {{integer(mgmtState, 1)}}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto page = open();
        vlanList(page.get())->setCurrentIndex(c.item);
        if (c.disable)
            controlOf<QRadioButton>(page.get(), CMgmtVlanDlg::IdDisable)->click();
        agent->clearRequests();
        boxes.clear();
        if (c.membersUnreadable)
            agent->setObjectFault(device("7.6.1.2.100"), refusal());
        clickButton(page.get(), CMgmtVlanDlg::IdApply);
        ASSERT_TRUE(openAndWait(*page, CMgmtVlanDlg::IdApply));
        // The write starts once the member check has been read.
        ASSERT_TRUE(waitForWrites());
        ASSERT_TRUE(openAndWait(*page, CMgmtVlanDlg::IdApply));
        agent->clearFaults();
        EXPECT_EQ(boxes.texts(), c.messages);
        EXPECT_EQ(setsOf(*agent), c.sets);
        const auto gets = getOids(*agent);
        const bool memberRead = std::find_if(gets.begin(), gets.end(), [](const std::string& oid) {
                                    return oid.rfind(device("7.6.1.2."), 0) == 0;
                                }) != gets.end();
        EXPECT_EQ(memberRead, c.memberRead);
        // After the write (or the refusal) the settings are read again.
        EXPECT_EQ(std::count(gets.begin(), gets.end(), mgmtState), 1);
        agent->setInteger(mgmtState, 1);
        agent->setInteger(mgmtVlan, 100);
    }
}

} // namespace

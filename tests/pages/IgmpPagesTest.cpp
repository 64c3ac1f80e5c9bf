// IGMP snooping and multicast filtering: the global page's checks and its "only what changed"
// write, the VLAN settings with their router ports (and the longer PortList they are written
// as), the learned groups, and the filtering mode of a run of ports.

#include "PageTestSupport.h"

#include "CIgmpSnoopingDlg.h"
#include "CIgmpVlanDlg.h"
#include "CMulticastEntryDlg.h"
#include "CMulticastFilterDlg.h"
#include "Enterprise.h"

#include <QCheckBox>
#include <QLineEdit>

namespace {

using Sets = std::vector<std::vector<std::string>>;

std::string device(const std::string& tail)
{
    return snmp::expandEnterprise("ENTERPRISE.10.75.5.2." + tail);
}
std::string global(int object)
{
    return device("10.1." + std::to_string(object) + ".0");
}
std::string integer(const std::string& oid, int value)
{
    return oid + "=2:" + std::to_string(value);
}

// Snooping on, report to all off; VLAN 1 snooping with router port 25, VLAN 100 with querier and
// fast leave, VLAN 200 without snooping; ports 3 and 4 form an aggregated link; two groups.
const char* const seed = R"(ENTERPRISE.10.75.5.2.10.1.1.0|2|1
ENTERPRISE.10.75.5.2.10.1.2.0|2|260
ENTERPRISE.10.75.5.2.10.1.3.0|2|260
ENTERPRISE.10.75.5.2.10.1.4.0|2|2
ENTERPRISE.10.75.5.2.10.1.5.0|2|1
ENTERPRISE.10.75.5.2.10.1.6.0|2|125
ENTERPRISE.10.75.5.2.10.1.7.0|2|10
ENTERPRISE.10.75.5.2.10.1.8.0|2|2
ENTERPRISE.10.75.5.2.10.3.4.1.1.1|2|1
ENTERPRISE.10.75.5.2.10.3.4.1.1.100|2|100
ENTERPRISE.10.75.5.2.10.3.4.1.1.200|2|200
ENTERPRISE.10.75.5.2.10.3.4.1.2.1|2|1
ENTERPRISE.10.75.5.2.10.3.4.1.2.100|2|1
ENTERPRISE.10.75.5.2.10.3.4.1.2.200|2|2
ENTERPRISE.10.75.5.2.10.3.4.1.4.1|2|2
ENTERPRISE.10.75.5.2.10.3.4.1.4.100|2|1
ENTERPRISE.10.75.5.2.10.3.4.1.4.200|2|2
ENTERPRISE.10.75.5.2.10.3.4.1.6.1|4x|00000080
ENTERPRISE.10.75.5.2.10.3.4.1.6.100|4x|00000000
ENTERPRISE.10.75.5.2.10.3.4.1.6.200|4x|00000000
ENTERPRISE.10.75.5.2.10.3.4.1.8.1|2|2
ENTERPRISE.10.75.5.2.10.3.4.1.8.100|2|1
ENTERPRISE.10.75.5.2.10.3.4.1.8.200|2|2
ENTERPRISE.10.75.5.2.7.6.1.1.1|4|default
ENTERPRISE.10.75.5.2.7.6.1.1.100|4|cameras
ENTERPRISE.10.75.5.2.7.6.1.1.200|4|office
ENTERPRISE.10.75.5.2.8.1.3.1.2.1|4x|30000000
ENTERPRISE.10.75.5.2.10.3.5.1.1.1.239.1.1.1|2|1
ENTERPRISE.10.75.5.2.10.3.5.1.1.100.239.1.2.3|2|100
ENTERPRISE.10.75.5.2.10.3.5.1.2.1.239.1.1.1|64|239.1.1.1
ENTERPRISE.10.75.5.2.10.3.5.1.2.100.239.1.2.3|4x|ef010203
ENTERPRISE.10.75.5.2.10.3.5.1.3.1.239.1.1.1|4x|01005e010101
ENTERPRISE.10.75.5.2.10.3.5.1.3.100.239.1.2.3|4x|01005e010203
ENTERPRISE.10.75.5.2.10.3.5.1.4.1.239.1.1.1|4x|a0000080
ENTERPRISE.10.75.5.2.10.3.5.1.4.100.239.1.2.3|4x|00001800
)";

class IgmpPages : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        load(seed);
        for (int port = 1; port <= 28; ++port) {
            agent->setInteger(device("28.1.1.1." + std::to_string(port)), port);
            agent->setInteger(device("28.1.1.2." + std::to_string(port)), port == 6 ? 2 : 1);
        }
    }
    Sets sets()
    {
        Sets texts;
        for (const auto& request : agent->requestsOfType(snmp::PduType::Set))
            texts.push_back(bindTexts(request));
        return texts;
    }
    template <class Page, class... Args>
    std::unique_ptr<Page> open(int waitForId, Args... args)
    {
        auto page = std::make_unique<Page>(args...);
        EXPECT_TRUE(openAndWait(*page, waitForId));
        agent->clearRequests();
        return page;
    }
};

// --- IGMP Snooping Configuration -------------------------------------------------------------

using GlobalDlg = CIgmpSnoopingDlg;

QLineEdit* field(const QWidget* page, int id)
{
    return controlOf<QLineEdit>(page, id);
}

TEST_F(IgmpPages, GlobalPageShowsTheValuesAndTheirFieldsOnlyWhileSnoopingIsOn)
{
    auto page = open<GlobalDlg>(GlobalDlg::IdApply);
    EXPECT_EQ(page->windowTitle(), "IGMP Snooping Configuration");
    EXPECT_TRUE(controlOf<QCheckBox>(page.get(), GlobalDlg::IdEnable)->isChecked());
    EXPECT_EQ(controlOf<QCheckBox>(page.get(), GlobalDlg::IdEnable)->text(), "Enable IGMP Snooping ");
    EXPECT_FALSE(controlOf<QCheckBox>(page.get(), GlobalDlg::IdReportToAll)->isChecked());
    EXPECT_EQ(field(page.get(), GlobalDlg::IdRouterTimeout)->text(), "260");
    EXPECT_EQ(field(page.get(), GlobalDlg::IdQueryInterval)->text(), "125");
    EXPECT_EQ(field(page.get(), GlobalDlg::IdMaxResponseTime)->text(), "10");
    EXPECT_TRUE(field(page.get(), GlobalDlg::IdHostTimeout)->isEnabled());
    controlOf<QCheckBox>(page.get(), GlobalDlg::IdEnable)->click();
    EXPECT_FALSE(field(page.get(), GlobalDlg::IdHostTimeout)->isEnabled());
    EXPECT_FALSE(controlOf<QCheckBox>(page.get(), GlobalDlg::IdReportToAll)->isEnabled());
}

TEST_F(IgmpPages, GlobalRangesAreCheckedInTheirOrder)
{
    struct Case {
        std::vector<std::pair<int, const char*>> typed;
        const char* message; // nullptr: accepted
    };
    const Case cases[] = {
        {{{GlobalDlg::IdHostTimeout, "130"}}, nullptr},
        {{{GlobalDlg::IdHostTimeout, "153025"}}, nullptr},
        {{{GlobalDlg::IdHostTimeout, "129"}}, "Invalid Host Timeout (130-153025 sec)."},
        {{{GlobalDlg::IdHostTimeout, "153026"}}, "Invalid Host Timeout (130-153025 sec)."},
        {{{GlobalDlg::IdHostTimeout, "99999999999999999999"}}, "Invalid Host Timeout (130-153025 sec)."},
        {{{GlobalDlg::IdRouterTimeout, "601"}, {GlobalDlg::IdHostTimeout, ""}}, "Invalid Host Timeout (130-153025 sec)."},
        {{{GlobalDlg::IdRouterTimeout, "59"}, {GlobalDlg::IdRobustness, "1"}}, "Invalid Router Timeout (60-600 sec)."},
        {{{GlobalDlg::IdRobustness, "256"}, {GlobalDlg::IdLastMemberQueryInterval, "0"}}, "Invalid Robustness Variable (2-255)."},
        {{{GlobalDlg::IdLastMemberQueryInterval, "26"}, {GlobalDlg::IdQueryInterval, "0"}},
         "Invalid Last Member Query Interval (1-25 sec)."},
        {{{GlobalDlg::IdQueryInterval, "601"}, {GlobalDlg::IdMaxResponseTime, "9"}}, "Invalid Query Interval (60-600 sec)."},
        {{{GlobalDlg::IdMaxResponseTime, "26"}}, "Invalid Max. Response Time (10-25 sec)."},
        {{{GlobalDlg::IdMaxResponseTime, "25"}, {GlobalDlg::IdRobustness, "255"}}, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message ? c.message : "accepted");
        auto page = open<GlobalDlg>(GlobalDlg::IdApply);
        for (const auto& [id, text] : c.typed)
            field(page.get(), id)->setText(QString::fromLatin1(text));
        boxes.clear();
        clickButton(page.get(), GlobalDlg::IdApply);
        EXPECT_EQ(boxes.texts(), c.message ? QStringList{c.message} : QStringList{});
        EXPECT_EQ(sets().empty(), c.message != nullptr);
    }
}

TEST_F(IgmpPages, GlobalApplyWritesOnlyWhatChanged)
{
    struct Case {
        const char* name;
        int stateBefore;
        std::function<void(QWidget*)> edit;
        std::vector<bool> answers;
        QStringList questions;
        Sets sets;
    };
    const QString question = "All router ports will be deleted.";
    const auto tick = [](QWidget* p, int id) { controlOf<QCheckBox>(p, id)->click(); };
    const Case cases[] = {
        {"nothing changed", 1, [](QWidget*) {}, {}, {}, {}},
        {"two values changed",
         1,
         [&](QWidget* p) { field(p, GlobalDlg::IdQueryInterval)->setText("130"), tick(p, GlobalDlg::IdReportToAll); },
         {},
         {},
         {{integer(global(6), 130), integer(global(8), 1)}}},
        {"switched off", 1, [&](QWidget* p) { field(p, GlobalDlg::IdQueryInterval)->setText("130"), tick(p, GlobalDlg::IdEnable); },
         {true}, {question}, {{integer(global(1), 2)}}},
        {"switching off cancelled", 1, [&](QWidget* p) { tick(p, GlobalDlg::IdEnable); }, {false}, {question}, {}},
        {"switched on: the state first, then what changed",
         2,
         [&](QWidget* p) { tick(p, GlobalDlg::IdEnable), field(p, GlobalDlg::IdRouterTimeout)->setText("300"); },
         {},
         {},
         {{integer(global(1), 1)}, {integer(global(2), 300)}}},
        {"off stays off", 2, [](QWidget*) {}, {true}, {question}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        agent->setInteger(global(1), c.stateBefore);
        auto page = open<GlobalDlg>(GlobalDlg::IdApply);
        c.edit(page.get());
        boxes.clear();
        for (bool answer : c.answers)
            boxes.answerQuestions({answer});
        clickButton(page.get(), GlobalDlg::IdApply);
        EXPECT_EQ(boxes.texts(), c.questions);
        EXPECT_EQ(sets(), c.sets);
        // Every Apply ends with a fresh read.
        ASSERT_TRUE(openAndWait(*page, GlobalDlg::IdApply));
        EXPECT_EQ(agent->requestsOfType(snmp::PduType::Get).size(), 1u);
        load(seed);
    }
}

// --- VLAN settings ---------------------------------------------------------------------------

using VlanDlg = CIgmpVlanDlg;

void chooseRow(QWidget* page, int row)
{
    controlOf<CListView>(page, VlanDlg::IdList)->setCurrentCell(row, 0);
}
QCheckBox* routerBox(const QWidget* page, int port)
{
    return controlOf<QCheckBox>(page, VlanDlg::IdFirstRouterPort + port - 1);
}

TEST_F(IgmpPages, VlanSettingsListTheVlansAndFillTheFieldsOfTheChosenOne)
{
    auto page = open<VlanDlg>(VlanDlg::IdApply, true);
    EXPECT_EQ(page->windowTitle(), "The VLAN Settings of IGMP snooping ");
    EXPECT_EQ(listHeaders(page.get(), VlanDlg::IdList),
              (QStringList{"VLAN ID", "VLAN Name", "State ", "Querier State", "Fast Leave", "Static Router Ports "}));
    EXPECT_EQ(listRows(page.get(), VlanDlg::IdList),
              (std::vector<QStringList>{{"1", "default", "Enabled", "Disabled", "Disabled", "25"},
                                        {"100", "cameras", "Enabled", "Enabled", "Enabled", ""},
                                        {"200", "office", "Disabled", "Disabled", "Disabled", ""}}));
    chooseRow(page.get(), 0);
    EXPECT_EQ(controlOf<QLineEdit>(page.get(), VlanDlg::IdVlanId)->text(), "1");
    EXPECT_EQ(controlOf<QLineEdit>(page.get(), VlanDlg::IdVlanName)->text(), "default");
    EXPECT_TRUE(routerBox(page.get(), 25)->isChecked());
    EXPECT_FALSE(routerBox(page.get(), 24)->isChecked());
    EXPECT_TRUE(controlOf<QComboBox>(page.get(), VlanDlg::IdQuerier)->isEnabled());
    chooseRow(page.get(), 2);
    EXPECT_EQ(controlOf<QComboBox>(page.get(), VlanDlg::IdState)->currentText(), "Disabled");
    EXPECT_FALSE(controlOf<QComboBox>(page.get(), VlanDlg::IdQuerier)->isEnabled());
    EXPECT_FALSE(controlOf<QComboBox>(page.get(), VlanDlg::IdFastLeave)->isEnabled());
    EXPECT_FALSE(routerBox(page.get(), 25)->isChecked());
}

// The VLAN table of the switch need not hold the same VLANs as the snooping table: a name
// belongs to the row with its VLAN ID, and a VLAN without a name shows none.
TEST_F(IgmpPages, VlanNamesArePairedWithTheRowsByVlanId)
{
    agent->remove(device("7.6.1.1.100"));
    agent->setOctets(device("7.6.1.1.2"), "two");
    agent->setOctets(device("7.6.1.1.50"), "lab");
    agent->setOctets(device("7.6.1.1.4000"), "last");
    agent->setOctets(device("7.6.1.2.1"), std::string("\xFF\xFF\xFF\xF0", 4)); // the next column follows
    auto page = open<VlanDlg>(VlanDlg::IdApply, true);
    const auto rows = listRows(page.get(), VlanDlg::IdList);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].mid(0, 2), (QStringList{"1", "default"}));
    EXPECT_EQ(rows[1].mid(0, 2), (QStringList{"100", ""}));
    EXPECT_EQ(rows[2].mid(0, 2), (QStringList{"200", "office"}));
    chooseRow(page.get(), 1);
    EXPECT_EQ(controlOf<QLineEdit>(page.get(), VlanDlg::IdVlanName)->text(), "");
}

TEST_F(IgmpPages, VlanWritesAreOfferedOnlyWithSnoopingOn)
{
    VlanDlg page(false);
    ASSERT_TRUE(openAndWait(page, VlanDlg::IdRefresh));
    EXPECT_FALSE(controlOf<QPushButton>(&page, VlanDlg::IdApply)->isEnabled());
    EXPECT_FALSE(controlOf<QPushButton>(&page, VlanDlg::IdRouterApply)->isEnabled());
}

TEST_F(IgmpPages, VlanApplyWritesStateQuerierAndFastLeave)
{
    const auto column = [](int c, int vid) { return device("10.3.4.1." + std::to_string(c) + "." + std::to_string(vid)); };
    struct Case {
        const char* name;
        int row;
        int state, querier, fastLeave; // list indexes: 0 Enabled, 1 Disabled
        bool answer;
        QStringList questions;
        Sets sets;
    };
    const QString question = "All router ports of this VLAN will be deleted.";
    const Case cases[] = {
        {"on stays on", 1, 0, 1, 0, true, {}, {{integer(column(4, 100), 2), integer(column(8, 100), 1)}}},
        {"switched on: the state alone first", 2, 0, 0, 1, true, {},
         {{integer(column(2, 200), 1)}, {integer(column(4, 200), 1), integer(column(8, 200), 2)}}},
        {"switched off", 0, 1, 1, 1, true, {question},
         {{integer(column(4, 1), 2), integer(column(8, 1), 2), integer(column(2, 1), 2)}}},
        {"switching off cancelled", 0, 1, 1, 1, false, {question}, {}},
        {"off stays off", 2, 1, 1, 1, true, {question}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto page = open<VlanDlg>(VlanDlg::IdApply, true);
        chooseRow(page.get(), c.row);
        controlOf<QComboBox>(page.get(), VlanDlg::IdState)->setCurrentIndex(c.state);
        controlOf<QComboBox>(page.get(), VlanDlg::IdQuerier)->setCurrentIndex(c.querier);
        controlOf<QComboBox>(page.get(), VlanDlg::IdFastLeave)->setCurrentIndex(c.fastLeave);
        boxes.clear();
        if (!c.questions.isEmpty())
            boxes.answerQuestions({c.answer});
        clickButton(page.get(), VlanDlg::IdApply);
        EXPECT_EQ(boxes.texts(), c.questions);
        EXPECT_EQ(sets(), c.sets);
        ASSERT_TRUE(openAndWait(*page, VlanDlg::IdApply));
        load(seed);
    }
}

TEST_F(IgmpPages, RouterPortsAreWrittenAsTheLongerPortListOfTheirModel)
{
    struct Case {
        int ports;
        std::vector<int> ticked;
        std::string octets;
    };
    const Case cases[] = {
        {28, {1, 25}, std::string("\x80\x00\x00\x80\x00\x00\x00\x00", 8)}, // seven digits and nine zeros
        {52, {2, 52}, std::string("\x40\x00\x00\x00\x00\x00\x10\x00\x00\x00\x00\x00", 12)},
        {24, {24}, std::string("\x00\x00\x01\x00", 4)}, // any other count: the usual padding
        {28, {}, std::string(8, '\0')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ports);
        load(seed);
        DeviceProfile profile;
        profile.DevicePortNum = c.ports;
        DeviceProfile::setCurrent(profile);
        auto page = open<VlanDlg>(VlanDlg::IdApply, true);
        chooseRow(page.get(), 1);
        for (int port : c.ticked)
            routerBox(page.get(), port)->setChecked(true);
        clickButton(page.get(), VlanDlg::IdRouterApply);
        EXPECT_TRUE(boxes.texts().isEmpty());
        EXPECT_EQ(sets(), (Sets{{device("10.3.4.1.6.100") + "=4:" + c.octets}}));
        // The page reads again and the boxes show the VLAN's router ports as the switch now has them.
        ASSERT_TRUE(openAndWait(*page, VlanDlg::IdApply));
        for (int port = 1; port <= c.ports; ++port)
            EXPECT_EQ(routerBox(page.get(), port)->isChecked(),
                      std::find(c.ticked.begin(), c.ticked.end(), port) != c.ticked.end())
                << port;
    }
}

// After a write the VLAN stays chosen with what was read again: a second Apply writes the same
// router ports, not an empty list.
TEST_F(IgmpPages, ChosenVlanShowsItsRouterPortsAsReadAgain)
{
    auto page = open<VlanDlg>(VlanDlg::IdApply, true);
    chooseRow(page.get(), 1);
    routerBox(page.get(), 10)->setChecked(true);
    clickButton(page.get(), VlanDlg::IdRouterApply);
    ASSERT_TRUE(openAndWait(*page, VlanDlg::IdApply));
    EXPECT_EQ(listRows(page.get(), VlanDlg::IdList)[1][5], "10");
    EXPECT_EQ(controlOf<QLineEdit>(page.get(), VlanDlg::IdVlanId)->text(), "100");
    EXPECT_TRUE(routerBox(page.get(), 10)->isChecked());

    // Another program adds port 12 meanwhile; Refresh shows it.
    agent->setOctets(device("10.3.4.1.6.100"), std::string("\x00\x50\x00\x00\x00\x00\x00\x00", 8));
    clickButton(page.get(), VlanDlg::IdRefresh);
    ASSERT_TRUE(openAndWait(*page, VlanDlg::IdApply));
    EXPECT_TRUE(routerBox(page.get(), 12)->isChecked());

    agent->clearRequests();
    clickButton(page.get(), VlanDlg::IdRouterApply);
    EXPECT_EQ(sets(), (Sets{{device("10.3.4.1.6.100") + "=4:" + std::string("\x00\x50\x00\x00\x00\x00\x00\x00", 8)}}));
    ASSERT_TRUE(openAndWait(*page, VlanDlg::IdApply));
}

TEST_F(IgmpPages, RouterPortsNeedAVlanAndWholeAggregatedLinks)
{
    auto page = open<VlanDlg>(VlanDlg::IdApply, true);
    clickButton(page.get(), VlanDlg::IdRouterApply);
    EXPECT_EQ(boxes.texts(), QStringList{"Please select Vlan first."});
    chooseRow(page.get(), 1);
    routerBox(page.get(), 3)->setChecked(true);
    boxes.clear();
    clickButton(page.get(), VlanDlg::IdRouterApply);
    EXPECT_EQ(boxes.texts(), QStringList{"Members of port channel must have the same status."});
    routerBox(page.get(), 4)->setChecked(true);
    boxes.clear();
    clickButton(page.get(), VlanDlg::IdRouterApply);
    EXPECT_TRUE(boxes.texts().isEmpty());
    EXPECT_EQ(sets(), (Sets{{device("10.3.4.1.6.100") + "=4:" + std::string("\x30\x00\x00\x00\x00\x00\x00\x00", 8)}}));
}

// --- Multicast Entry Table -------------------------------------------------------------------

TEST_F(IgmpPages, GroupsAreNumberedInTheOrderRead)
{
    auto page = open<CMulticastEntryDlg>(CMulticastEntryDlg::IdRefresh);
    EXPECT_EQ(listHeaders(page.get(), CMulticastEntryDlg::IdList),
              (QStringList{"Group ID", "VLAN ID", "Multicast  Group", "Multicast MAC address", "Port Members"}));
    // The group address is read as an IpAddress or as four octets.
    EXPECT_EQ(listRows(page.get(), CMulticastEntryDlg::IdList),
              (std::vector<QStringList>{{"1", "1", "239.1.1.1", "01-00-5E-01-01-01", "1,3,25"},
                                        {"2", "100", "239.1.2.3", "01-00-5E-01-02-03", "20,21"}}));
}

// --- Multicast Filtering Mode ----------------------------------------------------------------

using FilterDlg = CMulticastFilterDlg;

TEST_F(IgmpPages, FilteringModeListsThePortsAndWritesARunOfPorts)
{
    auto page = open<FilterDlg>(FilterDlg::IdApply);
    EXPECT_EQ(page->windowTitle(), "Multicast Filtering Mode Configuration");
    const auto rows = listRows(page.get(), FilterDlg::IdList);
    ASSERT_EQ(rows.size(), 28u);
    EXPECT_EQ(rows[0], (QStringList{"1", "Forward Unregistered Groups"}));
    EXPECT_EQ(rows[5], (QStringList{"6", "Filtering Unregistered Groups"}));
    auto* from = controlOf<QComboBox>(page.get(), FilterDlg::IdFromPort);
    auto* to = controlOf<QComboBox>(page.get(), FilterDlg::IdToPort);
    EXPECT_EQ(from->currentText(), "1");
    EXPECT_EQ(to->currentText(), "28");

    // A run that touches the link of ports 3 and 4 is refused whole.
    chooseItem(from, 1);
    chooseItem(to, 2);
    clickButton(page.get(), FilterDlg::IdApply);
    EXPECT_EQ(boxes.texts(), QStringList{"Ports with different Multicast Filtering Mode in an aggregated link is invalid."});
    EXPECT_TRUE(sets().empty());

    boxes.clear();
    chooseItem(from, 4);
    chooseItem(to, 6);
    controlOf<QComboBox>(page.get(), FilterDlg::IdMode)->setCurrentIndex(1);
    clickButton(page.get(), FilterDlg::IdApply);
    EXPECT_TRUE(boxes.texts().isEmpty());
    const auto mode = [](int port) { return device("28.1.1.2." + std::to_string(port)); };
    EXPECT_EQ(sets(), (Sets{{integer(mode(5), 2), integer(mode(6), 2), integer(mode(7), 2)}}));
    ASSERT_TRUE(openAndWait(*page, FilterDlg::IdApply));
    EXPECT_EQ(listRows(page.get(), FilterDlg::IdList)[6], (QStringList{"7", "Filtering Unregistered Groups"}));
}

} // namespace

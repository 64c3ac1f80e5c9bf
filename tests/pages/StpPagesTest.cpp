// Spanning tree: Bridge Config (the read, the timer checks, the ordered timer writes and where
// they stop), the Spanning Tree Table (the loopback-detection pass on opening, the list) and
// Port Config (moving along the table, the checks, the write).

#include "PageTestSupport.h"

#include "CStpBridgeConfigDlg.h"
#include "CStpPortConfigDlg.h"
#include "CStpTableDlg.h"
#include "Enterprise.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace {

std::string stpScalar(int object)
{
    return "1.3.6.1.2.1.17.2." + std::to_string(object) + ".0";
}
std::string stpPort(int column, int port)
{
    return "1.3.6.1.2.1.17.2.15.1." + std::to_string(column) + "." + std::to_string(port);
}
std::string device(const std::string& tail)
{
    return snmp::expandEnterprise("ENTERPRISE.10.75.5.2." + tail);
}
const std::string rstpState = device("6.1.1.0");
const std::string stpVersion = device("6.1.2.0");
std::string lbd(int port)
{
    return device("17.5.1.2." + std::to_string(port));
}
std::string privateCost(int port)
{
    return device("6.2.1.5." + std::to_string(port));
}
std::string integer(const std::string& oid, long long value)
{
    return oid + "=2:" + std::to_string(value);
}
using Sets = std::vector<std::vector<std::string>>;

class StpPageTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        const std::string root("\x80\x00\x00\x1e\x58\x4c\x20\x00", 8);
        agent->setInteger(stpScalar(2), 32768);
        agent->setUnsigned(stpScalar(3), snmp::Ber::TimeTicks, 1234500);
        agent->setUnsigned(stpScalar(4), snmp::Ber::Counter32, 3);
        agent->setOctets(stpScalar(5), root);
        agent->setInteger(stpScalar(7), 0);
        agent->setInteger(stpScalar(9), 200);
        agent->setInteger(stpScalar(10), 100);
        agent->setInteger(stpScalar(11), 1500);
        agent->setInteger(stpScalar(12), 2000);
        agent->setInteger(stpScalar(13), 200);
        agent->setInteger(stpScalar(14), 1500);
        agent->setInteger(rstpState, 1);
        agent->setInteger(stpVersion, 2);
        for (int p = 1; p <= 28; ++p) {
            agent->setInteger(stpPort(1, p), p);
            agent->setInteger(stpPort(2, p), 128);
            agent->setInteger(stpPort(3, p), p == 4 ? 1 : 5);
            agent->setInteger(stpPort(4, p), 1);
            agent->setInteger(stpPort(5, p), p == 4 ? 2000000 : 200000);
            agent->setOctets(stpPort(6, p), root);
            agent->setInteger(stpPort(7, p), 0);
            agent->setOctets(stpPort(8, p), root);
            agent->setOctets(stpPort(9, p), std::string{char(0x80), char(p)});
            agent->setUnsigned(stpPort(10, p), snmp::Ber::Counter32, p == 4 ? 0 : 1);
            agent->setInteger(lbd(p), p == 3 || p == 7 ? 1 : 2);
            agent->setInteger(privateCost(p), p == 4 ? 2000000 : 0); // 0: automatic
        }
        // Ports 17 and 18 form link 1.
        agent->setOctets(device("8.1.3.1.2.1"), std::string("\x00\x00\xc0\x00", 4));
        agent->setOctets(device("8.1.3.1.2.2"), std::string(4, '\0'));
    }
    Sets sets() const
    {
        Sets texts;
        for (const auto& request : agent->requestsOfType(snmp::PduType::Set))
            texts.push_back(bindTexts(request));
        return texts;
    }
    static QString field(const QWidget* page, int id) { return controlOf<QLineEdit>(page, id)->text(); }
};

// --- Bridge Config -----------------------------------------------------------------------------

class BridgeConfigPage : public StpPageTest {
protected:
    using Id = CStpBridgeConfigDlg::ControlId;
    void setTimers(QWidget* page, const QString& age, const QString& delay, const QString& hello)
    {
        controlOf<QLineEdit>(page, Id::IdMaxAge)->setText(age);
        controlOf<QLineEdit>(page, Id::IdForwardDelay)->setText(delay);
        controlOf<QLineEdit>(page, Id::IdHelloTime)->setText(hello);
    }
    QCheckBox* enable(QWidget* page) { return controlOf<QCheckBox>(page, Id::IdEnableRstp); }
};

TEST_F(BridgeConfigPage, ReadFillsTheFieldsAndFollowsTheRstpState)
{
    agent->setInteger(stpVersion, 0);
    CStpBridgeConfigDlg page;
    ASSERT_TRUE(openAndWait(page, Id::IdApply));
    EXPECT_EQ(page.windowTitle(), " STP Configuration ");
    const auto gets = agent->requestsOfType(snmp::PduType::Get);
    ASSERT_EQ(gets.size(), 1u);
    std::vector<std::string> asked;
    for (const auto& b : gets[0].binds)
        asked.push_back(b.oid);
    EXPECT_EQ(asked, (std::vector<std::string>{stpScalar(2), stpScalar(3), stpScalar(4), stpScalar(5), stpScalar(7),
                                               stpScalar(12), stpScalar(13), stpScalar(14), stpScalar(9),
                                               stpScalar(10), stpScalar(11), rstpState, stpVersion}));
    EXPECT_EQ(controlOf<QComboBox>(&page, Id::IdPriority)->currentText(), "32768");
    EXPECT_EQ(field(&page, Id::IdTopologyChangeTime), "1234500");
    EXPECT_EQ(field(&page, Id::IdTopologyChanges), "3");
    EXPECT_EQ(field(&page, Id::IdDesignatedRoot), "80:00:00:1E:58:4C:20:00");
    EXPECT_EQ(field(&page, Id::IdRootPort), "0");
    EXPECT_EQ(field(&page, Id::IdMaxAge), "2000");
    EXPECT_EQ(field(&page, Id::IdHelloTime), "200");
    EXPECT_EQ(field(&page, Id::IdForwardDelay), "1500");
    EXPECT_EQ(field(&page, Id::IdCurrentHelloTime), "200");
    EXPECT_EQ(field(&page, Id::IdHoldTime), "100");
    EXPECT_EQ(field(&page, Id::IdCurrentForwardDelay), "1500");
    EXPECT_TRUE(enable(&page)->isChecked());
    EXPECT_EQ(controlOf<QComboBox>(&page, Id::IdVersion)->currentText(), "STP Compatible");
    for (int id : {Id::IdVersion, Id::IdPriority, Id::IdMaxAge, Id::IdForwardDelay, Id::IdHelloTime, Id::IdPortSetting})
        EXPECT_TRUE(page.findChild<QWidget*>(QString::number(id))->isEnabled()) << id;

    // Clearing the box disables the same controls at once.
    enable(&page)->click();
    for (int id : {Id::IdVersion, Id::IdPriority, Id::IdMaxAge, Id::IdForwardDelay, Id::IdHelloTime, Id::IdPortSetting})
        EXPECT_FALSE(page.findChild<QWidget*>(QString::number(id))->isEnabled()) << id;
}

TEST_F(BridgeConfigPage, RstpOffLeavesTheSettingsDisabled)
{
    agent->setInteger(rstpState, 2);
    CStpBridgeConfigDlg page;
    ASSERT_TRUE(openAndWait(page, Id::IdApply));
    EXPECT_FALSE(enable(&page)->isChecked());
    EXPECT_TRUE(enable(&page)->isEnabled());
    EXPECT_FALSE(controlOf<QPushButton>(&page, Id::IdPortSetting)->isEnabled());
    EXPECT_FALSE(controlOf<QLineEdit>(&page, Id::IdMaxAge)->isEnabled());
}

// A faulty agent's short answer fills only what arrived and never enables a write.
TEST_F(BridgeConfigPage, ShortAnswerFillsWhatArrivedAndKeepsApplyOff)
{
    snmp::MemoryAgent::Fault shortAnswer;
    shortAnswer.valueLimit = 11;
    agent->setDefaultFault(shortAnswer);
    CStpBridgeConfigDlg page;
    ASSERT_TRUE(openAndWait(page, Id::IdRefresh));
    EXPECT_EQ(field(&page, Id::IdCurrentForwardDelay), "1500");
    EXPECT_FALSE(enable(&page)->isEnabled());
    EXPECT_FALSE(controlOf<QPushButton>(&page, Id::IdApply)->isEnabled());

    shortAnswer.valueLimit = 10;
    agent->setDefaultFault(shortAnswer);
    CStpBridgeConfigDlg fewer;
    ASSERT_TRUE(openAndWait(fewer, Id::IdRefresh));
    EXPECT_TRUE(field(&fewer, Id::IdMaxAge).isEmpty());
    EXPECT_FALSE(controlOf<QPushButton>(&fewer, Id::IdApply)->isEnabled());
}

TEST_F(BridgeConfigPage, ChecksShowTheirMessageAndWriteNothing)
{
    struct Case {
        const char* age;
        const char* delay;
        const char* hello;
        const char* priority;
        const char* message;
    };
    const Case cases[] = {
        {"599", "400", "200", "32768", "Invalid Age Time value, the valid Age Time range is  (600-4000) ms !"},
        {"", "400", "200", "32768", "Invalid Age Time value, the valid Age Time range is  (600-4000) ms !"},
        {"600", "399", "200", "32768",
         "Invalid Forward Delay value, the valid Forward Delay range is (400-3000) ms !"},
        {"600", "400", "1001", "32768",
         "Invalid Hello Time value, the valid Hello Time range is (100-1000) ms !"},
        {"600", "1500", "201", "32768",
         "To set the parameters Hello Time and Max Age the following relation is to be satisfied: \nMax Age >= "
         "(2*(Hello Time + 1.0))"},
        {"601", "400", "200", "32768",
         "To set the parameters Forward Delay and Max Age, the following relation is to be satisfied: \n2*(Forward "
         "Delay - 1) >= Max Age"},
        {"600", "400", "200", "root", "Invalid Priority value, the valid Priority range is (0-61440) !"},
        {"600", "400", "200", "", "Invalid Priority value, the valid Priority range is (0-61440) !"},
    };
    CStpBridgeConfigDlg page;
    ASSERT_TRUE(openAndWait(page, Id::IdApply));
    agent->clearRequests();
    for (const Case& c : cases) {
        boxes.clear();
        setTimers(&page, c.age, c.delay, c.hello);
        controlOf<QComboBox>(&page, Id::IdPriority)->setEditText(c.priority);
        clickButton(&page, Id::IdApply);
        EXPECT_EQ(boxes.texts(), QStringList{c.message}) << c.age << " " << c.delay << " " << c.hello;
    }
    EXPECT_EQ(agent->requestCount(), 0);
}

TEST_F(BridgeConfigPage, TimersAreWrittenInAnOrderThatKeepsTheRelationsThenReadAgain)
{
    CStpBridgeConfigDlg page;
    ASSERT_TRUE(openAndWait(page, Id::IdApply));
    agent->clearRequests();
    setTimers(&page, "600", "400", "200");
    controlOf<QComboBox>(&page, Id::IdPriority)->setEditText("4096");
    controlOf<QComboBox>(&page, Id::IdVersion)->setCurrentIndex(1);
    clickButton(&page, Id::IdApply);
    EXPECT_TRUE(boxes.texts().isEmpty());
    EXPECT_EQ(sets(), (Sets{{integer(stpScalar(13), 100), integer(stpScalar(14), 3000)},
                            {integer(stpScalar(12), 600)},
                            {integer(stpScalar(14), 400)},
                            {integer(stpScalar(13), 200)},
                            {integer(stpScalar(2), 4096), integer(stpVersion, 0)}}));
    ASSERT_TRUE(waitUntil([&] { return agent->requestsOfType(snmp::PduType::Get).size() == 1; }));
    ASSERT_TRUE(openAndWait(page, Id::IdApply));
    EXPECT_EQ(field(&page, Id::IdMaxAge), "600");
}

TEST_F(BridgeConfigPage, TurningRstpOffWritesOnlyTheStateAndOnAgainWritesItFirst)
{
    CStpBridgeConfigDlg page;
    ASSERT_TRUE(openAndWait(page, Id::IdApply));
    agent->clearRequests();
    enable(&page)->click();
    setTimers(&page, "1", "2", "3"); // ignored
    clickButton(&page, Id::IdApply);
    EXPECT_TRUE(boxes.texts().isEmpty());
    EXPECT_EQ(sets(), (Sets{{integer(rstpState, 2)}}));
    EXPECT_FALSE(controlOf<QPushButton>(&page, Id::IdPortSetting)->isEnabled());
    QTest::qWait(60);
    EXPECT_TRUE(agent->requestsOfType(snmp::PduType::Get).empty()); // not read again

    agent->clearRequests();
    enable(&page)->click();
    setTimers(&page, "2000", "1500", "200");
    clickButton(&page, Id::IdApply);
    const Sets written = sets();
    ASSERT_EQ(written.size(), 6u);
    EXPECT_EQ(written[0], std::vector<std::string>{integer(rstpState, 1)});
}

TEST_F(BridgeConfigPage, ARefusedTimerEndsTheWritesAndThePageReadsAgain)
{
    CStpBridgeConfigDlg page;
    ASSERT_TRUE(openAndWait(page, Id::IdApply));
    agent->clearRequests();
    snmp::MemoryAgent::Fault refused;
    refused.errorStatus = snmp::ErrorStatus::BadValue;
    agent->setObjectFault(stpScalar(12), refused);
    setTimers(&page, "600", "400", "200");
    clickButton(&page, Id::IdApply);
    // The put-back of the timers as read starts the same way and meets the same refusal.
    EXPECT_EQ(sets(), (Sets{{integer(stpScalar(13), 100), integer(stpScalar(14), 3000)},
                            {integer(stpScalar(12), 600)},
                            {integer(stpScalar(13), 100), integer(stpScalar(14), 3000)},
                            {integer(stpScalar(12), 2000)}}));
    agent->clearFaults();
    ASSERT_TRUE(waitUntil([&] { return agent->requestsOfType(snmp::PduType::Get).size() == 1; }));
    ASSERT_TRUE(openAndWait(page, Id::IdApply));
    EXPECT_EQ(field(&page, Id::IdForwardDelay), "3000"); // what the switch now holds
}

// After the room-making values have gone out, a step that fails (refused or unanswered) leaves
// the switch on timers nobody entered: the timers as read are put back, in the same safe order.
TEST_F(BridgeConfigPage, AFailedTimerStepPutsBackTheTimersAsRead)
{
    LaunchParams::setTimeoutText("200");
    const Sets entered{{integer(stpScalar(13), 100), integer(stpScalar(14), 3000)},
                       {integer(stpScalar(12), 1000)},
                       {integer(stpScalar(14), 800)},
                       {integer(stpScalar(13), 150)},
                       {integer(stpScalar(2), 32768), integer(stpVersion, 2)}};
    const Sets putBack{{integer(stpScalar(13), 100), integer(stpScalar(14), 3000)},
                       {integer(stpScalar(12), 2000)},
                       {integer(stpScalar(14), 1500)},
                       {integer(stpScalar(13), 200)}};
    struct Case {
        const char* name;
        int failingRequest; // 1-based, over the sets of the write
        bool unanswered;
        bool putsBack;
    };
    const Case cases[] = {
        {"room-making step unanswered", 1, true, true},
        {"forward delay refused", 3, false, true},
        {"hello time unanswered", 4, true, true},
        {"priority refused: the timers are the entered ones", 5, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        agent->clearFaults();
        CStpBridgeConfigDlg page;
        ASSERT_TRUE(openAndWait(page, Id::IdApply));
        agent->clearRequests();
        snmp::MemoryAgent::Fault fault;
        fault.noAnswer = c.unanswered;
        fault.errorStatus = c.unanswered ? 0 : snmp::ErrorStatus::BadValue;
        agent->setRequestFault(c.failingRequest, fault);
        setTimers(&page, "1000", "800", "150");
        clickButton(&page, Id::IdApply);
        Sets expected(entered.begin(), entered.begin() + c.failingRequest);
        if (c.putsBack)
            expected.insert(expected.end(), putBack.begin(), putBack.end());
        EXPECT_EQ(sets(), expected);
        EXPECT_TRUE(boxes.texts().isEmpty());
        ASSERT_TRUE(waitUntil([&] { return !agent->requestsOfType(snmp::PduType::Get).empty(); }));
        ASSERT_TRUE(openAndWait(page, Id::IdApply));
    }
}

// A version the page has no item for (3, as a switch running MSTP reports) is shown as its
// number and written back unchanged when only the priority changes.
TEST_F(BridgeConfigPage, AnUnknownVersionIsShownAndWrittenBackAsRead)
{
    agent->setInteger(stpVersion, 3);
    CStpBridgeConfigDlg page;
    ASSERT_TRUE(openAndWait(page, Id::IdApply));
    auto* version = controlOf<QComboBox>(&page, Id::IdVersion);
    EXPECT_EQ(version->currentText(), "3");
    agent->clearRequests();
    controlOf<QComboBox>(&page, Id::IdPriority)->setEditText("4096");
    clickButton(&page, Id::IdApply);
    ASSERT_EQ(sets().size(), 5u);
    EXPECT_EQ(sets().back(), (std::vector<std::string>{integer(stpScalar(2), 4096), integer(stpVersion, 3)}));

    // Picking an item writes its value.
    ASSERT_TRUE(waitUntil([&] { return !agent->requestsOfType(snmp::PduType::Get).empty(); }));
    ASSERT_TRUE(openAndWait(page, Id::IdApply));
    EXPECT_EQ(version->currentText(), "3");
    agent->clearRequests();
    version->setCurrentIndex(version->findText("STP Compatible"));
    clickButton(&page, Id::IdApply);
    ASSERT_EQ(sets().size(), 5u);
    EXPECT_EQ(sets().back(), (std::vector<std::string>{integer(stpScalar(2), 4096), integer(stpVersion, 0)}));
}

// --- Spanning Tree Table -----------------------------------------------------------------------

class TableSpy : public CStpTableDlg {
public:
    std::vector<int> opened;

protected:
    void openPortConfig(int row) override { opened.push_back(row); }
};

class StpTablePage : public StpPageTest {
protected:
    using Id = CStpTableDlg::ControlId;
};

TEST_F(StpTablePage, OpeningSwitchesSpanningTreeOffWhereLoopbackDetectionIsOnThenLists)
{
    CStpTableDlg page;
    ASSERT_TRUE(openAndWait(page, Id::IdPortConfig));
    EXPECT_EQ(page.windowTitle(), "Spanning Tree Table");
    EXPECT_EQ(sets(), (Sets{{integer(stpPort(4, 3), 2)}, {integer(stpPort(4, 7), 2)}}));
    EXPECT_EQ(agent->requestsOfType(snmp::PduType::Get).size(), 28u);
    EXPECT_EQ(listHeaders(&page, Id::IdList),
              (QStringList{"Port", "Priority", "Cost ", "Enable", "Status  ", " ==Designated Root== ", "Designated Cost",
                           " ==Designated Bridge== ", "Designated Port", "Forwardings"}));
    const auto rows = listRows(&page, Id::IdList);
    ASSERT_EQ(rows.size(), 28u);
    EXPECT_EQ(rows[2], (QStringList{"3", "128", "200000", "N", "Forward", "80:00:00:1E:58:4C:20:00", "0",
                                    "80:00:00:1E:58:4C:20:00", "80 03", "1"}));
    EXPECT_EQ(rows[3][4], "Disabled");
    EXPECT_EQ(rows[3][2], "2000000");
    EXPECT_EQ(controlOf<QLabel>(&page, Id::IdEntries)->text(), "28");
}

TEST_F(StpTablePage, TheFirstFailedLoopbackReadEndsThePass)
{
    snmp::MemoryAgent::Fault refused;
    refused.errorStatus = snmp::ErrorStatus::GenErr;
    agent->setObjectFault(lbd(5), refused);
    CStpTableDlg page;
    ASSERT_TRUE(openAndWait(page, Id::IdPortConfig));
    EXPECT_EQ(sets(), (Sets{{integer(stpPort(4, 3), 2)}}));
    EXPECT_EQ(agent->requestsOfType(snmp::PduType::Get).size(), 5u);
    EXPECT_EQ(listRows(&page, Id::IdList).size(), 28u);
}

TEST_F(StpTablePage, PortConfigOpensOnTheSelectedRowOrTheFirst)
{
    TableSpy page;
    ASSERT_TRUE(openAndWait(page, Id::IdPortConfig));
    clickButton(&page, Id::IdPortConfig);
    auto* list = controlOf<CListView>(&page, Id::IdList);
    list->selectRow(5);
    clickButton(&page, Id::IdPortConfig);
    // A double click is a press (which the view needs first) and the double click.
    const QPoint cell = list->visualItemRect(list->item(8, 1)).center();
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, cell);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, cell);
    EXPECT_EQ(page.opened, (std::vector<int>{0, 5, 8}));
}

// --- Port Config -------------------------------------------------------------------------------

class PortConfigPage : public StpPageTest {
protected:
    using Id = CStpPortConfigDlg::ControlId;
    // The table's rows as the Spanning Tree Table reads them.
    std::vector<stp::PortRow> tableRows()
    {
        CStpTableDlg table;
        EXPECT_TRUE(openAndWait(table, CStpTableDlg::IdPortConfig));
        std::vector<stp::PortRow> rows;
        for (const QStringList& cells : listRows(&table, CStpTableDlg::IdList)) {
            stp::PortRow row;
            row.port = cells[0].toInt();
            row.portText = cells[0];
            row.priority = cells[1];
            row.pathCost = cells[2];
            row.enabled = cells[3] == "Y";
            row.state = cells[4];
            row.designatedRoot = cells[5];
            row.designatedCost = cells[6];
            row.designatedBridge = cells[7];
            row.designatedPort = cells[8];
            row.forwardTransitions = cells[9];
            rows.push_back(row);
        }
        agent->clearRequests();
        return rows;
    }
    std::unique_ptr<CStpPortConfigDlg> open(int row)
    {
        auto page = std::make_unique<CStpPortConfigDlg>(tableRows(), row);
        EXPECT_TRUE(openAndWait(*page, Id::IdApply));
        return page;
    }
    void enter(QWidget* page, const QString& priority, const QString& cost, bool enabled)
    {
        controlOf<QComboBox>(page, Id::IdPriority)->setEditText(priority);
        controlOf<QLineEdit>(page, Id::IdPathCost)->setText(cost);
        controlOf<QCheckBox>(page, Id::IdEnable)->setChecked(enabled);
    }
};

TEST_F(PortConfigPage, ShowsTheRowAndThePortReadAndMovesAlongTheTable)
{
    agent->setInteger(stpPort(2, 1), 64);
    auto page = open(0);
    EXPECT_EQ(page->windowTitle(), " Port STP Configuration");
    EXPECT_EQ(controlOf<QLabel>(page.get(), Id::IdPort)->text(), "1");
    EXPECT_EQ(controlOf<QComboBox>(page.get(), Id::IdPriority)->currentText(), "64");
    EXPECT_EQ(field(page.get(), Id::IdPathCost), "200000");
    EXPECT_TRUE(controlOf<QCheckBox>(page.get(), Id::IdEnable)->isChecked());
    EXPECT_EQ(field(page.get(), Id::IdState), "Forward");
    EXPECT_EQ(field(page.get(), Id::IdDesignatedPort), "80 01");
    EXPECT_FALSE(controlOf<QPushButton>(page.get(), Id::IdPrevPort)->isEnabled());
    EXPECT_TRUE(controlOf<QPushButton>(page.get(), Id::IdNextPort)->isEnabled());

    clickButton(page.get(), Id::IdNextPort);
    ASSERT_TRUE(openAndWait(*page, Id::IdApply));
    EXPECT_EQ(controlOf<QLabel>(page.get(), Id::IdPort)->text(), "2");
    EXPECT_EQ(controlOf<QComboBox>(page.get(), Id::IdPriority)->currentText(), "128");
    EXPECT_TRUE(controlOf<QPushButton>(page.get(), Id::IdPrevPort)->isEnabled());

    auto last = open(27);
    EXPECT_EQ(controlOf<QLabel>(last.get(), Id::IdPort)->text(), "28");
    EXPECT_FALSE(controlOf<QPushButton>(last.get(), Id::IdNextPort)->isEnabled());
    EXPECT_TRUE(controlOf<QPushButton>(last.get(), Id::IdPrevPort)->isEnabled());
}

TEST_F(PortConfigPage, ChecksShowTheirMessageAndWriteNothing)
{
    struct Case {
        int row;
        const char* priority;
        const char* cost;
        bool enabled;
        const char* message; // "" : refused silently (an unchanged link member)
    };
    const Case cases[] = {
        {0, "128", "200000001", true, "Invalid Path Cost(1-200000000)"},
        {0, "128", "-1", true, "Invalid Path Cost(1-200000000)"},
        {0, "128", "99999999999999999999", true, "Invalid Path Cost(1-200000000)"},
        {0, "high", "0", true, "Invalid Priority value, the valid Priority range is (0-240) !"},
        {2, "128", "200000", true, "STP port 3 can not both support Spanning Tree and LBD-enabled mode"},
        {16, "128", "200000", false, "Cannot add ports with different STP configurations to an aggregated link."},
        {17, "112", "200000", true, "Cannot add ports with different STP configurations to an aggregated link."},
        {16, "128", "200000", true, ""},
    };
    for (const Case& c : cases) {
        auto page = open(c.row);
        agent->clearRequests();
        boxes.clear();
        enter(page.get(), c.priority, c.cost, c.enabled);
        clickButton(page.get(), Id::IdApply);
        EXPECT_EQ(boxes.texts(), *c.message ? QStringList{c.message} : QStringList{}) << c.row << " " << c.cost;
        EXPECT_TRUE(sets().empty());
    }
}

// The cost box shows the effective cost; the switch's own setting (0 = automatic) is what goes
// back when the operator leaves the box as shown.
TEST_F(PortConfigPage, AnUnchangedCostIsWrittenAsSetOnTheSwitch)
{
    struct Case {
        const char* name;
        int row;
        const char* priority;
        const char* cost; // nullptr: left as shown
        bool enabled;
        long long written;
    };
    const Case cases[] = {
        {"automatic, priority changed", 4, "32", nullptr, true, 0},
        {"automatic, enable changed", 4, "128", nullptr, false, 0},
        {"fixed cost kept", 3, "64", nullptr, true, 2000000},
        {"cost entered", 4, "128", "300000", true, 300000},
        {"effective cost entered over automatic", 4, "128", "200000", true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int port = c.row + 1;
        agent->setInteger(privateCost(port), port == 4 ? 2000000 : 0); // as before the earlier cases
        auto page = open(c.row);
        agent->clearRequests();
        auto* cost = controlOf<QLineEdit>(page.get(), Id::IdPathCost);
        enter(page.get(), c.priority, c.cost ? QString::fromLatin1(c.cost) : cost->text(), c.enabled);
        clickButton(page.get(), Id::IdApply);
        EXPECT_TRUE(boxes.texts().isEmpty());
        EXPECT_EQ(sets(), (Sets{{integer(stpPort(2, port), QString::fromLatin1(c.priority).toInt()),
                                 integer(privateCost(port), c.written), integer(stpPort(4, port), c.enabled ? 1 : 2)}}));
    }
}

TEST_F(PortConfigPage, TheCostBoxTakesDigitsOnly)
{
    auto page = open(0);
    auto* cost = controlOf<QLineEdit>(page.get(), Id::IdPathCost);
    cost->selectAll();
    QTest::keyClicks(cost, QStringLiteral("1a-2 3"));
    EXPECT_EQ(cost->text(), "123");
    cost->clear();
    QTest::keyClicks(cost, QStringLiteral("abc"));
    EXPECT_EQ(cost->text(), "");
    clickButton(page.get(), Id::IdApply);
    EXPECT_EQ(boxes.texts(), QStringList{"Invalid Path Cost(1-200000000)"});
    EXPECT_TRUE(sets().empty());
}

TEST_F(PortConfigPage, ApplyWritesPriorityCostAndEnableInOneRequestAndOkCloses)
{
    auto page = open(4);
    agent->clearRequests();
    enter(page.get(), "32", "0", false);
    clickButton(page.get(), Id::IdApply);
    EXPECT_TRUE(boxes.texts().isEmpty());
    EXPECT_EQ(sets(), (Sets{{integer(stpPort(2, 5), 32), integer(device("6.2.1.5.5"), 0), integer(stpPort(4, 5), 2)}}));
    ASSERT_TRUE(openAndWait(*page, Id::IdApply));
    EXPECT_EQ(controlOf<QComboBox>(page.get(), Id::IdPriority)->currentText(), "32");

    agent->clearRequests();
    enter(page.get(), "16", "200000000", true);
    clickButton(page.get(), Id::IdOk);
    EXPECT_EQ(sets(), (Sets{{integer(stpPort(2, 5), 16), integer(device("6.2.1.5.5"), 200000000),
                             integer(stpPort(4, 5), 1)}}));
    EXPECT_EQ(page->result(), QDialog::Accepted);
    EXPECT_FALSE(page->isVisible());
}

} // namespace

// Port Configuration: the list with its combo-port marking, the row choice, Apply's checks and
// questions, the write and the re-read.

#include "PageTestSupport.h"

#include "CPortSetInfo.h"
#include "Enterprise.h"

#include <QLineEdit>

#include <map>

namespace {

using Id = CPortSetInfo::ControlId;

std::string column(const char* tail, int port)
{
    return snmp::expandEnterprise(std::string("ENTERPRISE.10.75.5.2.") + tail + "." + std::to_string(port));
}

const std::string linkMembers = "ENTERPRISE.10.75.5.2.8.1.3.1.2";
enum Speed { S1000Full, S100Full, S100Half, S10Full, S10Half, SAuto, SDisable };

// 28 ports at Auto with flow control off; port 1 and 2 form link 1 at 100M full duplex; ports
// 1-24 are fast-Ethernet copper, 25-28 combo ports (25 and 28 with 1000Base-x, 27 with 100Base-x
// modules, 26 on its copper side). Interface 29 is no front-panel port.
struct PortTable {
    std::map<int, int> speed, oper, media, flow;

    PortTable()
    {
        for (int p = 1; p <= 29; ++p) {
            speed[p] = 6;
            oper[p] = 3;
            media[p] = p <= 24 ? 1 : 2;
            flow[p] = 2;
        }
        speed[1] = speed[2] = 2;
        flow[1] = 1;
        oper[25] = 2, media[25] = 4;
        oper[26] = 3, media[26] = 2;
        oper[27] = 4, media[27] = 3;
        oper[28] = 1, media[28] = 4;
    }
    void loadInto(snmp::MemoryAgent& agent) const
    {
        for (int p = 1; p <= 29; ++p) {
            agent.setInteger(column("1.13.1.2", p), speed.at(p));
            agent.setInteger(column("1.13.1.3", p), oper.at(p));
            agent.setInteger(column("1.13.1.5", p), flow.at(p));
            agent.setInteger(column("1.13.1.6", p), p % 2 ? 1 : 2);
            agent.setInteger(column("1.13.1.7", p), media.at(p));
            agent.setInteger(column("12.3.1.1.2", p), p == 4 ? 4 : 1);
        }
        agent.setOctets(linkMembers + ".1", std::string("\xC0\x00\x00\x00", 4));
        agent.setOctets(linkMembers + ".2", std::string(4, '\0'));
    }
};

const QString forceQuestion = "The speed is set to force mode. \n* The speed mode must be the same as the counterpart. ";
const QString qosQuestion = "QoS works best when Flow Control is disabled. \n* When Flow Control is enabled.QoS may not "
                            "perform accurate bandwidth allocation. \n* Do you still want to enable Flow Control?. ";

class PortSetInfoPage : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        table.loadInto(*agent);
    }
    std::unique_ptr<CPortSetInfo> open(int initialPort = 0)
    {
        auto page = std::make_unique<CPortSetInfo>(initialPort);
        EXPECT_TRUE(openAndWait(*page, Id::IdApply));
        agent->clearRequests();
        return page;
    }
    void choosePort(CPortSetInfo& page, int port) { controlOf<CListView>(&page, Id::IdPortList)->setCurrentCell(port - 1, 0); }
    void applyWith(CPortSetInfo& page, int port, int speed, int flow)
    {
        if (port) {
            choosePort(page, port);
        } else {
            // The list taking the focus shows a current row but chooses no port.
            page.activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(&page));
            controlOf<QPushButton>(&page, Id::IdRefresh)->setFocus(Qt::TabFocusReason);
            controlOf<CListView>(&page, Id::IdPortList)->setFocus(Qt::TabFocusReason);
        }
        controlOf<QComboBox>(&page, Id::IdSpeed)->setCurrentIndex(speed);
        controlOf<QComboBox>(&page, Id::IdFlowControl)->setCurrentIndex(flow);
        clickButton(&page, Id::IdApply);
    }
    std::vector<std::vector<std::string>> sets()
    {
        std::vector<std::vector<std::string>> texts;
        for (const auto& request : agent->requestsOfType(snmp::PduType::Set))
            texts.push_back(bindTexts(request));
        return texts;
    }
    std::string integer(const char* tail, int port, int value) { return column(tail, port) + "=2:" + std::to_string(value); }

    PortTable table;
};

TEST_F(PortSetInfoPage, ListsTheFrontPanelPortsWithComboPortMarking)
{
    auto page = open();
    EXPECT_EQ(page->windowTitle(), "Port Configuration");
    EXPECT_EQ(listHeaders(page.get(), Id::IdPortList),
              (QStringList{"Index", "PortControlSpeed", "OperMode", "FlowControlMode", "DefaultPriority",
                           "OperFlowControlMode"}));
    const auto rows = listRows(page.get(), Id::IdPortList);
    ASSERT_EQ(rows.size(), 28u); // interface 29 is not listed
    EXPECT_EQ(rows[0], (QStringList{"1", "100MFull", "100MFull", "Enable", "Low", "Enabled"}));
    EXPECT_EQ(rows[3], (QStringList{"4", "Auto", "100MFull", "Disable", "Highest", "Disabled"}));
    EXPECT_EQ(rows[24][2], "1000M F Full");
    EXPECT_EQ(rows[25][2], "100M C Full");
    EXPECT_EQ(rows[26][2], "100M F Half");
    EXPECT_EQ(rows[27][2], "Down");
}

TEST_F(PortSetInfoPage, ClickOrKeyboardChoiceOfARowFillsTheFields)
{
    auto page = open();
    auto* list = controlOf<CListView>(page.get(), Id::IdPortList);
    auto* portId = controlOf<QLineEdit>(page.get(), Id::IdPortId);
    auto* speed = controlOf<QComboBox>(page.get(), Id::IdSpeed);
    auto* flow = controlOf<QComboBox>(page.get(), Id::IdFlowControl);
    EXPECT_EQ(speed->count(), 7);
    EXPECT_EQ(speed->itemText(0), "1000M-Full");

    const QRect cell = list->visualItemRect(list->item(1, 2));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(portId->text(), "2");
    EXPECT_EQ(speed->currentText(), "100M-Full");
    EXPECT_EQ(flow->currentText(), "Disable");

    list->setFocus();
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(portId->text(), "1");
    EXPECT_EQ(flow->currentText(), "Enable");
    QTest::keyClick(list, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(portId->text(), "28");
    EXPECT_EQ(speed->currentText(), "Auto");
}

TEST_F(PortSetInfoPage, PanelPortIsChosenOnceItsRowIsRead)
{
    auto page = open(7);
    EXPECT_EQ(controlOf<QLineEdit>(page.get(), Id::IdPortId)->text(), "7");
    EXPECT_EQ(controlOf<CListView>(page.get(), Id::IdPortList)->currentRow(), 6);
}

TEST_F(PortSetInfoPage, ApplyChecksRunInOrderAndSendNothingWhenOneFails)
{
    struct Case {
        const char* name;
        std::function<void(PortTable&)> setup;
        int port, speed, flow;
        const char* message;
    };
    const Case cases[] = {
        {"no port", nullptr, 0, SAuto, 1, "Please Select one port !"},
        {"link speed", nullptr, 1, SAuto, 1, "LA port can not support in different speed."},
        {"last port", [](PortTable& t) { for (auto& [p, s] : t.speed) s = p == 5 ? 6 : 7; }, 5, SDisable, 1,
         "Sorry, you cannot disable all ports."},
        {"already off", [](PortTable& t) { for (auto& [p, s] : t.speed) s = 7; }, 5, SDisable, 1,
         "Sorry, you cannot disable all ports."},
        {"fast port", nullptr, 3, S1000Full, 1, "Port 3 can not support 1000M speed."},
        {"100Base-x auto", nullptr, 27, SAuto, 1, "Fiber Port 27 with 100Base-x SFP Module can not support in Auto mode."},
        {"1000Base-x", nullptr, 28, S100Full, 1, "Fiber Port 28 with 1000Base-x SFP Module can not support this speed."},
        {"100Base-x", nullptr, 27, S10Full, 1, "Fiber Port 27 with 100Base-x SFP Module can not support this speed."},
        {"half duplex link", [](PortTable& t) { t.speed[2] = 3; }, 1, S100Half, 1,
         "LA port 1 can not support in half-duplex mode."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PortTable t;
        if (c.setup)
            c.setup(t);
        t.loadInto(*agent);
        auto page = open();
        boxes.clear();
        applyWith(*page, c.port, c.speed, c.flow);
        EXPECT_EQ(boxes.texts(), QStringList{c.message});
        EXPECT_TRUE(sets().empty());
    }
}

TEST_F(PortSetInfoPage, ForcedSpeedAndFlowControlAreWrittenAfterBothQuestionsThenReadAgain)
{
    auto page = open();
    boxes.answerQuestions({true, true});
    applyWith(*page, 5, S100Full, 0);
    EXPECT_EQ(boxes.texts(), (QStringList{forceQuestion, qosQuestion}));
    EXPECT_EQ(sets(), (std::vector<std::vector<std::string>>{
                          {integer("1.13.1.2", 5, 2), integer("1.13.1.5", 5, 1)}}));
    ASSERT_TRUE(openAndWait(*page, Id::IdApply));
    EXPECT_EQ(listRows(page.get(), Id::IdPortList)[4][1], "100MFull");
    EXPECT_EQ(listRows(page.get(), Id::IdPortList)[4][3], "Enable");
    EXPECT_FALSE(agent->requestsOfType(snmp::PduType::GetNext).empty());
}

TEST_F(PortSetInfoPage, QuestionsAskedOnlyWhenNeededAndCancelStops)
{
    struct Case {
        const char* name;
        int speed, flow;
        std::vector<bool> answers;
        QStringList asked;
        std::vector<std::string> written; // empty: nothing sent
    };
    const Case cases[] = {
        {"cancel force mode", S10Full, 1, {false}, {forceQuestion}, {}},
        {"cancel flow control", SAuto, 0, {false}, {qosQuestion}, {}},
        {"auto without questions", SAuto, 1, {}, {}, {"1.13.1.2:6", "1.13.1.5:2"}},
        {"disable without questions", SDisable, 1, {}, {}, {"1.13.1.2:7", "1.13.1.5:2"}},
        {"1000M on a combo port", S1000Full, 1, {true}, {forceQuestion}, {"1.13.1.2:1", "1.13.1.5:2"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto page = open();
        boxes.clear();
        for (bool a : c.answers)
            boxes.answerQuestions({a});
        applyWith(*page, 26, c.speed, c.flow);
        EXPECT_EQ(boxes.texts(), c.asked);
        std::vector<std::string> expected;
        for (const std::string& w : c.written)
            expected.push_back(integer(w.substr(0, 8).c_str(), 26, std::stoi(w.substr(9))));
        EXPECT_EQ(sets(), expected.empty() ? std::vector<std::vector<std::string>>{}
                                           : std::vector<std::vector<std::string>>{expected});
        ASSERT_TRUE(openAndWait(*page, Id::IdApply));
    }
}

TEST_F(PortSetInfoPage, LinkMemberKeepsItsSpeedAndOnlyFlowControlIsWritten)
{
    auto page = open();
    applyWith(*page, 1, S100Full, 1);
    EXPECT_EQ(boxes.texts(), QStringList{forceQuestion}); // Cancel is the default answer
    EXPECT_TRUE(sets().empty());
    boxes.clear();
    boxes.answerQuestions({true});
    applyWith(*page, 1, S100Full, 1);
    EXPECT_EQ(sets(), (std::vector<std::vector<std::string>>{{integer("1.13.1.5", 1, 2)}}));
}

TEST_F(PortSetInfoPage, AllGigabitModelsAllow1000MOnCopperPorts)
{
    DeviceProfile profile;
    profile.IsAllGiga = true;
    DeviceProfile::setCurrent(profile);
    auto page = open();
    boxes.answerQuestions({true});
    applyWith(*page, 3, S1000Full, 1);
    EXPECT_EQ(boxes.texts(), QStringList{forceQuestion});
    EXPECT_EQ(sets().size(), 1u);
}

TEST_F(PortSetInfoPage, ApplyWaitsForTheLinkWalkToo)
{
    snmp::MemoryAgent::Fault slow;
    slow.delayMs = 400;
    agent->setObjectFault(linkMembers, slow);
    CPortSetInfo page;
    page.show();
    auto* apply = controlOf<QPushButton>(&page, Id::IdApply);
    ASSERT_TRUE(waitUntil([&] { return listRows(&page, Id::IdPortList).size() == 28; }));
    QTest::qWait(100);
    EXPECT_FALSE(apply->isEnabled()); // the ports are read, the links not yet
    EXPECT_FALSE(controlOf<QPushButton>(&page, Id::IdRefresh)->isEnabled());
    ASSERT_TRUE(waitUntil([&] { return apply->isEnabled(); }));
    choosePort(page, 1);
    controlOf<QComboBox>(&page, Id::IdSpeed)->setCurrentIndex(SAuto);
    clickButton(&page, Id::IdApply);
    EXPECT_EQ(boxes.texts(), QStringList{"LA port can not support in different speed."});
}

TEST_F(PortSetInfoPage, RefusedWriteIsNotReportedAndTheListIsReadAgain)
{
    auto page = open();
    snmp::MemoryAgent::Fault refused;
    refused.errorStatus = snmp::ErrorStatus::BadValue;
    agent->setRequestFault(1, refused); // the set: requests are counted from the last clearRequests()
    applyWith(*page, 6, SAuto, 1);
    EXPECT_EQ(sets().size(), 1u);
    EXPECT_TRUE(boxes.texts().isEmpty());
    ASSERT_TRUE(openAndWait(*page, Id::IdApply));
    ASSERT_EQ(listRows(page.get(), Id::IdPortList).size(), 28u);
    EXPECT_EQ(listRows(page.get(), Id::IdPortList)[5][1], "Auto");
    EXPECT_EQ(controlOf<QLineEdit>(page.get(), Id::IdPortId)->text(), "6"); // the choice survives the re-read
}

} // namespace

// The page machinery: page base, sessions with queued delivery, the aggregated-link walk, the
// typing limit, the IP address control and the From/To pair.

#include "GuiFixture.h"
#include "TraceCapture.h"

#include "AggregatedLinkWalk.h"
#include "CIpAddressEdit.h"
#include "CPageDialog.h"
#include "FieldLabel.h"
#include "PageSessions.h"
#include "PortRangePair.h"
#include "TraceCategory.h"
#include "TypingLimit.h"

#include <optional>
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QThread>
#include <QTimer>

#include <mutex>

namespace {

class TwoSessionPage : public CPageDialog {
public:
    TwoSessionPage() : CPageDialog(80) {}
    CCommonSNMP& m_cCommonSNMP = addSession("m_cCommonSNMP");
    CCommonSNMP& m_quiet = addSession(nullptr);
    CCommonSNMP& m_cCommonSNMPSet = addSession("m_cCommonSNMPSet");
};

const std::string ifIndex = "1.3.6.1.2.1.2.2.1.1";

class PageMachinery : public GuiTest {
protected:
    void loadThreeRows() { load(ifIndex + ".1|2|1\n" + ifIndex + ".2|2|2\n" + ifIndex + ".3|2|3\n1.3.6.1.2.1.2.2.1.2.1|4|x\n"); }
};

TEST_F(PageMachinery, PageIsATopMostApplicationModalTopLevelWindow)
{
    TwoSessionPage page;
    EXPECT_EQ(page.objectName(), "dlg80");
    EXPECT_EQ(page.parentWidget(), nullptr);
    EXPECT_EQ(page.windowModality(), Qt::ApplicationModal);
    EXPECT_TRUE(page.windowFlags() & Qt::WindowStaysOnTopHint);
}

TEST_F(PageMachinery, FinishingThePageClosesItsSessionsOnceWithTraceLines)
{
    TraceCapture trace;
    {
        TwoSessionPage page;
        page.show();
        page.reject();
        page.reject(); // finishing twice, then destruction: no further lines
    }
    EXPECT_EQ(TraceCapture::lines(), (QStringList{"==================DestroyWindow===============",
                                                  "==================m_cCommonSNMP.Close===============",
                                                  "==================m_cCommonSNMPSet.Close==============="}));
}

TEST_F(PageMachinery, WalkDeliversRowsInOrderOnTheGuiThreadThenTheEnd)
{
    loadThreeRows();
    QObject receiver;
    PageSessions sessions(&receiver);
    CCommonSNMP& session = sessions.add("m_cCommonSNMP");
    QStringList rows;
    bool allOnGuiThread = true;
    int endStatus = 0;
    sessions.walk(
        session, {ifIndex},
        [&](const SnmpReply& row) {
            allOnGuiThread = allOnGuiThread && QThread::currentThread() == qApp->thread();
            rows << row.qtext(0) + QString::fromStdString(row.suffix(0));
        },
        [&](int status) { endStatus = status; });
    ASSERT_TRUE(waitUntil([&] { return endStatus != 0; }));
    EXPECT_EQ(rows, (QStringList{"1.1", "2.2", "3.3"}));
    EXPECT_EQ(endStatus, -2);
    EXPECT_TRUE(allOnGuiThread);
}

TEST_F(PageMachinery, WalkThatTimesOutEndsWithTheRowsReceived)
{
    loadThreeRows();
    snmp::MemoryAgent::Fault silent;
    silent.noAnswer = true;
    agent->setRequestFault(3, silent);
    QObject receiver;
    PageSessions sessions(&receiver);
    CCommonSNMP& session = sessions.add("m_cCommonSNMP");
    int rows = 0, endStatus = 0;
    sessions.walk(
        session, {ifIndex}, [&](const SnmpReply&) { ++rows; }, [&](int status) { endStatus = status; }, {200, 0});
    ASSERT_TRUE(waitUntil([&] { return endStatus != 0; }));
    EXPECT_EQ(rows, 2);
    EXPECT_EQ(endStatus, -1);
}

TEST_F(PageMachinery, ClosingStopsAWalkQuicklyAndNothingArrivesAfterwards)
{
    loadThreeRows();
    snmp::MemoryAgent::Fault slow;
    slow.delayMs = 300;
    agent->setDefaultFault(slow);
    QObject receiver;
    PageSessions sessions(&receiver);
    CCommonSNMP& session = sessions.add("m_cCommonSNMP");
    int rows = 0;
    bool ended = false;
    sessions.walk(session, {ifIndex}, [&](const SnmpReply&) { ++rows; }, [&](int) { ended = true; });
    ASSERT_TRUE(waitUntil([&] { return rows == 1; }));
    QElapsedTimer timer;
    timer.start();
    sessions.closeAll();
    EXPECT_LT(timer.elapsed(), 1000);
    waitUntil([] { return false; }, 800);
    EXPECT_EQ(rows, 1);
    EXPECT_FALSE(ended);
}

// A Refresh or a second start while a walk runs: on version 1 two get-next chains used to run at
// once (rows doubled, the first end lost), on version 3 the first answer was dropped.
TEST_F(PageMachinery, ASecondRequestOnABusySessionWithdrawsTheFirstWhichEndsOnce)
{
    loadThreeRows();
    snmp::MemoryAgent::Fault slow;
    slow.delayMs = 150;
    agent->setDefaultFault(slow);
    // One row an answer on version 3 as well, where walks ask in bulk.
    agent->setAnswerLimit(snmp::VarBind::integer(ifIndex + ".1", 1).encodedSize(),
                          snmp::MemoryAgent::Overflow::Truncate);
    for (const char* version : {"1", "3"}) {
        SCOPED_TRACE(version);
        LaunchParams::setCurrent(LaunchParams::parse(std::string("/A1/I192.0.2.1/Rtundra/Wlantern/ETRUE/V") + version +
                                                     "/P161/X/Y/T/S1/Uops"));
        QObject receiver;
        PageSessions sessions(&receiver);
        CCommonSNMP& session = sessions.add("m_cCommonSNMP");
        QStringList firstRows, secondRows;
        std::vector<int> firstEnds, secondEnds;
        sessions.walk(
            session, {ifIndex}, [&](const SnmpReply& row) { firstRows << row.qtext(0); },
            [&](int status) { firstEnds.push_back(status); });
        ASSERT_TRUE(waitUntil([&] { return firstRows.size() == 1; }));
        EXPECT_TRUE(sessions.busy(session));
        sessions.walk(
            session, {ifIndex}, [&](const SnmpReply& row) { secondRows << row.qtext(0); },
            [&](int status) { secondEnds.push_back(status); });
        ASSERT_TRUE(waitUntil([&] { return !secondEnds.empty(); }));
        waitUntil([] { return false; }, 400); // anything late of the first walk would arrive now
        EXPECT_EQ(firstEnds, std::vector<int>{-1});
        EXPECT_EQ(firstRows, QStringList{"1"});
        EXPECT_EQ(secondEnds, std::vector<int>{-2});
        EXPECT_EQ(secondRows, (QStringList{"1", "2", "3"}));
        EXPECT_FALSE(sessions.busy(session));

        // A get withdraws a walk the same way, and gets its own answer.
        firstEnds.clear();
        SnmpReply got;
        sessions.walk(session, {ifIndex}, [](const SnmpReply&) {}, [&](int status) { firstEnds.push_back(status); });
        sessions.get(session, {ifIndex + ".2"}, [&](const SnmpReply& r) { got = r; });
        ASSERT_TRUE(waitUntil([&] { return got.ok(); }));
        waitUntil([] { return false; }, 400);
        EXPECT_EQ(firstEnds, std::vector<int>{-1});
        EXPECT_EQ(got.text(0), "2");
    }
}

TEST_F(PageMachinery, AggregatedLinkWalkStartedTwiceRunsOnceAndEndsOnce)
{
    const std::string members = "ENTERPRISE.10.75.5.2.8.1.3.1.2";
    load(members + ".1|4x|c0000000\n");
    snmp::MemoryAgent::Fault slow;
    slow.delayMs = 100;
    agent->setDefaultFault(slow);
    QObject receiver;
    PageSessions sessions(&receiver);
    AggregatedLinkWalk links(sessions, sessions.add(nullptr), 28);
    int ended = 0;
    QObject::connect(&links, &AggregatedLinkWalk::ended, [&] { ++ended; });
    links.start();
    links.start();
    ASSERT_TRUE(waitUntil([&] { return ended == 1; }));
    waitUntil([] { return false; }, 300);
    EXPECT_EQ(ended, 1);
    EXPECT_TRUE(links.complete());
    EXPECT_EQ(agent->requestsOfType(snmp::PduType::GetNext).size(), 2u); // one row, then the end
}

// Apply opens only on reads that succeeded; Refresh whenever nothing runs.
TEST_F(PageMachinery, ReadGateOpensWritesOnlyWhenEveryReadSucceeded)
{
    QPushButton refresh, apply;
    PendingReads reads;
    reads.addControl(&refresh);
    reads.addWriteControl(&apply);
    EXPECT_TRUE(apply.isEnabled());
    reads.begin();
    reads.begin();
    EXPECT_FALSE(refresh.isEnabled());
    EXPECT_FALSE(apply.isEnabled());
    reads.end(true);
    reads.end(false);
    EXPECT_TRUE(refresh.isEnabled());
    EXPECT_FALSE(apply.isEnabled());
    reads.begin(); // a partial read again: the earlier failure still counts
    reads.end(true);
    EXPECT_FALSE(apply.isEnabled());
    reads.restart();
    reads.begin();
    reads.end(true);
    EXPECT_TRUE(apply.isEnabled());
}

// A label that shows a value is read out with its value; its caption is its label.
TEST_F(PageMachinery, ValueLabelsExposeTheirValueAndCaptionsStillNameInputs)
{
    QWidget page;
    auto* value = new QLabel(QStringLiteral("42"), &page);
    QLabel* caption = LabelFor(value, QStringLiteral("Entries:"), &page);
    auto* edit = new QLineEdit(&page);
    LabelFor(edit, QStringLiteral("&Name:"), &page);
    page.show();
    QAccessibleInterface* valueAccess = QAccessible::queryAccessibleInterface(value);
    ASSERT_NE(valueAccess, nullptr);
    EXPECT_EQ(valueAccess->text(QAccessible::Name), "42");
    bool labelled = false;
    for (const auto& [other, relation] : valueAccess->relations(QAccessible::Label))
        labelled = labelled || other->object() == caption;
    EXPECT_TRUE(labelled);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(edit)->text(QAccessible::Name), "Name:");
}

// A page that writes a list of set requests through the shared write helper.
class WritingPage : public CPageDialog {
public:
    WritingPage() : CPageDialog(499) {}
    // Starts the write and waits for its continuation.
    WriteResult writeNow(const std::vector<SetRequest>& requests)
    {
        std::optional<WriteResult> result;
        write(m_cCommonSNMPSet, requests, [&](const WriteResult& r) { result = r; });
        waitUntil([&] { return result.has_value(); }, 20000);
        return result.value_or(WriteResult{99, 0, 0});
    }
    WriteResult newRowNow(const NewTableRow& row, const std::vector<SetRequest>& steps)
    {
        std::optional<WriteResult> result;
        writeNewRow(m_cCommonSNMPSet, row, steps, [&](const WriteResult& r) { result = r; });
        waitUntil([&] { return result.has_value(); }, 20000);
        return result.value_or(WriteResult{99, 0, 0});
    }
    int paints = 0;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        ++paints;
        CPageDialog::paintEvent(event);
    }
    CCommonSNMP& m_cCommonSNMPSet = addSession("m_cCommonSNMPSet");
};

TEST_F(PageMachinery, AWriteToASlowSwitchKeepsThePagePaintingAndStopsAtTheFirstFailure)
{
    load("1.3.6.1.2.1.1.5.0|4|a\n1.3.6.1.2.1.1.6.0|4|b\n1.3.6.1.2.1.1.4.0|4|c\n");
    snmp::MemoryAgent::Fault slow;
    slow.delayMs = 400;
    agent->setDefaultFault(slow);
    snmp::MemoryAgent::Fault refused;
    refused.errorStatus = snmp::ErrorStatus::NotWritable;
    refused.delayMs = 400;
    agent->setObjectFault("1.3.6.1.2.1.1.6.0", refused);
    WritingPage page;
    page.show();
    QTimer repaint;
    QObject::connect(&repaint, &QTimer::timeout, &page, [&] { page.repaint(); });
    repaint.start(20);
    std::vector<SetRequest> requests(3);
    requests[0].octets("1.3.6.1.2.1.1.5.0", "x");
    requests[1].pauseBefore(30).octets("1.3.6.1.2.1.1.6.0", "y");
    requests[2].octets("1.3.6.1.2.1.1.4.0", "z");
    const int before = page.paints;
    const WriteResult result = page.writeNow(requests);
    EXPECT_EQ(result.status, snmp::ErrorStatus::NotWritable);
    EXPECT_EQ(result.completed, 1);
    EXPECT_GT(page.paints - before, 10) << "the page painted while the switch was slow";
    const auto sets = agent->requestsOfType(snmp::PduType::Set);
    ASSERT_EQ(sets.size(), 2u); // nothing after the refused request
    EXPECT_EQ(sets[1].binds[0].oid, "1.3.6.1.2.1.1.6.0");
}

TEST_F(PageMachinery, ClosingThePageCutsAWriteShort)
{
    load("1.3.6.1.2.1.1.5.0|4|a\n");
    snmp::MemoryAgent::Fault slow;
    slow.delayMs = 3000;
    agent->setDefaultFault(slow);
    WritingPage page;
    page.show();
    QTimer::singleShot(100, &page, [&] { page.reject(); });
    SetRequest request;
    request.octets("1.3.6.1.2.1.1.5.0", "x");
    QElapsedTimer timer;
    timer.start();
    const WriteResult result = page.writeNow({request, request});
    EXPECT_LT(timer.elapsed(), 1000);
    EXPECT_EQ(result.status, -1);
    EXPECT_EQ(agent->requestsOfType(snmp::PduType::Set).size(), 1u);
}

TEST(RowRule, HalfMadeAndFreeIndex)
{
    struct Case { WriteResult result; bool halfMade; };
    const Case cases[] = {
        {{0, 3, 3}, false},                                  // made and active
        {{snmp::ErrorStatus::InconsistentValue, 0, 3}, false}, // create refused: the index is someone's
        {{-1, 0, 3}, true},                                  // create unanswered: it may have been made
        {{snmp::ErrorStatus::WrongType, 1, 3}, true},        // a column refused
        {{-1, 2, 3}, true},                                  // active unanswered
    };
    for (const Case& c : cases)
        EXPECT_EQ(NewTableRow::halfMade(c.result), c.halfMade) << c.result.status << "/" << c.result.completed;
    EXPECT_EQ(NewTableRow::freeIndex({}, 1, 8), 1);
    EXPECT_EQ(NewTableRow::freeIndex({1, 2, 4}, 1, 8), 3);
    EXPECT_EQ(NewTableRow::freeIndex({2, 1, 3}, 1, 3), std::nullopt);
}

// The rule destroys what a failed creation may have left, and nothing a refused create names.
TEST_F(PageMachinery, RowRuleDestroysTheRowAfterALostOrRefusedStepButNotAfterARefusedCreate)
{
    LaunchParams::setTimeoutText("300");
    const std::string status = "1.3.6.1.4.1.99.1.5.7", name = "1.3.6.1.4.1.99.1.2.7";
    load(name + "|4|x\n");
    const NewTableRow row(status);
    std::vector<SetRequest> columns(1);
    columns[0].octets(name, "lab");
    struct Case { const char* what; std::string faulted; snmp::MemoryAgent::Fault fault; bool destroyed; };
    snmp::MemoryAgent::Fault lost;
    lost.noAnswer = true;
    snmp::MemoryAgent::Fault refused;
    refused.errorStatus = snmp::ErrorStatus::InconsistentValue;
    const Case cases[] = {
        {"column refused", name, refused, true},
        {"create unanswered", status, lost, true},
        {"create refused", status, refused, false},
    };
    for (const Case& c : cases) {
        agent->clearFaults();
        agent->clearRequests();
        agent->setObjectFault(c.faulted, c.fault);
        WritingPage page;
        page.show();
        const WriteResult result = page.newRowNow(row, row.steps(columns));
        EXPECT_FALSE(result.ok()) << c.what;
        const auto sets = agent->requestsOfType(snmp::PduType::Set);
        ASSERT_FALSE(sets.empty()) << c.what;
        const auto statusWritten = [&](const snmp::MemoryAgent::Request& set, int value) {
            return set.binds.size() == 1 && set.binds[0].oid == status && set.binds[0].number == value;
        };
        EXPECT_EQ(statusWritten(sets.back(), RowDestroy), c.destroyed) << c.what;
        for (const auto& set : sets)
            EXPECT_FALSE(statusWritten(set, RowActive)) << c.what << ": never active";
    }
}

TEST_F(PageMachinery, GetHandsTheAnswerOrTheFailureToThePage)
{
    load("1.3.6.1.2.1.1.5.0|4|core-sw\n");
    QObject receiver;
    PageSessions sessions(&receiver);
    CCommonSNMP& session = sessions.add("m_cCommonSNMP");
    SnmpReply got;
    bool answered = false;
    sessions.get(session, {"1.3.6.1.2.1.1.5.0"}, [&](const SnmpReply& r) { got = r, answered = true; });
    ASSERT_TRUE(waitUntil([&] { return answered; }));
    EXPECT_EQ(got.status, 0);
    EXPECT_EQ(got.text(0), "core-sw");
    EXPECT_EQ(got.text(1), ""); // no such position

    answered = false;
    sessions.get(session, {"1.3.6.1.2.1.1.9.0"}, [&](const SnmpReply& r) { got = r, answered = true; });
    ASSERT_TRUE(waitUntil([&] { return answered; }));
    EXPECT_EQ(got.status, snmp::ErrorStatus::NoSuchName);
}

TEST_F(PageMachinery, AggregatedLinkWalkGivesEachPortItsLink)
{
    const std::string members = "ENTERPRISE.10.75.5.2.8.1.3.1.2";
    // Link 1: ports 1, 2; link 2: none; link 3: ports 27, 28 and 32 (beyond N); link 4: port 9.
    load(members + ".1|4x|c0000000\n" + members + ".2|4x|00000000\n" + members + ".3|4x|00000031\n" + members +
         ".4|4x|0080\nENTERPRISE.10.75.5.2.8.1.3.1.3.1|2|1\n");
    QObject receiver;
    PageSessions sessions(&receiver);
    AggregatedLinkWalk links(sessions, sessions.add(nullptr), 28);
    int ended = 0;
    QObject::connect(&links, &AggregatedLinkWalk::ended, [&] { ++ended; });
    links.start();
    EXPECT_TRUE(links.running());
    ASSERT_TRUE(waitUntil([&] { return ended == 1; }));
    EXPECT_TRUE(links.finished());
    EXPECT_EQ(links.portsOf(1), (std::vector<int>{1, 2}));
    EXPECT_EQ(links.portsOf(2), std::vector<int>{});
    EXPECT_EQ(links.portsOf(3), (std::vector<int>{27, 28}));
    EXPECT_EQ(links.portsOf(4), std::vector<int>{9});
    EXPECT_EQ(links.linkOf(3), 0);
    EXPECT_EQ(links.linkOf(0), 0);
    EXPECT_EQ(links.linkOf(29), 0);
    EXPECT_EQ(links.links().size(), 28u);
}

TEST_F(PageMachinery, TypingLimitAppliesToTypingOnly)
{
    struct Case {
        const char* programText;
        const char* typed;
        const char* expected;
    };
    const Case cases[] = {
        {"", "abcdefgh", "abcde"},            // typing stops at the limit
        {"abcdefghij", "", "abcdefghij"},     // text from the switch is shown whole
        {"abcdefghij", "xy", "abcdefghij"},   // ... and cannot grow
        {"abc", "xyz", "abcxy"},
    };
    for (const Case& c : cases) {
        QLineEdit edit;
        TypingLimit::apply(&edit, 5);
        edit.setText(QString::fromUtf8(c.programText));
        edit.end(false);
        QTest::keyClicks(&edit, QString::fromUtf8(c.typed));
        EXPECT_EQ(edit.text(), QString::fromUtf8(c.expected)) << c.programText << " + " << c.typed;
    }
    QLineEdit edit;
    TypingLimit::apply(&edit, 5);
    edit.setText(QStringLiteral("abcdefghij"));
    edit.end(false);
    QTest::keyClick(&edit, Qt::Key_Backspace);
    EXPECT_EQ(edit.text(), "abcdefghi"); // shortening is always allowed
    edit.setText(QStringLiteral("ab"));
    edit.end(false);
    edit.insert(QStringLiteral("123456")); // a paste is cut to what fits
    EXPECT_EQ(edit.text(), "ab123");
}

TEST_F(PageMachinery, IpAddressControlKnowsItsFilledFields)
{
    CIpAddressEdit address;
    EXPECT_EQ(address.text(), "");
    EXPECT_EQ(address.filledFieldCount(), 0);
    address.setText(QStringLiteral("192.0.2.10"));
    EXPECT_EQ(address.text(), "192.0.2.10");
    EXPECT_EQ(address.filledFieldCount(), 4);
    address.field(2)->clear();
    EXPECT_EQ(address.filledFieldCount(), 3);
    EXPECT_EQ(address.text(), "192.0.0.10"); // a blank field reads as 0
    for (const char* bad : {"1.2.3", "1.2.3.256", "a.b.c.d", ""}) {
        address.setText(QString::fromLatin1(bad));
        EXPECT_TRUE(address.isBlank()) << bad;
    }
    // Typing: three digits move on; a number above 255 becomes 255.
    address.show();
    address.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&address));
    address.field(0)->setFocus();
    QTest::keyClicks(address.field(0), QStringLiteral("10"));
    QTest::keyClick(address.field(0), Qt::Key_Period);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("300"));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("7"));
    EXPECT_EQ(address.filledFieldCount(), 3);
    EXPECT_EQ(address.text(), "10.255.7.0");
    // Text set without keystrokes (an accessibility tool, a paste) obeys the same bounds and is
    // reported as a change.
    int changes = 0;
    QObject::connect(&address, &CIpAddressEdit::textChanged, [&] { ++changes; });
    address.field(3)->setText(QStringLiteral("300"));
    EXPECT_EQ(address.text(), "10.255.7.255");
    address.field(2)->setText(QStringLiteral("1x2"));
    EXPECT_EQ(address.text(), "10.255.12.255");
    EXPECT_GE(changes, 2);
}

TEST_F(PageMachinery, FromToPairKeepsToAtOrAboveFrom)
{
    QComboBox from, to;
    PortRangePair pair(&from, &to, 28, QStringLiteral("'To Port' can not be smaller than 'From Port'"));
    EXPECT_EQ(from.count(), 28);
    EXPECT_EQ(to.itemText(27), "28");
    chooseItem(&from, 4);
    EXPECT_EQ(pair.fromPort(), 5);
    EXPECT_EQ(pair.toPort(), 5);
    chooseItem(&to, 9);
    EXPECT_EQ(pair.toPort(), 10);
    EXPECT_TRUE(boxes.texts().isEmpty());
    chooseItem(&to, 2);
    EXPECT_EQ(boxes.texts(), QStringList{"'To Port' can not be smaller than 'From Port'"});
    EXPECT_EQ(pair.toPort(), 5);
}

} // namespace

// Port mirroring: the reading shown as one choice per port, the choices the operator makes, the
// checks and the exact write steps, and the layout by port count.

#include "PageTestSupport.h"

#include "CPortMirrorDlg.h"
#include "Enterprise.h"

#include <QCheckBox>
#include <QRadioButton>

namespace {

using Dlg = CPortMirrorDlg;
using Sets = std::vector<std::vector<std::string>>;

std::string device(const std::string& tail)
{
    return snmp::expandEnterprise("ENTERPRISE.10.75.5.2." + tail);
}

const std::string state = device("18.1.0");
const std::string target = device("18.2.0");
const std::string rxList = device("18.3.0");
const std::string txList = device("18.4.0");
const std::string linkMembers = device("8.1.3.1.2");

std::string octets(const std::string& oid, const std::string& bytes)
{
    return oid + "=4:" + bytes;
}
std::string integer(const std::string& oid, int value)
{
    return oid + "=2:" + std::to_string(value);
}
const std::string noPorts(4, '\0');

// Mirroring on to port 6: port 3 both ways, port 4 transmitted only. Ports 1 and 2 form link 1.
class PortMirrorPage : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        agent->setInteger(state, 1);
        agent->setInteger(target, 6);
        agent->setOctets(rxList, std::string("\x20\x00\x00\x00", 4));
        agent->setOctets(txList, std::string("\x30\x00\x00\x00", 4));
        agent->setOctets(linkMembers + ".1", std::string("\xC0\x00\x00\x00", 4));
        agent->setOctets(linkMembers + ".2", noPorts);
    }
    std::unique_ptr<Dlg> open()
    {
        auto page = std::make_unique<Dlg>();
        EXPECT_TRUE(openAndWait(*page, Dlg::IdApply));
        agent->clearRequests();
        return page;
    }
    static QCheckBox* box(const QWidget* page, int port, Dlg::Mode mode)
    {
        return controlOf<QCheckBox>(page, Dlg::boxId(port, mode));
    }
    // The checked mode of each port as "T", "R", "B", "N" ("?" for none or several).
    static std::string modes(const QWidget* page, int ports = 8)
    {
        std::string text;
        for (int port = 1; port <= ports; ++port) {
            std::string checked;
            for (int mode = Dlg::Tx; mode <= Dlg::None; ++mode) {
                if (box(page, port, Dlg::Mode(mode))->isChecked())
                    checked += "TRBN"[mode];
            }
            text += checked.size() == 1 ? checked : "?";
        }
        return text;
    }
    static bool portEnabled(const QWidget* page, int port)
    {
        return box(page, port, Dlg::Tx)->isEnabled() && box(page, port, Dlg::None)->isEnabled();
    }
    Sets sets()
    {
        Sets texts;
        for (const auto& request : agent->requestsOfType(snmp::PduType::Set))
            texts.push_back(bindTexts(request));
        return texts;
    }
};

TEST_F(PortMirrorPage, ReadingShowsOneChoicePerPortAndLocksTheTarget)
{
    auto page = open();
    EXPECT_EQ(page->windowTitle(), "PortMirroringConfiguration");
    EXPECT_TRUE(controlOf<QRadioButton>(page.get(), Dlg::IdEnabled)->isChecked());
    EXPECT_EQ(controlOf<QComboBox>(page.get(), Dlg::IdTarget)->currentText(), "6");
    EXPECT_EQ(modes(page.get()), "NNBTNNNN");
    EXPECT_FALSE(portEnabled(page.get(), 6));
    EXPECT_TRUE(portEnabled(page.get(), 5));

    // Off, with target 0: the target shows 1 and nothing can be changed.
    agent->setInteger(state, 2);
    agent->setInteger(target, 0);
    clickButton(page.get(), Dlg::IdRefresh);
    ASSERT_TRUE(openAndWait(*page, Dlg::IdApply));
    EXPECT_TRUE(controlOf<QRadioButton>(page.get(), Dlg::IdDisabled)->isChecked());
    EXPECT_EQ(controlOf<QComboBox>(page.get(), Dlg::IdTarget)->currentText(), "1");
    EXPECT_FALSE(controlOf<QComboBox>(page.get(), Dlg::IdTarget)->isEnabled());
    for (int port : {1, 5, 28})
        EXPECT_FALSE(portEnabled(page.get(), port)) << port;
}

TEST_F(PortMirrorPage, ChoicesActAsOnePerPortAndSelectAllSparesTheTarget)
{
    auto page = open();
    box(page.get(), 5, Dlg::Rx)->click();
    box(page.get(), 5, Dlg::Rx)->click(); // a second click keeps the choice
    EXPECT_EQ(modes(page.get()), "NNBTRNNN");
    clickButton(page.get(), Dlg::allButtonId(Dlg::Both));
    EXPECT_EQ(modes(page.get()), "BBBBBNBB");
    clickButton(page.get(), Dlg::allButtonId(Dlg::None));
    EXPECT_EQ(modes(page.get()), "NNNNNNNN");
    box(page.get(), 6, Dlg::Tx)->setChecked(true);

    // Another target: every port can be chosen again, the new target mirrors nothing.
    chooseItem(controlOf<QComboBox>(page.get(), Dlg::IdTarget), 2);
    EXPECT_TRUE(portEnabled(page.get(), 6));
    EXPECT_FALSE(portEnabled(page.get(), 3));
    EXPECT_EQ(modes(page.get()), "NNNNNTNN");

    controlOf<QRadioButton>(page.get(), Dlg::IdDisabled)->click();
    EXPECT_FALSE(portEnabled(page.get(), 6));
    EXPECT_FALSE(controlOf<QComboBox>(page.get(), Dlg::IdTarget)->isEnabled());
    controlOf<QRadioButton>(page.get(), Dlg::IdEnabled)->click();
    EXPECT_TRUE(portEnabled(page.get(), 6));
    EXPECT_FALSE(portEnabled(page.get(), 3));
}

TEST_F(PortMirrorPage, ApplyChecksThenWritesItsSteps)
{
    const std::string tx5(std::string("\x08\x00\x00\x00", 4)); // port 5
    const std::string rx45(std::string("\x18\x00\x00\x00", 4)); // ports 4 and 5
    struct Case {
        const char* name;
        int stateBefore;
        std::function<void(QWidget*)> choose;
        QStringList messages;
        Sets sets;
    };
    const QString linkMessage = "Must select whole ports of the aggregated link with the same Sniffer Mode to source port.";
    const auto setTarget = [](QWidget* page, const QString& text) {
        controlOf<QComboBox>(page, Dlg::IdTarget)->setCurrentText(text);
    };
    const Case cases[] = {
        {"on before and after: lists emptied first",
         1,
         [](QWidget* p) { box(p, 4, Dlg::Rx)->click(), box(p, 5, Dlg::Both)->click(), box(p, 3, Dlg::None)->click(); },
         {},
         {{octets(txList, noPorts), octets(rxList, noPorts)},
          {integer(target, 6)},
          {octets(txList, tx5), octets(rxList, rx45)},
          {integer(state, 1)}}},
        {"off before: no emptying",
         2,
         [](QWidget* p) {
             controlOf<QRadioButton>(p, Dlg::IdEnabled)->click();
             box(p, 4, Dlg::Rx)->click(), box(p, 5, Dlg::Both)->click(), box(p, 3, Dlg::None)->click();
         },
         {},
         {{integer(target, 6)}, {octets(txList, tx5), octets(rxList, rx45)}, {integer(state, 1)}}},
        {"disabled: the state alone",
         1,
         [](QWidget* p) { controlOf<QRadioButton>(p, Dlg::IdDisabled)->click(); },
         {},
         {{integer(state, 2)}}},
        {"link members differ", 1, [](QWidget* p) { box(p, 1, Dlg::Tx)->click(); }, {linkMessage}, {}},
        {"link members alike",
         1,
         [](QWidget* p) { clickButton(p, Dlg::allButtonId(Dlg::None)), box(p, 1, Dlg::Tx)->click(), box(p, 2, Dlg::Tx)->click(); },
         {},
         {{octets(txList, noPorts), octets(rxList, noPorts)},
          {integer(target, 6)},
          {octets(txList, std::string("\xC0\x00\x00\x00", 4)), octets(rxList, noPorts)},
          {integer(state, 1)}}},
        {"no source", 1, [](QWidget* p) { clickButton(p, Dlg::allButtonId(Dlg::None)); }, {"Must at least select one source port."}, {}},
        {"target in a link", 1, [&](QWidget* p) { setTarget(p, "2"); }, {"Target Port is Trunking Port!"}, {}},
        {"target beyond the ports", 1, [&](QWidget* p) { setTarget(p, "29"); }, {"Invalid Target Port (1-28)."}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        agent->setInteger(state, c.stateBefore);
        auto page = open();
        boxes.clear();
        c.choose(page.get());
        clickButton(page.get(), Dlg::IdApply);
        EXPECT_EQ(boxes.texts(), c.messages);
        EXPECT_EQ(sets(), c.sets);
        ASSERT_TRUE(openAndWait(*page, Dlg::IdApply));
    }
}

// A step that stops the write after the source lists were emptied puts back the lists as read
// (and the target as read, when it may have changed), so mirroring does not stop unannounced;
// then the page reads again.
TEST_F(PortMirrorPage, StoppedWritePutsBackWhatItEmptiedAndThePageReadsAgain)
{
    LaunchParams::setTimeoutText("200");
    const std::string tx5(std::string("\x08\x00\x00\x00", 4));
    const Sets emptied = {{octets(txList, noPorts), octets(rxList, noPorts)}};
    const std::vector<std::string> targetAsRead = {integer(target, 6)};
    const std::vector<std::string> listsAsRead = {octets(txList, std::string("\x30\x00\x00\x00", 4)),
                                                  octets(rxList, std::string("\x20\x00\x00\x00", 4))};
    const std::vector<std::string> newTarget = {integer(target, 7)}, newLists = {octets(txList, tx5), octets(rxList, noPorts)};
    struct Case {
        const char* name;
        int stateBefore;
        int failingSet;
        bool unanswered; // else refused
        Sets sets;       // the failed step included, then the put-back
    };
    const Case cases[] = {
        {"emptying refused", 1, 1, false, emptied},
        {"emptying unanswered", 1, 1, true, {emptied[0], listsAsRead}},
        {"target refused", 1, 2, false, {emptied[0], newTarget, listsAsRead}},
        {"target unanswered", 1, 2, true, {emptied[0], newTarget, targetAsRead, listsAsRead}},
        {"new lists refused", 1, 3, false, {emptied[0], newTarget, newLists, targetAsRead, listsAsRead}},
        {"state refused", 1, 4, false, {emptied[0], newTarget, newLists, {integer(state, 1)}}},
        {"off before: target refused", 2, 1, false, {newTarget}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        agent->setInteger(state, c.stateBefore);
        agent->setInteger(target, 6);
        agent->setOctets(rxList, std::string("\x20\x00\x00\x00", 4));
        agent->setOctets(txList, std::string("\x30\x00\x00\x00", 4));
        auto page = open();
        if (c.stateBefore != 1)
            controlOf<QRadioButton>(page.get(), Dlg::IdEnabled)->click();
        clickButton(page.get(), Dlg::allButtonId(Dlg::None));
        box(page.get(), 5, Dlg::Tx)->click();
        chooseItem(controlOf<QComboBox>(page.get(), Dlg::IdTarget), 6); // port 7
        snmp::MemoryAgent::Fault fault;
        if (c.unanswered)
            fault.noAnswer = true;
        else
            fault.errorStatus = snmp::ErrorStatus::BadValue;
        agent->setRequestFault(c.failingSet, fault);
        clickButton(page.get(), Dlg::IdApply);
        EXPECT_EQ(sets(), c.sets);
        EXPECT_TRUE(boxes.texts().isEmpty());
        agent->clearFaults();
        ASSERT_TRUE(openAndWait(*page, Dlg::IdApply));
        EXPECT_FALSE(agent->requestsOfType(snmp::PduType::Get).empty());
    }
}

TEST_F(PortMirrorPage, PortColumnsStandInOneRowUpTo28PortsAndInTwoBeyond)
{
    for (int ports : {28, 52}) {
        SCOPED_TRACE(ports);
        DeviceProfile profile;
        profile.DevicePortNum = ports;
        DeviceProfile::setCurrent(profile);
        Dlg page;
        EXPECT_EQ(page.size(), ports == 28 ? QSize(700, 400) : QSize(780, 420));
        const QRect first = box(&page, 1, Dlg::Tx)->geometry();
        const QRect last = box(&page, ports, Dlg::None)->geometry();
        EXPECT_LT(last.right(), page.width());
        if (ports == 28) {
            EXPECT_EQ(box(&page, 28, Dlg::Tx)->geometry().top(), first.top());
        } else {
            const QRect secondRow = box(&page, 27, Dlg::Tx)->geometry();
            EXPECT_EQ(secondRow.left(), first.left());
            EXPECT_GT(secondRow.top(), box(&page, 1, Dlg::None)->geometry().bottom());
            EXPECT_EQ(box(&page, 26, Dlg::Tx)->geometry().top(), first.top());
        }
        EXPECT_LT(last.bottom(), controlOf<QPushButton>(&page, Dlg::IdApply)->geometry().top());
        // Close ends at the last column of the first row.
        EXPECT_NEAR(controlOf<QPushButton>(&page, Dlg::IdClose)->geometry().right(),
                    box(&page, ports == 28 ? 28 : 26, Dlg::Tx)->geometry().right(), 12);
    }
}

} // namespace

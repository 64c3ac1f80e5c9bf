// PVID Configuration: one box per port laid out by the port count, Apply only after whole reads,
// the aggregated-link and VLAN checks, the port-by-port writes with the pause after port 40.

#include "PageTestSupport.h"

#include "CPvidDlg.h"
#include "DeviceOids.h"
#include "Enterprise.h"

#include <QLabel>
#include <QLineEdit>

namespace {

namespace deviceoid = snmp::deviceoid;
using Id = CPvidDlg::ControlId;

std::string pvidOid(int port)
{
    return snmp::expandEnterprise(deviceoid::portPvid + "." + std::to_string(port));
}

VlanRecords records()
{
    VlanRecord all{1, "default", "1,2", "1,2", 28, 28, {}, {}};
    VlanRecord cameras{100, "cameras", "20,21,22,23,24", "20,21,22,23,24", 5, 5, {}, {}};
    VlanRecord lab{5, "lab", "17,18", "", 2, 0, {}, {}};
    VlanRecord empty{300, "empty", "", "", 0, 0, {}, {}};
    return {all, cameras, lab, empty};
}

class PvidPage : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        loadPorts(28);
    }
    void loadPorts(int count)
    {
        for (int p = 1; p <= count + 1; ++p) // one row beyond the front-panel ports
            agent->setUnsigned(pvidOid(p), snmp::Ber::Gauge32, p >= 20 && p <= 24 ? 100 : 1);
        agent->setOctets(deviceoid::linkMembers + ".1", std::string("\x00\x00\xC0\x00", 4)); // ports 17, 18
        agent->setOctets(deviceoid::linkMembers + ".2", std::string(4, '\0'));
    }
    std::unique_ptr<CPvidDlg> open()
    {
        auto page = std::make_unique<CPvidDlg>(records());
        EXPECT_TRUE(openAndWait(*page, Id::IdApply));
        agent->clearRequests();
        return page;
    }
    QLineEdit* box(const QWidget* page, int port) { return controlOf<QLineEdit>(page, Id::IdFirstEdit + port - 1); }
    void type(const QWidget* page, int port, const QString& text)
    {
        box(page, port)->selectAll();
        QTest::keyClicks(box(page, port), text.isEmpty() ? QStringLiteral("\b") : text);
    }
    std::vector<std::string> setOids()
    {
        std::vector<std::string> oids;
        for (const auto& request : agent->requestsOfType(snmp::PduType::Set)) {
            EXPECT_EQ(request.binds.size(), 1u);
            oids.push_back(request.binds[0].oid + "=" + std::to_string(request.binds[0].tag) + ":" +
                           std::to_string(request.binds[0].number));
        }
        return oids;
    }
    static std::string written(int port, int pvid) { return pvidOid(port) + "=66:" + std::to_string(pvid); }
};

TEST_F(PvidPage, OneBoxPerPortInRowsByThePortCountFilledFromTheSwitch)
{
    auto page = open();
    EXPECT_EQ(page->objectName(), "dlg173");
    EXPECT_EQ(page->windowTitle(), "PVID Configuration");
    EXPECT_EQ(page->size(), QSize(625, 255));
    EXPECT_EQ(box(page.get(), 1)->geometry(), QRect(26, 85, 40, 20));
    EXPECT_EQ(box(page.get(), 15)->geometry(), QRect(26, 130, 40, 20)); // second row, 14 per row
    EXPECT_EQ(controlOf<QLabel>(page.get(), Id::IdFirstCaption + 27)->text(), "28");
    EXPECT_EQ(box(page.get(), 29), nullptr);
    EXPECT_EQ(box(page.get(), 1)->text(), "1");
    EXPECT_EQ(box(page.get(), 20)->text(), "100");
    EXPECT_EQ(box(page.get(), 28)->text(), "1");
    saveScreenshot(*page, "pvid-28");

    DeviceProfile profile;
    profile.DevicePortNum = 52;
    DeviceProfile::setCurrent(profile);
    loadPorts(52);
    CPvidDlg wide(records());
    EXPECT_EQ(wide.size(), QSize(585, 345));
    EXPECT_EQ(box(&wide, 14)->geometry().topLeft(), QPoint(26, 130)); // 13 per row
    EXPECT_EQ(box(&wide, 52)->geometry().topLeft(), QPoint(26 + 12 * 42, 85 + 3 * 45));
    saveScreenshot(wide, "pvid-52");
}

TEST_F(PvidPage, ApplyWaitsForWholeReadsOfThePvidsAndTheLinks)
{
    LaunchParams::setTimeoutText("200");
    snmp::MemoryAgent::Fault silent;
    silent.noAnswer = true;
    for (const std::string& failing : {pvidOid(5), snmp::expandEnterprise(deviceoid::linkMembers + ".2")}) {
        SCOPED_TRACE(failing);
        agent->clearFaults();
        agent->setObjectFault(failing, silent);
        CPvidDlg page(records());
        ASSERT_TRUE(openAndWait(page, Id::IdRefresh));
        EXPECT_FALSE(controlOf<QPushButton>(&page, Id::IdApply)->isEnabled());
        agent->clearFaults();
        clickButton(&page, Id::IdRefresh);
        EXPECT_TRUE(openAndWait(page, Id::IdApply));
    }
    // A walk that failed half-way shows nothing: no PVID 1 stands in for a port that was not read.
    agent->setObjectFault(pvidOid(5), silent);
    CPvidDlg page(records());
    ASSERT_TRUE(openAndWait(page, Id::IdRefresh));
    EXPECT_EQ(box(&page, 1)->text(), "");
    EXPECT_FALSE(box(&page, 1)->isEnabled());
}

TEST_F(PvidPage, ChecksRefuseLinkPvidsAndUnknownOrEmptyVlansAndWriteNothing)
{
    struct Case {
        const char* name;
        std::vector<std::pair<int, QString>> typed;
        const char* message;
    };
    const Case cases[] = {
        {"link members at one PVID", {{17, "5"}, {18, "5"}},
         "Setting PVID on a Trunk is not supported. Please use Web interface for the settings."},
        {"link members apart", {{18, "5"}}, "You should let all Trunk member in the same PVID !"},
        {"no such VLAN", {{3, "7"}}, "Invalid PVID"},
        {"empty box", {{3, ""}}, "Invalid PVID"},
        {"VLAN without members", {{28, "300"}}, "Invalid PVID,VlAN is empty"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto page = open();
        boxes.clear();
        for (const auto& [port, text] : c.typed)
            type(page.get(), port, text);
        clickButton(page.get(), Id::IdApply);
        EXPECT_EQ(boxes.texts(), QStringList{c.message});
        EXPECT_TRUE(setOids().empty());
        EXPECT_TRUE(page->isVisible());
    }
}

// Text put into a box without keystrokes (a paste, an accessibility tool, a script) counts as
// entered: the checks test it and Apply writes it.
TEST_F(PvidPage, TextSetWithoutTypingIsCheckedAndWritten)
{
    auto refused = open();
    box(refused.get(), 3)->setText(QStringLiteral("7"));
    clickButton(refused.get(), Id::IdApply);
    EXPECT_EQ(boxes.texts(), QStringList{"Invalid PVID"});
    EXPECT_TRUE(setOids().empty());
    EXPECT_TRUE(refused->isVisible());

    boxes.clear();
    auto page = open();
    box(page.get(), 3)->setText(QStringLiteral("100"));
    clickButton(page.get(), Id::IdApply);
    EXPECT_TRUE(boxes.texts().isEmpty());
    const auto oids = setOids();
    ASSERT_EQ(oids.size(), 28u);
    EXPECT_EQ(oids[2], written(3, 100));
    EXPECT_EQ(page->result(), QDialog::Accepted);
}

TEST_F(PvidPage, WritesEveryPortInOrderAndClosesWhenAllSucceeded)
{
    auto page = open();
    type(page.get(), 3, "100");
    type(page.get(), 20, "5"); // link members may stay at 1 while other ports change
    clickButton(page.get(), Id::IdApply);
    std::vector<std::string> expected;
    for (int p = 1; p <= 28; ++p)
        expected.push_back(written(p, p == 3 ? 100 : p == 20 ? 5 : p > 20 && p <= 24 ? 100 : 1));
    EXPECT_EQ(setOids(), expected);
    EXPECT_TRUE(boxes.texts().isEmpty());
    EXPECT_EQ(page->result(), QDialog::Accepted);
    EXPECT_FALSE(page->isVisible());
}

TEST_F(PvidPage, FirstRefusedWriteStopsTheSequenceAndTheSwitchIsReadAgain)
{
    auto page = open();
    type(page.get(), 3, "100");
    snmp::MemoryAgent::Fault refused;
    refused.errorStatus = 5;
    agent->setRequestFault(3, refused);
    clickButton(page.get(), Id::IdApply);
    EXPECT_EQ(setOids(), (std::vector<std::string>{written(1, 1), written(2, 1), written(3, 100)}));
    EXPECT_TRUE(boxes.texts().isEmpty());
    EXPECT_TRUE(page->isVisible());
    ASSERT_TRUE(openAndWait(*page, Id::IdApply));
    EXPECT_FALSE(agent->requestsOfType(snmp::PduType::GetNext).empty());
    EXPECT_EQ(box(page.get(), 3)->text(), "1"); // what the switch holds
}

TEST_F(PvidPage, FiftyTwoPortsPauseOnceAfterTheFortiethWrite)
{
    DeviceProfile profile;
    profile.DevicePortNum = 52;
    DeviceProfile::setCurrent(profile);
    loadPorts(52);
    auto page = open();
    clickButton(page.get(), Id::IdApply);
    const auto sets = agent->requestsOfType(snmp::PduType::Set);
    ASSERT_EQ(sets.size(), 52u);
    using std::chrono::milliseconds;
    const auto gap = [&](std::size_t i) { return std::chrono::duration_cast<milliseconds>(sets[i].received - sets[i - 1].received); };
    EXPECT_GE(gap(40), milliseconds(45)); // between port 40 and port 41
    EXPECT_EQ(sets[40].binds[0].oid, pvidOid(41));
    EXPECT_EQ(page->result(), QDialog::Accepted);
}

} // namespace

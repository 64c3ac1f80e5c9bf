// 802.1X: the global page's read, checks in their order and the writes they allow (server and
// key, then state, then timers); the port page's rows, its checks that keep one port
// force-authorized, the batches of 30 ports, and Apply waiting for the whole port walk.

#include "SecurityPageSupport.h"

#include "CDot1xDlg.h"
#include "CDot1xPortDlg.h"
#include "CIpAddressEdit.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTimer>

using namespace std::string_literals;

namespace {

using GlobalId = CDot1xDlg::ControlId;
using PortId = CDot1xPortDlg::ControlId;

std::string global(const char* tail)
{
    return deviceObject(std::string("11.") + tail + ".0");
}
std::string portCell(int column, int port)
{
    return deviceObject("11.2.9.1." + std::to_string(column) + "." + std::to_string(port));
}

class Dot1xPages : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        seedGlobals(1);
        seedPorts(28, [](int p) { return p == 1 ? 3 : 2; });
        agent->setOctets(deviceObject("8.1.3.1.2.1"), "\x03\x00\x00\x00"s); // ports 7 and 8
    }
    void seedGlobals(int state)
    {
        agent->setInteger(global("2.1"), state);
        agent->set(snmp::VarBind::ipAddress(global("1.1"), "\xc0\x00\x02\x0a"s));
        agent->setOctets(global("1.2"), "radius-key"s);
        const int values[] = {60, 30, 31, 32, 2};
        for (int i = 0; i < 5; ++i)
            agent->setInteger(global(("2." + std::to_string(i + 2)).c_str()), values[i]);
        agent->setUnsigned(global("2.7"), snmp::Ber::Gauge32, 3600);
        agent->setInteger(global("2.8"), 1);
    }
    void seedPorts(int count, const std::function<int(int)>& control)
    {
        for (int p = 1; p <= count; ++p) {
            agent->setInteger(portCell(2, p), control(p));
            agent->setInteger(portCell(3, p), p % 2 ? 1 : 2);
        }
    }
    std::unique_ptr<CDot1xDlg> openGlobal()
    {
        auto page = std::make_unique<CDot1xDlg>();
        EXPECT_TRUE(openAndWait(*page, GlobalId::IdApply));
        agent->clearRequests();
        boxes.clear();
        return page;
    }
    std::unique_ptr<CDot1xPortDlg> openPorts()
    {
        auto page = std::make_unique<CDot1xPortDlg>(QStringList{"60", "30", "31", "32", "2", "3600", "Enable"});
        EXPECT_TRUE(openAndWait(*page, PortId::IdApply));
        agent->clearRequests();
        boxes.clear();
        return page;
    }
    QLineEdit* edit(const QWidget* page, int id) { return controlOf<QLineEdit>(page, id); }
    void applyPorts(CDot1xPortDlg& page, int from, int to, int control)
    {
        chooseItem(controlOf<QComboBox>(&page, PortId::IdFromPort), from - 1);
        chooseItem(controlOf<QComboBox>(&page, PortId::IdToPort), to - 1);
        controlOf<QComboBox>(&page, PortId::IdControl)->setCurrentIndex(control - 1);
        clickButton(&page, PortId::IdApply);
    }
};

TEST_F(Dot1xPages, GlobalReadFillsTheFieldsAndEnablesThemWith8021xOn)
{
    for (int state : {1, 2}) {
        seedGlobals(state);
        auto page = openGlobal();
        EXPECT_EQ(page->windowTitle(), "802.1X Config Information");
        EXPECT_EQ(controlOf<QCheckBox>(page.get(), GlobalId::IdEnable)->isChecked(), state == 1);
        EXPECT_EQ(controlOf<CIpAddressEdit>(page.get(), GlobalId::IdServer)->text(), "192.0.2.10");
        EXPECT_EQ(edit(page.get(), GlobalId::IdKey)->text(), "radius-key");
        EXPECT_EQ(edit(page.get(), GlobalId::IdConfirmKey)->text(), "radius-key");
        EXPECT_EQ(edit(page.get(), GlobalId::IdQuietPeriod)->text(), "60");
        EXPECT_EQ(edit(page.get(), GlobalId::IdTxPeriod)->text(), "30");
        EXPECT_EQ(edit(page.get(), GlobalId::IdMaxReq)->text(), "2");
        EXPECT_EQ(edit(page.get(), GlobalId::IdReAuthPeriod)->text(), "3600");
        EXPECT_EQ(controlOf<QComboBox>(page.get(), GlobalId::IdReAuthEnabled)->currentText(), "Enable");
        EXPECT_EQ(edit(page.get(), GlobalId::IdKey)->isEnabled(), state == 1);
        EXPECT_EQ(controlOf<QPushButton>(page.get(), GlobalId::IdPortSet)->isEnabled(), state == 1);
    }
}

TEST_F(Dot1xPages, GlobalOffWritesOnlyTheStateWithoutChecks)
{
    auto page = openGlobal();
    controlOf<CIpAddressEdit>(page.get(), GlobalId::IdServer)->setText(QStringLiteral("0.0.0.0"));
    edit(page.get(), GlobalId::IdConfirmKey)->setText(QStringLiteral("other"));
    controlOf<QCheckBox>(page.get(), GlobalId::IdEnable)->click();
    clickButton(page.get(), GlobalId::IdApply);
    EXPECT_TRUE(boxes.texts().isEmpty());
    EXPECT_EQ(setRequests(*agent), SetTexts{{intBind(global("2.1"), 2)}});
}

TEST_F(Dot1xPages, GlobalServerAndKeyChecksWriteNothing)
{
    struct Case {
        const char* address; // "": the control left blank
        const char* key;
        const char* confirm;
        const char* message;
    };
    const Case cases[] = {
        {"", "k", "k", "Invalid RADIUS Server IP Address."},
        {"0.0.0.0", "k", "k", "Invalid RADIUS Server IP Address."},
        {"0.1.2.3", "k", "k", "Invalid RADIUS Server IP Address."},
        {"255.1.2.3", "k", "k", "Invalid RADIUS Server IP Address."},
        {"10.1.2.0", "k", "k", "Invalid RADIUS Server IP Address."},
        {"10.1.2.255", "k", "k", "Invalid RADIUS Server IP Address."},
        {"10.1.2.3", "", "", "Invalid Key."},
        {"10.1.2.3", "secret-key", "secret-kez", "Please confirm the key again !"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        auto page = openGlobal();
        auto* server = controlOf<CIpAddressEdit>(page.get(), GlobalId::IdServer);
        server->clear();
        server->setText(QString::fromLatin1(c.address));
        edit(page.get(), GlobalId::IdKey)->setText(QString::fromLatin1(c.key));
        edit(page.get(), GlobalId::IdConfirmKey)->setText(QString::fromLatin1(c.confirm));
        clickButton(page.get(), GlobalId::IdApply);
        EXPECT_EQ(boxes.texts(), QStringList{c.message});
        EXPECT_TRUE(setRequests(*agent).empty());
    }
}

TEST_F(Dot1xPages, GlobalOnWritesServerAndKeyThenStateThenTimers)
{
    auto page = openGlobal();
    controlOf<CIpAddressEdit>(page.get(), GlobalId::IdServer)->setText(QStringLiteral("10.1.2.3"));
    edit(page.get(), GlobalId::IdQuietPeriod)->setText(QStringLiteral("0"));
    edit(page.get(), GlobalId::IdReAuthPeriod)->setText(QStringLiteral("4294967295"));
    controlOf<QComboBox>(page.get(), GlobalId::IdReAuthEnabled)->setCurrentIndex(1);
    clickButton(page.get(), GlobalId::IdApply);
    EXPECT_TRUE(boxes.texts().isEmpty());
    const auto sets = agent->requestsOfType(snmp::PduType::Set);
    ASSERT_EQ(sets.size(), 3u);
    EXPECT_EQ(bindTexts(sets[0]), (std::vector<std::string>{global("1.1") + "=64:\x0a\x01\x02\x03",
                                                            octetBind(global("1.2"), "radius-key")}));
    EXPECT_EQ(bindTexts(sets[1]), std::vector<std::string>{intBind(global("2.1"), 1)});
    ASSERT_EQ(sets[2].binds.size(), 7u);
    const std::pair<const char*, int64_t> timers[] = {{"2.2", 0}, {"2.3", 30}, {"2.4", 31}, {"2.5", 32},
                                                      {"2.6", 2}, {"2.7", 4294967295LL}, {"2.8", 2}};
    for (std::size_t i = 0; i < 7; ++i) {
        EXPECT_EQ(sets[2].binds[i].oid, global(timers[i].first));
        EXPECT_EQ(sets[2].binds[i].number, timers[i].second);
        EXPECT_EQ(sets[2].binds[i].tag, i == 5 ? snmp::Ber::Gauge32 : snmp::Ber::Integer);
    }
}

// Every check runs before the first write: a refused timer leaves server, key and state as they
// were (fault 14).
TEST_F(Dot1xPages, GlobalTimerOutOfRangeWritesNothing)
{
    struct Case {
        int field;
        const char* value;
        const char* message;
    };
    const Case cases[] = {
        {GlobalId::IdQuietPeriod, "65536", "Invalid QuietPeriod (0-65535)"},
        {GlobalId::IdTxPeriod, "0", "Invalid TxPeriod (1-65535)"},
        {GlobalId::IdSuppTimeout, "", "Invalid SuppTimeout (1-65535)"},
        {GlobalId::IdServerTimeout, "65536", "Invalid ServerTimeout (1-65535)"},
        {GlobalId::IdMaxReq, "11", "Invalid MaxReq (1-10)"},
        {GlobalId::IdReAuthPeriod, "4294967296", "Invalid ReAuthPeriod (1-4294967295)"},
        {GlobalId::IdReAuthPeriod, "0", "Invalid ReAuthPeriod (1-4294967295)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        auto page = openGlobal();
        edit(page.get(), c.field)->setText(QString::fromLatin1(c.value));
        clickButton(page.get(), GlobalId::IdApply);
        EXPECT_EQ(boxes.texts(), QStringList{c.message});
        EXPECT_TRUE(setRequests(*agent).empty());
        EXPECT_TRUE(controlOf<QPushButton>(page.get(), GlobalId::IdApply)->isEnabled());
    }
    // The server and key checks come first, then the timers in their order.
    auto page = openGlobal();
    edit(page.get(), GlobalId::IdTxPeriod)->setText(QStringLiteral("0"));
    edit(page.get(), GlobalId::IdMaxReq)->setText(QStringLiteral("11"));
    edit(page.get(), GlobalId::IdConfirmKey)->setText(QStringLiteral("other"));
    clickButton(page.get(), GlobalId::IdApply);
    EXPECT_EQ(boxes.texts(), QStringList{"Please confirm the key again !"});
    boxes.clear();
    edit(page.get(), GlobalId::IdConfirmKey)->setText(QStringLiteral("radius-key"));
    clickButton(page.get(), GlobalId::IdApply);
    EXPECT_EQ(boxes.texts(), QStringList{"Invalid TxPeriod (1-65535)"});
    EXPECT_TRUE(setRequests(*agent).empty());
}

TEST_F(Dot1xPages, KeyTypingStopsAt33Characters)
{
    auto page = openGlobal();
    QLineEdit* key = edit(page.get(), GlobalId::IdKey);
    key->clear();
    QTest::keyClicks(key, QString(34, QLatin1Char('k')));
    EXPECT_EQ(key->text().size(), 33);
}

TEST_F(Dot1xPages, PortSetShowsThePortsWithTheGlobalTimers)
{
    auto page = openGlobal();
    edit(page.get(), GlobalId::IdTxPeriod)->setText(QStringLiteral("45"));
    std::vector<QStringList> rows;
    QTimer::singleShot(nestedPageDelayMs, [&] {
        QDialog* ports = shownDialog("dlg168");
        ASSERT_NE(ports, nullptr);
        EXPECT_TRUE(openAndWait(*ports, PortId::IdApply));
        rows = listRows(ports, PortId::IdList);
        ports->reject();
    });
    clickButton(page.get(), GlobalId::IdPortSet);
    ASSERT_EQ(rows.size(), 28u);
    EXPECT_EQ(rows[0], (QStringList{"1", "Authorized", "ForceAuthorized", "60", "45", "31", "32", "2", "3600", "Enable"}));
    EXPECT_EQ(rows[1][1], "Unauthorized");
    EXPECT_EQ(rows[1][2], "Auto");
}

TEST_F(Dot1xPages, PortChecksKeepOnePortForceAuthorized)
{
    DeviceProfile profile;
    profile.DevicePortNum = 10;
    DeviceProfile::setCurrent(profile);
    struct Case {
        int from, to, control;
        int unauthorizedUpTo; // ports 1 ... this force-unauthorized, then auto up to 9; port 10 force-authorized
        const char* message;  // nullptr: written
    };
    const Case cases[] = {
        {6, 8, 3, 0, "Cannot add an aggregated link to the 802.1X-enabled port"},
        {10, 10, 2, 0, "Could not set all ports to AUTO  to the port access control."},
        {10, 10, 1, 0, "Could not set all ports to AUTO or Force Unauthorized to the port access control."},
        {10, 10, 1, 9, "Could not set all ports to  Force Unauthorized to the port access control."},
        {9, 10, 2, 3, "Could not set all ports to AUTO or Force Unauthorized to the port access control."},
        {9, 9, 1, 0, nullptr},
        {10, 10, 3, 0, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message ? c.message : "written");
        seedPorts(10, [&](int p) { return p == 10 ? 3 : p <= c.unauthorizedUpTo ? 1 : 2; });
        if (c.from == 6)
            agent->setOctets(deviceObject("8.1.3.1.2.1"), "\x03\x00\x00\x00"s);
        else
            agent->remove(deviceObject("8.1.3.1.2.1"));
        auto page = openPorts();
        applyPorts(*page, c.from, c.to, c.control);
        EXPECT_EQ(boxes.texts(), c.message ? QStringList{c.message} : QStringList{});
        EXPECT_EQ(setRequests(*agent), c.message ? SetTexts{} : SetTexts{{intBind(portCell(2, c.from), c.control)}});
    }
}

TEST_F(Dot1xPages, FiftyTwoPortsAreWrittenInBatchesOfThirty)
{
    DeviceProfile profile;
    profile.DevicePortNum = 52;
    DeviceProfile::setCurrent(profile);
    agent->remove(deviceObject("8.1.3.1.2.1"));
    seedPorts(52, [](int) { return 3; });
    auto page = openPorts();
    applyPorts(*page, 1, 52, 3);
    const auto sets = agent->requestsOfType(snmp::PduType::Set);
    ASSERT_EQ(sets.size(), 2u);
    ASSERT_EQ(sets[0].binds.size(), 30u);
    ASSERT_EQ(sets[1].binds.size(), 22u);
    EXPECT_EQ(sets[0].binds.front().oid, portCell(2, 1));
    EXPECT_EQ(sets[1].binds.front().oid, portCell(2, 31));
    EXPECT_EQ(sets[1].binds.back().oid, portCell(2, 52));
    EXPECT_EQ(sets[1].binds.back().number, 3);
}

// A walk cut short leaves ports unread: Apply must not count them, so it stays disabled.
TEST_F(Dot1xPages, PortApplyWaitsForTheWholePortWalk)
{
    snmp::MemoryAgent::Fault silent;
    silent.noAnswer = true;
    agent->setObjectFault(portCell(3, 20), silent);
    LaunchParams::setTimeoutText("300");
    CDot1xPortDlg page(QStringList{});
    page.show();
    ASSERT_TRUE(waitUntil([&] { return controlOf<QPushButton>(&page, PortId::IdRefresh)->isEnabled(); }));
    EXPECT_FALSE(controlOf<QPushButton>(&page, PortId::IdApply)->isEnabled());
    agent->clearFaults();
    clickButton(&page, PortId::IdRefresh);
    ASSERT_TRUE(openAndWait(page, PortId::IdApply));
}

} // namespace

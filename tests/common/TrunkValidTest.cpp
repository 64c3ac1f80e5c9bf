// The reads behind the aggregated-link rules: every object the rules compare, in three rounds
// with the pause before the port table, and no rules on a failed read.

#include "GuiFixture.h"

#include "DeviceOids.h"
#include "Enterprise.h"
#include "TrunkValid.h"

#include <QElapsedTimer>

namespace {

namespace deviceoid = snmp::deviceoid;

constexpr int ports = 8;

std::string row(const std::string& column, int index, int value)
{
    return column + "." + std::to_string(index) + "|2|" + std::to_string(value) + "\n";
}

std::string scalar(const std::string& oid, int value)
{
    return oid + "|2|" + std::to_string(value) + "\n";
}

std::string portList(const std::string& oid, const char* hex)
{
    return oid + "|4x|" + hex + "\n";
}

// Eight ports (and a ninth row, no front-panel port, that must be ignored); every value tells
// its port apart so a value stored at the wrong port shows.
std::string switchData()
{
    std::string data;
    for (int p = 1; p <= ports + 1; ++p) {
        for (int c : {2, 4, 5, 14, 16, 17, 18})
            data += row(deviceoid::stpPortColumn(c), p, c * 100 + p);
        data += row(deviceoid::dot1xPort, p, p == 3 ? 2 : 1);
        data += row(deviceoid::voicePortMode, p, p == 4 ? 1 : 2);
        data += row(deviceoid::surveillancePortState, p, p == 5 ? 1 : 2);
        data += row(deviceoid::surveillancePortMode, p, p == 6 ? 2 : 1);
        data += row(deviceoid::portColumn(deviceoid::PortConfigSpeed), p, p == 7 ? 3 : 6);
        data += row(deviceoid::portDefaultPriority, p, p % 4);
        data += row(deviceoid::portPvid, p, p == 8 ? 100 : 1);
        data += row(deviceoid::portSecurity, p, p == 2 ? 1 : 2);
        data += row(deviceoid::portColumn(deviceoid::PortMedia), p, p > 6 ? 4 : 1);
        data += row(deviceoid::loopbackDetection, p, p == 1 ? 1 : 2);
        data += row(deviceoid::bandwidthColumn(deviceoid::BandwidthTransmit), p, 1000 + p);
        data += row(deviceoid::bandwidthColumn(deviceoid::BandwidthReceive), p, 2000 + p);
    }
    data += portList(deviceoid::linkMembers + ".1", "30000000"); // ports 3, 4
    data += portList(deviceoid::vlanColumn(deviceoid::VlanEgress) + ".1", "ff000000");
    data += portList(deviceoid::vlanColumn(deviceoid::VlanUntagged) + ".1", "f0000000");
    data += portList(deviceoid::vlanColumn(deviceoid::VlanEgress) + ".20", "0c000000");
    data += portList(deviceoid::vlanColumn(deviceoid::VlanUntagged) + ".20", "00000000");
    data += portList(deviceoid::aclPorts + ".1", "81000000");
    data += portList(deviceoid::arpSpoofingPorts + ".1", "40000000");
    data += portList(deviceoid::arpSpoofingPorts + ".2", "02000000");
    data += portList(deviceoid::mirrorSourcesIngress, "20000000");
    data += portList(deviceoid::mirrorSourcesEgress, "10000000");
    data += portList(deviceoid::learningPorts, "fe000000");
    data += portList(deviceoid::dhcpScreeningPorts, "01800000"); // port 8 (and 9, beyond N)
    data += scalar(deviceoid::mirrorState, 1);
    data += scalar(deviceoid::mirrorTarget, 5);
    data += scalar(deviceoid::staticFdbPort + ".1.0.1.2.3.4.5", 6); // destination port 6
    data += scalar(deviceoid::staticFdbPort + ".1.0.1.2.3.4.6", 40); // no such port
    data += scalar(deviceoid::dot1xState, 1);
    data += scalar(deviceoid::stpState, 2);
    data += scalar(deviceoid::surveillanceState, 1);
    return data;
}

class TrunkValidReads : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        load(switchData());
    }
    // Runs init and returns its result (nullopt: no end within the limit).
    std::optional<bool> initialise(TrunkValid& valid)
    {
        std::optional<bool> result;
        QObject::connect(&valid, &TrunkValid::initEnded, [&](bool ok) { result = ok; });
        valid.init();
        waitUntil([&] { return result.has_value(); });
        return result;
    }
    // The number of the first get-next that asks for `column` (0 when none did).
    int firstWalkOf(const std::string& column)
    {
        const auto requests = agent->requests();
        for (std::size_t i = 0; i < requests.size(); ++i) {
            if (requests[i].pduType == snmp::PduType::GetNext && requests[i].binds[0].oid == snmp::expandEnterprise(column))
                return int(i) + 1;
        }
        return 0;
    }

    QObject owner;
    PageSessions sessions{&owner};
};

TEST_F(TrunkValidReads, ReadsEveryComparedObjectAtItsPort)
{
    TrunkValid valid(sessions, ports);
    QElapsedTimer clock;
    clock.start();
    ASSERT_EQ(initialise(valid), true);
    EXPECT_GE(clock.elapsed(), 500); // the pause before the port table
    const AggregationData& d = valid.data();
    EXPECT_EQ(d.link, (std::vector<int>{0, 0, 1, 1, 0, 0, 0, 0}));
    EXPECT_EQ(d.vlanMembers, (std::vector<PortFlags>{{1, 1, 1, 1, 1, 1, 1, 1}, {0, 0, 0, 0, 1, 1, 0, 0}}));
    EXPECT_EQ(d.vlanUntagged, (std::vector<PortFlags>{{1, 1, 1, 1, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 0}}));
    EXPECT_EQ(d.aclRules, (std::vector<PortFlags>{{1, 0, 0, 0, 0, 0, 0, 1}}));
    EXPECT_EQ(d.arpSpoofing, (PortFlags{0, 1, 0, 0, 0, 0, 1, 0}));
    EXPECT_EQ(d.mirrorSourceIngress, (PortFlags{0, 0, 1, 0, 0, 0, 0, 0}));
    EXPECT_EQ(d.mirrorSourceEgress, (PortFlags{0, 0, 0, 1, 0, 0, 0, 0}));
    EXPECT_EQ(d.learning, (PortFlags{1, 1, 1, 1, 1, 1, 1, 0}));
    EXPECT_EQ(d.dhcpScreening, (PortFlags{0, 0, 0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(d.stp[0], (PortValues{401, 402, 403, 404, 405, 406, 407, 408})); // column .4 is compared first
    EXPECT_EQ(d.stp[6][7], 1408);
    EXPECT_EQ(d.dot1x, (PortValues{1, 1, 2, 1, 1, 1, 1, 1}));
    EXPECT_EQ(d.voiceMode, (PortValues{2, 2, 2, 1, 2, 2, 2, 2}));
    EXPECT_EQ(d.surveillanceState, (PortValues{2, 2, 2, 2, 1, 2, 2, 2}));
    EXPECT_EQ(d.surveillanceMode, (PortValues{1, 1, 1, 1, 1, 2, 1, 1}));
    EXPECT_EQ(d.speed, (PortValues{6, 6, 6, 6, 6, 6, 3, 6}));
    EXPECT_EQ(d.priority, (PortValues{1, 2, 3, 0, 1, 2, 3, 0}));
    EXPECT_EQ(d.pvid, (PortValues{1, 1, 1, 1, 1, 1, 1, 100}));
    EXPECT_EQ(d.portSecurity, (PortValues{2, 1, 2, 2, 2, 2, 2, 2}));
    EXPECT_EQ(d.portType, (PortValues{1, 1, 1, 1, 1, 1, 4, 4}));
    EXPECT_EQ(d.loopbackDetection, (PortValues{1, 2, 2, 2, 2, 2, 2, 2}));
    EXPECT_EQ(d.bandwidthTransmit[7], 1008);
    EXPECT_EQ(d.bandwidthReceive[0], 2001);
    EXPECT_EQ(d.mirrorState, 1);
    EXPECT_EQ(d.mirrorTarget, 5);
    EXPECT_EQ(d.fdbDestination, (PortFlags{0, 0, 0, 0, 0, 1, 0, 0}));
    EXPECT_TRUE(d.dot1xEnabled);
    EXPECT_FALSE(d.stpEnabled);
    EXPECT_TRUE(d.surveillanceEnabled);

    // The port table is walked after the first round; the static FDB after the port table.
    const int portTable = firstWalkOf(deviceoid::portColumn(deviceoid::PortConfigSpeed));
    EXPECT_GT(portTable, firstWalkOf(deviceoid::stpPortColumn(4)));
    EXPECT_GT(portTable, firstWalkOf(deviceoid::vlanColumn(deviceoid::VlanEgress)));
    EXPECT_GT(firstWalkOf(deviceoid::staticFdbPort), portTable);
}

TEST_F(TrunkValidReads, AFailedReadEndsInitWithoutSuccess)
{
    struct Case {
        const char* name;
        std::string oid;
        bool portTableWalked;
    };
    const Case cases[] = {
        {"first round", deviceoid::aclPorts, false},
        {"port table", deviceoid::loopbackDetection, true},
        {"last round", deviceoid::dhcpScreeningPorts, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        agent->clearFaults();
        agent->clearRequests();
        snmp::MemoryAgent::Fault refused;
        refused.errorStatus = 5;
        agent->setObjectFault(c.oid, refused);
        TrunkValid valid(sessions, ports);
        EXPECT_EQ(initialise(valid), false);
        EXPECT_FALSE(valid.ready());
        EXPECT_EQ(firstWalkOf(deviceoid::portColumn(deviceoid::PortConfigSpeed)) != 0, c.portTableWalked);
    }
}

TEST_F(TrunkValidReads, GlobalStatesAreReadAgainOnRequest)
{
    TrunkValid valid(sessions, ports);
    ASSERT_EQ(initialise(valid), true);
    agent->setInteger(deviceoid::stpState, 1);
    std::optional<bool> read;
    QObject::connect(&valid, &TrunkValid::globalStatesRead, [&](bool ok) { read = ok; });
    valid.rereadGlobalStates();
    ASSERT_TRUE(waitUntil([&] { return read.has_value(); }));
    EXPECT_TRUE(*read);
    EXPECT_TRUE(valid.data().stpEnabled);
}

} // namespace

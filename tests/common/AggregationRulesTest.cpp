// The aggregated-link rules as one table: each rule refuses with its exact message and passes
// when the ports agree; the rules run in their fixed order.

#include "TestSupport.h"

#include "AggregationRules.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr int ports = 8;

// Eight ports that agree in everything; every port learns addresses.
AggregationData agreeing()
{
    AggregationData data(ports);
    std::fill(data.learning.begin(), data.learning.end(), 1);
    std::fill(data.portType.begin(), data.portType.end(), 1);
    std::fill(data.speed.begin(), data.speed.end(), 6);
    std::fill(data.pvid.begin(), data.pvid.end(), 1);
    data.vlanMembers.push_back(PortFlags(ports, 1));
    data.vlanUntagged.push_back(PortFlags(ports, 1));
    return data;
}

PortFlags portsOneAndTwo()
{
    PortFlags selected(ports, 0);
    selected[0] = selected[1] = 1;
    return selected;
}

using Change = std::function<void(AggregationData&)>;

struct Rule {
    const char* name;
    Change refuse;  // makes ports 1 and 2 fail this rule (and no earlier one)
    Change pass;    // a near miss that passes
    const char* message;
};

const Rule rules[] = {
    {"1 member of another link", [](auto& d) { d.link[1] = 2; },
     [](auto& d) { d.link[0] = d.link[1] = 1; }, // current members of link 1: see the test
     "Cannot add the port as it is a member of another aggregated link !"},
    {"2 port type", [](auto& d) { d.portType[1] = 2; }, [](auto& d) { d.portType[0] = 0; },
     "Cannot add ports of different types to an aggregated link !"},
    {"3 half duplex", [](auto& d) { d.speed[0] = 0, d.speed[1] = 3; }, [](auto& d) { d.speed[0] = d.speed[1] = 2; },
     "Cannot add a port in half-duplex mode to an aggregated link."},
    {"3 speed", [](auto& d) { d.speed[0] = 1, d.speed[1] = 2; }, [](auto& d) { d.speed[0] = 0; },
     "Cannot add ports of different speed to an aggregated link."},
    {"4 DHCP screening", [](auto& d) { d.dhcpScreening[1] = 1; }, [](auto& d) { d.dhcpScreening[0] = d.dhcpScreening[1] = 1; },
     "Cannot add ports with different DHCP Server Screening Port Settings to an aggregated link."},
    {"5 802.1X enabled port", [](auto& d) { d.dot1xEnabled = true, d.dot1x[1] = 2; },
     [](auto& d) { d.dot1x[0] = d.dot1x[1] = 2; }, // 802.1X disabled on the switch
     "Cannot add the 802.1X-enabled port to an aggregated link."},
    {"5 first port decides", [](auto& d) { d.dot1xEnabled = true, d.dot1x[0] = 1, d.dot1x[1] = 2; },
     [](auto& d) { d.dot1xEnabled = true, d.dot1x[0] = d.dot1x[1] = 3; }, "Setting the Channel Mode Fail."},
    {"6 VLAN members", [](auto& d) { d.vlanMembers.push_back(PortFlags{0, 1, 0, 0, 0, 0, 0, 0}); },
     [](auto& d) { d.vlanMembers.push_back(PortFlags{0, 0, 1, 0, 0, 0, 0, 0}); },
     "Cannot add ports with different VLAN configurations to an aggregated link !"},
    {"6 VLAN untagged", [](auto& d) { d.vlanUntagged.push_back(PortFlags{1, 0, 0, 0, 0, 0, 0, 0}); },
     [](auto& d) { d.vlanUntagged.push_back(PortFlags{1, 1, 0, 0, 0, 0, 0, 0}); },
     "Cannot add ports with different VLAN configurations to an aggregated link !"},
    {"7 port without learning", [](auto& d) { d.learning[1] = 0; }, [](auto& d) { d.learning[5] = 0; },
     "Cannot add a Auto-learn disabled port to an aggregated link."},
    {"7 no port learns", [](auto& d) { std::fill(d.learning.begin(), d.learning.end(), 0); },
     [](auto& d) { std::fill(d.learning.begin() + 2, d.learning.end(), 0); },
     "Cannot add a Auto-learn disabled port to an aggregated link."},
    {"8a 802.1p", [](auto& d) { d.priority[1] = 3; }, [](auto& d) { d.priority[0] = d.priority[1] = 3; },
     "Cannot add ports with different 802.1p default priorities to an aggregated link."},
    {"8b PVID", [](auto& d) { d.pvid[1] = 2; }, [](auto& d) { d.pvid[0] = d.pvid[1] = 2; },
     "Cannot add ports with different PVIDs to an aggregated link."},
    {"8c port security", [](auto& d) { d.portSecurity[1] = 1; }, [](auto& d) { d.portSecurity[0] = d.portSecurity[1] = 2; },
     "Cannot add a port-security anabled port to an aggregated link."},
    {"8d loopback detection", [](auto& d) { d.loopbackDetection[0] = 1; },
     [](auto& d) { d.loopbackDetection[0] = d.loopbackDetection[1] = 2; },
     "Cannot add a LBD-enabled port to an aggregated link."},
    {"9 mirror sources", [](auto& d) { d.mirrorSourceEgress[1] = 1; },
     [](auto& d) { d.mirrorSourceIngress[0] = d.mirrorSourceIngress[1] = 1, d.mirrorSourceEgress[4] = 1; },
     "Cannot add ports of Port Mirror enable ports to an aggregated link."},
    {"10 mirror port", [](auto& d) { d.mirrorState = 1, d.mirrorTarget = 2; },
     [](auto& d) { d.mirrorState = 2, d.mirrorTarget = 2; }, "Cannot add a mirror port to an aggregated link."},
    {"11 ARP spoofing", [](auto& d) { d.arpSpoofing[0] = 1; }, [](auto& d) { d.arpSpoofing[0] = d.arpSpoofing[1] = 1; },
     "Cannot add ports of ARP Spoofing Prevent enable ports to an aggregated link."},
    {"12 rate control", [](auto& d) { d.bandwidthReceive[1] = 64; },
     [](auto& d) { d.bandwidthTransmit[0] = d.bandwidthTransmit[1] = 64; },
     "Cannot add ports with different rate control configurations to an aggregated link."},
    {"13 spanning tree", [](auto& d) { d.stpEnabled = true, d.stp[6][1] = 1; },
     [](auto& d) { d.stp[6][1] = 1; }, // spanning tree disabled on the switch
     "Cannot add a port with different RSTP port setting to an aggregated link. "},
    {"14 voice VLAN auto", [](auto& d) { d.voiceMode[1] = 1; }, [](auto& d) { d.voiceMode[0] = d.voiceMode[1] = 2; },
     "Cannot add a port in Voice Vlan Auto mode to an aggregated link."},
    {"15 static FDB destination", [](auto& d) { d.fdbDestination[0] = 1; }, [](auto& d) { d.fdbDestination[2] = 1; },
     "Cannot add ports with different FDB-destination-hit configurations to an aggregated link."},
    {"16 ACL", [](auto& d) { d.aclRules.push_back(PortFlags{0, 1, 1, 0, 0, 0, 0, 0}); },
     [](auto& d) { d.aclRules.push_back(PortFlags{1, 1, 1, 0, 0, 0, 0, 0}); },
     "Cannot add an ACL enabled port to an aggregated link."},
    {"17 surveillance auto", [](auto& d) { d.surveillanceEnabled = true, d.surveillanceState[1] = 1; },
     [](auto& d) { d.surveillanceState[1] = 1, d.surveillanceMode[0] = 2; }, // surveillance disabled
     "Cannot add a port in  Auto Surveillance VLAN Auto mode to an aggregated link"},
    {"17 surveillance auto dynamic", [](auto& d) { d.surveillanceEnabled = true, d.surveillanceMode[0] = 2, d.surveillanceState[1] = 1; },
     [](auto& d) { d.surveillanceEnabled = true, d.surveillanceMode[0] = 1; },
     "Cannot add a port in Auto Surveillance Vlan Auto dynamic mode to an aggregated link"},
};

std::optional<QString> check(const AggregationData& data, const QString& current = QString())
{
    return FirstAggregationRefusal(data, portsOneAndTwo(), current);
}

TEST(AggregationRules, EachRuleRefusesWithItsMessageAndPassesWhenThePortsAgree)
{
    EXPECT_EQ(check(agreeing()), std::nullopt);
    for (const Rule& rule : rules) {
        SCOPED_TRACE(rule.name);
        AggregationData refused = agreeing();
        rule.refuse(refused);
        EXPECT_EQ(check(refused), std::optional<QString>(QString::fromUtf8(rule.message)));
        AggregationData passed = agreeing();
        rule.pass(passed);
        EXPECT_EQ(check(passed, QStringLiteral("1,2")), std::nullopt);
    }
}

// The rule number of a case: "8a", "13".
std::string ruleNumber(const Rule& rule)
{
    const std::string name = rule.name;
    return name.substr(0, name.find(' '));
}

// With every later rule refusing as well, each rule's own message still comes first: the PVID
// refusal, say, only once rules 1 to 7 and the 802.1p rule have passed.
TEST(AggregationRules, RulesRunInTheirOrder)
{
    for (std::size_t first = 0; first < std::size(rules); ++first) {
        SCOPED_TRACE(rules[first].name);
        AggregationData data = agreeing();
        for (std::size_t later = std::size(rules); later-- > first + 1;) {
            if (ruleNumber(rules[later]) != ruleNumber(rules[first]))
                rules[later].refuse(data);
        }
        rules[first].refuse(data);
        EXPECT_EQ(check(data), std::optional<QString>(QString::fromUtf8(rules[first].message)));
    }
}

TEST(AggregationRules, OnlySelectedPortsCountAndZerosBeforeTheFirstTypeAreSkipped)
{
    AggregationData data = agreeing();
    data.pvid[2] = 7;           // not selected
    data.portType[0] = 0;       // skipped: the reference is port 2's type
    data.speed[0] = 0;
    EXPECT_EQ(check(data), std::nullopt);
    data.portType[0] = 1, data.portType[1] = 0; // after the reference a 0 differs
    EXPECT_EQ(check(data), std::optional<QString>("Cannot add ports of different types to an aggregated link !"));
}

} // namespace

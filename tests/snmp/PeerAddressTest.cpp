// The switch address as the launch line gives it: what is accepted, and the reason for what is not.

#include "PeerAddress.h"

#include <gtest/gtest.h>

using namespace snmp;

TEST(PeerAddressTest, AcceptsHostsPortsAndIpv6Literals)
{
    struct Case {
        const char* text;
        const char* host;
        unsigned port;
        bool ipv6;
    } cases[] = {
        {"10.0.0.5", "10.0.0.5", 161, false},
        {"127.0.0.1:16161", "127.0.0.1", 16161, false},
        {"switch-7.example", "switch-7.example", 161, false},
        {"localhost:65535", "localhost", 65535, false},
        {"::1", "::1", 161, true},
        {"[::1]:1", "::1", 1, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        std::string problem;
        const auto a = PeerAddress::parse(c.text, problem);
        ASSERT_TRUE(a) << problem;
        EXPECT_EQ(a->host, c.host);
        EXPECT_EQ(a->port, c.port);
        EXPECT_EQ(a->ipv6, c.ipv6);
    }
    const PeerAddress v4{"127.0.0.1", 9, false}, v6{"::1", 9, true};
    EXPECT_EQ(v4.transportSpec("127.0.0.1"), "udp:127.0.0.1:9");
    EXPECT_EQ(v6.transportSpec("::1"), "udp6:[::1]:9");
}

TEST(PeerAddressTest, NamesWhatIsWrong)
{
    struct Case {
        const char* text;
        const char* problem;
    } cases[] = {
        {"", "no address"},
        {"127.0.0.1:99999", "the port 99999 is outside 1-65535"},
        {"127.0.0.1:4294967297", "the port 4294967297 is outside 1-65535"},
        {"127.0.0.1:0", "the port 0 is outside 1-65535"},
        {"127.0.0.1:", "the port after ':' is missing"},
        {"127.0.0.1:+161", "the port \"+161\" is not a number"},
        {":161", "the address has no host before ':'"},
        {"127.0.0.1]", "stray character ']' in the address \"127.0.0.1]\""},
        // Control characters are shown, never printed: a reason is one line.
        {"a\x01", "stray character 0x01 in the address \"a\\x01\""},
        {"127.0.0.1:9\x19/Rtu\n", "the port \"9\\x19/Rtu\\x0A\" is not a number"},
        {"[::1\r\n", "the address \"[::1\\x0D\\x0A\" lacks its ']'"},
        {"tcp:127.0.0.1:9", "\"tcp:127.0.0.1:9\" is neither host:port nor an IPv6 address"},
        {"[::1", "the address \"[::1\" lacks its ']'"},
        {"[::1]x", "stray characters \"x\" after the address"},
        {"[10.0.0.1]:161", "\"10.0.0.1\" is no IPv6 address"},
    };
    for (const auto& c : cases) {
        std::string problem;
        EXPECT_FALSE(PeerAddress::parse(c.text, problem)) << c.text;
        EXPECT_EQ(problem, c.problem) << c.text;
    }
    EXPECT_EQ(addressProblem("nosuchhost.invalid", 2000), "the name \"nosuchhost.invalid\" does not resolve");
    EXPECT_EQ(addressProblem("127.0.0.1:9", 2000), "");
}

#include "IpAddressText.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

TEST(IsValidHostAddress, AcceptsOnlyUsableUnicastHosts)
{
    struct Case {
        QString address;
        bool valid;
    } cases[] = {
        {"10.1.2.3", true},
        {"192.168.1.1", true},
        {"172.16.0.1", true},
        {"126.255.255.254", true},
        {"0.0.0.0", false},
        {"127.0.0.1", false},       // loopback network
        {"10.0.0.0", false},
        {"10.255.255.255", false},  // class A broadcast
        {"10.0.0.255", false},      // last number 255
        {"172.16.0.0", false},
        {"172.16.255.255", false},  // class B broadcast
        {"172.16.1.0", false},      // last number 0
        {"192.168.1.255", false},
        {"224.0.0.1", false},       // class D
        {"240.1.1.1", false},       // class E
        {"255.1.1.1", false},
        {"0.1.2.3", false},
        {"00.1.2.3", false},        // network 0 spelled otherwise
        // Not four numbers 0-255: no address at all.
        {"", false},
        {"10.1.2", false},
        {"10.1.2.3.4", false},
        {"10.1.2.256", false},
        {"10.1.2.4294967299", false},
        {"10.1..3", false},
        {"10.1.2.3 ", false},
        {"10.-1.2.3", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.address.toStdString());
        EXPECT_EQ(IsValidHostAddress(c.address), c.valid);
    }
}

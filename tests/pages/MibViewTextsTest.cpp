#include "MibViewTexts.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

struct TextCase {
    const char* value;
    const char* shown;
};

TEST(MibViewTexts, LinkStatus)
{
    for (auto c : {TextCase{"1", "Link"}, {"2", "UnLink"}, {"3", "Test"}, {"5", "Unknown"}, {"", "Unknown"}, {"11", "Unknown"}})
        EXPECT_EQ(LinkStatusText(c.value), c.shown) << c.value;
}

TEST(MibViewTexts, InterfaceSpeedInWholeMegabits)
{
    for (auto c : {TextCase{"100000000", "100M"}, {"0", "0M"}, {"1500000", "1M"}, {"4294967295", "4294M"},
                   {"", "0M"}})
        EXPECT_EQ(InterfaceSpeedText(c.value), c.shown) << c.value;
}

TEST(MibViewTexts, ForwardingStatusByFirstCharacter)
{
    for (auto c : {TextCase{"1", "Other"}, {"2", "Invalid"}, {"3", "Learn"}, {"4", "Own"}, {"5", "Static"},
                   {"6", ""}, {"0", ""}, {"", ""}, {"35", "Learn"}})
        EXPECT_EQ(FdbStatusText(c.value), c.shown) << c.value;
}

TEST(MibViewTexts, TcpState)
{
    for (auto c : {TextCase{"1", "closed"}, {"2", "listen"}, {"5", "established"}, {"10", "closing"},
                   {"12", "deleteTCB"}, {"13", "closed"}, {"", "closed"}, {"02", "closed"}})
        EXPECT_EQ(TcpStateText(c.value), c.shown) << c.value;
}

TEST(MibViewTexts, MacFromForwardingIndex)
{
    for (auto c : {TextCase{".1.0.27.17.34.51.68", "00-1B-11-22-33-44"}, {".7.255.255.255.255.255.255", "FF-FF-FF-FF-FF-FF"},
                   {".1.0.27.17", "1.0.27.17"}, {".1.0.27.17.34.51.256", "1.0.27.17.34.51.256"}, {"", ""}})
        EXPECT_EQ(FdbIndexMacText(c.value), c.shown) << c.value;
}

TEST(MibViewTexts, RuntimeInHoursAndMinutesNeverNegative)
{
    for (auto c : {TextCase{"8640000", "24 Hour 0 Min"}, {"9390000", "26 Hour 5 Min"}, {"5999", "0 Hour 0 Min"},
                   {"2147483648", "5965 Hour 13 Min"}, {"4294967295", "11930 Hour 27 Min"}, {"", ""}})
        EXPECT_EQ(RuntimeText(c.value), c.shown) << c.value;
}

} // namespace

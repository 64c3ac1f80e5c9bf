#include "PortHex.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

PortFlags flagsFor(int portCount, std::initializer_list<int> ports)
{
    PortFlags flags(std::size_t(portCount), 0);
    for (int p : ports)
        flags[std::size_t(p - 1)] = 1;
    return flags;
}

} // namespace

TEST(PortFlagsToHex, OneLowercaseDigitPerFourPorts)
{
    struct Case {
        PortFlags flags;
        std::string hex;
    } cases[] = {
        {flagsFor(28, {1, 28}), "8000001"},
        {flagsFor(10, {1, 2, 3, 4, 5, 7, 9}), "fa8"}, // padded to 12 flags
        {flagsFor(8, {}), "00"},
        {{}, ""},
        {{0, 2, 0, -1}, "5"}, // any non-zero value is a member; never spills into the next digit
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hex);
        EXPECT_EQ(PortFlagsToHex(c.flags), c.hex);
    }
}

TEST(PadPortHex, PadsToTheLengthOfThePortCount)
{
    struct Case {
        int portCount;
        std::string hex;
        std::string padded;
    } cases[] = {
        {8, "ff", "ff000000"},
        {10, "fc0", "fc000000"},
        {16, "ffff", "ffff0000"},
        {20, "fffff", "fffff000"},
        {24, "ffffff", "ffffff00"},
        {28, "8000001", "80000010"},
        {48, "ffffffffffff", "ffffffffffff0000"},
        {52, "fffffffffffff", "fffffffffffff000"},
        {26, "1234567", "1234567"},  // other counts: unchanged
        {28, "123456789", "123456789"}, // already long enough
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.portCount);
        EXPECT_EQ(PadPortHex(c.hex, c.portCount), c.padded);
    }
}

TEST(HexToOctets, TwoDigitsPerOctetUpToCapacity)
{
    EXPECT_EQ(HexToOctets("F"), octets({0xF0}));
    EXPECT_EQ(HexToOctets("80000010"), octets({0x80, 0x00, 0x00, 0x10}));
    EXPECT_EQ(HexToOctets("aBcD"), octets({0xAB, 0xCD}));
    EXPECT_EQ(HexToOctets("112233", 2), octets({0x11, 0x22}));
    EXPECT_EQ(HexToOctets("112233", 0), "");
    EXPECT_EQ(HexToOctets(""), "");
    EXPECT_EQ(HexToOctets("g1"), octets({0x01}));
}

TEST(OctetsToHex, UppercaseWithoutSeparators)
{
    EXPECT_EQ(OctetsToHex(octets({0x80, 0x00, 0x0A, 0xFF})), "80000AFF");
    EXPECT_EQ(OctetsToHex(""), "");
}

TEST(PortFlagsToOctets, WritesTheModelsPortListLength)
{
    EXPECT_EQ(PortFlagsToOctets(flagsFor(28, {1, 28})), octets({0x80, 0x00, 0x00, 0x10}));
    EXPECT_EQ(PortFlagsToOctets(flagsFor(8, {8})), octets({0x01, 0x00, 0x00, 0x00}));
    EXPECT_EQ(PortFlagsToOctets(flagsFor(52, {52})), octets({0, 0, 0, 0, 0, 0, 0x10, 0}));
}

// The spanning-tree pages' pure parts: the bridge timer checks with the boundaries of the IEEE
// 802.1D relations, the priority text, and how identifiers and port states are shown.

#include "StpTexts.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

const char* const ageRange = "Invalid Age Time value, the valid Age Time range is  (600-4000) ms !";
const char* const delayRange = "Invalid Forward Delay value, the valid Forward Delay range is (400-3000) ms !";
const char* const helloRange = "Invalid Hello Time value, the valid Hello Time range is (100-1000) ms !";
const char* const helloRelation = "To set the parameters Hello Time and Max Age the following relation is to be "
                                  "satisfied: \nMax Age >= (2*(Hello Time + 1.0))";
const char* const delayRelation = "To set the parameters Forward Delay and Max Age, the following relation is to be "
                                  "satisfied: \n2*(Forward Delay - 1) >= Max Age";

TEST(BridgeTimerError, RangesThenRelationsInOrder)
{
    struct Case {
        std::optional<long long> age, delay, hello;
        const char* message; // "" when accepted
    };
    const Case cases[] = {
        // Both relations hold exactly: 2 x 200 + 200 = 600 and 2 x 400 - 200 = 600.
        {600, 400, 200, ""},
        {601, 1500, 200, ""},
        {600, 1500, 201, helloRelation},
        {601, 400, 200, delayRelation},
        {1800, 1000, 200, ""},
        {1801, 1000, 200, delayRelation},
        {2199, 1200, 1000, helloRelation},
        {2200, 1200, 1000, ""},
        {600, 400, 201, helloRelation}, // both relations broken: Hello is named first
        {600, 399, 200, delayRange},    // the range check comes before the relation
        {599, 400, 200, ageRange},
        {4001, 3000, 100, ageRange},
        {600, 3001, 100, delayRange},
        {600, 400, 99, helloRange},
        {4000, 3000, 1001, helloRange},
        {0, 0, 0, ageRange}, // empty boxes read as 0
        {std::nullopt, 400, 200, ageRange},
        {600, std::nullopt, 200, delayRange},
        {600, 400, std::nullopt, helloRange},
        {599, 399, 99, ageRange},
    };
    for (const Case& c : cases) {
        const QString error = stp::BridgeTimerError({c.age, c.delay, c.hello});
        EXPECT_EQ(error, QString::fromLatin1(c.message))
            << c.age.value_or(-1) << " " << c.delay.value_or(-1) << " " << c.hello.value_or(-1);
    }
}

TEST(PriorityValue, WholeNumbersWithinTheRangeOnly)
{
    struct Case {
        const char* text;
        int max;
        std::optional<int> value;
    };
    const Case cases[] = {
        {"4096", 61440, 4096}, {" 0 ", 61440, 0},           {"61440", 61440, 61440}, {"61441", 61440, std::nullopt},
        {"240", 240, 240},     {"241", 240, std::nullopt},  {"", 240, std::nullopt}, {"abc", 240, std::nullopt},
        {"12a", 240, std::nullopt}, {"-1", 240, std::nullopt}, {"999999", 61440, std::nullopt},
        {"00016", 240, 16},
    };
    for (const Case& c : cases)
        EXPECT_EQ(stp::PriorityValue(c.text, c.max), c.value) << c.text;
}

TEST(StpTexts, IdentifiersAndPortStates)
{
    const std::string bridge("\x80\x00\x00\x1e\x58\x4c\x20\x0a", 8);
    EXPECT_EQ(stp::BridgeIdText(bridge), "80:00:00:1E:58:4C:20:0A");
    EXPECT_EQ(stp::BridgeIdText("abc"), "abc");
    EXPECT_EQ(stp::BridgeIdText(std::string("\x80\x05", 2)), QString::fromLatin1("\x80\x05", 2));
    EXPECT_EQ(stp::IdentifierText(std::string("\x80\x05", 2)), "80 05");
    EXPECT_EQ(stp::IdentifierText(bridge), "80:00:00:1E:58:4C:20:0A");
    EXPECT_EQ(stp::IdentifierText(""), "");
    EXPECT_EQ(stp::IdentifierText("xyz"), "xyz");
    const char* states[] = {"Disabled", "Blocked", "Monitored", "Learn", "Forward", "Token"};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(stp::PortStateText(std::to_string(i + 1)), states[i]);
    EXPECT_EQ(stp::PortStateText("7"), "7");
    EXPECT_EQ(stp::PortStateText(""), "");
}

} // namespace

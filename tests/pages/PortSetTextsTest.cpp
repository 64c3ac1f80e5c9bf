#include "PortSetTexts.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

struct TextCase {
    const char* value;
    const char* shown;
};

TEST(PortSetTexts, ValueTables)
{
    for (auto c : {TextCase{"1", "1000MFull"}, {"3", "100MHalf"}, {"6", "Auto"}, {"7", "Disable"}, {"8", "1000MFull"},
                   {"", "1000MFull"}})
        EXPECT_EQ(SpeedSettingText(c.value), c.shown) << c.value;
    for (auto c : {TextCase{"1", "Down"}, {"2", "1000MFull"}, {"6", "10MHalf"}, {"7", "1000MFull"}})
        EXPECT_EQ(OperModeText(c.value), c.shown) << c.value;
    for (auto c : {TextCase{"1", "Enable"}, {"2", "Disable"}, {"", "Disable"}})
        EXPECT_EQ(FlowControlText(c.value), c.shown) << c.value;
    for (auto c : {TextCase{"1", "Low"}, {"2", "Middle"}, {"4", "Highest"}, {"0", "Low"}})
        EXPECT_EQ(DefaultPriorityText(c.value), c.shown) << c.value;
    for (auto c : {TextCase{"1", "Enabled"}, {"2", "Disabled"}, {"3", "3"}, {"", ""}})
        EXPECT_EQ(OperFlowControlText(c.value), c.shown) << c.value;
}

TEST(PortSetTexts, ComboPortMarkingByMedia)
{
    struct Case {
        const char* oper;
        const char* media;
        const char* shown;
    };
    for (auto c : {Case{"3", "2", "100M C Full"}, {"1", "2", "Down"}, {"9", "2", "1000M C Full"},
                   {"4", "3", "100M F Half"}, {"3", "3", "100M F Full"}, {"2", "3", "1000MFull"},
                   {"2", "4", "1000M F Full"}, {"9", "4", "1000M F Full"}, {"3", "4", "100MFull"},
                   {"3", "1", "100MFull"}, {"1", "4", "Down"}})
        EXPECT_EQ(ComboOperModeText(c.oper, c.media), c.shown) << c.oper << "/" << c.media;
}

} // namespace

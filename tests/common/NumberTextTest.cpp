#include "NumberText.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

TEST(LeadingInteger, ReadsLikeAtoiButReportsOverflow)
{
    struct Case {
        std::string text;
        std::optional<int64_t> value;
    } cases[] = {
        {"42", 42},
        {"  \t7abc", 7},
        {"+5", 5},
        {"-12", -12},
        {"", 0},
        {"abc", 0},
        {" - 3", 0},
        {"9223372036854775807", INT64_MAX},
        {"-9223372036854775808", INT64_MIN},
        {"9223372036854775808", std::nullopt},
        {"99999999999999999999999", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(LeadingInteger(std::string_view(c.text)), c.value);
        EXPECT_EQ(LeadingInteger(QString::fromStdString(c.text)), c.value);
    }
}

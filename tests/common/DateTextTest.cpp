#include "DateText.h"
#include "TestSupport.h"

#include <QComboBox>

#include <gtest/gtest.h>

TEST(DaysInMonth, ByMonthTextAndGregorianLeapYears)
{
    struct Case {
        QString year;
        QString month;
        QString days;
    } cases[] = {
        {"2023", "1", "31"}, {"2023", "3", "31"}, {"2023", "5", "31"},  {"2023", "7", "31"},
        {"2023", "8", "31"}, {"2023", "10", "31"}, {"2023", "12", "31"}, {"2023", "4", "30"},
        {"2023", "6", "30"}, {"2023", "9", "30"},  {"2023", "11", "30"}, {"2023", "2", "28"},
        {"2000", "2", "29"}, {"2004", "2", "29"},  {"1900", "2", "28"},  {"2100", "2", "28"},
        {"2024", "01", ""},  {"2024", "13", ""},   {"2024", "", ""},
        {"99999999999999999999", "2", "28"}, // an unreadable year is no leap year
    };
    for (const Case& c : cases) {
        SCOPED_TRACE((c.year + "/" + c.month).toStdString());
        EXPECT_EQ(DaysInMonth(c.year, c.month), c.days);
    }
}

TEST(FillDayCombo, RefillsWithTheDaysAndSelectsTheFirst)
{
    testApplication();
    QComboBox days;
    days.addItems({"x", "y"});
    days.setCurrentIndex(1);

    FillDayCombo("2024", "2", days);
    ASSERT_EQ(days.count(), 29);
    EXPECT_EQ(days.itemText(0), "1");
    EXPECT_EQ(days.itemText(28), "29");
    EXPECT_EQ(days.currentIndex(), 0);

    FillDayCombo("2024", "02", days);
    EXPECT_EQ(days.count(), 0);
}

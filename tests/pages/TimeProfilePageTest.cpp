// Time Profile Info: the listed profiles, the Add checks in their order, the create sequence on
// the first free index, the row put back when its columns are refused, and Delete.

#include "PageTestSupport.h"

#include "CTimeProfileDlg.h"
#include "DeviceOids.h"
#include "MenuCommand.h"
#include "PageCatalog.h"

#include <QCheckBox>
#include <QLineEdit>

namespace {

namespace deviceoid = snmp::deviceoid;
using Id = CTimeProfileDlg::ControlId;

class TimeProfilePage : public GuiTest {
protected:
    // A profile row; days "1111100" Monday first.
    void profile(int index, const std::string& name, const char* days, int status = 1, bool dated = false)
    {
        auto cell = [&](int column) { return deviceoid::timeProfileColumn(column) + "." + std::to_string(index); };
        agent->setInteger(cell(1), index);
        agent->setOctets(cell(2), name);
        agent->setInteger(cell(3), dated ? 1 : 2);
        const int values[] = {2024, 3, 1, 22, 0, 2026, 2, 28, 6, 30};
        for (int c = 4; c <= 13; ++c)
            agent->setInteger(cell(c), values[c - 4]);
        for (int d = 0; d < 7; ++d)
            agent->setInteger(cell(14 + d), days[d] == '1' ? 1 : 2);
        agent->setInteger(cell(21), status);
    }
    std::vector<std::vector<std::string>> sets()
    {
        std::vector<std::vector<std::string>> texts;
        for (const auto& request : agent->requestsOfType(snmp::PduType::Set))
            texts.push_back(bindTexts(request));
        return texts;
    }
    static std::string value(int column, int index, int number)
    {
        return deviceoid::timeProfileColumn(column) + "." + std::to_string(index) + "=2:" + std::to_string(number);
    }
    static QComboBox* list(const QWidget* page, int id) { return controlOf<QComboBox>(page, id); }
    static void pick(const QWidget* page, int id, const char* item)
    {
        QComboBox* combo = list(page, id);
        const int i = combo->findText(QString::fromLatin1(item));
        ASSERT_GE(i, 0) << id << " " << item;
        combo->setCurrentIndex(i);
    }
    // Name, days (Monday first), start and end "h:m".
    static void enter(const QWidget* page, const char* name, const char* days, const char* start, const char* end)
    {
        controlOf<QLineEdit>(page, Id::IdName)->setText(QString::fromLatin1(name));
        for (int d = 0; d < 7; ++d)
            controlOf<QCheckBox>(page, Id::IdMonday + d)->setChecked(days[d] == '1');
        const QString s = QString::fromLatin1(start), e = QString::fromLatin1(end);
        pick(page, Id::IdStartHour, s.section(':', 0, 0).toLatin1().constData());
        pick(page, Id::IdStartMinute, s.section(':', 1).toLatin1().constData());
        pick(page, Id::IdEndHour, e.section(':', 0, 0).toLatin1().constData());
        pick(page, Id::IdEndMinute, e.section(':', 1).toLatin1().constData());
    }
};

TEST_F(TimeProfilePage, ListsTheActiveProfiles)
{
    profile(1, "Office", "1111100");
    profile(2, "Draft", "1000000", 2);
    profile(3, "Night", "1111111", 1, true);
    CTimeProfileDlg page;
    EXPECT_EQ(page.objectName(), "dlg212");
    ASSERT_TRUE(openAndWait(page, Id::IdAdd));
    EXPECT_EQ(listHeaders(&page, Id::IdList),
              (QStringList{"Profile Name", "Weekdays", "From Day", "To Day", "Start Time", "End Time"}));
    EXPECT_EQ(listRows(&page, Id::IdList),
              (std::vector<QStringList>{{"Office", "Mon,Tue,Wed,Thu,Fri", "", "", "22:0", "6:30"},
                                        {"Night", "Mon,Tue,Wed,Thu,Fri,Sat,Sun", "2024/3/1", "2026/2/28", "22:0", "6:30"}}));
}

TEST_F(TimeProfilePage, AddCreatesTheRowOnTheFirstFreeIndexThenFillsAndActivatesIt)
{
    profile(1, "Office", "1111100");
    profile(2, "Night", "1111111");
    profile(4, "Weekend", "0000011");
    CTimeProfileDlg page;
    ASSERT_TRUE(openAndWait(page, Id::IdAdd));
    enter(&page, "Lunch", "1010100", "12:0", "13:30");
    agent->clearRequests();
    clickButton(&page, Id::IdAdd);
    EXPECT_TRUE(boxes.texts().isEmpty());
    EXPECT_EQ(sets(), (std::vector<std::vector<std::string>>{
                          {value(21, 3, 5)},
                          {deviceoid::timeProfileColumn(2) + ".3=4:Lunch", value(3, 3, 2), value(7, 3, 12),
                           value(8, 3, 0), value(12, 3, 13), value(13, 3, 30), value(14, 3, 1), value(15, 3, 2),
                           value(16, 3, 1), value(17, 3, 2), value(18, 3, 1), value(19, 3, 2), value(20, 3, 2),
                           value(21, 3, 1)}}));
    // The page reads the table again; the in-memory agent keeps cells, not rows, so the new row
    // is completed here as the switch would have it.
    EXPECT_TRUE(waitUntil([&] { return !agent->requestsOfType(snmp::PduType::GetNext).empty(); }));
    ASSERT_TRUE(openAndWait(page, Id::IdAdd));
    profile(3, "Lunch", "1010100");
    clickButton(&page, Id::IdRefresh);
    ASSERT_TRUE(openAndWait(page, Id::IdAdd));
    EXPECT_EQ(listRows(&page, Id::IdList).size(), 4u);

    // With a date range the dates go out too, between the date flag and the times.
    controlOf<QCheckBox>(&page, Id::IdDate)->setChecked(true);
    pick(&page, Id::IdFromYear, "2012");
    pick(&page, Id::IdFromMonth, "2");
    pick(&page, Id::IdFromDay, "29");
    pick(&page, Id::IdToYear, "2013");
    enter(&page, "Leap", "0000001", "0:5", "23:59");
    agent->clearRequests();
    clickButton(&page, Id::IdAdd);
    const auto written = sets();
    ASSERT_EQ(written.size(), 2u);
    EXPECT_EQ(written[0], std::vector<std::string>{value(21, 5, 5)});
    EXPECT_EQ(std::vector<std::string>(written[1].begin() + 1, written[1].begin() + 10),
              (std::vector<std::string>{value(3, 5, 1), value(4, 5, 2012), value(5, 5, 2), value(6, 5, 29),
                                        value(9, 5, 2013), value(10, 5, 1), value(11, 5, 1), value(7, 5, 0),
                                        value(8, 5, 5)}));
}

TEST_F(TimeProfilePage, AddChecksInTheirOrder)
{
    profile(1, "Office", "1111100");
    CTimeProfileDlg page;
    ASSERT_TRUE(openAndWait(page, Id::IdAdd));
    struct Case {
        const char* name;
        bool dated;
        const char *from, *to; // "y/m/d"
        const char *start, *end;
        const char* message; // nullptr: written
    };
    const Case cases[] = {
        {"", false, "2011/1/1", "2011/1/1", "8:0", "9:0", "The Profile name can not be empty,please input it."},
        {"a/b", false, "2011/1/1", "2011/1/1", "8:0", "9:0", "Invalid Profile name."},
        {"Office", false, "2011/1/1", "2011/1/1", "8:0", "9:0", "The Profile Name is exist."},
        {"New", false, "2011/1/1", "2011/1/1", "8:0", "8:0", "'Start Time' and 'End Time' can't be the same"},
        {"New", true, "2013/1/1", "2012/5/5", "8:0", "9:0", "'To year' can't be less than 'From year'"},
        {"New", true, "2012/5/9", "2012/5/3", "8:0", "9:0", "'To day' can't be less than 'From day'"},
        {"New", true, "2012/6/1", "2012/5/3", "8:0", "9:0", "'To month' can't be less than 'From month'"},
        {"New", true, "2012/5/3", "2012/5/3", "22:0", "6:0", "'Start Time' can't be greater than 'End Time'"},
        {"New", false, "2011/1/1", "2011/1/1", "22:0", "6:0", nullptr}, // a weekly schedule across midnight
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " " + c.from + " " + c.to + " " + c.start + "-" + c.end);
        controlOf<QCheckBox>(&page, Id::IdDate)->setChecked(c.dated);
        const QString from = QString::fromLatin1(c.from), to = QString::fromLatin1(c.to);
        for (auto [ids, date] : {std::pair{std::array{int(Id::IdFromYear), int(Id::IdFromMonth), int(Id::IdFromDay)}, from},
                                 {std::array{int(Id::IdToYear), int(Id::IdToMonth), int(Id::IdToDay)}, to}}) {
            for (int part = 0; part < 3; ++part)
                pick(&page, ids[std::size_t(part)], date.section('/', part, part).toLatin1().constData());
        }
        enter(&page, c.name, "1111111", c.start, c.end);
        boxes.clear();
        agent->clearRequests();
        clickButton(&page, Id::IdAdd);
        if (c.message) {
            EXPECT_EQ(boxes.texts(), QStringList{c.message});
            EXPECT_TRUE(sets().empty());
        } else {
            EXPECT_TRUE(boxes.texts().isEmpty());
            EXPECT_EQ(sets().size(), 2u);
        }
    }
}

TEST_F(TimeProfilePage, NinthProfileIsRefused)
{
    for (int i = 1; i <= 8; ++i)
        profile(i, "P" + std::to_string(i), "1000000");
    CTimeProfileDlg page;
    ASSERT_TRUE(openAndWait(page, Id::IdAdd));
    enter(&page, "", "1000000", "8:0", "8:0");
    clickButton(&page, Id::IdAdd);
    EXPECT_EQ(boxes.texts(), QStringList{"The Max entry is 8."});
}

TEST_F(TimeProfilePage, RefusedColumnsTakeTheCreatedRowAwayAgain)
{
    profile(1, "Office", "1111100");
    CTimeProfileDlg page;
    ASSERT_TRUE(openAndWait(page, Id::IdAdd));
    snmp::MemoryAgent::Fault refused;
    refused.errorStatus = snmp::ErrorStatus::BadValue;
    agent->setObjectFault(deviceoid::timeProfileColumn(2) + ".2", refused);
    enter(&page, "Lunch", "1000000", "12:0", "13:0");
    agent->clearRequests();
    clickButton(&page, Id::IdAdd);
    const auto written = sets();
    ASSERT_EQ(written.size(), 3u);
    EXPECT_EQ(written[0], std::vector<std::string>{value(21, 2, 5)});
    EXPECT_EQ(written[2], std::vector<std::string>{value(21, 2, 6)});
    EXPECT_TRUE(agent->requestsOfType(snmp::PduType::GetNext).empty());

    // A refused creation writes nothing more.
    agent->clearRequests();
    agent->clearFaults();
    agent->setObjectFault(deviceoid::timeProfileColumn(21) + ".2", refused);
    clickButton(&page, Id::IdAdd);
    EXPECT_EQ(sets(), (std::vector<std::vector<std::string>>{{value(21, 2, 5)}}));
}

// A row out of service (left by another manager, say) is not listed but holds its index.
TEST_F(TimeProfilePage, AddSkipsAnIndexHeldByARowOutOfService)
{
    profile(1, "Office", "1111100");
    profile(2, "Stale", "0000011", 2);
    CTimeProfileDlg page;
    ASSERT_TRUE(openAndWait(page, Id::IdAdd));
    enter(&page, "Lunch", "1000000", "12:0", "13:0");
    agent->clearRequests();
    clickButton(&page, Id::IdAdd);
    const auto written = sets();
    ASSERT_EQ(written.size(), 2u);
    EXPECT_EQ(written[0], std::vector<std::string>{value(21, 3, 5)});
    EXPECT_TRUE(boxes.texts().isEmpty());
}

TEST_F(TimeProfilePage, DeleteNeedsASelectedProfile)
{
    profile(1, "Office", "1111100");
    profile(3, "Night", "1111111");
    CTimeProfileDlg page;
    ASSERT_TRUE(openAndWait(page, Id::IdDelete));
    clickButton(&page, Id::IdDelete);
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text, "Please select the Time Range to be deleted!");
    EXPECT_EQ(boxes.shown()[0].icon, MessageIcon::Information);

    controlOf<CListView>(&page, Id::IdList)->selectRow(1);
    agent->clearRequests();
    clickButton(&page, Id::IdDelete);
    EXPECT_EQ(sets(), (std::vector<std::vector<std::string>>{{value(21, 3, 6)}}));
    ASSERT_TRUE(openAndWait(page, Id::IdDelete));
    EXPECT_FALSE(agent->requestsOfType(snmp::PduType::GetNext).empty());
}

TEST_F(TimeProfilePage, DayListsFollowTheMonthAndTheDateBox)
{
    CTimeProfileDlg page;
    EXPECT_FALSE(list(&page, Id::IdFromYear)->isEnabled());
    controlOf<QCheckBox>(&page, Id::IdDate)->setChecked(true);
    EXPECT_TRUE(list(&page, Id::IdToDay)->isEnabled());
    pick(&page, Id::IdFromYear, "2012");
    pick(&page, Id::IdFromMonth, "2");
    EXPECT_EQ(list(&page, Id::IdFromDay)->count(), 29);
    pick(&page, Id::IdFromYear, "2013");
    EXPECT_EQ(list(&page, Id::IdFromDay)->count(), 28);
    pick(&page, Id::IdToMonth, "4");
    EXPECT_EQ(list(&page, Id::IdToDay)->count(), 30);
    EXPECT_EQ(list(&page, Id::IdFromYear)->itemText(0), "2011");
    EXPECT_EQ(list(&page, Id::IdFromYear)->count(), 19);

    controlOf<QCheckBox>(&page, Id::IdSelectAllDays)->click();
    for (int d = 0; d < 7; ++d)
        EXPECT_TRUE(controlOf<QCheckBox>(&page, Id::IdMonday + d)->isChecked());
    ASSERT_TRUE(PageCatalog::has(MenuCommand::TimeProfile));
    EXPECT_EQ(PageCatalog::create(MenuCommand::TimeProfile)->objectName(), "dlg212");
}

} // namespace

// Bandwidth Control and Storm Control: the lists and fields as read, the checks with their exact
// messages, and the requests each write sends.

#include "SecurityPageSupport.h"

#include "CBandwidthDlg.h"
#include "CStormControlDlg.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace {

using BandwidthId = CBandwidthDlg::ControlId;
using StormId = CStormControlDlg::ControlId;

std::string bandwidth(int column, int port)
{
    return deviceObject("13.1.2.1." + std::to_string(column) + "." + std::to_string(port));
}
std::string storm(int object)
{
    return deviceObject("13.3." + std::to_string(object) + ".0");
}

class BandwidthPage : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        for (int p = 1; p <= 28; ++p) {
            agent->setInteger(bandwidth(1, p), p);
            agent->setInteger(bandwidth(2, p), p == 3 ? 640 : 0);
            agent->setInteger(bandwidth(3, p), p == 4 ? 1000000 : 0);
        }
        agent->setOctets(deviceObject("8.1.3.1.2.1"), std::string("\x03\x00\x00\x00", 4)); // ports 7 and 8
    }
    std::unique_ptr<CBandwidthDlg> open()
    {
        auto page = std::make_unique<CBandwidthDlg>();
        EXPECT_TRUE(openAndWait(*page, BandwidthId::IdApply));
        agent->clearRequests();
        boxes.clear();
        return page;
    }
    void applyWith(CBandwidthDlg& page, int from, int to, int type, int noLimit, const char* rate)
    {
        chooseItem(controlOf<QComboBox>(&page, BandwidthId::IdFromPort), from - 1);
        chooseItem(controlOf<QComboBox>(&page, BandwidthId::IdToPort), to - 1);
        controlOf<QComboBox>(&page, BandwidthId::IdType)->setCurrentIndex(type);
        controlOf<QComboBox>(&page, BandwidthId::IdNoLimit)->setCurrentIndex(noLimit);
        controlOf<QLineEdit>(&page, BandwidthId::IdRate)->setText(QString::fromLatin1(rate));
        clickButton(&page, BandwidthId::IdApply);
    }
};
enum { Rx, Tx, Both };
enum { NoLimit, Limited };

TEST_F(BandwidthPage, ListsBothLimitsOfEveryPort)
{
    auto page = open();
    EXPECT_EQ(page->windowTitle(), "BandWidth Control");
    EXPECT_EQ(listHeaders(page.get(), BandwidthId::IdList),
              (QStringList{"Port", "Tx Rate (Kbits/sec)", "Rx Rate (Kbits/sec)"}));
    const auto rows = listRows(page.get(), BandwidthId::IdList);
    ASSERT_EQ(rows.size(), 28u);
    EXPECT_EQ(rows[0], (QStringList{"1", "No Limit", "No Limit"}));
    EXPECT_EQ(rows[2], (QStringList{"3", "640", "No Limit"}));
    EXPECT_EQ(rows[3], (QStringList{"4", "No Limit", "1000000"}));
    EXPECT_EQ(controlOf<QLabel>(page.get(), BandwidthId::IdRange)->text(), "Rate(63-1000000)");
    EXPECT_EQ(controlOf<QComboBox>(page.get(), BandwidthId::IdToPort)->currentText(), "28");
    EXPECT_EQ(controlOf<QComboBox>(page.get(), BandwidthId::IdNoLimit)->currentText(), "Disabled");
    EXPECT_EQ(controlOf<QPushButton>(page.get(), BandwidthId::IdApply)->text(), "Apply");
    EXPECT_EQ(controlOf<QPushButton>(page.get(), BandwidthId::IdRefresh)->text(), "Refresh");
}

TEST_F(BandwidthPage, RateAndAggregatedLinkChecksWriteNothing)
{
    struct Case {
        int from, to, noLimit;
        const char* rate;
        const char* message;
    };
    const Case cases[] = {
        {1, 2, Limited, "62", "Invalid Rate."},
        {1, 2, Limited, "1000001", "Invalid Rate."},
        {1, 2, Limited, "", "Invalid Rate."},
        {1, 2, Limited, "k64", "Invalid Rate."},
        {1, 2, Limited, "99999999999999999999999", "Invalid Rate."},
        {5, 8, Limited, "640", "You can't set the rate of Ports:7,8.because they are in aggregated link."},
        {8, 8, NoLimit, "", "You can't set the rate of Ports:8.because they are in aggregated link."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rate);
        auto page = open();
        applyWith(*page, c.from, c.to, Rx, c.noLimit, c.rate);
        EXPECT_EQ(boxes.texts(), QStringList{c.message});
        EXPECT_TRUE(setRequests(*agent).empty());
    }
}

TEST_F(BandwidthPage, OneRequestPerPortWithTheColumnsOfTheTypeThenTheControlsReset)
{
    struct Case {
        int type, noLimit;
        const char* rate;
        SetTexts expected;
    };
    const Case cases[] = {
        {Rx, Limited, "63", {{intBind(bandwidth(3, 1), 63)}, {intBind(bandwidth(3, 2), 63)}}},
        {Tx, Limited, "1000000", {{intBind(bandwidth(2, 1), 1000000)}, {intBind(bandwidth(2, 2), 1000000)}}},
        {Both, Limited, "640kbit", {{intBind(bandwidth(3, 1), 640), intBind(bandwidth(2, 1), 640)},
                                    {intBind(bandwidth(3, 2), 640), intBind(bandwidth(2, 2), 640)}}},
        {Both, NoLimit, "", {{intBind(bandwidth(3, 1), 0), intBind(bandwidth(2, 1), 0)},
                             {intBind(bandwidth(3, 2), 0), intBind(bandwidth(2, 2), 0)}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rate);
        auto page = open();
        applyWith(*page, 1, 2, c.type, c.noLimit, c.rate);
        EXPECT_TRUE(boxes.texts().isEmpty());
        EXPECT_EQ(setRequests(*agent), c.expected);
        EXPECT_EQ(controlOf<QComboBox>(page.get(), BandwidthId::IdToPort)->currentText(), "28");
        EXPECT_EQ(controlOf<QComboBox>(page.get(), BandwidthId::IdType)->currentText(), "Rx");
        EXPECT_EQ(controlOf<QComboBox>(page.get(), BandwidthId::IdNoLimit)->currentText(), "Disabled");
        EXPECT_TRUE(controlOf<QLineEdit>(page.get(), BandwidthId::IdRate)->text().isEmpty());
        ASSERT_TRUE(openAndWait(*page, BandwidthId::IdApply));
    }
    EXPECT_EQ(listRows(open().get(), BandwidthId::IdList)[1], (QStringList{"2", "No Limit", "No Limit"}));
}

TEST_F(BandwidthPage, ToBelowFromIsRefusedAndNoLimitDisablesTheRate)
{
    auto page = open();
    auto* to = controlOf<QComboBox>(page.get(), BandwidthId::IdToPort);
    chooseItem(controlOf<QComboBox>(page.get(), BandwidthId::IdFromPort), 4);
    EXPECT_EQ(to->currentText(), "5");
    chooseItem(to, 1);
    EXPECT_EQ(boxes.texts(), QStringList{" \"To port\"cannot be smaller than \"From Port\" "});
    EXPECT_EQ(to->currentText(), "5");
    controlOf<QComboBox>(page.get(), BandwidthId::IdNoLimit)->setCurrentIndex(NoLimit);
    EXPECT_FALSE(controlOf<QLineEdit>(page.get(), BandwidthId::IdRate)->isEnabled());
}

TEST_F(BandwidthPage, NoteFollowsTheModel)
{
    const QString head = "Note:The multiple of 63 Kbits/sec will be set automatically because \r\n";
    struct Case {
        const char* model;
        QString note; // empty: hidden
    };
    const Case cases[] = {
        {"SORVEX-A B1", head + "the resolution of  Tx adn Rx bandwidth control is 63 Kbits/sec."},
        {"SORVEX-AP B1", head + "the resolution of  Tx adn Rx bandwidth control is 63 Kbits/sec."},
        {"SORVEX-BP B1", head + "the resolution of Giga-port Tx bandwidth control is 63 Kbits/sec."},
        {"SORVEX-EP B1", ""},
        {"SORVEX-C B1", ""},
    };
    for (const Case& c : cases) {
        DeviceProfile profile;
        profile.DeviceName = c.model;
        DeviceProfile::setCurrent(profile);
        auto page = open();
        auto* note = controlOf<QLabel>(page.get(), BandwidthId::IdNote);
        EXPECT_EQ(note->isVisible(), !c.note.isEmpty()) << c.model;
        // The models without the note get a shorter window.
        EXPECT_EQ(page->height(), c.note.isEmpty() ? 420 : 470) << c.model;
        if (!c.note.isEmpty()) {
            EXPECT_EQ(note->text(), c.note) << c.model;
        }
    }
}

class StormPage : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        seed(1, 2, 640);
    }
    void seed(int state, int type, int threshold)
    {
        agent->setInteger(storm(1), state);
        agent->setInteger(storm(2), type);
        agent->setInteger(storm(3), threshold);
    }
    std::unique_ptr<CStormControlDlg> open()
    {
        auto page = std::make_unique<CStormControlDlg>();
        EXPECT_TRUE(openAndWait(*page, StormId::IdApply));
        agent->clearRequests();
        boxes.clear();
        return page;
    }
    QLineEdit* edit(const QWidget* page, int id) { return controlOf<QLineEdit>(page, id); }
    void typeN(const QWidget* page, const char* n)
    {
        edit(page, StormId::IdMultiple)->selectAll();
        QTest::keyClick(edit(page, StormId::IdMultiple), Qt::Key_Delete);
        QTest::keyClicks(edit(page, StormId::IdMultiple), QString::fromLatin1(n));
    }
};

TEST_F(StormPage, ReadShowsTheLimitAsAMultipleOfTheUnit)
{
    auto page = open();
    EXPECT_EQ(page->windowTitle(), "Storm Control");
    EXPECT_TRUE(controlOf<QCheckBox>(page.get(), StormId::IdEnable)->isChecked());
    EXPECT_EQ(controlOf<QComboBox>(page.get(), StormId::IdType)->currentText(), "Multicast & Broadcast");
    EXPECT_EQ(edit(page.get(), StormId::IdUnit)->text(), "64Kbps  ");
    EXPECT_EQ(edit(page.get(), StormId::IdMultiple)->text(), "10");
    EXPECT_EQ(edit(page.get(), StormId::IdThreshold)->text(), "640");
    typeN(page.get(), "3");
    EXPECT_EQ(edit(page.get(), StormId::IdThreshold)->text(), "192");
    typeN(page.get(), "");
    EXPECT_TRUE(edit(page.get(), StormId::IdThreshold)->text().isEmpty());
    edit(page.get(), StormId::IdMultiple)->setText(QStringLiteral("4")); // no keystrokes
    EXPECT_EQ(edit(page.get(), StormId::IdThreshold)->text(), "256");
    EXPECT_EQ(controlOf<QPushButton>(page.get(), StormId::IdApply)->text(), "Apply");
    EXPECT_EQ(controlOf<QPushButton>(page.get(), StormId::IdRefresh)->text(), "&Refresh");

    controlOf<QCheckBox>(page.get(), StormId::IdEnable)->click();
    EXPECT_FALSE(controlOf<QComboBox>(page.get(), StormId::IdType)->isEnabled());
    EXPECT_FALSE(edit(page.get(), StormId::IdMultiple)->isEnabled());
}

TEST_F(StormPage, MultipleOutsideItsRangeIsRefused)
{
    for (const char* n : {"0", "16001", "", "x"}) {
        auto page = open();
        typeN(page.get(), n);
        clickButton(page.get(), StormId::IdApply);
        EXPECT_EQ(boxes.texts(), QStringList{"Invalid input of N ( input range must between 1~16000)"}) << n;
        EXPECT_TRUE(setRequests(*agent).empty()) << n;
    }
}

TEST_F(StormPage, WritesOnlyWhatChanged)
{
    struct Case {
        const char* name;
        bool untick;
        int type; // -1: unchanged
        const char* n;
        SetTexts expected;
    };
    const Case cases[] = {
        {"threshold", false, -1, "16000", {{intBind(storm(3), 1024000)}}},
        {"type and threshold", false, 2, "11", {{intBind(storm(2), 3), intBind(storm(3), 704)}}},
        {"state off", true, 0, "16000", {{intBind(storm(1), 2)}}},
        {"nothing", false, -1, "10", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        seed(1, 2, 640);
        auto page = open();
        if (c.type >= 0)
            controlOf<QComboBox>(page.get(), StormId::IdType)->setCurrentIndex(c.type);
        typeN(page.get(), c.n);
        if (c.untick)
            controlOf<QCheckBox>(page.get(), StormId::IdEnable)->click();
        clickButton(page.get(), StormId::IdApply);
        EXPECT_TRUE(boxes.texts().isEmpty());
        EXPECT_EQ(setRequests(*agent), c.expected);
        ASSERT_TRUE(openAndWait(*page, StormId::IdApply));
    }
}

TEST_F(StormPage, PoeModelsCountInUnitsOf63AndAnUnknownTypeIsNotWrittenBack)
{
    DeviceProfile profile;
    profile.DeviceName = "SORVEX-AP B1";
    DeviceProfile::setCurrent(profile);
    seed(2, 9, 0);
    auto page = open();
    EXPECT_EQ(edit(page.get(), StormId::IdUnit)->text(), "63Kbps  ");
    EXPECT_EQ(edit(page.get(), StormId::IdMultiple)->text(), "0");
    EXPECT_EQ(controlOf<QComboBox>(page.get(), StormId::IdType)->currentIndex(), -1);
    controlOf<QCheckBox>(page.get(), StormId::IdEnable)->click();
    typeN(page.get(), "2");
    EXPECT_EQ(edit(page.get(), StormId::IdThreshold)->text(), "126");
    clickButton(page.get(), StormId::IdApply);
    EXPECT_EQ(setRequests(*agent), (SetTexts{{intBind(storm(1), 1), intBind(storm(3), 126)}}));
}

} // namespace

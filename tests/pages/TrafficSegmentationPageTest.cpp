// Traffic Segmentation: the forwarding sets as read, the forwarding Apply that waits for the
// feature and a chosen source port, the boxes of the chosen port, the aggregated-link refusal,
// the written octets by port count, and the state write.

#include "SecurityPageSupport.h"

#include "CTrafficSegmentationDlg.h"

#include <QCheckBox>

using namespace std::string_literals;

namespace {

using Id = CTrafficSegmentationDlg::ControlId;

const std::string state = deviceObject("14.9.1.0");
std::string forwarding(int port)
{
    return deviceObject("14.9.2.1.2." + std::to_string(port));
}

class TrafficSegmentationPage : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        seed(28, 1);
    }
    void seed(int ports, int featureState)
    {
        agent->clear();
        agent->setInteger(state, featureState);
        for (int p = 1; p <= ports; ++p) {
            agent->setInteger(deviceObject("14.9.2.1.1." + std::to_string(p)), p);
            agent->setOctets(forwarding(p), "\xff\xff\xff\xf0\x00\x00\x00\x00"s);
        }
        agent->setOctets(forwarding(2), ""s);
        agent->setOctets(forwarding(3), "\x80\x00\x80\x00"s); // ports 1 and 17
        agent->setOctets(deviceObject("8.1.3.1.2.1"), "\x0c\x00\x00\x00"s); // ports 5 and 6
    }
    std::unique_ptr<CTrafficSegmentationDlg> open()
    {
        auto page = std::make_unique<CTrafficSegmentationDlg>();
        EXPECT_TRUE(openAndWait(*page, Id::IdGlobalApply));
        agent->clearRequests();
        return page;
    }
    QCheckBox* box(const QWidget* page, int port) { return controlOf<QCheckBox>(page, Id::IdFirstPortBox + port - 1); }
    QPushButton* forwardingApply(const QWidget* page) { return controlOf<QPushButton>(page, Id::IdForwardingApply); }
    void chooseSource(const QWidget* page, int port) { chooseItem(controlOf<QComboBox>(page, Id::IdSourcePort), port - 1); }
};

TEST_F(TrafficSegmentationPage, ListsEachSourcePortsSetAndWaitsForAChosenSourcePort)
{
    auto page = open();
    EXPECT_EQ(page->windowTitle(), "Traffic Segmentation Settings ");
    EXPECT_EQ(listHeaders(page.get(), Id::IdList), (QStringList{"Port", "Forwarding Port"}));
    const auto rows = listRows(page.get(), Id::IdList);
    ASSERT_EQ(rows.size(), 28u);
    EXPECT_EQ(rows[0], (QStringList{"1", "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25,26,27,28"}));
    EXPECT_EQ(rows[1], (QStringList{"2", ""}));
    EXPECT_EQ(rows[2], (QStringList{"3", "1,17"}));
    EXPECT_TRUE(controlOf<QCheckBox>(page.get(), Id::IdEnable)->isChecked());
    // Port 1 shows in the list before anyone chose it: its boxes are still clear.
    EXPECT_FALSE(box(page.get(), 1)->isChecked());
    EXPECT_FALSE(forwardingApply(page.get())->isEnabled());

    chooseSource(page.get(), 3);
    EXPECT_TRUE(forwardingApply(page.get())->isEnabled());
    for (int p = 1; p <= 28; ++p) {
        EXPECT_EQ(box(page.get(), p)->isChecked(), p == 1 || p == 17) << p;
        EXPECT_EQ(box(page.get(), p)->isEnabled(), p != 3) << p;
    }
}

TEST_F(TrafficSegmentationPage, ChosenSetIsWrittenAsEightOctetsThenReadAgain)
{
    auto page = open();
    chooseSource(page.get(), 3);
    controlOf<QPushButton>(page.get(), Id::IdClear)->click();
    box(page.get(), 1)->click();
    box(page.get(), 2)->click();
    box(page.get(), 28)->click();
    clickButton(page.get(), Id::IdForwardingApply);
    EXPECT_TRUE(boxes.texts().isEmpty());
    EXPECT_EQ(setRequests(*agent), SetTexts{{octetBind(forwarding(3), "\xc0\x00\x00\x10\x00\x00\x00\x00"s)}});
    ASSERT_TRUE(openAndWait(*page, Id::IdGlobalApply));
    EXPECT_EQ(listRows(page.get(), Id::IdList)[2][1], "1,2,28");
}

TEST_F(TrafficSegmentationPage, AllAndClearAndTheAggregatedLinkRefusal)
{
    auto page = open();
    chooseSource(page.get(), 3);
    box(page.get(), 3)->setChecked(true);
    controlOf<QPushButton>(page.get(), Id::IdClear)->click();
    for (int p = 1; p <= 28; ++p)
        EXPECT_EQ(box(page.get(), p)->isChecked(), p == 3) << p;
    controlOf<QPushButton>(page.get(), Id::IdAll)->click();
    for (int p = 1; p <= 28; ++p)
        EXPECT_TRUE(box(page.get(), p)->isChecked()) << p;

    box(page.get(), 6)->click(); // 5 stays: the link of 5 and 6 would be split
    clickButton(page.get(), Id::IdForwardingApply);
    EXPECT_EQ(boxes.texts(), QStringList{"The link aggregation member port can not be configured."});
    EXPECT_TRUE(setRequests(*agent).empty());
}

TEST_F(TrafficSegmentationPage, FeatureOffKeepsForwardingApplyDisabledUntilTheStateIsWritten)
{
    seed(28, 2);
    auto page = open();
    chooseSource(page.get(), 4);
    EXPECT_FALSE(forwardingApply(page.get())->isEnabled());
    controlOf<QCheckBox>(page.get(), Id::IdEnable)->click();
    clickButton(page.get(), Id::IdGlobalApply);
    EXPECT_EQ(setRequests(*agent), SetTexts{{intBind(state, 1)}});
    ASSERT_TRUE(openAndWait(*page, Id::IdGlobalApply));
    EXPECT_TRUE(forwardingApply(page.get())->isEnabled());

    controlOf<QCheckBox>(page.get(), Id::IdEnable)->click();
    agent->clearRequests();
    clickButton(page.get(), Id::IdGlobalApply);
    EXPECT_EQ(setRequests(*agent), SetTexts{{intBind(state, 2)}});
    ASSERT_TRUE(openAndWait(*page, Id::IdGlobalApply));
    EXPECT_FALSE(forwardingApply(page.get())->isEnabled());
}

TEST_F(TrafficSegmentationPage, FiftyTwoPortsTakeTwoRowsAndWriteTwelveOctets)
{
    DeviceProfile profile;
    profile.DevicePortNum = 52;
    DeviceProfile::setCurrent(profile);
    seed(52, 1);
    auto page = open();
    EXPECT_EQ(box(page.get(), 27)->x(), box(page.get(), 1)->x());
    EXPECT_EQ(box(page.get(), 27)->y(), box(page.get(), 1)->y() + 50);
    EXPECT_EQ(box(page.get(), 26)->y(), box(page.get(), 1)->y());
    chooseSource(page.get(), 52);
    controlOf<QPushButton>(page.get(), Id::IdClear)->click();
    box(page.get(), 1)->click();
    box(page.get(), 51)->click();
    clickButton(page.get(), Id::IdForwardingApply);
    EXPECT_EQ(setRequests(*agent),
              SetTexts{{octetBind(forwarding(52), "\x80\x00\x00\x00\x00\x00\x20\x00\x00\x00\x00\x00"s)}});
}

TEST(TrafficSegmentationOctets, PaddedByPortCount)
{
    const std::pair<int, std::string> cases[] = {
        {28, "\x80\x00\x00\x10\x00\x00\x00\x00"s},
        {52, "\x80\x00\x00\x00\x00\x00\x10\x00\x00\x00\x00\x00"s},
        {48, "\x80\x00\x00\x00\x00\x01\x00\x00"s},
        {24, "\x80\x00\x01\x00"s},
        {8, "\x81\x00\x00\x00"s},
        {12, "\x80\x10"s},
    };
    for (const auto& [count, octets] : cases) {
        PortFlags ports(std::size_t(count), 0);
        ports.front() = ports.back() = 1;
        EXPECT_EQ(CTrafficSegmentationDlg::forwardingOctets(ports), octets) << count;
    }
}

} // namespace

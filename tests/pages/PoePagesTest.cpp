// PoE Global Settings and PoE Configuration: the power values the operator may type, the reads,
// the model's threshold range and the writes of a range of ports.

#include "PageTestSupport.h"

#include "CPoeGlobalDlg.h"
#include "CPoePortDlg.h"
#include "DeviceOids.h"
#include "MenuCommand.h"
#include "PageCatalog.h"
#include "PoeTexts.h"

#include <algorithm>
#include <chrono>
#include <iterator>

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>

namespace {

namespace deviceoid = snmp::deviceoid;

TEST(PoeTexts, PortPowerLimitIsAnEvenNumberOfTenthsOfAWatt)
{
    // Every tenth from 0.0 to 40.0 W: the even ones pass (1.4 and 15.4 among them), the odd fail.
    for (int tenths = 0; tenths <= 400; ++tenths) {
        const QString text = QStringLiteral("%1.%2").arg(tenths / 10).arg(tenths % 10);
        EXPECT_EQ(IsValidPortPowerLimit(text), tenths % 2 == 0) << text.toStdString();
    }
    struct Case {
        const char* text;
        bool valid;
    };
    for (const Case& c : {Case{"15", true}, {"15.40", true}, {" 15.4 ", true}, {"0", true}, {"15.5", false},
                          {"15.45", false}, {"15.", false}, {".4", false}, {"", false}, {"abc", false},
                          {"-2", false}, {"1e1", false}, {"2,4", false}, {"99999999999999999999", false}})
        EXPECT_EQ(IsValidPortPowerLimit(QString::fromLatin1(c.text)), c.valid) << c.text;
}

TEST(PoeTexts, PortValuesAsListTexts)
{
    EXPECT_EQ(PoeStateText("1"), "Enable");
    EXPECT_EQ(PoeStateText("2"), "Disable");
    EXPECT_EQ(PoePriorityText("1"), "Low");
    EXPECT_EQ(PoePriorityText("2"), "Normal");
    EXPECT_EQ(PoePriorityText("3"), "High");
    EXPECT_EQ(PoeClassLimitText("1"), "Auto");
    EXPECT_EQ(PoeClassLimitText("2"), "Class 1");
    EXPECT_EQ(PoeClassLimitText("5"), "Class 4");
    EXPECT_EQ(PoeClassLimitText("9"), "9");
}

class PoePages : public GuiTest {
protected:
    void useModel(const char* name)
    {
        DeviceProfile profile;
        profile.DeviceName = name;
        DeviceProfile::setCurrent(profile);
    }
    void seedGlobals()
    {
        agent->setOctets(deviceoid::poeGlobal(deviceoid::PoeThreshold), "78.0");
        agent->setInteger(deviceoid::poeGlobal(deviceoid::PoeShutOffSequence), 2);
        agent->setOctets(deviceoid::poeGlobal(deviceoid::PoeBudget), "185.0");
        agent->setOctets(deviceoid::poeGlobal(deviceoid::PoeUsed), "74.5");
        agent->setOctets(deviceoid::poeGlobal(deviceoid::PoeLeft), "110.5");
        agent->setInteger(deviceoid::poeGlobal(deviceoid::PoeSupplied), 40);
    }
    std::vector<std::vector<std::string>> sets()
    {
        std::vector<std::vector<std::string>> texts;
        for (const auto& request : agent->requestsOfType(snmp::PduType::Set))
            texts.push_back(bindTexts(request));
        return texts;
    }
    QLineEdit* edit(const QWidget* page, int id) { return controlOf<QLineEdit>(page, id); }
};

TEST_F(PoePages, GlobalPageReadsEachObjectAfterItsPauseAndShowsThem)
{
    useModel("SORVEX-AP B1");
    seedGlobals();
    CPoeGlobalDlg page(50);
    EXPECT_EQ(page.objectName(), "dlg218");
    page.show();
    EXPECT_EQ(edit(&page, CPoeGlobalDlg::IdBudget)->text(), "wait...");
    EXPECT_FALSE(edit(&page, CPoeGlobalDlg::IdThreshold)->isEnabled());
    ASSERT_TRUE(openAndWait(page, CPoeGlobalDlg::IdApply));
    EXPECT_EQ(edit(&page, CPoeGlobalDlg::IdThreshold)->text(), "78.0");
    EXPECT_EQ(controlOf<QComboBox>(&page, CPoeGlobalDlg::IdShutOffSequence)->currentText(), "DenyLowPriorityPort");
    EXPECT_EQ(edit(&page, CPoeGlobalDlg::IdBudget)->text(), "185.0");
    EXPECT_EQ(edit(&page, CPoeGlobalDlg::IdUsed)->text(), "74.5");
    EXPECT_EQ(edit(&page, CPoeGlobalDlg::IdLeft)->text(), "110.5");
    EXPECT_EQ(edit(&page, CPoeGlobalDlg::IdSupplied)->text(), "40");
    EXPECT_TRUE(edit(&page, CPoeGlobalDlg::IdThreshold)->isEnabled());
    // One get per object, in the page's order.
    std::vector<std::string> asked;
    for (const auto& request : agent->requestsOfType(snmp::PduType::Get)) {
        ASSERT_EQ(request.binds.size(), 1u);
        asked.push_back(request.binds[0].oid);
    }
    EXPECT_EQ(asked, (std::vector<std::string>{deviceoid::poeGlobal(2), deviceoid::poeGlobal(3), deviceoid::poeGlobal(4),
                                               deviceoid::poeGlobal(5), deviceoid::poeGlobal(6), deviceoid::poeGlobal(7)}));
}

TEST_F(PoePages, GlobalPageKeepsApplyDisabledWhenAReadFails)
{
    useModel("SORVEX-AP B1");
    seedGlobals();
    agent->remove(deviceoid::poeGlobal(deviceoid::PoeLeft));
    CPoeGlobalDlg page(0);
    page.show();
    ASSERT_TRUE(waitUntil([&] { return agent->requestsOfType(snmp::PduType::Get).size() == 6; }));
    QTest::qWait(50);
    EXPECT_FALSE(controlOf<QPushButton>(&page, CPoeGlobalDlg::IdApply)->isEnabled());
    EXPECT_EQ(edit(&page, CPoeGlobalDlg::IdLeft)->text(), "wait...");
    EXPECT_EQ(edit(&page, CPoeGlobalDlg::IdSupplied)->text(), "40");
}

TEST_F(PoePages, GlobalThresholdRangeFollowsTheModel)
{
    struct Case {
        const char* model;
        const char* threshold;
        const char* refusal; // nullptr: written
    };
    const char* ap = "The System Power Threshold ranges between 7.1 ~ 185.0.";
    const char* ep = "The System Power Threshold ranges between 7.1 ~ 78.0.";
    const Case cases[] = {
        {"SORVEX-AP B1", "185.0", nullptr}, {"SORVEX-AP B1", "185.1", ap}, {"SORVEX-AP B1", "7.10", nullptr},
        {"SORVEX-AP B1", "7.0", ap},        {"SORVEX-AP B1", "abc", ap},   {"SORVEX-EP B1", "7.1", nullptr},
        {"SORVEX-EP B1", "78.1", ep},       {"SORVEX-EP B1", "77.9", nullptr},
        {"SORVEX-EP B1", "7.0", ep},        {"SORVEX-A B1", "500", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.model) + " " + c.threshold);
        useModel(c.model);
        seedGlobals();
        boxes.clear();
        CPoeGlobalDlg page(0);
        ASSERT_TRUE(openAndWait(page, CPoeGlobalDlg::IdApply));
        const QString range = std::string(c.model) == "SORVEX-EP B1" ? "7.1-78.0" : "7.1-185.0";
        EXPECT_EQ(edit(&page, CPoeGlobalDlg::IdThreshold)->accessibleName(), "PoE Power Threshold  (" + range + ")");
        agent->clearRequests();
        edit(&page, CPoeGlobalDlg::IdThreshold)->setText(QString::fromLatin1(c.threshold));
        clickButton(&page, CPoeGlobalDlg::IdApply);
        if (c.refusal) {
            EXPECT_EQ(boxes.texts(), QStringList{c.refusal});
            EXPECT_TRUE(sets().empty());
            continue;
        }
        EXPECT_EQ(boxes.texts(), QStringList{"set succeed,please wait for a moment"});
        const std::string written = deviceoid::poeGlobal(deviceoid::PoeThreshold) + "=4:" + c.threshold;
        EXPECT_EQ(sets(), (std::vector<std::vector<std::string>>{{written}, {written}}));
        ASSERT_TRUE(openAndWait(page, CPoeGlobalDlg::IdApply));
        EXPECT_EQ(edit(&page, CPoeGlobalDlg::IdThreshold)->text(), c.threshold);
    }
}

TEST_F(PoePages, GlobalApplyWritesOnlyWhatChanged)
{
    useModel("SORVEX-AP B1");
    seedGlobals();
    CPoeGlobalDlg page(0);
    ASSERT_TRUE(openAndWait(page, CPoeGlobalDlg::IdApply));
    agent->clearRequests();
    clickButton(&page, CPoeGlobalDlg::IdApply);
    EXPECT_EQ(boxes.texts(), QStringList{"check the data you input"});
    EXPECT_TRUE(sets().empty());

    boxes.clear();
    controlOf<QComboBox>(&page, CPoeGlobalDlg::IdShutOffSequence)->setCurrentIndex(0);
    clickButton(&page, CPoeGlobalDlg::IdApply);
    EXPECT_EQ(sets(), (std::vector<std::vector<std::string>>{{deviceoid::poeGlobal(3) + "=2:1"}}));
    EXPECT_EQ(boxes.texts(), QStringList{"set succeed,please wait for a moment"});

    // A refused write is not reported as set.
    ASSERT_TRUE(openAndWait(page, CPoeGlobalDlg::IdApply));
    boxes.clear();
    snmp::MemoryAgent::Fault refused;
    refused.errorStatus = snmp::ErrorStatus::BadValue;
    agent->setObjectFault(deviceoid::poeGlobal(3), refused);
    controlOf<QComboBox>(&page, CPoeGlobalDlg::IdShutOffSequence)->setCurrentIndex(1);
    clickButton(&page, CPoeGlobalDlg::IdApply);
    EXPECT_EQ(boxes.texts(), QStringList{"check the data you input"});
}

// A shut-off sequence the list does not hold is shown as its number and never written unless the
// operator picks an item (fault 6).
TEST_F(PoePages, GlobalUnknownSequenceIsShownAndLeftAsRead)
{
    useModel("SORVEX-AP B1");
    seedGlobals();
    agent->setInteger(deviceoid::poeGlobal(deviceoid::PoeShutOffSequence), 3);
    CPoeGlobalDlg page(0);
    ASSERT_TRUE(openAndWait(page, CPoeGlobalDlg::IdApply));
    auto* sequence = controlOf<QComboBox>(&page, CPoeGlobalDlg::IdShutOffSequence);
    EXPECT_EQ(sequence->currentText(), "3");
    agent->clearRequests();
    clickButton(&page, CPoeGlobalDlg::IdApply);
    EXPECT_EQ(boxes.texts(), QStringList{"check the data you input"});
    EXPECT_TRUE(sets().empty());

    boxes.clear();
    edit(&page, CPoeGlobalDlg::IdThreshold)->setText(QStringLiteral("100.0"));
    clickButton(&page, CPoeGlobalDlg::IdApply);
    const std::string threshold = deviceoid::poeGlobal(deviceoid::PoeThreshold) + "=4:100.0";
    EXPECT_EQ(sets(), (std::vector<std::vector<std::string>>{{threshold}, {threshold}}));
    EXPECT_EQ(boxes.texts(), QStringList{"set succeed,please wait for a moment"});

    ASSERT_TRUE(openAndWait(page, CPoeGlobalDlg::IdApply));
    agent->clearRequests();
    sequence->setCurrentIndex(0);
    clickButton(&page, CPoeGlobalDlg::IdApply);
    EXPECT_EQ(sets(), (std::vector<std::vector<std::string>>{{deviceoid::poeGlobal(3) + "=2:1"}}));
    ASSERT_TRUE(openAndWait(page, CPoeGlobalDlg::IdApply));
    EXPECT_EQ(sequence->count(), 2);
    EXPECT_EQ(sequence->currentText(), "DenyNextPort");
}

class PoePortPage : public PoePages {
protected:
    void SetUp() override
    {
        PoePages::SetUp();
        useModel("SORVEX-AP B1");
        agent->setInteger(deviceoid::timeProfileColumn(1) + ".1", 1);
        agent->setInteger(deviceoid::timeProfileColumn(1) + ".3", 3);
        agent->setOctets(deviceoid::timeProfileColumn(2) + ".1", "Office");
        agent->setOctets(deviceoid::timeProfileColumn(2) + ".3", "Night");
        for (int port = 1; port <= 24; ++port) {
            const std::string index = ".1." + std::to_string(port);
            auto column = [&](int c) { return deviceoid::poeColumn(c) + index; };
            agent->setInteger(column(3), port == 2 ? 2 : 1);
            agent->setInteger(column(4), port == 3 ? 3 : 0);
            agent->setInteger(column(5), port == 4 ? 3 : 2);
            agent->setInteger(column(6), port == 5 ? 3 : 1);
            agent->setInteger(column(7), port == 6 ? 1 : 2);
            agent->setOctets(column(8), "15.4");
            agent->setOctets(column(9), port <= 6 ? "6.2" : "0.0");
            agent->setOctets(column(10), "53.1");
            agent->setOctets(column(11), "117");
            agent->setOctets(column(12), "2");
            agent->setOctets(column(13), port == 2 ? "POWER OFF" : "POWER ON");
        }
    }
    std::vector<std::string> portWrite(int port, int state, int range, int priority, int mode, const std::string& limit)
    {
        const std::string index = ".1." + std::to_string(port);
        auto column = [&](int c) { return deviceoid::poeColumn(c) + index; };
        std::vector<std::string> binds{column(3) + "=2:" + std::to_string(state), column(4) + "=2:" + std::to_string(range),
                                       column(5) + "=2:" + std::to_string(priority), column(7) + "=2:" + std::to_string(mode)};
        binds.push_back(mode == 1 ? column(8) + "=4:" + limit : column(6) + "=2:" + limit);
        return binds;
    }
};

TEST_F(PoePortPage, ListShowsEachPortWithItsTimeRangeAndLimit)
{
    CPoePortDlg page;
    EXPECT_EQ(page.objectName(), "dlg490");
    ASSERT_TRUE(openAndWait(page, CPoePortDlg::IdApply));
    EXPECT_EQ(listHeaders(&page, CPoePortDlg::IdPortList),
              (QStringList{"Index", "State", "Time Range", "Priority", "Power Limit", "Power(W)", "Voltage(V)",
                           "Current(mA)", "Classification", "Status"}));
    const auto rows = listRows(&page, CPoePortDlg::IdPortList);
    ASSERT_EQ(rows.size(), 24u);
    EXPECT_EQ(rows[0], (QStringList{"1", "Enable", "N/A", "Normal", "Auto", "6.2", "53.1", "117", "2", "POWER ON"}));
    EXPECT_EQ(rows[1][1], "Disable");
    EXPECT_EQ(rows[2][2], "Night");
    EXPECT_EQ(rows[3][3], "High");
    EXPECT_EQ(rows[4][4], "Class 2");
    EXPECT_EQ(rows[5][4], "15.4"); // the operator's own watts
    auto* ranges = controlOf<QComboBox>(&page, CPoePortDlg::IdTimeRange);
    ASSERT_EQ(ranges->count(), 3);
    EXPECT_EQ(ranges->itemText(0), "N/A");
    EXPECT_EQ(ranges->itemText(2), "Night");
    EXPECT_EQ(controlOf<QComboBox>(&page, CPoePortDlg::IdFromPort)->count(), 24);
    EXPECT_EQ(controlOf<QComboBox>(&page, CPoePortDlg::IdToPort)->currentText(), "24");

    // Choosing a row takes its port and its state.
    auto* list = controlOf<CListView>(&page, CPoePortDlg::IdPortList);
    list->selectRow(1);
    EXPECT_EQ(controlOf<QComboBox>(&page, CPoePortDlg::IdFromPort)->currentText(), "2");
    EXPECT_EQ(controlOf<QComboBox>(&page, CPoePortDlg::IdToPort)->currentText(), "2");
    EXPECT_EQ(controlOf<QComboBox>(&page, CPoePortDlg::IdState)->currentText(), "Disable");
}

TEST_F(PoePortPage, ApplyWritesEachPortOfTheRangeInTurn)
{
    CPoePortDlg page;
    ASSERT_TRUE(openAndWait(page, CPoePortDlg::IdApply));
    chooseItem(controlOf<QComboBox>(&page, CPoePortDlg::IdFromPort), 2);
    chooseItem(controlOf<QComboBox>(&page, CPoePortDlg::IdToPort), 4);
    controlOf<QComboBox>(&page, CPoePortDlg::IdTimeRange)->setCurrentIndex(2);
    controlOf<QComboBox>(&page, CPoePortDlg::IdPriority)->setCurrentIndex(2);
    controlOf<QComboBox>(&page, CPoePortDlg::IdPowerLimit)->setCurrentIndex(4);
    agent->clearRequests();
    QElapsedTimer elapsed;
    elapsed.start();
    clickButton(&page, CPoePortDlg::IdApply);
    EXPECT_GE(elapsed.elapsed(), 2 * 300);
    EXPECT_EQ(sets(), (std::vector<std::vector<std::string>>{portWrite(3, 1, 3, 3, 2, "5"), portWrite(4, 1, 3, 3, 2, "5"),
                                                             portWrite(5, 1, 3, 3, 2, "5")}));
    // Then, after the same pause, the ports are read again (fault 13).
    ASSERT_TRUE(openAndWait(page, CPoePortDlg::IdApply));
    EXPECT_EQ(listRows(&page, CPoePortDlg::IdPortList)[2][4], "Class 4");
    const auto requests = agent->requests();
    const auto lastSet = std::find_if(requests.rbegin(), requests.rend(),
                                      [](const auto& r) { return r.pduType == snmp::PduType::Set; });
    ASSERT_NE(lastSet, requests.rend());
    ASSERT_NE(lastSet, requests.rbegin());
    const auto reread = std::prev(lastSet);
    EXPECT_GE(reread->received - lastSet->received, std::chrono::milliseconds(290));
}

TEST_F(PoePortPage, DisabledPortsGoOutWithoutTimeRangeAtNormalPriorityByAutoClass)
{
    CPoePortDlg page;
    ASSERT_TRUE(openAndWait(page, CPoePortDlg::IdApply));
    chooseItem(controlOf<QComboBox>(&page, CPoePortDlg::IdFromPort), 7);
    controlOf<QComboBox>(&page, CPoePortDlg::IdState)->setCurrentIndex(1);
    controlOf<QComboBox>(&page, CPoePortDlg::IdTimeRange)->setCurrentIndex(1);
    controlOf<QComboBox>(&page, CPoePortDlg::IdPriority)->setCurrentIndex(2);
    controlOf<QComboBox>(&page, CPoePortDlg::IdPowerLimit)->setCurrentIndex(3);
    agent->clearRequests();
    clickButton(&page, CPoePortDlg::IdApply);
    EXPECT_EQ(sets(), (std::vector<std::vector<std::string>>{portWrite(8, 2, 0, 2, 2, "1")}));
}

TEST_F(PoePortPage, UserDefinedLimitIsCheckedBeforeAnyPortIsWritten)
{
    CPoePortDlg page;
    ASSERT_TRUE(openAndWait(page, CPoePortDlg::IdApply));
    auto* userDefine = controlOf<QCheckBox>(&page, CPoePortDlg::IdUserDefine);
    auto* watts = edit(&page, CPoePortDlg::IdWatts);
    EXPECT_FALSE(watts->isEnabled());
    userDefine->click();
    EXPECT_TRUE(watts->isEnabled());
    EXPECT_FALSE(controlOf<QComboBox>(&page, CPoePortDlg::IdPowerLimit)->isEnabled());
    chooseItem(controlOf<QComboBox>(&page, CPoePortDlg::IdFromPort), 0);
    chooseItem(controlOf<QComboBox>(&page, CPoePortDlg::IdToPort), 1);

    agent->clearRequests();
    watts->setText(QStringLiteral("15.5"));
    clickButton(&page, CPoePortDlg::IdApply);
    EXPECT_EQ(boxes.texts(), QStringList{"The per-port power limit must be a multiple of 0.2"});
    EXPECT_TRUE(sets().empty());

    ASSERT_TRUE(openAndWait(page, CPoePortDlg::IdApply));
    watts->setText(QStringLiteral("1.4"));
    clickButton(&page, CPoePortDlg::IdApply);
    EXPECT_EQ(sets(), (std::vector<std::vector<std::string>>{portWrite(1, 1, 0, 2, 1, "1.4"),
                                                             portWrite(2, 1, 0, 2, 1, "1.4")}));
}

TEST_F(PoePortPage, ToPortBelowFromPortIsPutBack)
{
    CPoePortDlg page;
    ASSERT_TRUE(openAndWait(page, CPoePortDlg::IdApply));
    chooseItem(controlOf<QComboBox>(&page, CPoePortDlg::IdFromPort), 4);
    chooseItem(controlOf<QComboBox>(&page, CPoePortDlg::IdToPort), 2);
    EXPECT_EQ(boxes.texts(), QStringList{"'To Port' can not be smaller than 'From Port'"});
    EXPECT_EQ(controlOf<QComboBox>(&page, CPoePortDlg::IdToPort)->currentText(), "5");
}

TEST_F(PoePortPage, OtherModelsListEightPortsAndTheMenuOpensBothPages)
{
    useModel("SORVEX-EP B1");
    CPoePortDlg page;
    EXPECT_EQ(controlOf<QComboBox>(&page, CPoePortDlg::IdFromPort)->count(), 8);
    for (auto [command, dialog] : {std::pair{MenuCommand::PoeGlobal, "dlg218"}, {MenuCommand::PoePortConfig, "dlg490"}}) {
        auto created = PageCatalog::create(command);
        ASSERT_NE(created, nullptr);
        EXPECT_EQ(created->objectName(), dialog);
    }
}

} // namespace

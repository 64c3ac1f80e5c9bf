// The power and discovery pages over real UDP against sorvex-sim as the PoE model: what they
// write the simulator holds, and they read it back. With SORVEX_SCREENSHOT_DIR set, each page is
// saved there as PNG.

#include "GuiFixture.h"
#include "LocalPeer.h"
#include "PageTestSupport.h"

#include "CLldpGlobalDlg.h"
#include "CLldpMedDlg.h"
#include "CLldpRemoteDlg.h"
#include "CPoeGlobalDlg.h"
#include "CPoePortDlg.h"
#include "CPowerSavingDlg.h"
#include "CTimeProfileDlg.h"
#include "DeviceOids.h"
#include "SnmpFront.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>

namespace {

namespace deviceoid = snmp::deviceoid;

LocalPeer* g_poeSim = nullptr;

class PowerE2E : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        testApplication();
        snmp::SnmpInit("e2e-power");
        g_poeSim = new LocalPeer;
        if (!g_poeSim->startSimulator(QStringLiteral(SORVEX_SIM_BINARY), {QStringLiteral("--model"), QStringLiteral("SORVEX-AP B1")})) {
            delete g_poeSim;
            g_poeSim = nullptr;
        }
    }
    static void TearDownTestSuite()
    {
        delete g_poeSim;
        g_poeSim = nullptr;
    }
    void SetUp() override
    {
        ASSERT_NE(g_poeSim, nullptr) << "sorvex-sim did not start";
        DeviceProfile profile;
        profile.DeviceName = "SORVEX-AP B1";
        DeviceProfile::setCurrent(profile);
        LaunchParams::setTimeoutText("3000");
        LaunchParams::setCurrent(
            LaunchParams::parse("/A1/I" + g_poeSim->address().toStdString() + "/Rtundra/Wlantern/ETRUE/V1/P161"));
    }
    static QString simValue(const std::string& oid)
    {
        return LocalPeer::snmpTool(QStringLiteral("snmpget"),
                                   {QStringLiteral("-v1"), QStringLiteral("-c"), QStringLiteral("tundra"),
                                    QStringLiteral("-On"), QStringLiteral("-Oqv"), g_poeSim->address(),
                                    QString::fromStdString(oid)})
            .trimmed()
            .remove(QLatin1Char('"'));
    }
    static void screenshot(QWidget& page, const QString& name)
    {
        const QPixmap picture = page.grab();
        EXPECT_FALSE(picture.isNull());
        const QString dir = qEnvironmentVariable("SORVEX_SCREENSHOT_DIR");
        if (!dir.isEmpty()) {
            QDir().mkpath(dir);
            picture.save(QDir(dir).filePath(name + QStringLiteral(".png")));
        }
    }

    ScriptedMessageBox boxes;
};

TEST_F(PowerE2E, PoeGlobalThresholdIsWrittenAndReadBack)
{
    CPoeGlobalDlg page(0);
    ASSERT_TRUE(openAndWait(page, CPoeGlobalDlg::IdApply, 20000));
    EXPECT_EQ(controlOf<QLineEdit>(&page, CPoeGlobalDlg::IdBudget)->text(), simValue(deviceoid::poeGlobal(4)));
    screenshot(page, QStringLiteral("poe-global"));
    controlOf<QLineEdit>(&page, CPoeGlobalDlg::IdThreshold)->setText(QStringLiteral("120.5"));
    clickButton(&page, CPoeGlobalDlg::IdApply);
    EXPECT_EQ(boxes.texts(), QStringList{"set succeed,please wait for a moment"});
    EXPECT_EQ(simValue(deviceoid::poeGlobal(deviceoid::PoeThreshold)), "120.5");
    ASSERT_TRUE(openAndWait(page, CPoeGlobalDlg::IdApply, 20000));
    EXPECT_EQ(controlOf<QLineEdit>(&page, CPoeGlobalDlg::IdThreshold)->text(), "120.5");
}

TEST_F(PowerE2E, PoePortLimitIsWrittenAndListed)
{
    CPoePortDlg page;
    ASSERT_TRUE(openAndWait(page, CPoePortDlg::IdApply, 20000));
    ASSERT_EQ(listRows(&page, CPoePortDlg::IdPortList).size(), 24u);
    screenshot(page, QStringLiteral("poe-port"));
    chooseItem(controlOf<QComboBox>(&page, CPoePortDlg::IdFromPort), 2);
    controlOf<QCheckBox>(&page, CPoePortDlg::IdUserDefine)->click();
    controlOf<QLineEdit>(&page, CPoePortDlg::IdWatts)->setText(QStringLiteral("12.6"));
    clickButton(&page, CPoePortDlg::IdApply);
    ASSERT_TRUE(openAndWait(page, CPoePortDlg::IdApply, 20000));
    EXPECT_EQ(listRows(&page, CPoePortDlg::IdPortList)[2][4], "12.6");
    EXPECT_EQ(simValue(deviceoid::poeColumn(deviceoid::PoeLimitMode) + ".1.3"), "1");
}

TEST_F(PowerE2E, LldpTimersAreWrittenAndTheNeighboursListed)
{
    CLldpGlobalDlg global;
    ASSERT_TRUE(openAndWait(global, CLldpGlobalDlg::IdTimersApply, 20000));
    EXPECT_EQ(controlOf<QLineEdit>(&global, CLldpGlobalDlg::IdChassisSubtype)->text(), "macAddress");
    EXPECT_EQ(controlOf<QLineEdit>(&global, CLldpGlobalDlg::IdChassisId)->text(), "001E584C2000");
    screenshot(global, QStringLiteral("lldp-global"));
    controlOf<QLineEdit>(&global, CLldpGlobalDlg::IdTxInterval)->setText(QStringLiteral("60"));
    clickButton(&global, CLldpGlobalDlg::IdTimersApply);
    EXPECT_TRUE(boxes.texts().isEmpty());
    EXPECT_EQ(simValue(deviceoid::lldp(deviceoid::LldpTxInterval)), "60");

    CLldpRemoteDlg remote;
    ASSERT_TRUE(openAndWait(remote, CLldpRemoteDlg::IdRefresh, 20000));
    const auto rows = listRows(&remote, CLldpRemoteDlg::IdList);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].mid(0, 4), (QStringList{"2", "1", "macAddress", "001B21A0B1C2"}));
    screenshot(remote, QStringLiteral("lldp-remote"));

    CLldpMedDlg med;
    ASSERT_TRUE(openAndWait(med, CLldpMedDlg::IdApply, 20000));
    EXPECT_EQ(listRows(&med, CLldpMedDlg::IdList).size(), 24u);
    chooseItem(controlOf<QComboBox>(&med, CLldpMedDlg::IdFromPort), 9);
    controlOf<QComboBox>(&med, CLldpMedDlg::IdPseTlv)->setCurrentIndex(0);
    clickButton(&med, CLldpMedDlg::IdApply);
    EXPECT_EQ(simValue(deviceoid::lldpPseTlv + ".10"), "1");
    ASSERT_TRUE(openAndWait(med, CLldpMedDlg::IdApply, 20000));
    EXPECT_EQ(listRows(&med, CLldpMedDlg::IdList)[9][1], "Enable");
    screenshot(med, QStringLiteral("lldp-med"));
}

TEST_F(PowerE2E, TimeProfileIsAddedAndDeleted)
{
    using Id = CTimeProfileDlg::ControlId;
    CTimeProfileDlg page;
    ASSERT_TRUE(openAndWait(page, Id::IdAdd, 20000));
    ASSERT_EQ(listRows(&page, Id::IdList).size(), 2u);
    controlOf<QLineEdit>(&page, Id::IdName)->setText(QStringLiteral("Lunch"));
    controlOf<QCheckBox>(&page, Id::IdMonday)->setChecked(true);
    controlOf<QComboBox>(&page, Id::IdStartHour)->setCurrentIndex(12);
    controlOf<QComboBox>(&page, Id::IdEndHour)->setCurrentIndex(13);
    clickButton(&page, Id::IdAdd);
    EXPECT_TRUE(boxes.texts().isEmpty());
    ASSERT_TRUE(openAndWait(page, Id::IdAdd, 20000));
    const auto rows = listRows(&page, Id::IdList);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[2], (QStringList{"Lunch", "Mon", "", "", "12:0", "13:0"}));
    EXPECT_EQ(simValue(deviceoid::timeProfileColumn(deviceoid::TimeProfileIndex) + ".3"), "3");
    screenshot(page, QStringLiteral("time-profile"));

    controlOf<CListView>(&page, Id::IdList)->selectRow(2);
    clickButton(&page, Id::IdDelete);
    ASSERT_TRUE(openAndWait(page, Id::IdAdd, 20000));
    EXPECT_EQ(listRows(&page, Id::IdList).size(), 2u);
}

TEST_F(PowerE2E, PowerSavingFunctionIsWrittenAndSummarised)
{
    using Id = CPowerSavingDlg::ControlId;
    CPowerSavingDlg page;
    ASSERT_TRUE(openAndWait(page, Id::IdAdvancedApply, 20000));
    auto rows = listRows(&page, Id::IdSummary);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], (QStringList{"LED_Shutoff", "Enabled", "Night", "", "1,2,3,4"}));
    auto* type = controlOf<QComboBox>(&page, Id::IdType);
    chooseItem(type, type->findText(QStringLiteral("Port Shut-off")));
    chooseItem(controlOf<QComboBox>(&page, Id::IdState), 0);
    controlOf<QLineEdit>(&page, Id::IdPorts)->setText(QStringLiteral("5-6,20"));
    auto* profile = controlOf<QComboBox>(&page, Id::IdProfile2);
    profile->setCurrentIndex(profile->findText(QStringLiteral("Office")));
    clickButton(&page, Id::IdAdvancedApply);
    ASSERT_TRUE(openAndWait(page, Id::IdAdvancedApply, 20000));
    rows = listRows(&page, Id::IdSummary);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1], (QStringList{"Port_Shutoff", "Enabled", "", "Office", "5,6,20"}));
    screenshot(page, QStringLiteral("power-saving"));
}

} // namespace

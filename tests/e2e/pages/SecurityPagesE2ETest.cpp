// The security and QoS pages over real UDP against a sorvex-sim of their own: one write of each
// page, checked with net-snmp's snmpget, and the page reading back what it wrote.

#include "GuiFixture.h"
#include "LocalPeer.h"
#include "SecurityPageSupport.h"

#include "CArpSpoofingAddDlg.h"
#include "CArpSpoofingDlg.h"
#include "CBandwidthDlg.h"
#include "CDhcpScreeningDlg.h"
#include "CDot1xDlg.h"
#include "CDot1xPortDlg.h"
#include "CIMPBBlackList.h"
#include "CIMPBSettings.h"
#include "CIMPBSmartBinding.h"
#include "CIMPBWhiteList.h"
#include "CIpAddressEdit.h"
#include "CStormControlDlg.h"
#include "CTrafficSegmentationDlg.h"
#include "SnmpFront.h"

#include <QCheckBox>
#include <QLineEdit>

namespace {

QString g_address;

class SecurityPagesE2E : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        testApplication();
        g_address = SuiteSimulator::start("e2e-security-pages");
    }
    static void TearDownTestSuite() { SuiteSimulator::stop(); }
    void SetUp() override
    {
        ASSERT_FALSE(g_address.isEmpty()) << "sorvex-sim did not start";
        DeviceProfile profile;
        profile.DeviceName = "SORVEX-A B1";
        DeviceProfile::setCurrent(profile);
        LaunchParams::setTimeoutText("3000");
        LaunchParams::setCurrent(LaunchParams::parse("/A1/I" + g_address.toStdString() + "/Rtundra/Wlantern/ETRUE/V1/P161"));
    }
    // A device object as snmpget prints its value (-Ox: octets in hex).
    static QString value(const std::string& tail, bool hex = false)
    {
        QStringList args{QStringLiteral("-v1"), QStringLiteral("-c"), QStringLiteral("tundra"), QStringLiteral("-On"),
                         QStringLiteral("-Oqv")};
        if (hex)
            args << QStringLiteral("-Ox");
        return LocalPeer::snmpTool(QStringLiteral("snmpget"), args << g_address << QString::fromStdString(deviceObject(tail)))
            .remove(QLatin1Char('"'))
            .simplified();
    }

    ScriptedMessageBox boxes;
};

constexpr int readLimitMs = 15000;

TEST_F(SecurityPagesE2E, ArpSpoofingEntryIsAddedListedAndDeleted)
{
    {
        CArpSpoofingAddDlg add({});
        ASSERT_TRUE(openAndWait(add, CArpSpoofingAddDlg::IdApply, readLimitMs));
        controlOf<CIpAddressEdit>(&add, CArpSpoofingAddDlg::IdIp)->setText(QStringLiteral("10.9.8.7"));
        controlOf<QLineEdit>(&add, CArpSpoofingAddDlg::IdMac)->setText(QStringLiteral("00-1B-21-0A-00-77"));
        controlOf<QCheckBox>(&add, CArpSpoofingAddDlg::IdFirstPortBox + 2)->click();
        boxes.answerQuestions({true});
        clickButton(&add, CArpSpoofingAddDlg::IdApply);
    }
    EXPECT_EQ(value("14.3.1.1.4.10.9.8.7"), "1");
    EXPECT_EQ(value("14.3.1.1.2.10.9.8.7", true), "00 1B 21 0A 00 77");
    EXPECT_EQ(value("14.3.1.1.3.10.9.8.7", true), "20 00 00 00");

    CArpSpoofingDlg list;
    ASSERT_TRUE(openAndWait(list, CArpSpoofingDlg::IdDelete, readLimitMs));
    const auto rows = listRows(&list, CArpSpoofingDlg::IdList);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], (QStringList{"1", "10.9.8.7", "00-1B-21-0A-00-77", "3"}));
    controlOf<CListView>(&list, CArpSpoofingDlg::IdList)->selectRow(0);
    clickButton(&list, CArpSpoofingDlg::IdDelete);
    ASSERT_TRUE(openAndWait(list, CArpSpoofingDlg::IdDelete, readLimitMs));
    EXPECT_EQ(listRows(&list, CArpSpoofingDlg::IdList).size(), 1u);
}

TEST_F(SecurityPagesE2E, TrustedDhcpServerIsCreatedAfterTheListedOne)
{
    CDhcpScreeningDlg page;
    ASSERT_TRUE(openAndWait(page, CDhcpScreeningDlg::IdServerAdd, readLimitMs));
    EXPECT_EQ(controlOf<QLineEdit>(&page, CDhcpScreeningDlg::IdPorts)->text(), "9");
    controlOf<CIpAddressEdit>(&page, CDhcpScreeningDlg::IdServerIp)->setText(QStringLiteral("10.1.1.5"));
    clickButton(&page, CDhcpScreeningDlg::IdServerAdd);
    EXPECT_EQ(value("14.7.2.1.3.2"), "1");
    EXPECT_EQ(value("14.7.2.1.2.2"), "10.1.1.5");
    ASSERT_TRUE(openAndWait(page, CDhcpScreeningDlg::IdServerAdd, readLimitMs));
    EXPECT_EQ(listRows(&page, CDhcpScreeningDlg::IdList).back(), (QStringList{"2", "10.1.1.5"}));
}

TEST_F(SecurityPagesE2E, TrafficSegmentationStateAndForwardingSet)
{
    CTrafficSegmentationDlg page;
    ASSERT_TRUE(openAndWait(page, CTrafficSegmentationDlg::IdGlobalApply, readLimitMs));
    controlOf<QCheckBox>(&page, CTrafficSegmentationDlg::IdEnable)->click();
    clickButton(&page, CTrafficSegmentationDlg::IdGlobalApply);
    EXPECT_EQ(value("14.9.1.0"), "1");
    ASSERT_TRUE(openAndWait(page, CTrafficSegmentationDlg::IdGlobalApply, readLimitMs));
    chooseItem(controlOf<QComboBox>(&page, CTrafficSegmentationDlg::IdSourcePort), 2);
    controlOf<QPushButton>(&page, CTrafficSegmentationDlg::IdClear)->click();
    for (int port : {1, 2, 28})
        controlOf<QCheckBox>(&page, CTrafficSegmentationDlg::IdFirstPortBox + port - 1)->click();
    clickButton(&page, CTrafficSegmentationDlg::IdForwardingApply);
    // Clear leaves the source port's own box as read: the simulator's sets hold every port.
    EXPECT_EQ(value("14.9.2.1.2.3", true), "E0 00 00 10 00 00 00 00");
    ASSERT_TRUE(openAndWait(page, CTrafficSegmentationDlg::IdGlobalApply, readLimitMs));
    EXPECT_EQ(listRows(&page, CTrafficSegmentationDlg::IdList)[2][1], "1,2,3,28");
}

TEST_F(SecurityPagesE2E, BandwidthAndStormLimits)
{
    CBandwidthDlg bandwidth;
    ASSERT_TRUE(openAndWait(bandwidth, CBandwidthDlg::IdApply, readLimitMs));
    chooseItem(controlOf<QComboBox>(&bandwidth, CBandwidthDlg::IdFromPort), 0);
    chooseItem(controlOf<QComboBox>(&bandwidth, CBandwidthDlg::IdToPort), 1);
    controlOf<QComboBox>(&bandwidth, CBandwidthDlg::IdType)->setCurrentIndex(1); // Tx
    controlOf<QLineEdit>(&bandwidth, CBandwidthDlg::IdRate)->setText(QStringLiteral("640"));
    clickButton(&bandwidth, CBandwidthDlg::IdApply);
    EXPECT_EQ(value("13.1.2.1.2.2"), "640");
    EXPECT_EQ(value("13.1.2.1.3.2"), "0");
    ASSERT_TRUE(openAndWait(bandwidth, CBandwidthDlg::IdApply, readLimitMs));
    EXPECT_EQ(listRows(&bandwidth, CBandwidthDlg::IdList)[1], (QStringList{"2", "640", "No Limit"}));

    CStormControlDlg storm;
    ASSERT_TRUE(openAndWait(storm, CStormControlDlg::IdApply, readLimitMs));
    controlOf<QCheckBox>(&storm, CStormControlDlg::IdEnable)->click();
    controlOf<QLineEdit>(&storm, CStormControlDlg::IdMultiple)->setText(QStringLiteral("16000"));
    clickButton(&storm, CStormControlDlg::IdApply);
    EXPECT_EQ(value("13.3.1.0"), "1");
    EXPECT_EQ(value("13.3.3.0"), "1024000");
}

TEST_F(SecurityPagesE2E, BindingSettingsManualBindingAndTheLists)
{
    CIMPBSettings settings;
    ASSERT_TRUE(openAndWait(settings, CIMPBSettings::IdApply, readLimitMs));
    chooseItem(controlOf<QComboBox>(&settings, CIMPBSettings::IdFromPort), 1);
    chooseItem(controlOf<QComboBox>(&settings, CIMPBSettings::IdToPort), 2);
    controlOf<QComboBox>(&settings, CIMPBSettings::IdAdmin)->setCurrentIndex(1);
    clickButton(&settings, CIMPBSettings::IdApply);
    EXPECT_EQ(value("14.10.1.1.2.3"), "1");

    CIMPBSmartBinding binding;
    ASSERT_TRUE(openAndWait(binding, CIMPBSmartBinding::IdBind, readLimitMs));
    controlOf<CIpAddressEdit>(&binding, CIMPBSmartBinding::IdIp)->setText(QStringLiteral("10.1.2.3"));
    controlOf<QLineEdit>(&binding, CIMPBSmartBinding::IdMac)->setText(QStringLiteral("00-1B-21-0A-00-30"));
    controlOf<QLineEdit>(&binding, CIMPBSmartBinding::IdPort)->setText(QStringLiteral("4"));
    clickButton(&binding, CIMPBSmartBinding::IdAdd);
    EXPECT_EQ(boxes.texts(), QStringList{"Success!"});
    ASSERT_TRUE(openAndWait(binding, CIMPBSmartBinding::IdBind, readLimitMs));
    controlOf<CListView>(&binding, CIMPBSmartBinding::IdList)->selectRow(0); // 192.0.2.20, not bound
    clickButton(&binding, CIMPBSmartBinding::IdBind);
    ASSERT_TRUE(openAndWait(binding, CIMPBSmartBinding::IdBind, readLimitMs));
    EXPECT_EQ(listRows(&binding, CIMPBSmartBinding::IdList)[0][4], "Bound");

    CIMPBWhiteList white;
    ASSERT_TRUE(openAndWait(white, CIMPBListDlg::IdDelete, readLimitMs));
    EXPECT_EQ(listRows(&white, CIMPBListDlg::IdList),
              (std::vector<QStringList>{{"10.1.2.3", "00-1B-21-0A-00-30", "4"},
                                        {"192.0.2.20", "00-1B-21-0A-00-10", "3"},
                                        {"192.0.2.21", "00-1B-21-0A-00-11", "5"}}));

    CIMPBBlackList black;
    ASSERT_TRUE(openAndWait(black, CIMPBListDlg::IdDelete, readLimitMs));
    ASSERT_EQ(listRows(&black, CIMPBListDlg::IdList).size(), 1u);
    controlOf<CListView>(&black, CIMPBListDlg::IdList)->selectRow(0);
    clickButton(&black, CIMPBListDlg::IdDelete);
    ASSERT_TRUE(openAndWait(black, CIMPBListDlg::IdDelete, readLimitMs));
    EXPECT_TRUE(listRows(&black, CIMPBListDlg::IdList).empty());
}

TEST_F(SecurityPagesE2E, Dot1xOnWithItsServerAndPortsSetToAuto)
{
    CDot1xDlg global;
    ASSERT_TRUE(openAndWait(global, CDot1xDlg::IdApply, readLimitMs));
    auto* enable = controlOf<QCheckBox>(&global, CDot1xDlg::IdEnable);
    if (!enable->isChecked())
        enable->click();
    controlOf<CIpAddressEdit>(&global, CDot1xDlg::IdServer)->setText(QStringLiteral("10.20.30.40"));
    controlOf<QLineEdit>(&global, CDot1xDlg::IdReAuthPeriod)->setText(QStringLiteral("4294967295"));
    clickButton(&global, CDot1xDlg::IdApply);
    EXPECT_TRUE(boxes.texts().isEmpty());
    EXPECT_EQ(value("11.2.1.0"), "1");
    EXPECT_EQ(value("11.1.1.0"), "10.20.30.40");
    EXPECT_EQ(value("11.2.7.0"), "4294967295");

    CDot1xPortDlg ports({});
    ASSERT_TRUE(openAndWait(ports, CDot1xPortDlg::IdApply, readLimitMs));
    chooseItem(controlOf<QComboBox>(&ports, CDot1xPortDlg::IdFromPort), 1);
    chooseItem(controlOf<QComboBox>(&ports, CDot1xPortDlg::IdToPort), 2);
    clickButton(&ports, CDot1xPortDlg::IdApply);
    EXPECT_EQ(value("11.2.9.1.2.2"), "2");
    EXPECT_EQ(value("11.2.9.1.2.3"), "2");
    EXPECT_EQ(value("11.2.9.1.2.4"), "3");
}

} // namespace

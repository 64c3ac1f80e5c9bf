// The SNMP agent and spanning-tree pages over real UDP against sorvex-sim: rows created and
// deleted through the pages are checked with net-snmp's own tools, and the pages show what the
// tools read. With SORVEX_SCREENSHOT_DIR set, each page is saved there as PNG.

#include "GuiFixture.h"
#include "LocalPeer.h"
#include "PageTestSupport.h"

#include "CIpAddressEdit.h"
#include "CSnmpCommunityDlg.h"
#include "CSnmpEngineIdDlg.h"
#include "CSnmpGlobalStateDlg.h"
#include "CSnmpGroupDlg.h"
#include "CSnmpHostDlg.h"
#include "CSnmpTrapDlg.h"
#include "CSnmpUserDlg.h"
#include "CSnmpViewDlg.h"
#include "CStpBridgeConfigDlg.h"
#include "CStpPortConfigDlg.h"
#include "CStpTableDlg.h"
#include "Enterprise.h"
#include "SnmpFront.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>

namespace {

QString g_simAddress;

std::string agentColumn(int table, int column, const std::string& index)
{
    return snmp::expandEnterprise("ENTERPRISE.10.75.5.2.25." + std::to_string(table) + ".1.1." +
                                  std::to_string(column)) +
           index;
}

class AgentPagesE2E : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        testApplication();
        g_simAddress = SuiteSimulator::start("e2e-agent-pages");
    }
    static void TearDownTestSuite() { SuiteSimulator::stop(); }
    void SetUp() override
    {
        ASSERT_FALSE(g_simAddress.isEmpty()) << "sorvex-sim did not start";
        DeviceProfile::setCurrent(DeviceProfile{});
        LaunchParams::setTimeoutText("3000");
        LaunchParams::setCurrent(
            LaunchParams::parse("/A1/I" + g_simAddress.toStdString() + "/Rtundra/Wlantern/ETRUE/V1/P161"));
    }
    // The value as net-snmp's snmpget prints it (-Oqv), quotes removed; empty when there is none.
    static QString getValue(const std::string& oid)
    {
        const QString out = LocalPeer::snmpTool(QStringLiteral("snmpget"),
                                                {QStringLiteral("-v1"), QStringLiteral("-c"), QStringLiteral("tundra"),
                                                 QStringLiteral("-On"), QStringLiteral("-Oqv"), g_simAddress,
                                                 QString::fromStdString(oid)});
        return out.trimmed().remove(QLatin1Char('"'));
    }
    static void screenshot(QWidget& page, const QString& name)
    {
        const QString dir = qEnvironmentVariable("SORVEX_SCREENSHOT_DIR");
        const QPixmap picture = page.grab();
        EXPECT_FALSE(picture.isNull());
        if (!dir.isEmpty()) {
            QDir().mkpath(dir);
            picture.save(QDir(dir).filePath(name + QStringLiteral(".png")));
        }
    }
    static int rowOf(const QWidget* page, int listId, const QStringList& start)
    {
        const auto rows = listRows(page, listId);
        for (std::size_t r = 0; r < rows.size(); ++r) {
            if (rows[r].mid(0, start.size()) == start)
                return int(r);
        }
        return -1;
    }
    // Selects the row that begins with `start`, deletes it and waits for the re-read.
    template <class Page>
    void deleteRow(Page& page, const QStringList& start)
    {
        const int row = rowOf(&page, Page::IdList, start);
        ASSERT_GE(row, 0) << start.join('|').toStdString();
        controlOf<CListView>(&page, Page::IdList)->selectRow(row);
        clickButton(&page, Page::IdDelete);
        ASSERT_TRUE(openAndWait(page, Page::IdApply, 10000));
        EXPECT_EQ(rowOf(&page, Page::IdList, start), -1);
    }

    ScriptedMessageBox boxes;
};

TEST_F(AgentPagesE2E, CommunityIsCreatedAndDeleted)
{
    CSnmpCommunityDlg page;
    ASSERT_TRUE(openAndWait(page, CSnmpCommunityDlg::IdApply, 10000));
    EXPECT_EQ(listRows(&page, CSnmpCommunityDlg::IdList),
              (std::vector<QStringList>{{"tundra", "monitor"}, {"lantern", "ops"}}));
    auto* policies = controlOf<QComboBox>(&page, CSnmpCommunityDlg::IdPolicy);
    ASSERT_EQ(policies->count(), 2); // the active users of version 1 and 2c
    EXPECT_EQ(policies->itemText(0), "ops");
    EXPECT_EQ(policies->itemText(1), "monitor");

    controlOf<QLineEdit>(&page, CSnmpCommunityDlg::IdName)->setText(QStringLiteral("branch office"));
    policies->setCurrentIndex(1);
    clickButton(&page, CSnmpCommunityDlg::IdApply);
    EXPECT_TRUE(boxes.texts().isEmpty());
    ASSERT_TRUE(openAndWait(page, CSnmpCommunityDlg::IdApply, 10000));
    const std::string index = ".13.98.114.97.110.99.104.32.111.102.102.105.99.101";
    EXPECT_EQ(getValue(agentColumn(5, 2, index)), "monitor");
    EXPECT_EQ(getValue(agentColumn(5, 3, index)), "1");
    EXPECT_GE(rowOf(&page, CSnmpCommunityDlg::IdList, {"branch office", "monitor"}), 0);
    screenshot(page, QStringLiteral("snmp-community"));

    deleteRow(page, {"branch office"});
    EXPECT_TRUE(getValue(agentColumn(5, 3, index)).isEmpty()); // no such object any more
}

TEST_F(AgentPagesE2E, UserIsCreatedAndDeleted)
{
    CSnmpUserDlg page;
    ASSERT_TRUE(openAndWait(page, CSnmpUserDlg::IdApply, 10000));
    EXPECT_GE(rowOf(&page, CSnmpUserDlg::IdList, {"admin", "admins", "V3", "SHA", "DES_CBC"}), 0);
    controlOf<QLineEdit>(&page, CSnmpUserDlg::IdName)->setText(QStringLiteral("netops"));
    controlOf<QLineEdit>(&page, CSnmpUserDlg::IdGroup)->setText(QStringLiteral("admins"));
    chooseItem(controlOf<QComboBox>(&page, CSnmpUserDlg::IdVersion), 2);
    controlOf<QCheckBox>(&page, CSnmpUserDlg::IdEncrypted)->click();
    chooseItem(controlOf<QComboBox>(&page, CSnmpUserDlg::IdAuthProtocol), 1);
    controlOf<QLineEdit>(&page, CSnmpUserDlg::IdAuthPassword)->setText(QStringLiteral("netopsauth1"));
    controlOf<QLineEdit>(&page, CSnmpUserDlg::IdPrivPassword)->setText(QStringLiteral("netopspriv1"));
    clickButton(&page, CSnmpUserDlg::IdApply);
    EXPECT_TRUE(boxes.texts().isEmpty());
    ASSERT_TRUE(openAndWait(page, CSnmpUserDlg::IdApply, 10000));
    EXPECT_GE(rowOf(&page, CSnmpUserDlg::IdList, {"netops", "admins", "V3", "SHA", "DES_CBC"}), 0);
    const std::string index = ".6.110.101.116.111.112.115.3";
    EXPECT_EQ(getValue(agentColumn(2, 5, index)), "netopsauth1");
    EXPECT_EQ(getValue(agentColumn(2, 8, index)), "1");
    screenshot(page, QStringLiteral("snmp-user"));
    deleteRow(page, {"netops"});
}

TEST_F(AgentPagesE2E, GroupIsCreatedAndDeleted)
{
    CSnmpGroupDlg page;
    ASSERT_TRUE(openAndWait(page, CSnmpGroupDlg::IdApply, 10000));
    EXPECT_GE(rowOf(&page, CSnmpGroupDlg::IdList, {"readers", "mib2", "", "", "v3", "AuthNoPriv"}), 0);
    controlOf<QLineEdit>(&page, CSnmpGroupDlg::IdName)->setText(QStringLiteral("auditors"));
    controlOf<QLineEdit>(&page, CSnmpGroupDlg::IdReadView)->setText(QStringLiteral("all"));
    controlOf<QLineEdit>(&page, CSnmpGroupDlg::IdNotifyView)->setText(QStringLiteral("mib2"));
    chooseItem(controlOf<QComboBox>(&page, CSnmpGroupDlg::IdModel), 2);
    controlOf<QComboBox>(&page, CSnmpGroupDlg::IdLevel)->setCurrentIndex(1);
    clickButton(&page, CSnmpGroupDlg::IdApply);
    EXPECT_TRUE(boxes.texts().isEmpty());
    ASSERT_TRUE(openAndWait(page, CSnmpGroupDlg::IdApply, 10000));
    EXPECT_GE(rowOf(&page, CSnmpGroupDlg::IdList, {"auditors", "all", "", "mib2", "v3", "AuthNoPriv"}), 0);
    EXPECT_EQ(getValue(agentColumn(3, 7, ".8.97.117.100.105.116.111.114.115.3.2")), "1");
    screenshot(page, QStringLiteral("snmp-group"));
    deleteRow(page, {"auditors"});
}

TEST_F(AgentPagesE2E, ViewIsCreatedAndDeleted)
{
    CSnmpViewDlg page;
    ASSERT_TRUE(openAndWait(page, CSnmpViewDlg::IdApply, 10000));
    EXPECT_GE(rowOf(&page, CSnmpViewDlg::IdList, {"mib2", "1.3.6.1.2.1", "1.1.1.1.1.1", "Included"}), 0);
    controlOf<QLineEdit>(&page, CSnmpViewDlg::IdName)->setText(QStringLiteral("private"));
    controlOf<QLineEdit>(&page, CSnmpViewDlg::IdSubtree)->setText(QStringLiteral("1.3.6.1.4"));
    controlOf<QLineEdit>(&page, CSnmpViewDlg::IdMask)->setText(QStringLiteral("1.1"));
    controlOf<QComboBox>(&page, CSnmpViewDlg::IdType)->setCurrentIndex(1);
    clickButton(&page, CSnmpViewDlg::IdApply);
    EXPECT_TRUE(boxes.texts().isEmpty());
    ASSERT_TRUE(openAndWait(page, CSnmpViewDlg::IdApply, 10000));
    EXPECT_GE(rowOf(&page, CSnmpViewDlg::IdList, {"private", "1.3.6.1.4", "1.1", "Excluded"}), 0);
    EXPECT_EQ(getValue(agentColumn(4, 5, ".7.112.114.105.118.97.116.101.5.1.3.6.1.4")), "1");
    screenshot(page, QStringLiteral("snmp-view"));
    deleteRow(page, {"private", "1.3.6.1.4"});
}

TEST_F(AgentPagesE2E, TrapHostIsCreatedAndDeleted)
{
    CSnmpHostDlg page;
    ASSERT_TRUE(openAndWait(page, CSnmpHostDlg::IdApply, 10000));
    EXPECT_GE(rowOf(&page, CSnmpHostDlg::IdList, {"198.51.100.7", "V3-AuthPriv", "admin"}), 0);
    controlOf<CIpAddressEdit>(&page, CSnmpHostDlg::IdAddress)->setText(QStringLiteral("10.20.30.40"));
    controlOf<QComboBox>(&page, CSnmpHostDlg::IdVersion)->setCurrentIndex(1);
    controlOf<QLineEdit>(&page, CSnmpHostDlg::IdName)->setText(QStringLiteral("tundra"));
    clickButton(&page, CSnmpHostDlg::IdApply);
    EXPECT_TRUE(boxes.texts().isEmpty());
    ASSERT_TRUE(openAndWait(page, CSnmpHostDlg::IdApply, 10000));
    EXPECT_GE(rowOf(&page, CSnmpHostDlg::IdList, {"10.20.30.40", "V2c", "tundra"}), 0);
    EXPECT_EQ(getValue(agentColumn(6, 1, ".10.20.30.40")), "10.20.30.40");
    screenshot(page, QStringLiteral("snmp-host"));
    deleteRow(page, {"10.20.30.40"});
}

TEST_F(AgentPagesE2E, TrapStateAndEngineIdShowWhatTheSimulatorHolds)
{
    CSnmpTrapDlg traps;
    ASSERT_TRUE(openAndWait(traps, CSnmpTrapDlg::IdApply, 10000));
    EXPECT_TRUE(controlOf<QCheckBox>(&traps, CSnmpTrapDlg::IdAuthentication)->isChecked());
    controlOf<QCheckBox>(&traps, CSnmpTrapDlg::IdFirmware)->setChecked(false);
    clickButton(&traps, CSnmpTrapDlg::IdApply);
    EXPECT_EQ(getValue(snmp::expandEnterprise("ENTERPRISE.10.75.5.2.25.8.5.0")), "2");
    screenshot(traps, QStringLiteral("snmp-trap"));

    CSnmpGlobalStateDlg state;
    ASSERT_TRUE(openAndWait(state, CSnmpGlobalStateDlg::IdApply, 10000));
    EXPECT_TRUE(controlOf<QCheckBox>(&state, CSnmpGlobalStateDlg::IdEnable)->isChecked());
    screenshot(state, QStringLiteral("snmp-global-state"));

    CSnmpEngineIdDlg engine;
    ASSERT_TRUE(openAndWait(engine, CSnmpEngineIdDlg::IdApply, 10000));
    EXPECT_EQ(controlOf<QLineEdit>(&engine, CSnmpEngineIdDlg::IdEngineId)->text(), "8000081c044653");
    controlOf<QLineEdit>(&engine, CSnmpEngineIdDlg::IdEngineId)->setText(QStringLiteral("8000081C0446531"));
    clickButton(&engine, CSnmpEngineIdDlg::IdApply);
    ASSERT_TRUE(openAndWait(engine, CSnmpEngineIdDlg::IdApply, 10000));
    EXPECT_EQ(controlOf<QLineEdit>(&engine, CSnmpEngineIdDlg::IdEngineId)->text(), "08000081c0446531");
    screenshot(engine, QStringLiteral("snmp-engine-id"));
}

// Opens Port Config as the table would, but without running it modally.
class TableWithPortConfig : public CStpTableDlg {
public:
    std::unique_ptr<CStpPortConfigDlg> portConfig;

protected:
    void openPortConfig(int row) override { portConfig = std::make_unique<CStpPortConfigDlg>(rows(), row); }
};

TEST_F(AgentPagesE2E, SpanningTreePagesReadAndWriteTheSimulator)
{
    CStpBridgeConfigDlg bridge;
    ASSERT_TRUE(openAndWait(bridge, CStpBridgeConfigDlg::IdApply, 10000));
    EXPECT_TRUE(controlOf<QCheckBox>(&bridge, CStpBridgeConfigDlg::IdEnableRstp)->isChecked());
    EXPECT_EQ(controlOf<QLineEdit>(&bridge, CStpBridgeConfigDlg::IdMaxAge)->text(), getValue("1.3.6.1.2.1.17.2.12.0"));
    controlOf<QLineEdit>(&bridge, CStpBridgeConfigDlg::IdMaxAge)->setText(QStringLiteral("1800"));
    controlOf<QLineEdit>(&bridge, CStpBridgeConfigDlg::IdForwardDelay)->setText(QStringLiteral("1000"));
    controlOf<QLineEdit>(&bridge, CStpBridgeConfigDlg::IdHelloTime)->setText(QStringLiteral("200"));
    clickButton(&bridge, CStpBridgeConfigDlg::IdApply);
    EXPECT_TRUE(boxes.texts().isEmpty());
    EXPECT_EQ(getValue("1.3.6.1.2.1.17.2.12.0"), "1800");
    EXPECT_EQ(getValue("1.3.6.1.2.1.17.2.14.0"), "1000");
    ASSERT_TRUE(openAndWait(bridge, CStpBridgeConfigDlg::IdApply, 10000));
    screenshot(bridge, QStringLiteral("stp-bridge-config"));

    // Loopback detection is on at port 16: opening the table switches spanning tree off there.
    TableWithPortConfig table;
    ASSERT_TRUE(openAndWait(table, CStpTableDlg::IdPortConfig, 20000));
    EXPECT_EQ(getValue("1.3.6.1.2.1.17.2.15.1.4.16"), "2");
    const auto rows = listRows(&table, CStpTableDlg::IdList);
    ASSERT_EQ(rows.size(), 28u);
    EXPECT_EQ(rows[15][3], "N");
    EXPECT_EQ(rows[4][8], "80 05");
    screenshot(table, QStringLiteral("stp-table"));

    controlOf<CListView>(&table, CStpTableDlg::IdList)->selectRow(4);
    clickButton(&table, CStpTableDlg::IdPortConfig);
    ASSERT_NE(table.portConfig, nullptr);
    CStpPortConfigDlg& port = *table.portConfig;
    ASSERT_TRUE(openAndWait(port, CStpPortConfigDlg::IdApply, 10000));
    controlOf<QComboBox>(&port, CStpPortConfigDlg::IdPriority)->setEditText(QStringLiteral("64"));
    controlOf<QLineEdit>(&port, CStpPortConfigDlg::IdPathCost)->setText(QStringLiteral("0"));
    clickButton(&port, CStpPortConfigDlg::IdApply);
    EXPECT_TRUE(boxes.texts().isEmpty());
    EXPECT_EQ(getValue("1.3.6.1.2.1.17.2.15.1.2.5"), "64");
    EXPECT_EQ(getValue(snmp::expandEnterprise("ENTERPRISE.10.75.5.2.6.2.1.5.5")), "0");
    ASSERT_TRUE(openAndWait(port, CStpPortConfigDlg::IdApply, 10000));
    screenshot(port, QStringLiteral("stp-port-config"));

    // Port 16 keeps loopback detection: spanning tree cannot be enabled there.
    controlOf<CListView>(&table, CStpTableDlg::IdList)->selectRow(15);
    clickButton(&table, CStpTableDlg::IdPortConfig);
    ASSERT_TRUE(openAndWait(*table.portConfig, CStpPortConfigDlg::IdApply, 10000));
    controlOf<QCheckBox>(table.portConfig.get(), CStpPortConfigDlg::IdEnable)->setChecked(true);
    clickButton(table.portConfig.get(), CStpPortConfigDlg::IdApply);
    EXPECT_EQ(boxes.texts(), QStringList{"STP port 16 can not both support Spanning Tree and LBD-enabled mode"});
}

} // namespace

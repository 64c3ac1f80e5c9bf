// The pages over real UDP: the MIB-2 views and System Information against net-snmp's snmpd (a
// peer we did not write), the Forwarding Table with 5,000 entries, a non-ASCII name, Port
// Configuration and Syslog against sorvex-sim. Expected values come from net-snmp's own tools.
// With SORVEX_SCREENSHOT_DIR set, each page filled from the simulator is saved there as PNG.

#include "GuiFixture.h"
#include "LocalPeer.h"
#include "PageTestSupport.h"

#include "CForwardingTableDlg.h"
#include "CIpAddressEdit.h"
#include "CIgmpSnoopingDlg.h"
#include "CIgmpVlanDlg.h"
#include "CInterfaceTableDlg.h"
#include "CIpTableDlg.h"
#include "CJumboFrameDlg.h"
#include "CMgmtVlanDlg.h"
#include "CMulticastEntryDlg.h"
#include "CMulticastFilterDlg.h"
#include "CPortMirrorDlg.h"
#include "CPortSetInfo.h"
#include "CSurveillanceVlanDlg.h"
#include "CSyslogDlg.h"
#include "CSystemInfoDlg.h"
#include "CTcpServiceDlg.h"
#include "CUdpServiceDlg.h"
#include "Enterprise.h"
#include "SnmpFront.h"

#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>

namespace {

using TableId = CMibTableDialog::ControlId;

LocalPeer* g_sim = nullptr;
LocalPeer* g_snmpd = nullptr;
QString g_simAddress, g_snmpdAddress;

class PagesE2E : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        testApplication();
        snmp::SnmpInit("e2e-pages");
        g_sim = new LocalPeer;
        if (g_sim->startSimulator(QStringLiteral(SORVEX_SIM_BINARY), {QStringLiteral("--fdb-entries"), QStringLiteral("5000")}))
            g_simAddress = g_sim->address();
        g_snmpdAddress = qEnvironmentVariable("SORVEX_SNMPD_ADDR");
        if (g_snmpdAddress.isEmpty()) {
            g_snmpd = new LocalPeer;
            if (g_snmpd->startSnmpd())
                g_snmpdAddress = g_snmpd->address();
        }
    }
    static void TearDownTestSuite()
    {
        delete g_sim;
        delete g_snmpd;
        g_sim = g_snmpd = nullptr;
    }
    void SetUp() override
    {
        ASSERT_FALSE(g_simAddress.isEmpty()) << "sorvex-sim did not start";
        ASSERT_FALSE(g_snmpdAddress.isEmpty()) << "snmpd did not start";
        DeviceProfile::setCurrent(DeviceProfile{});
        LaunchParams::setTimeoutText("3000");
    }

    static void talkTo(const QString& address)
    {
        LaunchParams::setCurrent(LaunchParams::parse("/A1/I" + address.toStdString() + "/Rtundra/Wlantern/ETRUE/V1/P161"));
    }
    // Values of a column as net-snmp's snmpwalk prints them (-Oqv: the value only).
    static QStringList walkValues(const QString& address, const char* column)
    {
        const QString out = LocalPeer::snmpTool(QStringLiteral("snmpwalk"),
                                                {QStringLiteral("-v1"), QStringLiteral("-c"), QStringLiteral("tundra"),
                                                 QStringLiteral("-On"), QStringLiteral("-Oqv"), QStringLiteral("-OU"),
                                                 address, QString::fromLatin1(column)});
        QStringList values = out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        for (QString& v : values)
            v = v.trimmed().remove(QLatin1Char('"'));
        return values;
    }
    static QString getValue(const QString& address, const std::string& oid, bool hex = false)
    {
        QStringList args{QStringLiteral("-v1"), QStringLiteral("-c"), QStringLiteral("tundra"), QStringLiteral("-On"),
                         QStringLiteral("-Oqv")};
        if (hex)
            args << QStringLiteral("-Ox");
        return LocalPeer::snmpTool(QStringLiteral("snmpget"), args << address << QString::fromStdString(oid))
            .trimmed()
            .remove(QLatin1Char('"'));
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

    ScriptedMessageBox boxes;
};

TEST_F(PagesE2E, InterfaceTableAgainstSnmpdMatchesSnmpwalk)
{
    talkTo(g_snmpdAddress);
    CInterfaceTableDlg page;
    ASSERT_TRUE(openAndWait(page, TableId::IdRefresh, 20000));
    const QStringList indexes = walkValues(g_snmpdAddress, "1.3.6.1.2.1.2.2.1.1");
    const QStringList states = walkValues(g_snmpdAddress, "1.3.6.1.2.1.2.2.1.8");
    const QStringList speeds = walkValues(g_snmpdAddress, "1.3.6.1.2.1.2.2.1.5");
    ASSERT_FALSE(indexes.isEmpty());
    ASSERT_EQ(states.size(), indexes.size());
    std::vector<QStringList> expected;
    for (qsizetype i = 0; i < indexes.size(); ++i) {
        const char* status = states[i] == "1" ? "Link" : states[i] == "2" ? "UnLink" : states[i] == "3" ? "Test" : "Unknown";
        expected.push_back({indexes[i], status, QString::number(speeds[i].toULongLong() / 1000000) + "M"});
    }
    EXPECT_EQ(listRows(&page, TableId::IdList), expected);
    EXPECT_EQ(controlOf<QLabel>(&page, TableId::IdEntries)->text(), QString::number(indexes.size()));
}

TEST_F(PagesE2E, IpTcpAndUdpTablesAgainstSnmpd)
{
    talkTo(g_snmpdAddress);
    CIpTableDlg ip;
    ASSERT_TRUE(openAndWait(ip, TableId::IdRefresh, 20000));
    const auto ipRows = listRows(&ip, TableId::IdList);
    EXPECT_EQ(ipRows.size(), std::size_t(walkValues(g_snmpdAddress, "1.3.6.1.2.1.4.20.1.1").size()));
    EXPECT_NE(std::find(ipRows.begin(), ipRows.end(), QStringList{"127.0.0.1", "255.0.0.0"}), ipRows.end());

    CUdpServiceDlg udp;
    ASSERT_TRUE(openAndWait(udp, TableId::IdRefresh, 20000));
    const QString snmpdPort = g_snmpdAddress.section(QLatin1Char(':'), 1);
    const auto udpRows = listRows(&udp, TableId::IdList);
    EXPECT_NE(std::find(udpRows.begin(), udpRows.end(), QStringList{snmpdPort, "127.0.0.1"}), udpRows.end());

    CTcpServiceDlg tcp;
    ASSERT_TRUE(openAndWait(tcp, TableId::IdRefresh, 20000));
    const QStringList known{"closed",   "listen",   "synSent",   "synReceived", "established", "finWait1",
                            "finWait2", "closeWait", "lastAck", "closing",     "timeWait",    "deleteTCB"};
    for (const QStringList& row : listRows(&tcp, TableId::IdList)) {
        ASSERT_EQ(row.size(), 5);
        EXPECT_TRUE(known.contains(row[4])) << row.join('|').toStdString();
    }
}

TEST_F(PagesE2E, SystemInformationAgainstSnmpd)
{
    talkTo(g_snmpdAddress);
    CSystemInfoDlg page;
    ASSERT_TRUE(openAndWait(page, CSystemInfoDlg::IdApply, 10000));
    EXPECT_EQ(controlOf<QLineEdit>(&page, CSystemInfoDlg::IdName)->text(), "e2e-snmpd");
    EXPECT_EQ(controlOf<QLineEdit>(&page, CSystemInfoDlg::IdLocation)->text(), "lab");
    EXPECT_EQ(controlOf<QPlainTextEdit>(&page, CSystemInfoDlg::IdDescription)->toPlainText(),
              getValue(g_snmpdAddress, "1.3.6.1.2.1.1.1.0"));
    EXPECT_EQ(controlOf<QLineEdit>(&page, CSystemInfoDlg::IdObjectOid)->text(),
              getValue(g_snmpdAddress, "1.3.6.1.2.1.1.2.0").remove(0, 1)); // snmpget prints a leading dot
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d+ Hour \\d+ Min$"))
                    .match(controlOf<QLineEdit>(&page, CSystemInfoDlg::IdRuntime)->text())
                    .hasMatch());
}

// An address no session can be opened for: each read fails within the time-out and the page
// gives its buttons back as with a switch that does not answer (Apply stays off: nothing was
// read that it could write back).
TEST_F(PagesE2E, PagesGiveTheirButtonsBackWhenTheAddressCannotBeUsed)
{
    LaunchParams::setTimeoutText("1000");
    for (const char* address : {"127.0.0.1:99999", "nosuchhost.invalid", "127.0.0.1:16x"}) {
        SCOPED_TRACE(address);
        talkTo(QString::fromLatin1(address));
        QElapsedTimer clock;
        clock.start();
        {
            CSystemInfoDlg page;
            ASSERT_TRUE(openAndWait(page, CSystemInfoDlg::IdRefresh, 4000)) << "Refresh after a failed read";
            EXPECT_FALSE(controlOf<QPushButton>(&page, CSystemInfoDlg::IdApply)->isEnabled());
            clickButton(&page, CSystemInfoDlg::IdRefresh);
            EXPECT_TRUE(openAndWait(page, CSystemInfoDlg::IdRefresh, 4000)) << "Refresh after a second failed read";
        }
        {
            CForwardingTableDlg page;
            EXPECT_TRUE(openAndWait(page, TableId::IdRefresh, 4000)) << "Refresh after a failed walk";
            EXPECT_TRUE(listRows(&page, TableId::IdList).empty());
        }
        EXPECT_LT(clock.elapsed(), 8000);
        EXPECT_TRUE(boxes.texts().isEmpty()) << boxes.texts().join(u'|').toStdString();
        boxes.clear();
    }
}

TEST_F(PagesE2E, ForwardingTableWithFiveThousandEntriesAgainstTheSimulator)
{
    talkTo(g_simAddress);
    CForwardingTableDlg page;
    ASSERT_TRUE(openAndWait(page, TableId::IdRefresh, 60000));
    // 5,000 learned addresses and the switch's own.
    const auto rows = listRows(&page, TableId::IdList);
    const QStringList ports = walkValues(g_simAddress, "1.3.6.1.2.1.17.7.1.2.2.1.2");
    ASSERT_EQ(ports.size(), 5001);
    ASSERT_EQ(rows.size(), 5001u);
    EXPECT_EQ(controlOf<QLabel>(&page, TableId::IdEntries)->text(), "5001");
    EXPECT_EQ(std::count_if(rows.begin(), rows.end(), [](const QStringList& r) { return r[1] == "Learn"; }), 5000);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        ASSERT_EQ(rows[i][2], ports[qsizetype(i)]) << i;
        ASSERT_TRUE(QRegularExpression(QStringLiteral("^([0-9A-F]{2}-){5}[0-9A-F]{2}$")).match(rows[i][0]).hasMatch());
    }
    EXPECT_EQ(controlOf<QLineEdit>(&page, CForwardingTableDlg::IdAgeTime)->text(),
              getValue(g_simAddress, "1.3.6.1.2.1.17.4.2.0"));
    screenshot(page, QStringLiteral("forwarding-table"));

    controlOf<QLineEdit>(&page, CForwardingTableDlg::IdDestinationPort)->setText(ports.first());
    clickButton(&page, TableId::IdRefresh);
    ASSERT_TRUE(openAndWait(page, TableId::IdRefresh, 60000));
    EXPECT_EQ(listRows(&page, TableId::IdList).size(), std::size_t(ports.count(ports.first())));
}

TEST_F(PagesE2E, NonAsciiNameIsWrittenAndReadBackThroughTheSimulator)
{
    talkTo(g_simAddress);
    const QString name = QString::fromUtf8("Zürich-交换机");
    const QString location = QString::fromUtf8("Salle 3 étage 2");
    {
        CSystemInfoDlg page;
        ASSERT_TRUE(openAndWait(page, CSystemInfoDlg::IdApply, 10000));
        controlOf<QLineEdit>(&page, CSystemInfoDlg::IdName)->setText(name);
        controlOf<QLineEdit>(&page, CSystemInfoDlg::IdLocation)->setText(location);
        clickButton(&page, CSystemInfoDlg::IdApply);
        EXPECT_TRUE(boxes.texts().isEmpty());
    }
    QString hex;
    for (char byte : name.toUtf8())
        hex += QStringLiteral("%1 ").arg(uint8_t(byte), 2, 16, QLatin1Char('0')).toUpper();
    EXPECT_EQ(getValue(g_simAddress, "1.3.6.1.2.1.1.5.0", true).simplified(), hex.trimmed());

    CSystemInfoDlg again;
    ASSERT_TRUE(openAndWait(again, CSystemInfoDlg::IdApply, 10000));
    EXPECT_EQ(controlOf<QLineEdit>(&again, CSystemInfoDlg::IdName)->text(), name);
    EXPECT_EQ(controlOf<QLineEdit>(&again, CSystemInfoDlg::IdLocation)->text(), location);
    screenshot(again, QStringLiteral("system-information"));
}

TEST_F(PagesE2E, PortConfigurationReadsAndWritesTheSimulatorsPortTable)
{
    talkTo(g_simAddress);
    CPortSetInfo page(5);
    ASSERT_TRUE(openAndWait(page, CPortSetInfo::IdApply, 20000));
    const auto rows = listRows(&page, CPortSetInfo::IdPortList);
    ASSERT_EQ(rows.size(), 28u);
    EXPECT_EQ(controlOf<QLineEdit>(&page, CPortSetInfo::IdPortId)->text(), "5");
    screenshot(page, QStringLiteral("port-configuration"));

    const std::string speed5 = snmp::expandEnterprise("ENTERPRISE.10.75.5.2.1.13.1.2.5");
    boxes.answerQuestions({true});
    controlOf<QComboBox>(&page, CPortSetInfo::IdSpeed)->setCurrentIndex(3); // 10M-Full
    controlOf<QComboBox>(&page, CPortSetInfo::IdFlowControl)->setCurrentIndex(1);
    clickButton(&page, CPortSetInfo::IdApply);
    EXPECT_EQ(getValue(g_simAddress, speed5), "4");
    ASSERT_TRUE(openAndWait(page, CPortSetInfo::IdApply, 20000));
    EXPECT_EQ(listRows(&page, CPortSetInfo::IdPortList)[4][1], "10MFull");
}

TEST_F(PagesE2E, SyslogHostIsWrittenToTheSimulator)
{
    talkTo(g_simAddress);
    CSyslogDlg page;
    ASSERT_TRUE(openAndWait(page, CSyslogDlg::IdApply, 10000));
    controlOf<QCheckBox>(&page, CSyslogDlg::IdEnable)->click();
    controlOf<CIpAddressEdit>(&page, CSyslogDlg::IdHostIp)->setText(QStringLiteral("192.0.2.77"));
    controlOf<QLineEdit>(&page, CSyslogDlg::IdUdpPort)->setText(QStringLiteral("1514"));
    controlOf<QComboBox>(&page, CSyslogDlg::IdFacility)->setCurrentIndex(3);
    clickButton(&page, CSyslogDlg::IdApply);
    EXPECT_EQ(boxes.texts(), QStringList{"Set System log Server successfully"});
    const std::string base = snmp::expandEnterprise("ENTERPRISE.10.75.5.2.16.1.");
    EXPECT_EQ(getValue(g_simAddress, base + "1.0"), "192.0.2.77");
    EXPECT_EQ(getValue(g_simAddress, base + "2.0"), "1514");
    EXPECT_EQ(getValue(g_simAddress, base + "5.0"), "152");
    EXPECT_EQ(getValue(g_simAddress, base + "6.0"), "1");
    ASSERT_TRUE(openAndWait(page, CSyslogDlg::IdApply, 10000));
    EXPECT_TRUE(controlOf<QCheckBox>(&page, CSyslogDlg::IdEnable)->isChecked());
    screenshot(page, QStringLiteral("syslog"));
}

TEST_F(PagesE2E, TableViewsFilledFromTheSimulator)
{
    talkTo(g_simAddress);
    struct Case {
        const char* name;
        std::function<std::unique_ptr<CMibTableDialog>()> make;
    };
    const Case cases[] = {
        {"interface-table", [] { return std::make_unique<CInterfaceTableDlg>(); }},
        {"ip-table", [] { return std::make_unique<CIpTableDlg>(); }},
        {"tcp-service", [] { return std::make_unique<CTcpServiceDlg>(); }},
        {"udp-service", [] { return std::make_unique<CUdpServiceDlg>(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto page = c.make();
        ASSERT_TRUE(openAndWait(*page, TableId::IdRefresh, 20000));
        EXPECT_FALSE(listRows(page.get(), TableId::IdList).empty());
        screenshot(*page, QString::fromLatin1(c.name));
    }
}

TEST_F(PagesE2E, JumboFrameIsSwitchedOnInTheSimulator)
{
    talkTo(g_simAddress);
    const std::string jumbo = snmp::expandEnterprise("ENTERPRISE.10.75.5.2.1.12.0");
    CJumboFrameDlg page;
    ASSERT_TRUE(openAndWait(page, CJumboFrameDlg::IdApply, 10000));
    screenshot(page, QStringLiteral("jumbo-frame"));
    auto* box = controlOf<QCheckBox>(&page, CJumboFrameDlg::IdEnable);
    ASSERT_FALSE(box->isChecked());
    box->click();
    clickButton(&page, CJumboFrameDlg::IdApply);
    EXPECT_EQ(boxes.texts(), QStringList{"Enabled Jumbo Frame"});
    EXPECT_EQ(getValue(g_simAddress, jumbo), "1");
    ASSERT_TRUE(waitUntil([&] { return !page.isVisible(); }, 10000));
}

TEST_F(PagesE2E, ManagementVlanIsWrittenToTheSimulator)
{
    talkTo(g_simAddress);
    const std::string base = snmp::expandEnterprise("ENTERPRISE.10.75.5.2.7.");
    CMgmtVlanDlg page;
    ASSERT_TRUE(openAndWait(page, CMgmtVlanDlg::IdApply, 10000));
    auto* vlans = controlOf<QComboBox>(&page, CMgmtVlanDlg::IdVlanId);
    ASSERT_TRUE(waitUntil([&] { return !controlOf<QLineEdit>(&page, CMgmtVlanDlg::IdVlanName)->text().isEmpty(); }));
    EXPECT_EQ(vlans->currentText(), "1");
    controlOf<QRadioButton>(&page, CMgmtVlanDlg::IdEnable)->click();
    const int cameras = vlans->findText(QStringLiteral("100"));
    ASSERT_GE(cameras, 0);
    chooseItem(vlans, cameras);
    ASSERT_TRUE(waitUntil([&] { return controlOf<QLineEdit>(&page, CMgmtVlanDlg::IdVlanName)->text() == "cameras"; }));
    screenshot(page, QStringLiteral("management-vlan"));
    clickButton(&page, CMgmtVlanDlg::IdApply);
    ASSERT_TRUE(openAndWait(page, CMgmtVlanDlg::IdApply, 10000));
    // The write starts once the member check has been read.
    ASSERT_TRUE(waitForWrites());
    ASSERT_TRUE(openAndWait(page, CMgmtVlanDlg::IdApply, 10000));
    EXPECT_TRUE(boxes.texts().isEmpty());
    EXPECT_EQ(getValue(g_simAddress, base + "2.0"), "1");
    EXPECT_EQ(getValue(g_simAddress, base + "3.0"), "100");

    // Back as it was, so the demo's switch stays reachable.
    controlOf<QRadioButton>(&page, CMgmtVlanDlg::IdDisable)->click();
    chooseItem(vlans, vlans->findText(QStringLiteral("1")));
    clickButton(&page, CMgmtVlanDlg::IdApply);
    ASSERT_TRUE(openAndWait(page, CMgmtVlanDlg::IdApply, 10000));
    ASSERT_TRUE(waitForWrites());
    ASSERT_TRUE(openAndWait(page, CMgmtVlanDlg::IdApply, 10000));
    EXPECT_EQ(getValue(g_simAddress, base + "2.0"), "2");
    EXPECT_EQ(getValue(g_simAddress, base + "3.0"), "1");
}

TEST_F(PagesE2E, PortMirroringIsWrittenToTheSimulator)
{
    talkTo(g_simAddress);
    const std::string base = snmp::expandEnterprise("ENTERPRISE.10.75.5.2.18.");
    CPortMirrorDlg page;
    ASSERT_TRUE(openAndWait(page, CPortMirrorDlg::IdApply, 10000));
    EXPECT_EQ(controlOf<QComboBox>(&page, CPortMirrorDlg::IdTarget)->currentText(), "19");
    EXPECT_TRUE(controlOf<QCheckBox>(&page, CPortMirrorDlg::boxId(11, CPortMirrorDlg::Rx))->isChecked());
    EXPECT_TRUE(controlOf<QCheckBox>(&page, CPortMirrorDlg::boxId(1, CPortMirrorDlg::None))->isChecked());
    screenshot(page, QStringLiteral("port-mirroring"));
    controlOf<QCheckBox>(&page, CPortMirrorDlg::boxId(5, CPortMirrorDlg::Tx))->click();
    clickButton(&page, CPortMirrorDlg::IdApply);
    ASSERT_TRUE(openAndWait(page, CPortMirrorDlg::IdApply, 10000));
    EXPECT_TRUE(boxes.texts().isEmpty());
    EXPECT_EQ(getValue(g_simAddress, base + "4.0", true).simplified(), "08 00 00 00");
    EXPECT_EQ(getValue(g_simAddress, base + "3.0", true).simplified(), "00 20 00 00");
    EXPECT_EQ(getValue(g_simAddress, base + "1.0"), "1");
    EXPECT_TRUE(controlOf<QCheckBox>(&page, CPortMirrorDlg::boxId(5, CPortMirrorDlg::Tx))->isChecked());
}

TEST_F(PagesE2E, IgmpSnoopingPagesWriteTheSimulator)
{
    talkTo(g_simAddress);
    const std::string igmp = snmp::expandEnterprise("ENTERPRISE.10.75.5.2.10.");
    {
        CIgmpSnoopingDlg page;
        ASSERT_TRUE(openAndWait(page, CIgmpSnoopingDlg::IdApply, 10000));
        EXPECT_TRUE(controlOf<QCheckBox>(&page, CIgmpSnoopingDlg::IdEnable)->isChecked());
        screenshot(page, QStringLiteral("igmp-snooping"));
        controlOf<QLineEdit>(&page, CIgmpSnoopingDlg::IdQueryInterval)->setText(QStringLiteral("200"));
        clickButton(&page, CIgmpSnoopingDlg::IdApply);
        ASSERT_TRUE(openAndWait(page, CIgmpSnoopingDlg::IdApply, 10000));
        EXPECT_EQ(getValue(g_simAddress, igmp + "1.6.0"), "200");
        EXPECT_EQ(controlOf<QLineEdit>(&page, CIgmpSnoopingDlg::IdQueryInterval)->text(), "200");
    }
    {
        CIgmpVlanDlg page(true);
        ASSERT_TRUE(openAndWait(page, CIgmpVlanDlg::IdApply, 10000));
        const auto rows = listRows(&page, CIgmpVlanDlg::IdList);
        ASSERT_EQ(rows.size(), 3u);
        EXPECT_EQ(rows[0], (QStringList{"1", "default", "Enabled", "Disabled", "Disabled", "25"}));
        controlOf<CListView>(&page, CIgmpVlanDlg::IdList)->setCurrentCell(1, 0);
        controlOf<QCheckBox>(&page, CIgmpVlanDlg::IdFirstRouterPort + 9)->setChecked(true); // port 10
        screenshot(page, QStringLiteral("igmp-vlan-settings"));
        clickButton(&page, CIgmpVlanDlg::IdRouterApply);
        ASSERT_TRUE(openAndWait(page, CIgmpVlanDlg::IdApply, 10000));
        EXPECT_EQ(getValue(g_simAddress, igmp + "3.4.1.6.100", true).simplified(), "00 40 00 00 00 00 00 00");
        EXPECT_EQ(listRows(&page, CIgmpVlanDlg::IdList)[1][5], "10");
    }
    CMulticastEntryDlg groups;
    ASSERT_TRUE(openAndWait(groups, CMulticastEntryDlg::IdRefresh, 10000));
    const auto rows = listRows(&groups, CMulticastEntryDlg::IdList);
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows[0][0], "1");
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^239\\.\\d+\\.\\d+\\.\\d+$")).match(rows[0][2]).hasMatch());
    screenshot(groups, QStringLiteral("multicast-entries"));
}

TEST_F(PagesE2E, MulticastFilteringModeIsWrittenToTheSimulator)
{
    talkTo(g_simAddress);
    CMulticastFilterDlg page;
    ASSERT_TRUE(openAndWait(page, CMulticastFilterDlg::IdApply, 10000));
    ASSERT_EQ(listRows(&page, CMulticastFilterDlg::IdList).size(), 28u);
    screenshot(page, QStringLiteral("multicast-filtering"));
    chooseItem(controlOf<QComboBox>(&page, CMulticastFilterDlg::IdFromPort), 9);
    chooseItem(controlOf<QComboBox>(&page, CMulticastFilterDlg::IdToPort), 10);
    controlOf<QComboBox>(&page, CMulticastFilterDlg::IdMode)->setCurrentIndex(1);
    clickButton(&page, CMulticastFilterDlg::IdApply);
    ASSERT_TRUE(openAndWait(page, CMulticastFilterDlg::IdApply, 10000));
    EXPECT_TRUE(boxes.texts().isEmpty());
    const std::string mode = snmp::expandEnterprise("ENTERPRISE.10.75.5.2.28.1.1.2.");
    EXPECT_EQ(getValue(g_simAddress, mode + "10"), "2");
    EXPECT_EQ(getValue(g_simAddress, mode + "11"), "2");
    EXPECT_EQ(getValue(g_simAddress, mode + "12"), "1");
    EXPECT_EQ(listRows(&page, CMulticastFilterDlg::IdList)[9][1], "Filtering Unregistered Groups");
}

TEST_F(PagesE2E, SurveillanceVlanIsSwitchedOnAndGetsADeviceInTheSimulator)
{
    talkTo(g_simAddress);
    using Dlg = CSurveillanceVlanDlg;
    const std::string base = snmp::expandEnterprise("ENTERPRISE.10.75.5.2.26.");
    Dlg page;
    ASSERT_TRUE(openAndWait(page, Dlg::IdApply, 10000));
    ASSERT_FALSE(controlOf<QCheckBox>(&page, Dlg::IdEnable)->isChecked());
    EXPECT_EQ(listRows(&page, Dlg::IdList).size(), 3u);
    controlOf<QCheckBox>(&page, Dlg::IdEnable)->click();
    boxes.answerQuestions({true}); // VLAN 100 exists
    clickButton(&page, Dlg::IdApply);
    ASSERT_TRUE(openAndWait(page, Dlg::IdApply, 10000));
    EXPECT_EQ(boxes.texts().size(), 1);
    EXPECT_EQ(getValue(g_simAddress, base + "1.1.0"), "1");
    ASSERT_TRUE(controlOf<QLineEdit>(&page, Dlg::IdAddress)->isEnabled());

    controlOf<QComboBox>(&page, Dlg::IdAddressKind)->setCurrentText(QStringLiteral("OUI"));
    controlOf<QLineEdit>(&page, Dlg::IdAddress)->setText(QStringLiteral("00-11-22"));
    controlOf<QLineEdit>(&page, Dlg::IdDescription)->setText(QStringLiteral("Door cameras"));
    clickButton(&page, Dlg::IdAdd);
    ASSERT_TRUE(openAndWait(page, Dlg::IdApply, 10000));
    EXPECT_EQ(getValue(g_simAddress, base + "2.1.1.3.0.17.34.0.0.0", true).simplified(), "FF FF FF 00 00 00");
    const auto rows = listRows(&page, Dlg::IdList);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0], (QStringList{"1", "Video Management Server", "Door cameras", "00-11-22-00-00-00"}));
    screenshot(page, QStringLiteral("surveillance-vlan"));

    // Back as it was.
    controlOf<CListView>(&page, Dlg::IdList)->selectRow(0);
    clickButton(&page, Dlg::IdDelete);
    ASSERT_TRUE(openAndWait(page, Dlg::IdApply, 10000));
    controlOf<QCheckBox>(&page, Dlg::IdEnable)->click();
    clickButton(&page, Dlg::IdApply);
    ASSERT_TRUE(openAndWait(page, Dlg::IdApply, 10000));
    EXPECT_EQ(getValue(g_simAddress, base + "1.1.0"), "2");
    EXPECT_EQ(listRows(&page, Dlg::IdList).size(), 3u);
}

} // namespace

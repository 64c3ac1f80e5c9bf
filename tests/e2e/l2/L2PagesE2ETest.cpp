// The VLAN, trunk and PVID pages over real UDP against sorvex-sim: a VLAN created, edited and
// deleted; an aggregated link configured after the rules read every object they compare from the
// simulator (each rule refusing on the ports the seed data sets apart); PVIDs written. Values are
// checked with net-snmp's own tools. With SORVEX_SCREENSHOT_DIR set, the pages are saved there.

#include "GuiFixture.h"
#include "LocalPeer.h"
#include "PageTestSupport.h"

#include "CPvidDlg.h"
#include "CTrunkDlg.h"
#include "CTrunkMemberDlg.h"
#include "CVlanConfigDlg.h"
#include "CVlanEditDlg.h"
#include "DeviceOids.h"
#include "Enterprise.h"
#include "SnmpFront.h"
#include "TrunkValid.h"

#include <QCheckBox>
#include <QLineEdit>

namespace {

namespace deviceoid = snmp::deviceoid;
using VlanId = CVlanConfigDlg::ControlId;
using EditId = CVlanEditDlg::ControlId;

QString g_address;

class L2PagesE2E : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        testApplication();
        g_address = SuiteSimulator::start("e2e-l2-pages");
    }
    static void TearDownTestSuite() { SuiteSimulator::stop(); }
    void SetUp() override
    {
        ASSERT_FALSE(g_address.isEmpty()) << "sorvex-sim did not start";
        DeviceProfile::setCurrent(DeviceProfile{});
        LaunchParams::setTimeoutText("3000");
        LaunchParams::setCurrent(LaunchParams::parse("/A1/I" + g_address.toStdString() + "/Rtundra/Wlantern/ETRUE/V1/P161"));
    }

    // The value as snmpget prints it (-Oqv), octet strings in hex with -Ox; "" when absent.
    static QString get(const std::string& oid, bool hex = false)
    {
        QStringList args{"-v1", "-c", "tundra", "-On", "-Oqv"};
        if (hex)
            args << "-Ox";
        return LocalPeer::snmpTool("snmpget", args << g_address << QString::fromStdString(snmp::expandEnterprise(oid)))
            .remove(QLatin1Char('"'))
            .simplified();
    }
    static bool set(const std::string& oid, const char* type, const QString& value)
    {
        return !LocalPeer::snmpTool("snmpset", {"-v1", "-c", "lantern", "-On", g_address,
                                                QString::fromStdString(snmp::expandEnterprise(oid)), type, value})
                    .isEmpty();
    }
    static std::string vlanCell(int column, int vid) { return deviceoid::vlanColumn(column) + "." + std::to_string(vid); }

    static QStringList rowOf(const CVlanConfigDlg& page, const QString& vid)
    {
        for (const QStringList& row : listRows(&page, VlanId::IdList)) {
            if (row[0] == vid)
                return row;
        }
        return {};
    }
    // Ticks one box per port: "T" tagged, "U" untagged, anything else not a member.
    static void choosePorts(QWidget* dialog, const std::map<int, char>& ports)
    {
        for (int p = 1; p <= 28; ++p) {
            const auto it = ports.find(p);
            const int first = it == ports.end()     ? EditId::IdFirstNotMember
                              : it->second == 'T' ? EditId::IdFirstTag
                                                  : EditId::IdFirstUntag;
            controlOf<QCheckBox>(dialog, first + p - 1)->click();
        }
    }

    ScriptedMessageBox boxes;
};

TEST_F(L2PagesE2E, VlanIsCreatedEditedAndDeleted)
{
    CVlanConfigDlg page;
    ASSERT_TRUE(openAndWait(page, VlanId::IdAdd, 20000));
    EXPECT_EQ(rowOf(page, "100"), (QStringList{"100", "cameras", "6", "20,21,22,23,24,25", "20,21,22,23,24"}));
    saveScreenshot(page, "e2e-vlan-list");

    // Add VLAN 300 "lab": ports 1 and 2 tagged (ports 1-19 are untagged in VLAN 1).
    clickButton(&page, VlanId::IdAdd);
    auto* add = page.subDialog();
    ASSERT_NE(add, nullptr);
    ASSERT_TRUE(openAndWait(*add, EditId::IdOk, 10000));
    controlOf<QLineEdit>(add, EditId::IdVid)->setText("300");
    controlOf<QLineEdit>(add, EditId::IdName)->setText("lab");
    choosePorts(add, {{1, 'T'}, {2, 'T'}, {26, 'U'}});
    EXPECT_EQ(controlOf<QCheckBox>(add, EditId::IdFirstUntag + 25)->isChecked(), false); // untagged in VLAN 1
    choosePorts(add, {{1, 'T'}, {2, 'T'}});
    saveScreenshot(*add, "e2e-vlan-add");
    clickButton(add, EditId::IdOk);
    ASSERT_TRUE(waitUntil([&] { return page.subDialog() == nullptr; }, 10000));
    EXPECT_TRUE(boxes.texts().isEmpty());
    ASSERT_TRUE(openAndWait(page, VlanId::IdAdd, 20000));
    EXPECT_EQ(rowOf(page, "300"), (QStringList{"300", "lab", "2", "1,2", ""}));
    EXPECT_EQ(get(vlanCell(deviceoid::VlanEgress, 300), true), "C0 00 00 00");
    EXPECT_EQ(get(vlanCell(deviceoid::VlanRowStatus, 300)), "1");

    // Edit it: renamed, port 2 leaves, port 27 joins untagged once VLAN 1 no longer has it so.
    ASSERT_TRUE(set(vlanCell(deviceoid::VlanUntagged, 1), "x", "FFFFE0D0"));
    clickButton(&page, VlanId::IdRefresh);
    ASSERT_TRUE(openAndWait(page, VlanId::IdAdd, 20000));
    controlOf<CListView>(&page, VlanId::IdList)->selectRow(3);
    ASSERT_EQ(rowOf(page, "300")[0], listRows(&page, VlanId::IdList)[3][0]);
    clickButton(&page, VlanId::IdEdit);
    auto* edit = page.subDialog();
    ASSERT_NE(edit, nullptr);
    ASSERT_TRUE(openAndWait(*edit, EditId::IdOk, 10000));
    EXPECT_EQ(edit->windowTitle(), "Edit VLAN");
    controlOf<QLineEdit>(edit, EditId::IdName)->setText(QString::fromUtf8("labor-süd"));
    choosePorts(edit, {{1, 'T'}, {27, 'U'}});
    saveScreenshot(*edit, "e2e-vlan-edit");
    clickButton(edit, EditId::IdOk);
    ASSERT_TRUE(waitUntil([&] { return page.subDialog() == nullptr; }, 10000));
    ASSERT_TRUE(openAndWait(page, VlanId::IdAdd, 20000));
    EXPECT_EQ(rowOf(page, "300"), (QStringList{"300", QString::fromUtf8("labor-süd"), "2", "1,27", "27"}));
    EXPECT_EQ(get(vlanCell(deviceoid::VlanUntagged, 300), true), "00 00 00 20");

    // Delete it.
    controlOf<CListView>(&page, VlanId::IdList)->selectRow(3);
    boxes.answerQuestions({true});
    clickButton(&page, VlanId::IdDelete);
    EXPECT_EQ(boxes.texts(),
              QStringList{"The VLAN 300 settings in IGMP Snooping and MAC Address Table maybe be affected, continue?"});
    ASSERT_TRUE(openAndWait(page, VlanId::IdAdd, 20000));
    EXPECT_TRUE(rowOf(page, "300").isEmpty());
    EXPECT_EQ(get(vlanCell(deviceoid::VlanRowStatus, 300)), "");
    ASSERT_TRUE(set(vlanCell(deviceoid::VlanUntagged, 1), "x", "FFFFE0F0"));
}

// Every object the rules compare is served, and the seed data lets each rule refuse and pass.
TEST_F(L2PagesE2E, AggregatedLinkRulesReadEverythingFromTheSimulator)
{
    QObject owner;
    PageSessions sessions(&owner);
    TrunkValid valid(sessions, 28);
    std::optional<bool> initialised;
    QObject::connect(&valid, &TrunkValid::initEnded, [&](bool ok) { initialised = ok; });
    valid.init();
    ASSERT_TRUE(waitUntil([&] { return initialised.has_value(); }, 20000));
    ASSERT_TRUE(*initialised);

    struct Case {
        std::vector<int> ports;
        const char* current; // the link's present members
        const char* refusal; // nullptr: every rule passes
    };
    const Case cases[] = {
        {{2, 3}, "", nullptr},
        {{17, 18}, "17,18", nullptr},
        {{1, 17}, "", "Cannot add the port as it is a member of another aggregated link !"},
        {{1, 25}, "", "Cannot add ports of different types to an aggregated link !"},
        {{1, 14}, "", "Cannot add ports of different speed to an aggregated link."},
        {{1, 9}, "", "Cannot add ports with different DHCP Server Screening Port Settings to an aggregated link."},
        {{1, 10}, "", "Cannot add the 802.1X-enabled port to an aggregated link."},
        {{1, 20}, "", "Cannot add ports with different VLAN configurations to an aggregated link !"},
        {{1, 8}, "", "Cannot add a Auto-learn disabled port to an aggregated link."},
        {{20, 23}, "", "Cannot add ports with different 802.1p default priorities to an aggregated link."},
        {{5, 6}, "", "Cannot add ports with different PVIDs to an aggregated link."},
        {{1, 13}, "", "Cannot add a port-security anabled port to an aggregated link."},
        {{1, 16}, "", "Cannot add a LBD-enabled port to an aggregated link."},
        {{1, 11}, "", "Cannot add ports of Port Mirror enable ports to an aggregated link."},
        {{1, 19}, "", "Cannot add a mirror port to an aggregated link."},
        {{1, 7}, "", "Cannot add ports of ARP Spoofing Prevent enable ports to an aggregated link."},
        {{1, 15}, "", "Cannot add ports with different rate control configurations to an aggregated link."},
        {{20, 21}, "", "Cannot add a port with different RSTP port setting to an aggregated link. "},
        {{20, 22}, "", "Cannot add a port in Voice Vlan Auto mode to an aggregated link."},
        {{1, 4}, "", "Cannot add ports with different FDB-destination-hit configurations to an aggregated link."},
        {{1, 2}, "", "Cannot add an ACL enabled port to an aggregated link."},
    };
    for (const Case& c : cases) {
        PortFlags selected(28, 0);
        for (int p : c.ports)
            selected[std::size_t(p - 1)] = 1;
        const auto refusal = FirstAggregationRefusal(valid.data(), selected, QString::fromLatin1(c.current));
        EXPECT_EQ(refusal, c.refusal ? std::optional<QString>(QString::fromLatin1(c.refusal)) : std::nullopt)
            << c.ports[0] << "," << c.ports[1];
    }

    // Port 18 is in auto surveillance mode: refused once auto surveillance is enabled.
    ASSERT_TRUE(set(deviceoid::surveillanceState, "i", "1"));
    std::optional<bool> reread;
    QObject::connect(&valid, &TrunkValid::globalStatesRead, [&](bool ok) { reread = ok; });
    valid.rereadGlobalStates();
    ASSERT_TRUE(waitUntil([&] { return reread.has_value(); }, 10000));
    PortFlags link(28, 0);
    link[16] = link[17] = 1;
    EXPECT_EQ(FirstAggregationRefusal(valid.data(), link, "17,18"),
              std::optional<QString>("Cannot add a port in  Auto Surveillance VLAN Auto mode to an aggregated link"));
    ASSERT_TRUE(set(deviceoid::surveillanceState, "i", "2"));
}

TEST_F(L2PagesE2E, AggregatedLinkIsConfiguredThroughTheMemberDialog)
{
    CTrunkDlg page;
    ASSERT_TRUE(openAndWait(page, CTrunkDlg::IdApply, 20000));
    controlOf<CListView>(&page, CTrunkDlg::IdList)->setCurrentCell(1, 0); // link 2
    controlOf<QComboBox>(&page, CTrunkDlg::IdMode)->setCurrentIndex(0);   // LACP
    clickButton(&page, CTrunkDlg::IdPortMember);
    CTrunkMemberDlg* members = page.memberDialog();
    ASSERT_NE(members, nullptr);
    ASSERT_TRUE(openAndWait(*members, CTrunkMemberDlg::IdOk, 20000));
    EXPECT_TRUE(boxes.texts().isEmpty());
    for (int p : {2, 3})
        controlOf<QCheckBox>(members, CTrunkMemberDlg::IdFirstBox + p - 1)->setChecked(true);
    saveScreenshot(*members, "e2e-trunk-member");
    clickButton(members, CTrunkMemberDlg::IdOk);
    ASSERT_TRUE(waitUntil([&] { return page.memberDialog() == nullptr; }, 10000));
    EXPECT_TRUE(boxes.texts().isEmpty());
    ASSERT_TRUE(openAndWait(page, CTrunkDlg::IdApply, 20000));
    EXPECT_EQ(listRows(&page, CTrunkDlg::IdList)[1], (QStringList{"2", "LACP", "2,3"}));
    EXPECT_EQ(get(deviceoid::linkMembers + ".2", true), "60 00 00 00");
    saveScreenshot(page, "e2e-trunk");

    // Back to no members, as the next run expects.
    ASSERT_TRUE(set(deviceoid::linkMembers + ".2", "x", "00000000"));
    ASSERT_TRUE(set(deviceoid::linkMode + ".2", "i", "3"));
}

TEST_F(L2PagesE2E, PvidsAreWrittenPortByPort)
{
    CVlanConfigDlg list;
    ASSERT_TRUE(openAndWait(list, VlanId::IdPvid, 20000));
    clickButton(&list, VlanId::IdPvid);
    auto* pvid = list.subDialog();
    ASSERT_NE(pvid, nullptr);
    ASSERT_TRUE(openAndWait(*pvid, CPvidDlg::IdApply, 20000));
    auto* port3 = controlOf<QLineEdit>(pvid, CPvidDlg::IdFirstEdit + 2);
    EXPECT_EQ(port3->text(), "1");
    EXPECT_EQ(controlOf<QLineEdit>(pvid, CPvidDlg::IdFirstEdit + 19)->text(), "100");
    port3->selectAll();
    QTest::keyClicks(port3, "200");
    saveScreenshot(*pvid, "e2e-pvid");
    clickButton(pvid, CPvidDlg::IdApply);
    ASSERT_TRUE(waitUntil([&] { return list.subDialog() == nullptr; }, 10000));
    EXPECT_TRUE(boxes.texts().isEmpty());
    EXPECT_EQ(get(deviceoid::portPvid + ".3"), "200");
    EXPECT_EQ(get(deviceoid::portPvid + ".20"), "100");
    ASSERT_TRUE(set(deviceoid::portPvid + ".3", "u", "1"));
}

} // namespace

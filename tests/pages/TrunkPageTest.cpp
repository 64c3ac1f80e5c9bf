// Trunk Configuration and its member dialog: the links as the switch reports them, the mode of a
// link found by its ID, the state, and the members going through the aggregated-link rules only
// once everything they compare has been read.

#include "PageTestSupport.h"
#include "SwitchFeatureData.h"

#include "CTrunkDlg.h"
#include "CTrunkMemberDlg.h"
#include "Enterprise.h"
#include "MenuCommand.h"
#include "PageCatalog.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace {

namespace deviceoid = snmp::deviceoid;
using Id = CTrunkDlg::ControlId;
using MemberId = CTrunkMemberDlg::ControlId;

std::string enterprise(const std::string& oid)
{
    return snmp::expandEnterprise(oid);
}

class TrunkPages : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        load(SwitchFeatureData(28, "0000c000")); // link 1: ports 17 and 18
        agent->setInteger(deviceoid::linkAggregationState, 1);
        agent->setInteger(deviceoid::linkMode + ".1", 2);
        for (int link = 2; link <= 8; ++link) {
            agent->setOctets(deviceoid::linkMembers + "." + std::to_string(link), std::string(4, '\0'));
            agent->setInteger(deviceoid::linkMode + "." + std::to_string(link), link == 3 ? 1 : 3);
        }
    }
    std::unique_ptr<CTrunkDlg> open()
    {
        auto page = std::make_unique<CTrunkDlg>();
        EXPECT_TRUE(openAndWait(*page, Id::IdApply));
        agent->clearRequests();
        return page;
    }
    std::unique_ptr<CTrunkMemberDlg> openMembers(const QString& members, const QString& mode = QStringLiteral("Static"))
    {
        auto dialog = std::make_unique<CTrunkMemberDlg>(QStringLiteral("1"), mode, members);
        EXPECT_TRUE(openAndWait(*dialog, MemberId::IdOk, 8000));
        agent->clearRequests();
        return dialog;
    }
    void chooseRow(CTrunkDlg& page, int row) { controlOf<CListView>(&page, Id::IdList)->setCurrentCell(row, 0); }
    void tick(QWidget* dialog, std::initializer_list<int> ports)
    {
        for (int p = 1; p <= 28; ++p)
            controlOf<QCheckBox>(dialog, MemberId::IdFirstBox + p - 1)->setChecked(false);
        for (int p : ports)
            controlOf<QCheckBox>(dialog, MemberId::IdFirstBox + p - 1)->setChecked(true);
    }
    std::vector<std::vector<std::string>> sets()
    {
        std::vector<std::vector<std::string>> texts;
        for (const auto& request : agent->requestsOfType(snmp::PduType::Set))
            texts.push_back(bindTexts(request));
        return texts;
    }
};

TEST_F(TrunkPages, DeviceMenuOpensTheTrunkPage)
{
    ASSERT_TRUE(PageCatalog::has(MenuCommand::Trunk));
    EXPECT_EQ(PageCatalog::create(MenuCommand::Trunk)->objectName(), "dlg487");
}

TEST_F(TrunkPages, ListsTheLinksWithModeAndMembersAndTheSwitchState)
{
    auto page = open();
    EXPECT_EQ(page->objectName(), "dlg487");
    EXPECT_EQ(page->windowTitle(), "Trunk Configuration");
    EXPECT_EQ(listHeaders(page.get(), Id::IdList),
              (QStringList{"TrunkID    ", "PortChannelMode    ", "PortMember                            "}));
    const auto rows = listRows(page.get(), Id::IdList);
    ASSERT_EQ(rows.size(), 8u);
    EXPECT_EQ(rows[0], (QStringList{"1", "Static", "17,18"}));
    EXPECT_EQ(rows[2], (QStringList{"3", "LACP", ""}));
    EXPECT_EQ(rows[7], (QStringList{"8", "Disable", ""}));
    EXPECT_TRUE(controlOf<QCheckBox>(page.get(), Id::IdEnable)->isChecked());
    EXPECT_TRUE(controlOf<QPushButton>(page.get(), Id::IdPortMember)->isEnabled());
    saveScreenshot(*page, "trunk");

    agent->setInteger(deviceoid::linkAggregationState, 2);
    clickButton(page.get(), Id::IdRefresh);
    ASSERT_TRUE(openAndWait(*page, Id::IdApply));
    EXPECT_FALSE(controlOf<QCheckBox>(page.get(), Id::IdEnable)->isChecked());
    EXPECT_FALSE(controlOf<QPushButton>(page.get(), Id::IdPortMember)->isEnabled());
}

TEST_F(TrunkPages, StateIsWrittenAsTickedAndReadAgain)
{
    auto page = open();
    controlOf<QCheckBox>(page.get(), Id::IdEnable)->setChecked(false);
    clickButton(page.get(), Id::IdStateApply);
    EXPECT_EQ(sets(), (std::vector<std::vector<std::string>>{{enterprise(deviceoid::linkAggregationState) + "=2:2"}}));
    ASSERT_TRUE(openAndWait(*page, Id::IdApply));
    EXPECT_FALSE(controlOf<QPushButton>(page.get(), Id::IdPortMember)->isEnabled());
}

// The links come as the switch lists them: here only links 2, 5 and 9, so row 0 is link 2.
TEST_F(TrunkPages, ModeIsWrittenForTheLinkNamedByItsIdNotByItsRow)
{
    agent->clear();
    for (int link : {2, 5, 9}) {
        agent->setOctets(deviceoid::linkMembers + "." + std::to_string(link), std::string(link == 2 ? "\0\0\0\0" : "\x30\0\0\0", 4));
        agent->setInteger(deviceoid::linkMode + "." + std::to_string(link), 2);
    }
    agent->setInteger(deviceoid::linkAggregationState, 1);
    struct Case {
        const char* name;
        int row;
        int mode;
        const char* message; // nullptr: no message
        std::vector<std::string> written;
    };
    const Case cases[] = {
        {"link 5 to LACP", 1, 0, nullptr, {enterprise(deviceoid::linkMode) + ".5=2:1"}},
        {"link 5 to Disable", 1, 2, nullptr, {enterprise(deviceoid::linkMode) + ".5=2:3"}},
        {"the mode it has", 1, 1, nullptr, {}},
        {"link without members", 0, 0, "Please configure the PortMember first", {}},
        {"no such link number", 2, 0, "Invliad VLAN ID, VLAN ID should be (1-8) !", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        agent->setInteger(deviceoid::linkMode + ".5", 2);
        auto page = open();
        boxes.clear();
        chooseRow(*page, c.row);
        controlOf<QComboBox>(page.get(), Id::IdMode)->setCurrentIndex(c.mode);
        clickButton(page.get(), Id::IdApply);
        EXPECT_EQ(boxes.texts(), c.message ? QStringList{c.message} : QStringList{});
        EXPECT_EQ(sets(), c.written.empty() ? std::vector<std::vector<std::string>>{}
                                            : std::vector<std::vector<std::string>>{c.written});
        ASSERT_TRUE(openAndWait(*page, Id::IdApply));
    }
}

TEST_F(TrunkPages, PortMemberNeedsALinkAndAModeThenOpensTheMemberDialog)
{
    auto page = open();
    clickButton(page.get(), Id::IdPortMember);
    chooseRow(*page, 0);
    controlOf<QComboBox>(page.get(), Id::IdMode)->setCurrentIndex(2);
    clickButton(page.get(), Id::IdPortMember);
    EXPECT_EQ(boxes.texts(), (QStringList{"Please select the Trunk !", "Link Aggregation State is disable."}));
    EXPECT_EQ(page->memberDialog(), nullptr);

    controlOf<QComboBox>(page.get(), Id::IdMode)->setCurrentIndex(0);
    clickButton(page.get(), Id::IdPortMember);
    CTrunkMemberDlg* members = page->memberDialog();
    ASSERT_NE(members, nullptr);
    EXPECT_TRUE(members->isVisible());
    EXPECT_EQ(members->objectName(), "dlg171");
    EXPECT_EQ(members->windowTitle(), "Trunk member");
    EXPECT_EQ(controlOf<QLineEdit>(members, MemberId::IdTrunkId)->text(), "1");
    EXPECT_EQ(controlOf<QLineEdit>(members, MemberId::IdMode)->text(), "LACP");
    for (int p = 1; p <= 28; ++p)
        EXPECT_EQ(controlOf<QCheckBox>(members, MemberId::IdFirstBox + p - 1)->isChecked(), p == 17 || p == 18) << p;
    ASSERT_TRUE(openAndWait(*members, MemberId::IdOk, 8000));
    saveScreenshot(*members, "trunk-member");
    members->reject();
    ASSERT_TRUE(waitUntil([&] { return page->memberDialog() == nullptr; }));
}

// Port 19 joins link 1 through the member dialog; without choosing the row again, the next member
// dialog starts from the members read after that write, so adding port 20 keeps port 19.
TEST_F(TrunkPages, ChosenLinkAndItsMembersComeFromTheRowsReadAgain)
{
    auto page = open();
    chooseRow(*page, 0);
    clickButton(page.get(), Id::IdPortMember);
    ASSERT_NE(page->memberDialog(), nullptr);
    ASSERT_TRUE(openAndWait(*page->memberDialog(), MemberId::IdOk, 8000));
    tick(page->memberDialog(), {17, 18, 19});
    clickButton(page->memberDialog(), MemberId::IdOk);
    ASSERT_TRUE(waitUntil([&] { return page->memberDialog() == nullptr; }));
    ASSERT_TRUE(openAndWait(*page, Id::IdApply));
    EXPECT_EQ(listRows(page.get(), Id::IdList)[0], (QStringList{"1", "Static", "17,18,19"}));

    agent->clearRequests();
    clickButton(page.get(), Id::IdPortMember);
    CTrunkMemberDlg* members = page->memberDialog();
    ASSERT_NE(members, nullptr);
    for (int p = 1; p <= 28; ++p)
        EXPECT_EQ(controlOf<QCheckBox>(members, MemberId::IdFirstBox + p - 1)->isChecked(), p >= 17 && p <= 19) << p;
    ASSERT_TRUE(openAndWait(*members, MemberId::IdOk, 8000));
    controlOf<QCheckBox>(members, MemberId::IdFirstBox + 19)->setChecked(true); // port 20
    clickButton(members, MemberId::IdOk);
    ASSERT_TRUE(waitUntil([&] { return page->memberDialog() == nullptr; }));
    EXPECT_EQ(sets(), (std::vector<std::vector<std::string>>{
                          {enterprise(deviceoid::linkMembers) + ".1=4:" + std::string("\x00\x00\xF0\x00", 4),
                           enterprise(deviceoid::linkMode) + ".1=2:2"}}));
    ASSERT_TRUE(openAndWait(*page, Id::IdApply));

    // A link the switch no longer lists is no longer chosen.
    agent->remove(deviceoid::linkMembers + ".1");
    agent->remove(deviceoid::linkMode + ".1");
    clickButton(page.get(), Id::IdRefresh);
    ASSERT_TRUE(openAndWait(*page, Id::IdApply));
    EXPECT_EQ(controlOf<QLineEdit>(page.get(), Id::IdTrunkId)->text(), "");
    boxes.clear();
    clickButton(page.get(), Id::IdPortMember);
    EXPECT_EQ(boxes.texts(), QStringList{"Please select the Trunk !"});
    EXPECT_EQ(page->memberDialog(), nullptr);
}

TEST_F(TrunkPages, MemberDialogIsLaidOutByThePortCount)
{
    CTrunkMemberDlg twentyEight(QStringLiteral("1"), QStringLiteral("LACP"), QString());
    EXPECT_EQ(twentyEight.size(), QSize(580, 275));
    const QRect first = controlOf<QCheckBox>(&twentyEight, MemberId::IdFirstBox)->geometry();
    const QRect last = controlOf<QCheckBox>(&twentyEight, MemberId::IdFirstBox + 27)->geometry();
    EXPECT_EQ(first.y(), last.y());
    EXPECT_LT(last.right(), 580 - 10);
    EXPECT_EQ(controlOf<QLabel>(&twentyEight, MemberId::IdFirstCaption + 27)->text(), "28");

    DeviceProfile profile;
    profile.DevicePortNum = 48;
    DeviceProfile::setCurrent(profile);
    CTrunkMemberDlg fortyEight(QStringLiteral("1"), QStringLiteral("LACP"), QString());
    EXPECT_EQ(fortyEight.size(), QSize(520, 330));
    const QRect top = controlOf<QCheckBox>(&fortyEight, MemberId::IdFirstBox)->geometry();
    const QRect second = controlOf<QCheckBox>(&fortyEight, MemberId::IdFirstBox + 24)->geometry();
    EXPECT_EQ(second.topLeft(), top.topLeft() + QPoint(0, 45)); // 24 per row, the second 45 lower
    saveScreenshot(fortyEight, "trunk-member-48");
}

TEST_F(TrunkPages, OkWaitsForEveryReadAndAFailedReadSaysSo)
{
    LaunchParams::setTimeoutText("200");
    snmp::MemoryAgent::Fault silent;
    silent.noAnswer = true;
    agent->setObjectFault(deviceoid::loopbackDetection + ".9", silent); // the walk's end of the column
    CTrunkMemberDlg dialog(QStringLiteral("1"), QStringLiteral("Static"), QStringLiteral("17,18"));
    dialog.show();
    auto* ok = controlOf<QPushButton>(&dialog, MemberId::IdOk);
    EXPECT_FALSE(ok->isEnabled());
    ASSERT_TRUE(waitUntil([&] { return !boxes.texts().isEmpty(); }, 8000));
    EXPECT_EQ(boxes.texts(), QStringList{"TrunkValid Init Error !"});
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(TrunkPages, MemberCountAndTheRulesAreCheckedBeforeAnythingIsWritten)
{
    agent->setUnsigned(deviceoid::portPvid + ".3", snmp::Ber::Gauge32, 100);
    agent->setInteger(deviceoid::stpPortColumn(16) + ".5", 2);
    auto dialog = openMembers(QStringLiteral("17,18"));
    agent->setInteger(deviceoid::stpState, 1); // enabled after the first reads: the rule reads it again
    struct Case {
        const char* name;
        std::initializer_list<int> ports;
        const char* message;
    };
    const Case cases[] = {
        {"one port", {17}, "The mininum port members for an aggregated link is 2 !"},
        {"nine ports", {1, 2, 4, 6, 7, 8, 9, 10, 11}, "The maxinum port member for an aggregated link is exceeded !"},
        {"PVID apart", {2, 3}, "Cannot add ports with different PVIDs to an aggregated link."},
        {"spanning tree", {4, 5}, "Cannot add a port with different RSTP port setting to an aggregated link. "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        boxes.clear();
        tick(dialog.get(), c.ports);
        clickButton(dialog.get(), MemberId::IdOk);
        ASSERT_TRUE(waitUntil([&] { return !boxes.texts().isEmpty(); }));
        EXPECT_EQ(boxes.texts(), QStringList{c.message});
        ASSERT_TRUE(waitUntil([&] { return controlOf<QPushButton>(dialog.get(), MemberId::IdOk)->isEnabled(); }));
        EXPECT_TRUE(dialog->isVisible());
    }
    EXPECT_TRUE(sets().empty());
}

TEST_F(TrunkPages, TwoAndEightMembersAreWrittenWithTheModeInOneRequest)
{
    struct Case {
        std::initializer_list<int> ports;
        const char* mode;
        std::string octets;
        int modeValue;
    };
    const Case cases[] = {
        {{17, 18}, "LACP", std::string("\x00\x00\xC0\x00", 4), 1},
        {{1, 2, 3, 4, 5, 6, 7, 28}, "Static", std::string("\xFE\x00\x00\x10", 4), 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        auto dialog = openMembers(QStringLiteral("17,18"), QString::fromLatin1(c.mode));
        tick(dialog.get(), c.ports);
        clickButton(dialog.get(), MemberId::IdOk);
        ASSERT_TRUE(waitUntil([&] { return !dialog->isVisible(); }));
        EXPECT_EQ(dialog->result(), QDialog::Accepted);
        EXPECT_TRUE(boxes.texts().isEmpty());
        EXPECT_EQ(sets(), (std::vector<std::vector<std::string>>{
                              {enterprise(deviceoid::linkMembers) + ".1=4:" + c.octets,
                               enterprise(deviceoid::linkMode) + ".1=2:" + std::to_string(c.modeValue)}}));
    }
}

} // namespace

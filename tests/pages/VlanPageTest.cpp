// 802.1Q VLAN Configuration and its Add/Edit dialog: the list of active VLANs, the lock-out
// without write permission, every check of Delete, Edit, Add and the asymmetric mode, the three
// boxes per port acting as one, and the exact write sequences with their stop and put-back.

#include "PageTestSupport.h"
#include "SwitchFeatureData.h"

#include "CVlanConfigDlg.h"
#include "CVlanEditDlg.h"
#include "DeviceOids.h"
#include "Enterprise.h"
#include "MenuCommand.h"
#include "PageCatalog.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace {

namespace deviceoid = snmp::deviceoid;
using Id = CVlanConfigDlg::ControlId;
using EditId = CVlanEditDlg::ControlId;
using Mode = CVlanEditDlg::Mode;
using Sets = std::vector<std::vector<std::string>>;

const std::string allPorts("\xFF\xFF\xFF\xF0", 4);

std::string vlanCell(int column, int vid)
{
    return deviceoid::vlanColumn(column) + "." + std::to_string(vid);
}

// The bind text of a write, as bindTexts shows it.
std::string integerSet(int column, int vid, int value)
{
    return snmp::expandEnterprise(vlanCell(column, vid)) + "=2:" + std::to_string(value);
}
std::string octetSet(int column, int vid, const std::string& value)
{
    return snmp::expandEnterprise(vlanCell(column, vid)) + "=4:" + value;
}

class VlanPages : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        load(SwitchFeatureData(28, "0000c000")); // link 1: ports 17 and 18
        addVlan(1, "default", allPorts, std::string("\xFF\xFF\xE0\x00", 4));
        addVlan(100, "cameras", std::string("\x00\x00\x1F\x80", 4), std::string("\x00\x00\x1F\x00", 4));
        addVlan(200, "office-uplink", std::string("\x00\x00\x00\xC0", 4), std::string(4, '\0'));
        addVlan(300, "waiting", std::string("\x00\x00\x00\x10", 4), std::string(4, '\0'), 2);
        for (int p = 20; p <= 24; ++p)
            agent->setUnsigned(deviceoid::portPvid + "." + std::to_string(p), snmp::Ber::Gauge32, 100);
        agent->setInteger(deviceoid::asymmetricVlan, 2);
        setVoice(2, 0);
        setSurveillance(2, 100);
    }
    void addVlan(int vid, const std::string& name, const std::string& egress, const std::string& untagged, int status = 1)
    {
        agent->setOctets(vlanCell(deviceoid::VlanName, vid), name);
        agent->setOctets(vlanCell(deviceoid::VlanEgress, vid), egress);
        agent->setOctets(vlanCell(deviceoid::VlanUntagged, vid), untagged);
        agent->setInteger(vlanCell(deviceoid::VlanRowStatus, vid), status);
    }
    void setVoice(int state, int vid)
    {
        agent->setInteger(deviceoid::voiceVlanState, state);
        agent->setInteger(deviceoid::voiceVlanId, vid);
    }
    void setSurveillance(int state, int vid)
    {
        agent->setInteger(deviceoid::surveillanceState, state);
        agent->setInteger(deviceoid::surveillanceVlanId, vid);
    }
    std::unique_ptr<CVlanConfigDlg> open()
    {
        auto page = std::make_unique<CVlanConfigDlg>();
        EXPECT_TRUE(openAndWait(*page, Id::IdAdd));
        agent->clearRequests();
        boxes.clear();
        return page;
    }
    void select(CVlanConfigDlg& page, int row) { controlOf<CListView>(&page, Id::IdList)->selectRow(row); }
    Sets sets()
    {
        Sets texts;
        for (const auto& request : agent->requestsOfType(snmp::PduType::Set))
            texts.push_back(bindTexts(request));
        return texts;
    }
};

TEST_F(VlanPages, ListsTheActiveVlansWithTheirPorts)
{
    ASSERT_TRUE(PageCatalog::has(MenuCommand::VlanConfiguration));
    auto page = open();
    EXPECT_EQ(page->objectName(), "dlg447");
    EXPECT_EQ(page->windowTitle(), "802.1Q VLAN Configuration");
    EXPECT_EQ(listHeaders(page.get(), Id::IdList),
              (QStringList{"VLAN ID", "VLAN Name", "No.of Ports", "Egress Port Member", "Untag Port Member"}));
    EXPECT_EQ(controlOf<CListView>(page.get(), Id::IdList)->columnWidth(3), 220);
    const auto rows = listRows(page.get(), Id::IdList);
    ASSERT_EQ(rows.size(), 3u); // VLAN 300 is not active
    EXPECT_EQ(rows[0], (QStringList{"1", "default", "28", "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25,26,27,28",
                                    "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19"}));
    EXPECT_EQ(rows[1], (QStringList{"100", "cameras", "6", "20,21,22,23,24,25", "20,21,22,23,24"}));
    EXPECT_EQ(rows[2], (QStringList{"200", "office-uplink", "2", "25,26", ""}));
    EXPECT_EQ(page->records().size(), 3u);
    EXPECT_FALSE(controlOf<QCheckBox>(page.get(), Id::IdAsymmetric)->isChecked());
    saveScreenshot(*page, "vlan-list");
}

TEST_F(VlanPages, WithoutWritePermissionAddEditDeleteAndPvidStayDisabled)
{
    LaunchParams::setCurrent(LaunchParams::parse("/A1/I192.0.2.1/Rtundra/Wlantern/EFALSE/V1/P161"));
    CVlanConfigDlg page;
    ASSERT_TRUE(openAndWait(page, Id::IdRefresh));
    for (int id : {Id::IdAdd, Id::IdEdit, Id::IdDelete, Id::IdPvid})
        EXPECT_FALSE(controlOf<QPushButton>(&page, id)->isEnabled()) << id;
    auto* list = controlOf<CListView>(&page, Id::IdList);
    emit list->cellDoubleClicked(1, 0);
    EXPECT_EQ(page.subDialog(), nullptr);
}

TEST_F(VlanPages, DeleteRunsItsChecksInOrderThenAsksAndWritesDestroy)
{
    struct Case {
        const char* name;
        std::function<void()> setup;
        int row; // -1: none selected
        std::vector<bool> answers;
        QStringList messages;
        Sets written;
    };
    const QString question200 = "The VLAN 200 settings in IGMP Snooping and MAC Address Table maybe be affected, continue?";
    const Case cases[] = {
        {"nothing selected", nullptr, -1, {}, {"Please select the VLAN want to be deleted!"}, {}},
        {"default VLAN", nullptr, 0, {}, {"Can't delete the default VLAN!"}, {}},
        {"PVID with asymmetric VLAN", [this] { agent->setInteger(deviceoid::asymmetricVlan, 1); }, 1, {},
         {"The VID is one of The PVID, so it cannot be deleted."}, {}},
        {"voice VLAN", [this] { setVoice(1, 200); }, 2, {}, {"The VLAN ID is Voice VLAN ID."}, {}},
        {"surveillance VLAN", [this] { setSurveillance(1, 200); }, 2, {}, {"The VLAN ID is Surveillance VLAN ID."}, {}},
        {"voice VLAN disabled", [this] { setVoice(2, 200); }, 2, {false}, {question200}, {}},
        {"PVID without asymmetric VLAN", nullptr, 1, {false},
         {"The VLAN 100 settings in IGMP Snooping and MAC Address Table maybe be affected, continue?"}, {}},
        {"confirmed", nullptr, 2, {true}, {question200}, {{integerSet(deviceoid::VlanRowStatus, 200, 6)}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        if (c.setup)
            c.setup();
        auto page = open();
        if (c.row >= 0)
            select(*page, c.row);
        for (bool answer : c.answers)
            boxes.answerQuestions({answer});
        clickButton(page.get(), Id::IdDelete);
        EXPECT_EQ(boxes.texts(), c.messages);
        EXPECT_EQ(sets(), c.written);
        ASSERT_TRUE(openAndWait(*page, Id::IdAdd));
    }
}

TEST_F(VlanPages, NoSelectionShowsTheInformationIconAndAnEmptyListDoesNot)
{
    auto page = open();
    clickButton(page.get(), Id::IdDelete);
    clickButton(page.get(), Id::IdEdit);
    agent->clear();
    clickButton(page.get(), Id::IdRefresh);
    ASSERT_TRUE(openAndWait(*page, Id::IdRefresh));
    EXPECT_EQ(listRows(page.get(), Id::IdList).size(), 0u);
    // The table is gone but the other reads failed: Delete and Edit wait for a whole read.
    EXPECT_FALSE(controlOf<QPushButton>(page.get(), Id::IdDelete)->isEnabled());
    const auto shown = boxes.shown();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].text, "Please select the VLAN want to be deleted!");
    EXPECT_EQ(shown[0].icon, MessageIcon::Information);
    EXPECT_EQ(shown[1].text, "Please select the VLAN !");
    EXPECT_EQ(shown[1].icon, MessageIcon::Information);
}

TEST_F(VlanPages, DeletedVlanLeavesTheListAfterTheReadAgain)
{
    auto page = open();
    select(*page, 2);
    boxes.answerQuestions({true});
    clickButton(page.get(), Id::IdDelete);
    ASSERT_TRUE(openAndWait(*page, Id::IdAdd));
    EXPECT_EQ(listRows(page.get(), Id::IdList).size(), 2u);
}

TEST_F(VlanPages, EditAsksForTheSurveillanceVlanEvenWhenItIsDisabled)
{
    auto page = open();
    select(*page, 1);
    clickButton(page.get(), Id::IdEdit); // Cancel: no dialog
    EXPECT_EQ(boxes.texts(),
              QStringList{"It is Surveillance VLAN,please don't edit ports except it's Tagged Uplink/Downlink Port."});
    EXPECT_EQ(page->subDialog(), nullptr);
    boxes.answerQuestions({true});
    clickButton(page.get(), Id::IdEdit);
    ASSERT_NE(page->subDialog(), nullptr);
    EXPECT_EQ(page->subDialog()->windowTitle(), "Edit VLAN");
    EXPECT_EQ(controlOf<QLineEdit>(page->subDialog(), EditId::IdVid)->text(), "100");
    EXPECT_FALSE(controlOf<QLineEdit>(page->subDialog(), EditId::IdVid)->isEnabled());
    EXPECT_EQ(controlOf<QLineEdit>(page->subDialog(), EditId::IdName)->text(), "cameras");
    agent->clearRequests();
    page->subDialog()->reject();
    ASSERT_TRUE(waitUntil([&] { return page->subDialog() == nullptr; }));
    ASSERT_TRUE(openAndWait(*page, Id::IdAdd)); // read again after the dialog
    EXPECT_FALSE(agent->requestsOfType(snmp::PduType::GetNext).empty());
}

TEST_F(VlanPages, AddOpensTheDialogUnlessTheListIsFull)
{
    auto page = open();
    clickButton(page.get(), Id::IdAdd);
    ASSERT_NE(page->subDialog(), nullptr);
    EXPECT_EQ(page->subDialog()->objectName(), "dlg172");
    EXPECT_EQ(page->subDialog()->windowTitle(), "Add VLAN");
    page->subDialog()->reject();
    ASSERT_TRUE(waitUntil([&] { return page->subDialog() == nullptr; }));

    for (int vid = 301; vid <= 553; ++vid)
        addVlan(vid, "v", std::string("\x80\0\0\0", 4), std::string(4, '\0'));
    ASSERT_TRUE(openAndWait(*page, Id::IdAdd));
    clickButton(page.get(), Id::IdRefresh);
    ASSERT_TRUE(openAndWait(*page, Id::IdAdd));
    ASSERT_EQ(listRows(page.get(), Id::IdList).size(), 256u);
    clickButton(page.get(), Id::IdAdd);
    EXPECT_EQ(boxes.texts(), QStringList{" Number of VLAN group is over limit"});
    EXPECT_EQ(page->subDialog(), nullptr);
}

TEST_F(VlanPages, PvidOpensItsDialogWithTheListAndTheListIsReadAfter)
{
    auto page = open();
    clickButton(page.get(), Id::IdPvid);
    ASSERT_NE(page->subDialog(), nullptr);
    EXPECT_EQ(page->subDialog()->objectName(), "dlg173");
    agent->clearRequests();
    page->subDialog()->reject();
    ASSERT_TRUE(waitUntil([&] { return page->subDialog() == nullptr; }));
    ASSERT_TRUE(openAndWait(*page, Id::IdAdd));
    EXPECT_FALSE(agent->requestsOfType(snmp::PduType::GetNext).empty());
}

TEST_F(VlanPages, AsymmetricModeIsRefusedWithVoiceOrSurveillanceAndWrittenAfterTheQuestion)
{
    const QString voice = "Voice Vlan is enable,the vlan mode can't change to Asymmetric mode!\n"
                          "If you could disable it, please set it through the web!";
    const QString surveillance = "Auto Surveillance VLAN is enable,the vlan mode can't change to Asymmetric mode!";
    const QString question = "The setting of VLAN, IGMP Snooping, Management VLAN and MAC Address Table will be reset to default.";
    struct Case {
        const char* name;
        int voiceState, surveillanceState;
        std::vector<bool> answers;
        QStringList messages;
        Sets written;
        bool tickedAfter;
    };
    const Case cases[] = {
        {"voice VLAN", 1, 2, {}, {voice}, {}, false},
        {"surveillance VLAN", 2, 1, {}, {surveillance}, {}, false},
        {"cancelled", 2, 2, {false}, {question}, {}, true},
        {"written", 2, 2, {true}, {question}, {{snmp::expandEnterprise(deviceoid::asymmetricVlan) + "=2:1"}}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        agent->setInteger(deviceoid::asymmetricVlan, 2);
        setVoice(c.voiceState, 0);
        setSurveillance(c.surveillanceState, 100);
        auto page = open();
        auto* box = controlOf<QCheckBox>(page.get(), Id::IdAsymmetric);
        box->setChecked(true);
        for (bool answer : c.answers)
            boxes.answerQuestions({answer});
        clickButton(page.get(), Id::IdAsymmetricApply);
        EXPECT_EQ(boxes.texts(), c.messages);
        EXPECT_EQ(sets(), c.written);
        ASSERT_TRUE(openAndWait(*page, Id::IdAdd));
        EXPECT_EQ(box->isChecked(), c.tickedAfter); // refused: the switch's state again
    }
}

// The Add/Edit dialog on its own, with the list's records.
class VlanEditDialog : public VlanPages {
protected:
    VlanRecords records()
    {
        return {MakeVlanRecord(1, "default", allPorts, std::string("\xFF\xFF\xE0\x00", 4), 28),
                MakeVlanRecord(100, "cameras", std::string("\x00\x00\x1F\x80", 4), std::string("\x00\x00\x1F\x00", 4), 28),
                MakeVlanRecord(200, "office-uplink", std::string("\x00\x00\x00\xC0", 4), std::string(4, '\0'), 28)};
    }
    std::unique_ptr<CVlanEditDlg> openEdit(Mode mode, int vid = 0, bool asymmetric = false)
    {
        auto dialog = std::make_unique<CVlanEditDlg>(mode, vid, records(), asymmetric);
        EXPECT_TRUE(openAndWait(*dialog, EditId::IdOk));
        agent->clearRequests();
        boxes.clear();
        return dialog;
    }
    QCheckBox* box(QWidget* dialog, int firstId, int port) { return controlOf<QCheckBox>(dialog, firstId + port - 1); }
    // "T", "U" or "N" for the box of the port that is ticked ("?" when not exactly one).
    QString shown(QWidget* dialog, int port)
    {
        const bool t = box(dialog, EditId::IdFirstTag, port)->isChecked();
        const bool u = box(dialog, EditId::IdFirstUntag, port)->isChecked();
        const bool n = box(dialog, EditId::IdFirstNotMember, port)->isChecked();
        return t + u + n != 1 ? "?" : t ? "T" : u ? "U" : "N";
    }
    void fill(QWidget* dialog, const QString& vid, const QString& name)
    {
        controlOf<QLineEdit>(dialog, EditId::IdVid)->setText(vid);
        controlOf<QLineEdit>(dialog, EditId::IdName)->setText(name);
    }
};

TEST_F(VlanEditDialog, ThreeRowsOfBoxesLaidOutByThePortCount)
{
    auto dialog = openEdit(Mode::Add);
    EXPECT_EQ(dialog->size(), QSize(570, 360));
    for (int first : {EditId::IdFirstTag, EditId::IdFirstUntag, EditId::IdFirstNotMember}) {
        EXPECT_NE(box(dialog.get(), first, 28), nullptr);
        EXPECT_EQ(box(dialog.get(), first, 29), nullptr);
        EXPECT_EQ(box(dialog.get(), first, 28)->geometry().y(), box(dialog.get(), first, 1)->geometry().y());
        EXPECT_LT(box(dialog.get(), first, 28)->geometry().right(), 570 - 10);
    }
    EXPECT_EQ(controlOf<QLabel>(dialog.get(), EditId::IdFirstCaption + 27)->text(), "28");
    EXPECT_EQ(shown(dialog.get(), 1), "N");
    saveScreenshot(*dialog, "vlan-add");

    DeviceProfile profile;
    profile.DevicePortNum = 52;
    DeviceProfile::setCurrent(profile);
    CVlanEditDlg wide(Mode::Add, 0, {}, false);
    EXPECT_EQ(wide.size().width(), 550);
    EXPECT_EQ(box(&wide, EditId::IdFirstTag, 27)->geometry().x(), box(&wide, EditId::IdFirstTag, 1)->geometry().x());
    EXPECT_GT(box(&wide, EditId::IdFirstTag, 27)->geometry().y(), box(&wide, EditId::IdFirstNotMember, 1)->geometry().y());
    saveScreenshot(wide, "vlan-add-52");
}

TEST_F(VlanEditDialog, EditShowsTheVlanAndTheThreeBoxesOfAPortActAsOne)
{
    auto dialog = openEdit(Mode::Edit, 100);
    EXPECT_EQ(dialog->windowTitle(), "Edit VLAN");
    EXPECT_EQ(shown(dialog.get(), 20), "U");
    EXPECT_EQ(shown(dialog.get(), 25), "T");
    EXPECT_EQ(shown(dialog.get(), 1), "N");
    saveScreenshot(*dialog, "vlan-edit");

    box(dialog.get(), EditId::IdFirstTag, 25)->click(); // ticked already: stays
    EXPECT_EQ(shown(dialog.get(), 25), "T");
    box(dialog.get(), EditId::IdFirstNotMember, 25)->click();
    EXPECT_EQ(shown(dialog.get(), 25), "N");
    box(dialog.get(), EditId::IdFirstUntag, 1)->click(); // untagged in VLAN 1: undone
    EXPECT_EQ(shown(dialog.get(), 1), "N");
    box(dialog.get(), EditId::IdFirstUntag, 25)->click(); // untagged nowhere
    EXPECT_EQ(shown(dialog.get(), 25), "U");
    box(dialog.get(), EditId::IdFirstTag, 20)->click(); // no longer untagged here ...
    EXPECT_EQ(shown(dialog.get(), 20), "T");
    box(dialog.get(), EditId::IdFirstUntag, 20)->click(); // ... so it may be again
    EXPECT_EQ(shown(dialog.get(), 20), "U");

    auto asymmetric = openEdit(Mode::Add, 0, true);
    box(asymmetric.get(), EditId::IdFirstUntag, 1)->click();
    EXPECT_EQ(shown(asymmetric.get(), 1), "U");
}

TEST_F(VlanEditDialog, OkChecksRunInOrderAndSendNothingWhenOneFails)
{
    struct Case {
        const char* name;
        Mode mode;
        int vid;
        QString vidText, name_;
        std::vector<std::pair<int, int>> clicks; // first box id, port
        const char* message;
    };
    const Case cases[] = {
        {"VID 1", Mode::Add, 0, "1", "a", {}, "Invalid VLAN ID, VLAN ID should be (2-4094) !"},
        {"VID 4095", Mode::Add, 0, "4095", "a", {}, "Invalid VLAN ID, VLAN ID should be (2-4094) !"},
        {"VID used", Mode::Add, 0, "200", "a", {}, "The VLAN ID has been used, please input again !"},
        {"empty name", Mode::Add, 0, "7", "", {}, "Invalid Vlan Name."},
        {"comma in name", Mode::Edit, 200, "", "a,b", {}, "Invalid Vlan Name."},
        {"half a link", Mode::Add, 0, "7", "lab", {{EditId::IdFirstTag, 17}}, "Members in VLAN have to be in the same trunk !"},
        {"link untagged apart", Mode::Add, 0, "7", "lab", {{EditId::IdFirstTag, 17}, {EditId::IdFirstUntag, 18}},
         "Members in VLAN have to be in the same trunk !"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto dialog = openEdit(c.mode, c.vid, true);
        if (c.mode == Mode::Add)
            controlOf<QLineEdit>(dialog.get(), EditId::IdVid)->setText(c.vidText);
        controlOf<QLineEdit>(dialog.get(), EditId::IdName)->setText(c.name_);
        for (auto [first, port] : c.clicks)
            box(dialog.get(), first, port)->click();
        clickButton(dialog.get(), EditId::IdOk);
        EXPECT_EQ(boxes.texts(), QStringList{c.message});
        EXPECT_TRUE(sets().empty());
        EXPECT_TRUE(dialog->isVisible());
    }
}

TEST_F(VlanEditDialog, EditNeedsAMemberSomewhere)
{
    // VLAN 100 the only VLAN with members: taking them all away is refused.
    VlanRecords only = {records()[1], MakeVlanRecord(5, "empty", std::string(4, '\0'), std::string(4, '\0'), 28)};
    CVlanEditDlg dialog(Mode::Edit, 100, only, false);
    ASSERT_TRUE(openAndWait(dialog, EditId::IdOk));
    for (int p = 20; p <= 25; ++p)
        box(&dialog, EditId::IdFirstNotMember, p)->click();
    clickButton(&dialog, EditId::IdOk);
    EXPECT_EQ(boxes.texts(), QStringList{"You have to include at least one member in the vlan"});
    EXPECT_TRUE(agent->requestsOfType(snmp::PduType::Set).empty());
}

TEST_F(VlanEditDialog, NameTakesTwentyTypedCharacters)
{
    auto dialog = openEdit(Mode::Add);
    auto* name = controlOf<QLineEdit>(dialog.get(), EditId::IdName);
    QTest::keyClicks(name, QStringLiteral("abcdefghijklmnopqrstu"));
    EXPECT_EQ(name->text(), "abcdefghijklmnopqrst");
    auto* vid = controlOf<QLineEdit>(dialog.get(), EditId::IdVid);
    QTest::keyClicks(vid, QStringLiteral("40945"));
    EXPECT_EQ(vid->text(), "4094");
}

TEST_F(VlanEditDialog, WritesRunInTheirOrderAndTheDialogClosesOnSuccess)
{
    const std::string untagged20(std::string("\x00\x00\x10\x00", 4)); // port 20
    const std::string egress20and26(std::string("\x00\x00\x10\x40", 4));
    struct Case {
        const char* name;
        Mode mode;
        int vid;
        Sets written;
    };
    const Case cases[] = {
        {"add", Mode::Add, 7,
         {{integerSet(5, 7, 5)}, {octetSet(2, 7, allPorts)}, {octetSet(4, 7, untagged20)},
          {octetSet(2, 7, egress20and26)}, {octetSet(1, 7, "lab")}, {integerSet(5, 7, 1)}}},
        {"edit", Mode::Edit, 200,
         {{integerSet(5, 200, 2)}, {octetSet(2, 200, allPorts)}, {octetSet(4, 200, untagged20)},
          {octetSet(2, 200, egress20and26)}, {octetSet(1, 200, "lab")}, {integerSet(5, 200, 1)}}},
        {"edit the default VLAN", Mode::Edit, 1,
         {{octetSet(4, 1, untagged20)}, {octetSet(2, 1, egress20and26)}, {octetSet(1, 1, "lab")}, {integerSet(5, 1, 1)}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto dialog = openEdit(c.mode, c.vid, true);
        fill(dialog.get(), QString::number(c.vid), "lab");
        for (int p = 1; p <= 28; ++p)
            box(dialog.get(), EditId::IdFirstNotMember, p)->click();
        box(dialog.get(), EditId::IdFirstUntag, 20)->click();
        box(dialog.get(), EditId::IdFirstTag, 26)->click();
        clickButton(dialog.get(), EditId::IdOk);
        EXPECT_EQ(sets(), c.written);
        EXPECT_EQ(dialog->result(), QDialog::Accepted);
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_TRUE(boxes.texts().isEmpty());
    }
}

// Past a refused first step, any step that was refused or went unanswered (and may have been
// taken) leaves the VLAN as it was read: name, egress, untagged, active; a created row destroyed.
TEST_F(VlanEditDialog, AFailedStepStopsTheWriteAndTheSwitchIsPutBack)
{
    LaunchParams::setTimeoutText("200");
    const std::string port26(std::string("\x00\x00\x00\x40", 4));
    const std::string none(4, '\0');
    const std::vector<std::string> vlan200AsRead[] = {{octetSet(1, 200, "office-uplink")},
                                                      {octetSet(2, 200, std::string("\x00\x00\x00\xC0", 4))},
                                                      {octetSet(4, 200, none)},
                                                      {integerSet(5, 200, 1)}};
    const auto then = [](Sets steps, const auto& more) {
        steps.insert(steps.end(), std::begin(more), std::end(more));
        return steps;
    };
    struct Case {
        const char* name;
        Mode mode;
        int vid;
        int failingSet;
        bool unanswered; // else refused
        Sets written;    // the failed step included, then the put-back
    };
    const Case cases[] = {
        {"add: creation refused", Mode::Add, 7, 1, false, {{integerSet(5, 7, 5)}}},
        {"add: creation unanswered", Mode::Add, 7, 1, true, {{integerSet(5, 7, 5)}, {integerSet(5, 7, 6)}}},
        {"add: untagged set refused", Mode::Add, 7, 3, false,
         {{integerSet(5, 7, 5)}, {octetSet(2, 7, allPorts)}, {octetSet(4, 7, none)}, {integerSet(5, 7, 6)}}},
        {"edit: out of service refused", Mode::Edit, 200, 1, false, {{integerSet(5, 200, 2)}}},
        {"edit: out of service unanswered", Mode::Edit, 200, 1, true, then({{integerSet(5, 200, 2)}}, vlan200AsRead)},
        {"edit: widening refused", Mode::Edit, 200, 2, false,
         then({{integerSet(5, 200, 2)}, {octetSet(2, 200, allPorts)}}, vlan200AsRead)},
        {"edit: widening unanswered", Mode::Edit, 200, 2, true,
         then({{integerSet(5, 200, 2)}, {octetSet(2, 200, allPorts)}}, vlan200AsRead)},
        {"edit: egress refused", Mode::Edit, 200, 4, false,
         then({{integerSet(5, 200, 2)}, {octetSet(2, 200, allPorts)}, {octetSet(4, 200, none)}, {octetSet(2, 200, port26)}},
              vlan200AsRead)},
        {"edit: name refused", Mode::Edit, 200, 5, false,
         then({{integerSet(5, 200, 2)},
               {octetSet(2, 200, allPorts)},
               {octetSet(4, 200, none)},
               {octetSet(2, 200, port26)},
               {octetSet(1, 200, "lab")}},
              vlan200AsRead)},
        {"edit the default VLAN: egress refused", Mode::Edit, 1, 2, false,
         {{octetSet(4, 1, none)},
          {octetSet(2, 1, port26)},
          {octetSet(1, 1, "default")},
          {octetSet(2, 1, allPorts)},
          {octetSet(4, 1, std::string("\xFF\xFF\xE0\x00", 4))},
          {integerSet(5, 1, 1)}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto dialog = openEdit(c.mode, c.vid, true);
        fill(dialog.get(), QString::number(c.vid), "lab");
        for (int p = 1; p <= 28; ++p)
            box(dialog.get(), EditId::IdFirstNotMember, p)->click();
        box(dialog.get(), EditId::IdFirstTag, 26)->click();
        snmp::MemoryAgent::Fault fault;
        if (c.unanswered)
            fault.noAnswer = true;
        else
            fault.errorStatus = 5;
        agent->clearFaults();
        agent->setRequestFault(c.failingSet, fault);
        clickButton(dialog.get(), EditId::IdOk);
        EXPECT_EQ(sets(), c.written);
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_TRUE(boxes.texts().isEmpty());
        agent->clearFaults();
        if (c.mode == Mode::Edit) {
            // The VLAN as the switch holds it now.
            ASSERT_TRUE(waitUntil([&] { return !agent->requestsOfType(snmp::PduType::Get).empty(); }));
            ASSERT_TRUE(openAndWait(*dialog, EditId::IdOk));
        }
    }
}

// The put-back on its own: when there is one, and what it writes.
TEST(VlanPutBack, UndoesWhatAStoppedWriteMayHaveDone)
{
    const VlanRecord asRead = MakeVlanRecord(200, "office-uplink", std::string("\x00\x00\x00\xC0", 4), std::string(4, '\0'), 28);
    VlanRecord textOnly; // no PortLists kept: they are built from the port texts
    textOnly.vid = 200;
    textOnly.nameBytes = "lab";
    textOnly.egress = QStringLiteral("1,28");
    textOnly.untagged = QStringLiteral("28");
    const auto cellText = [](int column, const std::string& value) { return vlanCell(column, 200) + "=" + value; };
    const std::vector<std::string> restored = {cellText(1, "office-uplink"), cellText(2, std::string("\x00\x00\x00\xC0", 4)),
                                               cellText(4, std::string(4, '\0')), "50ms " + cellText(5, "1")};
    const auto result = [](int status, int completed) { return WriteResult{status, completed, 6}; };
    struct Case {
        const char* name;
        VlanWrite write;
        const VlanRecord& before;
        WriteResult result;
        std::vector<std::string> steps;
    };
    const Case cases[] = {
        {"written", VlanWrite::Edit, asRead, result(0, 6), {}},
        {"first step refused", VlanWrite::Edit, asRead, result(5, 0), {}},
        {"first step unanswered", VlanWrite::Edit, asRead, result(-1, 0), restored},
        {"a later step refused", VlanWrite::Edit, asRead, result(5, 3), restored},
        {"a later step unanswered", VlanWrite::Edit, asRead, result(-1, 1), restored},
        {"activation refused", VlanWrite::Edit, asRead, result(5, 5), restored},
        {"created row, refused", VlanWrite::Create, VlanRecord{}, result(5, 0), {}},
        {"created row, unanswered", VlanWrite::Create, VlanRecord{}, result(-1, 0), {cellText(5, "6")}},
        {"created row, a later step refused", VlanWrite::Create, VlanRecord{}, result(5, 2), {cellText(5, "6")}},
        {"another VLAN's record", VlanWrite::Edit, VlanRecord{}, result(5, 2), {"50ms " + cellText(5, "1")}},
        {"ports as text only", VlanWrite::Edit, textOnly, result(5, 2),
         {cellText(1, "lab"), cellText(2, std::string("\x80\x00\x00\x10", 4)), cellText(4, std::string("\x00\x00\x00\x10", 4)),
          "50ms " + cellText(5, "1")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> steps;
        for (const SetRequest& step : VlanPutBackSteps(c.write, 200, c.before, c.result, 28)) {
            ASSERT_EQ(step.bindings().size(), 1u);
            const std::string pause = step.pauseMs() ? std::to_string(step.pauseMs()) + "ms " : "";
            steps.push_back(pause + step.bindings()[0].oid + "=" + step.bindings()[0].value);
        }
        EXPECT_EQ(steps, c.steps);
    }
}

} // namespace

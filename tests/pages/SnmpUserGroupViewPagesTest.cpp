// The agent's user, group and view pages: their lists, the enabling of the user page's security
// fields, the checks (exact messages, nothing written) and the exact requests of each creation
// and deletion.

#include "SnmpAgentTestSupport.h"

#include "CSnmpGroupDlg.h"
#include "CSnmpUserDlg.h"
#include "CSnmpViewDlg.h"

#include <QCheckBox>
#include <QLineEdit>

#include <functional>

namespace {

using namespace agenttest;

// --- users -------------------------------------------------------------------------------------

class UserPage : public AgentPageTest {
protected:
    using Id = CSnmpUserDlg::ControlId;
    enum Version { V1, V2c, V3 };
    void SetUp() override
    {
        AgentPageTest::SetUp();
        user("ops", 1, "opsgroup");
        user("ops", 3, "admins", 1, 3, 2);
        user("old", 2, "g", 2);
    }
    QLineEdit* edit(QWidget* page, int id) { return controlOf<QLineEdit>(page, id); }
    QComboBox* combo(QWidget* page, int id) { return controlOf<QComboBox>(page, id); }
    QCheckBox* encrypted(QWidget* page) { return controlOf<QCheckBox>(page, Id::IdEncrypted); }
public:
    // Fills the entry as the operator would: the version chosen, the box clicked.
    void enter(QWidget* page, const QString& name, const QString& group, int version, bool encrypt = false,
               int auth = 0, const QString& authPassword = {}, int priv = 1, const QString& privPassword = {})
    {
        edit(page, Id::IdName)->setText(name);
        edit(page, Id::IdGroup)->setText(group);
        chooseItem(combo(page, Id::IdVersion), version);
        if (encrypt != encrypted(page)->isChecked())
            encrypted(page)->click();
        chooseItem(combo(page, Id::IdAuthProtocol), auth);
        chooseItem(combo(page, Id::IdPrivProtocol), priv);
        edit(page, Id::IdAuthPassword)->setText(authPassword);
        edit(page, Id::IdPrivPassword)->setText(privPassword);
    }
    std::string status(const std::string& index) { return column(Users, 8, index); }
};

TEST_F(UserPage, ListsActiveUsers)
{
    auto page = open<CSnmpUserDlg>();
    EXPECT_EQ(page->windowTitle(), "SNMP User Table ");
    EXPECT_EQ(listHeaders(page.get(), Id::IdList),
              (QStringList{"User Name", "Group Name", "SNMP Version", "Auth Protocol", "Priv-Protocol"}));
    EXPECT_EQ(listRows(page.get(), Id::IdList), (std::vector<QStringList>{{"ops", "opsgroup", "V1", "None", "None"},
                                                                          {"ops", "admins", "V3", "SHA", "DES_CBC"}}));
}

TEST_F(UserPage, SecurityFieldsFollowTheVersionTheBoxAndThePrivacyProtocol)
{
    auto page = open<CSnmpUserDlg>();
    auto enabled = [&] {
        QString state;
        for (int id : {int(Id::IdEncrypted), int(Id::IdAuthProtocol), int(Id::IdAuthPassword), int(Id::IdPrivProtocol),
                       int(Id::IdPrivPassword)})
            state += page->findChild<QWidget*>(QString::number(id))->isEnabled() ? '1' : '0';
        return state;
    };
    EXPECT_EQ(enabled(), "00000");
    chooseItem(combo(page.get(), Id::IdVersion), V3);
    EXPECT_EQ(enabled(), "10000");
    encrypted(page.get())->click();
    EXPECT_EQ(enabled(), "11111"); // DES is the first privacy protocol
    chooseItem(combo(page.get(), Id::IdPrivProtocol), 1);
    EXPECT_EQ(enabled(), "11110");
    chooseItem(combo(page.get(), Id::IdPrivProtocol), 0);
    EXPECT_EQ(enabled(), "11111");
    encrypted(page.get())->click();
    EXPECT_EQ(enabled(), "10000");
    encrypted(page.get())->click();
    chooseItem(combo(page.get(), Id::IdVersion), V2c);
    EXPECT_EQ(enabled(), "00000");
}

TEST_F(UserPage, ChecksRunInOrderAndWriteNothing)
{
    struct Case {
        const char* name;
        std::function<void(UserPage&, QWidget*)> fill;
        const char* message;
        int focusedPassword = 0;
    };
    const QString md5Long(33, 'm'), shaLong(41, 's'), desLong(33, 'd');
    const Case cases[] = {
        {"no name", [](UserPage& t, QWidget* p) { t.enter(p, "  ", "g", V1); }, "Please enter valid User Name "},
        {"bad name", [](UserPage& t, QWidget* p) { t.enter(p, "a@b", "g", V1); }, "Invalid User Name ."},
        {"no group", [](UserPage& t, QWidget* p) { t.enter(p, "u", " ", V1); }, "Please enter valid Group Name "},
        {"bad group", [](UserPage& t, QWidget* p) { t.enter(p, "u", "g/h", V1); }, "Invalid Group Name."},
        {"same name and version", [](UserPage& t, QWidget* p) { t.enter(p, " ops ", "g", V3); },
         "This User Entry already exists."},
        {"no auth password", [](UserPage& t, QWidget* p) { t.enter(p, "u", "g", V3, true, 0, "   "); },
         "Auth-Protocol Password can't be empty.", Id::IdAuthPassword},
        {"MD5 password of 33", [&](UserPage& t, QWidget* p) { t.enter(p, "u", "g", V3, true, 0, md5Long); },
         " MD5 Max. Password length is 32.", Id::IdAuthPassword},
        {"SHA password of 41", [&](UserPage& t, QWidget* p) { t.enter(p, "u", "g", V3, true, 1, shaLong); },
         " SHA Max. Password length is 40.", Id::IdAuthPassword},
        {"no DES password", [](UserPage& t, QWidget* p) { t.enter(p, "u", "g", V3, true, 0, "authpass", 0, ""); },
         "Priv-Protocol Password can't be empty.", Id::IdPrivPassword},
        {"DES password of 33",
         [&](UserPage& t, QWidget* p) { t.enter(p, "u", "g", V3, true, 1, "authpass", 0, desLong); },
         " DES Max. Password length is 32.", Id::IdPrivPassword},
    };
    auto page = open<CSnmpUserDlg>();
    page->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(page.get()));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        boxes.clear();
        c.fill(*this, page.get());
        clickButton(page.get(), Id::IdApply);
        EXPECT_EQ(boxes.texts(), QStringList{c.message});
        if (c.focusedPassword) {
            EXPECT_EQ(QApplication::focusWidget(), edit(page.get(), c.focusedPassword));
            EXPECT_EQ(edit(page.get(), c.focusedPassword)->selectedText(), edit(page.get(), c.focusedPassword)->text());
        }
    }
    EXPECT_EQ(agent->requestCount(), 0);
}

TEST_F(UserPage, TheFiftyFirstUserIsRefused)
{
    for (int i = 0; i < 48; ++i)
        user("u" + std::to_string(i), 1, "g");
    auto page = open<CSnmpUserDlg>();
    ASSERT_EQ(listRows(page.get(), Id::IdList).size(), 50u);
    enter(page.get(), "new", "g", V1);
    clickButton(page.get(), Id::IdApply);
    EXPECT_EQ(boxes.texts(), QStringList{"Maximum number of User Entry is 50."});
    EXPECT_EQ(agent->requestCount(), 0);
}

TEST_F(UserPage, CreationSequences)
{
    const std::string ops2 = nameIndex("ops") + ".2";
    const std::string md5 = nameIndex("md5") + ".3";
    const std::string sha = nameIndex("sha") + ".3";
    const std::string plain = nameIndex("plain") + ".3";
    const QString md5Max(32, 'm'), shaMax(40, 's');
    struct Case {
        const char* name;
        std::function<void(UserPage&, QWidget*)> fill;
        Sets expected;
    };
    const Case cases[] = {
        {"same name, other version",
         [](UserPage& t, QWidget* p) { t.enter(p, "ops", QString::fromUtf8("Gruppe-ü"), V2c); },
         {{integer(status(ops2), 5)},
          {octets(column(Users, 3, ops2), "Gruppe-\xc3\xbc")},
          {integer(status(ops2), 1)}}},
        {"MD5 of 32 without privacy",
         [&](UserPage& t, QWidget* p) { t.enter(p, "md5", "g", V3, true, 0, md5Max, 1, "ignored"); },
         {{integer(status(md5), 5)},
          {octets(column(Users, 3, md5), "g")},
          {integer(column(Users, 4, md5), 2)},
          {octets(column(Users, 5, md5), md5Max.toStdString())},
          {integer(status(md5), 1)}}},
        {"SHA of 40 with DES",
         [&](UserPage& t, QWidget* p) { t.enter(p, "sha", "g", V3, true, 1, " " + shaMax + " ", 0, "privpass1"); },
         {{integer(status(sha), 5)},
          {octets(column(Users, 3, sha), "g")},
          {integer(column(Users, 4, sha), 3), integer(column(Users, 6, sha), 2)},
          {octets(column(Users, 5, sha), shaMax.toStdString()), octets(column(Users, 7, sha), "privpass1")},
          {integer(status(sha), 1)}}},
        {"version 3 without encryption",
         [](UserPage& t, QWidget* p) { t.enter(p, "plain", "g", V3, false); },
         {{integer(status(plain), 5)},
          {octets(column(Users, 3, plain), "g")},
          {integer(column(Users, 4, plain), 1)},
          {octets(column(Users, 5, plain), "")},
          {integer(status(plain), 1)}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto page = open<CSnmpUserDlg>();
        c.fill(*this, page.get());
        clickButton(page.get(), Id::IdApply);
        EXPECT_TRUE(boxes.texts().isEmpty()) << boxes.texts().join('|').toStdString();
        EXPECT_EQ(sets(), c.expected);
        EXPECT_TRUE(edit(page.get(), Id::IdName)->text().isEmpty());
        EXPECT_EQ(combo(page.get(), Id::IdVersion)->currentIndex(), 0);
        EXPECT_TRUE(openAndWait(*page, Id::IdApply));
    }
}

TEST_F(UserPage, FailedProtocolWriteStopsTheCreationAndDestroysTheRow)
{
    auto page = open<CSnmpUserDlg>();
    snmp::MemoryAgent::Fault refused;
    refused.errorStatus = snmp::ErrorStatus::InconsistentValue;
    agent->setObjectFault(column(Users, 4), refused);
    enter(page.get(), "md5", "g", V3, true, 0, "authpass1", 1);
    clickButton(page.get(), Id::IdApply);
    // 5, group, the refused protocols, then destroy: no password, no active, no half-made row
    ASSERT_EQ(sets().size(), 4u);
    EXPECT_EQ(sets()[3], (std::vector<std::string>{integer(status(nameIndex("md5") + ".3"), 6)}));
    EXPECT_EQ(edit(page.get(), Id::IdName)->text(), "md5");
}

TEST_F(UserPage, DeleteDestroysTheSelectedUser)
{
    auto page = open<CSnmpUserDlg>();
    clickButton(page.get(), Id::IdDelete);
    EXPECT_EQ(boxes.texts(), QStringList{"Please select the item would be delete!\n"});
    controlOf<CListView>(page.get(), Id::IdList)->selectRow(1);
    clickButton(page.get(), Id::IdDelete);
    EXPECT_EQ(sets(), (Sets{{integer(status(nameIndex("ops") + ".3"), 6)}}));
}

// --- groups ------------------------------------------------------------------------------------

class GroupPage : public AgentPageTest {
protected:
    using Id = CSnmpGroupDlg::ControlId;
    void SetUp() override
    {
        AgentPageTest::SetUp();
        group("admins", 3, 3, "all", "all", "", 1);
        group("readers", 2, 1, "mib2", "", "mib2", 1);
        group("draft", 1, 1, "", "", "", 5);
    }
    void enter(QWidget* page, const QString& name, int model, int level, const QString& read = {},
               const QString& write = {}, const QString& notify = {})
    {
        controlOf<QLineEdit>(page, Id::IdName)->setText(name);
        controlOf<QLineEdit>(page, Id::IdReadView)->setText(read);
        controlOf<QLineEdit>(page, Id::IdWriteView)->setText(write);
        controlOf<QLineEdit>(page, Id::IdNotifyView)->setText(notify);
        controlOf<QComboBox>(page, Id::IdLevel)->setCurrentIndex(level);
        chooseItem(controlOf<QComboBox>(page, Id::IdModel), model);
    }
};

TEST_F(GroupPage, ListsActiveGroupsAndEnablesTheLevelForVersionThreeOnly)
{
    auto page = open<CSnmpGroupDlg>();
    EXPECT_EQ(page->windowTitle(), "SNMP Group Table Info");
    EXPECT_EQ(listHeaders(page.get(), Id::IdList), (QStringList{"Group Name", "Read View", "Write View", "Notify View",
                                                                "Security Model", "Security Level"}));
    EXPECT_EQ(listRows(page.get(), Id::IdList),
              (std::vector<QStringList>{{"admins", "all", "all", "", "v3", "AuthPriv"},
                                        {"readers", "mib2", "", "mib2", "v2c", "NoAuthNoPriv"}}));
    auto* level = controlOf<QComboBox>(page.get(), Id::IdLevel);
    EXPECT_FALSE(level->isEnabled());
    chooseItem(controlOf<QComboBox>(page.get(), Id::IdModel), 2);
    EXPECT_TRUE(level->isEnabled());
    chooseItem(controlOf<QComboBox>(page.get(), Id::IdModel), 0);
    EXPECT_FALSE(level->isEnabled());
}

TEST_F(GroupPage, ChecksRunInOrderAndWriteNothing)
{
    struct Case {
        QString name;
        int model, level;
        const char* message;
    };
    const Case cases[] = {
        {"", 0, 0, "Please enter valid group name!"},
        {"a,b", 0, 0, "Invalid Group Name."},
        {"admins", 2, 0, "This Group Entry already exists."}, // another level is still the same group
        {"readers", 1, 2, "This Group Entry already exists."},
    };
    auto page = open<CSnmpGroupDlg>();
    for (const Case& c : cases) {
        boxes.clear();
        enter(page.get(), c.name, c.model, c.level, "bad.view.names.are.not.checked");
        clickButton(page.get(), Id::IdApply);
        EXPECT_EQ(boxes.texts(), QStringList{c.message}) << c.name.toStdString();
    }
    for (int i = 0; i < 48; ++i)
        group("g" + std::to_string(i), 1, 1, "", "", "");
    clickButton(page.get(), Id::IdRefresh);
    ASSERT_TRUE(openAndWait(*page, Id::IdApply));
    boxes.clear();
    enter(page.get(), "new", 0, 0);
    clickButton(page.get(), Id::IdApply);
    EXPECT_EQ(boxes.texts(), QStringList{"Maximum number of Group Entry is 50."});
    EXPECT_TRUE(sets().empty());
}

TEST_F(GroupPage, CreationWritesTheViewsThatAreGiven)
{
    struct Case {
        QString name;
        int model, level;
        QString read, write, notify;
        std::string index;
        std::vector<std::string> views; // the middle request; none when empty
    };
    const std::string admins1 = nameIndex("admins") + ".1.3"; // the inactive level list still counts
    const std::string ops = nameIndex("ops") + ".3.2";
    const Case cases[] = {
        {"ops", 2, 1, "all", "", "trap", ops,
         {octets(column(Groups, 4, ops), "all"), octets(column(Groups, 6, ops), "trap")}},
        {"admins", 0, 2, QString::fromUtf8("Ansicht-ä"), "w", "", admins1,
         {octets(column(Groups, 4, admins1), "Ansicht-\xc3\xa4"), octets(column(Groups, 5, admins1), "w")}},
        {"bare", 0, 0, "", "", "", nameIndex("bare") + ".1.1", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        auto page = open<CSnmpGroupDlg>();
        enter(page.get(), c.name, c.model, c.level, c.read, c.write, c.notify);
        clickButton(page.get(), Id::IdApply);
        EXPECT_TRUE(boxes.texts().isEmpty());
        Sets expected{{integer(column(Groups, 7, c.index), 5)}};
        if (!c.views.empty())
            expected.push_back(c.views);
        expected.push_back({integer(column(Groups, 7, c.index), 1)});
        EXPECT_EQ(sets(), expected);
        EXPECT_TRUE(controlOf<QLineEdit>(page.get(), Id::IdName)->text().isEmpty());
        ASSERT_TRUE(openAndWait(*page, Id::IdApply));
    }
}

TEST_F(GroupPage, DeleteDestroysTheSelectedGroupByItsIndex)
{
    auto page = open<CSnmpGroupDlg>();
    clickButton(page.get(), Id::IdDelete);
    EXPECT_EQ(boxes.texts(), QStringList{"Please select the item would be delete!\n"});
    controlOf<CListView>(page.get(), Id::IdList)->selectRow(0);
    clickButton(page.get(), Id::IdDelete);
    EXPECT_EQ(sets(), (Sets{{integer(column(Groups, 7, nameIndex("admins") + ".3.3"), 6)}}));
}

// --- views -------------------------------------------------------------------------------------

class ViewPage : public AgentPageTest {
protected:
    using Id = CSnmpViewDlg::ControlId;
    void SetUp() override
    {
        AgentPageTest::SetUp();
        view("all", "1", std::string(1, '\1'), 1);
        view("mib2", "1.3.6.1.2.1", std::string("\1\1\1\1\1\0", 6), 2);
        view("gone", "1.3", "", 1, 2);
    }
    void enter(QWidget* page, const QString& name, const QString& subtree, const QString& mask, int type = 0)
    {
        controlOf<QLineEdit>(page, Id::IdName)->setText(name);
        controlOf<QLineEdit>(page, Id::IdSubtree)->setText(subtree);
        controlOf<QLineEdit>(page, Id::IdMask)->setText(mask);
        controlOf<QComboBox>(page, Id::IdType)->setCurrentIndex(type);
    }
};

TEST_F(ViewPage, ListsActiveViewsWithTheSubtreeFromTheIndex)
{
    auto page = open<CSnmpViewDlg>();
    EXPECT_EQ(page->windowTitle(), "SNMP View Table Configuration");
    EXPECT_EQ(listHeaders(page.get(), Id::IdList), (QStringList{"View Name", "Subtree OID", "OID Mask", "View Type"}));
    EXPECT_EQ(listRows(page.get(), Id::IdList),
              (std::vector<QStringList>{{"all", "1", "1", "Included"}, {"mib2", "1.3.6.1.2.1", "1.1.1.1.1.0", "Excluded"}}));
}

TEST_F(ViewPage, ChecksRunInOrderAndWriteNothing)
{
    struct Case {
        QString name, subtree, mask;
        const char* message;
    };
    const Case cases[] = {
        {" ", "1.3", "1", "Please enter valid view name."},
        {"a?b", "1.3", "1", "Invalid View Name."},
        {"v", "1.3a", "1", "Please enter valid subtree OID"},
        {"v", "1 .3", "1", "Please enter valid subtree OID"},
        {"v", ".1.3", "1", "Please enter valid subtree OID ."},
        {"v", "1..3", "1", "Please enter valid subtree OID ."},
        {"v", "1.3.", "1", "Please enter valid subtree OID ."},
        {"v", "", "1", "Please enter valid subtree OID ."},
        {"v", "1.4294967296", "1", "The subtree has a number larger than 4294967295."}, // fault 12
        {"v", "1.3.99999999999999999999", "1", "The subtree has a number larger than 4294967295."},
        {"v", "1.4294967296", "1.2", "The subtree has a number larger than 4294967295."},
        {"v", "1.3", "  ", "Please enter valid OID Mask."},
        {"v", "1.3", "1.2", "Please enter valid OID Mask."},
        {"v", "1.3", "1..1", "Please enter valid OID Mask."},
        {"v", "1.3", "1.", "Please enter valid OID Mask."},
        {"v", "1.3", "001", "Please enter valid OID Mask."},
        {"v", "1.3.6", "1.1.1.1", "Invalid  OID length"},
        {"mib2", "1.3.6.1.2.1", "1", "This View Entry already exist."},
    };
    auto page = open<CSnmpViewDlg>();
    for (const Case& c : cases) {
        boxes.clear();
        enter(page.get(), c.name, c.subtree, c.mask);
        clickButton(page.get(), Id::IdApply);
        EXPECT_EQ(boxes.texts(), QStringList{c.message})
            << c.name.toStdString() << " " << c.subtree.toStdString() << " " << c.mask.toStdString();
    }
    for (int i = 0; i < 48; ++i)
        view("v" + std::to_string(i), "1.3", "", 1);
    clickButton(page.get(), Id::IdRefresh);
    ASSERT_TRUE(openAndWait(*page, Id::IdApply));
    boxes.clear();
    enter(page.get(), "new", "1.3", "1");
    clickButton(page.get(), Id::IdApply);
    EXPECT_EQ(boxes.texts(), QStringList{"Maximum number of View Entry is 50."});
    EXPECT_TRUE(sets().empty());
}

TEST_F(ViewPage, CreationWritesTheMaskUnpaddedAndTheType)
{
    struct Case {
        QString name, subtree, mask;
        int type;
        std::string maskOctets;
        int typeValue;
    };
    const Case cases[] = {
        {"sys", "1.3.6", "1.01", 1, std::string("\1\1", 2), 2},
        {"mib2", "1.3.6.1.2", " 0.00.1 ", 0, std::string("\0\0\1", 3), 1}, // another subtree of a known name
        {"top", "1.4294967295", "1.1", 0, std::string("\1\1", 2), 1}, // the largest sub-identifier
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        auto page = open<CSnmpViewDlg>();
        enter(page.get(), c.name, c.subtree, c.mask, c.type);
        clickButton(page.get(), Id::IdApply);
        EXPECT_TRUE(boxes.texts().isEmpty());
        const std::string index = nameIndex(c.name.toStdString()) + "." +
                                  std::to_string(c.subtree.count('.') + 1) + "." + c.subtree.toStdString();
        EXPECT_EQ(sets(), (Sets{{integer(column(Views, 5, index), 5)},
                                {octets(column(Views, 3, index), c.maskOctets), integer(column(Views, 4, index), c.typeValue)},
                                {integer(column(Views, 5, index), 1)}}));
        ASSERT_TRUE(openAndWait(*page, Id::IdApply));
    }
}

TEST_F(ViewPage, DeleteDestroysTheSelectedViewByItsIndex)
{
    auto page = open<CSnmpViewDlg>();
    clickButton(page.get(), Id::IdDelete);
    EXPECT_EQ(boxes.texts(), QStringList{"Please Selecte the Item you would delete"});
    controlOf<CListView>(page.get(), Id::IdList)->selectRow(1);
    clickButton(page.get(), Id::IdDelete);
    EXPECT_EQ(sets(), (Sets{{integer(column(Views, 5, nameIndex("mib2") + ".6.1.3.6.1.2.1"), 6)}}));
}

} // namespace

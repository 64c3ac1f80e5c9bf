// System Information: the read, the name checks and the write of name and location.

#include "PageTestSupport.h"

#include "CSystemInfoDlg.h"

#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

using Id = CSystemInfoDlg::ControlId;

const std::string sysName = "1.3.6.1.2.1.1.5.0";
const std::string sysLocation = "1.3.6.1.2.1.1.6.0";
// "Zürich-交换机" and "Büro 3. Stock" would be refused ('.'), so the location is "Büro Süd".
const std::string nameBytes = "Z\xC3\xBCrich-\xE4\xBA\xA4\xE6\x8D\xA2\xE6\x9C\xBA";
const std::string locationBytes = "B\xC3\xBCro S\xC3\xBC" "d";

class SystemInfoPage : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        load("1.3.6.1.2.1.1.1.0|4|SORVEX-A B1 managed switch\n"
             "1.3.6.1.2.1.1.2.0|6|1.3.6.1.4.1.32473.10.75.1\n"
             "1.3.6.1.2.1.1.3.0|67|2592000000\n"
             "1.3.6.1.2.1.1.4.0|4|ops@example.net\n");
        agent->setOctets(sysName, nameBytes);
        agent->setOctets(sysLocation, locationBytes);
    }
    QLineEdit* edit(const QWidget* page, int id) { return controlOf<QLineEdit>(page, id); }
    std::vector<snmp::MemoryAgent::Request> sets() { return agent->requestsOfType(snmp::PduType::Set); }
};

TEST_F(SystemInfoPage, ShowsTheSystemGroupWithNamesDecodedAndRuntimeUnsigned)
{
    CSystemInfoDlg page;
    ASSERT_TRUE(openAndWait(page, Id::IdApply));
    EXPECT_EQ(page.windowTitle(), "System Information");
    EXPECT_EQ(controlOf<QPlainTextEdit>(&page, Id::IdDescription)->toPlainText(), "SORVEX-A B1 managed switch");
    EXPECT_EQ(edit(&page, Id::IdObjectOid)->text(), "1.3.6.1.4.1.32473.10.75.1");
    EXPECT_EQ(edit(&page, Id::IdRuntime)->text(), "7200 Hour 0 Min"); // 300 days: above 2^31 ticks
    EXPECT_EQ(edit(&page, Id::IdName)->text(), QString::fromUtf8(nameBytes));
    EXPECT_EQ(edit(&page, Id::IdLocation)->text(), QString::fromUtf8(locationBytes));
    EXPECT_EQ(edit(&page, Id::IdContact)->text(), "ops@example.net");
    EXPECT_FALSE(edit(&page, Id::IdContact)->isVisible());
    EXPECT_EQ(edit(&page, Id::IdName)->accessibleName(), "Name:");
}

TEST_F(SystemInfoPage, ApplyWritesNameAndLocationAsUtf8UnchangedAndNotTheContact)
{
    const std::string longName = "edge-switch-in-the-basement-rack-7"; // longer than the 20 one may type
    agent->setOctets(sysName, longName);
    CSystemInfoDlg page;
    ASSERT_TRUE(openAndWait(page, Id::IdApply));
    EXPECT_EQ(edit(&page, Id::IdName)->text(), QString::fromStdString(longName));
    clickButton(&page, Id::IdApply);
    ASSERT_EQ(sets().size(), 1u);
    EXPECT_EQ(bindTexts(sets()[0]),
              (std::vector<std::string>{sysName + "=4:" + longName, sysLocation + "=4:" + locationBytes}));

    agent->setOctets(sysName, nameBytes);
    clickButton(&page, Id::IdRefresh);
    ASSERT_TRUE(openAndWait(page, Id::IdApply));
    clickButton(&page, Id::IdApply);
    ASSERT_EQ(sets().size(), 2u);
    EXPECT_EQ(bindTexts(sets()[1])[0], sysName + "=4:" + nameBytes);
    EXPECT_EQ(sets()[1].target.community, "lantern");
    EXPECT_TRUE(boxes.texts().isEmpty());
}

TEST_F(SystemInfoPage, ForbiddenCharactersAreRefusedAndNothingIsSent)
{
    struct Case {
        const char* name;
        const char* location;
        const char* message; // nullptr: accepted
    };
    const Case cases[] = {
        {"core.sw", "lab", "Invalid System Name."},
        {"core sw", "rack #4", "Invalid System Location."},
        {"core/sw", "rack #4", "Invalid System Name."}, // the name is checked first
        {"core sw", "abcdefghijklmnopqrst", nullptr},   // 20 characters are fine
    };
    CSystemInfoDlg page;
    ASSERT_TRUE(openAndWait(page, Id::IdApply));
    for (const Case& c : cases) {
        boxes.clear();
        agent->clearRequests();
        edit(&page, Id::IdName)->setText(QString::fromUtf8(c.name));
        edit(&page, Id::IdLocation)->setText(QString::fromUtf8(c.location));
        clickButton(&page, Id::IdApply);
        if (c.message) {
            EXPECT_EQ(boxes.texts(), QStringList{c.message}) << c.name << " / " << c.location;
            EXPECT_TRUE(sets().empty()) << c.name << " / " << c.location;
        } else {
            EXPECT_TRUE(boxes.texts().isEmpty());
            EXPECT_EQ(sets().size(), 1u);
        }
    }
}

TEST_F(SystemInfoPage, ApplyWaitsForTheReadAndTypingStopsAtTwentyCharacters)
{
    snmp::MemoryAgent::Fault slow;
    slow.delayMs = 300;
    agent->setDefaultFault(slow);
    CSystemInfoDlg page;
    page.show();
    EXPECT_FALSE(controlOf<QPushButton>(&page, Id::IdApply)->isEnabled());
    ASSERT_TRUE(openAndWait(page, Id::IdApply));
    QLineEdit* name = edit(&page, Id::IdName);
    name->clear();
    QTest::keyClicks(name, QStringLiteral("abcdefghijklmnopqrstuvwxy"));
    EXPECT_EQ(name->text(), "abcdefghijklmnopqrst");
}

// Version 3 answers a get of an object the switch lacks with noSuchObject in its place: that is
// no value, so the page must neither show it as empty text nor write it back.
TEST_F(SystemInfoPage, Version3SwitchWithoutALocationKeepsApplyDisabledAndWritesNothing)
{
    LaunchParams::setCurrent(
        LaunchParams::parse("/A1/I192.0.2.1/R/W/ETRUE/V3/P161/X/Y/T1/S3/Uadmin/Aauthpass1/Bprivpass1/H3/J2"));
    agent->remove(sysLocation);
    CSystemInfoDlg page;
    page.show();
    auto* refresh = controlOf<QPushButton>(&page, Id::IdRefresh);
    ASSERT_TRUE(waitUntil([&] { return refresh->isEnabled(); }));
    ASSERT_FALSE(agent->requestsOfType(snmp::PduType::Get).empty());
    EXPECT_EQ(agent->requestsOfType(snmp::PduType::Get).back().target.version, 3);
    EXPECT_FALSE(controlOf<QPushButton>(&page, Id::IdApply)->isEnabled());
    EXPECT_TRUE(edit(&page, Id::IdLocation)->text().isEmpty());
    EXPECT_TRUE(edit(&page, Id::IdName)->text().isEmpty()) << "nothing of a failed read is shown";
    EXPECT_TRUE(sets().empty());
}

} // namespace

// Syslog Host Configuration: the read, the checks, the two writes and the success message.

#include "PageTestSupport.h"

#include "CIpAddressEdit.h"
#include "CSyslogDlg.h"
#include "Enterprise.h"

#include <QCheckBox>
#include <QLineEdit>

namespace {

using Id = CSyslogDlg::ControlId;

std::string object(int column)
{
    return snmp::expandEnterprise("ENTERPRISE.10.75.5.2.16.1." + std::to_string(column) + ".0");
}

class SyslogPage : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        seed(10, 1514, 144, 6, 1);
    }
    // Server 192.0.2.<lastOctet>.
    void seed(int lastOctet, int port, int facility, int severity, int state)
    {
        agent->set(snmp::VarBind::ipAddress(object(1), std::string{char(192), 0, 2, char(lastOctet)}));
        agent->setInteger(object(2), port);
        agent->setInteger(object(4), severity);
        agent->setInteger(object(5), facility);
        agent->setInteger(object(6), state);
    }
    CIpAddressEdit* hostIp(const QWidget* page) { return controlOf<CIpAddressEdit>(page, Id::IdHostIp); }
    QLineEdit* udpPort(const QWidget* page) { return controlOf<QLineEdit>(page, Id::IdUdpPort); }
    QComboBox* combo(const QWidget* page, int id) { return controlOf<QComboBox>(page, id); }
    QCheckBox* enable(const QWidget* page) { return controlOf<QCheckBox>(page, Id::IdEnable); }
    std::vector<std::vector<std::string>> sets()
    {
        std::vector<std::vector<std::string>> texts;
        for (const auto& request : agent->requestsOfType(snmp::PduType::Set))
            texts.push_back(bindTexts(request));
        return texts;
    }
    std::string ip(const std::string& fourOctets) { return object(1) + "=64:" + fourOctets; }
    std::string integer(int column, int value) { return object(column) + "=2:" + std::to_string(value); }
};

TEST_F(SyslogPage, ReadShowsTheServerAndEnablesTheFieldsWhenOn)
{
    CSyslogDlg page;
    ASSERT_TRUE(openAndWait(page, Id::IdApply));
    EXPECT_EQ(page.windowTitle(), "Syslog Host Configuration");
    EXPECT_EQ(hostIp(&page)->text(), "192.0.2.10");
    EXPECT_EQ(udpPort(&page)->text(), "1514");
    EXPECT_EQ(combo(&page, Id::IdFacility)->currentText(), "local2");
    EXPECT_EQ(combo(&page, Id::IdSeverity)->currentText(), "Info");
    EXPECT_TRUE(enable(&page)->isChecked());
    EXPECT_TRUE(hostIp(&page)->isEnabled());
    EXPECT_TRUE(udpPort(&page)->isEnabled());
    // The request asks the five objects in the page's order.
    const auto gets = agent->requestsOfType(snmp::PduType::Get);
    ASSERT_EQ(gets.size(), 1u);
    std::vector<std::string> oids;
    for (const auto& b : gets[0].binds)
        oids.push_back(b.oid);
    EXPECT_EQ(oids, (std::vector<std::string>{object(1), object(2), object(5), object(4), object(6)}));
}

// A facility or severity the lists do not hold is shown as its number and written back as read,
// unless the operator picks another item (fault 6).
TEST_F(SyslogPage, UnknownFacilityAndSeverityAreShownAsReadAndWrittenBackUnchanged)
{
    seed(10, 514, 16, 3, 1);
    CSyslogDlg page;
    combo(&page, Id::IdSeverity)->setCurrentIndex(2);
    combo(&page, Id::IdFacility)->setCurrentIndex(5);
    ASSERT_TRUE(openAndWait(page, Id::IdApply));
    EXPECT_EQ(combo(&page, Id::IdFacility)->currentText(), "16");
    EXPECT_EQ(combo(&page, Id::IdSeverity)->currentText(), "3");
    EXPECT_EQ(combo(&page, Id::IdFacility)->itemText(0), "local0");
    agent->clearRequests();
    clickButton(&page, Id::IdApply);
    const std::string host = ip(std::string("\xc0\x00\x02\x0a", 4));
    EXPECT_EQ(sets(), (std::vector<std::vector<std::string>>{
                          {host, integer(2, 514), integer(4, 3), integer(5, 16)}, {integer(6, 1)}}));

    // Picking a listed item writes that item; the unlisted value is gone once the switch holds it.
    ASSERT_TRUE(openAndWait(page, Id::IdApply));
    combo(&page, Id::IdFacility)->setCurrentIndex(1);
    combo(&page, Id::IdSeverity)->setCurrentIndex(0);
    agent->clearRequests();
    clickButton(&page, Id::IdApply);
    EXPECT_EQ(sets(), (std::vector<std::vector<std::string>>{
                          {host, integer(2, 514), integer(4, 4), integer(5, 136)}, {integer(6, 1)}}));
    ASSERT_TRUE(openAndWait(page, Id::IdApply));
    EXPECT_EQ(combo(&page, Id::IdFacility)->count(), 8);
    EXPECT_EQ(combo(&page, Id::IdSeverity)->count(), 3);
    EXPECT_EQ(combo(&page, Id::IdFacility)->currentText(), "local1");
}

TEST_F(SyslogPage, SyslogOffDisablesTheHostFields)
{
    seed(10, 514, 144, 6, 2);
    CSyslogDlg page;
    ASSERT_TRUE(openAndWait(page, Id::IdApply));
    EXPECT_FALSE(enable(&page)->isChecked());
    EXPECT_FALSE(hostIp(&page)->isEnabled());
    EXPECT_FALSE(combo(&page, Id::IdSeverity)->isEnabled());
}

TEST_F(SyslogPage, ApplyWritesTheHostSettingsThenTheStateThenReadsAgain)
{
    CSyslogDlg page;
    ASSERT_TRUE(openAndWait(page, Id::IdApply));
    hostIp(&page)->setText(QStringLiteral("10.0.0.1"));
    udpPort(&page)->setText(QStringLiteral("2514"));
    combo(&page, Id::IdFacility)->setCurrentIndex(7);
    combo(&page, Id::IdSeverity)->setCurrentIndex(0);
    agent->clearRequests();
    clickButton(&page, Id::IdApply);
    EXPECT_EQ(sets(), (std::vector<std::vector<std::string>>{
                          {ip(std::string("\x0a\x00\x00\x01", 4)), integer(2, 2514), integer(4, 4), integer(5, 184)},
                          {integer(6, 1)}}));
    EXPECT_EQ(boxes.texts(), QStringList{"Set System log Server successfully"});
    ASSERT_TRUE(openAndWait(page, Id::IdApply));
    EXPECT_EQ(agent->requestsOfType(snmp::PduType::Get).size(), 1u);
    EXPECT_EQ(hostIp(&page)->text(), "10.0.0.1");
}

TEST_F(SyslogPage, ApplyWithSyslogOffWritesOnlyTheState)
{
    CSyslogDlg page;
    ASSERT_TRUE(openAndWait(page, Id::IdApply));
    enable(&page)->click();
    EXPECT_FALSE(hostIp(&page)->isEnabled());
    udpPort(&page)->setText(QStringLiteral("0")); // not checked while off
    agent->clearRequests();
    clickButton(&page, Id::IdApply);
    EXPECT_EQ(sets(), (std::vector<std::vector<std::string>>{{integer(6, 2)}}));
    EXPECT_EQ(boxes.texts(), QStringList{"Set System log Server successfully"});
}

// A refused check writes nothing, not even the state, and shows no success (fault 7).
TEST_F(SyslogPage, RefusedHostChecksWriteNothing)
{
    struct Case {
        const char* address;
        const char* port;
        const char* message; // nullptr: host settings written; "": skipped without a word
    };
    const Case cases[] = {
        {"0.1.2.3", "514", "Syslog Server IP Error."},
        {"255.1.2.3", "514", "Syslog Server IP Error."},
        {"10.1.1.255", "514", "Syslog Server IP Error."},
        {"10.1.1.0", "514", "Syslog Server IP Error."},
        {"10.0.0.1", "0", "Invalid UDP port range (1-65535)"},
        {"10.0.0.1", "65536", "Invalid UDP port range (1-65535)"},
        {"10.0.0.1", "", "Invalid UDP port range (1-65535)"},
        {"10.0.0.1", "65535", nullptr},
        {"", "514", ""}, // an empty address: only the state is written
    };
    CSyslogDlg page;
    ASSERT_TRUE(openAndWait(page, Id::IdApply));
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.address) + ":" + c.port);
        hostIp(&page)->setText(QString::fromLatin1(c.address));
        udpPort(&page)->setText(QString::fromLatin1(c.port));
        boxes.clear();
        agent->clearRequests();
        clickButton(&page, Id::IdApply);
        const bool refused = c.message && *c.message;
        const auto written = sets();
        if (refused) {
            EXPECT_EQ(boxes.texts(), QStringList{c.message});
            EXPECT_TRUE(written.empty());
            EXPECT_TRUE(controlOf<QPushButton>(&page, Id::IdApply)->isEnabled());
            continue;
        }
        EXPECT_EQ(boxes.texts(), QStringList{"Set System log Server successfully"});
        ASSERT_EQ(written.size(), c.message ? 1u : 2u);
        EXPECT_EQ(written.back(), std::vector<std::string>{integer(6, 1)});
        ASSERT_TRUE(openAndWait(page, Id::IdApply));
    }
}

TEST_F(SyslogPage, RefusedStateWriteShowsNoSuccess)
{
    CSyslogDlg page;
    ASSERT_TRUE(openAndWait(page, Id::IdApply));
    snmp::MemoryAgent::Fault refused;
    refused.errorStatus = snmp::ErrorStatus::BadValue;
    agent->setObjectFault(object(6), refused);
    enable(&page)->click();
    clickButton(&page, Id::IdApply);
    EXPECT_TRUE(boxes.texts().isEmpty());
}

TEST_F(SyslogPage, PortBoxKeepsFiveCharactersAndApplyWaitsForTheRead)
{
    snmp::MemoryAgent::Fault slow;
    slow.delayMs = 300;
    agent->setDefaultFault(slow);
    CSyslogDlg page;
    EXPECT_EQ(udpPort(&page)->text(), "514");
    page.show();
    EXPECT_FALSE(controlOf<QPushButton>(&page, Id::IdApply)->isEnabled());
    ASSERT_TRUE(openAndWait(page, Id::IdApply));
    QLineEdit* port = udpPort(&page);
    port->setText(QStringLiteral("6553"));
    port->setCursorPosition(2);
    QTest::keyClicks(port, QStringLiteral("9"));
    EXPECT_EQ(port->text(), "65953");
    QTest::keyClicks(port, QStringLiteral("1"));
    EXPECT_EQ(port->text(), "65915");
    EXPECT_EQ(port->cursorPosition(), 4);
}

} // namespace

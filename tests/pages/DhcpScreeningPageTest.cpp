// DHCP Server Screening: the trusted ports and servers as read, the server checks and the
// create at the index after the listed ones, Delete, and the trusted-port write.

#include "SecurityPageSupport.h"

#include "CDhcpScreeningDlg.h"
#include "CIpAddressEdit.h"

#include <QLineEdit>

using namespace std::string_literals;

namespace {

using Id = CDhcpScreeningDlg::ControlId;

const std::string screeningPorts = deviceObject("14.7.1.0");
std::string serverColumn(int column, int index)
{
    return deviceObject("14.7.2.1." + std::to_string(column) + "." + std::to_string(index));
}

class DhcpScreeningPage : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        agent->setOctets(screeningPorts, "\x00\x00\x00\xc0"s); // ports 25 and 26
        server(1, "\xc0\x00\x02\x43", 1);                       // 192.0.2.67
        server(2, "\xc0\x00\x02\x44", 2);                       // out of service: not listed
        server(4, "\xc6\x33\x64\x09", 1);                       // 198.51.100.9
        agent->setOctets(deviceObject("8.1.3.1.2.1"), "\x60\x00\x00\x00"s); // ports 2 and 3
    }
    void server(int index, const char* address, int status)
    {
        agent->setInteger(serverColumn(1, index), index);
        agent->set(snmp::VarBind::ipAddress(serverColumn(2, index), std::string(address, 4)));
        agent->setInteger(serverColumn(3, index), status);
    }
    std::unique_ptr<CDhcpScreeningDlg> open()
    {
        auto page = std::make_unique<CDhcpScreeningDlg>();
        EXPECT_TRUE(openAndWait(*page, Id::IdServerAdd));
        agent->clearRequests();
        boxes.clear();
        return page;
    }
    QLineEdit* ports(const QWidget* page) { return controlOf<QLineEdit>(page, Id::IdPorts); }
    CIpAddressEdit* serverIp(const QWidget* page) { return controlOf<CIpAddressEdit>(page, Id::IdServerIp); }
};

TEST_F(DhcpScreeningPage, ShowsTheTrustedPortsAsRangesAndTheActiveServers)
{
    auto page = open();
    EXPECT_EQ(page->windowTitle(), "DHCP Server Screening Settings  ");
    EXPECT_EQ(ports(page.get())->text(), "25-26");
    EXPECT_EQ(listHeaders(page.get(), Id::IdList), (QStringList{"Index", "IP Address"}));
    EXPECT_EQ(listRows(page.get(), Id::IdList),
              (std::vector<QStringList>{{"1", "192.0.2.67"}, {"4", "198.51.100.9"}}));
}

TEST_F(DhcpScreeningPage, ServerChecksRunInOrderAndWriteNothingWhenOneFails)
{
    struct Case {
        const char* address; // nullptr: three fields filled
        const char* message;
        bool fiveListed = false;
    };
    const Case cases[] = {
        {nullptr, "Invalid IP address."},
        {"10.1.2.0", "Invalid server IP address."},
        {"127.0.0.1", "Invalid server IP address."},
        {"198.51.100.9", "Duplicate server IP address."},
        {"10.1.2.3", "The maximum entries is 5.", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        if (c.fiveListed) {
            for (int i = 5; i <= 7; ++i)
                server(i, "\x0a\x00\x00\x01", 1);
        }
        auto page = open();
        if (c.address) {
            serverIp(page.get())->setText(QString::fromLatin1(c.address));
        } else {
            serverIp(page.get())->setText(QStringLiteral("10.1.2.3"));
            serverIp(page.get())->field(3)->clear();
        }
        clickButton(page.get(), Id::IdServerAdd);
        EXPECT_EQ(boxes.texts(), QStringList{c.message});
        EXPECT_TRUE(setRequests(*agent).empty());
    }
}

TEST_F(DhcpScreeningPage, NewServerTakesTheIndexAfterTheListedOnesAndIsReadBack)
{
    auto page = open();
    agent->setInteger(serverColumn(1, 3), 3); // the switch's own index column of a new entry
    serverIp(page.get())->setText(QStringLiteral("10.1.2.3"));
    clickButton(page.get(), Id::IdServerAdd);
    EXPECT_TRUE(boxes.texts().isEmpty());
    EXPECT_EQ(setRequests(*agent), (SetTexts{{intBind(serverColumn(3, 3), 5)},
                                             {serverColumn(2, 3) + "=64:\x0a\x01\x02\x03"},
                                             {intBind(serverColumn(3, 3), 1)}}));
    ASSERT_TRUE(openAndWait(*page, Id::IdServerAdd));
    EXPECT_EQ(listRows(page.get(), Id::IdList).size(), 3u);
}

// The new entry's index is the lowest that no row of the table holds, listed or not: not "listed
// count + 1", which after a middle entry is deleted, or beside an entry out of service, is taken.
TEST_F(DhcpScreeningPage, NewServerTakesAnIndexNoRowHoldsAndARefusedCreateWritesNothingMore)
{
    struct Case { const char* what; int added, addedStatus, removed, expected; };
    const Case cases[] = {
        {"out of service beside the listed", 3, 2, 0, 5}, // rows 1, 2 (out of service), 3 (out), 4
        {"a middle entry deleted", 3, 1, 2, 2},           // rows 1, 3, 4: listed count + 1 is taken
    };
    for (const Case& c : cases) {
        server(c.added, "\xc0\x00\x02\x45", c.addedStatus);
        for (int column = 1; c.removed && column <= 3; ++column)
            agent->remove(serverColumn(column, c.removed));
        auto page = open();
        snmp::MemoryAgent::Fault taken;
        taken.errorStatus = snmp::ErrorStatus::InconsistentValue;
        agent->setObjectFault(serverColumn(3, c.expected), taken);
        serverIp(page.get())->setText(QStringLiteral("10.1.2.3"));
        clickButton(page.get(), Id::IdServerAdd);
        // Refused: the row that might hold the index is never destroyed.
        EXPECT_EQ(setRequests(*agent), SetTexts{{intBind(serverColumn(3, c.expected), 5)}}) << c.what;
        EXPECT_TRUE(boxes.texts().isEmpty()) << c.what;
        agent->clearFaults();
    }
}

TEST_F(DhcpScreeningPage, DeleteNeedsARowThenDestroysThatEntry)
{
    auto page = open();
    clickButton(page.get(), Id::IdDelete);
    EXPECT_EQ(boxes.texts(), QStringList{"Please select the entry to delete."});
    EXPECT_TRUE(setRequests(*agent).empty());
    controlOf<CListView>(page.get(), Id::IdList)->selectRow(1);
    clickButton(page.get(), Id::IdDelete);
    EXPECT_EQ(setRequests(*agent), SetTexts{{intBind(serverColumn(3, 4), 6)}});
}

TEST_F(DhcpScreeningPage, TrustedPortsAreCheckedAndWrittenOnlyWhenChanged)
{
    struct Case {
        const char* text;
        QStringList messages;
        const char* written; // nullptr: nothing written
    };
    const Case cases[] = {
        {"25-26", {}, nullptr},
        {"1-2", {"The link aggregation member port can not be configured."}, nullptr},
        {"1,a", {"Invalid Port list"}, nullptr},
        {"4.5", {"Invalid Port list"}, nullptr},
        {"29", {"Invalid Portlist"}, nullptr},
        {"1-3", {}, "\xe0\x00\x00\x00"},
        {"28, 1", {}, "\x80\x00\x00\x10"},
        {"", {}, "\x00\x00\x00\x00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        auto page = open();
        ports(page.get())->setText(QString::fromLatin1(c.text));
        clickButton(page.get(), Id::IdPortsAdd);
        EXPECT_EQ(boxes.texts(), c.messages);
        EXPECT_EQ(setRequests(*agent),
                  c.written ? SetTexts{{octetBind(screeningPorts, std::string(c.written, 4))}} : SetTexts{});
    }
}

} // namespace

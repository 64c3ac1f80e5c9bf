// The walked table views: Interface, IP, TCP and UDP tables.

#include "PageTestSupport.h"

#include "CInterfaceTableDlg.h"
#include "CIpTableDlg.h"
#include "CTcpServiceDlg.h"
#include "CUdpServiceDlg.h"

#include <QLabel>

#include <functional>

namespace {

using Id = CMibTableDialog::ControlId;

struct TableCase {
    const char* name;
    std::function<std::unique_ptr<CMibTableDialog>()> make;
    std::string data;
    QString title;
    QStringList headers;
    std::vector<QStringList> rows;
    bool showsCount;
};

std::vector<TableCase> tableCases()
{
    return {
        {"Interface",
         [] { return std::make_unique<CInterfaceTableDlg>(); },
         "1.3.6.1.2.1.2.2.1.1.1|2|1\n1.3.6.1.2.1.2.2.1.1.2|2|2\n1.3.6.1.2.1.2.2.1.1.3|2|3\n"
         "1.3.6.1.2.1.2.2.1.5.1|66|100000000\n1.3.6.1.2.1.2.2.1.5.2|66|0\n1.3.6.1.2.1.2.2.1.5.3|66|4294967295\n"
         "1.3.6.1.2.1.2.2.1.8.1|2|1\n1.3.6.1.2.1.2.2.1.8.2|2|2\n1.3.6.1.2.1.2.2.1.8.3|2|5\n",
         "Interface Table",
         {" Index        ", " Link Status            ", " Speed(b/s)                     "},
         {{"1", "Link", "100M"}, {"2", "UnLink", "0M"}, {"3", "Unknown", "4294M"}},
         true},
        {"IP",
         [] { return std::make_unique<CIpTableDlg>(); },
         "1.3.6.1.2.1.4.20.1.1.192.0.2.1|64|192.0.2.1\n1.3.6.1.2.1.4.20.1.1.198.51.100.7|64|198.51.100.7\n"
         "1.3.6.1.2.1.4.20.1.3.192.0.2.1|64|255.255.255.0\n1.3.6.1.2.1.4.20.1.3.198.51.100.7|64|255.255.0.0\n",
         "IP Table : 192.0.2.1",
         {" IP                ", " Netmask               "},
         {{"192.0.2.1", "255.255.255.0"}, {"198.51.100.7", "255.255.0.0"}},
         true},
        {"TCP",
         [] { return std::make_unique<CTcpServiceDlg>(); },
         "1.3.6.1.2.1.6.13.1.1.0.0.0.0.23.0.0.0.0.0|2|2\n1.3.6.1.2.1.6.13.1.1.192.0.2.1.80.192.0.2.9.50123|2|5\n"
         "1.3.6.1.2.1.6.13.1.2.0.0.0.0.23.0.0.0.0.0|64|0.0.0.0\n1.3.6.1.2.1.6.13.1.2.192.0.2.1.80.192.0.2.9.50123|64|192.0.2.1\n"
         "1.3.6.1.2.1.6.13.1.3.0.0.0.0.23.0.0.0.0.0|2|23\n1.3.6.1.2.1.6.13.1.3.192.0.2.1.80.192.0.2.9.50123|2|80\n"
         "1.3.6.1.2.1.6.13.1.4.0.0.0.0.23.0.0.0.0.0|64|0.0.0.0\n1.3.6.1.2.1.6.13.1.4.192.0.2.1.80.192.0.2.9.50123|64|192.0.2.9\n"
         "1.3.6.1.2.1.6.13.1.5.0.0.0.0.23.0.0.0.0.0|2|0\n1.3.6.1.2.1.6.13.1.5.192.0.2.1.80.192.0.2.9.50123|2|50123\n",
         "TCP Service",
         {"Local Port ", " Local IP        ", " Remote IP       ", "Remote Port", " Status "},
         {{"23", "0.0.0.0", "0.0.0.0", "0", "listen"}, {"80", "192.0.2.1", "192.0.2.9", "50123", "established"}},
         false},
        {"UDP",
         [] { return std::make_unique<CUdpServiceDlg>(); },
         "1.3.6.1.2.1.7.5.1.1.0.0.0.0.161|64|0.0.0.0\n1.3.6.1.2.1.7.5.1.1.192.0.2.1.514|64|192.0.2.1\n"
         "1.3.6.1.2.1.7.5.1.2.0.0.0.0.161|2|161\n1.3.6.1.2.1.7.5.1.2.192.0.2.1.514|2|514\n",
         "UDP Service",
         {"  Local Port ", "  Local IP      "},
         {{"161", "0.0.0.0"}, {"514", "192.0.2.1"}},
         false},
    };
}

class MibTablePages : public GuiTest {};

TEST_F(MibTablePages, EachTableShowsItsRowsWithExactHeadersAndTexts)
{
    for (const TableCase& c : tableCases()) {
        SCOPED_TRACE(c.name);
        agent->clear();
        load(c.data);
        auto page = c.make();
        ASSERT_TRUE(openAndWait(*page, Id::IdRefresh));
        EXPECT_EQ(page->windowTitle(), c.title);
        EXPECT_EQ(listHeaders(page.get(), Id::IdList), c.headers);
        EXPECT_EQ(listRows(page.get(), Id::IdList), c.rows);
        auto* count = controlOf<QLabel>(page.get(), Id::IdEntries);
        ASSERT_EQ(count != nullptr, c.showsCount);
        if (count) {
            EXPECT_EQ(count->text(), QString::number(c.rows.size()));
        }
    }
}

TEST_F(MibTablePages, EmptyTableShowsNoRowsAndEnablesRefresh)
{
    for (const TableCase& c : tableCases()) {
        SCOPED_TRACE(c.name);
        agent->clear();
        load("1.3.6.1.2.1.99.1.0|2|1\n"); // something beyond every table
        auto page = c.make();
        ASSERT_TRUE(openAndWait(*page, Id::IdRefresh));
        EXPECT_TRUE(listRows(page.get(), Id::IdList).empty());
        if (auto* count = controlOf<QLabel>(page.get(), Id::IdEntries)) {
            EXPECT_EQ(count->text(), "0");
        }
    }
}

TEST_F(MibTablePages, WalkThatTimesOutKeepsTheRowsReceivedAndEnablesRefresh)
{
    LaunchParams::setTimeoutText("300");
    const TableCase c = tableCases()[0];
    load(c.data);
    snmp::MemoryAgent::Fault silent;
    silent.noAnswer = true;
    agent->setRequestFault(3, silent);
    auto page = c.make();
    page->show();
    auto* refresh = controlOf<QPushButton>(page.get(), Id::IdRefresh);
    EXPECT_FALSE(refresh->isEnabled());
    ASSERT_TRUE(waitUntil([&] { return refresh->isEnabled(); }));
    EXPECT_EQ(listRows(page.get(), Id::IdList), (std::vector<QStringList>{c.rows[0], c.rows[1]}));
    EXPECT_EQ(controlOf<QLabel>(page.get(), Id::IdEntries)->text(), "2");
    EXPECT_TRUE(boxes.texts().isEmpty());
}

TEST_F(MibTablePages, RefreshReadsTheTableAgain)
{
    const TableCase c = tableCases()[3];
    load(c.data);
    auto page = c.make();
    ASSERT_TRUE(openAndWait(*page, Id::IdRefresh));
    agent->remove("1.3.6.1.2.1.7.5.1.1.0.0.0.0.161");
    agent->remove("1.3.6.1.2.1.7.5.1.2.0.0.0.0.161");
    clickButton(page.get(), Id::IdRefresh);
    ASSERT_TRUE(openAndWait(*page, Id::IdRefresh));
    EXPECT_EQ(listRows(page.get(), Id::IdList), std::vector<QStringList>{c.rows[1]});
}

} // namespace

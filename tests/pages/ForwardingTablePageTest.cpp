// Forwarding Table: MAC from the index, the Destination Port filter, the age time.

#include "PageTestSupport.h"

#include "CForwardingTableDlg.h"

#include <QLabel>
#include <QLineEdit>

namespace {

using Id = CMibTableDialog::ControlId;
using FdbId = CForwardingTableDlg::ControlId;

const char* const fdbData = "1.3.6.1.2.1.17.4.2.0|2|300\n"
                            "1.3.6.1.2.1.17.7.1.2.2.1.2.1.0.27.17.34.51.68|2|3\n"
                            "1.3.6.1.2.1.17.7.1.2.2.1.2.1.0.27.17.34.51.69|2|13\n"
                            "1.3.6.1.2.1.17.7.1.2.2.1.2.1.170.187.204.221.238.255|2|3\n"
                            "1.3.6.1.2.1.17.7.1.2.2.1.3.1.0.27.17.34.51.68|2|3\n"
                            "1.3.6.1.2.1.17.7.1.2.2.1.3.1.0.27.17.34.51.69|2|5\n"
                            "1.3.6.1.2.1.17.7.1.2.2.1.3.1.170.187.204.221.238.255|2|9\n";

class ForwardingTablePage : public GuiTest {
protected:
    std::vector<QStringList> rowsWithFilter(CForwardingTableDlg& page, const QString& filter)
    {
        controlOf<QLineEdit>(&page, FdbId::IdDestinationPort)->setText(filter);
        clickButton(&page, Id::IdRefresh);
        EXPECT_TRUE(openAndWait(page, Id::IdRefresh));
        return listRows(&page, Id::IdList);
    }
};

TEST_F(ForwardingTablePage, ShowsMacStatusPortAndAgeTime)
{
    load(fdbData);
    CForwardingTableDlg page;
    ASSERT_TRUE(openAndWait(page, Id::IdRefresh));
    EXPECT_EQ(page.windowTitle(), "Forwarding Table");
    EXPECT_EQ(listHeaders(&page, Id::IdList),
              (QStringList{"       MAC              ", " Status      ", " Port     "}));
    EXPECT_EQ(listRows(&page, Id::IdList), (std::vector<QStringList>{{"00-1B-11-22-33-44", "Learn", "3"},
                                                                     {"00-1B-11-22-33-45", "Static", "13"},
                                                                     {"AA-BB-CC-DD-EE-FF", "", "3"}}));
    EXPECT_EQ(controlOf<QLabel>(&page, Id::IdEntries)->text(), "3");
    auto* age = controlOf<QLineEdit>(&page, FdbId::IdAgeTime);
    ASSERT_TRUE(waitUntil([&] { return !age->text().isEmpty(); }));
    EXPECT_EQ(age->text(), "300");
    EXPECT_TRUE(age->isReadOnly());
}

TEST_F(ForwardingTablePage, DestinationPortFilterMatchesThePortTextExactly)
{
    load(fdbData);
    CForwardingTableDlg page;
    ASSERT_TRUE(openAndWait(page, Id::IdRefresh));
    const auto onPort3 = rowsWithFilter(page, QStringLiteral("3"));
    ASSERT_EQ(onPort3.size(), 2u);
    EXPECT_EQ(onPort3[0][0], "00-1B-11-22-33-44");
    EXPECT_EQ(onPort3[1][0], "AA-BB-CC-DD-EE-FF");
    EXPECT_EQ(controlOf<QLabel>(&page, Id::IdEntries)->text(), "2");
    EXPECT_EQ(rowsWithFilter(page, QStringLiteral("13")).size(), 1u);
    EXPECT_TRUE(rowsWithFilter(page, QStringLiteral(" 3")).empty());
    EXPECT_EQ(rowsWithFilter(page, QString()).size(), 3u);
}

} // namespace

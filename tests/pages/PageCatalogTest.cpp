// The device menu opens the built pages by command id.

#include "GuiFixture.h"
#include "MenuCommand.h"

#include "PageCatalog.h"
#include "TraceCapture.h"

namespace {

class PageCatalogTest : public GuiTest {};

TEST_F(PageCatalogTest, MenuCommandsOpenTheirPages)
{
    struct Case {
        int command;
        const char* dialog;
    };
    for (auto c : {Case{MenuCommand::PortConfiguration, "dlg201"}, {MenuCommand::SyslogHost, "dlg499"}, {MenuCommand::SystemInformation, "dlg80"}, {MenuCommand::InterfaceTable, "dlg49"}, {MenuCommand::IpTable, "dlg208"},
                   {MenuCommand::ForwardingTable, "dlg278"}, {MenuCommand::TcpService, "dlg481"}, {MenuCommand::UdpService, "dlg482"},
                   {MenuCommand::SnmpCommunityTable, "dlg204"}, {MenuCommand::SnmpHostTable, "dlg205"},
                   {MenuCommand::SnmpTrap, "dlg207"}, {MenuCommand::SnmpGlobalState, "dlg209"},
                   {MenuCommand::SnmpEngineId, "dlg210"}, {MenuCommand::SnmpUserTable, "dlg198"},
                   {MenuCommand::SnmpGroupTable, "dlg200"}, {MenuCommand::SnmpViewTable, "dlg203"},
                   {MenuCommand::SpanningTree, "dlg85"}}) {
        EXPECT_TRUE(PageCatalog::has(c.command)) << c.command;
        auto page = PageCatalog::create(c.command, 0);
        ASSERT_NE(page, nullptr) << c.command;
        EXPECT_EQ(page->objectName(), c.dialog);
        EXPECT_EQ(page->parentWidget(), nullptr);
    }
    EXPECT_FALSE(PageCatalog::has(1));
    EXPECT_EQ(PageCatalog::create(1), nullptr);
}

TEST_F(PageCatalogTest, ClosingAPageTracesEachOfItsSessions)
{
    struct Case {
        int command;
        QStringList closed;
    };
    const Case cases[] = {
        {MenuCommand::PortConfiguration, {"m_cCommonSNMP", "m_cCommonSNMPTable"}}, // the link walk's session closes without a line
        {MenuCommand::SyslogHost, {"m_cCommonSNMP", "m_cCommonSNMPSet"}},
        {MenuCommand::SystemInformation, {"m_cCommonSNMP", "m_cCommonSNMPSet"}},
        {MenuCommand::ForwardingTable, {"m_cCommonSNMP", "m_cCommonSNMPAge"}},
        {MenuCommand::InterfaceTable, {"m_cCommonSNMP"}},
        {MenuCommand::SnmpCommunityTable, {"m_cCommonSNMP", "m_cCommonSNMPSet", "m_cCommonSNMPTable", "m_cCommonSNMPGetUse"}},
        {MenuCommand::SnmpEngineId, {"m_cCommonSNMP", "m_cCommonSNMPSet", "m_cCommonSNMPTable", "m_cCommonSNMPGetUse"}},
        {MenuCommand::SpanningTree, {"m_cCommonSNMP", "m_cCommonSNMPSet", "m_cCommonSNMPSet0"}},
    };
    for (const Case& c : cases) {
        TraceCapture trace;
        auto page = PageCatalog::create(c.command, 0);
        page->show();
        page->reject();
        QStringList expected{"==================DestroyWindow==============="};
        for (const QString& member : c.closed)
            expected << "==================" + member + ".Close===============";
        EXPECT_EQ(TraceCapture::lines(), expected) << c.command;
    }
}

TEST_F(PageCatalogTest, LayerTwoSettingsPagesOpenFromTheMenu)
{
    struct Case {
        int command;
        const char* dialog;
        QStringList closed;
    };
    const QStringList dataSessions{"m_cCommonSNMP", "m_cCommonSNMPSet", "m_cCommonSNMPLink"};
    const Case cases[] = {
        {MenuCommand::JumboFrame, "dlg174", {"m_cCommonSNMP"}},
        {MenuCommand::ManagementVlan, "dlg223", {"m_cCommonSNMP", "m_cCommonSNMPSet", "m_cCommonSNMPTable"}},
        {MenuCommand::PortMirroring, "dlg229", dataSessions},
        {MenuCommand::IgmpSnooping, "dlg211", dataSessions},
        {MenuCommand::MulticastFilteringMode, "dlg501", {"m_cCommonSNMP", "m_cCommonSNMPTable", "m_cCommonSNMPTableGetTrunk"}},
        {MenuCommand::SurveillanceVlan, "dlg220", dataSessions + QStringList{"m_cCommonSNMPGet", "m_cCommonSNMPTable"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dialog);
        TraceCapture trace;
        auto page = PageCatalog::create(c.command, 0);
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(page->objectName(), c.dialog);
        page->show();
        page->reject();
        QStringList expected{"==================DestroyWindow==============="};
        for (const QString& member : c.closed)
            expected << "==================" + member + ".Close===============";
        EXPECT_EQ(TraceCapture::lines(), expected);
    }
}

} // namespace

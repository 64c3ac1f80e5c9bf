// The device menu opens the built pages by command id.

#include "GuiFixture.h"

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
    for (auto c : {Case{32774, "dlg201"}, {32832, "dlg499"}, {32805, "dlg80"}, {32809, "dlg49"}, {32808, "dlg208"},
                   {32810, "dlg278"}, {32811, "dlg481"}, {32812, "dlg482"}}) {
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
        {32774, {"m_cCommonSNMP", "m_cCommonSNMPTable"}}, // the link walk's session closes without a line
        {32832, {"m_cCommonSNMP", "m_cCommonSNMPSet"}},
        {32805, {"m_cCommonSNMP", "m_cCommonSNMPSet"}},
        {32810, {"m_cCommonSNMP", "m_cCommonSNMPAge"}},
        {32809, {"m_cCommonSNMP"}},
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

} // namespace

// The device menu opens the built pages by command id.

#include "GuiFixture.h"

#include "PageCatalog.h"

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

} // namespace

// The device menu opens the security and QoS pages by their command ids.

#include "GuiFixture.h"
#include "MenuCommand.h"
#include "PageCatalog.h"

namespace {

class SecurityCatalog : public GuiTest {};

TEST_F(SecurityCatalog, MenuCommandsOpenTheirPages)
{
    const std::pair<int, const char*> pages[] = {
        {MenuCommand::BandwidthControl, "dlg233"},     {MenuCommand::StormControl, "dlg235"},
        {MenuCommand::SmartBindingSettings, "dlg141"}, {MenuCommand::SmartBinding, "dlg142"},
        {MenuCommand::WhiteList, "dlg140"},            {MenuCommand::BlackList, "dlg144"},
        {MenuCommand::Dot1x, "dlg468"},                {MenuCommand::ArpSpoofingPrevention, "dlg196"},
        {MenuCommand::DhcpServerScreening, "dlg214"},  {MenuCommand::TrafficSegmentation, "dlg137"},
    };
    for (const auto& [command, dialog] : pages) {
        ASSERT_TRUE(PageCatalog::has(command)) << command;
        auto page = PageCatalog::create(command, 0);
        ASSERT_NE(page, nullptr) << command;
        EXPECT_EQ(page->objectName(), dialog);
    }
}

} // namespace

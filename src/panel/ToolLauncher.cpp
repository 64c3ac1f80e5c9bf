#include "ToolLauncher.h"

#include "DesktopToolLauncher.h"

namespace {

ToolLauncher* g_installed = nullptr;

} // namespace

ToolLauncher& ToolLauncher::Current()
{
    static DesktopToolLauncher desktop;
    return g_installed ? *g_installed : desktop;
}

ToolLauncher* ToolLauncher::Install(ToolLauncher* replacement)
{
    ToolLauncher* previous = g_installed;
    g_installed = replacement;
    return previous;
}

#pragma once
// The desktop's programs: the Debian terminal alternative (or xterm), and xdg-open when the
// desktop has a handler for http URLs.

#include "ToolLauncher.h"

class DesktopToolLauncher final : public ToolLauncher {
public:
    QString Terminal() override;
    QString HttpOpener() override;
    bool Start(const QString& program, const QStringList& arguments) override;
};

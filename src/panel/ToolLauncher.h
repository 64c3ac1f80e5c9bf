#pragma once
// Starts the outside programs of the device menu (a terminal running Telnet, the web browser).
// The desktop's launcher is used unless a test has installed another.

#include <QString>
#include <QStringList>

class ToolLauncher {
public:
    virtual ~ToolLauncher() = default;

    // A terminal program that takes "-e PROGRAM ARGS...", empty when there is none.
    virtual QString Terminal() = 0;
    // The program that opens http URLs on this desktop, empty when the desktop has no handler.
    virtual QString HttpOpener() = 0;
    // Starts program with arguments (never through a shell) and lets it run on its own.
    virtual bool Start(const QString& program, const QStringList& arguments) = 0;

    static ToolLauncher& Current();
    // Makes replacement the launcher and returns the one it replaces; nullptr restores the
    // desktop's.
    static ToolLauncher* Install(ToolLauncher* replacement);
};

// sorvex-module: the device management module for one switch, started with its address and
// SNMP credentials as the launch text, from standard input ("-") or from the Connect dialog
// ("--connect").

#include "CModuleApp.h"
#include "LaunchArguments.h"
#include "ModuleHelp.h"
#include "ProgramInfo.h"
#include "SignalQuit.h"

#include <QApplication>

int main(int argc, char** argv)
{
    // Before the application object: it needs a display.
    if (const auto answered = ProgramInfo::answer(argc, argv, "sorvex-module", moduleHelpText()))
        return *answered;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("sorvex-module"));
    // The window class (X11) and application id (Wayland) that tie windows to sorvex-module.desktop.
    QApplication::setDesktopFileName(QStringLiteral("sorvex-module"));
    QApplication::setQuitOnLastWindowClosed(false);
    SignalQuit signalQuit;
    const QStringList arguments = QApplication::arguments().mid(1);
    // /proc/PID/cmdline shows the argument memory to every local user: the communities and
    // passwords of a launch line are wiped from it once copied.
    LaunchArguments::hideSecrets(argc - 1, argv + 1);
    return CModuleApp::run(arguments);
}

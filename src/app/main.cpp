// sorvex-module: the device management module for one switch, started with its address and
// SNMP credentials as the launch text.

#include "CModuleApp.h"
#include "SignalQuit.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("sorvex-module"));
    QApplication::setQuitOnLastWindowClosed(false);
    SignalQuit signalQuit;
    return CModuleApp::run(QApplication::arguments().mid(1));
}

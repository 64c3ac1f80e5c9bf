#pragma once
// Start-up of the module: checks the network layer, initialises SNMP, parses the launch text,
// makes sure one module runs per device and shows the device window until it closes. With
// "--connect" the Connect dialog asks for the switch instead; with "-" the launch line comes from
// standard input.

#include <QStringList>

class CModuleApp {
public:
    // `arguments` are the program's arguments without the program name. Returns the exit status.
    static int run(const QStringList& arguments);

    // The launch text: the arguments joined with single blanks.
    static QString launchText(const QStringList& arguments);
    // "Module:" + device name + address, without separators.
    static QString instanceName(const QString& deviceName, const QString& address);

private:
    // --connect: the Connect dialog in place of a launch line.
    static int runConnectDialog();
};

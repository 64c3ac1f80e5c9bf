#pragma once
// The tool commands of the device menu that talk to the switch or start another program: Save
// Configuration, Telnet and Web. Each asks first; answers and failures are shown with the
// system's fixed texts.

#include <QString>

#include <functional>
#include <string>

class QObject;

class CCommonSNMP;

class DeviceTools {
public:
    DeviceTools(CCommonSNMP& setSession, std::string address);

    // Asks, then writes "save" to the switch and tells whether it worked; `finished` runs on
    // `receiver`'s thread once the outcome is shown (or at once when the operator declines). A
    // session closed meanwhile ends it without either.
    void SaveConfiguration(QObject* receiver, std::function<void()> finished);
    // A terminal running "telnet HOST"; ask=false for a click on the console port.
    void Telnet(bool ask = true);
    // The desktop's browser on http://HOST.
    void Web();

    // The address without a ":port" suffix ("[v6]:port" gives the bracketed address).
    static QString HostOf(const std::string& address);

private:
    CCommonSNMP& m_setSession;
    std::string m_address;
};

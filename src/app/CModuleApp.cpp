#include "CModuleApp.h"

#include "DeviceWindowFactory.h"
#include "DeviceProfile.h"
#include "LaunchParams.h"
#include "MessageBox.h"
#include "PanelResources.h"
#include "SingleInstance.h"
#include "ShutdownRequest.h"
#include "SnmpFront.h"
#include "TraceCategory.h"

#include <QApplication>
#include <QWidget>

#include <sys/socket.h>
#include <unistd.h>

namespace {

// The network layer is usable when a UDP socket can be made.
bool networkLayerAvailable()
{
    const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

} // namespace

QString CModuleApp::launchText(const QStringList& arguments)
{
    return arguments.join(QLatin1Char(' '));
}

QString CModuleApp::instanceName(const QString& deviceName, const QString& address)
{
    return QStringLiteral("Module:") + deviceName + address;
}

int CModuleApp::run(const QStringList& arguments)
{
    QApplication::setWindowIcon(PanelResources::ApplicationIcon());
    if (!networkLayerAvailable()) {
        MessageBox::info(QStringLiteral("Failed to initialize communication port !"));
        return 1;
    }
    snmp::SnmpInit("sorvex-module");
    InstallSnmpTraceSink();
    snmp::SetSnmpTimeout(5000);

    const QString text = launchText(arguments);
    if (text.isEmpty()) {
        MessageBox::info(QStringLiteral("No parameter input !"));
        return ShutdownRequest::requested() ? 0 : 1;
    }
    const LaunchParams params = LaunchParams::parse(text.toStdString());
    if (const std::string problem = params.problem(); !problem.empty()) {
        // No window: without an address it would poll this machine, with another version send nothing.
        const QString reason = QString::fromStdString(problem);
        const QString message = reason.left(1).toUpper() + reason.mid(1) + QStringLiteral(" !");
        TraceLine(message);
        MessageBox::info(message);
        return ShutdownRequest::requested() ? 0 : 1;
    }
    LaunchParams::setCurrent(params);
    LaunchParams::setTimeoutText("3000");

    const QString deviceName = QString::fromStdString(DeviceProfile::readDeviceName(DeviceProfile::profilePath()));
    const QString address = QString::fromStdString(LaunchParams::current().IPAddress);
    SingleInstance instance(instanceName(deviceName, address));
    if (!instance.claim())
        return 0; // the running module for this device has been brought to the front

    std::unique_ptr<QWidget> window = createDeviceWindow(deviceName, address);
    QObject::connect(&instance, &SingleInstance::activationRequested, window.get(), [w = window.get()] {
        activateDeviceWindow(w);
    });
    // A signal taken in by a message box of the start-up ends the module here: the application's
    // loop would start afresh and never see it.
    if (ShutdownRequest::requested())
        return 0;
    window->show();
    return QApplication::exec();
}

#include "CModuleApp.h"

#include "ConnectDialog.h"
#include "DeviceLaunch.h"
#include "DeviceProfile.h"
#include "LaunchArguments.h"
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

    if (arguments == QStringList{QStringLiteral("--connect")})
        return runConnectDialog();
    QString text;
    if (arguments == QStringList{QStringLiteral("-")}) {
        // The launch line on standard input never shows in the process list.
        const auto line = LaunchArguments::readLine(stdin);
        if (!line) {
            MessageBox::info(QStringLiteral("The launch line on standard input is too long !"));
            return ShutdownRequest::requested() ? 0 : 1;
        }
        text = QString::fromLocal8Bit(line->c_str());
    } else {
        text = launchText(arguments);
    }
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
    DeviceLaunch launch;
    if (!launch.claim(params))
        return 0;
    // A signal taken in by a message box of the start-up ends the module here: the application's
    // loop would start afresh and never see it.
    if (ShutdownRequest::requested())
        return 0;
    launch.show();
    return QApplication::exec();
}

int CModuleApp::runConnectDialog()
{
    DeviceLaunch launch;
    ConnectDialog dialog([&launch](const LaunchParams& params) {
        if (!launch.claim(params))
            return false;
        launch.show();
        return true;
    });
    // Without a device window of its own the module ends with the dialog (once the secret store
    // has taken what was given to it); with one, when that window closes.
    QObject::connect(&dialog, &ConnectDialog::ended, [&launch] {
        if (!launch.window())
            QCoreApplication::quit();
    });
    if (ShutdownRequest::requested())
        return 0;
    dialog.show();
    TraceLine(QStringLiteral("Connect dialog open"));
    return QApplication::exec();
}

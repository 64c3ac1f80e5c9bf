#include "DeviceWindowFactory.h"

#include "CDeviceDlg.h"

#include <QCoreApplication>

// The device window reads the profile and the launch parameters itself; when it closes, the
// module ends.
std::unique_ptr<QWidget> createDeviceWindow(const QString&, const QString&)
{
    auto window = std::make_unique<CDeviceDlg>();
    QObject::connect(window.get(), &QDialog::finished, [] { QCoreApplication::quit(); });
    return window;
}

void activateDeviceWindow(QWidget* window)
{
    if (auto* device = qobject_cast<CDeviceDlg*>(window)) {
        device->Activate();
        return;
    }
    window->showNormal();
    window->raise();
    window->activateWindow();
}

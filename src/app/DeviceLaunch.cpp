#include "DeviceLaunch.h"

#include "CModuleApp.h"
#include "DeviceProfile.h"
#include "DeviceWindowFactory.h"
#include "SingleInstance.h"

DeviceLaunch::DeviceLaunch() = default;
DeviceLaunch::~DeviceLaunch() = default;

bool DeviceLaunch::claim(const LaunchParams& params)
{
    LaunchParams::setCurrent(params);
    LaunchParams::setTimeoutText("3000");

    const QString deviceName = QString::fromStdString(DeviceProfile::readDeviceName(DeviceProfile::profilePath()));
    const QString address = QString::fromStdString(LaunchParams::current().IPAddress);
    m_instance = std::make_unique<SingleInstance>(CModuleApp::instanceName(deviceName, address));
    if (!m_instance->claim())
        return false; // the running module for this device has been brought to the front

    m_window = createDeviceWindow(deviceName, address);
    QObject::connect(m_instance.get(), &SingleInstance::activationRequested, m_window.get(),
                     [w = m_window.get()] { activateDeviceWindow(w); });
    return true;
}

void DeviceLaunch::show()
{
    if (m_window)
        m_window->show();
}

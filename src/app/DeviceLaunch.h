#pragma once
// What a launch does once its parameters are known, for a launch line and for the Connect
// dialog alike: the parameters become the process's, one module runs per device (a device that
// already has a module brings that one to the front), and this module's device window opens.

#include "LaunchParams.h"

#include <QString>
#include <QWidget>

#include <memory>

class SingleInstance;

class DeviceLaunch {
public:
    DeviceLaunch();
    ~DeviceLaunch();

    // False when another module already shows this device: it has been asked to come to the
    // front. `params` must be usable (no problem()).
    bool claim(const LaunchParams& params);
    // Shows the device window made by claim.
    void show();
    QWidget* window() const { return m_window.get(); }

private:
    std::unique_ptr<SingleInstance> m_instance;
    std::unique_ptr<QWidget> m_window;
};

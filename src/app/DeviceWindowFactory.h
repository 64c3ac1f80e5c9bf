#pragma once
// Where start-up gets its device window from.

#include <QString>
#include <QWidget>

#include <memory>

std::unique_ptr<QWidget> createDeviceWindow(const QString& deviceName, const QString& address);
// Brings the window to the front when a second start for the same device asks for it.
void activateDeviceWindow(QWidget* window);

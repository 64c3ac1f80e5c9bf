#include "DeviceWindowFactory.h"

#include <QCoreApplication>
#include <QDialog>
#include <QLabel>
#include <QVBoxLayout>

// Until the device window is built, start-up shows a plain window titled as it will be.
std::unique_ptr<QWidget> createDeviceWindow(const QString& deviceName, const QString& address)
{
    auto window = std::make_unique<QDialog>();
    window->setObjectName(QStringLiteral("dlgDevice"));
    window->setWindowTitle(deviceName + QStringLiteral(": ") + address);
    auto* layout = new QVBoxLayout(window.get());
    layout->addWidget(new QLabel(deviceName + QStringLiteral(" at ") + address, window.get()));
    window->resize(640, 200);
    QObject::connect(window.get(), &QDialog::finished, [] { QCoreApplication::quit(); });
    return window;
}

void activateDeviceWindow(QWidget* window)
{
    window->showNormal();
    window->raise();
    window->activateWindow();
}

#pragma once
// A device window against the in-memory agent: a profile in a temporary folder, launch
// parameters on a loopback address, short polling cycles, scripted message boxes and a
// recording launcher for Telnet and Web.

#include "CDeviceDlg.h"
#include "CPanelDeviceThread.h"
#include "MemoryAgent.h"
#include "ScriptedMessageBox.h"
#include "ToolLauncher.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

class RecordingLauncher final : public ToolLauncher {
public:
    struct Started {
        QString program;
        QStringList arguments;
    };
    QString Terminal() override { return QStringLiteral("x-terminal-emulator"); }
    QString HttpOpener() override { return httpOpener; }
    bool Start(const QString& program, const QStringList& arguments) override
    {
        started.push_back({program, arguments});
        return true;
    }

    QString httpOpener;
    std::vector<Started> started;
};

class DeviceWindowTest : public testing::Test {
protected:
    static constexpr int kPorts = 28;

    void SetUp() override;
    void TearDown() override;

    void WriteProfile(const char* deviceName, const char* xmlName, bool hasFan = true);
    // A 28-port switch answering every polled object. States per port as the link walk reads them.
    void SeedSwitch();
    void SeedPoe(int ledMode);
    std::unique_ptr<CDeviceDlg> Open();
    static bool WaitFor(const std::function<bool()>& condition, int ms = 5000);
    // Waits until a link walk (or PoE walk) has been applied to the window.
    bool WaitForAppliedWalk(CDeviceDlg& window, int ms = 5000);
    int GetNextRequestsFor(const std::string& oid) const;

    std::shared_ptr<snmp::MemoryAgent> agent;
    QTemporaryDir profileDir;
    ScriptedMessageBox boxes;
    RecordingLauncher launcher;
    ToolLauncher* previousLauncher = nullptr;
};

namespace oid {
inline const std::string ifType = "1.3.6.1.2.1.2.2.1.3";
inline const std::string ifSpeed = "1.3.6.1.2.1.2.2.1.5";
inline const std::string ifAdmin = "1.3.6.1.2.1.2.2.1.7";
inline const std::string ifOper = "1.3.6.1.2.1.2.2.1.8";
std::string Device(const std::string& tail); // under ENTERPRISE.10.75.5.2, numeric
} // namespace oid

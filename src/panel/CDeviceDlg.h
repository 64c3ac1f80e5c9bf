#pragma once
// The device window: the live front panel of the switch with the device menu. It reads the
// device profile, loads the panel, starts the polling thread and paints every lamp from what
// the polling reports. Pages open from the menu (or a port click) while the window waits
// minimised and polling pauses. Closing it by any path stops the polling thread within its
// bound and closes the sessions.

#include "CCommonSNMP.h"
#include "CDeviceDlgBase.h"
#include "CMyBitmapApp.h"
#include "CRebootRequest.h"
#include "DeviceTools.h"
#include "PanelClickSink.h"
#include "PollingSink.h"
#include "PortStatusBoard.h"

#include <QRegion>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CPanelDeviceThread;
class CPort;
class DeviceMenu;

class CDeviceDlg : public CDeviceDlgBase, public PollingSink, public PanelClickSink {
    Q_OBJECT
public:
    using PageFactory = std::function<std::unique_ptr<QDialog>(int commandId, int port)>;
    static constexpr int kBlinkMs = 200;
    static constexpr int kThreadStopBoundMs = 1000;

    explicit CDeviceDlg(QWidget* parent = nullptr);
    ~CDeviceDlg() override;

    // Brings the window to the front (a second start for the same device asked for it).
    void Activate();
    // Runs a menu command as the menu does.
    void RunCommand(int commandId);
    // Pages come from the page catalog unless a test supplies its own.
    void SetPageFactory(PageFactory factory) { m_pageFactory = std::move(factory); }

    bool ProfileRead() const { return m_profileRead; }
    bool IsPolling() const { return m_thread != nullptr; }
    bool IsPageOpen() const { return m_pageOpen; }
    const PortStatusBoard& Board() const { return m_board; }
    DeviceMenu* Menu() const { return m_menu; }
    // The n-th CPort object of the panel (0-based), or none.
    CPort* PortObject(int object) const;

    void done(int result) override;

protected:
    void PaintOverPanel(QPainter& painter, const QRect& dirty) override;

    void OnProbeAnswered(bool reachable) override;
    void OnFanStatus(int status) override;
    void OnLedMode(bool linkMode, bool modeChanged) override;
    void OnPowerBudget(bool exhausted) override;
    void OnLinkWalkEnded(std::vector<LinkRow> rows, int status) override;
    void OnPoeWalkEnded(std::vector<PoeRow> rows, int status) override;

    void OnPortClicked(CPort& port) override;
    void OnComClicked(CCom& com) override;

private:
    bool SetUp();
    void StartPolling(bool hasFan);
    void Shutdown();
    void SetPageOpen(bool open);
    // Hides the window, pauses polling and shows the window minimised while `run` runs.
    void RunAsPage(const std::function<void()>& run);
    // The window waits minimised while a page (or the reboot) holds the device.
    void EnterPage();
    void LeavePage();
    void OpenPage(int commandId, int port);
    void ShowAbout();
    void Reboot();
    void SaveConfiguration();

    void ApplyObjectStates(const PortStatusBoard::ObjectStates& states);
    void ResetPanel();
    void WalkEnded(const PortStatusBoard::ObjectStates& applied, int status);
    void RepaintLamps();
    void Blink();
    std::optional<QPoint> LampPoint(int object) const;
    int PortNumberOf(const CPort& port) const;

    std::string m_deviceName;
    PortStatusBoard m_board;
    CCommonSNMP m_cCommonSNMPset; // set requests of the tool commands
    DeviceTools m_tools;
    std::unique_ptr<CPanelDeviceThread> m_thread;
    CMyBitmapApp m_bitmaps;
    DeviceMenu* m_menu;
    QTimer m_blinkTimer;
    QRegion m_lampArea;
    std::vector<CPort*> m_ports; // the panel's CPort objects in panel order
    PageFactory m_pageFactory;
    bool m_profileRead = false;
    bool m_pageOpen = false;
    bool m_toolBusy = false;
    std::unique_ptr<CRebootRequest> m_reboot; // while the reboot set runs
    bool m_shutDown = false;
};

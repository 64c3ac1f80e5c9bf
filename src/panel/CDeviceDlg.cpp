#include "CDeviceDlg.h"

#include "ShutdownRequest.h"
#include "CAboutDlg.h"
#include "CPanelDeviceThread.h"
#include "CPort.h"
#include "CRebootRequest.h"
#include "DeviceMenu.h"
#include "DeviceProfile.h"
#include "LaunchParams.h"
#include "MessageBox.h"
#include "DeviceModel.h"
#include "PageCatalog.h"
#include "PanelLampPainter.h"
#include "PanelResources.h"
#include "PanelView.h"
#include "PortClickNotifier.h"
#include "TraceCategory.h"

#include <QPainter>

namespace {

// The LED pictures the window paints, loaded once.
constexpr int kLampBitmaps[] = {160, 159, 161, 162, 158, 163, 164, 190, 191, 192, 230, 231, 202, 204, 201, 203};

} // namespace

CDeviceDlg::CDeviceDlg(QWidget* parent)
    : CDeviceDlgBase(parent)
    , m_tools(m_cCommonSNMPset, LaunchParams::current().IPAddress)
    , m_menu(new DeviceMenu(MenuBar()))
{
    connect(m_menu, &DeviceMenu::CommandTriggered, this, &CDeviceDlg::RunCommand);
    m_menu->EnablePages([](int command) { return PageCatalog::has(command); });
    m_blinkTimer.setInterval(kBlinkMs);
    connect(&m_blinkTimer, &QTimer::timeout, this, &CDeviceDlg::Blink);
    m_profileRead = SetUp();
}

CDeviceDlg::~CDeviceDlg()
{
    Shutdown();
}

bool CDeviceDlg::SetUp()
{
    setWindowIcon(PanelResources::ApplicationIcon());

    const DeviceProfile profile = DeviceProfile::read(DeviceProfile::profilePath());
    DeviceProfile::setCurrent(profile);
    m_deviceName = profile.DeviceName;
    if (profile.DeviceName.empty() || profile.XMLName.empty()) {
        MessageBox::info(QStringLiteral("Read User.ini Error !"));
        return false;
    }
    m_board = PortStatusBoard({profile.DevicePortNum, profile.ComboPortNum, profile.ComboPortIndex, profile.IsAllGiga,
                               DeviceModel(profile.DeviceName).poePortCount()});

    if (!LoadPanel(PanelResources::PanelDescriptionPath(QString::fromStdString(profile.XMLName)))
        && !PanelRefusal().isEmpty())
        MessageBox::info(PanelRefusal());
    Root().SetClickSink(this);
    for (int n = 0; CPort* port = dynamic_cast<CPort*>(Root().FindChildByClass(QStringLiteral("CPort"), n)); ++n)
        m_ports.push_back(port);
    for (int id : kLampBitmaps)
        m_bitmaps.LoadPicture(id);
    m_lampArea = PanelLampPainter(m_board, m_deviceName).LampArea([this](int object) { return LampPoint(object); });

    const QString name = QString::fromStdString(m_deviceName);
    setWindowTitle(name + QStringLiteral(": ") + QString::fromStdString(LaunchParams::current().IPAddress));
    m_menu->SetAboutText(name);
    m_board.ClearPortStates();
    StartPolling(profile.IsHasFan);
    m_menu->Prune(m_deviceName);
    return true;
}

void CDeviceDlg::StartPolling(bool hasFan)
{
    CPanelDeviceThread::Settings settings;
    settings.deviceName = m_deviceName;
    settings.portCount = m_board.GetLayout().portCount;
    settings.hasFan = hasFan;
    settings.snmpVersion = LaunchParams::current().SnmpVersion;
    m_thread = std::make_unique<CPanelDeviceThread>(this, this, settings);
    m_thread->Start();
}

void CDeviceDlg::Shutdown()
{
    if (m_shutDown)
        return;
    m_shutDown = true;
    m_blinkTimer.stop();
    if (m_thread) {
        m_thread->RequestStop();
        if (!m_thread->WaitForEnd(std::chrono::milliseconds(kThreadStopBoundMs)))
            CPanelDeviceThread::Abandon(std::move(m_thread));
    }
    TraceLine(QStringLiteral("==================DestroyWindow==============="));
    auto close = [](CCommonSNMP* session, const char* member) {
        if (session)
            session->Close();
        TraceLine(QStringLiteral("==================%1.Close===============").arg(QLatin1String(member)));
    };
    CPanelDeviceThread* polling = m_thread.get();
    close(polling ? &polling->ProbeSession() : nullptr, "m_cCommonSNMP");
    close(&m_cCommonSNMPset, "m_cCommonSNMPset");
    close(polling ? &polling->FanSession() : nullptr, "m_cCommonSNMPFan");
    close(polling ? &polling->PoeSession() : nullptr, "m_cCommonSNMPPoe");
    close(polling ? &polling->DevStatSession() : nullptr, "m_cCommonSNMPDevStat");
    close(polling ? &polling->PoeStatSession() : nullptr, "m_cCommonSNMPPoeStat");
    m_thread.reset();
}

void CDeviceDlg::done(int result)
{
    // A page or a tool holds the device; its own window is closed first. While the module shuts
    // down, a running save or reboot is cut short instead.
    const bool pageShown = m_pageOpen && !m_reboot;
    if (pageShown || ((m_toolBusy || m_reboot) && !ShutdownRequest::requested()))
        return;
    m_reboot.reset(); // its session closes, which cuts the set short
    m_toolBusy = false;
    Shutdown();
    CDeviceDlgBase::done(result);
}

void CDeviceDlg::Activate()
{
    showNormal();
    raise();
    activateWindow();
}

void CDeviceDlg::SetPageOpen(bool open)
{
    m_pageOpen = open;
    if (m_thread)
        m_thread->SetPageOpen(open);
}

void CDeviceDlg::RunAsPage(const std::function<void()>& run)
{
    EnterPage();
    run();
    LeavePage();
}

void CDeviceDlg::EnterPage()
{
    hide();
    SetPageOpen(true);
    showMinimized();
}

void CDeviceDlg::LeavePage()
{
    SetPageOpen(false);
    if (ShutdownRequest::requested()) {
        reject(); // the module is ending: the window closes instead of coming back
        return;
    }
    showNormal();
}

void CDeviceDlg::RunCommand(int commandId)
{
    if (m_shutDown || m_pageOpen || m_toolBusy)
        return;
    switch (commandId) {
    case MenuCommand::SaveConfiguration:
        SaveConfiguration();
        return;
    case MenuCommand::Reboot:
        Reboot();
        return;
    case MenuCommand::Telnet:
        m_tools.Telnet();
        return;
    case MenuCommand::Web:
        m_tools.Web();
        return;
    case MenuCommand::About:
        ShowAbout();
        return;
    default:
        OpenPage(commandId, 0);
        return;
    }
}

void CDeviceDlg::OpenPage(int commandId, int port)
{
    if (m_shutDown || m_pageOpen || m_toolBusy)
        return;
    std::unique_ptr<QDialog> page = m_pageFactory ? m_pageFactory(commandId, port) : PageCatalog::create(commandId, port);
    if (!page)
        return;
    RunAsPage([&page] { page->exec(); });
    page.reset();
}

void CDeviceDlg::ShowAbout()
{
    CAboutDlg about(QString::fromStdString(m_deviceName));
    about.setWindowFlag(Qt::WindowStaysOnTopHint);
    RunAsPage([&about] { about.exec(); });
}

void CDeviceDlg::SaveConfiguration()
{
    m_toolBusy = true;
    m_tools.SaveConfiguration(this, [this] { m_toolBusy = false; });
}

void CDeviceDlg::Reboot()
{
    if (!MessageBox::question(QStringLiteral("Do you want to reboot the device?")))
        return;
    m_reboot = std::make_unique<CRebootRequest>();
    EnterPage();
    m_reboot->Send(this, [this] {
        m_reboot.reset();
        LeavePage();
    });
}

CPort* CDeviceDlg::PortObject(int object) const
{
    return object >= 0 && object < int(m_ports.size()) ? m_ports[size_t(object)] : nullptr;
}

std::optional<QPoint> CDeviceDlg::LampPoint(int object) const
{
    const CPort* port = PortObject(object);
    const VirtualDev* lamp = port ? port->GetChild(0) : nullptr;
    if (!lamp)
        return std::nullopt;
    return lamp->GetRect().topLeft();
}

int CDeviceDlg::PortNumberOf(const CPort& port) const
{
    const PortStatusBoard::Layout& layout = m_board.GetLayout();
    for (int object = 0; object < int(m_ports.size()); ++object) {
        if (m_ports[size_t(object)] != &port)
            continue;
        return object < layout.portCount ? object + 1 : layout.comboIndex + object - layout.portCount;
    }
    return 0;
}

void CDeviceDlg::PaintOverPanel(QPainter& painter, const QRect&)
{
    if (!m_profileRead)
        return;
    PanelLampPainter(m_board, m_deviceName).Paint(painter, m_bitmaps, [this](int object) { return LampPoint(object); });
}

void CDeviceDlg::ApplyObjectStates(const PortStatusBoard::ObjectStates& states)
{
    for (const PortStatusBoard::ObjectState& s : states) {
        if (CPort* port = PortObject(s.object))
            port->SetState(s.state, View());
    }
}

void CDeviceDlg::ResetPanel()
{
    ApplyObjectStates(PortStatusBoard::ResetPanel(int(m_ports.size())));
    for (const auto& module : Modules()) {
        for (int n = 0; CPort* port = dynamic_cast<CPort*>(module->FindChildByClass(QStringLiteral("CPort"), n)); ++n)
            port->SetState(PortStatusBoard::OperDown, View());
    }
}

void CDeviceDlg::RepaintLamps()
{
    View()->update(m_lampArea);
}

void CDeviceDlg::Blink()
{
    m_board.blinkPhase ^= 1;
    RepaintLamps();
}

void CDeviceDlg::OnProbeAnswered(bool reachable)
{
    m_board.reachable = reachable ? 1 : 0;
    if (!reachable)
        ApplyObjectStates(m_board.ResetPortDisplay());
    RepaintLamps();
}

void CDeviceDlg::OnFanStatus(int status)
{
    m_board.fanStatus = status;
    RepaintLamps();
}

void CDeviceDlg::OnLedMode(bool linkMode, bool modeChanged)
{
    m_board.linkMode = linkMode;
    if (modeChanged)
        ApplyObjectStates(m_board.ResetPortDisplay());
    RepaintLamps();
}

void CDeviceDlg::OnPowerBudget(bool exhausted)
{
    m_board.powMax = exhausted;
    RepaintLamps();
}

void CDeviceDlg::OnLinkWalkEnded(std::vector<LinkRow> rows, int status)
{
    const bool apply = status == 0 || status == -2;
    WalkEnded(apply ? m_board.ApplyLinkRows(rows) : PortStatusBoard::ObjectStates(), status);
}

void CDeviceDlg::OnPoeWalkEnded(std::vector<PoeRow> rows, int status)
{
    const bool apply = status == 0 || status == -2;
    WalkEnded(apply ? m_board.ApplyPoeRows(rows) : PortStatusBoard::ObjectStates(), status);
}

// A walk that reached its end (or the end of the table) shows what it found and starts the
// blinking; one that failed leaves every port dark, and without an answer the panel resets.
void CDeviceDlg::WalkEnded(const PortStatusBoard::ObjectStates& applied, int status)
{
    if (status == 0 || status == -2) {
        ApplyObjectStates(applied);
        if (!m_blinkTimer.isActive() && !m_shutDown)
            m_blinkTimer.start();
    } else {
        m_board.ClearPortStates();
        if (status == -1)
            ResetPanel();
    }
    RepaintLamps();
}

void CDeviceDlg::OnPortClicked(CPort& port)
{
    PortClickNotifier::Notify();
    OpenPage(MenuCommand::PortConfiguration, PortNumberOf(port));
}

void CDeviceDlg::OnComClicked(CCom&)
{
    m_tools.Telnet(false);
}

#include "CPanelDeviceThread.h"

#include "DeviceOids.h"
#include "Enterprise.h"
#include "DeviceModel.h"
#include "NumberText.h"
#include "PollingSink.h"
#include "SnmpTypes.h"
#include "TraceCategory.h"

#include <QMetaObject>

#include <climits>
#include <cstdlib>

using namespace std::chrono;

namespace {

std::mutex g_timingMutex;
CPanelDeviceThread::Timing g_timing;

namespace deviceoid = snmp::deviceoid;
const std::vector<std::string> kLinkColumns = {
    "1.3.6.1.2.1.2.2.1.3", // ifType
    "1.3.6.1.2.1.2.2.1.5", // ifSpeed
    "1.3.6.1.2.1.2.2.1.7", // ifAdminStatus
    "1.3.6.1.2.1.2.2.1.8", // ifOperStatus
    deviceoid::portColumn(deviceoid::PortMedia),
};
constexpr int kProbeTimeoutMs = 1000;
constexpr int kQueryTimeoutMs = 5000;
constexpr int kLinkWalkTimeoutMs = 2000;
constexpr int kPoeWalkFirstTimeoutMs = 5000;
constexpr int kPoeWalkNextTimeoutMs = 1000;

std::string ValueText(const CSnmp& answer, int i)
{
    int type = 0;
    std::string text;
    answer.getValue(i, type, text);
    return text;
}

std::string ValueText(const snmp::Reply& row, std::size_t i)
{
    return i < row.values.size() ? row.values[i].text() : std::string();
}

// A number read from the switch; anything that does not fit an int counts as too large.
int NumberOf(std::string_view text)
{
    const auto value = LeadingInteger(text);
    if (!value || *value > INT_MAX)
        return INT_MAX;
    return *value < INT_MIN ? INT_MIN : int(*value);
}

} // namespace

void CPanelDeviceThread::SetTiming(const Timing& timing)
{
    std::lock_guard lock(g_timingMutex);
    g_timing = timing;
}

CPanelDeviceThread::Timing CPanelDeviceThread::GetTiming()
{
    std::lock_guard lock(g_timingMutex);
    return g_timing;
}

CPanelDeviceThread::CPanelDeviceThread(QObject* receiver, PollingSink* sink, Settings settings)
    : m_settings(std::move(settings))
    , m_timing(GetTiming())
    , m_receiver(receiver)
    , m_guard(receiver)
    , m_sink(sink)
{
}

CPanelDeviceThread::~CPanelDeviceThread()
{
    RequestStop();
    if (m_thread.joinable() && m_thread.get_id() != std::this_thread::get_id())
        m_thread.join();
    else if (m_thread.joinable())
        m_thread.detach(); // an abandoned thread deleting itself
}

void CPanelDeviceThread::Start()
{
    if (!m_receiver || !m_sink) {
        std::lock_guard lock(m_endMutex);
        m_ended = true;
        return;
    }
    m_thread = std::thread([this] { Run(); });
}

void CPanelDeviceThread::RequestStop()
{
    {
        std::lock_guard lock(m_stopMutex);
        m_stop = true;
    }
    m_stopCv.notify_all();
    // Cuts the running request short; no callback of these sessions runs after this.
    m_cCommonSNMP.Close();
    m_cCommonSNMPFan.Close();
    m_cCommonSNMPDevStat.Close();
    m_cCommonSNMPPoe.Close();
    m_cCommonSNMPPoeStat.Close();
}

bool CPanelDeviceThread::WaitForEnd(milliseconds bound)
{
    {
        std::unique_lock lock(m_endMutex);
        if (!m_endCv.wait_for(lock, bound, [this] { return m_ended; }))
            return false;
    }
    if (m_thread.joinable())
        m_thread.join();
    return true;
}

void CPanelDeviceThread::Abandon(std::unique_ptr<CPanelDeviceThread> thread)
{
    if (!thread)
        return;
    thread->DetachReceiver();
    thread->RequestStop();
    std::unique_lock lock(thread->m_endMutex);
    if (thread->m_ended) {
        lock.unlock();
        return; // ended meanwhile: the unique_ptr joins and deletes it
    }
    thread->m_abandoned = true;
    lock.unlock();
    (void)thread.release(); // the thread deletes it when it ends
}

void CPanelDeviceThread::DetachReceiver()
{
    std::lock_guard lock(m_receiverMutex);
    m_receiver = nullptr;
}

void CPanelDeviceThread::Post(std::function<void(PollingSink&)> report)
{
    std::lock_guard lock(m_receiverMutex);
    if (!m_receiver)
        return;
    QMetaObject::invokeMethod(
        m_receiver,
        [guard = m_guard, sink = m_sink, report = std::move(report)] {
            if (guard)
                report(*sink);
        },
        Qt::QueuedConnection);
}

bool CPanelDeviceThread::Sleep(int ms)
{
    std::unique_lock lock(m_stopMutex);
    return m_stopCv.wait_for(lock, milliseconds(ms), [this] { return m_stop.load(); });
}

bool CPanelDeviceThread::Begin(CCommonSNMP& session, snmp::PduType pduType)
{
    std::lock_guard lock(m_stopMutex);
    return !m_stop && session.Prepare(pduType);
}

void CPanelDeviceThread::Run()
{
    const int interval = m_settings.snmpVersion == "1" ? m_timing.intervalMsV1 : m_timing.intervalMsV3;
    const bool poeModel = DeviceModel(m_settings.deviceName).poe();
    while (!Stopping()) {
        if (Sleep(m_timing.startPauseMs))
            break;
        if (!m_pageOpen) {
            if (m_settings.hasFan) {
                Probe();
                QueryFan();
            }
            Probe();
            if (poeModel)
                PoeModelCycle();
            else
                LinkWalk();
        }
        for (int i = 0; i < m_timing.intervals && !Stopping(); ++i)
            Sleep(interval);
    }
    DetachReceiver();
    bool abandoned;
    {
        std::lock_guard lock(m_endMutex);
        m_ended = true;
        abandoned = m_abandoned;
        m_endCv.notify_all();
    }
    if (abandoned)
        delete this;
}

void CPanelDeviceThread::Probe()
{
    if (!Begin(m_cCommonSNMP, snmp::PduType::Get))
        return;
    m_cCommonSNMP.AddVarBind(deviceoid::agentProbe, snmp::Syntax::Null);
    std::unique_ptr<CSnmp> answer;
    // Any answer, an error-status included, means the switch is there.
    const bool reachable = m_cCommonSNMP.SendAndWait(answer, kProbeTimeoutMs) >= 0;
    if (!Stopping())
        Post([reachable](PollingSink& sink) { sink.OnProbeAnswered(reachable); });
}

void CPanelDeviceThread::QueryFan()
{
    TraceLine(QStringLiteral("======GetGetFanStatus======"));
    if (!Begin(m_cCommonSNMPFan, snmp::PduType::Get))
        return;
    m_cCommonSNMPFan.AddVarBind(deviceoid::fanStatus, snmp::Syntax::Null);
    std::unique_ptr<CSnmp> answer;
    if (m_cCommonSNMPFan.TableSendAndWait(answer, kQueryTimeoutMs) != 0 || !answer || answer->getValuesCount() < 1)
        return; // the fan keeps the state last read
    const int status = ValueText(*answer, 0) == "1" ? 1 : 2;
    Post([status](PollingSink& sink) { sink.OnFanStatus(status); });
}

void CPanelDeviceThread::PoeModelCycle()
{
    TraceLine(QStringLiteral("Get10PPOEOrLinkStatus"));
    // A query that fails keeps the flags of the last cycle and starts no walk.
    if (!Begin(m_cCommonSNMPPoe, snmp::PduType::Get))
        return;
    m_cCommonSNMPPoe.AddVarBind(deviceoid::poeLedMode, snmp::Syntax::Null);
    std::unique_ptr<CSnmp> answer;
    if (m_cCommonSNMPPoe.SendAndWait(answer, kQueryTimeoutMs) != 0 || !answer || answer->getValuesCount() < 1)
        return;
    const bool linkMode = ValueText(*answer, 0) == "1";
    const int mode = linkMode ? 0 : 1;
    const bool modeChanged = mode != m_previousMode;
    m_previousMode = mode;
    Post([linkMode, modeChanged](PollingSink& sink) { sink.OnLedMode(linkMode, modeChanged); });

    m_cCommonSNMPPoe.AddVarBind(deviceoid::poePowerLeft, snmp::Syntax::Null);
    answer.reset();
    if (m_cCommonSNMPPoe.SendAndWait(answer, kQueryTimeoutMs) != 0 || !answer || answer->getValuesCount() < 2)
        return;
    const bool exhausted = !(std::strtod(ValueText(*answer, 1).c_str(), nullptr) > 7.0);
    TraceLine(exhausted ? QStringLiteral("pThis->m_BIsPowMax = TRUE") : QStringLiteral("pThis->m_BIsPowMax = FALSE"));
    Post([exhausted](PollingSink& sink) { sink.OnPowerBudget(exhausted); });

    if (linkMode)
        LinkWalk();
    else
        PoeWalk();
}

void CPanelDeviceThread::LinkWalk()
{
    TraceLine(QStringLiteral("GET Port"));
    {
        std::lock_guard lock(m_rowsMutex);
        m_linkRows.clear();
    }
    if (Stopping())
        return;
    const int status = m_cCommonSNMPDevStat.walkAndWait(
        kLinkColumns, [this](snmp::Reply row) { return TakeLinkRow(row); }, {kLinkWalkTimeoutMs});
    if (!Stopping())
        EndLinkWalk(status);
}

void CPanelDeviceThread::PoeWalk()
{
    TraceLine(QStringLiteral("--1----GetPOEPortStatus---------"));
    {
        std::lock_guard lock(m_rowsMutex);
        m_poeRows.clear();
    }
    if (Stopping())
        return;
    const int status = m_cCommonSNMPPoeStat.walkAndWait(
        {deviceoid::poeColumn(deviceoid::PoeStatus)}, [this](snmp::Reply row) { return TakePoeRow(row); },
        {kPoeWalkNextTimeoutMs, 0, kPoeWalkFirstTimeoutMs});
    if (!Stopping())
        EndPoeWalk(status);
}

bool CPanelDeviceThread::TakeLinkRow(const snmp::Reply& row)
{
    TraceLine(QStringLiteral("GET Port call back"));
    TraceLine(QStringLiteral("call back get status = %1").arg(row.status));
    static const std::string kSkipped = snmp::expandEnterprise("ENTERPRISE.7777.1.");
    std::string values[5];
    for (std::size_t i = 0; i < row.values.size() && i < 5; ++i) {
        if (row.values[i].oid.find(kSkipped) == std::string::npos)
            values[i] = ValueText(row, i);
    }
    const std::string suffix = row.suffixes.empty() ? std::string() : row.suffixes[0];
    const size_t dot = suffix.find('.');
    const int index = NumberOf(dot == std::string::npos ? std::string_view() : std::string_view(suffix).substr(dot + 1));
    if (index >= m_settings.portCount + 1)
        return false;
    std::lock_guard lock(m_rowsMutex);
    m_linkRows.push_back({index, values[2], values[3], values[1], NumberOf(values[4])});
    return true;
}

void CPanelDeviceThread::EndLinkWalk(int status)
{
    if (status != 0) {
        TraceLine(QStringLiteral("GET Port call back"));
        TraceLine(QStringLiteral("call back get status = %1").arg(status));
    }
    std::vector<LinkRow> rows;
    {
        std::lock_guard lock(m_rowsMutex);
        rows.swap(m_linkRows);
    }
    Post([rows = std::move(rows), status](PollingSink& sink) mutable { sink.OnLinkWalkEnded(std::move(rows), status); });
}

bool CPanelDeviceThread::TakePoeRow(const snmp::Reply& row)
{
    const std::string suffix = row.suffixes.empty() ? std::string() : row.suffixes[0];
    // The table is indexed "1.PORT": the suffix ".1.PORT" less its first three characters.
    const std::string portText = suffix.size() > 3 ? suffix.substr(3) : std::string();
    TraceLine(QString::fromStdString(portText));
    const int port = NumberOf(portText);
    if (port >= m_settings.portCount + 1)
        return false;
    std::lock_guard lock(m_rowsMutex);
    m_poeRows.push_back({port, ValueText(row, 0)});
    return true;
}

void CPanelDeviceThread::EndPoeWalk(int status)
{
    std::vector<PoeRow> rows;
    {
        std::lock_guard lock(m_rowsMutex);
        rows.swap(m_poeRows);
    }
    Post([rows = std::move(rows), status](PollingSink& sink) mutable { sink.OnPoeWalkEnded(std::move(rows), status); });
}

#include "CPanelDeviceThread.h"

#include "Enterprise.h"
#include "ModelRules.h"
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

constexpr const char* kProbeOid = "ENTERPRISE.10.75.5.2.25.1.0";
constexpr const char* kFanOid = "ENTERPRISE.10.75.5.2.1.15.1.0";
constexpr const char* kLedModeOid = "ENTERPRISE.10.75.5.2.22.8.0";
constexpr const char* kPowerLeftOid = "ENTERPRISE.10.75.5.2.22.6.0";
constexpr const char* kPoeStatusColumn = "ENTERPRISE.10.75.5.2.22.1.1.13";
constexpr const char* kLinkColumns[] = {
    "1.3.6.1.2.1.2.2.1.3", // ifType
    "1.3.6.1.2.1.2.2.1.5", // ifSpeed
    "1.3.6.1.2.1.2.2.1.7", // ifAdminStatus
    "1.3.6.1.2.1.2.2.1.8", // ifOperStatus
    "ENTERPRISE.10.75.5.2.1.13.1.7", // media
};
constexpr int kProbeTimeoutMs = 1000;
constexpr int kQueryTimeoutMs = 5000;
constexpr int kLinkWalkTimeoutMs = 2000;
constexpr int kPoeWalkFirstTimeoutMs = 5000;
constexpr int kPoeWalkNextTimeoutMs = 1000;
constexpr int kMaxSkippedCycles = 3;

std::string ValueText(const CSnmp& answer, int i)
{
    int type = 0;
    std::string text;
    answer.getValue(i, type, text);
    return text;
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

bool CPanelDeviceThread::Begin(CCommonSNMP& session, int pduType)
{
    std::lock_guard lock(m_stopMutex);
    return !m_stop && session.Prepare(pduType);
}

void CPanelDeviceThread::Run()
{
    const int interval = m_settings.snmpVersion == "1" ? m_timing.intervalMsV1 : m_timing.intervalMsV3;
    const bool poeModel = ModelRules::IsPoeModel(m_settings.deviceName);
    while (!Stopping()) {
        if (Sleep(m_timing.startPauseMs))
            break;
        bool skipped = false;
        if (!m_pageOpen) {
            if (m_settings.hasFan) {
                Probe();
                QueryFan();
            }
            Probe();
            if (poeModel)
                skipped = !PoeModelCycle();
            else
                StartLinkWalk();
        }
        const int waits = skipped ? m_timing.intervalsAfterSkip : m_timing.intervals;
        for (int i = 0; i < waits && !Stopping(); ++i)
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
    m_cCommonSNMP.AddVarBind(kProbeOid, snmp::Syntax::Null);
    std::unique_ptr<CSnmp> answer;
    const bool reachable = m_cCommonSNMP.SendAndWait(answer, kProbeTimeoutMs) == 0;
    if (!Stopping())
        Post([reachable](PollingSink& sink) { sink.OnProbeAnswered(reachable); });
}

void CPanelDeviceThread::QueryFan()
{
    TraceLine(QStringLiteral("======GetGetFanStatus======"));
    if (!Begin(m_cCommonSNMPFan, snmp::PduType::Get))
        return;
    m_cCommonSNMPFan.AddVarBind(kFanOid, snmp::Syntax::Null);
    std::unique_ptr<CSnmp> answer;
    if (m_cCommonSNMPFan.TableSendAndWait(answer, kQueryTimeoutMs) != 0 || !answer || answer->getValuesCount() < 1)
        return; // the fan keeps the state last read
    const int status = ValueText(*answer, 0) == "1" ? 1 : 2;
    Post([status](PollingSink& sink) { sink.OnFanStatus(status); });
}

bool CPanelDeviceThread::PoeModelCycle()
{
    TraceLine(QStringLiteral("Get10PPOEOrLinkStatus"));
    if (m_walkBusy && m_skippedCycles < kMaxSkippedCycles) {
        ++m_skippedCycles;
        return false;
    }
    m_skippedCycles = 0;
    m_walkBusy = true;
    // A query that fails keeps the flags of the last cycle and starts no walk.
    auto fail = [this] {
        m_walkBusy = false;
        return true;
    };
    if (!Begin(m_cCommonSNMPPoe, snmp::PduType::Get))
        return fail();
    m_cCommonSNMPPoe.AddVarBind(kLedModeOid, snmp::Syntax::Null);
    std::unique_ptr<CSnmp> answer;
    if (m_cCommonSNMPPoe.SendAndWait(answer, kQueryTimeoutMs) != 0 || !answer || answer->getValuesCount() < 1)
        return fail();
    const bool linkMode = ValueText(*answer, 0) == "1";
    const int mode = linkMode ? 0 : 1;
    const bool modeChanged = mode != m_previousMode;
    m_previousMode = mode;
    Post([linkMode, modeChanged](PollingSink& sink) { sink.OnLedMode(linkMode, modeChanged); });

    m_cCommonSNMPPoe.AddVarBind(kPowerLeftOid, snmp::Syntax::Null);
    answer.reset();
    if (m_cCommonSNMPPoe.SendAndWait(answer, kQueryTimeoutMs) != 0 || !answer || answer->getValuesCount() < 2)
        return fail();
    const bool exhausted = !(std::strtod(ValueText(*answer, 1).c_str(), nullptr) > 7.0);
    TraceLine(exhausted ? QStringLiteral("pThis->m_BIsPowMax = TRUE") : QStringLiteral("pThis->m_BIsPowMax = FALSE"));
    Post([exhausted](PollingSink& sink) { sink.OnPowerBudget(exhausted); });

    if (linkMode)
        StartLinkWalk();
    else
        StartPoeWalk();
    return true;
}

void CPanelDeviceThread::StartLinkWalk()
{
    TraceLine(QStringLiteral("GET Port"));
    {
        std::lock_guard lock(m_rowsMutex);
        m_linkRows.clear();
    }
    if (!Begin(m_cCommonSNMPDevStat, snmp::PduType::GetNext)) {
        m_walkBusy = false;
        return;
    }
    for (const char* column : kLinkColumns)
        m_cCommonSNMPDevStat.AddVarBind(column, snmp::Syntax::Null);
    m_cCommonSNMPDevStat.Send(LinkWalkCallback, this, 0, kLinkWalkTimeoutMs);
}

void CPanelDeviceThread::StartPoeWalk()
{
    TraceLine(QStringLiteral("--1----GetPOEPortStatus---------"));
    {
        std::lock_guard lock(m_rowsMutex);
        m_poeRows.clear();
    }
    if (!Begin(m_cCommonSNMPPoeStat, snmp::PduType::GetNext)) {
        m_walkBusy = false;
        return;
    }
    m_cCommonSNMPPoeStat.AddVarBind(kPoeStatusColumn, snmp::Syntax::Null);
    m_cCommonSNMPPoeStat.Send(PoeWalkCallback, this, 0, kPoeWalkFirstTimeoutMs);
}

unsigned CPanelDeviceThread::LinkWalkCallback(std::unique_ptr<CSnmp> answer, int requestId, void* owner, int status)
{
    auto* self = static_cast<CPanelDeviceThread*>(owner);
    CCommonSNMP& session = self->m_cCommonSNMPDevStat;
    TraceLine(QStringLiteral("GET Port call back"));
    TraceLine(QStringLiteral("call back get status = %1").arg(status));
    if (!session.TakeRequest(requestId))
        return 0; // an answer of an earlier walk
    if (status != 0 || !answer || answer->getValuesCount() < 1) {
        self->EndLinkWalk(status);
        return 0;
    }
    static const std::string kSkipped = snmp::expandEnterprise("ENTERPRISE.7777.1.");
    std::string values[5];
    for (int i = 0; i < answer->getValuesCount() && i < 5; ++i) {
        std::string oid;
        answer->getOid(i, oid);
        if (oid.find(kSkipped) == std::string::npos)
            values[i] = ValueText(*answer, i);
    }
    std::string suffix;
    session.GetIndexSuffix(0, answer.get(), suffix);
    const size_t dot = suffix.find('.');
    const int index = NumberOf(dot == std::string::npos ? std::string_view() : std::string_view(suffix).substr(dot + 1));
    if (index >= self->m_settings.portCount + 1) {
        self->EndLinkWalk(0);
        return 0;
    }
    {
        std::lock_guard lock(self->m_rowsMutex);
        self->m_linkRows.push_back({index, values[2], values[3], values[1], NumberOf(values[4])});
    }
    session.Send(LinkWalkCallback, self, 0, kLinkWalkTimeoutMs);
    return 0;
}

void CPanelDeviceThread::EndLinkWalk(int status)
{
    std::vector<LinkRow> rows;
    {
        std::lock_guard lock(m_rowsMutex);
        rows.swap(m_linkRows);
    }
    Post([rows = std::move(rows), status](PollingSink& sink) mutable { sink.OnLinkWalkEnded(std::move(rows), status); });
    m_cCommonSNMPDevStat.SignalDone();
    m_walkBusy = false;
}

unsigned CPanelDeviceThread::PoeWalkCallback(std::unique_ptr<CSnmp> answer, int requestId, void* owner, int status)
{
    auto* self = static_cast<CPanelDeviceThread*>(owner);
    CCommonSNMP& session = self->m_cCommonSNMPPoeStat;
    if (!session.TakeRequest(requestId))
        return 0;
    if (status != 0 || !answer || answer->getValuesCount() < 1) {
        self->EndPoeWalk(status);
        return 0;
    }
    std::string suffix;
    session.GetIndexSuffix(0, answer.get(), suffix);
    // The table is indexed "1.PORT": the suffix ".1.PORT" less its first three characters.
    const std::string portText = suffix.size() > 3 ? suffix.substr(3) : std::string();
    TraceLine(QString::fromStdString(portText));
    const int port = NumberOf(portText);
    if (port >= self->m_settings.portCount + 1) {
        self->EndPoeWalk(0);
        return 0;
    }
    {
        std::lock_guard lock(self->m_rowsMutex);
        self->m_poeRows.push_back({port, ValueText(*answer, 0)});
    }
    session.Send(PoeWalkCallback, self, 0, kPoeWalkNextTimeoutMs);
    return 0;
}

void CPanelDeviceThread::EndPoeWalk(int status)
{
    std::vector<PoeRow> rows;
    {
        std::lock_guard lock(m_rowsMutex);
        rows.swap(m_poeRows);
    }
    Post([rows = std::move(rows), status](PollingSink& sink) mutable { sink.OnPoeWalkEnded(std::move(rows), status); });
    m_cCommonSNMPPoeStat.SignalDone();
    m_walkBusy = false;
}

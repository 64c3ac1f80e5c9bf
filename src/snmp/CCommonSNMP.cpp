#include "CCommonSNMP.h"

#include "AsyncDispatcher.h"
#include "CSnmpV1.h"
#include "CSnmpV3.h"
#include "LaunchParams.h"
#include "Trace.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <mutex>
#include <thread>
#include <vector>

using namespace snmp;
using namespace std::chrono;

namespace {

std::atomic<int> g_v3RequestCounter{0};
constexpr milliseconds kWorkerWait{3000};

// A manual-reset event, created signalled.
class Event {
public:
    void set()
    {
        std::lock_guard lock(m_mutex);
        m_set = true;
        m_cv.notify_all();
    }
    void reset()
    {
        std::lock_guard lock(m_mutex);
        m_set = false;
    }
    bool waitFor(milliseconds d)
    {
        std::unique_lock lock(m_mutex);
        return m_cv.wait_for(lock, d, [this] { return m_set; });
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_cv;
    bool m_set = true;
};

// The session's lock, built as an event that one thread takes and any thread may release, with
// bounded waits. (A std::timed_mutex would do, but its timed waits escape ThreadSanitizer.)
class SessionLock {
public:
    void lock()
    {
        std::unique_lock l(m_mutex);
        m_cv.wait(l, [this] { return !m_held; });
        m_held = true;
    }
    bool try_lock_for(milliseconds d)
    {
        std::unique_lock l(m_mutex);
        if (!m_cv.wait_for(l, d, [this] { return !m_held; }))
            return false;
        m_held = true;
        return true;
    }
    void unlock()
    {
        std::lock_guard l(m_mutex);
        m_held = false;
        m_cv.notify_one();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_cv;
    bool m_held = false;
};

int decimal(const std::string& text)
{
    return std::atoi(text.c_str());
}

} // namespace

struct CCommonSNMP::Core : std::enable_shared_from_this<Core> {
    int version = 0;
    std::unique_ptr<CSnmp> request;
    std::unique_ptr<CSnmpTable> table;
    std::string address;
    int defaultTimeout = 3000;

    std::mutex idsMutex;
    std::vector<int> outstanding;

    SessionLock lock; // serialises the request and the sends
    Event done;
    std::atomic<bool> aborted{false};
    std::atomic<bool> closed{false}; // for good: nothing is sent after Close

    std::string readCommunity, writeCommunity, securityLevel, authProtocol, privProtocol;
    std::string userName, authPassword, privPassword;

    // The cancel token of the current request, reachable without the session lock.
    std::mutex tokenMutex;
    CancelToken cancel = makeCancelToken();

    // Version-3 worker and its one pending request.
    std::mutex workerMutex;
    std::condition_variable workerCv;
    std::thread worker;
    bool workerRunning = false;
    bool pending = false;
    SnmpCallback pendingCallback = nullptr;
    void* pendingOwner = nullptr;
    int pendingTimeout = 0;
    int pendingId = 0;
    unsigned pendingEpoch = 0;

    // Delivery gate: callbacks of an earlier epoch (before Close) are dropped.
    std::mutex gateMutex;
    std::condition_variable gateCv;
    unsigned epoch = 0;
    int running = 0;
    std::thread::id runner;

    milliseconds closeBound() const { return milliseconds(defaultTimeout + 1000); }

    unsigned currentEpoch()
    {
        std::lock_guard g(gateMutex);
        return epoch;
    }

    void deliver(unsigned sentEpoch, SnmpCallback callback, void* owner, std::unique_ptr<CSnmp> answer, int id,
                 int status)
    {
        {
            std::lock_guard g(gateMutex);
            if (sentEpoch != epoch || !callback) {
                done.set();
                return;
            }
            ++running;
            runner = std::this_thread::get_id();
        }
        callback(std::move(answer), id, owner, status);
        std::lock_guard g(gateMutex);
        --running;
        gateCv.notify_all();
    }

    // Stops callbacks of everything sent so far; waits (bounded) for one that is running.
    void closeGate()
    {
        std::unique_lock g(gateMutex);
        ++epoch;
        if (running > 0 && runner != std::this_thread::get_id())
            gateCv.wait_for(g, closeBound(), [this] { return running == 0; });
    }

    void cancelCurrent()
    {
        std::lock_guard t(tokenMutex);
        cancel->cancel();
    }

    void clearPending()
    {
        std::lock_guard w(workerMutex);
        pending = false;
    }

    // Waits up to 3000 ms for the worker to end. A worker that does not end is left to finish on
    // its own: it holds this core alive and its callback is stopped by the gate.
    void stopWorker()
    {
        std::unique_lock w(workerMutex);
        if (!worker.joinable())
            return;
        const bool ended = workerCv.wait_for(w, kWorkerWait, [this] { return !workerRunning; });
        std::thread t = std::move(worker);
        w.unlock();
        if (ended)
            t.join();
        else
            t.detach();
    }

    // Withdraws what is outstanding: a queued version-3 request is dropped, the answer awaited
    // is no longer waited for, and no callback of it reaches the owner any more. Ids are
    // forgotten after the gate has closed, so a request that a running callback sent meanwhile
    // is forgotten as well.
    void withdraw()
    {
        clearPending();
        closeGate();
        forgetIds();
        cancelCurrent();
    }

    void forgetIds()
    {
        std::lock_guard g(idsMutex);
        outstanding.clear();
    }

    void remember(int id)
    {
        std::lock_guard g(idsMutex);
        outstanding.push_back(id);
    }

    bool sendable() const { return request && table && request->isSendable(); }

    void runWorker();
    void applyV3Security(CSnmpV3& v3) const;
};

void CCommonSNMP::Core::runWorker()
{
    for (;;) {
        SnmpCallback callback;
        void* owner;
        int timeout, id;
        unsigned sentEpoch;
        {
            std::lock_guard w(workerMutex);
            if (!pending)
                break;
            callback = pendingCallback;
            owner = pendingOwner;
            timeout = pendingTimeout;
            id = pendingId;
            sentEpoch = pendingEpoch;
        }
        // Wait for the lock, but give up as soon as the request is withdrawn (Prepare and the
        // destructor hold the lock while they wait for this worker to end).
        std::unique_lock l(lock, std::defer_lock);
        bool withdrawn = false;
        while (!l.try_lock_for(milliseconds(20))) {
            std::lock_guard w(workerMutex);
            if ((withdrawn = !pending))
                break;
        }
        if (withdrawn)
            break;
        if (!sendable()) {
            clearPending();
            break;
        }
        trace("getNext begin");
        std::unique_ptr<CSnmp> answer;
        const int status = table->getNext(address, answer, timeout);
        trace("getNext end");
        bool wanted;
        {
            std::lock_guard w(workerMutex);
            wanted = pending && pendingId == id && sendable();
            if (wanted)
                pending = false;
        }
        l.unlock();
        if (wanted)
            deliver(sentEpoch, callback, owner, std::move(answer), id, status);
    }
    done.set();
    std::lock_guard w(workerMutex);
    workerRunning = false;
    workerCv.notify_all();
}

void CCommonSNMP::Core::applyV3Security(CSnmpV3& v3) const
{
    v3.setMsgMaxSize(1024);
    v3.setMsgSecurityModel(3);
    v3.setUserName(userName);
    auto applyAuth = [&] {
        if (authProtocol == "2" || authProtocol == "3") {
            v3.setAuthArith(authProtocol == "2" ? 0 : 1);
            v3.setAuthPwd(authPassword.data(), static_cast<unsigned>(authPassword.size()));
        } else {
            v3.setMsgFlags(0);
        }
    };
    if (securityLevel == "2") {
        v3.setMsgFlags(1);
        applyAuth();
    } else if (securityLevel == "3") {
        v3.setMsgFlags(3);
        applyAuth();
        if (privProtocol == "2") {
            v3.setPriArith(0);
            v3.setPriPwd(privPassword.data(), static_cast<unsigned>(privPassword.size()));
        } else {
            v3.setMsgFlags(1);
        }
    } else {
        v3.setMsgFlags(0);
    }
}

CCommonSNMP::CCommonSNMP() : m_core(std::make_shared<Core>())
{
    const LaunchParams& p = LaunchParams::current();
    Core& c = *m_core;
    c.version = decimal(p.SnmpVersion);
    c.address = p.IPAddress;
    c.defaultTimeout = std::max(0, decimal(LaunchParams::timeoutText()));
    c.readCommunity = p.ReadCommunity;
    c.writeCommunity = p.WriteCommunity;
    c.securityLevel = p.SecurityLevel;
    c.authProtocol = p.AuthProtocol;
    c.privProtocol = p.PrivProtocol;
    c.userName = p.UserName;
    c.authPassword = p.AuthPassword;
    c.privPassword = p.PrivPassword;
}

CCommonSNMP::~CCommonSNMP()
{
    Core& c = *m_core;
    c.aborted = true;
    c.clearPending();
    c.closeGate();
    c.cancelCurrent();
    c.stopWorker();
    const bool locked = c.lock.try_lock_for(c.closeBound());
    if (locked) {
        c.table.reset();
        c.request.reset();
        c.lock.unlock();
    }
}

bool CCommonSNMP::Prepare(PduType pduType)
{
    Core& c = *m_core;
    c.withdraw();
    std::lock_guard l(c.lock);
    c.stopWorker();
    c.table.reset();
    c.request.reset();
    if (c.closed)
        return false;

    const bool knownType = pduType == PduType::Get || pduType == PduType::GetNext || pduType == PduType::Set;
    if ((c.version != 1 && c.version != 3) || !knownType)
        return false;

    if (c.version == 1) {
        auto v1 = std::make_unique<CSnmpV1>(PduType::Get);
        v1->setType(pduType);
        v1->clearVarBindList();
        v1->setCommunity(pduType == PduType::Set ? c.writeCommunity : c.readCommunity);
        c.request = std::move(v1);
    } else {
        auto v3 = std::make_unique<CSnmpV3>(PduType::Get);
        v3->setType(pduType);
        v3->clearVarBindList();
        c.applyV3Security(*v3);
        c.request = std::move(v3);
    }
    c.table = std::make_unique<CSnmpTable>(c.request.get());
    {
        std::lock_guard t(c.tokenMutex);
        c.cancel = c.request->cancelToken();
    }
    c.aborted = false;
    return true;
}

int CCommonSNMP::AddVarBind(const std::string& oid, Syntax syntax, const std::string& value)
{
    Core& c = *m_core;
    std::lock_guard l(c.lock);
    return c.request ? c.request->addValue(oid, syntax, value) : -1;
}

int CCommonSNMP::AddVarBind(const std::string& oid, Syntax syntax, const void* value, unsigned length)
{
    Core& c = *m_core;
    std::lock_guard l(c.lock);
    return c.request ? c.request->addValue(oid, syntax, value, length) : -1;
}

int CCommonSNMP::Send(SnmpCallback callback, void* owner, int timeoutMs)
{
    Core& c = *m_core;
    std::lock_guard l(c.lock);
    const unsigned epoch = c.currentEpoch();
    if (c.aborted) {
        c.done.set(); // closed: nothing is sent and nothing is called
        return -1;
    }
    if (!c.sendable()) {
        // Nothing to send: the caller still gets its one callback, later and from elsewhere.
        const int id = c.version == 3 ? ++g_v3RequestCounter : CSnmp::nextRequestId();
        c.remember(id);
        c.done.set();
        auto core = m_core;
        AsyncDispatcher::instance().post(
            [core, epoch, callback, owner, id] { core->deliver(epoch, callback, owner, nullptr, id, -1); });
        return -1;
    }
    const int timeout = timeoutMs ? timeoutMs : c.defaultTimeout;

    if (c.version == 1) {
        const int id = CSnmp::nextRequestId();
        c.remember(id);
        c.done.reset();
        auto core = m_core;
        return c.table->getNext(
            c.address,
            [core, epoch, callback, owner](std::unique_ptr<CSnmp> answer, int requestId, int status) {
                core->deliver(epoch, callback, owner, std::move(answer), requestId, status);
            },
            timeout, id);
    }

    // Version 3: the session's worker sends it.
    std::lock_guard w(c.workerMutex);
    c.pendingCallback = callback;
    c.pendingOwner = owner;
    c.pendingTimeout = timeout;
    c.pendingId = ++g_v3RequestCounter;
    c.pendingEpoch = epoch;
    c.remember(c.pendingId);
    c.pending = true;
    c.done.reset();
    if (!c.workerRunning) {
        if (c.worker.joinable())
            c.worker.join(); // it has left its loop already
        c.workerRunning = true;
        auto core = m_core;
        c.worker = std::thread([core] { core->runWorker(); });
    }
    return -1;
}

int CCommonSNMP::SendAndWait(std::unique_ptr<CSnmp>& answer, int timeoutMs)
{
    Core& c = *m_core;
    std::lock_guard l(c.lock);
    if (c.aborted || !c.sendable())
        return -1;
    return c.request->send(c.address, answer, timeoutMs ? timeoutMs : c.defaultTimeout);
}

int CCommonSNMP::TableSendAndWait(std::unique_ptr<CSnmp>& answer, int timeoutMs)
{
    Core& c = *m_core;
    std::lock_guard l(c.lock);
    if (c.aborted || !c.sendable())
        return -1;
    return c.table->getNext(c.address, answer, timeoutMs ? timeoutMs : c.defaultTimeout);
}

int CCommonSNMP::GetIndexSuffix(int i, const CSnmp* answer, std::string& suffix)
{
    Core& c = *m_core;
    std::lock_guard l(c.lock);
    if (!c.table || !c.request || c.request->getValuesCount() == 0)
        return -1;
    return c.table->getSuffix(i, answer, suffix);
}

bool CCommonSNMP::TakeRequest(int requestId)
{
    Core& c = *m_core;
    std::lock_guard g(c.idsMutex);
    auto it = std::find(c.outstanding.begin(), c.outstanding.end(), requestId);
    if (it == c.outstanding.end())
        return false;
    c.outstanding.erase(it);
    return true;
}

void CCommonSNMP::SignalDone()
{
    m_core->done.set();
}

bool CCommonSNMP::WaitDone()
{
    return m_core->done.waitFor(m_core->closeBound());
}

int CCommonSNMP::GetErrorInfo(long& errorStatus, unsigned long& errorIndex)
{
    Core& c = *m_core;
    std::lock_guard l(c.lock);
    return c.request ? c.request->getErrorInfo(errorStatus, errorIndex) : -1;
}

ExchangeStatus CCommonSNMP::LastExchange(std::string& reportOid)
{
    Core& c = *m_core;
    std::lock_guard l(c.lock);
    if (!c.request)
        return ExchangeStatus::SendFailed;
    const auto& state = c.request->state();
    std::lock_guard s(state->mutex);
    reportOid = state->lastReportOid;
    return state->lastExchange < 0 ? ExchangeStatus::SendFailed : static_cast<ExchangeStatus>(state->lastExchange);
}

void CCommonSNMP::Close()
{
    Core& c = *m_core;
    c.closed = true;
    c.aborted = true;
    c.withdraw();
    c.done.waitFor(c.closeBound());
}

int CCommonSNMP::LastV3RequestId()
{
    return g_v3RequestCounter.load();
}

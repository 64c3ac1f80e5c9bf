#include "CCommonSNMP.h"

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

} // namespace

// The request-building state of the session. The core runs every request; this keeps the request
// object a caller builds with Prepare/AddVarBind and the ids of its callbacks.
struct CCommonSNMP::Core {
    explicit Core(SessionSettings settings) : requests(RequestCore::create(std::move(settings))) {}

    std::shared_ptr<RequestCore> requests;
    const SessionSettings& settings() const { return requests->settings(); }

    SessionLock lock; // guards request and table; held while one of them is on the wire
    std::unique_ptr<CSnmp> request;
    std::unique_ptr<CSnmpTable> table;
    std::atomic<bool> closed{false};

    std::mutex idsMutex;
    std::vector<int> outstanding;
    Event done;

    // The cancel token of the prepared request, reachable without the lock.
    std::mutex tokenMutex;
    CancelToken cancel = makeCancelToken();

    milliseconds closeBound() const { return requests->closeBound(); }
    bool sendable() const { return request && table && request->isSendable(); }

    void cancelPrepared()
    {
        std::lock_guard t(tokenMutex);
        cancel->cancel();
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
    // The last exchange of the prepared request, for LastExchange (with `lock` held).
    void noteExchange()
    {
        if (!request)
            return;
        const auto& state = request->state();
        SnmpPdu report;
        int result;
        {
            std::lock_guard s(state->mutex);
            result = state->lastExchange;
            if (!state->lastReportOid.empty())
                report.binds.push_back(VarBind::null(state->lastReportOid));
        }
        if (result >= 0)
            requests->recordExchange(result, report);
    }
};

namespace {

// One Send of the prepared request: the next get-next of a walk, a get or a set.
class PreparedSend : public RequestCore::Operation {
public:
    PreparedSend(std::shared_ptr<CCommonSNMP::Core> core, SnmpCallback callback, void* owner, int id, int timeoutMs,
                 bool sendable)
        : m_core(std::move(core)), m_callback(callback), m_owner(owner), m_id(id), m_timeoutMs(timeoutMs),
          m_sendable(sendable)
    {
    }

    void run(RequestCore::Context& context) override
    {
        CCommonSNMP::Core& c = *m_core;
        std::unique_ptr<CSnmp> answer;
        int status = -1;
        if (m_sendable) {
            // Prepare holds the lock while it replaces the request: give up once withdrawn.
            std::unique_lock l(c.lock, std::defer_lock);
            while (!l.try_lock_for(milliseconds(20))) {
                if (context.cancelled())
                    break;
            }
            if (l.owns_lock() && !context.cancelled() && c.sendable())
                status = sendPrepared(c, context, answer);
        }
        bool called = false;
        context.end([&] {
            if (m_callback) {
                called = true;
                m_callback(std::move(answer), m_id, m_owner, status);
            }
        });
        if (!called)
            c.done.set(); // nobody will signal it
    }

private:
    // The next get-next of the prepared request (or its get or set), with `c.lock` held.
    int sendPrepared(CCommonSNMP::Core& c, RequestCore::Context& context, std::unique_ptr<CSnmp>& answer) const
    {
        const bool traced = c.settings().version == 3;
        if (traced)
            trace("getNext begin");
        const int status = c.table->getNext(c.settings().address, answer, context.timeout(m_timeoutMs));
        if (traced)
            trace("getNext end");
        c.noteExchange();
        return status;
    }

    std::shared_ptr<CCommonSNMP::Core> m_core;
    SnmpCallback m_callback;
    void* m_owner;
    int m_id;
    int m_timeoutMs;
    bool m_sendable;
};

// Waits on the calling thread for one result of a request, cut short when the session closes.
template <class Result>
class Waiter {
public:
    explicit Waiter(Result failed) : m_state(std::make_shared<State>(std::move(failed))) {}
    auto setter() const
    {
        return [state = m_state](Result result) {
            std::lock_guard lock(state->mutex);
            state->result = std::move(result);
            state->ready = true;
            state->cv.notify_all();
        };
    }
    Result wait(const RequestCore& core)
    {
        std::unique_lock lock(m_state->mutex);
        while (!m_state->ready) {
            if (m_state->cv.wait_for(lock, milliseconds(20), [this] { return m_state->ready; }))
                break;
            if (core.closed())
                return m_state->result;
        }
        return m_state->result;
    }

private:
    struct State {
        explicit State(Result failed) : result(std::move(failed)) {}
        std::mutex mutex;
        std::condition_variable cv;
        bool ready = false;
        Result result;
    };
    std::shared_ptr<State> m_state;
};

} // namespace

CCommonSNMP::CCommonSNMP() : m_core(std::make_shared<Core>(SessionSettings::fromLaunchParams())) {}

CCommonSNMP::~CCommonSNMP()
{
    Core& c = *m_core;
    c.closed = true;
    c.requests->close();
    c.cancelPrepared();
    if (c.lock.try_lock_for(c.closeBound())) {
        c.table.reset();
        c.request.reset();
        c.lock.unlock();
    }
}

void CCommonSNMP::get(const std::vector<std::string>& oids, RequestCore::ReplyHandler done, int timeoutMs)
{
    m_core->requests->get(oids, std::move(done), timeoutMs);
}

void CCommonSNMP::walk(const std::vector<std::string>& columns, RequestCore::RowHandler onRow,
                       RequestCore::EndHandler onEnd, WalkOptions options)
{
    m_core->requests->walk(columns, std::move(onRow), std::move(onEnd), options);
}

void CCommonSNMP::write(std::vector<SetStep> steps, RequestCore::WriteHandler done)
{
    m_core->requests->set(std::move(steps), std::move(done));
}

Reply CCommonSNMP::getAndWait(const std::vector<std::string>& oids, int timeoutMs)
{
    Waiter<Reply> waiter{Reply{}};
    m_core->requests->get(oids, waiter.setter(), timeoutMs);
    return waiter.wait(*m_core->requests);
}

int CCommonSNMP::walkAndWait(const std::vector<std::string>& columns, RequestCore::RowHandler onRow,
                             WalkOptions options)
{
    Waiter<int> waiter{-1};
    m_core->requests->walk(columns, std::move(onRow), waiter.setter(), options);
    return waiter.wait(*m_core->requests);
}

WriteResult CCommonSNMP::writeAndWait(std::vector<SetStep> steps)
{
    const int count = int(steps.size());
    Waiter<WriteResult> waiter{WriteResult{-1, 0, count}};
    m_core->requests->set(std::move(steps), waiter.setter());
    return waiter.wait(*m_core->requests);
}

bool CCommonSNMP::busy() const
{
    return m_core->requests->busy();
}

bool CCommonSNMP::Prepare(PduType pduType)
{
    Core& c = *m_core;
    c.requests->withdraw();
    c.forgetIds();
    c.cancelPrepared();
    std::lock_guard l(c.lock);
    c.table.reset();
    c.request.reset();
    if (c.closed)
        return false;

    const bool knownType = pduType == PduType::Get || pduType == PduType::GetNext || pduType == PduType::Set;
    if (!knownType)
        return false;
    c.request = c.settings().makeRequest(pduType);
    if (!c.request)
        return false;
    c.table = std::make_unique<CSnmpTable>(c.request.get());
    std::lock_guard t(c.tokenMutex);
    c.cancel = c.request->cancelToken();
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
    std::unique_lock l(c.lock);
    if (c.closed) {
        c.done.set(); // closed: nothing is sent and nothing is called
        return -1;
    }
    const int version = c.settings().version;
    const bool sendable = c.sendable();
    const int id = version == 3 ? ++g_v3RequestCounter : CSnmp::nextRequestId();
    c.remember(id);
    c.done.reset();
    auto operation = std::make_shared<PreparedSend>(m_core, callback, owner, id, timeoutMs, sendable);
    if (sendable)
        operation->cancel = c.request->cancelToken();
    l.unlock();
    // Nothing to send: the callback still comes once, later and from the session's worker.
    if (!c.requests->start(std::move(operation))) {
        c.done.set();
        return -1;
    }
    return version == 1 && sendable ? 0 : -1;
}

int CCommonSNMP::SendAndWait(std::unique_ptr<CSnmp>& answer, int timeoutMs)
{
    Core& c = *m_core;
    std::lock_guard l(c.lock);
    if (c.closed || !c.sendable())
        return -1;
    const int status = c.request->send(c.settings().address, answer, timeoutMs ? timeoutMs : c.settings().defaultTimeoutMs);
    c.noteExchange();
    return status;
}

int CCommonSNMP::TableSendAndWait(std::unique_ptr<CSnmp>& answer, int timeoutMs)
{
    Core& c = *m_core;
    std::lock_guard l(c.lock);
    if (c.closed || !c.sendable())
        return -1;
    const int status =
        c.table->getNext(c.settings().address, answer, timeoutMs ? timeoutMs : c.settings().defaultTimeoutMs);
    c.noteExchange();
    return status;
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
    return static_cast<ExchangeStatus>(m_core->requests->lastExchange(reportOid));
}

void CCommonSNMP::Close()
{
    Core& c = *m_core;
    c.closed = true;
    c.requests->close();
    c.cancelPrepared();
    c.forgetIds();
    c.done.set();
}

int CCommonSNMP::LastV3RequestId()
{
    return g_v3RequestCounter.load();
}

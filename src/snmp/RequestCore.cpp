#include "RequestCore.h"

#include "CSnmpV1.h"
#include "CSnmpV3.h"
#include "LaunchParams.h"
#include "Oid.h"
#include "SnmpTransport.h"
#include "Trace.h"
#include "WalkPlan.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <utility>

namespace snmp {

using namespace std::chrono;

namespace {

int decimal(const std::string& text)
{
    return std::atoi(text.c_str());
}

void applyV3Security(const SessionSettings& s, CSnmpV3& v3)
{
    v3.setMsgMaxSize(1024);
    v3.setMsgSecurityModel(3);
    v3.setUserName(s.userName);
    auto applyAuth = [&] {
        if (s.authProtocol == "2" || s.authProtocol == "3") {
            v3.setAuthArith(s.authProtocol == "2" ? 0 : 1);
            v3.setAuthPwd(s.authPassword.data(), static_cast<unsigned>(s.authPassword.size()));
        } else {
            v3.setMsgFlags(0);
        }
    };
    if (s.securityLevel == "2") {
        v3.setMsgFlags(1);
        applyAuth();
    } else if (s.securityLevel == "3") {
        v3.setMsgFlags(3);
        applyAuth();
        if (s.privProtocol == "2") {
            v3.setPriArith(0);
            v3.setPriPwd(s.privPassword.data(), static_cast<unsigned>(s.privPassword.size()));
        } else {
            v3.setMsgFlags(1);
        }
    } else {
        v3.setMsgFlags(0);
    }
}

// A request object of the session with these bindings; nullptr when it cannot be sent (an
// unknown version, no bindings, a value that does not fit its syntax).
std::unique_ptr<CSnmp> buildRequest(const SessionSettings& settings, PduType type,
                                    const std::vector<SetStep::Binding>& bindings)
{
    auto request = settings.makeRequest(type);
    if (!request)
        return nullptr;
    for (const SetStep::Binding& b : bindings)
        request->addValue(b.oid, b.syntax, b.value.data(), unsigned(b.value.size()));
    return request->isSendable() ? std::move(request) : nullptr;
}

std::vector<SetStep::Binding> nullBindings(const std::vector<std::string>& oids)
{
    std::vector<SetStep::Binding> bindings;
    bindings.reserve(oids.size());
    for (const std::string& oid : oids)
        bindings.push_back({oid, Syntax::Null, {}});
    return bindings;
}

class GetOperation : public RequestCore::Operation {
public:
    GetOperation(std::vector<std::string> oids, RequestCore::ReplyHandler done, int timeoutMs)
        : m_oids(std::move(oids)), m_done(std::move(done)), m_timeoutMs(timeoutMs)
    {
    }

    void run(RequestCore::Context& context) override
    {
        Reply reply;
        auto request = buildRequest(context.settings(), PduType::Get, nullBindings(m_oids));
        if (request) {
            SnmpPdu response;
            reply.status = context.exchange(request->target(context.settings().address),
                                            SnmpPdu{PduType::Get, request->bindings(), 0, 0}, response,
                                            context.timeout(m_timeoutMs));
            if (reply.status == 0) {
                reply.values = std::move(response.binds);
                // Version 3 answers an object the switch lacks with an exception in its place: that
                // is no value, as version 1's noSuchName says, so the page neither shows nor
                // writes it. (An answer with fewer values than asked stays an answer: the read
                // gate counts them.)
                const bool missing = std::any_of(reply.values.begin(), reply.values.end(),
                                                 [](const VarBind& v) { return v.isException(); });
                if (missing)
                    reply.status = static_cast<int>(ErrorStatus::NoSuchName);
            }
        }
        context.end([&] { m_done(std::move(reply)); });
    }
    void withdrawn() override { m_done(Reply{}); }

private:
    std::vector<std::string> m_oids;
    RequestCore::ReplyHandler m_done;
    int m_timeoutMs;
};

class WalkOperation : public RequestCore::Operation {
public:
    WalkOperation(std::vector<std::string> columns, RequestCore::RowHandler onRow, RequestCore::EndHandler onEnd,
                  WalkOptions options)
        : m_columns(std::move(columns)), m_onRow(std::move(onRow)), m_onEnd(std::move(onEnd)), m_options(options)
    {
    }

    void run(RequestCore::Context& context) override
    {
        const int status = walk(context);
        context.end([&] { m_onEnd(status); });
    }
    void withdrawn() override { m_onEnd(-1); }

private:
    // The end status of the walk; 1 when a handler was no longer wanted.
    int walk(RequestCore::Context& context)
    {
        auto request = buildRequest(context.settings(), PduType::GetNext, nullBindings(m_columns));
        if (!request)
            return -1;
        const SnmpTarget target = request->target(context.settings().address);
        std::vector<std::string> roots;
        for (const VarBind& b : request->bindings())
            roots.push_back(b.oid);
        WalkPlan plan(std::move(roots), target.version == 3 && context.bulkAllowed());
        int timeout = context.timeout(m_options.firstTimeoutMs ? m_options.firstTimeoutMs : m_options.timeoutMs);
        for (;; timeout = context.timeout(m_options.timeoutMs)) {
            const SnmpPdu query = plan.nextRequest();
            SnmpPdu response;
            const int status = context.exchange(target, query, response, timeout);
            if (status == -1) {
                if (!plan.usesBulk() || context.cancelled())
                    return -1;
                // An agent that drops GetBulk: this walk, and the session's next, go on with get-next.
                context.bulkFailed("not answered");
                plan.fallBackToGetNext();
                continue;
            }
            WalkPlan::Step step = plan.take(response, target.version);
            if (step.bulkFailed)
                context.bulkFailed("refused");
            for (std::size_t r = 0; r < step.rows.size(); ++r) {
                Reply row;
                row.status = 0;
                row.values = std::move(step.rows[r]);
                row.suffixes = std::move(step.suffixes[r]);
                if (int(row.values.size()) < m_options.minimumValues)
                    return 0;
                bool goOn = false;
                if (!context.deliver([&] { goOn = m_onRow(std::move(row)); }))
                    return 1;
                if (!goOn)
                    return 0;
            }
            if (step.end != 1)
                return step.end;
        }
    }

    std::vector<std::string> m_columns;
    RequestCore::RowHandler m_onRow;
    RequestCore::EndHandler m_onEnd;
    WalkOptions m_options;
};

class SetOperation : public RequestCore::Operation {
public:
    SetOperation(std::vector<SetStep> steps, RequestCore::WriteHandler done)
        : m_steps(std::move(steps)), m_done(std::move(done))
    {
    }

    void run(RequestCore::Context& context) override
    {
        WriteResult result = write(context);
        context.end([&] { m_done(result); });
    }
    void withdrawn() override { m_done(WriteResult{-1, m_completed.load(), int(m_steps.size())}); }

private:
    WriteResult write(RequestCore::Context& context)
    {
        WriteResult result;
        result.steps = int(m_steps.size());
        for (const SetStep& step : m_steps) {
            if (step.pauseMs > 0 && context.cancel()->waitFor(milliseconds(step.pauseMs))) {
                result.status = -1;
                return result;
            }
            auto request = buildRequest(context.settings(), PduType::Set, step.bindings);
            if (!request) {
                result.status = -1; // nothing of this step could be sent
                return result;
            }
            SnmpPdu response;
            result.status = context.exchange(request->target(context.settings().address),
                                             SnmpPdu{PduType::Set, request->bindings(), 0, 0}, response,
                                             context.timeout(step.timeoutMs));
            if (result.status != 0)
                return result;
            result.completed = ++m_completed;
        }
        return result;
    }

    std::vector<SetStep> m_steps;
    RequestCore::WriteHandler m_done;
    std::atomic<int> m_completed{0};
};

} // namespace

SessionSettings SessionSettings::fromLaunchParams()
{
    const LaunchParams& p = LaunchParams::current();
    SessionSettings s;
    s.version = decimal(p.SnmpVersion);
    s.address = p.IPAddress;
    s.defaultTimeoutMs = std::max(0, decimal(LaunchParams::timeoutText()));
    s.readCommunity = p.ReadCommunity;
    s.writeCommunity = p.WriteCommunity;
    s.securityLevel = p.SecurityLevel;
    s.authProtocol = p.AuthProtocol;
    s.privProtocol = p.PrivProtocol;
    s.userName = p.UserName;
    s.authPassword = p.AuthPassword;
    s.privPassword = p.PrivPassword;
    return s;
}

std::unique_ptr<CSnmp> SessionSettings::makeRequest(PduType type) const
{
    if (version == 1) {
        auto v1 = std::make_unique<CSnmpV1>(PduType::Get);
        v1->setType(type);
        v1->clearVarBindList();
        v1->setCommunity(type == PduType::Set ? writeCommunity : readCommunity);
        return v1;
    }
    if (version == 3) {
        auto v3 = std::make_unique<CSnmpV3>(PduType::Get);
        v3->setType(type);
        v3->clearVarBindList();
        applyV3Security(*this, *v3);
        return v3;
    }
    return nullptr;
}

// --- handler gate

bool RequestCore::HandlerGate::enter(milliseconds bound)
{
    std::unique_lock lock(m_mutex);
    const auto self = std::this_thread::get_id();
    if (m_depth > 0 && m_owner == self) {
        ++m_depth;
        return true;
    }
    if (!m_cv.wait_for(lock, bound, [this] { return m_depth == 0; }))
        return false;
    m_owner = self;
    m_depth = 1;
    return true;
}

void RequestCore::HandlerGate::leave()
{
    std::lock_guard lock(m_mutex);
    if (--m_depth == 0) {
        m_owner = std::thread::id();
        m_cv.notify_all();
    }
}

// --- context

bool RequestCore::Context::deliver(const std::function<void()>& handler)
{
    const bool entered = m_core.m_gate.enter(m_core.closeBound());
    bool wanted;
    {
        std::lock_guard lock(m_core.m_mutex);
        wanted = m_core.isCurrent(*m_operation);
    }
    if (wanted)
        handler();
    if (entered)
        m_core.m_gate.leave();
    return wanted;
}

bool RequestCore::Context::end(const std::function<void()>& handler)
{
    const bool entered = m_core.m_gate.enter(m_core.closeBound());
    bool wanted;
    {
        std::lock_guard lock(m_core.m_mutex);
        wanted = m_core.isCurrent(*m_operation);
        if (wanted) {
            m_operation->m_ended = true;
            m_core.m_current.reset();
        }
    }
    if (wanted)
        handler();
    if (entered)
        m_core.m_gate.leave();
    return wanted;
}

int RequestCore::Context::timeout(int ms) const
{
    return ms > 0 ? ms : m_core.m_settings.defaultTimeoutMs;
}

const SessionSettings& RequestCore::Context::settings() const
{
    return m_core.m_settings;
}

int RequestCore::Context::exchange(const SnmpTarget& target, const SnmpPdu& request, SnmpPdu& response,
                                   int timeoutMs)
{
    int result = static_cast<int>(ExchangeStatus::SendFailed);
    if (auto transport = currentTransport())
        result = static_cast<int>(transport->exchange(target, request, response, timeoutMs, m_operation->cancel));
    m_core.recordExchange(result, response);
    return exchangeStatus(result, response);
}

bool RequestCore::Context::bulkAllowed() const
{
    std::lock_guard lock(m_core.m_mutex);
    return !m_core.m_bulkFailed && bulkWalksEnabled();
}

void RequestCore::Context::bulkFailed(const char* how)
{
    {
        std::lock_guard lock(m_core.m_mutex);
        if (m_core.m_bulkFailed)
            return;
        m_core.m_bulkFailed = true;
    }
    trace(std::string("GetBulk ") + how + " by " + m_core.m_settings.address +
          ": this session walks with get-next from now on");
}

// --- core

std::shared_ptr<RequestCore> RequestCore::create(SessionSettings settings)
{
    return std::shared_ptr<RequestCore>(new RequestCore(std::move(settings)));
}

RequestCore::RequestCore(SessionSettings settings) : m_settings(std::move(settings)) {}

RequestCore::~RequestCore()
{
    // The worker holds the core while it runs, so it has been joined or let go by now.
    if (m_worker.joinable())
        m_worker.detach();
}

milliseconds RequestCore::closeBound() const
{
    return milliseconds(m_settings.defaultTimeoutMs + 1000);
}

bool RequestCore::isCurrent(const Operation& operation) const
{
    return !m_closed && m_current.get() == &operation && !operation.m_ended;
}

void RequestCore::get(const std::vector<std::string>& oids, ReplyHandler done, int timeoutMs)
{
    start(std::make_shared<GetOperation>(oids, std::move(done), timeoutMs));
}

void RequestCore::walk(const std::vector<std::string>& columns, RowHandler onRow, EndHandler onEnd,
                       WalkOptions options)
{
    start(std::make_shared<WalkOperation>(columns, std::move(onRow), std::move(onEnd), options));
}

void RequestCore::set(std::vector<SetStep> steps, WriteHandler done)
{
    start(std::make_shared<SetOperation>(std::move(steps), std::move(done)));
}

bool RequestCore::start(std::shared_ptr<Operation> operation)
{
    // The gate keeps a handler of the withdrawn request from running beside its -1.
    const bool entered = m_gate.enter(closeBound());
    std::shared_ptr<Operation> withdrawn;
    bool started = false;
    {
        std::lock_guard lock(m_mutex);
        if (!m_closed) {
            withdrawn = std::exchange(m_current, operation);
            if (withdrawn)
                withdrawn->m_ended = true;
            m_next = operation;
            ensureWorker();
            m_cv.notify_all();
            started = true;
        }
    }
    if (withdrawn) {
        withdrawn->cancel->cancel();
        withdrawn->withdrawn();
    }
    if (entered)
        m_gate.leave();
    return started;
}

void RequestCore::withdraw()
{
    const bool entered = m_gate.enter(closeBound());
    std::shared_ptr<Operation> withdrawn;
    {
        std::lock_guard lock(m_mutex);
        withdrawn = std::move(m_current);
        m_current.reset();
        m_next.reset();
        if (withdrawn)
            withdrawn->m_ended = true;
    }
    if (withdrawn) {
        withdrawn->cancel->cancel();
        withdrawn->withdrawn();
    }
    if (entered)
        m_gate.leave();
}

bool RequestCore::busy() const
{
    std::lock_guard lock(m_mutex);
    return m_current != nullptr;
}

bool RequestCore::closed() const
{
    std::lock_guard lock(m_mutex);
    return m_closed;
}

void RequestCore::close()
{
    std::shared_ptr<Operation> running;
    {
        std::lock_guard lock(m_mutex);
        if (m_closed)
            return;
        m_closed = true;
        running = std::move(m_current);
        m_current.reset();
        m_next.reset();
        m_cv.notify_all();
    }
    if (running)
        running->cancel->cancel();
    // A handler running on another thread finishes before close returns.
    if (m_gate.enter(closeBound()))
        m_gate.leave();
    stopWorker();
}

void RequestCore::ensureWorker()
{
    if (m_workerRunning)
        return;
    if (m_worker.joinable())
        m_worker.join(); // it has left its loop already
    m_workerRunning = true;
    m_worker = std::thread([self = shared_from_this()] { self->runWorker(); });
}

void RequestCore::runWorker()
{
    for (;;) {
        std::shared_ptr<Operation> operation;
        {
            std::unique_lock lock(m_mutex);
            m_cv.wait(lock, [this] { return m_closed || m_next; });
            if (m_closed)
                break;
            operation = std::move(m_next);
            m_next.reset();
        }
        Context context(*this, operation);
        operation->run(context);
    }
    std::lock_guard lock(m_mutex);
    m_workerRunning = false;
    m_cv.notify_all();
}

void RequestCore::stopWorker()
{
    std::unique_lock lock(m_mutex);
    if (!m_worker.joinable())
        return;
    if (m_worker.get_id() == std::this_thread::get_id()) {
        m_worker.detach(); // closed from one of its own handlers: it leaves its loop next
        return;
    }
    const bool ended = m_cv.wait_for(lock, closeBound(), [this] { return !m_workerRunning; });
    std::thread worker = std::move(m_worker);
    lock.unlock();
    if (ended)
        worker.join();
    else
        worker.detach(); // it holds the core and ends on its own; nothing of it is delivered
}

int RequestCore::lastExchange(std::string& reportOid) const
{
    std::lock_guard lock(m_mutex);
    reportOid = m_lastReportOid;
    return m_lastExchange < 0 ? static_cast<int>(ExchangeStatus::SendFailed) : m_lastExchange;
}

void RequestCore::recordExchange(int exchangeResult, const SnmpPdu& response)
{
    std::lock_guard lock(m_mutex);
    m_lastExchange = exchangeResult;
    const bool refused = static_cast<ExchangeStatus>(exchangeResult) == ExchangeStatus::Refused;
    m_lastReportOid = refused && !response.binds.empty() ? response.binds[0].oid : std::string();
}

} // namespace snmp

#pragma once
// The one owner of a session's request rule. Runs typed asynchronous requests — a get, a walk, a
// list of set steps — on a worker thread of the session, one at a time, and alone guarantees:
//
//  - a request started while another runs withdraws it; the withdrawn one ends exactly once,
//    with -1, on the thread that started the new one;
//  - every request ends exactly once (its answer, its end status, or -1), unless the session
//    was closed first;
//  - after close() nothing is delivered any more, and every wait of the session is cut short;
//    close() returns within its bound, also when called from a handler.
//
// Handlers run on the worker thread (or, for a withdrawal, on the caller's), one at a time. Free
// of Qt: the GUI side hands results over with queued calls.
//
//     auto core = RequestCore::create(SessionSettings::fromLaunchParams());
//     core->walk({ifIndex, ifOperStatus},
//                [](Reply row) { ...; return true; },   // false stops the walk (end status 0)
//                [](int status) { ... });                // -2 end of table, -1, > 0 error-status

#include "CSnmp.h"

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace snmp {

// An owned copy of one answer.
struct Reply {
    // 0 = an answer; -1 no answer in time, nothing sent, or withdrawn; > 0 the agent's
    // error-status. A get whose answer carries noSuchObject, noSuchInstance or endOfMibView for
    // a value it asked for fails with noSuchName, as version 1 would.
    int status = -1;
    std::vector<VarBind> values;
    // For walks: the index part of each value's OID (".5", ".1.0.27.17.34.51.68"), else empty.
    std::vector<std::string> suffixes;
};

// True for a walk that read its whole table: it ran to its end (-2), or its row handler ended
// it on purpose (0).
inline bool WalkComplete(int status)
{
    return status == -2 || status == 0;
}

struct WalkOptions {
    int timeoutMs = 0;      // per request; 0 = the session's default
    int minimumValues = 0;  // an answer with fewer values ends the walk (status 0)
    int firstTimeoutMs = 0; // the first request's, when it differs from timeoutMs
};

// One set request of a write: its bindings (values as text in the form of their syntax, the
// bytes for OCTET STRING), a pause before it and its own time-out (0: the session's default).
struct SetStep {
    struct Binding {
        std::string oid;
        Syntax syntax;
        std::string value;
    };
    std::vector<Binding> bindings;
    int pauseMs = 0;
    int timeoutMs = 0;
};

struct WriteResult {
    int status = 0;    // 0 when every step was answered with error-status 0
    int completed = 0; // steps that succeeded before the one that failed
    int steps = 0;     // steps of the write
    bool ok() const { return status == 0; }
};

// Who the session talks to, and how: copied once from the launch parameters.
struct SessionSettings {
    int version = 0;
    std::string address;
    int defaultTimeoutMs = 3000;
    std::string readCommunity, writeCommunity;
    std::string securityLevel, authProtocol, privProtocol;
    std::string userName, authPassword, privPassword;

    static SessionSettings fromLaunchParams();
    // An empty request of this type with the session's credentials; nullptr for a version other
    // than 1 or 3.
    std::unique_ptr<CSnmp> makeRequest(PduType type) const;
};

class RequestCore : public std::enable_shared_from_this<RequestCore> {
public:
    using ReplyHandler = std::function<void(Reply)>;
    // Takes one row (status 0); false ends the walk there, with end status 0.
    using RowHandler = std::function<bool(Reply)>;
    using EndHandler = std::function<void(int status)>;
    using WriteHandler = std::function<void(WriteResult)>;

    // What a running request may do with its results.
    class Context;

    // A request as the worker runs it. withdrawn() ends it with -1 when a later request or the
    // owner withdraws it (never after close()).
    class Operation {
    public:
        virtual ~Operation() = default;
        virtual void run(Context& context) = 0;
        virtual void withdrawn() {}
        // Cancelled on withdrawal and close: cuts the request's waits short.
        CancelToken cancel = makeCancelToken();

    private:
        friend class RequestCore;
        bool m_ended = false; // guarded by the core's mutex
    };

    class Context {
    public:
        // Calls `handler` unless the request was withdrawn or the session closed; false when it
        // was not called (the request should stop then).
        bool deliver(const std::function<void()>& handler);
        // Ends the request, calling `handler` unless it was withdrawn or the session closed;
        // false when it was not called.
        bool end(const std::function<void()>& handler);
        bool cancelled() const { return m_operation->cancel->cancelled(); }
        const CancelToken& cancel() const { return m_operation->cancel; }
        int timeout(int ms) const;
        const SessionSettings& settings() const;
        // Sends on the process-wide transport with this request's cancel token, and records
        // what became of it (lastExchange). Returns the adapter's status: 0, -1, error-status.
        int exchange(const SnmpTarget& target, const SnmpPdu& request, SnmpPdu& response, int timeoutMs);
        // Walks of a version-3 session ask with GetBulk until the agent has once mishandled it.
        bool bulkAllowed() const;
        void bulkFailed(const char* how);

    private:
        friend class RequestCore;
        Context(RequestCore& core, std::shared_ptr<Operation> operation)
            : m_core(core), m_operation(std::move(operation))
        {
        }
        RequestCore& m_core;
        std::shared_ptr<Operation> m_operation;
    };

    static std::shared_ptr<RequestCore> create(SessionSettings settings);
    ~RequestCore();
    RequestCore(const RequestCore&) = delete;
    RequestCore& operator=(const RequestCore&) = delete;

    const SessionSettings& settings() const { return m_settings; }

    // A get of the OIDs, in this order.
    void get(const std::vector<std::string>& oids, ReplyHandler done, int timeoutMs = 0);
    // Walks the columns: each row holds one value per column, in column order, with its suffix.
    void walk(const std::vector<std::string>& columns, RowHandler onRow, EndHandler onEnd, WalkOptions options = {});
    // Sends the steps in order, each after its pause, and stops at the first that fails.
    void set(std::vector<SetStep> steps, WriteHandler done);
    // Any request; false (and nothing called) when the session is closed.
    bool start(std::shared_ptr<Operation> operation);

    // Withdraws what runs: it ends with -1 now.
    void withdraw();
    // True from the start of a request until it has ended.
    bool busy() const;
    // Closes for good: nothing is sent or delivered afterwards.
    void close();
    bool closed() const;

    // What became of the last exchange of this session that got no answer: the transport's
    // ExchangeStatus (SendFailed before any), and the OID of a refusing report.
    int lastExchange(std::string& reportOid) const;
    void recordExchange(int exchangeResult, const SnmpPdu& response);

    // The bound within which close() returns and a running handler is waited for.
    std::chrono::milliseconds closeBound() const;

private:
    explicit RequestCore(SessionSettings settings);

    // Handlers run one at a time; the thread running one may enter again.
    class HandlerGate {
    public:
        bool enter(std::chrono::milliseconds bound);
        void leave();

    private:
        std::mutex m_mutex;
        std::condition_variable m_cv;
        std::thread::id m_owner;
        int m_depth = 0;
    };

    bool isCurrent(const Operation& operation) const; // with m_mutex held
    void ensureWorker();                              // with m_mutex held
    void runWorker();
    void stopWorker();

    const SessionSettings m_settings;
    HandlerGate m_gate;
    mutable std::mutex m_mutex;
    std::condition_variable m_cv;
    std::shared_ptr<Operation> m_current; // started and not ended
    std::shared_ptr<Operation> m_next;    // waiting for the worker
    bool m_closed = false;
    std::thread m_worker;
    bool m_workerRunning = false;
    bool m_bulkFailed = false;
    int m_lastExchange = -1;
    std::string m_lastReportOid;
};

} // namespace snmp

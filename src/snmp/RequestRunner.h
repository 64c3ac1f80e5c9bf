#pragma once
// Runs the asynchronous requests of one session, one at a time: a single request with one
// answer, or a get-next walk whose next request goes out from the callback thread as soon as a
// row has been taken. Every request started ends exactly once: with its answer, with the status
// that ended the walk, or with -1 when a later request on the same runner withdrew it.
//
// Handlers run on SNMP threads; the -1 of a withdrawn request runs on the thread that started
// the later one. The runner is the owner its session's callbacks point at: close the session
// before the runner goes.
//
//     RequestRunner runner(session);
//     runner.walk({ifIndex, ifOperStatus},
//                 [](Reply row) { ...; return true; },   // false stops the walk (status 0)
//                 [](int status) { ... });                // -2 end of table, -1, > 0 error-status

#include "CCommonSNMP.h"

#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace snmp {

// An owned copy of one answer, made on the callback thread.
struct Reply {
    // 0 = an answer; -1 no answer in time, nothing sent, or withdrawn; > 0 the agent's
    // error-status. (Walks end with -2 at the end of the table.)
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

class RequestRunner {
public:
    using ReplyHandler = std::function<void(Reply reply)>;
    // Takes one row (status 0); false ends the walk there, with end status 0.
    using RowHandler = std::function<bool(Reply row)>;
    using EndHandler = std::function<void(int status)>;

    explicit RequestRunner(CCommonSNMP& session);
    RequestRunner(const RequestRunner&) = delete;
    RequestRunner& operator=(const RequestRunner&) = delete;

    CCommonSNMP& session() { return m_session; }

    // Prepares a get of the OIDs, in this order, and sends it.
    void get(const std::vector<std::string>& oids, ReplyHandler onReply, int timeoutMs = 0);
    // Sends what the caller has prepared on the session (Prepare, AddVarBind).
    void send(ReplyHandler onReply, int timeoutMs = 0);
    // Walks the columns with get-next; each answer is one row, values in column order.
    void walk(const std::vector<std::string>& columns, RowHandler onRow, EndHandler onEnd, int firstTimeoutMs = 0,
              int nextTimeoutMs = 0);

    // True from the start of a request until its handler has been called.
    bool busy() const;

private:
    struct Operation;
    void start(std::shared_ptr<Operation> operation, int timeoutMs);
    // True (and the runner idle) when `operation` is still the running one.
    bool finish(const std::shared_ptr<Operation>& operation);
    static unsigned callback(std::unique_ptr<CSnmp> answer, int requestId, void* owner, int status);
    void take(std::unique_ptr<CSnmp> answer, int status);

    CCommonSNMP& m_session;
    mutable std::mutex m_mutex;
    std::shared_ptr<Operation> m_current;
};

} // namespace snmp

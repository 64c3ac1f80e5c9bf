#include "RequestRunner.h"

#include <utility>

namespace snmp {

struct RequestRunner::Operation {
    bool isWalk = false;
    int nextTimeoutMs = 0;
    ReplyHandler onReply; // single requests
    RowHandler onRow;     // walks
    EndHandler onEnd;     // walks

    void endWith(int status) const
    {
        if (isWalk)
            onEnd(status);
        else
            onReply(Reply{status, {}, {}});
    }
};

RequestRunner::RequestRunner(CCommonSNMP& session) : m_session(session) {}

bool RequestRunner::busy() const
{
    std::lock_guard lock(m_mutex);
    return m_current != nullptr;
}

void RequestRunner::get(const std::vector<std::string>& oids, ReplyHandler onReply, int timeoutMs)
{
    m_session.Prepare(PduType::Get);
    for (const std::string& oid : oids)
        m_session.AddVarBind(oid, Syntax::Null);
    send(std::move(onReply), timeoutMs);
}

void RequestRunner::send(ReplyHandler onReply, int timeoutMs)
{
    auto operation = std::make_shared<Operation>();
    operation->onReply = std::move(onReply);
    start(std::move(operation), timeoutMs);
}

void RequestRunner::walk(const std::vector<std::string>& columns, RowHandler onRow, EndHandler onEnd,
                         int firstTimeoutMs, int nextTimeoutMs)
{
    auto operation = std::make_shared<Operation>();
    operation->isWalk = true;
    operation->nextTimeoutMs = nextTimeoutMs;
    operation->onRow = std::move(onRow);
    operation->onEnd = std::move(onEnd);
    m_session.Prepare(PduType::GetNext);
    for (const std::string& column : columns)
        m_session.AddVarBind(column, Syntax::Null);
    start(std::move(operation), firstTimeoutMs);
}

// The session's Prepare has withdrawn whatever ran before (no callback of it runs any more), so
// the request it replaces is ended here, once, with -1.
void RequestRunner::start(std::shared_ptr<Operation> operation, int timeoutMs)
{
    std::shared_ptr<Operation> withdrawn;
    {
        std::lock_guard lock(m_mutex);
        withdrawn = std::exchange(m_current, operation);
    }
    if (withdrawn)
        withdrawn->endWith(-1);
    m_session.Send(&RequestRunner::callback, this, timeoutMs);
}

bool RequestRunner::finish(const std::shared_ptr<Operation>& operation)
{
    std::lock_guard lock(m_mutex);
    if (m_current != operation)
        return false;
    m_current.reset();
    return true;
}

unsigned RequestRunner::callback(std::unique_ptr<CSnmp> answer, int requestId, void* owner, int status)
{
    auto* self = static_cast<RequestRunner*>(owner);
    if (!self->m_session.TakeRequest(requestId))
        return 0; // an answer to a request that was withdrawn
    self->take(std::move(answer), status);
    return 0;
}

void RequestRunner::take(std::unique_ptr<CSnmp> answer, int status)
{
    std::shared_ptr<Operation> operation;
    {
        std::lock_guard lock(m_mutex);
        operation = m_current;
    }
    Reply reply;
    reply.status = status;
    if (status == 0 && answer) {
        reply.values = answer->bindings();
        if (operation && operation->isWalk) {
            reply.suffixes.resize(reply.values.size());
            for (std::size_t i = 0; i < reply.values.size(); ++i)
                m_session.GetIndexSuffix(int(i), answer.get(), reply.suffixes[i]);
        }
    }
    // Before any further Send: a Send refused because the session is closing leaves it done, so
    // Close does not wait for an answer that will never come.
    m_session.SignalDone();
    if (!operation)
        return;

    if (!operation->isWalk) {
        if (finish(operation))
            operation->onReply(std::move(reply));
        return;
    }
    if (status != 0 || reply.values.empty()) {
        if (finish(operation))
            operation->onEnd(status);
        return;
    }
    if (!operation->onRow(std::move(reply))) {
        if (finish(operation))
            operation->onEnd(0);
        return;
    }
    // The row handler may have started another request on this runner.
    {
        std::lock_guard lock(m_mutex);
        if (m_current != operation)
            return;
    }
    m_session.Send(&RequestRunner::callback, this, operation->nextTimeoutMs);
}

} // namespace snmp

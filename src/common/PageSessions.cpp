#include "PageSessions.h"

#include "TraceCategory.h"

#include <mutex>
#include <stdexcept>

// What the callback does with the answers of the request that is running on a slot.
struct PageSessions::Request {
    bool isWalk = false;
    int timeoutMs = 0;
    int minimumValues = 0;
    ReplyHandler onReply; // a single request; for a walk, each row
    EndHandler onEnd;     // walks only
};

struct PageSessions::Slot {
    Slot(const QueuedDelivery& d, const char* name) : delivery(d), memberName(name) {}

    std::shared_ptr<const Request> current()
    {
        std::lock_guard lock(mutex);
        return request;
    }

    const QueuedDelivery& delivery;
    const char* memberName;
    CCommonSNMP session;
    std::mutex mutex;
    std::shared_ptr<const Request> request;
};

PageSessions::PageSessions(QObject* receiver) : m_delivery(receiver) {}

PageSessions::~PageSessions()
{
    // A session that was not closed with its trace line is at least stopped before it goes.
    for (auto& slot : m_slots)
        slot->session.Close();
}

CCommonSNMP& PageSessions::add(const char* memberName)
{
    m_slots.push_back(std::make_unique<Slot>(m_delivery, memberName));
    return m_slots.back()->session;
}

PageSessions::Slot& PageSessions::slotOf(CCommonSNMP& session)
{
    for (auto& slot : m_slots) {
        if (&slot->session == &session)
            return *slot;
    }
    throw std::logic_error("session does not belong to these page sessions");
}

void PageSessions::start(Slot& slot, std::shared_ptr<const Request> request, int timeoutMs)
{
    {
        std::lock_guard lock(slot.mutex);
        slot.request = std::move(request);
    }
    slot.session.Send(&PageSessions::callback, &slot, timeoutMs);
}

void PageSessions::send(CCommonSNMP& session, ReplyHandler onReply, int timeoutMs)
{
    auto request = std::make_shared<Request>();
    request->onReply = std::move(onReply);
    start(slotOf(session), std::move(request), timeoutMs);
}

void PageSessions::get(CCommonSNMP& session, const std::vector<std::string>& oids, ReplyHandler onReply,
                       int timeoutMs)
{
    session.Prepare(snmp::PduType::Get);
    for (const std::string& oid : oids)
        session.AddVarBind(oid, snmp::Syntax::Null);
    send(session, std::move(onReply), timeoutMs);
}

void PageSessions::walk(CCommonSNMP& session, const std::vector<std::string>& columns, ReplyHandler onRow,
                        EndHandler onEnd, WalkOptions options)
{
    auto request = std::make_shared<Request>();
    request->isWalk = true;
    request->timeoutMs = options.timeoutMs;
    request->minimumValues = options.minimumValues;
    request->onReply = std::move(onRow);
    request->onEnd = std::move(onEnd);
    session.Prepare(snmp::PduType::GetNext);
    for (const std::string& column : columns)
        session.AddVarBind(column, snmp::Syntax::Null);
    start(slotOf(session), std::move(request), options.timeoutMs);
}

unsigned PageSessions::callback(std::unique_ptr<CSnmp> answer, int requestId, void* owner, int status)
{
    auto* slot = static_cast<Slot*>(owner);
    CCommonSNMP& session = slot->session;
    if (!session.TakeRequest(requestId))
        return 0; // an answer to an earlier use of the session
    std::shared_ptr<const Request> request = slot->current();

    SnmpReply reply;
    reply.status = status;
    if (status == 0 && answer) {
        reply.values = answer->bindings();
        if (request && request->isWalk) {
            reply.suffixes.resize(reply.values.size());
            for (std::size_t i = 0; i < reply.values.size(); ++i)
                session.GetIndexSuffix(int(i), answer.get(), reply.suffixes[i]);
        }
    }
    // Before any further Send: a Send refused because the page is closing leaves the session
    // done, so Close does not wait for an answer that will never come.
    session.SignalDone();
    if (!request)
        return 0;

    if (!request->isWalk) {
        slot->delivery.post([request, reply = std::move(reply)] { request->onReply(reply); });
        return 0;
    }
    if (status != 0 || reply.count() < request->minimumValues) {
        slot->delivery.post([request, status] { request->onEnd(status); });
        return 0;
    }
    slot->delivery.post([request, reply = std::move(reply)] { request->onReply(reply); });
    session.Send(&PageSessions::callback, slot, request->timeoutMs);
    return 0;
}

void PageSessions::closeAll()
{
    if (m_closed)
        return;
    m_closed = true;
    for (auto& slot : m_slots) {
        slot->session.Close();
        if (slot->memberName)
            TraceLine(QStringLiteral("==================%1.Close===============").arg(QLatin1String(slot->memberName)));
    }
}

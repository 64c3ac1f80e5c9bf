#include "PageSessions.h"

#include "TraceCategory.h"

#include <atomic>
#include <stdexcept>

struct PageSessions::Slot {
    explicit Slot(const char* name) : memberName(name) {}

    const char* memberName;
    CCommonSNMP session;
    snmp::RequestRunner runner{session};
    // Requests whose handler call is still to run on the receiver's thread.
    std::atomic<int> undelivered{0};
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
    m_slots.push_back(std::make_unique<Slot>(memberName));
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

bool PageSessions::busy(CCommonSNMP& session)
{
    Slot& slot = slotOf(session);
    return slot.undelivered.load() > 0;
}

void PageSessions::send(CCommonSNMP& session, ReplyHandler onReply, int timeoutMs)
{
    if (m_closed)
        return;
    Slot& slot = slotOf(session);
    ++slot.undelivered;
    slot.runner.send(
        [delivery = m_delivery, slot = &slot, onReply = std::move(onReply)](snmp::Reply reply) {
            delivery.post([slot, onReply, reply = SnmpReply(std::move(reply))] {
                --slot->undelivered;
                onReply(reply);
            });
        },
        timeoutMs);
}

void PageSessions::get(CCommonSNMP& session, const std::vector<std::string>& oids, ReplyHandler onReply,
                       int timeoutMs)
{
    if (m_closed)
        return;
    session.Prepare(snmp::PduType::Get);
    for (const std::string& oid : oids)
        session.AddVarBind(oid, snmp::Syntax::Null);
    send(session, std::move(onReply), timeoutMs);
}

void PageSessions::walk(CCommonSNMP& session, const std::vector<std::string>& columns, ReplyHandler onRow,
                        EndHandler onEnd, WalkOptions options)
{
    if (m_closed)
        return;
    Slot& slot = slotOf(session);
    ++slot.undelivered;
    auto rowHandler = std::make_shared<ReplyHandler>(std::move(onRow));
    slot.runner.walk(
        columns,
        [delivery = m_delivery, rowHandler, minimum = options.minimumValues](snmp::Reply row) {
            if (int(row.values.size()) < minimum)
                return false;
            delivery.post([rowHandler, row = SnmpReply(std::move(row))] { (*rowHandler)(row); });
            return true;
        },
        [delivery = m_delivery, slot = &slot, onEnd = std::move(onEnd)](int status) {
            delivery.post([slot, onEnd, status] {
                --slot->undelivered;
                onEnd(status);
            });
        },
        options.timeoutMs, options.timeoutMs);
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

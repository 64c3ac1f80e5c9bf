#include "PageSessions.h"

#include "TraceCategory.h"

#include <stdexcept>

PageSessions::PageSessions(QObject* receiver) : m_delivery(receiver) {}

PageSessions::~PageSessions()
{
    // A session that was not closed with its trace line is at least stopped before it goes.
    m_delivery.close();
    for (auto& slot : m_slots)
        slot->session.Close();
}

CCommonSNMP& PageSessions::add(const char* memberName)
{
    m_slots.push_back(std::make_unique<Slot>(memberName));
    return m_slots.back()->session;
}

const PageSessions::Slot& PageSessions::slotOf(const CCommonSNMP& session) const
{
    for (const auto& slot : m_slots) {
        if (&slot->session == &session)
            return *slot;
    }
    throw std::logic_error("session does not belong to these page sessions");
}

bool PageSessions::busy(CCommonSNMP& session) const
{
    return *slotOf(session).undelivered > 0;
}

void PageSessions::get(CCommonSNMP& session, const std::vector<std::string>& oids, ReplyHandler onReply,
                       int timeoutMs)
{
    if (m_closed)
        return;
    auto undelivered = slotOf(session).undelivered;
    ++*undelivered;
    session.get(
        oids,
        [delivery = m_delivery, undelivered, onReply = std::move(onReply)](snmp::Reply reply) {
            delivery.post([undelivered, onReply, reply = SnmpReply(std::move(reply))] {
                --*undelivered;
                onReply(reply);
            });
        },
        timeoutMs);
}

void PageSessions::walk(CCommonSNMP& session, const std::vector<std::string>& columns, ReplyHandler onRow,
                        EndHandler onEnd, WalkOptions options)
{
    if (m_closed)
        return;
    auto undelivered = slotOf(session).undelivered;
    ++*undelivered;
    auto rowHandler = std::make_shared<ReplyHandler>(std::move(onRow));
    session.walk(
        columns,
        [delivery = m_delivery, rowHandler](snmp::Reply row) {
            delivery.post([rowHandler, row = SnmpReply(std::move(row))] { (*rowHandler)(row); });
            return true;
        },
        [delivery = m_delivery, undelivered, onEnd = std::move(onEnd)](int status) {
            delivery.post([undelivered, onEnd, status] {
                --*undelivered;
                onEnd(status);
            });
        },
        options);
}

void PageSessions::write(CCommonSNMP& session, const std::vector<SetRequest>& requests, WriteHandler onDone)
{
    if (m_closed)
        return;
    std::vector<snmp::SetStep> steps;
    steps.reserve(requests.size());
    for (const SetRequest& request : requests)
        steps.push_back(request.step());
    auto undelivered = slotOf(session).undelivered;
    ++*undelivered;
    session.write(std::move(steps), [delivery = m_delivery, undelivered, onDone = std::move(onDone)](WriteResult result) {
        delivery.post([undelivered, onDone, result] {
            --*undelivered;
            onDone(result);
        });
    });
}

void PageSessions::closeAll()
{
    if (m_closed)
        return;
    m_closed = true;
    m_delivery.close();
    for (auto& slot : m_slots) {
        slot->session.Close();
        if (slot->memberName)
            TraceLine(QStringLiteral("==================%1.Close===============").arg(QLatin1String(slot->memberName)));
    }
}

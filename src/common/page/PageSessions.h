#pragma once
// The SNMP sessions of a page (or of a page's data object): owns them, starts their requests and
// brings every result to the receiver's thread as a queued call, so handlers run on the GUI
// thread and may touch widgets. closeAll() closes the sessions in the order they were added, each
// followed by its trace line "==================<member>.Close===============".
//
//     CCommonSNMP& m_cCommonSNMPTable = m_sessions.add("m_cCommonSNMPTable");
//     m_sessions.walk(m_cCommonSNMPTable, {ifIndex, ifOperStatus},
//                     [this](const SnmpReply& row) { ... },
//                     [this](int status) { m_refresh->setEnabled(true); });
//
// The session's core runs one request at a time: a request started while another runs on the
// same session withdraws it, and the withdrawn one still gets its one handler call, with -1.
// After closeAll() nothing is sent and no handler is called, also for results already on their
// way.

#include "CCommonSNMP.h"
#include "QueuedDelivery.h"
#include "SetRequest.h"
#include "SnmpReply.h"

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

using snmp::WalkOptions;

class PageSessions {
public:
    using ReplyHandler = std::function<void(const SnmpReply&)>;
    using EndHandler = std::function<void(int status)>;
    using WriteHandler = std::function<void(const WriteResult&)>;

    explicit PageSessions(QObject* receiver);
    ~PageSessions();
    PageSessions(const PageSessions&) = delete;
    PageSessions& operator=(const PageSessions&) = delete;

    // A new session. memberName is the name its Close is traced under; nullptr closes it
    // without a line.
    CCommonSNMP& add(const char* memberName);

    // A get of the OIDs (in this order); onReply gets the answer or the failure status.
    void get(CCommonSNMP& session, const std::vector<std::string>& oids, ReplyHandler onReply, int timeoutMs = 0);
    // Walks the columns: onRow gets each row (status 0, values in column order, suffixes set),
    // onEnd the status that ended the walk (-2 end of the table, -1 no answer or withdrawn, > 0
    // error-status, 0 an answer with fewer than minimumValues values or a walk stopped on purpose).
    void walk(CCommonSNMP& session, const std::vector<std::string>& columns, ReplyHandler onRow, EndHandler onEnd,
              WalkOptions options = {});
    // Sends the set requests in order, stopping at the first that fails; onDone gets the result.
    void write(CCommonSNMP& session, const std::vector<SetRequest>& requests, WriteHandler onDone);

    // True while a request started on `session` has not had its handler call here yet.
    bool busy(CCommonSNMP& session) const;

    // Closes every session (once); afterwards no handler is called for their requests.
    void closeAll();
    bool closed() const { return m_closed; }

private:
    struct Slot {
        explicit Slot(const char* name) : memberName(name) {}
        const char* memberName;
        CCommonSNMP session;
        // Requests whose handler call is still to run on the receiver's thread (that thread only).
        std::shared_ptr<int> undelivered = std::make_shared<int>(0);
    };
    const Slot& slotOf(const CCommonSNMP& session) const;

    QueuedDelivery m_delivery;
    std::deque<std::unique_ptr<Slot>> m_slots;
    bool m_closed = false;
};

#pragma once
// The SNMP sessions of a page (or of a page's data object): owns them, runs their asynchronous
// requests and walks, and brings every result into the receiver's thread as a queued call, so
// handlers run on the GUI thread and may touch widgets. closeAll() closes the sessions in the
// order they were added, each followed by its trace line "==================<member>.Close===============".
//
//     CCommonSNMP& m_cCommonSNMPTable = m_sessions.add("m_cCommonSNMPTable");
//     m_sessions.walk(m_cCommonSNMPTable, {ifIndex, ifOperStatus},
//                     [this](const SnmpReply& row) { ... },
//                     [this](int status) { m_refresh->setEnabled(true); });
//
// One request at a time per session: a request started while another runs on the same session
// withdraws it, and the withdrawn one still gets its one handler call, with -1. Every request
// started before closeAll() ends with exactly one handler call (a reply, or a walk's end) unless
// closeAll() came first; after closeAll() nothing is sent and no handler is called.

#include "CCommonSNMP.h"
#include "QueuedDelivery.h"
#include "SnmpReply.h"

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

struct WalkOptions {
    int timeoutMs = 0;     // per request; 0 = the session's default
    int minimumValues = 0; // an answer with fewer values ends the walk (status 0)
};

class PageSessions {
public:
    using ReplyHandler = std::function<void(const SnmpReply&)>;
    using EndHandler = std::function<void(int status)>;

    explicit PageSessions(QObject* receiver);
    ~PageSessions();
    PageSessions(const PageSessions&) = delete;
    PageSessions& operator=(const PageSessions&) = delete;

    // A new session. memberName is the name its Close is traced under; nullptr closes it
    // without a line.
    CCommonSNMP& add(const char* memberName);

    // Sends what has been prepared on `session` (get or set); onReply gets the answer or the
    // failure status.
    void send(CCommonSNMP& session, ReplyHandler onReply, int timeoutMs = 0);
    // Prepares a get of the OIDs (in this order) and sends it.
    void get(CCommonSNMP& session, const std::vector<std::string>& oids, ReplyHandler onReply, int timeoutMs = 0);

    // Walks the columns with get-next, one request per row: onRow gets each row (status 0,
    // values in column order, suffixes set), onEnd the status that ended the walk (-2 end of the
    // table, -1 no answer or withdrawn, > 0 error-status, 0 an answer with fewer than
    // minimumValues values). The next request goes out from the callback thread while the page
    // takes in the row.
    void walk(CCommonSNMP& session, const std::vector<std::string>& columns, ReplyHandler onRow, EndHandler onEnd,
              WalkOptions options = {});

    // True while a request started on `session` has not had its handler call yet.
    bool busy(CCommonSNMP& session);

    // Closes every session (once); afterwards no handler is called for their requests.
    void closeAll();
    bool closed() const { return m_closed; }

private:
    struct Slot;
    Slot& slotOf(CCommonSNMP& session);

    QueuedDelivery m_delivery;
    std::deque<std::unique_ptr<Slot>> m_slots;
    bool m_closed = false;
};

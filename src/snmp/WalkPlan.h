#pragma once
// The logic of one walk, free of sessions and threads: which request goes out next and what an
// answer means. Get-next walks one row per answer; a bulk walk (version 3) asks for several rows
// at once with GetBulk and hands on the same rows, with the same end, as get-next would.
//
//     WalkPlan plan(columns, version == 3 && bulkWalksEnabled() && !sessionFellBack);
//     for (;;) {
//         send(plan.nextRequest());
//         no answer in time:   if (plan.usesBulk()) { plan.fallBackToGetNext(); resend; } else end -1
//         answered:            Step s = plan.take(answer, version);
//                              if (s.bulkFailed) remember for the session: walk with get-next
//                              hand on s.rows (with s.suffixes) one by one, in order
//                              s.end == 1: send again; else end with s.end
//     }
//
// End of the walk (-2): binding 0 of a row leaves the subtree of column 0, is endOfMibView, does
// not increase, or version 1 says noSuchName (its end of the MIB). A plain value: one walk, used
// from one thread at a time.

#include "SnmpTypes.h"

#include <cstddef>
#include <string>
#include <vector>

namespace snmp {

// False when the environment says SORVEX_NO_BULK=1: every walk then uses get-next.
bool bulkWalksEnabled();

class WalkPlan {
public:
    static constexpr int kStartRepetitions = 25;
    // Binding bytes an answer is planned to carry, so that it fits one Ethernet datagram with
    // the message header around it.
    static constexpr std::size_t kAnswerBudget = 1400;

    struct Step {
        std::vector<std::vector<VarBind>> rows;          // whole rows, column order, in walk order
        std::vector<std::vector<std::string>> suffixes;  // each value's index below its column (".5")
        int end = 1;             // 1 go on; -2 end of the walk; > 0 the agent's error-status
        bool bulkFailed = false; // this agent mishandles GetBulk; the plan walks on with get-next
    };

    // `bulk`: ask with GetBulk (version 3 only, and not switched off).
    WalkPlan(std::vector<std::string> columns, bool bulk);

    // The request that continues the walk from the last whole row taken.
    SnmpPdu nextRequest() const;
    // Takes the answer to the last nextRequest(). On bulkFailed the plan has already switched to
    // get-next; a tooBig answer to GetBulk leaves end 1 with no rows and asks for fewer next time.
    Step take(const SnmpPdu& response, int version);
    // After a GetBulk went unanswered: the walk continues with get-next from the same cursor.
    void fallBackToGetNext();

    bool usesBulk() const { return m_bulk; }
    int maxRepetitions() const { return m_repetitions; }
    const std::vector<std::string>& columns() const { return m_roots; }

private:
    Step takeGetNext(const SnmpPdu& response, int version);
    Step takeBulk(const SnmpPdu& response);
    // -2 when `first` (binding 0 of a row) ends the walk, else 1.
    int endOf(const VarBind& first) const;
    void deliver(Step& step, std::vector<VarBind> row);
    void failBulk(Step& step);

    std::vector<std::string> m_roots;  // the columns as the walk began
    std::vector<std::string> m_cursor; // OIDs of the last row taken
    bool m_bulk;
    int m_ceiling = kStartRepetitions; // halved on every tooBig
    int m_repetitions = kStartRepetitions;
};

} // namespace snmp

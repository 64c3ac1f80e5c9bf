#pragma once
// Sends a request of its CSnmp object and, for get-next, walks: each get-next continues from the
// previous answer until the walk ends (-2): the first binding leaves the subtree it began in, the
// agent reports the end of its MIB, or the answer's OID does not increase.

#include "CSnmp.h"

#include <functional>

namespace snmp {

class CSnmpTable {
public:
    // Status 0 comes with an answer; -1 no answer in time (or nothing sent), -2 end of walk,
    // a positive value is the agent's error-status.
    explicit CSnmpTable(CSnmp* request) : m_request(request) {}

    // Sends the request, blocking the caller; 0 with a new answer.
    int getNext(const std::string& address, std::unique_ptr<CSnmp>& answer, int timeoutMs);
    // The index part of answer binding i relative to the OID requested in that position when
    // the walk began, beginning with "."; -1 when there is no such binding.
    int getSuffix(int i, const CSnmp* answer, std::string& suffix) const;

private:
    struct Prepared {
        SnmpTarget target;
        SnmpPdu pdu;
        std::shared_ptr<RequestState> state;
        CancelToken cancel;
        std::unique_ptr<CSnmp> answer;
    };
    bool prepare(const std::string& address, Prepared& out);
    static int complete(Prepared& p, int exchangeResult, SnmpPdu& response);

    CSnmp* m_request;
};

} // namespace snmp

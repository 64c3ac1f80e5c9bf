#pragma once
// The set requests of a page's write, built in the order the switch must receive them, and the
// runner that sends them one after the other and stops at the first that fails: nothing after a
// failed step is written.
//
//     std::vector<SetRequest> steps(2);
//     steps[0].ipAddress(host, "10.0.0.1").integer(port, 514);
//     steps[1].pauseBefore(30).integer(state, 1);
//     const WriteResult result = write(m_cCommonSNMPSet, steps);   // CPageDialog
//     if (result.ok()) ...

#include "CCommonSNMP.h"

#include <atomic>
#include <string>
#include <vector>

class SetRequest {
public:
    struct Binding {
        std::string oid;
        snmp::Syntax syntax;
        std::string value; // text for numbers and addresses, the bytes for OCTET STRING
    };

    SetRequest& integer(const std::string& oid, long long value);
    SetRequest& unsigned32(const std::string& oid, unsigned long long value);
    SetRequest& octets(const std::string& oid, std::string bytes);
    SetRequest& ipAddress(const std::string& oid, const std::string& dotted);
    // A binding whose value is already text in the form of its syntax.
    SetRequest& add(const std::string& oid, snmp::Syntax syntax, std::string value);

    // A pause before this request is sent (the switch needs it between some writes).
    SetRequest& pauseBefore(int ms);
    // 0: the session's default.
    SetRequest& timeout(int ms);

    // Prepares this request on the session (a set with these bindings), for an asynchronous send.
    void prepare(CCommonSNMP& session) const;

    const std::vector<Binding>& bindings() const { return m_bindings; }
    int pauseMs() const { return m_pauseMs; }
    int timeoutMs() const { return m_timeoutMs; }
    bool empty() const { return m_bindings.empty(); }

private:
    std::vector<Binding> m_bindings;
    int m_pauseMs = 0;
    int m_timeoutMs = 0;
};

struct WriteResult {
    int status = 0;    // 0 when every request was answered with error-status 0
    int completed = 0; // requests that succeeded before the one that failed
    bool ok() const { return status == 0; }
};

// Sends the requests in order on `session`, blocking the calling thread (never the GUI thread:
// CPageDialog::write runs it on a worker). Stops at the first failure, and before the next
// request or pause once `stop` is set.
WriteResult RunSetRequests(CCommonSNMP& session, const std::vector<SetRequest>& requests,
                           const std::atomic<bool>& stop);

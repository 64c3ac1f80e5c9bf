#pragma once
// The set requests of a page's write, built in the order the switch must receive them. The
// session's core sends them one after the other and stops at the first that fails: nothing after
// a failed step is written.
//
//     std::vector<SetRequest> steps(2);
//     steps[0].ipAddress(host, "10.0.0.1").integer(port, 514);
//     steps[1].pauseBefore(30).integer(state, 1);
//     write(m_cCommonSNMPSet, steps, [this](const WriteResult& result) {   // CPageDialog
//         if (result.ok()) ...
//     });

#include "RequestCore.h"

#include <string>
#include <vector>

using snmp::WriteResult;

class SetRequest {
public:
    using Binding = snmp::SetStep::Binding;

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

    const std::vector<Binding>& bindings() const { return m_step.bindings; }
    int pauseMs() const { return m_step.pauseMs; }
    int timeoutMs() const { return m_step.timeoutMs; }
    bool empty() const { return m_step.bindings.empty(); }
    // The request as the session's core sends it.
    const snmp::SetStep& step() const { return m_step; }

private:
    snmp::SetStep m_step;
};

#pragma once
// The SNMP session every page and the device window talk through. It copies the launch
// parameters once, builds one request per operation (Prepare, AddVarBind), sends it either
// asynchronously (the answer reaches a callback on another thread) or synchronously, and hides
// the difference between version 1 (communities) and version 3 (user-based security).
//
// Results: 0 = answered with error-status 0; -1 = no answer in time or nothing sent; -2 = end of
// a walk; a positive value = the agent's error-status. Every nonzero value is a failure.
// After Close, no callback of requests sent before it reaches the owner. Every wait is bounded.

#include "CSnmp.h"
#include "CSnmpTable.h"
#include "SnmpTransport.h"

#include <memory>
#include <string>

using snmp::CSnmp;

// Callbacks run on a thread of the SNMP layer, never on the caller of Send. They receive the
// answer (status 0) or nullptr, and must check TakeRequest(requestId) first.
using SnmpCallback = unsigned (*)(std::unique_ptr<CSnmp> answer, int requestId, void* owner, int status);

class CCommonSNMP {
public:
    CCommonSNMP();
    ~CCommonSNMP();
    CCommonSNMP(const CCommonSNMP&) = delete;
    CCommonSNMP& operator=(const CCommonSNMP&) = delete;

    // Starts a new request of type get, get-next or set. Whatever is still outstanding on the
    // session is withdrawn first, as by Close: its answer is dropped and no callback of it runs
    // after Prepare returns (so one request at a time is what a session ever delivers). False for
    // an SNMP version other than 1 or 3 and for other PDU types; no request can be sent then.
    bool Prepare(snmp::PduType pduType);
    // Values as text in the form of the syntax (Null for get and get-next). A value that does not
    // fit spoils the request (nothing is sent).
    int AddVarBind(const std::string& oid, snmp::Syntax syntax, const std::string& value = {});
    int AddVarBind(const std::string& oid, snmp::Syntax syntax, const void* value, unsigned length);

    // Asynchronous send. Version 1 returns 0 once the request is under way, version 3 always -1
    // (the request is queued for the session's worker); -1 also when nothing could be sent, in
    // which case (unless the session is closed) the callback still comes once, with status -1.
    int Send(SnmpCallback callback, void* owner, int timeoutMs = 0);
    // Blocking sends; 0 hands a new answer to the caller. SendAndWait sends the request as it was
    // prepared; TableSendAndWait goes through the table object and so continues a get-next walk.
    int SendAndWait(std::unique_ptr<CSnmp>& answer, int timeoutMs = 0);
    int TableSendAndWait(std::unique_ptr<CSnmp>& answer, int timeoutMs = 0);

    int GetIndexSuffix(int i, const CSnmp* answer, std::string& suffix);
    bool TakeRequest(int requestId);
    void SignalDone();
    // Waits for the done event up to the default timeout + 1000 ms; false on time-out.
    bool WaitDone();
    int GetErrorInfo(long& errorStatus, unsigned long& errorIndex);
    // What became of the last request that got no answer (-1): not sent, no answer in time, or
    // refused by the agent with a report (its first binding's OID in `reportOid`).
    snmp::ExchangeStatus LastExchange(std::string& reportOid);
    // Closes the session for good (Prepare fails and nothing is sent afterwards), forgets
    // outstanding requests, cuts every wait short and waits (bounded) until no callback of this
    // session runs any more.
    void Close();

    // Process-wide version-3 request counter (the last id handed out).
    static int LastV3RequestId();

    struct Core;

private:
    std::shared_ptr<Core> m_core;
};

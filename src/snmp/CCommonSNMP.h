#pragma once
// The SNMP session every page and the device window talk through. It copies the launch
// parameters once and hides the difference between version 1 (communities) and version 3
// (user-based security). Its requests run on its RequestCore, one at a time:
//
//  - typed requests: get, walk and write, each ending exactly once through its handler (on a
//    thread of the session), with blocking forms for threads of their own;
//  - the request-building API of the original module (Prepare, AddVarBind, Send with a callback,
//    SendAndWait, TableSendAndWait), a thin layer over the same core.
//
// Results: 0 = answered with error-status 0; -1 = no answer in time or nothing sent; -2 = end of
// a walk; a positive value = the agent's error-status. Every nonzero value is a failure.
// After Close, nothing of this session reaches its owner. Every wait is bounded.

#include "CSnmp.h"
#include "CSnmpTable.h"
#include "RequestCore.h"
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

    // --- typed requests. A request started while another runs withdraws it (it ends with -1).
    void get(const std::vector<std::string>& oids, snmp::RequestCore::ReplyHandler done, int timeoutMs = 0);
    void walk(const std::vector<std::string>& columns, snmp::RequestCore::RowHandler onRow,
              snmp::RequestCore::EndHandler onEnd, snmp::WalkOptions options = {});
    void write(std::vector<snmp::SetStep> steps, snmp::RequestCore::WriteHandler done);
    // The same, waiting for the end on the calling thread (never the GUI thread). Close cuts the
    // wait short (-1).
    snmp::Reply getAndWait(const std::vector<std::string>& oids, int timeoutMs = 0);
    int walkAndWait(const std::vector<std::string>& columns, snmp::RequestCore::RowHandler onRow,
                    snmp::WalkOptions options = {});
    snmp::WriteResult writeAndWait(std::vector<snmp::SetStep> steps);
    // True from the start of a request until it has ended.
    bool busy() const;

    // --- the request-building API.
    // Starts a new request of type get, get-next or set. Whatever is still outstanding on the
    // session is withdrawn first: its answer is dropped and no callback of it runs after Prepare
    // returns (so one request at a time is what a session ever delivers). False for an SNMP
    // version other than 1 or 3 and for other PDU types; no request can be sent then.
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
    // Closes the session for good (nothing is sent afterwards), forgets outstanding requests,
    // cuts every wait short and waits (bounded) until no handler of this session runs any more.
    void Close();

    // Process-wide version-3 request counter (the last id handed out).
    static int LastV3RequestId();

    struct Core;

private:
    std::shared_ptr<Core> m_core;
};

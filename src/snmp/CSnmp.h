#pragma once
// A request or an answer of the SNMP adapter: PDU type, variable bindings and, for answers, the
// agent's error-status. CSnmpV1 and CSnmpV3 add the credentials; CSnmpTable walks with it.

#include "CancelToken.h"
#include "SnmpTypes.h"

#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace snmp {

class CSnmp;

// State shared by a request, its table object and the asynchronous jobs they start, so a job
// that outlives a re-prepared or destroyed session finds valid memory.
struct RequestState {
    std::mutex mutex;
    unsigned generation = 0;       // changes with every edit of the request's bindings or type
    unsigned walkGeneration = ~0u; // the generation the walk below belongs to
    std::vector<std::string> roots;  // OIDs requested when the walk began
    std::vector<std::string> cursor; // OIDs the next get-next continues from
    long lastErrorStatus = -1;
    unsigned long lastErrorIndex = 0;
    // What the transport said about the last exchange, and the report that refused it, if any:
    // a failure without an answer (-1) comes in kinds that a person needs told apart.
    int lastExchange = -1; // ExchangeStatus; -1 before the first exchange
    std::string lastReportOid;
    CancelToken cancel = makeCancelToken();
};

class CSnmp {
public:
    explicit CSnmp(PduType pduType);
    virtual ~CSnmp();
    CSnmp(const CSnmp&) = delete;
    CSnmp& operator=(const CSnmp&) = delete;

    void setType(PduType pduType);
    PduType getType() const { return m_type; }
    void clearVarBindList();
    // Appends a binding; the value is text in the form of the syntax code (Syntax::...). A value
    // that does not fit its syntax, or a bad OID, returns -1 and spoils the request: it will not be
    // sent at all, so a set never goes out with some of its objects missing.
    int addValue(const std::string& oid, Syntax syntax, const std::string& value);
    int addValue(const std::string& oid, Syntax syntax, const void* bytes, unsigned length);
    int getValuesCount() const { return static_cast<int>(m_binds.size()); }
    bool isSendable() const { return !m_binds.empty() && !m_spoiled; }
    // The error-status and index of the last answer: 0 on success, -1 when there was none.
    int getErrorInfo(long& errorStatus, unsigned long& errorIndex) const;
    void setErrorInfo(long errorStatus, unsigned long errorIndex);

    // Answer access. `type` is the BER tag of the value (Ber::...).
    bool getValue(int i, int& type, std::string& text) const;
    bool getValue(int i, int& type, std::string& bytes, unsigned& length) const;
    bool getOid(int i, std::string& oid) const;
    const std::vector<VarBind>& bindings() const { return m_binds; }
    void setBindings(std::vector<VarBind> binds);

    // Synchronous request of this object's PDU type: 0 with a new answer, -1 when nothing could
    // be sent or no answer came in time, else the agent's error-status.
    int send(const std::string& address, std::unique_ptr<CSnmp>& answer, int timeoutMs);

    virtual SnmpTarget target(const std::string& address) const = 0;
    virtual std::unique_ptr<CSnmp> makeAnswer() const = 0;

    const std::shared_ptr<RequestState>& state() const { return m_state; }
    // The token that cuts this request's waits short; Close and Prepare cancel it.
    CancelToken cancelToken() const;

    // Process-wide request ids of the adapter (used for version 1).
    static int nextRequestId();

private:
    void touch();

    PduType m_type;
    std::vector<VarBind> m_binds;
    bool m_spoiled = false;
    long m_errorStatus = -1;
    unsigned long m_errorIndex = 0;
    std::shared_ptr<RequestState> m_state = std::make_shared<RequestState>();
};

// Turns a transport result into the adapter's status: 0, -1 or the error-status.
int exchangeStatus(int exchangeResult, const SnmpPdu& response);
// Records the transport's result in `state` (lastExchange, lastReportOid); call with its mutex held.
void recordExchange(RequestState& state, int exchangeResult, const SnmpPdu& response);

} // namespace snmp

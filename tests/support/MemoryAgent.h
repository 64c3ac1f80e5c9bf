#pragma once
// A scripted SNMP agent in memory, installed as the transport in page and session tests. It
// answers get, get-next, get-bulk and set from its object store (version-1 style errors for
// version-1 targets, exceptions for version 3), records every request, and injects faults per
// object or per request: a delay, no answer, or an error-status. Answers can be bounded in size
// (tooBig, or a get-bulk answer cut short), and get-bulk can be refused or ignored.

#include "SnmpTransport.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace snmp {

class MemoryAgent : public SnmpTransport {
public:
    struct Fault {
        int delayMs = 0;
        bool noAnswer = false;
        long errorStatus = 0;
        unsigned long errorIndex = 1;
        int valueLimit = -1; // >= 0: a faulty agent answers with at most this many values
    };

    // What it does with a get-bulk request (version 3; a version-1 one is never sent).
    enum class Bulk { Answer, Refuse, Ignore };
    // What it does with an answer above the size limit.
    enum class Overflow {
        TooBig,  // error-status tooBig
        Truncate // a get-bulk answer keeps the bindings that fit (possibly a partial row)
    };

    struct Request {
        PduType pduType = PduType::Get;
        SnmpTarget target;
        std::vector<VarBind> binds;
        long nonRepeaters = 0;
        long maxRepetitions = 0;
        std::chrono::steady_clock::time_point received = std::chrono::steady_clock::now();
    };

    // Objects. `oid` may begin with "ENTERPRISE".
    void set(const VarBind& value);
    void setInteger(const std::string& oid, int64_t value);
    void setOctets(const std::string& oid, const std::string& value);
    void setUnsigned(const std::string& oid, int tag, uint64_t value);
    void remove(const std::string& oid);
    void clear();
    bool get(const std::string& oid, VarBind& out) const;
    // Loads records in .snmprec form; false with "FILE:LINE: reason" in `error`.
    bool loadSnmprecText(const std::string& text, std::string& error, const std::string& name = "<text>");
    bool loadSnmprecFile(const std::string& path, std::string& error);

    // Faults. An object fault applies to every request naming an OID at or below `oid`; a
    // request fault to the request with that 1-based number (counted over all requests).
    void setObjectFault(const std::string& oid, const Fault& fault);
    void setRequestFault(int requestNumber, const Fault& fault);
    void setDefaultFault(const Fault& fault);
    void clearFaults();
    // Sets are refused with notWritable when this is false.
    void setWritable(bool writable);
    // Refuse answers a get-bulk with `refuseStatus`; Ignore leaves it unanswered.
    void setBulk(Bulk mode, long refuseStatus = ErrorStatus::GenErr);
    // Bytes of bindings (VarBind::encodedSize) an answer may carry; 0: no limit. A get-bulk
    // answer above it is handled as `overflow` says (a get or get-next one is always tooBig).
    void setAnswerLimit(std::size_t bytes, Overflow overflow = Overflow::TooBig);

    // Recorded requests, in arrival order.
    std::vector<Request> requests() const;
    std::vector<Request> requestsOfType(PduType pduType) const;
    void clearRequests();
    int requestCount() const;

    ExchangeStatus exchange(const SnmpTarget& target, const SnmpPdu& request, SnmpPdu& response, int timeoutMs,
                            const CancelToken& cancel) override;

private:
    using Key = std::vector<uint32_t>;
    static Key keyOf(const std::string& oid);
    void answer(const SnmpTarget& target, const SnmpPdu& request, SnmpPdu& response);
    void answerBulk(const SnmpPdu& request, SnmpPdu& response);
    VarBind nextOf(const std::string& oid) const;
    Fault faultFor(const SnmpPdu& request, int number) const;

    mutable std::mutex m_mutex;
    std::map<Key, VarBind> m_objects;
    std::vector<std::pair<std::string, Fault>> m_objectFaults;
    std::map<int, Fault> m_requestFaults;
    Fault m_defaultFault;
    bool m_writable = true;
    Bulk m_bulk = Bulk::Answer;
    long m_bulkRefuseStatus = ErrorStatus::GenErr;
    std::size_t m_answerLimit = 0;
    Overflow m_overflow = Overflow::TooBig;
    std::vector<Request> m_requests;
};

} // namespace snmp

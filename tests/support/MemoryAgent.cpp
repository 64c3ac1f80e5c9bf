#include "MemoryAgent.h"

#include "Enterprise.h"
#include "Oid.h"
#include "SnmprecParser.h"

#include <algorithm>
#include <chrono>

namespace snmp {

MemoryAgent::Key MemoryAgent::keyOf(const std::string& text)
{
    return oid::parse(expandEnterprise(text)).value_or(Key{});
}

void MemoryAgent::set(const VarBind& value)
{
    VarBind v = value;
    v.oid = oid::normalise(expandEnterprise(value.oid));
    std::lock_guard lock(m_mutex);
    m_objects[keyOf(v.oid)] = v;
}

void MemoryAgent::setInteger(const std::string& oidText, int64_t value)
{
    set(VarBind::integer(oidText, value));
}

void MemoryAgent::setOctets(const std::string& oidText, const std::string& value)
{
    set(VarBind::octets(oidText, value));
}

void MemoryAgent::setUnsigned(const std::string& oidText, int tag, uint64_t value)
{
    set(VarBind::unsignedValue(oidText, tag, value));
}

void MemoryAgent::remove(const std::string& oidText)
{
    std::lock_guard lock(m_mutex);
    m_objects.erase(keyOf(oidText));
}

void MemoryAgent::clear()
{
    std::lock_guard lock(m_mutex);
    m_objects.clear();
}

bool MemoryAgent::get(const std::string& oidText, VarBind& out) const
{
    std::lock_guard lock(m_mutex);
    auto it = m_objects.find(keyOf(oidText));
    if (it == m_objects.end())
        return false;
    out = it->second;
    return true;
}

bool MemoryAgent::loadSnmprecText(const std::string& text, std::string& error, const std::string& name)
{
    std::vector<VarBind> records;
    SnmprecError e;
    if (!SnmprecParser::parseText(text, name, records, e)) {
        error = e.message();
        return false;
    }
    for (const auto& r : records)
        set(r);
    return true;
}

bool MemoryAgent::loadSnmprecFile(const std::string& path, std::string& error)
{
    std::vector<VarBind> records;
    SnmprecError e;
    if (!SnmprecParser::parseFile(path, records, e)) {
        error = e.message();
        return false;
    }
    for (const auto& r : records)
        set(r);
    return true;
}

void MemoryAgent::setObjectFault(const std::string& oidText, const Fault& fault)
{
    std::lock_guard lock(m_mutex);
    m_objectFaults.emplace_back(oid::normalise(expandEnterprise(oidText)), fault);
}

void MemoryAgent::setRequestFault(int requestNumber, const Fault& fault)
{
    std::lock_guard lock(m_mutex);
    m_requestFaults[requestNumber] = fault;
}

void MemoryAgent::setDefaultFault(const Fault& fault)
{
    std::lock_guard lock(m_mutex);
    m_defaultFault = fault;
}

void MemoryAgent::clearFaults()
{
    std::lock_guard lock(m_mutex);
    m_objectFaults.clear();
    m_requestFaults.clear();
    m_defaultFault = {};
}

void MemoryAgent::setWritable(bool writable)
{
    std::lock_guard lock(m_mutex);
    m_writable = writable;
}

void MemoryAgent::setBulk(Bulk mode, long refuseStatus)
{
    std::lock_guard lock(m_mutex);
    m_bulk = mode;
    m_bulkRefuseStatus = refuseStatus;
}

void MemoryAgent::setAnswerLimit(std::size_t bytes, Overflow overflow)
{
    std::lock_guard lock(m_mutex);
    m_answerLimit = bytes;
    m_overflow = overflow;
}

std::vector<MemoryAgent::Request> MemoryAgent::requests() const
{
    std::lock_guard lock(m_mutex);
    return m_requests;
}

std::vector<MemoryAgent::Request> MemoryAgent::requestsOfType(PduType pduType) const
{
    std::vector<Request> out;
    for (auto& r : requests())
        if (r.pduType == pduType)
            out.push_back(r);
    return out;
}

void MemoryAgent::clearRequests()
{
    std::lock_guard lock(m_mutex);
    m_requests.clear();
}

int MemoryAgent::requestCount() const
{
    std::lock_guard lock(m_mutex);
    return static_cast<int>(m_requests.size());
}

MemoryAgent::Fault MemoryAgent::faultFor(const SnmpPdu& request, int number) const
{
    if (auto it = m_requestFaults.find(number); it != m_requestFaults.end())
        return it->second;
    for (const auto& [root, fault] : m_objectFaults)
        for (size_t i = 0; i < request.binds.size(); ++i) {
            const auto& o = request.binds[i].oid;
            // A get-next for the object's predecessor also asks for it.
            if (o == root || oid::isInSubtree(o, root) || oid::isInSubtree(root, o)) {
                Fault f = fault;
                f.errorIndex = i + 1;
                return f;
            }
        }
    return m_defaultFault;
}

// The successor of `oid`, or endOfMibView under the asked name when there is none.
VarBind MemoryAgent::nextOf(const std::string& oidText) const
{
    auto it = m_objects.upper_bound(keyOf(oidText));
    if (it != m_objects.end())
        return it->second;
    return {oidText, Ber::EndOfMibView, 0, {}};
}

// As an agent does: the non-repeaters once, then each repeater continued from its previous
// answer, `maxRepetitions` times, stopping once every repeater is at the end of the MIB.
void MemoryAgent::answerBulk(const SnmpPdu& request, SnmpPdu& response)
{
    const std::size_t n = std::min<std::size_t>(std::max(0L, request.nonRepeaters), request.binds.size());
    const long repetitions = std::max(0L, request.maxRepetitions);
    for (std::size_t i = 0; i < n; ++i)
        response.binds.push_back(nextOf(request.binds[i].oid));
    std::vector<std::string> cursor;
    for (std::size_t i = n; i < request.binds.size(); ++i)
        cursor.push_back(request.binds[i].oid);
    for (long r = 0; r < repetitions && !cursor.empty(); ++r) {
        bool allEnded = true;
        for (auto& c : cursor) {
            VarBind vb = nextOf(c);
            allEnded = allEnded && vb.tag == Ber::EndOfMibView;
            c = vb.oid;
            response.binds.push_back(std::move(vb));
        }
        if (allEnded)
            break;
    }
}

void MemoryAgent::answer(const SnmpTarget& target, const SnmpPdu& request, SnmpPdu& response)
{
    response = {};
    response.type = PduType::Response;
    if (request.type == PduType::GetBulk) {
        answerBulk(request, response);
        return;
    }
    const bool v1 = target.version == 1;
    for (size_t i = 0; i < request.binds.size(); ++i) {
        const VarBind& asked = request.binds[i];
        const Key key = keyOf(asked.oid);
        auto fail = [&](long status) {
            response.errorStatus = status;
            response.errorIndex = static_cast<long>(i + 1);
        };
        if (request.type == PduType::Get) {
            auto it = m_objects.find(key);
            if (it != m_objects.end())
                response.binds.push_back(it->second);
            else if (v1)
                fail(ErrorStatus::NoSuchName);
            else
                response.binds.push_back({asked.oid, Ber::NoSuchObject, 0, {}});
        } else if (request.type == PduType::GetNext) {
            auto it = m_objects.upper_bound(key);
            if (it != m_objects.end())
                response.binds.push_back(it->second);
            else if (v1)
                fail(ErrorStatus::NoSuchName);
            else
                response.binds.push_back({asked.oid, Ber::EndOfMibView, 0, {}});
        } else if (request.type == PduType::Set) {
            if (!m_writable) {
                fail(v1 ? ErrorStatus::NoSuchName : ErrorStatus::NotWritable);
            } else {
                response.binds.push_back(asked);
            }
        }
        if (response.errorStatus != 0)
            break;
    }
    if (response.errorStatus != 0) {
        response.binds = request.binds; // an error answer echoes the request
        return;
    }
    if (request.type == PduType::Set)
        for (const auto& vb : request.binds)
            m_objects[keyOf(vb.oid)] = vb;
}

ExchangeStatus MemoryAgent::exchange(const SnmpTarget& target, const SnmpPdu& request, SnmpPdu& response,
                                     int timeoutMs, const CancelToken& cancel)
{
    const bool bulk = request.type == PduType::GetBulk;
    // As the real transport: version 1 has no get-bulk, so it never leaves.
    if (bulk && target.version == 1)
        return ExchangeStatus::SendFailed;
    Fault fault;
    {
        std::lock_guard lock(m_mutex);
        m_requests.push_back({request.type, target, request.binds, request.nonRepeaters, request.maxRepetitions});
        fault = faultFor(request, static_cast<int>(m_requests.size()));
        if (bulk && m_bulk == Bulk::Ignore)
            fault.noAnswer = true;
        else if (bulk && m_bulk == Bulk::Refuse && fault.errorStatus == 0)
            fault.errorStatus = m_bulkRefuseStatus;
    }
    const int wait = fault.noAnswer ? timeoutMs : std::min(fault.delayMs, timeoutMs);
    if (wait > 0 && cancel && cancel->waitFor(std::chrono::milliseconds(wait)))
        return ExchangeStatus::Cancelled;
    if (fault.noAnswer || fault.delayMs > timeoutMs)
        return ExchangeStatus::NoAnswer;
    std::lock_guard lock(m_mutex);
    if (fault.errorStatus != 0) {
        response = {};
        response.type = PduType::Response;
        response.errorStatus = fault.errorStatus;
        response.errorIndex = static_cast<long>(fault.errorIndex);
        response.binds = request.binds;
        return ExchangeStatus::Answered;
    }
    answer(target, request, response);
    if (fault.valueLimit >= 0 && response.binds.size() > size_t(fault.valueLimit))
        response.binds.resize(size_t(fault.valueLimit));
    if (m_answerLimit > 0) {
        std::size_t size = 0, fit = 0;
        for (; fit < response.binds.size(); ++fit) {
            size += response.binds[fit].encodedSize();
            if (size > m_answerLimit)
                break;
        }
        if (fit < response.binds.size()) {
            if (bulk && m_overflow == Overflow::Truncate && fit > 0) {
                response.binds.resize(fit);
            } else {
                response.errorStatus = ErrorStatus::TooBig;
                response.errorIndex = 0;
                response.binds = request.binds;
            }
        }
    }
    return ExchangeStatus::Answered;
}

} // namespace snmp

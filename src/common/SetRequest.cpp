#include "SetRequest.h"

#include <chrono>
#include <thread>

SetRequest& SetRequest::integer(const std::string& oid, long long value)
{
    return add(oid, snmp::Syntax::Integer, std::to_string(value));
}

SetRequest& SetRequest::unsigned32(const std::string& oid, unsigned long long value)
{
    return add(oid, snmp::Syntax::Unsigned32, std::to_string(value));
}

SetRequest& SetRequest::octets(const std::string& oid, std::string bytes)
{
    return add(oid, snmp::Syntax::OctetString, std::move(bytes));
}

SetRequest& SetRequest::ipAddress(const std::string& oid, const std::string& dotted)
{
    return add(oid, snmp::Syntax::IpAddress, dotted);
}

SetRequest& SetRequest::add(const std::string& oid, snmp::Syntax syntax, std::string value)
{
    m_bindings.push_back({oid, syntax, std::move(value)});
    return *this;
}

SetRequest& SetRequest::pauseBefore(int ms)
{
    m_pauseMs = ms;
    return *this;
}

SetRequest& SetRequest::timeout(int ms)
{
    m_timeoutMs = ms;
    return *this;
}

void SetRequest::prepare(CCommonSNMP& session) const
{
    session.Prepare(snmp::PduType::Set);
    for (const Binding& b : m_bindings)
        session.AddVarBind(b.oid, b.syntax, b.value.data(), unsigned(b.value.size()));
}

namespace {

// Sleeps in short slices so that a stop cuts the pause short; false when stopped.
bool pause(int ms, const std::atomic<bool>& stop)
{
    using namespace std::chrono;
    const auto end = steady_clock::now() + milliseconds(ms);
    while (!stop) {
        const auto left = end - steady_clock::now();
        if (left <= steady_clock::duration::zero())
            return true;
        std::this_thread::sleep_for(std::min<steady_clock::duration>(left, milliseconds(10)));
    }
    return false;
}

} // namespace

WriteResult RunSetRequests(CCommonSNMP& session, const std::vector<SetRequest>& requests,
                           const std::atomic<bool>& stop)
{
    WriteResult result;
    for (const SetRequest& request : requests) {
        if (stop || !pause(request.pauseMs(), stop)) {
            result.status = -1;
            return result;
        }
        request.prepare(session);
        std::unique_ptr<CSnmp> answer;
        result.status = session.SendAndWait(answer, request.timeoutMs());
        if (result.status != 0)
            return result;
        ++result.completed;
    }
    return result;
}

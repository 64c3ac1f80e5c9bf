#include "SetRequest.h"


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
    m_step.bindings.push_back({oid, syntax, std::move(value)});
    return *this;
}

SetRequest& SetRequest::pauseBefore(int ms)
{
    m_step.pauseMs = ms;
    return *this;
}

SetRequest& SetRequest::timeout(int ms)
{
    m_step.timeoutMs = ms;
    return *this;
}


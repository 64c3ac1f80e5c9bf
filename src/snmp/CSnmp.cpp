#include "CSnmp.h"

#include "Enterprise.h"
#include "Oid.h"
#include "SnmpTransport.h"

#include <atomic>
#include <charconv>

namespace snmp {

namespace {

template <typename T>
bool parseNumber(const std::string& text, T& out)
{
    const char* begin = text.data();
    const char* end = begin + text.size();
    if (begin != end && *begin == '+')
        ++begin;
    auto [p, ec] = std::from_chars(begin, end, out);
    return begin != end && ec == std::errc() && p == end;
}

bool parseIpAddress(const std::string& text, std::string& out)
{
    out.clear();
    size_t start = 0;
    for (int part = 0; part < 4; ++part) {
        const size_t dot = part < 3 ? text.find('.', start) : text.size();
        if (dot == std::string::npos)
            return false;
        unsigned value = 0;
        if (!parseNumber(text.substr(start, dot - start), value) || value > 255)
            return false;
        out += static_cast<char>(value);
        start = dot + 1;
    }
    return true;
}

} // namespace

CSnmp::CSnmp(PduType pduType) : m_type(pduType) {}

CSnmp::~CSnmp() = default;

void CSnmp::touch()
{
    std::lock_guard lock(m_state->mutex);
    ++m_state->generation;
}

void CSnmp::setType(PduType pduType)
{
    m_type = pduType;
    touch();
}

void CSnmp::clearVarBindList()
{
    m_binds.clear();
    m_spoiled = false;
    touch();
}

int CSnmp::addValue(const std::string& oidText, Syntax syntax, const std::string& value)
{
    touch();
    VarBind vb;
    vb.oid = oid::normalise(expandEnterprise(oidText));
    bool ok = !vb.oid.empty();
    switch (syntax) {
    case Syntax::Null:
        vb.tag = Ber::Null;
        break;
    case Syntax::Integer: {
        int32_t n = 0;
        ok = ok && parseNumber(value, n);
        vb.tag = Ber::Integer;
        vb.number = n;
        break;
    }
    case Syntax::OctetString:
        vb.tag = Ber::OctetString;
        vb.bytes = value;
        break;
    case Syntax::IpAddress:
        vb.tag = Ber::IpAddress;
        ok = ok && parseIpAddress(value, vb.bytes);
        break;
    case Syntax::Unsigned32: {
        uint32_t n = 0;
        ok = ok && value.find('-') == std::string::npos && parseNumber(value, n);
        vb.tag = Ber::Gauge32;
        vb.number = n;
        break;
    }
    default:
        ok = false;
    }
    if (!ok) {
        m_spoiled = true;
        return -1;
    }
    m_binds.push_back(std::move(vb));
    return 0;
}

int CSnmp::addValue(const std::string& oidText, Syntax syntax, const void* bytes, unsigned length)
{
    if (syntax == Syntax::OctetString) {
        touch();
        VarBind vb = VarBind::octets(oid::normalise(expandEnterprise(oidText)),
                                     std::string(static_cast<const char*>(bytes), length));
        if (vb.oid.empty() || (bytes == nullptr && length != 0)) {
            m_spoiled = true;
            return -1;
        }
        m_binds.push_back(std::move(vb));
        return 0;
    }
    return addValue(oidText, syntax, bytes ? std::string(static_cast<const char*>(bytes), length) : std::string());
}

int CSnmp::getErrorInfo(long& errorStatus, unsigned long& errorIndex) const
{
    std::lock_guard lock(m_state->mutex);
    long status = m_errorStatus >= 0 ? m_errorStatus : m_state->lastErrorStatus;
    unsigned long index = m_errorStatus >= 0 ? m_errorIndex : m_state->lastErrorIndex;
    if (status < 0)
        return -1;
    errorStatus = status;
    errorIndex = index;
    return 0;
}

void CSnmp::setErrorInfo(long errorStatus, unsigned long errorIndex)
{
    m_errorStatus = errorStatus;
    m_errorIndex = errorIndex;
}

bool CSnmp::getValue(int i, int& type, std::string& text) const
{
    if (i < 0 || i >= getValuesCount())
        return false;
    type = m_binds[i].tag;
    text = m_binds[i].text();
    return true;
}

bool CSnmp::getValue(int i, int& type, std::string& bytes, unsigned& length) const
{
    if (!getValue(i, type, bytes))
        return false;
    length = static_cast<unsigned>(bytes.size());
    return true;
}

bool CSnmp::getOid(int i, std::string& oidText) const
{
    if (i < 0 || i >= getValuesCount())
        return false;
    oidText = m_binds[i].oid;
    return true;
}

void CSnmp::setBindings(std::vector<VarBind> binds)
{
    m_binds = std::move(binds);
}

CancelToken CSnmp::cancelToken() const
{
    std::lock_guard lock(m_state->mutex);
    return m_state->cancel;
}

int CSnmp::nextRequestId()
{
    static std::atomic<int> counter{0x1000};
    return ++counter;
}

int exchangeStatus(int exchangeResult, const SnmpPdu& response)
{
    if (static_cast<ExchangeStatus>(exchangeResult) != ExchangeStatus::Answered)
        return -1;
    return response.errorStatus == 0 ? 0 : static_cast<int>(response.errorStatus);
}

void recordExchange(RequestState& state, int exchangeResult, const SnmpPdu& response)
{
    state.lastExchange = exchangeResult;
    const bool refused = static_cast<ExchangeStatus>(exchangeResult) == ExchangeStatus::Refused;
    state.lastReportOid = refused && !response.binds.empty() ? response.binds[0].oid : std::string();
}

int CSnmp::send(const std::string& address, std::unique_ptr<CSnmp>& answer, int timeoutMs)
{
    auto transport = currentTransport();
    if (!transport || !isSendable())
        return -1;
    SnmpPdu request{m_type, m_binds, 0, 0};
    SnmpPdu response;
    const auto result = transport->exchange(target(address), request, response, timeoutMs, cancelToken());
    const int status = exchangeStatus(static_cast<int>(result), response);
    {
        std::lock_guard lock(m_state->mutex);
        recordExchange(*m_state, static_cast<int>(result), response);
    }
    if (result == ExchangeStatus::Answered) {
        setErrorInfo(response.errorStatus, static_cast<unsigned long>(response.errorIndex));
        std::lock_guard lock(m_state->mutex);
        m_state->lastErrorStatus = response.errorStatus;
        m_state->lastErrorIndex = static_cast<unsigned long>(response.errorIndex);
    }
    if (status != 0)
        return status;
    answer = makeAnswer();
    answer->setBindings(std::move(response.binds));
    answer->setErrorInfo(0, 0);
    return 0;
}

} // namespace snmp

#include "SwitchProbe.h"

#include "CCommonSNMP.h"
#include "PeerAddress.h"
#include "ReportReason.h"
#include "SnmpTypes.h"

#include <chrono>

namespace {

constexpr const char* kSysObjectId = "1.3.6.1.2.1.1.2.0";

SwitchProbe::Result probe(CCommonSNMP& session, const std::string& address, int timeoutMs,
                          const snmp::CancelToken& cancel)
{
    using Outcome = SwitchProbe::Outcome;
    std::string problem;
    const auto peer = snmp::PeerAddress::parse(address, problem);
    if (!peer)
        return {Outcome::NotSent, problem};
    if (!peer->resolve(std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs), cancel))
        return cancel->cancelled() ? SwitchProbe::Result{Outcome::Cancelled, {}}
                                   : SwitchProbe::Result{Outcome::NotSent, "the name \"" + peer->host + "\" does not resolve"};
    if (!session.Prepare(snmp::PduType::Get) || session.AddVarBind(kSysObjectId, snmp::Syntax::Null) != 0)
        return {Outcome::NotSent, "the request could not be made"};
    std::unique_ptr<snmp::CSnmp> answer;
    const int status = session.SendAndWait(answer, timeoutMs);
    if (cancel->cancelled())
        return {Outcome::Cancelled, {}};
    if (status == 0)
        return {Outcome::Answered, {}};
    if (status > 0)
        return {Outcome::Refused, "error-status " + std::to_string(status)};
    std::string reportOid;
    switch (session.LastExchange(reportOid)) {
    case snmp::ExchangeStatus::Refused: return {Outcome::Refused, snmp::reportReason(reportOid)};
    case snmp::ExchangeStatus::SendFailed: return {Outcome::NotSent, "the session refused the request"};
    case snmp::ExchangeStatus::Cancelled: return {Outcome::Cancelled, {}};
    default: return {Outcome::NoAnswer, {}};
    }
}

} // namespace

SwitchProbe::~SwitchProbe()
{
    cancel();
}

void SwitchProbe::start(const LaunchParams& params, int timeoutMs, std::function<void(Result)> done)
{
    cancel();
    // The session copies the process's parameters when it is made.
    const LaunchParams saved = LaunchParams::current();
    LaunchParams::setCurrent(params);
    m_session = std::make_shared<CCommonSNMP>();
    LaunchParams::setCurrent(saved);
    m_cancel = snmp::makeCancelToken();
    m_thread = std::thread([session = m_session, cancel = m_cancel, address = params.IPAddress, timeoutMs,
                            done = std::move(done)] {
        const Result result = probe(*session, address, timeoutMs, cancel);
        if (result.outcome != Outcome::Cancelled && !cancel->cancelled())
            done(result);
    });
}

void SwitchProbe::cancel()
{
    if (!m_thread.joinable())
        return;
    m_cancel->cancel();
    m_session->Close();
    m_thread.join();
    m_session.reset();
}

#include "FailureReport.h"

#include "PeerAddress.h"
#include "ReportReason.h"
#include "ValuePrinter.h"

#include <iostream>

namespace {

// How long the report may spend resolving the address again to name what is wrong with it.
constexpr int kAddressCheckMs = 2000;

int noAnswer(const std::string& why)
{
    std::cerr << "sorvex-snmp: " << why << "\n";
    return kExitNoAnswer;
}

// Why a request to a usable address could not be sent. net-snmp derives no key from a password
// under 8 characters; otherwise the request did not fit in one message.
std::string unsendableReason(const LaunchParams& p)
{
    constexpr size_t kMinPassword = 8;
    const bool v3 = p.SnmpVersion == "3";
    const bool auth = v3 && (p.SecurityLevel == "2" || p.SecurityLevel == "3") &&
                      (p.AuthProtocol == "2" || p.AuthProtocol == "3");
    if (auth && p.AuthPassword.size() < kMinPassword)
        return "the authentication password is shorter than 8 characters";
    if (auth && p.SecurityLevel == "3" && p.PrivProtocol == "2" && p.PrivPassword.size() < kMinPassword)
        return "the privacy password is shorter than 8 characters";
    return "the request is too large for one SNMP message";
}

} // namespace

int reportFailure(CCommonSNMP& session, int status, const LaunchParams& params)
{
    if (status > 0) {
        long errorStatus = status;
        unsigned long errorIndex = 0;
        session.GetErrorInfo(errorStatus, errorIndex);
        std::cerr << "sorvex-snmp: the agent refused: " << errorStatusName(status) << " (index " << errorIndex
                  << ")\n";
        return kExitRefused;
    }
    std::string reportOid;
    switch (session.LastExchange(reportOid)) {
    case snmp::ExchangeStatus::Refused:
        std::cerr << "sorvex-snmp: the agent refused the credentials: " << snmp::reportReason(reportOid) << "\n";
        return kExitRefused;
    case snmp::ExchangeStatus::SendFailed: {
        const std::string problem = snmp::addressProblem(params.IPAddress, kAddressCheckMs);
        if (!problem.empty())
            return noAnswer("cannot use the address " + params.IPAddress + ": " + problem);
        return noAnswer("nothing was sent: " + unsendableReason(params));
    }
    default:
        break;
    }
    // Agents drop a request they cannot decrypt without a word.
    if (params.SnmpVersion == "3" && params.SecurityLevel == "3")
        return noAnswer("no answer in time (a wrong privacy password also goes unanswered)");
    return noAnswer("no answer in time");
}

#include "ReportReason.h"

namespace snmp {

std::string reportReason(const std::string& reportOid)
{
    static const char* const kUsmStats[] = {
        "unsupported security level", "not in time window", "unknown user name",
        "unknown engine ID", "wrong digest (authentication password or protocol)", "decryption error",
    };
    const std::string prefix = "1.3.6.1.6.3.15.1.1.";
    if (reportOid.rfind(prefix, 0) == 0) {
        const std::string rest = reportOid.substr(prefix.size());
        if (rest.size() == 3 && rest[0] >= '1' && rest[0] <= '6' && rest.compare(1, 2, ".0") == 0)
            return kUsmStats[rest[0] - '1'];
    }
    return reportOid.empty() ? "a report without bindings" : "report " + reportOid;
}

} // namespace snmp

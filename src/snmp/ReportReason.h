#pragma once
// What a version-3 report says: its first binding is the usmStats counter of the refusal.

#include <string>

namespace snmp {

// "unknown user name", "wrong digest (authentication password or protocol)", ... for the
// report's first binding OID; the OID itself for any other report.
std::string reportReason(const std::string& reportOid);

} // namespace snmp

#pragma once
// Start-up of the SNMP layer: initialises net-snmp and makes it the process-wide transport.

namespace snmp {

void SnmpInit(const char* applicationName);
// The library's default timeout for requests that name none (sessions always name theirs).
void SetSnmpTimeout(int milliseconds);
int SnmpTimeout();

} // namespace snmp

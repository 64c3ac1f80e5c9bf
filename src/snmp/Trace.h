#pragma once
// Diagnostic lines of the SNMP layer. The application routes them into its logging category;
// without a sink they are dropped.

#include <string_view>

namespace snmp {

using TraceSink = void (*)(std::string_view line);
void setTraceSink(TraceSink sink);
void trace(std::string_view line);

} // namespace snmp

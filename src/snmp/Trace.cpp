#include "Trace.h"

#include <atomic>

namespace snmp {

namespace {
std::atomic<TraceSink> g_sink{nullptr};
}

void setTraceSink(TraceSink sink)
{
    g_sink.store(sink);
}

void trace(std::string_view line)
{
    if (TraceSink sink = g_sink.load())
        sink(line);
}

} // namespace snmp

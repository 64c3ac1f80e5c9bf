#include "SnmpTransport.h"

#include <mutex>

namespace snmp {

namespace {
std::mutex g_mutex;
std::shared_ptr<SnmpTransport> g_transport;
} // namespace

void setTransport(std::shared_ptr<SnmpTransport> transport)
{
    std::lock_guard lock(g_mutex);
    g_transport = std::move(transport);
}

std::shared_ptr<SnmpTransport> currentTransport()
{
    std::lock_guard lock(g_mutex);
    return g_transport;
}

} // namespace snmp

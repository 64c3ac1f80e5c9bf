#include "SnmpFront.h"

#include "NetSnmpTransport.h"

#include <atomic>

namespace snmp {

namespace {
std::atomic<int> g_timeout{5000};
}

void SnmpInit(const char* applicationName)
{
    NetSnmpTransport::initLibrary(applicationName);
    if (!currentTransport())
        setTransport(std::make_shared<NetSnmpTransport>());
}

void SetSnmpTimeout(int milliseconds)
{
    g_timeout = milliseconds;
}

int SnmpTimeout()
{
    return g_timeout;
}

} // namespace snmp

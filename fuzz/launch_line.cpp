// The launch line and the switch address it carries: any text parses, every value is free of
// the separator and of blanks, and an address is either usable or refused with a one-line reason.

#include "FuzzTarget.h"
#include "LaunchParams.h"
#include "PeerAddress.h"

namespace {

bool isOneLine(const std::string& text)
{
    return text.find_first_of("\r\n") == std::string::npos;
}

void checkAddress(std::string_view text)
{
    std::string problem;
    const auto address = snmp::PeerAddress::parse(text, problem);
    if (!address) {
        FUZZ_CHECK(!problem.empty());
        FUZZ_CHECK(isOneLine(problem));
        return;
    }
    FUZZ_CHECK(address->port >= 1 && address->port <= 65535);
    FUZZ_CHECK(!address->host.empty());
    // What the SNMP library is given is always a UDP address, never a transport of the text's.
    const std::string peer = address->transportSpec(address->host);
    FUZZ_CHECK(peer.rfind(address->ipv6 ? "udp6:[" : "udp:", 0) == 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const LaunchParams params = LaunchParams::parse(text);
    for (const std::string* value :
         {&params.FirstToken, &params.IPAddress, &params.ReadCommunity, &params.WriteCommunity, &params.SnmpVersion,
          &params.Port, &params.Token9, &params.SecurityLevel, &params.UserName, &params.AuthPassword,
          &params.PrivPassword, &params.AuthProtocol, &params.PrivProtocol})
        FUZZ_CHECK(value->find_first_of("/ \t") == std::string::npos);
    const std::string problem = params.problem();
    FUZZ_CHECK(isOneLine(problem));
    if (!params.IPAddress.empty())
        checkAddress(params.IPAddress);
    checkAddress(text); // also the addresses a launch line could never give
    return 0;
}

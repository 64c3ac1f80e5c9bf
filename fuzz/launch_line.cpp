// The launch line and the switch address it carries: any text parses, every value is free of
// the separator and of blanks, and an address is either usable or refused with a one-line reason.
// Hiding the secrets of the line as an argument leaves nothing of a community or password but
// '*' and changes no other value.

#include "FuzzTarget.h"
#include "LaunchArguments.h"
#include "LaunchParams.h"

#include <algorithm>
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

void checkHidden(std::string_view text, const LaunchParams& before)
{
    if (text.find('\0') != std::string_view::npos)
        return; // no argument holds one
    std::string argument(text);
    char* argv[] = {argument.data()};
    LaunchArguments::hideSecrets(1, argv);
    FUZZ_CHECK(argument.size() == text.size());
    const LaunchParams after = LaunchParams::parse(argument);
    const auto hidden = [](const std::string& was, const std::string& now, const std::string& fallback) {
        if (was == fallback && now == fallback)
            return true; // the position was empty: nothing to hide
        return now.size() >= was.size() && std::all_of(now.begin(), now.end(), [](char c) { return c == '*'; });
    };
    FUZZ_CHECK(hidden(before.ReadCommunity, after.ReadCommunity, "tundra"));
    FUZZ_CHECK(hidden(before.WriteCommunity, after.WriteCommunity, "lantern"));
    FUZZ_CHECK(hidden(before.AuthPassword, after.AuthPassword, ""));
    FUZZ_CHECK(hidden(before.PrivPassword, after.PrivPassword, ""));
    FUZZ_CHECK(after.IPAddress == before.IPAddress && after.UserName == before.UserName &&
               after.SnmpVersion == before.SnmpVersion && after.SecurityLevel == before.SecurityLevel &&
               after.AuthProtocol == before.AuthProtocol && after.PrivProtocol == before.PrivProtocol &&
               after.WriteEnabled == before.WriteEnabled && after.FirstToken == before.FirstToken);
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
    checkHidden(text, params);
    return 0;
}

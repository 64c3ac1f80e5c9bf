#include "PeerAddress.h"

#include "ShownText.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <sys/socket.h>

#include <algorithm>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <system_error>
#include <thread>

namespace snmp {

namespace {

using Clock = std::chrono::steady_clock;

constexpr size_t kMaxNameLength = 253;

bool isNameCharacter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '-' ||
           c == '_';
}

bool isIpv6Literal(const std::string& text)
{
    in6_addr a{};
    return inet_pton(AF_INET6, text.c_str(), &a) == 1;
}

std::string printable(char c)
{
    if (c >= 0x21 && c <= 0x7e)
        return std::string("'") + c + "'";
    char code[8];
    std::snprintf(code, sizeof code, "0x%02X", static_cast<unsigned char>(c));
    return code;
}

bool parsePort(std::string_view text, unsigned& port, std::string& problem)
{
    unsigned value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            problem = "the port \"" + ShownText(text) + "\" is not a number";
            return false;
        }
        value = value * 10 + static_cast<unsigned>(c - '0');
        if (value > 65535)
            break;
    }
    if (text.empty()) {
        problem = "the port after ':' is missing";
        return false;
    }
    if (value < 1 || value > 65535) {
        problem = "the port " + ShownText(text) + " is outside 1-65535";
        return false;
    }
    port = value;
    return true;
}

// Resolves on a thread of its own so that the caller's wait stays bounded; the lookup keeps its
// state alive by itself when the caller has stopped waiting.
struct Lookup {
    std::mutex mutex;
    std::condition_variable cv;
    bool done = false;
    std::optional<std::string> numeric;

    void run(const std::string& host)
    {
        addrinfo hints{};
        hints.ai_family = AF_INET; // names are resolved as the UDP/IPv4 transport always did
        hints.ai_socktype = SOCK_DGRAM;
        addrinfo* found = nullptr;
        std::optional<std::string> result;
        if (getaddrinfo(host.c_str(), nullptr, &hints, &found) == 0 && found) {
            char text[INET_ADDRSTRLEN] = {};
            const auto* in = reinterpret_cast<const sockaddr_in*>(found->ai_addr);
            if (inet_ntop(AF_INET, &in->sin_addr, text, sizeof text))
                result = text;
        }
        if (found)
            freeaddrinfo(found);
        std::lock_guard lock(mutex);
        numeric = std::move(result);
        done = true;
        cv.notify_all();
    }
};

} // namespace

std::optional<PeerAddress> PeerAddress::parse(std::string_view text, std::string& problem)
{
    PeerAddress a;
    if (text.empty()) {
        problem = "no address";
        return std::nullopt;
    }
    if (text.front() == '[') {
        const size_t close = text.find(']');
        if (close == std::string_view::npos) {
            problem = "the address \"" + ShownText(text) + "\" lacks its ']'";
            return std::nullopt;
        }
        a.host = std::string(text.substr(1, close - 1));
        a.ipv6 = true;
        if (!isIpv6Literal(a.host)) {
            problem = "\"" + ShownText(a.host) + "\" is no IPv6 address";
            return std::nullopt;
        }
        const std::string_view rest = text.substr(close + 1);
        if (rest.empty())
            return a;
        if (rest.front() != ':') {
            problem = "stray characters \"" + ShownText(rest) + "\" after the address";
            return std::nullopt;
        }
        if (!parsePort(rest.substr(1), a.port, problem))
            return std::nullopt;
        return a;
    }
    const size_t colon = text.find(':');
    if (colon != std::string_view::npos && text.find(':', colon + 1) != std::string_view::npos) {
        a.host = std::string(text);
        a.ipv6 = true;
        if (!isIpv6Literal(a.host)) {
            problem = "\"" + ShownText(a.host) + "\" is neither host:port nor an IPv6 address";
            return std::nullopt;
        }
        return a;
    }
    a.host = std::string(text.substr(0, colon));
    if (a.host.empty()) {
        problem = "the address has no host before ':'";
        return std::nullopt;
    }
    if (a.host.size() > kMaxNameLength) {
        problem = "the host name is longer than 253 characters";
        return std::nullopt;
    }
    for (char c : a.host) {
        if (!isNameCharacter(c)) {
            problem = "stray character " + printable(c) + " in the address \"" + ShownText(text) + "\"";
            return std::nullopt;
        }
    }
    if (colon != std::string_view::npos && !parsePort(text.substr(colon + 1), a.port, problem))
        return std::nullopt;
    return a;
}

std::optional<std::string> PeerAddress::resolve(std::chrono::steady_clock::time_point deadline,
                                                const CancelToken& cancel) const
{
    if (ipv6)
        return host;
    in_addr v4{};
    if (inet_pton(AF_INET, host.c_str(), &v4) == 1)
        return host;

    auto lookup = std::make_shared<Lookup>();
    try {
        std::thread([lookup, name = host] { lookup->run(name); }).detach();
    } catch (const std::system_error&) {
        return std::nullopt;
    }
    std::unique_lock lock(lookup->mutex);
    while (!lookup->done) {
        if (cancel && cancel->cancelled())
            return std::nullopt;
        const auto now = Clock::now();
        if (now >= deadline)
            return std::nullopt;
        // Short slices: the cancel token has no condition variable of ours to wake.
        lookup->cv.wait_for(lock, std::min<Clock::duration>(deadline - now, std::chrono::milliseconds(50)));
    }
    return lookup->numeric;
}

std::string PeerAddress::transportSpec(const std::string& numericHost) const
{
    const std::string port = std::to_string(this->port);
    return ipv6 ? "udp6:[" + numericHost + "]:" + port : "udp:" + numericHost + ":" + port;
}

std::string addressProblem(const std::string& address, int timeoutMs)
{
    std::string problem;
    const auto peer = PeerAddress::parse(address, problem);
    if (!peer)
        return problem;
    const auto deadline = Clock::now() + std::chrono::milliseconds(std::max(1, timeoutMs));
    if (!peer->resolve(deadline, nullptr))
        return "the name \"" + peer->host + "\" does not resolve";
    return {};
}

} // namespace snmp

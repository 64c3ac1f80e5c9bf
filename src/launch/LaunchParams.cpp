#include "LaunchParams.h"

#include "ShownText.h"

#include <mutex>

namespace {

// Reads one token from `pos` up to the next '/' or the end; blanks are dropped.
std::string readToken(std::string_view text, size_t& pos, LaunchParams::Span* span = nullptr)
{
    if (span)
        span->begin = pos;
    std::string token;
    while (pos < text.size() && text[pos] != '/') {
        if (text[pos] != ' ' && text[pos] != '\t')
            token += text[pos];
        ++pos;
    }
    if (span)
        span->end = pos;
    return token;
}

// Moves past the "/" and its key letter. True when parsing is over (the text has ended).
bool atEndOrSkip(std::string_view text, size_t& pos)
{
    if (pos >= text.size())
        return true;
    pos = std::min(pos + 2, text.size());
    return false;
}

void replaceIfNotEmpty(std::string& field, const std::string& token)
{
    if (!token.empty())
        field = token;
}

std::mutex g_mutex;
LaunchParams g_params;
std::string g_timeout = "3000";

} // namespace

LaunchParams LaunchParams::parse(std::string_view text)
{
    return parseRecording(text, nullptr);
}

std::vector<LaunchParams::Span> LaunchParams::secretSpans(std::string_view text)
{
    std::vector<Span> spans;
    parseRecording(text, &spans);
    return spans;
}

LaunchParams LaunchParams::parseRecording(std::string_view text, std::vector<Span>* secrets)
{
    LaunchParams p;
    // The first two characters, a slash and a key letter, are skipped without being looked at.
    size_t pos = std::min<size_t>(2, text.size());

    p.FirstToken = readToken(text, pos);
    if (atEndOrSkip(text, pos))
        return p;
    if (text.find("/I") == std::string_view::npos)
        return p;

    p.IPAddress = readToken(text, pos);
    if (p.IPAddress.empty() || atEndOrSkip(text, pos))
        return p;

    for (int index = 2; index <= 15; ++index) {
        Span span;
        const std::string token = readToken(text, pos, &span);
        // The communities and the two passwords.
        if (secrets && (index == 2 || index == 3 || index == 12 || index == 13) && !token.empty())
            secrets->push_back(span);
        switch (index) {
        case 2: replaceIfNotEmpty(p.ReadCommunity, token); break;
        case 3: replaceIfNotEmpty(p.WriteCommunity, token); break;
        case 4: p.WriteEnabled = (token == "TRUE" || token == "true") ? 1 : 0; break;
        case 5: replaceIfNotEmpty(p.SnmpVersion, token); break;
        case 6: replaceIfNotEmpty(p.Port, token); break;
        case 7:
        case 8: break; // read and discarded
        case 9: replaceIfNotEmpty(p.Token9, token); break;
        case 10: replaceIfNotEmpty(p.SecurityLevel, token); break;
        case 11: replaceIfNotEmpty(p.UserName, token); break;
        case 12: replaceIfNotEmpty(p.AuthPassword, token); break;
        case 13: replaceIfNotEmpty(p.PrivPassword, token); break;
        case 14: replaceIfNotEmpty(p.AuthProtocol, token); break;
        case 15: replaceIfNotEmpty(p.PrivProtocol, token); break;
        }
        if (atEndOrSkip(text, pos))
            return p;
        // Version-1 launches carry no user-based security parameters.
        if (index == 6 && p.SnmpVersion == "1")
            return p;
    }
    return p;
}

std::string LaunchParams::problem() const
{
    constexpr size_t kShownVersionLength = 16;
    if (IPAddress.empty())
        return "the launch line names no address (it needs /I<address>)";
    if (SnmpVersion != "1" && SnmpVersion != "3") {
        const bool cut = SnmpVersion.size() > kShownVersionLength;
        return "the launch line names SNMP version \"" + ShownText(SnmpVersion.substr(0, kShownVersionLength)) +
               (cut ? "...\"" : "\"") + "; only 1 and 3 are supported";
    }
    return {};
}

const LaunchParams& LaunchParams::current()
{
    return g_params;
}

void LaunchParams::setCurrent(const LaunchParams& params)
{
    std::lock_guard lock(g_mutex);
    g_params = params;
}

std::string LaunchParams::timeoutText()
{
    std::lock_guard lock(g_mutex);
    return g_timeout;
}

void LaunchParams::setTimeoutText(const std::string& text)
{
    std::lock_guard lock(g_mutex);
    g_timeout = text;
}

#include "Arguments.h"

#include "HexDigit.h"
#include "Oid.h"

#include <charconv>
#include <climits>

namespace {
constexpr size_t kMaxOidArcs = 128; // net-snmp's MAX_OID_LEN
}

std::optional<int> parseTimeoutMs(const std::string& text)
{
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [p, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || text[0] == '-' || ec != std::errc() || p != end || value < 1)
        return std::nullopt;
    return value;
}

bool isUsableOid(const std::string& text)
{
    const auto arcs = snmp::oid::parse(text);
    return arcs && arcs->size() <= kMaxOidArcs;
}

std::optional<std::string> decodeHexOctets(const std::string& text)
{
    std::string out;
    size_t i = 0;
    while (i < text.size()) {
        if (text[i] == ' ' || text[i] == ':') {
            ++i;
            continue;
        }
        if (i + 1 >= text.size())
            return std::nullopt;
        const int high = HexDigitValue(static_cast<unsigned char>(text[i]));
        const int low = HexDigitValue(static_cast<unsigned char>(text[i + 1]));
        if (high < 0 || low < 0)
            return std::nullopt;
        out += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return out;
}

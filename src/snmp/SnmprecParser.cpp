#include "SnmprecParser.h"

#include "Enterprise.h"
#include "HexDigit.h"
#include "Oid.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace snmp {

std::string SnmprecError::message() const
{
    return file + ":" + std::to_string(line) + ": " + reason;
}

namespace {

bool parseSigned(const std::string& s, int64_t& out)
{
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
    return ec == std::errc() && p == s.data() + s.size() && !s.empty();
}

bool parseUnsigned(const std::string& s, uint64_t max, uint64_t& out)
{
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
    return ec == std::errc() && p == s.data() + s.size() && !s.empty() && out <= max;
}

bool parseHex(const std::string& s, std::string& out)
{
    if (s.size() % 2)
        return false;
    out.clear();
    for (size_t i = 0; i < s.size(); i += 2) {
        const int hi = HexDigitValue(static_cast<unsigned char>(s[i]));
        const int lo = HexDigitValue(static_cast<unsigned char>(s[i + 1]));
        if (hi < 0 || lo < 0)
            return false;
        out += static_cast<char>(hi * 16 + lo);
    }
    return true;
}

bool parseIp(const std::string& s, std::string& out)
{
    out.clear();
    std::stringstream in(s);
    std::string part;
    while (std::getline(in, part, '.')) {
        uint64_t v;
        if (!parseUnsigned(part, 255, v))
            return false;
        out += static_cast<char>(v);
    }
    return out.size() == 4 && s.back() != '.';
}

} // namespace

bool SnmprecParser::parseLine(const std::string& rawLine, VarBind& out, bool& skipped, std::string& reason)
{
    std::string line = rawLine;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    skipped = line.find_first_not_of(" \t") == std::string::npos || line[0] == '#';
    if (skipped)
        return true;

    const auto bar1 = line.find('|');
    const auto bar2 = bar1 == std::string::npos ? std::string::npos : line.find('|', bar1 + 1);
    if (bar2 == std::string::npos) {
        reason = "expected OID|TAG|VALUE";
        return false;
    }
    const std::string oidText = expandEnterprise(line.substr(0, bar1));
    std::string tag = line.substr(bar1 + 1, bar2 - bar1 - 1);
    std::string value = line.substr(bar2 + 1);

    out.oid = oid::normalise(oidText);
    if (out.oid.empty()) {
        reason = "bad OID \"" + oidText + "\"";
        return false;
    }
    if (auto colon = tag.find(':'); colon != std::string::npos) {
        // A variation such as "4:writecache|value=abc": its initial value is ours.
        tag.resize(colon);
        const auto key = value.find("value=");
        if (key == std::string::npos) {
            reason = "variation without value=";
            return false;
        }
        value = value.substr(key + 6);
    }
    const bool hex = !tag.empty() && tag.back() == 'x';
    if (hex)
        tag.pop_back();
    uint64_t tagNumber;
    if (!parseUnsigned(tag, 255, tagNumber)) {
        reason = "bad tag \"" + tag + "\"";
        return false;
    }
    out.tag = static_cast<int>(tagNumber);
    out.number = 0;
    out.bytes.clear();

    bool ok = true;
    uint64_t u = 0;
    switch (out.tag) {
    case Ber::Integer:
        ok = parseSigned(value, out.number) && out.number >= INT32_MIN && out.number <= INT32_MAX;
        break;
    case Ber::OctetString:
    case Ber::Opaque:
        if (hex)
            ok = parseHex(value, out.bytes);
        else
            out.bytes = value;
        break;
    case Ber::Null:
        break;
    case Ber::ObjectId:
        out.bytes = oid::normalise(expandEnterprise(value));
        ok = !out.bytes.empty();
        break;
    case Ber::IpAddress:
        ok = hex ? parseHex(value, out.bytes) && out.bytes.size() == 4 : parseIp(value, out.bytes);
        break;
    case Ber::Counter32:
    case Ber::Gauge32:
    case Ber::TimeTicks:
        ok = parseUnsigned(value, 0xFFFFFFFFull, u);
        out.number = static_cast<int64_t>(u);
        break;
    case Ber::Counter64:
        ok = parseUnsigned(value, UINT64_MAX, u);
        out.number = static_cast<int64_t>(u);
        break;
    default:
        reason = "unsupported tag " + tag;
        return false;
    }
    if (!ok) {
        reason = "bad value \"" + value + "\" for tag " + tag + (hex ? "x" : "");
        return false;
    }
    return true;
}

bool SnmprecParser::parseText(const std::string& text, const std::string& fileName, std::vector<VarBind>& out,
                              SnmprecError& error)
{
    std::istringstream in(text);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        VarBind vb;
        bool skipped = false;
        std::string reason;
        if (!parseLine(line, vb, skipped, reason)) {
            error = {fileName, number, reason};
            return false;
        }
        if (!skipped)
            out.push_back(std::move(vb));
    }
    return true;
}

bool SnmprecParser::parseFile(const std::string& path, std::vector<VarBind>& out, SnmprecError& error)
{
    std::error_code code;
    const auto status = std::filesystem::status(path, code);
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
        error = {path, 0, std::filesystem::is_directory(status) ? "a folder, not a data file" : "not a regular file"};
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = {path, 0, "cannot open file"};
        return false;
    }
    // Read in pieces: a buffer of the whole limit costs a third of a second per file on a
    // loaded machine, and the simulator loads thirty of them at start.
    std::string text;
    char piece[65536];
    while (text.size() <= kMaxFileBytes && in.read(piece, sizeof piece).gcount() > 0)
        text.append(piece, static_cast<size_t>(in.gcount()));
    if (text.size() > kMaxFileBytes) {
        error = {path, 0, "larger than " + std::to_string(kMaxFileBytes / (1024 * 1024)) + " MiB"};
        return false;
    }
    return parseText(text, path, out, error);
}

std::string SnmprecParser::formatLine(const VarBind& vb)
{
    static const char* digits = "0123456789abcdef";
    auto hexOf = [](const std::string& b) {
        std::string h;
        for (unsigned char c : b) {
            h += digits[c >> 4];
            h += digits[c & 15];
        }
        return h;
    };
    std::string tag = std::to_string(vb.tag);
    std::string value;
    switch (vb.tag) {
    case Ber::OctetString:
    case Ber::Opaque: {
        bool printable = true;
        for (unsigned char c : vb.bytes)
            printable = printable && c >= 0x20 && c < 0x7f && c != '|';
        if (printable) {
            value = vb.bytes;
        } else {
            tag += 'x';
            value = hexOf(vb.bytes);
        }
        break;
    }
    case Ber::IpAddress:
    case Ber::ObjectId:
    case Ber::Null:
        value = vb.text();
        break;
    default:
        value = vb.text();
    }
    return vb.oid + "|" + tag + "|" + value;
}

} // namespace snmp

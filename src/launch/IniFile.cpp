#include "IniFile.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

std::string lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

std::string trim(const std::string& s)
{
    const auto first = s.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    const auto last = s.find_last_not_of(" \t\r\n");
    return s.substr(first, last - first + 1);
}

} // namespace

IniFile::IniFile(const std::string& path)
{
    // Only a regular file: a pipe would block start-up, a device could be endless.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return;
    m_exists = true;
    std::string text(kMaxBytes, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<size_t>(in.gcount()));
    parse(text);
}

IniFile IniFile::fromText(const std::string& text)
{
    IniFile ini;
    ini.m_exists = true;
    ini.parse(text);
    return ini;
}

void IniFile::parse(const std::string& text)
{
    std::istringstream in(text);
    std::string line;
    std::string section;
    bool inSection = false;
    while (std::getline(in, line)) {
        line = trim(line);
        if (line.empty() || line[0] == ';')
            continue;
        if (line[0] == '[') {
            const auto close = line.find(']');
            section = lower(trim(line.substr(1, close == std::string::npos ? std::string::npos : close - 1)));
            inSection = true;
            continue;
        }
        const auto eq = line.find('=');
        if (!inSection || eq == std::string::npos)
            continue;
        const std::string key = lower(trim(line.substr(0, eq)));
        std::string value = trim(line.substr(eq + 1));
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
            value = value.substr(1, value.size() - 2);
        // The first occurrence of a key wins, as with the profile functions.
        m_sections[section].emplace(key, value);
    }
}

std::string IniFile::getString(const std::string& section, const std::string& key, const std::string& def) const
{
    const auto s = m_sections.find(lower(section));
    if (s == m_sections.end())
        return def;
    const auto k = s->second.find(lower(key));
    return k == s->second.end() ? def : k->second;
}

int IniFile::getInt(const std::string& section, const std::string& key, int def) const
{
    const auto s = m_sections.find(lower(section));
    if (s == m_sections.end())
        return def;
    const auto k = s->second.find(lower(key));
    if (k == s->second.end())
        return def;
    // Leading digits with an optional sign; anything else reads as 0. Saturates instead of wrapping.
    const std::string& v = k->second;
    size_t i = 0;
    bool negative = false;
    if (i < v.size() && (v[i] == '-' || v[i] == '+'))
        negative = v[i++] == '-';
    long long n = 0;
    for (; i < v.size() && std::isdigit(static_cast<unsigned char>(v[i])); ++i) {
        n = n * 10 + (v[i] - '0');
        if (n > INT_MAX)
            return negative ? INT_MIN : INT_MAX;
    }
    return static_cast<int>(negative ? -n : n);
}

#pragma once
// A read-only INI file with the lookup rules of the Windows profile functions: section and key
// names match case-insensitively, a missing file, section or key gives the default, values are
// trimmed and lose one pair of surrounding quotes, integers are read from their leading digits.

#include <map>
#include <string>

class IniFile {
public:
    // Profiles are small: only the first kMaxBytes of a file are read.
    static constexpr size_t kMaxBytes = 1024 * 1024;

    // A file that cannot be read, or is no regular file, behaves as an empty one.
    explicit IniFile(const std::string& path);
    static IniFile fromText(const std::string& text);

    bool exists() const { return m_exists; }
    std::string getString(const std::string& section, const std::string& key, const std::string& def) const;
    int getInt(const std::string& section, const std::string& key, int def) const;

private:
    IniFile() = default;
    void parse(const std::string& text);

    bool m_exists = false;
    std::map<std::string, std::map<std::string, std::string>> m_sections; // lower-case names
};

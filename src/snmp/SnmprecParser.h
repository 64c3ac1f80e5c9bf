#pragma once
// Reads data files in snmpsim's ".snmprec" format: one "OID|TAG|VALUE" record per line, TAG the
// BER tag number ("4x" means the value is hex octets). snmpsim's "TAG:writecache|value=V" form is
// read as V. OIDs may begin with "ENTERPRISE.". Blank lines and lines starting with '#' are skipped.

#include "SnmpTypes.h"

#include <string>
#include <vector>

namespace snmp {

struct SnmprecError {
    std::string file;
    int line = 0;
    std::string reason;
    // "FILE:LINE: REASON"
    std::string message() const;
};

class SnmprecParser {
public:
    // Parses one line; false with `reason` set when it is malformed. A skipped line gives true
    // and leaves `skipped` set.
    static bool parseLine(const std::string& line, VarBind& out, bool& skipped, std::string& reason);
    // Parses text that came from `fileName` (used in error messages). Stops at the first bad line.
    static bool parseText(const std::string& text, const std::string& fileName, std::vector<VarBind>& out,
                          SnmprecError& error);
    // A file that is no regular file or larger than kMaxFileBytes is refused unread.
    static constexpr size_t kMaxFileBytes = 64 * 1024 * 1024;
    static bool parseFile(const std::string& path, std::vector<VarBind>& out, SnmprecError& error);
    // The record form of one binding (hex for octets that are not printable).
    static std::string formatLine(const VarBind& vb);
};

} // namespace snmp

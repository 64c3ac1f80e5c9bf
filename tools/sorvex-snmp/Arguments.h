#pragma once
// Parsing of sorvex-snmp's own arguments: the time-out, OIDs and hex octets. Each refuses what
// it cannot take whole instead of reading a prefix of it.

#include <optional>
#include <string>

// Milliseconds, 1 to INT_MAX, decimal digits only.
std::optional<int> parseTimeoutMs(const std::string& text);
// A numeric OID (ENTERPRISE. already expanded) that fits an SNMP message: 2 to 128 arcs.
bool isUsableOid(const std::string& text);
// Pairs of hex digits, optionally separated by blanks or colons between the pairs.
std::optional<std::string> decodeHexOctets(const std::string& text);

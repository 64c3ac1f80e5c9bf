#pragma once
// Numeric OID text helpers: "1.3.6.1.2.1.1.1.0", no leading dot.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace snmp::oid {

// Parses dotted decimal (a leading dot is accepted); nullopt for anything else, including
// arcs above 2^32-1 and fewer than two arcs.
std::optional<std::vector<uint32_t>> parse(std::string_view text);
std::string format(const std::vector<uint32_t>& arcs);
// Normalised text (no leading dot) or empty when not a valid OID.
std::string normalise(std::string_view text);
// Lexicographic comparison by arcs; invalid texts compare as empty OIDs.
int compare(std::string_view a, std::string_view b);
// True when `oid` lies strictly below `root` (root itself does not count).
bool isInSubtree(std::string_view oid, std::string_view root);
// The part of `oid` after `root`, beginning with "." ("" when oid is not below root).
std::string suffix(std::string_view oid, std::string_view root);

} // namespace snmp::oid

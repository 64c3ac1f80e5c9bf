#pragma once
// Decimal numbers typed by the operator or read from the switch, parsed the way the pages
// always read them (leading blanks, an optional sign, digits up to the first non-digit), but
// with the overflow that a plain atoi would hide reported to the caller.

#include <QStringView>

#include <cstdint>
#include <optional>
#include <string_view>

// The value of the leading decimal number; 0 when the text holds no digits there; nullopt when
// the digits do not fit in 64 bits. Callers check their own range on the result.
std::optional<int64_t> LeadingInteger(QStringView text);
std::optional<int64_t> LeadingInteger(std::string_view text);

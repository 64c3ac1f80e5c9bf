#pragma once
// The hexadecimal chain by which a port set becomes a PortList value on the wire:
// flags -> PortFlagsToHex -> PadPortHex -> HexToOctets.

#include "PortFlags.h"

#include <cstddef>
#include <limits>
#include <string>
#include <string_view>

// One lowercase digit per four ports (8 = first of the four); any non-zero flag counts as set.
std::string PortFlagsToHex(const PortFlags& flags);

// Pads with "0" to the length the switch expects for a port count: 8 digits (4 octets) for
// 8, 10, 16, 20, 24 and 28 ports, 16 digits (8 octets) for 48 and 52; other counts unchanged.
std::string PadPortHex(std::string hexText, int portCount);

// Two hex digits (either case) per octet, an odd last digit taken as its high half; at most
// capacity octets. A character that is not a hex digit counts as 0.
std::string HexToOctets(std::string_view hexText, std::size_t capacity = std::numeric_limits<std::size_t>::max());

// "80000010": uppercase, two digits per octet, no separators.
std::string OctetsToHex(std::string_view octets);

// The whole chain: the PortList value written for a port set (N = flags.size()).
std::string PortFlagsToOctets(const PortFlags& flags);

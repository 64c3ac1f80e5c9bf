#include "PortHex.h"

#include "HexDigit.h"

#include <algorithm>

namespace {

int hexDigitValueOrZero(char c)
{
    return std::max(HexDigitValue(static_cast<unsigned char>(c)), 0);
}

// Digits the switch expects in a written PortList for a port count; 0 = leave as it is.
std::size_t paddedDigits(int portCount)
{
    switch (portCount) {
    case 8:
    case 10:
    case 16:
    case 20:
    case 24:
    case 28:
        return 8;
    case 48:
    case 52:
        return 16;
    default:
        return 0;
    }
}

} // namespace

std::string PortFlagsToHex(const PortFlags& flags)
{
    static constexpr char digits[] = "0123456789abcdef";
    std::string hex;
    hex.reserve((flags.size() + 3) / 4);
    for (std::size_t group = 0; group < flags.size(); group += 4) {
        int value = 0;
        for (std::size_t bit = 0; bit < 4; ++bit) {
            const std::size_t index = group + bit;
            if (index < flags.size() && flags[index] != 0)
                value |= 8 >> bit;
        }
        hex += digits[value];
    }
    return hex;
}

std::string PadPortHex(std::string hexText, int portCount)
{
    const std::size_t target = paddedDigits(portCount);
    if (hexText.size() < target)
        hexText.append(target - hexText.size(), '0');
    return hexText;
}

std::string HexToOctets(std::string_view hexText, std::size_t capacity)
{
    std::string octets;
    for (std::size_t i = 0; i < hexText.size() && octets.size() < capacity; i += 2) {
        const int high = hexDigitValueOrZero(hexText[i]);
        const int low = i + 1 < hexText.size() ? hexDigitValueOrZero(hexText[i + 1]) : 0;
        octets += static_cast<char>(high * 16 + low);
    }
    return octets;
}

std::string OctetsToHex(std::string_view octets)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string hex;
    hex.reserve(octets.size() * 2);
    for (char c : octets) {
        const auto octet = static_cast<unsigned char>(c);
        hex += digits[octet >> 4];
        hex += digits[octet & 0x0F];
    }
    return hex;
}

std::string PortFlagsToOctets(const PortFlags& flags)
{
    return HexToOctets(PadPortHex(PortFlagsToHex(flags), int(flags.size())));
}

#include "IpAddressText.h"

#include <QList>
#include <QStringView>

#include <cstdint>
#include <optional>

namespace {

std::optional<uint32_t> dottedQuadValue(const QList<QStringView>& numbers)
{
    if (numbers.size() != 4)
        return std::nullopt;
    uint32_t value = 0;
    for (QStringView number : numbers) {
        if (number.isEmpty() || number.size() > 3)
            return std::nullopt;
        uint32_t octet = 0;
        for (QChar c : number) {
            if (c < u'0' || c > u'9')
                return std::nullopt;
            octet = octet * 10 + uint32_t(c.unicode() - u'0');
        }
        if (octet > 255)
            return std::nullopt;
        value = value << 8 | octet;
    }
    return value;
}

} // namespace

bool IsValidHostAddress(const QString& address)
{
    // Anything but four numbers 0-255 is no address at all.
    const QList<QStringView> numbers = QStringView(address).split(u'.');
    const auto value = dottedQuadValue(numbers);
    if (!value || address == u"0.0.0.0")
        return false;
    const QStringView first = numbers.front();
    const QStringView last = numbers.back();
    if (first == u"0" || first == u"255" || last == u"0" || last == u"255")
        return false;

    const uint32_t v = *value;
    if ((v & 0x80000000u) == 0) { // class A
        const uint32_t network = v & 0x7F000000u;
        const uint32_t host = v & 0x00FFFFFFu;
        return network != 0 && network != 0x7F000000u && host != 0 && host != 0x00FFFFFFu;
    }
    if ((v & 0xC0000000u) == 0x80000000u) { // class B
        const uint32_t host = v & 0xFFFFu;
        return host != 0 && host != 0xFFFFu;
    }
    if ((v & 0xE0000000u) == 0xC0000000u) { // class C
        const uint32_t host = v & 0xFFu;
        return host != 0 && host != 0xFFu;
    }
    return false; // class D (multicast) and E
}

#include "SnmpTypes.h"

#include "Oid.h"

namespace snmp {

std::string VarBind::text() const
{
    switch (tag) {
    case Ber::Integer:
        return std::to_string(number);
    case Ber::Counter32:
    case Ber::Gauge32:
    case Ber::TimeTicks:
        return std::to_string(static_cast<uint32_t>(number));
    case Ber::Counter64:
        return std::to_string(static_cast<uint64_t>(number));
    case Ber::IpAddress: {
        if (bytes.size() != 4)
            return {};
        std::string out;
        for (int i = 0; i < 4; ++i) {
            if (i)
                out += '.';
            out += std::to_string(static_cast<unsigned char>(bytes[i]));
        }
        return out;
    }
    case Ber::OctetString:
    case Ber::Opaque:
    case Ber::ObjectId:
        return bytes;
    default:
        return {};
    }
}

namespace {

std::size_t lengthBytes(std::size_t length)
{
    std::size_t n = 1;
    if (length >= 0x80)
        for (; length; length >>= 8)
            ++n;
    return n;
}

std::size_t tlv(std::size_t content)
{
    return 1 + lengthBytes(content) + content;
}

std::size_t arcBytes(uint64_t arc)
{
    std::size_t n = 1;
    while (arc >>= 7)
        ++n;
    return n;
}

std::size_t oidContent(const std::string& text)
{
    const auto arcs = oid::parse(text);
    if (!arcs)
        return 0;
    std::size_t n = arcBytes(uint64_t((*arcs)[0]) * 40 + (*arcs)[1]);
    for (std::size_t i = 2; i < arcs->size(); ++i)
        n += arcBytes((*arcs)[i]);
    return n;
}

std::size_t integerContent(int64_t v, bool isUnsigned)
{
    // Two's complement, shortest form; an unsigned value with its top bit set needs a zero byte.
    std::size_t n = 1;
    if (isUnsigned) {
        for (uint64_t u = static_cast<uint64_t>(v); u > 0x7f; u >>= 8)
            ++n;
        return n;
    }
    while (n < 8) {
        const int64_t limit = int64_t(1) << (8 * n - 1);
        if (v >= -limit && v < limit)
            break;
        ++n;
    }
    return n;
}

} // namespace

std::size_t VarBind::encodedSize() const
{
    std::size_t value = 0;
    switch (tag) {
    case Ber::Integer:
        value = integerContent(number, false);
        break;
    case Ber::Counter32:
    case Ber::Gauge32:
    case Ber::TimeTicks:
    case Ber::Counter64:
        value = integerContent(number, true);
        break;
    case Ber::ObjectId:
        value = oidContent(bytes);
        break;
    case Ber::Null:
    case Ber::NoSuchObject:
    case Ber::NoSuchInstance:
    case Ber::EndOfMibView:
        break;
    default:
        value = bytes.size();
    }
    return tlv(tlv(oidContent(oid)) + tlv(value));
}

} // namespace snmp

#include "SnmpTypes.h"

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

} // namespace snmp

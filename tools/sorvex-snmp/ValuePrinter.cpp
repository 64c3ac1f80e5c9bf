#include "ValuePrinter.h"

#include <cstdio>

using namespace snmp;

namespace {

bool printable(const std::string& bytes)
{
    for (unsigned char c : bytes)
        if (!(c >= 0x20 && c < 0x7f) && c != '\t' && c != '\r' && c != '\n')
            return false;
    return true;
}

std::string hex(const std::string& bytes)
{
    std::string out;
    char buf[4];
    for (size_t i = 0; i < bytes.size(); ++i) {
        std::snprintf(buf, sizeof buf, "%02X", static_cast<unsigned char>(bytes[i]));
        if (i)
            out += ' ';
        out += buf;
    }
    return out;
}

std::string timeticks(uint32_t t)
{
    const uint32_t days = t / 8640000, hours = t / 360000 % 24, minutes = t / 6000 % 60, seconds = t / 100 % 60,
                   hundredths = t % 100;
    char buf[96];
    if (days)
        std::snprintf(buf, sizeof buf, "(%u) %u day%s, %u:%02u:%02u.%02u", t, days, days == 1 ? "" : "s", hours,
                      minutes, seconds, hundredths);
    else
        std::snprintf(buf, sizeof buf, "(%u) %u:%02u:%02u.%02u", t, hours, minutes, seconds, hundredths);
    return buf;
}

} // namespace

std::string formatBinding(const VarBind& vb)
{
    std::string value;
    switch (vb.tag) {
    case Ber::Integer: value = "INTEGER: " + vb.text(); break;
    case Ber::OctetString:
        if (vb.bytes.empty())
            value = "\"\"";
        else
            value = printable(vb.bytes) ? "STRING: \"" + vb.bytes + "\"" : "Hex-STRING: " + hex(vb.bytes);
        break;
    case Ber::ObjectId: value = "OID: " + vb.bytes; break;
    case Ber::IpAddress: value = "IpAddress: " + vb.text(); break;
    case Ber::Counter32: value = "Counter32: " + vb.text(); break;
    case Ber::Gauge32: value = "Gauge32: " + vb.text(); break;
    case Ber::TimeTicks: value = "Timeticks: " + timeticks(static_cast<uint32_t>(vb.number)); break;
    case Ber::Counter64: value = "Counter64: " + vb.text(); break;
    case Ber::Opaque: value = "OPAQUE: " + hex(vb.bytes); break;
    case Ber::Null: value = "NULL"; break;
    case Ber::NoSuchObject: value = "No Such Object available on this agent at this OID"; break;
    case Ber::NoSuchInstance: value = "No Such Instance currently exists at this OID"; break;
    case Ber::EndOfMibView: value = "No more variables left in this MIB View (It is past the end of the MIB tree)"; break;
    default: value = "unknown type " + std::to_string(vb.tag);
    }
    return vb.oid + " = " + value;
}

std::string errorStatusName(long status)
{
    static const char* names[] = {"noError",       "tooBig",       "noSuchName",     "badValue",
                                  "readOnly",      "genErr",       "noAccess",       "wrongType",
                                  "wrongLength",   "wrongEncoding", "wrongValue",    "noCreation",
                                  "inconsistentValue", "resourceUnavailable", "commitFailed", "undoFailed",
                                  "authorizationError", "notWritable", "inconsistentName"};
    if (status >= 0 && status < static_cast<long>(sizeof names / sizeof *names))
        return names[status];
    return "error-status " + std::to_string(status);
}

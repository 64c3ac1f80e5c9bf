#pragma once
// An owned copy of one SNMP answer, made on the callback thread and handed to the page, with the
// accessors pages read it by.

#include "RequestCore.h"

#include <QString>

#include <cstdint>
#include <optional>

#include <string>

struct SnmpReply : snmp::Reply {
    SnmpReply() = default;
    SnmpReply(snmp::Reply reply) : snmp::Reply(std::move(reply)) {}

    bool ok() const { return status == 0; }
    int count() const { return int(values.size()); }
    // The value's text: decimal for numbers, dotted for IpAddress and OIDs, raw bytes for OCTET
    // STRING; empty for a position that is not there.
    std::string text(int i) const;
    // The same as QString (numbers and addresses; text objects go through TextFromUtf8).
    QString qtext(int i) const;
    // The value as a number (INTEGER, Counter, Gauge, TimeTicks); nullopt when it is not one or
    // is not there, so a page never compares numbers as text.
    std::optional<int64_t> integer(int i) const;
    std::string suffix(int i) const;
    // For walks: the index of value i when it is one number (".5" gives 5); nullopt otherwise.
    std::optional<int64_t> index(int i) const;
    // The port 1 ... portCount that a one-number index names; 0 for any other index.
    int portIndex(int i, int portCount) const;
};

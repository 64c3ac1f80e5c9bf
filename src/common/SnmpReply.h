#pragma once
// An owned copy of one SNMP answer, made on the callback thread and handed to the page.

#include "SnmpTypes.h"

#include <QString>

#include <string>
#include <vector>

struct SnmpReply {
    // 0 = an answer; -1 no answer in time or nothing sent; -2 end of a walk; > 0 the agent's
    // error-status.
    int status = -1;
    std::vector<snmp::VarBind> values;
    // For walks: the index part of each value's OID (".5", ".1.0.27.17.34.51.68"), else empty.
    std::vector<std::string> suffixes;

    bool ok() const { return status == 0; }
    int count() const { return int(values.size()); }
    // The value's text: decimal for numbers, dotted for IpAddress and OIDs, raw bytes for OCTET
    // STRING; empty for a position that is not there.
    std::string text(int i) const;
    // The same as QString (numbers and addresses; text objects go through TextFromUtf8).
    QString qtext(int i) const;
    std::string suffix(int i) const;
};

#pragma once
// MAC addresses as the operator types them ("00-11-22-33-44-55") and as OID index suffixes.

#include <QString>

#include <string>
#include <string_view>

// Checks a typed MAC address. On a fault shows one of "Please enter correct MAC
// format(ex:00-00-00-00-00-01)", "Broadcast MAC is not allowed." or "Multicast MAC is not
// allowed." (the last only when multicast is not allowed) and returns false.
bool ValidateMacText(const QString& macText, bool multicastAllowed);

// "00-1B-11-22-33-44" for six octets: each octet as two upper-case hex digits, joined by "-" (any
// number of octets is shown that way).
QString MacOctetsText(std::string_view octets);

// ".0.17.34.51.68.85" for "00-11-22-33-44-55": each octet in decimal after a dot.
std::string MacTextToIndex(const QString& macText);

// The six octets of a MAC text that ValidateMacText accepted (dashes removed, two digits each).
std::string MacTextToOctets(const QString& macText);

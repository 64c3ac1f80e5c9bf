#pragma once
// One protected gateway of the ARP spoofing prevention table, as listed.

#include <QString>

#include <string>

struct ArpSpoofingEntry {
    QString ip;        // "192.0.2.1"
    QString mac;       // "00-1B-21-0A-00-01"
    std::string index; // the row's OID index, ".192.0.2.1"
};

// At most this many entries: the switch refuses more.
inline constexpr int ArpSpoofingMaxEntries = 64;

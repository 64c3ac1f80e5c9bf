#pragma once
// One static VLAN as the 802.1Q VLAN list read it: the add/edit and PVID dialogs check VLAN IDs,
// untagged membership and PVIDs against these records.

#include "SetRequest.h"
#include "SnmpReply.h"

#include <QString>

#include <optional>
#include <string>
#include <vector>

struct VlanRecord {
    int vid = 0;
    QString name;
    QString egress;   // member ports, enumeration text "1,2,5"
    QString untagged; // untagged ports, the same form
    int egressCount = 0;
    int untaggedCount = 0;
    // The values as read: an edit that fails half-way writes them back.
    std::string egressOctets;
    std::string untaggedOctets;
    std::string nameBytes{};
};

using VlanRecords = std::vector<VlanRecord>;

// A record from the values the switch holds for a VLAN.
VlanRecord MakeVlanRecord(int vid, const std::string& nameBytes, std::string egressOctets, std::string untaggedOctets,
                          int portCount);

// The record of a row of the VLAN walk (name, egress, untagged, row status); nullopt for a row
// that is not active or whose index is no VLAN ID.
std::optional<VlanRecord> VlanRecordFromRow(const SnmpReply& row, int portCount);

const VlanRecord* FindVlan(const VlanRecords& records, long long vid);

// How the add/edit dialog's write changes a VLAN row.
enum class VlanWrite { Create, Edit };

// What undoes a VLAN write that stopped: nothing after a success, nor when its first step was
// refused (nothing was changed). Any other step may have been taken, an unanswered one too, so
// a row the write created is destroyed, and an edited VLAN (`before`, as read) gets its name,
// egress and untagged ports back, in that order, and is made active again.
std::vector<SetRequest> VlanPutBackSteps(VlanWrite write, int vid, const VlanRecord& before, const WriteResult& result,
                                         int portCount);

#pragma once
// The aggregated-link rules: the ports of one link must agree in the settings of seventeen other
// features, so that the link behaves as one port. AggregationData holds what the switch reported
// of those features; FirstAggregationRefusal runs the rules in their fixed order on a proposed
// member set and names the first refusal.
//
// Two shapes recur: "equal" (the first selected port sets the reference and every other
// selected port must match it) and "all-or-none" (the selected ports lie all inside a port set
// or all outside it). Within a rule, ports are examined in ascending order.

#include "PortFlags.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// One value per port, element p - 1 for port p.
using PortValues = std::vector<int64_t>;

struct AggregationData {
    // Every per-port value 0, no VLANs, rules or static entries, every feature disabled.
    explicit AggregationData(int portCount = 0);

    int portCount = 0;
    std::vector<int> link;           // the aggregated link of each port (0 = none)
    PortValues portType;             // port media type
    PortValues speed;                // configured speed/duplex; 3 and 5 are half duplex
    PortFlags dhcpScreening;         // DHCP server screening port
    PortValues dot1x;                // 802.1X port value (2 enabled, 1 refused as well)
    std::vector<PortFlags> vlanMembers, vlanUntagged; // per VLAN
    PortFlags learning;              // learns addresses
    PortValues priority;             // 802.1p default priority
    PortValues pvid;
    PortValues portSecurity;         // 1 enabled
    PortValues loopbackDetection;    // 1 enabled
    PortFlags mirrorSourceIngress, mirrorSourceEgress;
    int64_t mirrorState = 0;         // 1 enabled
    int64_t mirrorTarget = 0;        // the mirror port
    PortFlags arpSpoofing;           // a port of some ARP spoofing prevention entry
    PortValues bandwidthTransmit, bandwidthReceive;
    std::array<PortValues, 7> stp;   // the seven spanning-tree port settings
    PortValues voiceMode;            // 1 auto
    PortFlags fdbDestination;        // the destination of some static FDB entry
    std::vector<PortFlags> aclRules; // the ports of each access-control rule
    PortValues surveillanceState;    // 1 auto
    PortValues surveillanceMode;     // 2 auto dynamic
    bool dot1xEnabled = false;
    bool stpEnabled = false;
    bool surveillanceEnabled = false;
};

// The message of the first rule that refuses `selected` (flags, element p - 1 for port p) as
// the members of the link whose present members are `currentMembers` (enumeration text "1,2");
// nullopt when every rule passes.
std::optional<QString> FirstAggregationRefusal(const AggregationData& data, const PortFlags& selected,
                                               const QString& currentMembers);

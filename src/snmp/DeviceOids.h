#pragma once
// The switch's own objects (under ENTERPRISE.10.75.5.2), named once for the module and the
// simulator. Columns are given without an index; scalars end in ".0".

#include "Enterprise.h"

#include <string>
#include <string_view>

namespace snmp::deviceoid {

inline std::string device(std::string_view tail)
{
    return std::string(DEVICE_MIB) + "." + std::string(tail);
}

// System group.
inline const std::string reboot = device("1.9.0");
inline const std::string saveConfig = device("1.10.0");
inline const std::string fanStatus = device("1.15.1.0");
// Jumbo frames on the whole switch (1 enabled, 2 disabled).
inline const std::string jumboFrame = device("1.12.0");

// Port table, indexed by port: configured speed/duplex, operating mode, flow control, operating
// flow control, media type.
enum PortColumn { PortConfigSpeed = 2, PortOperMode = 3, PortFlowControl = 5, PortOperFlowControl = 6, PortMedia = 7 };
inline std::string portColumn(int column)
{
    return device("1.13.1." + std::to_string(column));
}
// Default 802.1p priority of each port.
inline const std::string portDefaultPriority = device("12.3.1.1.2");

// Spanning tree: global state ("1" enabled) and the port table, indexed by port.
inline const std::string stpState = device("6.1.1.0");
inline std::string stpPortColumn(int column)
{
    return device("6.2.1." + std::to_string(column));
}

// 802.1Q VLANs: asymmetric VLAN state (1 enabled, 2 disabled); the static VLAN table, indexed by
// VLAN ID (name, egress and untagged PortLists, RowStatus); the PVID of each port (Unsigned32).
inline const std::string asymmetricVlan = device("7.5.0");
enum VlanColumn { VlanName = 1, VlanEgress = 2, VlanUntagged = 4, VlanRowStatus = 5 };
inline std::string vlanColumn(int column)
{
    return device("7.6.1." + std::to_string(column));
}
inline const std::string portPvid = device("7.7.1.1");

// Forwarding database: the ports that learn addresses (a PortList); the destination port of each
// static entry.
inline const std::string learningPorts = device("9.2.0");
inline const std::string staticFdbPort = device("9.3.1.3");

// 802.1X: global state ("1" enabled) and the port value, indexed by port.
inline const std::string dot1xState = device("11.2.1.0");
inline const std::string dot1xPort = device("11.2.9.1.2");

// Bandwidth control, indexed by port: the transmit and receive limits (kbit/s, 0 = none).
enum BandwidthColumn { BandwidthTransmit = 2, BandwidthReceive = 3 };
inline std::string bandwidthColumn(int column)
{
    return device("13.1.2.1." + std::to_string(column));
}

// Security features: port security state per port (1 enabled), ARP spoofing prevention ports
// per entry, DHCP server screening ports (PortLists).
inline const std::string portSecurity = device("14.2.1.1.2");
inline const std::string arpSpoofingPorts = device("14.3.1.1.3");
inline const std::string dhcpScreeningPorts = device("14.7.1.0");
// The ports of each access-control rule (a PortList).
inline const std::string aclPorts = device("15.2.1.1.10");
// Loopback detection state per port (1 enabled).
inline const std::string loopbackDetection = device("17.5.1.2");
// Port mirroring: state (1 enabled), target port, the two source PortLists.
inline const std::string mirrorState = device("18.1.0");
inline const std::string mirrorTarget = device("18.2.0");
inline const std::string mirrorSourcesIngress = device("18.3.0");
inline const std::string mirrorSourcesEgress = device("18.4.0");

// Voice VLAN: state ("1" enabled), VLAN ID, the mode of each port (1 auto).
inline const std::string voiceVlanState = device("21.1.2.0");
inline const std::string voiceVlanId = device("21.1.3.0");
inline const std::string voicePortMode = device("21.1.6.1.2");

// Auto surveillance VLAN: state ("1" enabled), VLAN ID; per port its state (1 auto) and mode
// (2 auto dynamic).
inline const std::string surveillanceState = device("26.1.1.0");
inline const std::string surveillanceVlanId = device("26.1.2.0");
inline const std::string surveillancePortState = device("34.1.5.1.2");
inline const std::string surveillancePortMode = device("34.1.5.1.3");

// TFTP transfers of the firmware and the configuration: the TFTP server, the file name, the
// operation (1 the switch fetches, 2 it sends) and the transfer status.
inline const std::string firmwareServer = device("3.1.0");
inline const std::string firmwareFile = device("3.2.0");
inline const std::string configServer = device("3.5.0");
inline const std::string configFile = device("3.6.0");
inline const std::string firmwareOperation = device("3.3.0");
inline const std::string firmwareStatus = device("3.4.0");
inline const std::string configOperation = device("3.7.0");
inline const std::string configStatus = device("3.8.0");

// Link aggregation on the switch (1 enabled, 2 disabled).
inline const std::string linkAggregationState = device("8.1.2.0");
// Aggregated links: the member ports of each link (a PortList), indexed by link.
inline const std::string linkMembers = device("8.1.3.1.2");
// The mode of each link: 1 LACP, 2 static, 3 disabled.
inline const std::string linkMode = device("8.1.3.1.3");

// Remote syslog server.
enum SyslogObject { SyslogHost = 1, SyslogUdpPort = 2, SyslogSeverity = 4, SyslogFacility = 5, SyslogState = 6 };
inline std::string syslog(int object)
{
    return device("16.1." + std::to_string(object) + ".0");
}

// Management VLAN: restriction on or off (1 enabled, 2 disabled) and the VLAN the switch is
// managed through.
inline const std::string managementVlanState = device("7.2.0");
inline const std::string managementVlanId = device("7.3.0");

// IGMP snooping: the global objects 1 ... 8 (state, router timeout, host timeout, robustness,
// last member query interval, query interval, max response time, report to all ports); the VLAN
// table, indexed by VLAN ID; the learned multicast groups.
inline std::string igmpGlobal(int object)
{
    return device("10.1." + std::to_string(object) + ".0");
}
enum IgmpVlanColumn { IgmpVlanId = 1, IgmpVlanState = 2, IgmpVlanQuerier = 4, IgmpVlanRouterPorts = 6, IgmpVlanFastLeave = 8 };
inline std::string igmpVlanColumn(int column)
{
    return device("10.3.4.1." + std::to_string(column));
}
enum MulticastEntryColumn { EntryVlanId = 1, EntryGroup = 2, EntryMac = 3, EntryPorts = 4 };
inline std::string multicastEntryColumn(int column)
{
    return device("10.3.5.1." + std::to_string(column));
}
// Unregistered multicast groups, indexed by port: .1 the port, .2 forwarded (1) or filtered (2).
inline std::string multicastFilterColumn(int column)
{
    return device("28.1.1." + std::to_string(column));
}

// Auto surveillance VLAN, beside its state and VLAN ID: the priority (0 highest ... 3 low), the
// tagged uplink/downlink ports (a PortList), and the device table, indexed by the six octets of
// an address: .1 address, .2 description, .3 mask, .4 component type, .5 RowStatus.
inline const std::string surveillancePriority = device("26.1.3.0");
inline const std::string surveillancePorts = device("26.1.4.0");
enum SurveillanceDeviceColumn { DeviceAddress = 1, DeviceDescription = 2, DeviceMask = 3, DeviceType = 4, DeviceRowStatus = 5 };
inline std::string surveillanceDeviceColumn(int column)
{
    return device("26.2.1.1." + std::to_string(column));
}
// The OUIs of the voice VLAN (six octets each).
inline const std::string voiceVlanOui = device("21.2.1.1.1");

// Power over Ethernet: the port table (indexed "1.PORT"), power left, LED mode.
enum PoeColumn { PoeState = 3, PoePower = 9, PoeVoltage = 10, PoeCurrent = 11, PoeClass = 12, PoeStatus = 13 };
// The port table's settings: time profile index (0 none), priority, limit by class, limit mode
// (1 the user's watts, 2 by class), the user's watts.
enum PoeSettingColumn { PoeTimeRange = 4, PoePriority = 5, PoeClassLimit = 6, PoeLimitMode = 7, PoeUserLimit = 8 };
inline std::string poeColumn(int column)
{
    return device("22.1.1." + std::to_string(column));
}
// The PoE scalars .22.N.0: threshold, shut-off sequence, budget, used, left, percentage supplied.
enum PoeGlobal { PoeThreshold = 2, PoeShutOffSequence = 3, PoeBudget = 4, PoeUsed = 5, PoeLeft = 6, PoeSupplied = 7 };
inline std::string poeGlobal(int object)
{
    return device("22." + std::to_string(object) + ".0");
}
inline const std::string poePowerLeft = device("22.6.0");
inline const std::string poeLedMode = device("22.8.0");

// LLDP: state, TX hold multiplier, TX interval, reinit delay, TX delay (.24.N.0), and the
// LLDP-MED Power-via-MDI TLV of each port.
enum LldpObject { LldpState = 1, LldpHoldMultiplier = 2, LldpTxInterval = 3, LldpReinitDelay = 4, LldpTxDelay = 5 };
inline std::string lldp(int object)
{
    return device("24." + std::to_string(object) + ".0");
}
inline const std::string lldpPseTlv = device("24.8.1.2");

// Power saving (.31): per function (1 LED shut-off, 2 port shut-off, 3 port standby) .F.1 ports,
// .F.2 state, .F.3 and .F.4 time profiles; system hibernation .4.1 state, .4.2 and .4.3 time
// profiles; .5 cable length detection, .6 link status detection. `tail` is the part after .31.
inline std::string powerSaving(std::string_view tail)
{
    return device("31." + std::string(tail) + ".0");
}

// Time profiles (.32.1.1), indexed 1-8: index, name, date range in use, from year/month/day,
// start hour/minute, to year/month/day, end hour/minute, Monday ... Sunday, row status.
enum TimeProfileColumn {
    TimeProfileIndex = 1,
    TimeProfileName = 2,
    TimeProfileDateUsed = 3,
    TimeProfileFromYear = 4,
    TimeProfileStartHour = 7,
    TimeProfileToYear = 9,
    TimeProfileEndHour = 12,
    TimeProfileMonday = 14,
    TimeProfileRowStatus = 21,
};
inline std::string timeProfileColumn(int column)
{
    return device("32.1.1." + std::to_string(column));
}

// SNMP agent group: its first object answers the device window's reachability probe.
inline const std::string agentProbe = device("25.1.0");

// Spanning tree: RSTP state (1 on, 2 off), protocol version (2 RSTP, 0 STP compatible), the
// path cost written per port (0 automatic).
inline const std::string rstpState = device("6.1.1.0");
inline const std::string stpVersion = device("6.1.2.0");
inline const std::string stpPortPathCost = device("6.2.1.5");

// Loopback detection: the state of each port (1 on).
inline const std::string lbdPortState = device("17.5.1.2");

// The switch's own SNMP agent: on/off state (the probe above), its tables, engine ID and trap
// switches .1 ... .8.
inline const std::string agentState = agentProbe;
enum AgentTable { AgentUsers = 2, AgentGroups = 3, AgentViews = 4, AgentCommunities = 5, AgentHosts = 6 };
inline std::string agentColumn(AgentTable table, int column)
{
    return device("25." + std::to_string(int(table)) + ".1.1." + std::to_string(column));
}
inline const std::string agentEngineId = device("25.7.0");
inline std::string agentTrap(int number)
{
    return device("25.8." + std::to_string(number) + ".0");
}


// 802.1X: RADIUS server address (1) and shared key (2); the authenticator's timers and
// re-authentication (2 ... 8, beside its state dot1xState); the port table, indexed by port.
enum RadiusObject { RadiusServer = 1, RadiusKey = 2 };
inline std::string radius(int object)
{
    return device("11.1." + std::to_string(object) + ".0");
}
enum Dot1xObject {
    Dot1xQuietPeriod = 2, Dot1xTxPeriod = 3, Dot1xSuppTimeout = 4, Dot1xServerTimeout = 5,
    Dot1xMaxReq = 6, Dot1xReAuthPeriod = 7, Dot1xReAuthEnabled = 8
};
inline std::string dot1x(int object)
{
    return device("11.2." + std::to_string(object) + ".0");
}
// The controlled port's status (1 authorized, 2 unauthorized), beside its access control
// dot1xPort (1 force-unauthorized, 2 auto, 3 force-authorized).
inline const std::string dot1xPortStatus = device("11.2.9.1.3");

// Storm control: state (1 enabled, 2 disabled), type (1 ... 3), threshold in kbit/s.
enum StormObject { StormState = 1, StormType = 2, StormThreshold = 3 };
inline std::string stormControl(int object)
{
    return device("13.3." + std::to_string(object) + ".0");
}

// ARP spoofing prevention, indexed by the gateway's IPv4 address: address (1), MAC (2), ports
// (3, a PortList), RowStatus (4).
enum ArpSpoofingColumn { ArpGatewayIp = 1, ArpGatewayMac = 2, ArpPorts = 3, ArpRowStatus = 4 };
inline std::string arpSpoofingColumn(int column)
{
    return device("14.3.1.1." + std::to_string(column));
}

// DHCP server screening: the trusted servers beside the ports (dhcpScreeningPorts), indexed by
// entry: index (1), address (2), RowStatus (3).
enum DhcpServerColumn { DhcpServerIndex = 1, DhcpServerAddress = 2, DhcpServerRowStatus = 3 };
inline std::string dhcpServerColumn(int column)
{
    return device("14.7.2.1." + std::to_string(column));
}

// Traffic segmentation: state (1 enabled, 2 disabled); the forwarding set (a PortList) of each
// source port.
inline const std::string segmentationState = device("14.9.1.0");
enum SegmentationColumn { SegmentationPort = 1, SegmentationForwarding = 2 };
inline std::string segmentationColumn(int column)
{
    return device("14.9.2.1." + std::to_string(column));
}

// IP-MAC-port binding: the port settings (indexed by port), the scan results, the white list
// (indexed by IP then MAC, with a RowStatus), the black list; the scan range and command.
inline std::string bindingPortColumn(int column)
{
    return device("14.10.1.1." + std::to_string(column));
}
inline std::string bindingScanColumn(int column)
{
    return device("14.10.2.1." + std::to_string(column));
}
inline std::string bindingWhiteListColumn(int column)
{
    return device("14.10.3.1." + std::to_string(column));
}
inline std::string bindingBlackListColumn(int column)
{
    return device("14.10.4.1." + std::to_string(column));
}
inline const std::string bindingScanFrom = device("14.10.5.0");
inline const std::string bindingScanTo = device("14.10.6.0");
inline const std::string bindingScanCommand = device("14.10.7.0");

} // namespace snmp::deviceoid

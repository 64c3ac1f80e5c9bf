#pragma once
// The command ids of the device menu's entries: the menu, the page catalog and the tests name
// them from here. A QAction's objectName is its id in decimal.

namespace MenuCommand {

enum Id : int {
    // System
    PortConfiguration = 32774,
    SyslogHost = 32832,
    TimeProfile = 32849,
    PowerSaving = 32850,
    // VLAN
    VlanConfiguration = 32834,
    ManagementVlan = 32854,
    SurveillanceVlan = 32828,
    // L2 function
    JumboFrame = 32817,
    PortMirroring = 32857,
    SpanningTree = 32813,
    Trunk = 32818,
    MulticastFilteringMode = 32830,
    IgmpSnooping = 32861,
    // QoS
    BandwidthControl = 32836,
    // Security
    ArpSpoofingPrevention = 32833,
    DhcpServerScreening = 32829,
    TrafficSegmentation = 32863,
    StormControl = 32864,
    SmartBindingSettings = 32837,
    SmartBinding = 32866,
    WhiteList = 32867,
    BlackList = 32868,
    // AAA
    Dot1x = 32792,
    // SNMP setting
    SnmpGlobalState = 32839,
    SnmpUserTable = 32841,
    SnmpGroupTable = 32842,
    SnmpViewTable = 32843,
    SnmpCommunityTable = 32844,
    SnmpHostTable = 32840,
    SnmpEngineId = 32845,
    SnmpTrap = 32846,
    // LLDP
    LldpGlobal = 32825,
    LldpRemotePorts = 32826,
    LldpMed = 32827,
    // PoE
    PoeGlobal = 32870,
    PoePortConfig = 32852,
    // Public MIB
    SystemInformation = 32805,
    InterfaceTable = 32809,
    IpTable = 32808,
    ForwardingTable = 32810,
    TcpService = 32811,
    UdpService = 32812,
    // Tools
    Firmware = 32823,
    SaveConfiguration = 32815,
    Telnet = 32788,
    Web = 32789,
    Reboot = 32797,
    // About
    About = 57664,
};

} // namespace MenuCommand

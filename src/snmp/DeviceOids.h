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

// Port table, indexed by port: configured speed/duplex, operating mode, flow control, operating
// flow control, media type.
enum PortColumn { PortConfigSpeed = 2, PortOperMode = 3, PortFlowControl = 5, PortOperFlowControl = 6, PortMedia = 7 };
inline std::string portColumn(int column)
{
    return device("1.13.1." + std::to_string(column));
}
// Default 802.1p priority of each port.
inline const std::string portDefaultPriority = device("12.3.1.1.2");

// TFTP transfers: operation and status of the firmware and the configuration transfer.
inline const std::string firmwareOperation = device("3.3.0");
inline const std::string firmwareStatus = device("3.4.0");
inline const std::string configOperation = device("3.7.0");
inline const std::string configStatus = device("3.8.0");

// Aggregated links: the member ports of each link (a PortList), indexed by link.
inline const std::string linkMembers = device("8.1.3.1.2");

// Remote syslog server.
enum SyslogObject { SyslogHost = 1, SyslogUdpPort = 2, SyslogSeverity = 4, SyslogFacility = 5, SyslogState = 6 };
inline std::string syslog(int object)
{
    return device("16.1." + std::to_string(object) + ".0");
}

// Power over Ethernet: the port table (indexed "1.PORT"), power left, LED mode.
enum PoeColumn { PoeState = 3, PoePower = 9, PoeVoltage = 10, PoeCurrent = 11, PoeClass = 12, PoeStatus = 13 };
inline std::string poeColumn(int column)
{
    return device("22.1.1." + std::to_string(column));
}
inline const std::string poePowerLeft = device("22.6.0");
inline const std::string poeLedMode = device("22.8.0");

// SNMP agent group: its first object answers the device window's reachability probe.
inline const std::string agentProbe = device("25.1.0");

} // namespace snmp::deviceoid

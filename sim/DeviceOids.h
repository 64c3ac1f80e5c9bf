#pragma once
// OIDs of the objects the simulator's behaviour code touches.

#include "Enterprise.h"
#include "MibStore.h"

namespace sim::oids {

inline Oid device(const Oid& tail)
{
    return concat(toOid(snmp::DEVICE_MIB), tail);
}

// MIB-2 interfaces (ifEntry) and system.
inline const Oid ifEntry = {1, 3, 6, 1, 2, 1, 2, 2, 1};
constexpr uint32_t IfSpeed = 5, IfAdminStatus = 7, IfOperStatus = 8, IfLastChange = 9;
inline Oid ifCell(uint32_t column, int port) { return concat(ifEntry, {column, static_cast<uint32_t>(port)}); }
inline const Oid sysUpTime = {1, 3, 6, 1, 2, 1, 1, 3, 0};

// BRIDGE-MIB spanning tree port state.
inline Oid stpPortState(int port) { return {1, 3, 6, 1, 2, 1, 17, 2, 15, 1, 3, static_cast<uint32_t>(port)}; }

// Q-BRIDGE forwarding table: dot1qTpFdbEntry.column.fdbId.mac
inline const Oid dot1qTpFdbEntry = {1, 3, 6, 1, 2, 1, 17, 7, 1, 2, 2, 1};

// SNMP engine group (SNMP-FRAMEWORK-MIB).
inline const Oid snmpEngine = {1, 3, 6, 1, 6, 3, 10, 2, 1};

// Device port table: configured speed (.2), operating mode (.3), flow control (.5),
// operating flow control (.6), media (.7).
constexpr uint32_t PortConfigSpeed = 2, PortOperMode = 3, PortFlowControl = 5, PortOperFlowControl = 6, PortMedia = 7;
inline Oid portCell(uint32_t column, int port) { return device({1, 13, 1, column, static_cast<uint32_t>(port)}); }

// PoE port table, index "1.PORT": state (.3), power (.9), voltage (.10), current (.11),
// classification (.12), status (.13).
constexpr uint32_t PoeState = 3, PoePower = 9, PoeVoltage = 10, PoeCurrent = 11, PoeClass = 12, PoeStatus = 13;
inline Oid poeCell(uint32_t column, int port) { return device({22, 1, 1, column, 1, static_cast<uint32_t>(port)}); }

// Tool commands and TFTP transfers.
inline Oid reboot() { return device({1, 9, 0}); }
inline Oid saveConfig() { return device({1, 10, 0}); }
inline Oid firmwareOperation() { return device({3, 3, 0}); }
inline Oid firmwareStatus() { return device({3, 4, 0}); }
inline Oid configOperation() { return device({3, 7, 0}); }
inline Oid configStatus() { return device({3, 8, 0}); }

} // namespace sim::oids

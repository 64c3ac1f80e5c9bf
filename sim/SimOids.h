#pragma once
// OIDs of the objects the simulator's behaviour code touches. The device's own objects come
// from the names the module uses (src/snmp/DeviceOids.h).

#include "DeviceOids.h"
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

// Device port table.
using snmp::deviceoid::PortConfigSpeed, snmp::deviceoid::PortOperMode, snmp::deviceoid::PortFlowControl,
    snmp::deviceoid::PortOperFlowControl, snmp::deviceoid::PortMedia;
inline Oid portColumn(int column) { return toOid(snmp::deviceoid::portColumn(column)); }
inline Oid portCell(int column, int port) { return concat(portColumn(column), {static_cast<uint32_t>(port)}); }

// PoE port table, index "1.PORT".
using snmp::deviceoid::PoeState, snmp::deviceoid::PoePower, snmp::deviceoid::PoeVoltage, snmp::deviceoid::PoeCurrent,
    snmp::deviceoid::PoeClass, snmp::deviceoid::PoeStatus;
inline Oid poeColumn(int column) { return toOid(snmp::deviceoid::poeColumn(column)); }
inline Oid poeCell(int column, int port) { return concat(poeColumn(column), {1, static_cast<uint32_t>(port)}); }

// Tool commands and TFTP transfers.
inline Oid reboot() { return toOid(snmp::deviceoid::reboot); }
inline Oid saveConfig() { return toOid(snmp::deviceoid::saveConfig); }
inline Oid firmwareOperation() { return toOid(snmp::deviceoid::firmwareOperation); }
inline Oid firmwareStatus() { return toOid(snmp::deviceoid::firmwareStatus); }
inline Oid configOperation() { return toOid(snmp::deviceoid::configOperation); }
inline Oid configStatus() { return toOid(snmp::deviceoid::configStatus); }

} // namespace sim::oids

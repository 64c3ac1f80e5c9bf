#pragma once
// LLDP values as the LLDP pages show them.

#include <QString>

#include <string_view>

// Chassis ID subtype 1-7: "chassisComponent", "interfaceAlias", "portComponent", "macAddress",
// "networkAddress", "interfaceName", "local"; other values as received.
QString ChassisIdSubtypeText(std::string_view value);
// Port ID subtype 1-7: "interfaceAlias", "portComponent", "macAddress", "networkAddress",
// "interfaceName", "agentCircuitld", "local"; other values as received.
QString PortIdSubtypeText(std::string_view value);
// A chassis ID of any subtype: two upper-case hexadecimal digits per byte, no separators.
QString ChassisIdText(std::string_view bytes);

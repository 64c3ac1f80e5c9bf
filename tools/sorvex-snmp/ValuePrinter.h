#pragma once
// Prints bindings the way net-snmp's tools do with numeric OIDs: "OID = TYPE: VALUE".

#include "SnmpTypes.h"

#include <string>

std::string formatBinding(const snmp::VarBind& vb);
std::string errorStatusName(long status);

#pragma once
// The simulated switch's objects: a sorted map from OID to value, so get-next is a lookup of
// the first key after the requested one.

#include "SnmpTypes.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace sim {

using Oid = std::vector<uint32_t>;

Oid toOid(const std::string& dotted); // empty when not a valid OID
std::string toText(const Oid& oid);
bool startsWith(const Oid& oid, const Oid& prefix);
Oid concat(Oid head, const Oid& tail);

class MibStore {
public:
    void put(const Oid& oid, snmp::VarBind value);
    const snmp::VarBind* find(const Oid& oid) const;
    // The first object strictly after `oid`, or nullptr at the end of the store.
    const snmp::VarBind* next(const Oid& oid, Oid* foundOid = nullptr) const;
    bool erase(const Oid& oid);

    // Table rows: `entry` is the table's entry OID (…Table.1); a cell is entry.column.index.
    bool rowExists(const Oid& entry, const Oid& index) const;
    std::vector<uint32_t> columnsOf(const Oid& entry) const;
    void eraseRow(const Oid& entry, const Oid& index);

    // Convenience for the behaviour code, which works on known instances.
    std::optional<int64_t> number(const Oid& oid) const;
    void setNumber(const Oid& oid, int64_t value); // keeps the stored tag; ignored when absent
    std::string bytes(const Oid& oid) const;
    void setBytes(const Oid& oid, std::string value);

    size_t size() const { return m_values.size(); }

private:
    std::map<Oid, snmp::VarBind> m_values;
};

} // namespace sim

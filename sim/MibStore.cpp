#include "MibStore.h"

#include "Oid.h"

#include <algorithm>

namespace sim {

Oid toOid(const std::string& dotted)
{
    return snmp::oid::parse(dotted).value_or(Oid{});
}

std::string toText(const Oid& oid)
{
    return snmp::oid::format(oid);
}

bool startsWith(const Oid& oid, const Oid& prefix)
{
    return oid.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), oid.begin());
}

Oid concat(Oid head, const Oid& tail)
{
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

void MibStore::put(const Oid& oid, snmp::VarBind value)
{
    value.oid = toText(oid);
    m_values[oid] = std::move(value);
}

const snmp::VarBind* MibStore::find(const Oid& oid) const
{
    auto it = m_values.find(oid);
    return it == m_values.end() ? nullptr : &it->second;
}

const snmp::VarBind* MibStore::next(const Oid& oid, Oid* foundOid) const
{
    auto it = m_values.upper_bound(oid);
    if (it == m_values.end())
        return nullptr;
    if (foundOid)
        *foundOid = it->first;
    return &it->second;
}

bool MibStore::erase(const Oid& oid)
{
    return m_values.erase(oid) > 0;
}

bool MibStore::rowExists(const Oid& entry, const Oid& index) const
{
    for (uint32_t column : columnsOf(entry))
        if (find(concat(concat(entry, {column}), index)))
            return true;
    return false;
}

std::vector<uint32_t> MibStore::columnsOf(const Oid& entry) const
{
    std::vector<uint32_t> columns;
    auto it = m_values.lower_bound(entry);
    while (it != m_values.end() && startsWith(it->first, entry) && it->first.size() > entry.size()) {
        const uint32_t column = it->first[entry.size()];
        columns.push_back(column);
        if (column == UINT32_MAX)
            break;
        // Skip the rest of this column.
        it = m_values.lower_bound(concat(entry, {column + 1}));
    }
    return columns;
}

void MibStore::eraseRow(const Oid& entry, const Oid& index)
{
    for (uint32_t column : columnsOf(entry))
        erase(concat(concat(entry, {column}), index));
}

std::optional<int64_t> MibStore::number(const Oid& oid) const
{
    const auto* vb = find(oid);
    if (!vb)
        return std::nullopt;
    return vb->number;
}

void MibStore::setNumber(const Oid& oid, int64_t value)
{
    auto it = m_values.find(oid);
    if (it != m_values.end())
        it->second.number = value;
}

std::string MibStore::bytes(const Oid& oid) const
{
    const auto* vb = find(oid);
    return vb ? vb->bytes : std::string();
}

void MibStore::setBytes(const Oid& oid, std::string value)
{
    auto it = m_values.find(oid);
    if (it != m_values.end())
        it->second.bytes = std::move(value);
}

} // namespace sim

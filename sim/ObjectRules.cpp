#include "ObjectRules.h"

#include "Enterprise.h"
#include "SnmprecParser.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace sim {

const snmp::VarBind* RowStatusTable::defaultFor(uint32_t column) const
{
    for (const auto& [c, value] : defaults)
        if (c == column)
            return &value;
    return nullptr;
}

bool RowStatusTable::indexColumns(const Oid& index, std::vector<std::pair<uint32_t, snmp::VarBind>>& columns) const
{
    columns.clear();
    size_t at = 0;
    for (const IndexPart& part : indexParts) {
        snmp::VarBind value;
        if (part.kind == IndexPart::Number) {
            if (at + 1 > index.size())
                return false;
            value = snmp::VarBind::integer({}, index[at]);
            at += 1;
        } else if (part.kind == IndexPart::IpAddress || part.kind == IndexPart::MacAddress) {
            const size_t count = part.kind == IndexPart::IpAddress ? 4 : 6;
            if (at + count > index.size())
                return false;
            std::string octets;
            for (size_t i = at; i < at + count; ++i) {
                if (index[i] > 255)
                    return false;
                octets += char(index[i]);
            }
            value = part.kind == IndexPart::IpAddress ? snmp::VarBind::ipAddress({}, octets) : snmp::VarBind::octets({}, octets);
            at += count;
        } else {
            // A length, then that many sub-identifiers (bytes of a name).
            if (at >= index.size() || index[at] > index.size() - at - 1)
                return false;
            const size_t length = index[at];
            std::string bytes;
            for (size_t i = at + 1; i <= at + length; ++i) {
                if (part.kind == IndexPart::Name && index[i] > 255)
                    return false;
                bytes += char(index[i]);
            }
            value = snmp::VarBind::octets({}, bytes);
            at += 1 + length;
        }
        if (part.column != 0)
            columns.emplace_back(part.column, value);
    }
    return indexParts.empty() || at == index.size();
}

bool ObjectRules::load(const std::string& path, std::string& error)
{
    std::error_code code;
    std::ifstream in;
    if (std::filesystem::is_regular_file(path, code))
        in.open(path, std::ios::binary);
    if (!in) {
        error = path + ":0: cannot open file";
        return false;
    }
    std::stringstream buffer;
    buffer << in.rdbuf();
    return loadText(buffer.str(), path, error);
}

bool ObjectRules::loadText(const std::string& text, const std::string& fileName, std::string& error)
{
    std::istringstream lines(text);
    std::string line;
    int number = 0;
    auto fail = [&](const std::string& reason) {
        error = fileName + ":" + std::to_string(number) + ": " + reason;
        return false;
    };
    while (std::getline(lines, line)) {
        ++number;
        std::istringstream words(line);
        std::string keyword, oidText;
        if (!(words >> keyword) || keyword[0] == '#')
            continue;
        if (!(words >> oidText))
            return fail("missing OID");
        const Oid oid = toOid(snmp::expandEnterprise(oidText));
        if (oid.empty())
            return fail("bad OID \"" + oidText + "\"");
        if (keyword == "read-only" || keyword == "writable") {
            m_access.emplace_back(oid, keyword == "writable");
            continue;
        }
        if (keyword == "row-index") {
            RowStatusTable* table = nullptr;
            for (auto& t : m_tables)
                if (t.entry == oid)
                    table = &t;
            if (!table)
                return fail("row-index before the row-status line of \"" + oidText + "\"");
            std::string partText;
            while (words >> partText) {
                const auto colon = partText.find(':');
                const std::string columnText = partText.substr(0, colon);
                const std::string kind = colon == std::string::npos ? std::string() : partText.substr(colon + 1);
                IndexPart part;
                if (kind == "name")
                    part.kind = IndexPart::Name;
                else if (kind == "number")
                    part.kind = IndexPart::Number;
                else if (kind == "ip")
                    part.kind = IndexPart::IpAddress;
                else if (kind == "oid")
                    part.kind = IndexPart::ObjectId;
                else if (kind == "mac")
                    part.kind = IndexPart::MacAddress;
                else
                    return fail("bad index part \"" + partText + "\"");
                if (columnText != "-") {
                    auto [end, ec] = std::from_chars(columnText.data(), columnText.data() + columnText.size(), part.column);
                    if (ec != std::errc() || end != columnText.data() + columnText.size() || part.column == 0)
                        return fail("bad index part \"" + partText + "\"");
                }
                table->indexParts.push_back(part);
            }
            if (table->indexParts.empty())
                return fail("row-index without parts");
            continue;
        }
        if (keyword != "row-status")
            return fail("unknown rule \"" + keyword + "\"");
        RowStatusTable table;
        table.entry = oid;
        std::string columnText;
        words >> columnText;
        auto [end, ec] = std::from_chars(columnText.data(), columnText.data() + columnText.size(), table.statusColumn);
        if (ec != std::errc() || end != columnText.data() + columnText.size() || table.statusColumn == 0)
            return fail("bad RowStatus column \"" + columnText + "\"");
        std::string cell;
        while (words >> cell) {
            static const std::string indexOctets = "|index-octets";
            if (cell.size() > indexOctets.size() && cell.ends_with(indexOctets)) {
                uint32_t column = 0;
                const char* last = cell.data() + cell.size() - indexOctets.size();
                auto [stop, failed] = std::from_chars(cell.data(), last, column);
                if (failed != std::errc() || stop != last || column == 0)
                    return fail("bad default cell \"" + cell + "\"");
                table.indexOctetColumns.push_back(column);
                continue;
            }
            if (cell.size() > 6 && cell.ends_with("|index")) {
                uint32_t column = 0;
                const char* last = cell.data() + cell.size() - 6;
                auto [stop, bad] = std::from_chars(cell.data(), last, column);
                if (bad != std::errc() || stop != last || column == 0)
                    return fail("bad index cell \"" + cell + "\"");
                table.indexNumberColumns.push_back(column);
                continue;
            }
            // "column|tag|value" is parsed as the record "ENTRY.column|tag|value".
            snmp::VarBind value;
            bool skipped = false;
            std::string reason;
            if (!snmp::SnmprecParser::parseLine(toText(oid) + "." + cell, value, skipped, reason) || skipped)
                return fail("bad default cell \"" + cell + "\": " + reason);
            const Oid cellOid = toOid(value.oid);
            if (cellOid.size() != oid.size() + 1)
                return fail("default cell \"" + cell + "\" must name one column");
            table.defaults.emplace_back(cellOid.back(), value);
        }
        m_tables.push_back(std::move(table));
    }
    return true;
}

bool ObjectRules::isWritable(const Oid& oid) const
{
    size_t bestLength = 0;
    bool writable = true;
    for (const auto& [prefix, allowed] : m_access) {
        if (startsWith(oid, prefix) && prefix.size() >= bestLength) {
            bestLength = prefix.size();
            writable = allowed;
        }
    }
    return writable;
}

TableCell ObjectRules::locate(const Oid& oid) const
{
    for (const auto& table : m_tables) {
        // entry.column.index with at least one index arc.
        if (oid.size() > table.entry.size() + 1 && startsWith(oid, table.entry)) {
            TableCell cell;
            cell.table = &table;
            cell.column = oid[table.entry.size()];
            cell.index.assign(oid.begin() + static_cast<long>(table.entry.size()) + 1, oid.end());
            return cell;
        }
    }
    return {};
}

} // namespace sim

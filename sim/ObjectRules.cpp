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
            if (cell.size() > 6 && cell.ends_with("|index")) {
                uint32_t column = 0;
                const char* last = cell.data() + cell.size() - 6;
                auto [stop, bad] = std::from_chars(cell.data(), last, column);
                if (bad != std::errc() || stop != last || column == 0)
                    return fail("bad index cell \"" + cell + "\"");
                table.indexColumns.push_back(column);
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

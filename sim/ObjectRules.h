#pragma once
// What a manager may do to the objects: which subtrees are read-only, and which tables accept
// new rows through their RowStatus column (with the cells a new row starts with).
//
// Rules file, one rule a line ('#' starts a comment line; OIDs may begin with "ENTERPRISE"):
//   read-only  OID                     the subtree cannot be written
//   writable   OID                     exception inside a read-only subtree (longest match wins)
//   row-status ENTRY COLUMN [CELL ...] rows of table ENTRY are created and destroyed through
//                                      COLUMN; each CELL "column|tag|value" is a new row's default
//                                      ("column|index-octets": the row's index arcs as octets, as a
//                                      table indexed by a MAC address keeps the address;
//                                      "column|index" a column that holds a one-number index)
//   row-index  ENTRY PART ...          the form of the index of a row-status table, read when a row
//                                      is created: PART "COLUMN:name" (length, then the bytes of a
//                                      text; kept as OCTET STRING), "COLUMN:number" (one
//                                      sub-identifier; INTEGER), "COLUMN:ip" (four; IpAddress),
//                                      "COLUMN:mac" (six; kept as their six octets), or
//                                      "-:oid" (length, then an OID; kept in the index only). A row
//                                      whose index has another form is refused (inconsistentName).

#include "MibStore.h"

#include <string>
#include <vector>

namespace sim {

// One part of a row's index; column 0 keeps the part in the index only.
struct IndexPart {
    enum Kind { Name, Number, IpAddress, ObjectId, MacAddress };
    Kind kind = Number;
    uint32_t column = 0;
};

struct RowStatusTable {
    Oid entry;
    uint32_t statusColumn = 0;
    std::vector<std::pair<uint32_t, snmp::VarBind>> defaults; // column, value (oid unused)
    std::vector<IndexPart> indexParts;                        // empty: any index, no index columns
    std::vector<uint32_t> indexOctetColumns;
    std::vector<uint32_t> indexNumberColumns;                 // columns that hold a one-number index
    const snmp::VarBind* defaultFor(uint32_t column) const;
    // The columns a new row at `index` takes from it (column, value); false when the index does
    // not have the table's form.
    bool indexColumns(const Oid& index, std::vector<std::pair<uint32_t, snmp::VarBind>>& columns) const;
};

// Where an OID lies inside a RowStatus table.
struct TableCell {
    const RowStatusTable* table = nullptr;
    uint32_t column = 0;
    Oid index;
};

class ObjectRules {
public:
    // False with `error` ("FILE:LINE: reason") when the file cannot be read or a line is bad.
    bool load(const std::string& path, std::string& error);
    bool loadText(const std::string& text, const std::string& fileName, std::string& error);

    bool isWritable(const Oid& oid) const;
    TableCell locate(const Oid& oid) const; // table is nullptr when the OID is in no such table
    const std::vector<RowStatusTable>& tables() const { return m_tables; }

private:
    std::vector<std::pair<Oid, bool>> m_access; // prefix, writable
    std::vector<RowStatusTable> m_tables;
};

} // namespace sim

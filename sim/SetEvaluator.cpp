#include "SetEvaluator.h"

namespace sim {

using namespace snmp;

SetEvaluator::SetEvaluator(MibStore& store, const ObjectRules& rules, ValueCheck valueCheck)
    : m_store(store), m_rules(rules), m_valueCheck(std::move(valueCheck))
{
}

SetVerdict SetEvaluator::check(const std::vector<VarBind>& binds) const
{
    for (size_t i = 0; i < binds.size(); ++i) {
        const Oid oid = toOid(binds[i].oid);
        long status = oid.empty() ? ErrorStatus::NoCreation : checkOne(oid, binds[i], binds);
        if (status == 0 && m_valueCheck)
            status = m_valueCheck(oid, binds[i]);
        if (status != 0)
            return {status, i + 1};
    }
    return {};
}

long SetEvaluator::checkOne(const Oid& oid, const VarBind& vb, const std::vector<VarBind>& all) const
{
    const TableCell cell = m_rules.locate(oid);
    if (cell.table && cell.column == cell.table->statusColumn)
        return checkRowStatus(cell, vb);

    const VarBind* current = m_store.find(oid);
    const VarBind* expected = current;
    if (cell.table && !expected) {
        const bool rowThere = m_store.rowExists(cell.table->entry, cell.index) || createdInSameRequest(cell, all);
        if (!rowThere)
            return ErrorStatus::NoCreation;
        expected = cell.table->defaultFor(cell.column);
    }
    if (!expected)
        return ErrorStatus::NoCreation;
    if (!m_rules.isWritable(oid))
        return ErrorStatus::NotWritable;
    if (vb.tag != expected->tag)
        return ErrorStatus::WrongType;
    return ErrorStatus::NoError;
}

long SetEvaluator::checkRowStatus(const TableCell& cell, const VarBind& vb) const
{
    if (vb.tag != Ber::Integer)
        return ErrorStatus::WrongType;
    const bool exists = m_store.rowExists(cell.table->entry, cell.index);
    switch (vb.number) {
    case RowStatus::Active:
    case RowStatus::NotInService:
        return exists ? ErrorStatus::NoError : ErrorStatus::InconsistentValue;
    case RowStatus::CreateAndGo:
    case RowStatus::CreateAndWait: {
        if (exists)
            return ErrorStatus::InconsistentValue;
        std::vector<std::pair<uint32_t, VarBind>> indexColumns;
        return cell.table->indexColumns(cell.index, indexColumns) ? ErrorStatus::NoError
                                                                   : ErrorStatus::InconsistentName;
    }
    case RowStatus::Destroy:
        return ErrorStatus::NoError; // destroying a row that is not there is no error
    default: // notReady is never written, other numbers are no RowStatus at all
        return ErrorStatus::WrongValue;
    }
}

bool SetEvaluator::createdInSameRequest(const TableCell& cell, const std::vector<VarBind>& all) const
{
    for (const auto& other : all) {
        const TableCell c = m_rules.locate(toOid(other.oid));
        if (c.table == cell.table && c.index == cell.index && c.column == cell.table->statusColumn &&
            other.tag == Ber::Integer &&
            (other.number == RowStatus::CreateAndGo || other.number == RowStatus::CreateAndWait))
            return true;
    }
    return false;
}

std::vector<Oid> SetEvaluator::apply(const std::vector<VarBind>& binds)
{
    // Rows are created before their columns are written and destroyed after, so one request
    // may create a row with its values.
    std::vector<Oid> written;
    auto statusOf = [&](const VarBind& vb, TableCell& cell) {
        cell = m_rules.locate(toOid(vb.oid));
        return cell.table && cell.column == cell.table->statusColumn ? static_cast<int>(vb.number) : 0;
    };
    TableCell cell;
    for (const auto& vb : binds) {
        const int status = statusOf(vb, cell);
        if (status == RowStatus::CreateAndGo || status == RowStatus::CreateAndWait) {
            createRow(*cell.table, cell.index, status == RowStatus::CreateAndGo ? RowStatus::Active : RowStatus::NotInService);
            written.push_back(toOid(vb.oid));
        }
    }
    for (const auto& vb : binds) {
        if (statusOf(vb, cell) != 0)
            continue;
        const Oid oid = toOid(vb.oid);
        m_store.put(oid, vb);
        written.push_back(oid);
    }
    for (const auto& vb : binds) {
        const int status = statusOf(vb, cell);
        const Oid oid = toOid(vb.oid);
        if (status == RowStatus::Active || status == RowStatus::NotInService) {
            m_store.setNumber(oid, status);
            written.push_back(oid);
        } else if (status == RowStatus::Destroy) {
            m_store.eraseRow(cell.table->entry, cell.index);
            written.push_back(oid);
        }
    }
    return written;
}

void SetEvaluator::createRow(const RowStatusTable& table, const Oid& index, int status)
{
    for (const auto& [column, value] : table.defaults)
        m_store.put(concat(concat(table.entry, {column}), index), value);
    // Index columns (a name, a version ...) read from the index itself.
    std::vector<std::pair<uint32_t, VarBind>> indexColumns;
    table.indexColumns(index, indexColumns);
    for (const auto& [column, value] : indexColumns)
        m_store.put(concat(concat(table.entry, {column}), index), value);
    if (index.size() == 1) {
        for (uint32_t column : table.indexNumberColumns)
            m_store.put(concat(concat(table.entry, {column}), index), VarBind::integer({}, index[0]));
    }
    m_store.put(concat(concat(table.entry, {table.statusColumn}), index), VarBind::integer({}, status));
    // An index that is no string of octets leaves those cells out.
    std::string indexOctets;
    for (uint32_t arc : index) {
        if (arc > 0xFF)
            return;
        indexOctets += static_cast<char>(arc);
    }
    for (uint32_t column : table.indexOctetColumns)
        m_store.put(concat(concat(table.entry, {column}), index), VarBind::octets({}, indexOctets));
}

} // namespace sim

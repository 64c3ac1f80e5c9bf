#pragma once
// Decides whether a set request may be applied as a whole (the first refused binding gives the
// error-status and its index), and applies it: RowStatus creates and destroys rows, other
// bindings replace the stored value.

#include "MibStore.h"
#include "ObjectRules.h"

#include <functional>
#include <vector>

namespace sim {

namespace RowStatus {
constexpr int Active = 1;
constexpr int NotInService = 2;
constexpr int NotReady = 3;
constexpr int CreateAndGo = 4;
constexpr int CreateAndWait = 5;
constexpr int Destroy = 6;
} // namespace RowStatus

struct SetVerdict {
    long errorStatus = 0;
    size_t errorIndex = 0; // 1-based position of the refused binding
    bool ok() const { return errorStatus == 0; }
};

class SetEvaluator {
public:
    // Extra per-object value check (for example an operation code); 0 accepts.
    using ValueCheck = std::function<long(const Oid&, const snmp::VarBind&)>;

    SetEvaluator(MibStore& store, const ObjectRules& rules, ValueCheck valueCheck = {});

    SetVerdict check(const std::vector<snmp::VarBind>& binds) const;
    // Applies bindings that passed `check`; returns the OIDs written, in the order applied.
    std::vector<Oid> apply(const std::vector<snmp::VarBind>& binds);

private:
    long checkOne(const Oid& oid, const snmp::VarBind& vb, const std::vector<snmp::VarBind>& all) const;
    long checkRowStatus(const TableCell& cell, const snmp::VarBind& vb) const;
    bool createdInSameRequest(const TableCell& cell, const std::vector<snmp::VarBind>& all) const;
    void createRow(const RowStatusTable& table, const Oid& index, int status);

    MibStore& m_store;
    const ObjectRules& m_rules;
    ValueCheck m_valueCheck;
};

} // namespace sim

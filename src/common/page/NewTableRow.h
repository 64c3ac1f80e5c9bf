#pragma once
// The writes that add a row to one of the switch's RowStatus tables: the create (createAndWait,
// or createAndGo on models that want it), the columns, then active. The write stops at the first
// refused step, so a create the switch refuses (the index is taken) never overwrites the row
// that holds it. When a step after the create fails, the half-made row is destroyed again: left
// out of service it would hold its index and refuse every later create there.
//
//     const NewTableRow row(statusOid);
//     write(session, row.steps({columns}, 50), [this, row](const WriteResult& result) {
//         if (row.halfMade(result)) write(session, {row.destroy()}, {});
//     });

#include "SetRequest.h"

#include <string>
#include <vector>

enum RowStatusValue { RowActive = 1, RowCreateAndGo = 4, RowCreateAndWait = 5, RowDestroy = 6 };

class NewTableRow {
public:
    // `statusOid`: the row's RowStatus cell (column and index).
    explicit NewTableRow(std::string statusOid, int createStatus = RowCreateAndWait);

    // Create, then each column request in order, then active after `activatePauseMs`.
    std::vector<SetRequest> steps(std::vector<SetRequest> columns, int activatePauseMs = 0) const;
    // True when the create went through but a later step did not.
    static bool halfMade(const WriteResult& result) { return !result.ok() && result.completed >= 1; }
    SetRequest destroy() const;

private:
    std::string m_statusOid;
    int m_createStatus;
};

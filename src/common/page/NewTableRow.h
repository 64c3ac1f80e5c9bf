#pragma once
// The one rule by which a page adds a row to one of the switch's RowStatus tables: the create
// (createAndWait, or createAndGo on models that want it), the columns, then active, with the
// pauses the table needs. The write stops at the first refused step, so a create the switch
// refuses (the index is taken) never touches the row that holds it. When the create may have gone
// through but the row was not finished (a later step failed, or the create's answer was lost),
// the row is destroyed again: left half-made it would hold its index, the list would not show
// it, and every later create there would be refused.
//
//     const NewTableRow row(statusOid);
//     writeNewRow(session, row, row.steps({columns}, 50), [this](const WriteResult& result) { ... });
//
// A new index is chosen among every row the table holds, active or not (freeIndex).

#include "RowStatus.h"
#include "SetRequest.h"

#include <optional>
#include <string>
#include <vector>

class NewTableRow {
public:
    // `statusOid`: the row's RowStatus cell (column and index).
    explicit NewTableRow(std::string statusOid, int createStatus = RowCreateAndWait);

    // The first step of every creation.
    SetRequest create() const;
    // Adds "active" to a request (a table that takes it together with the last columns).
    SetRequest& activate(SetRequest& request) const;
    // Create, then each column request in order, then active after `activatePauseMs`.
    std::vector<SetRequest> steps(std::vector<SetRequest> columns, int activatePauseMs = 0) const;
    SetRequest destroy() const;

    // True when a write that began with create() may have left the row made but unfinished.
    static bool halfMade(const WriteResult& result);

    // The lowest index first ... last that none of `held` takes (every row the table holds).
    static std::optional<long long> freeIndex(const std::vector<long long>& held, long long first, long long last);

private:
    std::string m_statusOid;
    int m_createStatus;
};

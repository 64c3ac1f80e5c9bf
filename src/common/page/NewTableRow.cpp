#include "NewTableRow.h"

#include <algorithm>

NewTableRow::NewTableRow(std::string statusOid, int createStatus)
    : m_statusOid(std::move(statusOid)), m_createStatus(createStatus)
{
}

SetRequest NewTableRow::create() const
{
    SetRequest request;
    request.integer(m_statusOid, m_createStatus);
    return request;
}

SetRequest& NewTableRow::activate(SetRequest& request) const
{
    return request.integer(m_statusOid, RowActive);
}

std::vector<SetRequest> NewTableRow::steps(std::vector<SetRequest> columns, int activatePauseMs) const
{
    std::vector<SetRequest> requests{create()};
    for (SetRequest& column : columns)
        requests.push_back(std::move(column));
    activate(requests.emplace_back().pauseBefore(activatePauseMs));
    return requests;
}

SetRequest NewTableRow::destroy() const
{
    SetRequest request;
    request.integer(m_statusOid, RowDestroy);
    return request;
}

bool NewTableRow::halfMade(const WriteResult& result)
{
    if (result.ok())
        return false;
    // A refused create (error-status) made nothing; an unanswered one may have made the row.
    return result.completed >= 1 || result.status == -1;
}

std::optional<long long> NewTableRow::freeIndex(const std::vector<long long>& held, long long first, long long last)
{
    for (long long index = first; index <= last; ++index)
        if (std::find(held.begin(), held.end(), index) == held.end())
            return index;
    return std::nullopt;
}

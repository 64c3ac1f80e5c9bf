#include "NewTableRow.h"

NewTableRow::NewTableRow(std::string statusOid, int createStatus)
    : m_statusOid(std::move(statusOid)), m_createStatus(createStatus)
{
}

std::vector<SetRequest> NewTableRow::steps(std::vector<SetRequest> columns, int activatePauseMs) const
{
    std::vector<SetRequest> requests(1);
    requests[0].integer(m_statusOid, m_createStatus);
    for (SetRequest& column : columns)
        requests.push_back(std::move(column));
    requests.emplace_back().pauseBefore(activatePauseMs).integer(m_statusOid, RowActive);
    return requests;
}

SetRequest NewTableRow::destroy() const
{
    SetRequest request;
    request.integer(m_statusOid, RowDestroy);
    return request;
}

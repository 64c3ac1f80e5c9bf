#include "CSnmpTable.h"

#include "Oid.h"
#include "SnmpTransport.h"

namespace snmp {

bool CSnmpTable::prepare(const std::string& address, Prepared& out)
{
    if (!m_request || !m_request->isSendable())
        return false;
    out.target = m_request->target(address);
    out.pdu.type = m_request->getType();
    out.pdu.binds = m_request->bindings();
    out.state = m_request->state();
    out.answer = m_request->makeAnswer();
    std::lock_guard lock(out.state->mutex);
    out.cancel = out.state->cancel;
    if (out.pdu.type == PduType::GetNext) {
        if (out.state->walkGeneration != out.state->generation) {
            out.state->walkGeneration = out.state->generation;
            out.state->roots.clear();
            for (const auto& vb : out.pdu.binds)
                out.state->roots.push_back(vb.oid);
            out.state->cursor = out.state->roots;
        }
        for (size_t i = 0; i < out.pdu.binds.size() && i < out.state->cursor.size(); ++i)
            out.pdu.binds[i] = VarBind::null(out.state->cursor[i]);
    }
    return true;
}

int CSnmpTable::complete(Prepared& p, int exchangeResult, SnmpPdu& response)
{
    std::lock_guard lock(p.state->mutex);
    recordExchange(*p.state, exchangeResult, response);
    if (static_cast<ExchangeStatus>(exchangeResult) != ExchangeStatus::Answered)
        return -1;
    p.state->lastErrorStatus = response.errorStatus;
    p.state->lastErrorIndex = static_cast<unsigned long>(response.errorIndex);
    p.answer->setErrorInfo(response.errorStatus, static_cast<unsigned long>(response.errorIndex));
    if (p.pdu.type == PduType::GetNext) {
        // Version 1 says "no such name" where version 2 and 3 say endOfMibView.
        if (p.target.version == 1 && response.errorStatus == ErrorStatus::NoSuchName)
            return -2;
        if (response.errorStatus != 0)
            return static_cast<int>(response.errorStatus);
        if (!response.binds.empty() && !p.state->roots.empty()) {
            const VarBind& first = response.binds[0];
            const bool ended = first.tag == Ber::EndOfMibView || !oid::isInSubtree(first.oid, p.state->roots[0]) ||
                               oid::compare(first.oid, p.pdu.binds[0].oid) <= 0;
            if (ended)
                return -2;
            // Only move on when this answer still belongs to the walk that sent it.
            if (p.state->walkGeneration == p.state->generation)
                for (size_t i = 0; i < response.binds.size() && i < p.state->cursor.size(); ++i)
                    p.state->cursor[i] = response.binds[i].oid;
        }
    } else if (response.errorStatus != 0) {
        return static_cast<int>(response.errorStatus);
    }
    p.answer->setBindings(std::move(response.binds));
    return 0;
}

int CSnmpTable::getNext(const std::string& address, std::unique_ptr<CSnmp>& answer, int timeoutMs)
{
    Prepared job;
    if (!prepare(address, job))
        return -1;
    auto transport = currentTransport();
    if (!transport)
        return -1;
    SnmpPdu response;
    const auto result = transport->exchange(job.target, job.pdu, response, timeoutMs, job.cancel);
    const int status = complete(job, static_cast<int>(result), response);
    if (status == 0)
        answer = std::move(job.answer);
    return status;
}

int CSnmpTable::getSuffix(int i, const CSnmp* answer, std::string& suffix) const
{
    std::string answerOid;
    if (!m_request || !answer || !answer->getOid(i, answerOid))
        return -1;
    std::string requested;
    {
        const auto& state = m_request->state();
        std::lock_guard lock(state->mutex);
        if (m_request->getType() == PduType::GetNext && i < static_cast<int>(state->roots.size()))
            requested = state->roots[i];
    }
    if (requested.empty() && !m_request->getOid(i, requested))
        return -1;
    suffix = oid::suffix(answerOid, requested);
    return 0;
}

} // namespace snmp

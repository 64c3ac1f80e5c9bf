#include "WalkPlan.h"

#include "Oid.h"

#include <algorithm>
#include <cstdlib>

namespace snmp {

bool bulkWalksEnabled()
{
    const char* off = std::getenv("SORVEX_NO_BULK");
    return !off || !*off || std::string(off) == "0";
}

WalkPlan::WalkPlan(std::vector<std::string> columns, bool bulk) : m_bulk(bulk && !columns.empty())
{
    for (auto& c : columns) {
        std::string normal = oid::normalise(c);
        m_roots.push_back(normal.empty() ? std::move(c) : std::move(normal));
    }
    m_cursor = m_roots;
}

SnmpPdu WalkPlan::nextRequest() const
{
    SnmpPdu pdu;
    pdu.type = m_bulk ? PduType::GetBulk : PduType::GetNext;
    for (const auto& c : m_cursor)
        pdu.binds.push_back(VarBind::null(c));
    if (m_bulk) {
        pdu.nonRepeaters = 0;
        pdu.maxRepetitions = m_repetitions;
    }
    return pdu;
}

void WalkPlan::fallBackToGetNext()
{
    m_bulk = false;
}

WalkPlan::Step WalkPlan::take(const SnmpPdu& response, int version)
{
    return m_bulk ? takeBulk(response) : takeGetNext(response, version);
}

int WalkPlan::endOf(const VarBind& first) const
{
    // The OID must increase, or a faulty agent would keep us walking in a circle.
    const bool ended = first.tag == Ber::EndOfMibView || !oid::isInSubtree(first.oid, m_roots[0]) ||
                       oid::compare(first.oid, m_cursor[0]) <= 0;
    return ended ? -2 : 1;
}

void WalkPlan::deliver(Step& step, std::vector<VarBind> row)
{
    std::vector<std::string> suffixes(row.size());
    for (std::size_t i = 0; i < row.size(); ++i) {
        if (i < m_roots.size())
            suffixes[i] = oid::suffix(row[i].oid, m_roots[i]);
        if (i < m_cursor.size())
            m_cursor[i] = row[i].oid;
    }
    step.rows.push_back(std::move(row));
    step.suffixes.push_back(std::move(suffixes));
}

void WalkPlan::failBulk(Step& step)
{
    step.bulkFailed = true;
    fallBackToGetNext();
}

WalkPlan::Step WalkPlan::takeGetNext(const SnmpPdu& response, int version)
{
    Step step;
    // Version 1 says "no such name" where version 2 and 3 say endOfMibView.
    if (version == 1 && response.errorStatus == ErrorStatus::NoSuchName) {
        step.end = -2;
        return step;
    }
    if (response.errorStatus != 0) {
        step.end = static_cast<int>(response.errorStatus);
        return step;
    }
    // An empty answer cannot move the walk on: asking again would get the same.
    if (response.binds.empty() || m_roots.empty()) {
        step.end = -2;
        return step;
    }
    step.end = endOf(response.binds[0]);
    if (step.end == 1)
        deliver(step, response.binds);
    return step;
}

WalkPlan::Step WalkPlan::takeBulk(const SnmpPdu& response)
{
    Step step;
    if (response.errorStatus == ErrorStatus::TooBig) {
        if (m_repetitions > 1) {
            m_ceiling = std::max(1, m_repetitions / 2);
            m_repetitions = m_ceiling;
        } else {
            failBulk(step); // not even one row fits: get-next will say so itself
        }
        return step;
    }
    if (response.errorStatus != 0) {
        failBulk(step);
        return step;
    }
    const std::size_t width = m_roots.size();
    // A partial last row (an answer cut to fit) is asked for again by the next request.
    const std::size_t whole = std::min<std::size_t>(response.binds.size() / width, std::size_t(m_repetitions));
    if (whole == 0) {
        failBulk(step);
        return step;
    }
    std::size_t bytes = 0;
    for (std::size_t r = 0; r < whole; ++r) {
        const auto begin = response.binds.begin() + static_cast<std::ptrdiff_t>(r * width);
        std::vector<VarBind> row(begin, begin + static_cast<std::ptrdiff_t>(width));
        if ((step.end = endOf(row[0])) != 1)
            break;
        // Each repeater continues from its own previous binding; an agent that answers otherwise
        // is not walking the columns, and get-next takes over from the last good row.
        for (std::size_t c = 1; c < width; ++c)
            if (row[c].tag != Ber::EndOfMibView && oid::compare(row[c].oid, m_cursor[c]) <= 0) {
                failBulk(step);
                return step;
            }
        for (const auto& vb : row)
            bytes += vb.encodedSize();
        deliver(step, std::move(row));
    }
    if (step.end == 1 && !step.rows.empty()) {
        const std::size_t rowBytes = std::max<std::size_t>(1, bytes / step.rows.size());
        m_repetitions = static_cast<int>(std::clamp<std::size_t>(kAnswerBudget / rowBytes, 1, std::size_t(m_ceiling)));
    }
    return step;
}

} // namespace snmp

#include "PortStatusBoard.h"

#include "TraceCategory.h"

#include <algorithm>

namespace {

constexpr int kFirstEmptyObject = 48; // panel reset: objects from here on show "empty"
constexpr int kEmptyObjectCount = 4;

} // namespace

PortStatusBoard::PortStatusBoard()
    : PortStatusBoard(Layout{})
{
}

PortStatusBoard::PortStatusBoard(Layout layout)
    : m_layout(layout)
{
    // Profile values are bounded before they size or index anything.
    m_layout.portCount = std::clamp(m_layout.portCount, 0, kMaxPorts);
    m_layout.comboCount = std::clamp(m_layout.comboCount, 0, m_layout.portCount);
    m_layout.poePortCount = std::clamp(m_layout.poePortCount, 0, m_layout.portCount);
    m_states.assign(size_t(m_layout.portCount) + 1, OperDown);
    m_media.assign(size_t(m_layout.portCount), 0);
}

void PortStatusBoard::ClearPortStates()
{
    std::fill(m_states.begin(), m_states.end(), OperDown);
}

int PortStatusBoard::LinkState(const LinkRow& row, bool gigabitPort)
{
    if (row.admin != "1")
        return AdminDown;
    if (row.oper != "1")
        return OperDown;
    const char* fullSpeed = gigabitPort ? "1000000000" : "100000000";
    return row.speed == fullSpeed ? FullSpeed : Slow;
}

int PortStatusBoard::PoeState(const std::string& status)
{
    if (status == "POWER ON")
        return 1;
    if (status == "POWER OFF" || status == "Time-based OFF")
        return 2;
    return 0;
}

PortStatusBoard::ObjectStates PortStatusBoard::ApplyLinkRows(const std::vector<LinkRow>& rows)
{
    TraceLine(QStringLiteral("RefreshPortStatus RefreshPortStatus"));
    ClearPortStates();
    ObjectStates out;
    for (const LinkRow& row : rows) {
        const int p = row.port;
        if (!IsPort(p))
            continue;
        const int state = LinkState(row, m_layout.allGiga || p >= m_layout.comboIndex);
        if (p == 1) {
            for (int object = m_layout.portCount; object < ObjectCount(); ++object)
                out.push_back({object, OperDown});
        }
        m_media[size_t(p - 1)] = row.media;
        if (RunsOnFibre(p)) {
            out.push_back({FibreObject(p), state});
            out.push_back({p - 1, OperDown});
        } else {
            out.push_back({p - 1, state});
        }
        m_states[size_t(p)] = state;
    }
    return out;
}

PortStatusBoard::ObjectStates PortStatusBoard::ApplyPoeRows(const std::vector<PoeRow>& rows)
{
    ClearPortStates();
    ObjectStates out;
    for (const PoeRow& row : rows) {
        TraceLine(QStringLiteral("YYYYYYYYYYYYYYYYYYYYYYYYYY"));
        TraceLine(QString::fromStdString(row.status));
        const int p = row.port;
        if (!IsPort(p))
            continue;
        const int state = PoeState(row.status);
        if (p == 1) {
            for (int object = m_layout.poePortCount; object < ObjectCount(); ++object)
                out.push_back({object, AdminDown});
        }
        out.push_back({p - 1, state});
        m_states[size_t(p)] = state;
        TraceLine(QStringLiteral("m_uPortStatus = %1").arg(state));
        m_media[size_t(p - 1)] = 2;
    }
    return out;
}

PortStatusBoard::ObjectStates PortStatusBoard::ResetPortDisplay()
{
    ClearPortStates();
    ObjectStates out;
    for (int object = 0; object < ObjectCount(); ++object)
        out.push_back({object, AdminDown});
    return out;
}

PortStatusBoard::ObjectStates PortStatusBoard::ResetPanel(int objectCount)
{
    ObjectStates out;
    const int end = std::min(objectCount, kFirstEmptyObject + kEmptyObjectCount);
    for (int object = 0; object < end; ++object)
        out.push_back({object, object < kFirstEmptyObject ? OperDown : 4});
    return out;
}

int PortStatusBoard::PortState(int port) const
{
    return IsPort(port) ? m_states[size_t(port)] : OperDown;
}

int PortStatusBoard::MediaType(int port) const
{
    return IsPort(port) ? m_media[size_t(port - 1)] : 0;
}

int PortStatusBoard::FibreObject(int port) const
{
    const bool combo = IsPort(port) && port >= m_layout.comboIndex && port < m_layout.comboIndex + m_layout.comboCount;
    return combo ? port + m_layout.portCount - m_layout.comboIndex : -1;
}

bool PortStatusBoard::RunsOnFibre(int port) const
{
    const int media = MediaType(port);
    return (media == 3 || media == 4) && FibreObject(port) >= 0;
}

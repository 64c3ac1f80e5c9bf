#include "LinkAnimator.h"

namespace sim {

LinkAnimator::LinkAnimator(PortLinkModel& ports) : m_ports(ports)
{
    const auto& layout = ports.layout();
    for (int p = 1; p < layout.firstComboPort && p <= layout.portCount; ++p)
        if (ports.isUp(p))
            m_copperPorts.push_back(p);
    for (int p = layout.firstComboPort; p <= layout.portCount && !m_comboPort; ++p)
        if (ports.isUp(p) && ports.media(p) == 2)
            m_comboPort = p;
}

void LinkAnimator::step()
{
    // Six steps: unplug, plug back, combo to fibre, unplug, plug back, combo back to copper.
    const unsigned phase = m_step++ % 6;
    if (phase == 2 || phase == 5) {
        if (m_comboPort)
            m_ports.setComboMedia(m_comboPort, phase == 2 ? 4 : m_comboHomeMedia);
        return;
    }
    if (m_copperPorts.empty())
        return;
    if (m_unplugged) {
        m_ports.setCableConnected(m_unplugged, true);
        m_unplugged = 0;
        return;
    }
    // Spread the changes over the panel rather than walking neighbours.
    m_nextCopper = (m_nextCopper + 5) % m_copperPorts.size();
    m_unplugged = m_copperPorts[m_nextCopper];
    m_ports.setCableConnected(m_unplugged, false);
}

} // namespace sim

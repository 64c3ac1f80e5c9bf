#pragma once
// With --live: every step changes one link so the front panel shows life. A copper port is
// unplugged and plugged in again, and a combo port moves to its fibre side and back.

#include "PortLinkModel.h"

#include <vector>

namespace sim {

class LinkAnimator {
public:
    explicit LinkAnimator(PortLinkModel& ports);
    void step();

private:
    PortLinkModel& m_ports;
    std::vector<int> m_copperPorts; // ports that had a link at start
    int m_comboPort = 0;
    int m_comboHomeMedia = 2;
    unsigned m_step = 0;
    size_t m_nextCopper = 0;
    int m_unplugged = 0;
};

} // namespace sim
